#include "DemoDatabase.h"

#include "app/Error.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include "records/DeliveredDatabase.h"

#include <QDateTime>
#include <QDir>

#include <cstdio>

namespace {

struct TSampleHouse {
    const char* code;
    const char* district;
    const char* place;
    const char* houseName;
    int room, hall, bath;
    double area;
    int floor, floorCount;
    const char* dealType;
    double fund;
    const char* state;
    const char* broker;
};

const TSampleHouse kHouses[] = {
    {"F0001", "东区", "人民路", "阳光花园", 3, 2, 1, 118.5, 6, 18, "出售", 96.0, "正常", "张伟"},
    {"F0002", "西区", "建设路", "翠湖苑", 2, 1, 1, 86.2, 3, 7, "出售", 62.5, "正常", "李娜"},
    {"F0003", "南区", "解放大道", "金色家园", 4, 2, 2, 152.0, 12, 26, "出售", 168.0, "已售",
     "王强"},
    {"F0004", "北区", "中山路", "锦绣江南", 1, 1, 1, 48.7, 15, 30, "出租", 0, "正常", "张伟"},
    {"F0005", "东区", "文化路", "书香门第", 3, 1, 1, 102.3, 2, 6, "出售", 78.0, "正常", "刘洋"},
    {"F0006", "高新区", "科技大道", "创业公寓", 2, 2, 1, 92.8, 9, 24, "租售", 70.5, "预定", "李娜"},
    {"F0007", "西区", "和平街", "和平小区", 2, 1, 1, 68.0, 4, 6, "出售", 45.0, "正常", "王强"},
    {"F0008", "南区", "滨江路", "江景豪庭", 5, 3, 3, 236.4, 20, 32, "出售", 380.0, "正常", "刘洋"},
    {"F0009", "北区", "长青路", "长青苑", 3, 2, 2, 126.9, 7, 11, "出售", 108.0, "暂缓", "张伟"},
    {"F0010", "东区", "迎宾路", "迎宾花园", 2, 2, 1, 89.5, 5, 18, "出租", 0, "正常", "李娜"},
};

struct TSampleClient {
    const char* code;
    const char* linkman;
    const char* sex;
    const char* tel;
    const char* dealType;
    int room1, room2;
    double area1, area2, fund1, fund2;
    const char* district;
    const char* state;
    const char* broker;
};

const TSampleClient kClients[] = {
    {"K0001", "陈先生", "男", "13800010001", "求购", 2, 3, 80, 120, 600000, 900000, "东区", "正常",
     "张伟"},
    {"K0002", "赵女士", "女", "13900020002", "求租", 1, 2, 40, 70, 1500, 2500, "北区", "正常",
     "李娜"},
    {"K0003", "孙先生", "男", "13700030003", "求购", 3, 4, 110, 160, 1000000, 1800000, "南区",
     "正常", "王强"},
    {"K0004", "周女士", "女", "13600040004", "求购", 2, 2, 70, 90, 400000, 600000, "西区", "已成交",
     "刘洋"},
    {"K0005", "吴先生", "男", "13500050005", "求租", 2, 3, 60, 100, 2000, 3500, "高新区", "正常",
     "李娜"},
    {"K0006", "郑女士", "女", "13400060006", "求购", 4, 5, 150, 250, 2000000, 4000000, "南区",
     "正常", "刘洋"},
    {"K0007", "王先生", "男", "13300070007", "求购", 1, 2, 45, 75, 300000, 500000, "东区", "暂缓",
     "张伟"},
};

QString Text(const char* s) {
    return QString::fromUtf8(s);
}

} // namespace

TDemoDatabase::TDemoDatabase() {
    const QString file = QDir(m_dir.path()).filePath(QStringLiteral("screens.db"));
    TDatabase& db = DbConnection();
    db.SetCreateMissingFile(true);
    m_ok = db.Connect(QStringLiteral("Provider=SQLite;Data Source=%1").arg(file));
    db.SetCreateMissingFile(false);
    if (!m_ok)
        return;
    try {
        TDeliveredDatabase::InstallAll(db);
        AddSampleRows();
    } catch (const EOrbelError& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.Message()));
        m_ok = false;
    }
}

TDemoDatabase::~TDemoDatabase() {
    DbConnection().Close();
}

// Until the delivered database brings its own demonstration agency, a few
// houses and clients so that the lists have something to show.
void TDemoDatabase::AddSampleRows() {
    TRecordSet& scratch = ScratchSet();
    scratch.Open(QStringLiteral("select count(*) from house"));
    const bool hasHouses = scratch.DataSet()->Field(0)->AsInteger() > 0;
    scratch.Open(QStringLiteral("select count(*) from client"));
    const bool hasClients = scratch.DataSet()->Field(0)->AsInteger() > 0;
    scratch.Close();
    TDatabase& db = DbConnection();
    TTransaction transaction(db);
    const QDateTime day(QDate(2026, 11, 2), QTime(9, 30));
    int id = 0;
    for (const TSampleHouse& h : kHouses) {
        if (hasHouses)
            break;
        ++id;
        db.Execute(
            QStringLiteral(
                "insert into house (Id, IsRecycle, Code, District, Place, HouseName, Room, Hall, "
                "Bath, BuildArea, Floor, FloorCount, DealType, Fund, Price, State, Broker, "
                "Billman, BillTime) values (:Id, 0, :Code, :District, :Place, :HouseName, :Room, "
                ":Hall, :Bath, :BuildArea, :Floor, :FloorCount, :DealType, :Fund, :Price, :State, "
                ":Broker, :Billman, :BillTime)"),
            {Param(QStringLiteral("Id"), id), Param(QStringLiteral("Code"), Text(h.code)),
             Param(QStringLiteral("District"), Text(h.district)),
             Param(QStringLiteral("Place"), Text(h.place)),
             Param(QStringLiteral("HouseName"), Text(h.houseName)),
             Param(QStringLiteral("Room"), h.room), Param(QStringLiteral("Hall"), h.hall),
             Param(QStringLiteral("Bath"), h.bath), Param(QStringLiteral("BuildArea"), h.area),
             Param(QStringLiteral("Floor"), h.floor),
             Param(QStringLiteral("FloorCount"), h.floorCount),
             Param(QStringLiteral("DealType"), Text(h.dealType)),
             Param(QStringLiteral("Fund"), h.fund),
             Param(QStringLiteral("Price"), h.fund > 0 ? qRound(h.fund * 10000 / h.area) : 0),
             Param(QStringLiteral("State"), Text(h.state)),
             Param(QStringLiteral("Broker"), Text(h.broker)),
             Param(QStringLiteral("Billman"), Text(h.broker)),
             Param(QStringLiteral("BillTime"), day.addDays(-3 * id))});
    }
    id = 0;
    for (const TSampleClient& c : kClients) {
        if (hasClients)
            break;
        ++id;
        db.Execute(
            QStringLiteral(
                "insert into client (Id, IsRecycle, Code, Linkman, Sex, LinkTel, DealType, Room1, "
                "Room2, Area1, Area2, Fund1, Fund2, District, State, Broker, Billman, BillTime) "
                "values (:Id, 0, :Code, :Linkman, :Sex, :LinkTel, :DealType, :Room1, :Room2, "
                ":Area1, :Area2, :Fund1, :Fund2, :District, :State, :Broker, :Billman, :BillTime)"),
            {Param(QStringLiteral("Id"), id), Param(QStringLiteral("Code"), Text(c.code)),
             Param(QStringLiteral("Linkman"), Text(c.linkman)),
             Param(QStringLiteral("Sex"), Text(c.sex)),
             Param(QStringLiteral("LinkTel"), Text(c.tel)),
             Param(QStringLiteral("DealType"), Text(c.dealType)),
             Param(QStringLiteral("Room1"), c.room1), Param(QStringLiteral("Room2"), c.room2),
             Param(QStringLiteral("Area1"), c.area1), Param(QStringLiteral("Area2"), c.area2),
             Param(QStringLiteral("Fund1"), c.fund1), Param(QStringLiteral("Fund2"), c.fund2),
             Param(QStringLiteral("District"), Text(c.district)),
             Param(QStringLiteral("State"), Text(c.state)),
             Param(QStringLiteral("Broker"), Text(c.broker)),
             Param(QStringLiteral("Billman"), Text(c.broker)),
             Param(QStringLiteral("BillTime"), day.addDays(-2 * id))});
    }
    transaction.Commit();
}
