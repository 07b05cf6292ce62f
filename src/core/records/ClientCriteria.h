#pragma once

#include <QDate>
#include <QString>

// The criteria of the client list search. Each member starts at the value that
// turns its criterion off: empty text, -1 (or less) for numbers, an invalid date.
struct TClientCriteria {
    // "求购" or "求租"; any other word finds every client.
    QString DealType;
    int Rooms = -1;    // within the client's Room1..Room2
    double Area = -1;  // within Area1..Area2, to two decimals
    double Price = -1; // yuan, within Fund1..Fund2, to two decimals
    QDate BillFrom;    // registered from this day's midnight
    QDate BillTo;      // up to this day's midnight
    QString Linkman;   // contained in
    QString LinkTel;   // contained in
    QString HouseName; // contained in
    QString Purpose;   // contained in
    QString Address;   // contained in
    QString State;     // contained in
    QString Code;      // contained in
    QString ComeFrom;
    QString Billman;
    QString Broker;
    QString Keyword;  // contained in the remarks
    QString District; // contained in
};
