#include "BenchData.h"

#include <QByteArray>
#include <QtGlobal>

#include <sqlite3.h>

namespace {

void Check(int rc, sqlite3* db, const char* what) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        qFatal("%s: %s", what, sqlite3_errmsg(db));
}

} // namespace

// Fills the client table with a fixed, generated set of rows.
void FillClients(const QString& file, int count) {
    sqlite3* db = nullptr;
    Check(sqlite3_open(file.toUtf8().constData(), &db), db, "open");
    Check(sqlite3_exec(db, "begin", nullptr, nullptr, nullptr), db, "begin");
    sqlite3_stmt* st = nullptr;
    const char* sql =
        "insert into client(Id, IsRecycle, Code, Linkman, LinkTel, Sex, IdCode, LinkNote, Address, "
        "Industry, DealType, Room1, Room2, Area1, Area2, Fund1, Fund2, HouseName, Place, District, "
        "HouseType, Purpose, Direction, Decoration, RoomCircum, LiveCircum, Note, Addor, AddTime, "
        "State, ComeFrom, Billman, BillTime, Broker) values (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, "
        "?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, ?21, ?22, ?23, ?24, ?25, ?26, ?27, "
        "?28, ?29, ?30, ?31, ?32, ?33, ?34)";
    Check(sqlite3_prepare_v2(db, sql, -1, &st, nullptr), db, "prepare");
    const char* districts[] = {"东区", "西区", "南区", "北区", "高新区"};
    const char* names[] = {"王先生", "李女士", "张先生", "刘女士", "陈先生", "杨女士"};
    auto text = [&](int col, const QString& s) {
        const QByteArray b = s.toUtf8();
        sqlite3_bind_text(st, col, b.constData(), int(b.size()), SQLITE_TRANSIENT);
    };
    for (int i = 1; i <= count; ++i) {
        const int r = (i * 7919) % 1000;
        sqlite3_bind_int(st, 1, i);
        sqlite3_bind_int(st, 2, i % 50 == 0 ? 1 : 0);
        text(3, QStringLiteral("K%1").arg(i, 6, 10, QLatin1Char('0')));
        text(4, QString::fromUtf8(names[i % 6]) + QString::number(r));
        text(5, QStringLiteral("1380000%1").arg(i % 10000, 4, 10, QLatin1Char('0')));
        text(6, i % 2 ? QStringLiteral("男") : QStringLiteral("女"));
        text(7, QStringLiteral("3301%1").arg(i, 14, 10, QLatin1Char('0')));
        text(8, QStringLiteral("下午方便联系,周末看房 %1").arg(r));
        text(9, QStringLiteral("人民路%1号").arg(r));
        text(10, QStringLiteral("教育"));
        text(11, i % 3 ? QStringLiteral("求购") : QStringLiteral("求租"));
        sqlite3_bind_int(st, 12, 1 + r % 3);
        sqlite3_bind_int(st, 13, 2 + r % 4);
        sqlite3_bind_double(st, 14, 50 + r % 60);
        sqlite3_bind_double(st, 15, 90 + r % 80 + 0.5);
        sqlite3_bind_double(st, 16, 100000.0 * (1 + r % 20));
        sqlite3_bind_double(st, 17, 100000.0 * (21 + r % 20));
        text(18, QStringLiteral("阳光花园%1期").arg(r % 9));
        text(19, QStringLiteral("甲地块"));
        text(20, QString::fromUtf8(districts[i % 5]));
        text(21, QStringLiteral("住宅"));
        text(22, QStringLiteral("自住"));
        text(23, QStringLiteral("南北"));
        text(24, QStringLiteral("精装"));
        text(25, QStringLiteral("空调,热水器,宽带"));
        text(26, QStringLiteral("学校,医院,超市"));
        if (i % 4 == 0)
            sqlite3_bind_null(st, 27);
        else
            text(27, QStringLiteral("客户要求交通方便,预算可以商量,第%1次来访").arg(r % 7));
        text(28, QStringLiteral("sa"));
        text(29, QStringLiteral("2012-07-%1 10:%2:00")
                     .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                     .arg(i % 60, 2, 10, QLatin1Char('0')));
        text(30, QStringLiteral("正常"));
        text(31, QStringLiteral("上门"));
        text(32, QStringLiteral("张三"));
        text(33, QStringLiteral("2012-06-%1 00:00:00").arg(1 + i % 28, 2, 10, QLatin1Char('0')));
        text(34, QStringLiteral("李四"));
        Check(sqlite3_step(st), db, "insert");
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    Check(sqlite3_exec(db, "commit", nullptr, nullptr, nullptr), db, "commit");
    sqlite3_close(db);
}

// Houses of every deal type over five districts, with the columns the house
// list shows filled.
void FillHouses(const QString& file, int count) {
    sqlite3* db = nullptr;
    Check(sqlite3_open(file.toUtf8().constData(), &db), db, "open");
    Check(sqlite3_exec(db, "begin", nullptr, nullptr, nullptr), db, "begin");
    sqlite3_stmt* st = nullptr;
    const char* sql =
        "insert into house(Id, IsRecycle, Code, District, Place, Address, HouseName, Seat, Floor, "
        "FloorCount, DoorNo, HouseType, Purpose, Room, Hall, Bath, Balcony, BuildArea, DealType, "
        "Fund, Price, RentFund, RentFundUnit, Linkman, LinkTel, Billman, BillTime, State, Broker, "
        "Addor, AddTime, ComeFrom, BuildYear, Note) values (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, "
        "?10, ?11, ?12, ?13, ?14, ?15, ?16, ?17, ?18, ?19, ?20, ?21, ?22, ?23, ?24, ?25, ?26, ?27, "
        "?28, ?29, ?30, ?31, ?32, ?33, ?34)";
    Check(sqlite3_prepare_v2(db, sql, -1, &st, nullptr), db, "prepare");
    const char* districts[] = {"东区", "西区", "南区", "北区", "高新区"};
    const char* dealTypes[] = {"出售", "出租", "租售"};
    auto text = [&](int col, const QString& s) {
        const QByteArray b = s.toUtf8();
        sqlite3_bind_text(st, col, b.constData(), int(b.size()), SQLITE_TRANSIENT);
    };
    for (int i = 1; i <= count; ++i) {
        const int r = (i * 7919) % 1000;
        sqlite3_bind_int(st, 1, i);
        sqlite3_bind_int(st, 2, i % 50 == 0 ? 1 : 0);
        text(3, QStringLiteral("FY%1").arg(i, 6, 10, QLatin1Char('0')));
        text(4, QString::fromUtf8(districts[i % 5]));
        text(5, QStringLiteral("甲地块"));
        text(6, QStringLiteral("人民路%1号").arg(r));
        text(7, QStringLiteral("阳光花园%1期").arg(r % 9));
        text(8, QStringLiteral("%1栋").arg(1 + r % 30));
        sqlite3_bind_int(st, 9, 1 + r % 18);
        sqlite3_bind_int(st, 10, 18);
        text(11, QStringLiteral("%1室").arg(100 + r));
        text(12, QStringLiteral("住宅"));
        text(13, QStringLiteral("自住"));
        sqlite3_bind_int(st, 14, 1 + r % 5);
        sqlite3_bind_int(st, 15, r % 3);
        sqlite3_bind_int(st, 16, 1 + r % 2);
        sqlite3_bind_int(st, 17, 1 + r % 2);
        sqlite3_bind_double(st, 18, 40 + r % 120 + 0.5);
        text(19, QString::fromUtf8(dealTypes[i % 3]));
        sqlite3_bind_double(st, 20, 30 + r % 200);
        sqlite3_bind_double(st, 21, 5000 + r * 10);
        sqlite3_bind_double(st, 22, 800 + r * 3);
        text(23, QStringLiteral("元/月"));
        text(24, QStringLiteral("王先生"));
        text(25, QStringLiteral("1390000%1").arg(i % 10000, 4, 10, QLatin1Char('0')));
        text(26, QStringLiteral("sa"));
        text(27, QStringLiteral("2012-06-%1 00:00:00").arg(1 + i % 28, 2, 10, QLatin1Char('0')));
        text(28, QStringLiteral("正常"));
        text(29, QStringLiteral("sa"));
        text(30, QStringLiteral("sa"));
        text(31, QStringLiteral("2012-07-%1 10:%2:00")
                     .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                     .arg(i % 60, 2, 10, QLatin1Char('0')));
        text(32, QStringLiteral("上门"));
        sqlite3_bind_int(st, 33, 1985 + r % 26);
        text(34, QStringLiteral("南北通透,交通方便,第%1号").arg(r));
        Check(sqlite3_step(st), db, "insert");
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    Check(sqlite3_exec(db, "commit", nullptr, nullptr, nullptr), db, "commit");
    sqlite3_close(db);
}
