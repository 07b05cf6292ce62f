#pragma once

#include <QDate>
#include <QString>

// The criteria of the house list search. Each member starts at the value that
// turns its criterion off: empty text, -1 for numbers (-5 or less for the lowest
// floor, so that basement floors down to -4 can be asked for), false, or an
// invalid date.
struct THouseCriteria {
    // "出售" and "出租" also find houses offered for both ("租售"); "租售" finds
    // those alone; any other word ("全部", "不限", empty) finds every deal type.
    QString DealType;
    // At most this many rows; a negative limit gives the 50 newest.
    int RowLimit = -1;
    QString District;
    QString Place;
    QString HouseName; // contained in
    QString Address;   // contained in
    int Room = -1;
    int Hall = -1;
    int Bath = -1;
    int Balcony = -1;
    bool CanSettle = false;
    QString CanSchool; // contained in
    int FundFrom = -1; // 10,000 yuan
    int FundTo = -1;
    int RentFrom = -1; // yuan
    int RentTo = -1;
    int FloorFrom = -5; // on from -4
    int FloorTo = -1;   // any other value, 0 and basements below -1 included
    int AreaFrom = -1;
    int AreaTo = -1;
    QString HouseType;
    QString RightProp;
    QString Billman;
    QDate BillFrom;  // from this day's midnight
    QDate BillTo;    // up to this day's midnight
    QString Keyword; // contained in the remarks
    QString Code;    // contained in
    QString State;
    int BuildYearFrom = -1;
    QString Broker;
    QString ComeFrom;
    QString VisitHandman; // a follow-up by this operator
    QDate VisitFrom;      // a follow-up from this day ...
    QDate VisitTo;        // ... to this one, used only with VisitFrom
    QString PropNo;       // contained in
    QString Linkman;      // contained in
    QString LinkTel;      // contained in
    QString Purpose;
    QString Keys;
};
