#pragma once

#include <QString>

class TDemoRandom;

// Invented people of the demonstration agency: owners as agencies note them
// ("王先生"), clients with full names, and telephone numbers from blocks no
// carrier hands out to customers.
class TDemoPeople {
public:
    // An owner as the contact of a listing.
    static QString OwnerName(TDemoRandom& random);
    // A client's full name; `male` tells which.
    static QString FullName(TDemoRandom& random, bool male);
    // The n-th owner's mobile number (13900000001…).
    static QString OwnerTel(int n);
    // The n-th client's mobile number (13700000001…).
    static QString ClientTel(int n);
    // The login ids of the agency's brokers.
    static QString Broker(TDemoRandom& random);
};
