#include "records/ClientSet.h"

#include "records/HouseSet.h"
#include "records/SearchBuilder.h"

#include <cmath>

namespace {

const TBizSet::TFieldDef kClientFields[] = {
    ORBEL_CLIENT_FIELDS(ORBEL_DATA_DEF, ORBEL_CALC_DEF, ORBEL_HIDDEN_CALC_DEF)};

TBizSet::TStatements ClientStatements() {
    TBizSet::TStatements s;
    s.table = QStringLiteral("client");
    s.attentionKey = QStringLiteral("ClientId");
    s.byId = QStringLiteral("select * from client where Id=:Id");
    s.recycled = QStringLiteral("select * from client where abs(IsRecycle)=1");
    s.byAttention = QStringLiteral("select * from client where Id in (select ClientId from "
                                   "clientattention where LoginId=:LoginId)");
    s.isAttention = QStringLiteral(
        "select * from clientattention where ClientId=:ClientId and LoginId=:LoginId");
    s.attentionOn =
        QStringLiteral("insert into clientattention(LoginId, ClientId)values(:LoginId, :ClientId)");
    s.attentionOff =
        QStringLiteral("delete from clientattention where LoginId=:LoginId and ClientId=:ClientId");
    s.setRecycle = QStringLiteral("update client set IsRecycle=:IsRecycle where Id=:Id");
    s.setBroker = QStringLiteral("update client set Broker=:NewBroker where Id=:Id");
    s.insert = QStringLiteral(
        "insert into client(Id, IsRecycle, Code, State, ComeFrom, Billman, BillTime, Broker, "
        "Linkman, LinkTel, Sex, IdCode, LinkNote, Address, Industry, DealType, Room1, Room2, "
        "Area1, Area2, Fund1, Fund2, HouseName, Place, District, HouseType, Purpose, Direction, "
        "Decoration, RoomCircum, LiveCircum, [Note], Addor )values(:Id, :IsRecycle, :Code, "
        ":State, :ComeFrom, :Billman, :BillTime, :Broker, :Linkman, :LinkTel, :Sex, :IdCode, "
        ":LinkNote, :Address, :Industry, :DealType, :Room1, :Room2, :Area1, :Area2, :Fund1, "
        ":Fund2, :HouseName, :Place, :District, :HouseType, :Purpose, :Direction, :Decoration, "
        ":RoomCircum, :LiveCircum, :Note, :Addor )");
    s.update = QStringLiteral(
        "update client set IsRecycle=:IsRecycle, Code=:Code, State=:State, ComeFrom=:ComeFrom, "
        "Billman=:Billman, BillTime=:BillTime, Broker=:Broker, Linkman=:Linkman, "
        "LinkTel=:LinkTel, Sex=:Sex, IdCode=:IdCode, LinkNote=:LinkNote, Address=:Address, "
        "Industry=:Industry, DealType=:DealType, Room1=:Room1, Room2=:Room2, Area1=:Area1, "
        "Area2=:Area2, Fund1=:Fund1, Fund2=:Fund2, HouseName=:HouseName, Place=:Place, "
        "District=:District, HouseType=:HouseType, Purpose=:Purpose, Direction=:Direction, "
        "Decoration=:Decoration, RoomCircum=:RoomCircum, LiveCircum=:LiveCircum, [Note]=:Note, "
        "Addor=:Addor where Id=:Id");
    s.deletes = QStringList{QStringLiteral("delete from clientattention where ClientId=:Id"),
                            QStringLiteral("delete from clientchanges where ClientId=:Id"),
                            QStringLiteral("delete from clientvisits where ClientId=:Id"),
                            QStringLiteral("delete from client where Id=:Id")};
    return s;
}

// The shortest general notation of a number: 80, 85.5.
QString General(TField* f) {
    return QString::number(f->AsFloat(), 'g', 15);
}

// A number with the two decimals the search compares with.
double TwoDecimals(double v) {
    return std::round(v * 100.0) / 100.0;
}

} // namespace

TClientSet::TClientSet(TDatabase* db) : TBizSet(ClientStatements(), db) {
    DefineFields(kClientFields, FieldCount);
}

void TClientSet::CalcFields() {
    RoomCalcFld()->SetValue(
        QStringLiteral("%1 - %2室").arg(Room1Fld()->AsInteger()).arg(Room2Fld()->AsInteger()));
    AreaCalcFld()->SetValue(
        QStringLiteral("%1 - %2平方").arg(General(Area1Fld()), General(Area2Fld())));
    PriceCalcFld()->SetValue(
        QStringLiteral("%1 - %2元").arg(General(Fund1Fld()), General(Fund2Fld())));
}

QVariant TClientSet::SaveValue(TField* field) const {
    if (field->Kind() == TFieldKind::Memo) {
        const QString text = field->AsString();
        return text.isNull() ? QStringLiteral("") : text;
    }
    return TBizSet::SaveValue(field);
}

void TClientSet::OpenEmpty() {
    Open(QStringLiteral("select * from client where 1=2"));
}

bool TClientSet::DeleteClient() {
    return DeleteWithDependants();
}

void TClientSet::FindClients(const TClientCriteria& c) {
    TSearchBuilder b(QStringLiteral(" where abs(IsRecycle)=0 "));
    if (c.DealType == QStringLiteral("求购") || c.DealType == QStringLiteral("求租"))
        b.Add(QStringLiteral(" and DealType=:DealType"), QVariant(c.DealType));
    if (c.Rooms > -1)
        b.Add(QStringLiteral(" and Room1<=:Rooms and Room2>=:Rooms"), QVariant(c.Rooms));
    if (c.Area > -1)
        b.Add(QStringLiteral(" and Area1<=:Area and Area2>=:Area"), QVariant(TwoDecimals(c.Area)));
    if (c.Price > -1)
        b.Add(QStringLiteral(" and Fund1<=:Price and Fund2>=:Price"),
              QVariant(TwoDecimals(c.Price)));
    if (c.BillFrom.isValid())
        b.Add(QStringLiteral(" and BillTime>=:BillFrom"), QVariant(c.BillFrom));
    if (c.BillTo.isValid())
        b.Add(QStringLiteral(" and BillTime<=:BillTo"), QVariant(c.BillTo));
    b.AddContains(c.Linkman, QStringLiteral(" and Linkman like :Linkman escape '\\'"));
    b.AddContains(c.LinkTel, QStringLiteral(" and LinkTel like :LinkTel escape '\\'"));
    b.AddContains(c.HouseName, QStringLiteral(" and HouseName like :HouseName escape '\\'"));
    b.AddContains(c.Purpose, QStringLiteral(" and Purpose like :Purpose escape '\\'"));
    b.AddContains(c.Address, QStringLiteral(" and Address like :Address escape '\\'"));
    b.AddContains(c.State, QStringLiteral(" and State like :State escape '\\'"));
    b.AddContains(c.Code, QStringLiteral(" and Code like :Code escape '\\'"));
    b.AddText(c.ComeFrom, QStringLiteral(" and ComeFrom=:ComeFrom"));
    b.AddText(c.Billman, QStringLiteral(" and Billman=:Billman"));
    b.AddText(c.Broker, QStringLiteral(" and Broker=:Broker"));
    b.AddContains(c.Keyword, QStringLiteral(" and ([Note] like :Keyword escape '\\')"));
    b.AddContains(c.District, QStringLiteral(" and District like :District escape '\\'"));
    Open(QStringLiteral("select * from client") + b.Condition() +
             QStringLiteral(" order by Id desc"),
         b.Params());
}

int TClientSet::MatchClients(int rooms, double area, double price, double rent) {
    return Open(
        QStringLiteral("select * from client where abs(IsRecycle)=0 and Room1<=:Room1 and "
                       "Room2>=:Room2 and Area1<=:Area1 and Area2>=:Area2 and ((Fund1<=:Fund1 and "
                       "Fund2>=:Fund2) or (Fund1<=:RentFund1 and Fund2>=:RentFund2))"),
        {Param(QStringLiteral("Room1"), rooms), Param(QStringLiteral("Room2"), rooms),
         Param(QStringLiteral("Area1"), area), Param(QStringLiteral("Area2"), area),
         Param(QStringLiteral("Fund1"), Money(price)), Param(QStringLiteral("Fund2"), Money(price)),
         Param(QStringLiteral("RentFund1"), Money(rent)),
         Param(QStringLiteral("RentFund2"), Money(rent))});
}

int TClientSet::MatchClientsFor(const THouseSet& house) {
    return MatchClients(house.RoomFld()->AsInteger(), house.BuildAreaFld()->AsFloat(),
                        house.FundFld()->AsFloat() * 10000, house.RentFundFld()->AsFloat());
}
