#pragma once

#include <span>

// One estate or building of the demonstration agency, with what its listings
// share: location, age and height, kind, market prices and surroundings. The
// texts are items of the delivered pick lists.
struct TDemoEstate {
    const char* name;
    const char* district;
    const char* place;
    const char* street;
    int buildYear;
    int floorCount;
    bool lift;
    const char* houseType;
    const char* purpose;
    const char* rightProp;
    const char* burgage;
    int unitPrice;    // sale price, yuan per square metre
    int rentPerMetre; // monthly rent, yuan per square metre
    double mgrFund;   // management fee, yuan per square metre and month
    const char* school;
    const char* hospitals;
    const char* markets;
    const char* traffics;
};

// The estates of the demonstration agency.
std::span<const TDemoEstate> DemoEstates();
