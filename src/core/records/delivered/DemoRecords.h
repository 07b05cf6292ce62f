#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// What the history of the demonstration agency (follow-ups, deals, change logs)
// needs to know of the houses and clients it was written for.
struct TDemoHouse {
    int id = 0;
    QString code;
    QString estate;
    QString dealType; // 出售, 出租 or 租售
    QString state;
    QString broker; // may be empty
    QString billman;
    QString linkman;
    QDateTime billTime;
    double area = 0;
    double fund = 0;     // 万元
    double price = 0;    // 元/平方米
    double rentFund = 0; // 元/月
    bool recycled = false;
};

struct TDemoClient {
    int id = 0;
    QString code;
    QString name;
    QString tel;
    QString dealType; // 求购 or 求租
    QString state;
    QString broker; // may be empty
    QString billman;
    QDateTime billTime;
    double fund2 = 0; // 元
};

// The demonstration agency as written: houses and clients in code order.
struct TDemoAgencyRecords {
    QList<TDemoHouse> houses;
    QList<TDemoClient> clients;
};
