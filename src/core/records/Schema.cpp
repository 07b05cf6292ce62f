#include "records/Schema.h"

#include "data/Database.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {

// Column types: i integer, f float, b boolean (stored as 0/1), d date-time,
// tN text of N characters, t text without a stated length, m long text, x blob.
// A leading '*' marks the row identity (unique), '+' an identity the database
// fills, '@' the entry time filled by a column default.
struct TTable {
    const char* name;
    const char* columns;
};

const TTable kTables[] = {
    {"house",
     "*Id:i IsRecycle:b Code:t20 District:t30 Place:t30 Address:t50 HouseName:t30 Seat:t20 "
     "Floor:i FloorB:i FloorCount:i DoorNo:t30 HouseType:t20 Purpose:t20 Direction:t20 "
     "Decoration:t20 BuildYear:i BuildMonth:i Keys:t10 RightProp:t20 PropNo:t20 Burgage:t20 "
     "CanSettle:t4 ShareArea:i Note:t250 Room:i Hall:i Bath:i Balcony:i Stairs:t10 Door:t10 "
     "BuildArea:f AreaNote:t30 OtherArea:t30 MgrFund:f MgrFundUnit:t20 DealType:t10 Fund:f "
     "Price:f BasePrice:t20 RentFund:f RentFundUnit:t30 RentBasePrice:t20 DealNote:t250 "
     "Linkman:t20 LinkTel:t100 LinkNote:m Decorations:t150 DecorateYear:i DecorateMonth:i "
     "OutWall:t30 InnerWall:t30 FloorBoard:t30 WinDoor:t30 Utilities:t50 HomeWirings:t50 "
     "Furnitures:t50 CanSchool:t30 Hospitals:t30 Markets:t30 Traffics:t30 Billman:t20 "
     "BillTime:d State:t20 Broker:t20 Addor:t20 @AddTime:d ComeFrom:t20 Imagex:x"},
    {"client",
     "*Id:i IsRecycle:b Code:t20 Linkman:t20 LinkTel:t100 Sex:t10 IdCode:t20 LinkNote:m "
     "Address:t50 Industry:t20 DealType:t20 Room1:i Room2:i Area1:f Area2:f Fund1:f Fund2:f "
     "HouseName:t50 Place:t50 District:t20 HouseType:t20 Purpose:t20 Direction:t20 "
     "Decoration:t20 RoomCircum:t100 LiveCircum:t100 Note:m Addor:t20 @AddTime:d State:t20 "
     "ComeFrom:t20 Billman:t20 BillTime:d Broker:t20"},
    {"housevisits",
     "*Id:i HouseId:i VizDate:d VizType:t10 Handman:t20 Details:m HintDate:d HintDays:i "
     "Billman:t20"},
    {"clientvisits",
     "*Id:i ClientId:i VizDate:d VizType:t10 Handman:t20 Details:m HintDate:d HintDays:i "
     "Billman:t20"},
    {"deals",
     "*Id:i HouseId:i DealType:t10 SignDate:d ClientName:t50 ClientTel:t50 ClientNote:t250 "
     "Content:m HintDate:d HintDays:i Handman:t20 Billman:t20"},
    {"housechanges", "*Id:i HouseId:i Changer:t30 ChangeTime:d ChangeDetails:m Notes:m"},
    {"clientchanges", "*Id:i ClientId:i Changer:t30 ChangeTime:d ChangeDetails:m Notes:m"},
    {"houseimages", "*Id:i HouseId:i TypeId:i Ext:t20 Subject:t30 Photo:x"},
    {"houseattention", "LoginId:t20 HouseId:i"},
    {"clientattention", "LoginId:t20 ClientId:i"},
    {"tax", "*Id:i TaxName:t50 LiveRate:f LiveUnitId:i UnLiveRate:f UnLiveUnitId:i LiveTaxFund:f "
            "UnLiveTaxFund:f"},
    {"report", "*Id:i GrpId:i Title:t100 Fr3File:x"},
    {"link", "+Id:i GroupId:i Title:t100 lpFile:t255 lpParameters:t255 Note:t255"},
    {"doc", "+Id:i Title:t100 Source:t255 DocData:x Note:t255"},
    {"Company", "*Id:i CompanyName:t100 Manager:t50 Tel:t50 Fax:t50 Address:t100 Zip:t20 Profile:m "
                "UseCount:i Updated:b"},
    {"options", "*Key:i Label:t100 List:m"},
    {"keyvalue", "*KeyId:i Value:t255 Vstr:m Vint:i Vfloat:f Vbool:b"},
    {"operator", "*LoginId:t20 Password:t255 Name:t50 Contact:t100 Note:t250 Rights:m"},
    {"rates", "*TypId:i Rates:m Years:m Months:m Returns:m"},
    {"syscols", "*F02:i F06:m"},
    {"backup", "TypeId:i BackDir:t255"},
};

QString ColumnType(const QString& code, bool server) {
    const QChar kind = code[0];
    if (kind == u'i' || kind == u'b')
        return QStringLiteral("integer");
    if (kind == u'f')
        return server ? QStringLiteral("double precision") : QStringLiteral("real");
    if (kind == u'd')
        return server ? QStringLiteral("timestamp(0)") : QStringLiteral("text");
    if (kind == u'x')
        return server ? QStringLiteral("bytea") : QStringLiteral("blob");
    if (kind == u'm' || code == QLatin1String("t"))
        return QStringLiteral("text");
    return server ? QStringLiteral("varchar(%1)").arg(code.mid(1)) : QStringLiteral("text");
}

} // namespace

QStringList TSchema::TableNames() {
    QStringList names;
    for (const TTable& t : kTables)
        names << QLatin1String(t.name);
    return names;
}

QStringList TSchema::CreateStatements(bool server) {
    QStringList statements;
    for (const TTable& t : kTables) {
        QStringList defs;
        for (const QString& column :
             QString::fromLatin1(t.columns).split(u' ', Qt::SkipEmptyParts)) {
            QString name = column.section(u':', 0, 0);
            const QString code = column.section(u':', 1);
            const QChar mark = name[0];
            if (mark == u'*' || mark == u'+' || mark == u'@')
                name = name.mid(1);
            // Names are created unquoted (PostgreSQL folds them to lower case);
            // the reserved words among them need quotes on both engines.
            static const QStringList reserved = {QStringLiteral("Key"), QStringLiteral("Value"),
                                                 QStringLiteral("Note"), QStringLiteral("Password"),
                                                 QStringLiteral("Keys")};
            const QString quoted =
                reserved.contains(name)
                    ? QLatin1Char('"') + (server ? name.toLower() : name) + QLatin1Char('"')
                    : name;
            QString def;
            if (mark == u'+')
                def = quoted + (server ? QStringLiteral(" serial primary key")
                                       : QStringLiteral(" integer primary key autoincrement"));
            else
                def = quoted + u' ' + ColumnType(code, server);
            if (mark == u'*')
                def += QStringLiteral(" not null primary key");
            if (code == QLatin1String("b"))
                def += QStringLiteral(" default 0");
            if (mark == u'@')
                def += server ? QStringLiteral(" default LOCALTIMESTAMP(0)")
                              : QStringLiteral(" default (datetime('now','localtime'))");
            defs << def;
        }
        statements << QStringLiteral("create table %1 (%2)")
                          .arg(QLatin1String(t.name), defs.join(QStringLiteral(", ")));
    }
    statements << QStringLiteral("create index ix_housevisits_house on housevisits(HouseId)")
               << QStringLiteral("create index ix_clientvisits_client on clientvisits(ClientId)")
               << QStringLiteral("create index ix_deals_house on deals(HouseId)")
               << QStringLiteral("create index ix_housechanges_house on housechanges(HouseId)")
               << QStringLiteral("create index ix_clientchanges_client on clientchanges(ClientId)")
               << QStringLiteral("create index ix_houseimages_house on houseimages(HouseId)")
               << QStringLiteral("create index ix_house_code on house(Code)")
               << QStringLiteral("create index ix_client_code on client(Code)");
    return statements;
}

void TSchema::Create(TDatabase& db) {
    TTransaction transaction(db);
    for (const QString& sql : CreateStatements(db.IsSqlServer()))
        db.Execute(sql);
    transaction.Commit();
}

bool TSchema::Exists(TDatabase& db) {
    const QStringList tables = db.EnsureOpen().tables();
    for (const QString& t : tables) {
        if (t.compare(QLatin1String("house"), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}
