#include "records/HouseSet.h"

#include "app/Messenger.h"
#include "records/ClientSet.h"
#include "records/SearchBuilder.h"

#include <cmath>

namespace {

const TBizSet::TFieldDef kHouseFields[] = {
    ORBEL_HOUSE_FIELDS(ORBEL_DATA_DEF, ORBEL_CALC_DEF, ORBEL_HIDDEN_CALC_DEF)};

TBizSet::TStatements HouseStatements() {
    TBizSet::TStatements s;
    s.table = QStringLiteral("house");
    s.attentionKey = QStringLiteral("HouseId");
    s.byId = QStringLiteral("select * from house where Id=:Id");
    s.recycled = QStringLiteral("select * from house where abs(IsRecycle)=1");
    s.byAttention = QStringLiteral("select * from house where Id in (select HouseId from "
                                   "houseattention where LoginId=:LoginId)");
    s.isAttention =
        QStringLiteral("select * from houseattention where HouseId=:HouseId and LoginId=:LoginId");
    s.attentionOn =
        QStringLiteral("insert into houseattention(LoginId, HouseId)values(:LoginId, :HouseId)");
    s.attentionOff =
        QStringLiteral("delete from houseattention where LoginId=:LoginId and HouseId=:HouseId");
    s.setRecycle = QStringLiteral("update house set IsRecycle=:IsRecycle where Id=:Id");
    s.setBroker = QStringLiteral("update house set Broker=:NewBroker where Id=:Id");
    s.insert = QStringLiteral(
        "insert into house(Id, IsRecycle, Code, District, Place, HouseName, HouseType, Address, "
        "DoorNo,Decoration, Decorations, DecorateYear, DecorateMonth, OutWall, InnerWall, "
        "FloorBoard, WinDoor,Stairs, Door, OtherArea, CanSettle,Seat, Floor, FloorB, "
        "FloorCount,Room, Hall, Bath, Balcony,ComeFrom,BuildYear, BuildMonth,BuildArea, AreaNote, "
        "Purpose, Burgage, Direction,Fund, Price, BasePrice, RentFund, RentFundUnit, "
        "RentBasePrice, DealType, DealNote, MgrFund, MgrFundUnit,RightProp, Keys, CanSchool, "
        "Hospitals, Markets, Traffics,Utilities, HomeWirings, Furnitures,Linkman, LinkTel, "
        "LinkNote, PropNo, [Note], Billman, BillTime, ShareArea, Addor, State, "
        "Broker)values(:Id, "
        ":IsRecycle,:Code,:District,:Place,:HouseName,:HouseType,:Address,:DoorNo,:Decoration, "
        ":Decorations, :DecorateYear, :DecorateMonth, :OutWall, :InnerWall, :FloorBoard, "
        ":WinDoor,:Stairs,:Door,:OtherArea,:CanSettle,:Seat,:Floor,:FloorB,:FloorCount,:Room,:"
        "Hall,:Bath,:Balcony,:ComeFrom,:BuildYear,:BuildMonth,:BuildArea,:AreaNote,:Purpose, "
        ":Burgage, :Direction,:Fund, :Price, :BasePrice, :RentFund, :RentFundUnit, "
        ":RentBasePrice, :DealType, :DealNote, :MgrFund,:MgrFundUnit,:RightProp, :Keys, "
        ":CanSchool, :Hospitals, :Markets, :Traffics,:Utilities, :HomeWirings, "
        ":Furnitures,:Linkman,:LinkTel,:LinkNote,:PropNo,:Note,:Billman,:BillTime,:ShareArea,:"
        "Addor,:State,:Broker)");
    s.update = QStringLiteral(
        "update house set IsRecycle=:IsRecycle, Code=:Code, "
        "District=:District,Place=:Place,HouseName=:HouseName,Address=:Address,DoorNo=:DoorNo,"
        "BuildArea=:BuildArea,ShareArea=:ShareArea,HouseType=:HouseType,Decoration=:Decoration, "
        "Decorations=:Decorations, DecorateYear=:DecorateYear,DecorateMonth=:DecorateMonth, "
        "OutWall=:OutWall, InnerWall=:InnerWall, FloorBoard=:FloorBoard, "
        "WinDoor=:WinDoor,Stairs=:Stairs,Door=:Door,OtherArea=:OtherArea,CanSettle=:CanSettle, "
        "Keys=:Keys, Room=:Room,Hall=:Hall,Bath=:Bath,Balcony=:Balcony,ComeFrom=:ComeFrom,"
        "BuildMonth=:BuildMonth,AreaNote=:AreaNote,Purpose=:Purpose,Burgage=:Burgage,Seat=:Seat,"
        "Floor=:Floor,FloorB=:FloorB,FloorCount=:FloorCount,Direction=:Direction,Fund=:Fund, "
        "Price=:Price, BasePrice=:BasePrice,RentFund=:RentFund, RentFundUnit=:RentFundUnit, "
        "RentBasePrice=:RentBasePrice, DealType=:DealType, DealNote=:DealNote, "
        "MgrFund=:MgrFund,MgrFundUnit=:MgrFundUnit,BuildYear=:BuildYear,RightProp=:RightProp,"
        "Addor=:Addor,CanSchool=:CanSchool, Hospitals=:Hospitals, Markets=:Markets, "
        "Traffics=:Traffics,Utilities=:Utilities, HomeWirings=:HomeWirings, "
        "Furnitures=:Furnitures,Linkman=:Linkman,LinkTel=:LinkTel,LinkNote=:LinkNote,Broker=:"
        "Broker,PropNo=:PropNo,[Note]=:Note,Billman=:Billman,BillTime=:BillTime, State=:State "
        "where Id=:Id");
    s.deletes = QStringList{QStringLiteral("delete from houseattention where HouseId=:Id"),
                            QStringLiteral("delete from deals where HouseId=:Id"),
                            QStringLiteral("delete from housechanges where HouseId=:Id"),
                            QStringLiteral("delete from housevisits where HouseId=:Id"),
                            QStringLiteral("delete from houseimages where HouseId=:Id"),
                            QStringLiteral("delete from house where Id=:Id")};
    return s;
}

// "2012年5月": the year when above 0, then the month when above 0.
QString YearMonth(TField* year, TField* month) {
    QString text;
    if (year->AsInteger() > 0)
        text = QStringLiteral("%1年").arg(year->AsInteger());
    if (month->AsInteger() > 0)
        text += QStringLiteral("%1月").arg(month->AsInteger());
    return text;
}

// An amount rounded to a whole number (halves away from zero) followed by its unit.
QString WholeAmount(TField* amount, TField* unit) {
    const double whole = std::round(amount->AsFloat()) + 0.0; // no "-0"
    return QString::number(whole, 'f', 0) + unit->AsString();
}

} // namespace

THouseSet::THouseSet(TDatabase* db) : TBizSet(HouseStatements(), db) {
    DefineFields(kHouseFields, FieldCount);
}

void THouseSet::CalcFields() {
    QString rooms;
    if (RoomFld()->AsInteger() > 0)
        rooms = QStringLiteral("%1室").arg(RoomFld()->AsInteger());
    if (HallFld()->AsInteger() > 0)
        rooms += QStringLiteral("%1厅").arg(HallFld()->AsInteger());
    if (BathFld()->AsInteger() > 0)
        rooms += QStringLiteral("%1卫").arg(BathFld()->AsInteger());
    if (BalconyFld()->AsInteger() > 0)
        rooms += QStringLiteral("%1阳台").arg(BalconyFld()->AsInteger());
    RoomTypeCalcFld()->SetValue(rooms);

    const QString upper = FloorBFld()->AsInteger() != 0
                              ? QStringLiteral("-%1").arg(FloorBFld()->AsInteger())
                              : QString();
    FloorCalcFld()->SetValue(QStringLiteral("%1%2/%3").arg(QString::number(FloorFld()->AsInteger()),
                                                           upper, FloorCountFld()->AsString()));

    DecorateDateCalcFld()->SetValue(YearMonth(DecorateYearFld(), DecorateMonthFld()));
    BuildDateCalcFld()->SetValue(YearMonth(BuildYearFld(), BuildMonthFld()));
    Fld(kBuildYearOutwall)->SetValue(BuildYearFld()->AsString() + OutWallFld()->AsString());

    const QString other = OtherAreaFld()->AsString();
    AreaCalcFld()->SetValue(other.isEmpty() ? BuildAreaFld()->AsString()
                                            : BuildAreaFld()->AsString() + u'+' + other);
    MgrFundCalcFld()->SetValue(WholeAmount(MgrFundFld(), MgrFundUnitFld()));
    DoorCalcFld()->SetValue(
        QStringLiteral("%1梯%2户").arg(StairsFld()->AsString(), DoorFld()->AsString()));
    RentFundCalcFld()->SetValue(WholeAmount(RentFundFld(), RentFundUnitFld()));
}

void THouseSet::DeleteHouse() {
    DeleteWithDependants();
}

void THouseSet::FindHouses(const THouseCriteria& c) {
    const QString limit =
        c.RowLimit >= 0 ? QStringLiteral(" top %1").arg(c.RowLimit) : QStringLiteral(" top 50");
    TSearchBuilder b(QStringLiteral(" where abs(IsRecycle)=0 "));
    if (c.DealType == QStringLiteral("出售") || c.DealType == QStringLiteral("出租"))
        b.Add(QStringLiteral(" and (DealType=:DealType or DealType=:DealTypeBoth)"),
              {Param(QStringLiteral("DealType"), c.DealType),
               Param(QStringLiteral("DealTypeBoth"), QStringLiteral("租售"))});
    else if (c.DealType == QStringLiteral("租售"))
        b.Add(QStringLiteral(" and DealType=:DealType"), QVariant(c.DealType));
    b.AddText(c.District, QStringLiteral(" and District=:District"));
    b.AddText(c.Place, QStringLiteral(" and Place=:Place"));
    b.AddContains(c.HouseName, QStringLiteral(" and HouseName like :HouseName escape '\\'"));
    b.AddContains(c.Address, QStringLiteral(" and Address like :Address escape '\\'"));
    auto number = [&b](bool given, const char* clause, int value) {
        if (given)
            b.Add(QLatin1String(clause), QVariant(value));
    };
    number(c.Room >= 0, " and Room=:Room", c.Room);
    number(c.Hall >= 0, " and Hall=:Hall", c.Hall);
    number(c.Bath >= 0, " and Bath=:Bath", c.Bath);
    number(c.Balcony >= 0, " and Balcony=:Balcony", c.Balcony);
    if (c.CanSettle)
        b.Add(QStringLiteral(" and CanSettle='能'"));
    b.AddContains(c.CanSchool, QStringLiteral(" and CanSchool like :CanSchool escape '\\'"));
    number(c.FundFrom >= 0, " and Fund>=:FundFrom", c.FundFrom);
    number(c.FundTo >= 0, " and Fund<=:FundTo", c.FundTo);
    number(c.RentFrom >= 0, " and RentFund>=:RentFrom", c.RentFrom);
    number(c.RentTo >= 0, " and RentFund<=:RentTo", c.RentTo);
    number(c.FloorFrom >= -4, " and Floor>=:FloorFrom", c.FloorFrom);
    number(c.FloorTo != -1, " and Floor<=:FloorTo", c.FloorTo);
    number(c.AreaFrom >= 0, " and BuildArea>=:AreaFrom", c.AreaFrom);
    number(c.AreaTo >= 0, " and BuildArea<=:AreaTo", c.AreaTo);
    b.AddText(c.HouseType, QStringLiteral(" and HouseType=:HouseType"));
    b.AddText(c.RightProp, QStringLiteral(" and RightProp=:RightProp"));
    b.AddText(c.Billman, QStringLiteral(" and Billman=:Billman"));
    if (c.BillFrom.isValid())
        b.Add(QStringLiteral(" and BillTime>=:BillFrom"), QVariant(c.BillFrom));
    if (c.BillTo.isValid())
        b.Add(QStringLiteral(" and BillTime<=:BillTo"), QVariant(c.BillTo));
    b.AddContains(c.Keyword, QStringLiteral(" and ([Note] like :Keyword escape '\\' )"));
    b.AddContains(c.Code, QStringLiteral(" and Code like :Code escape '\\'"));
    b.AddText(c.State, QStringLiteral(" and State=:State"));
    number(c.BuildYearFrom >= 0, " and BuildYear>=:BuildYearFrom", c.BuildYearFrom);
    b.AddText(c.Broker, QStringLiteral(" and Broker=:Broker"));
    b.AddText(c.ComeFrom, QStringLiteral(" and ComeFrom=:ComeFrom"));
    b.AddText(c.VisitHandman, QStringLiteral(" and Id in (select HouseId from housevisits where "
                                             "Handman=:VisitHandman)"));
    if (c.VisitFrom.isValid())
        b.Add(QStringLiteral(" and Id in (select HouseId from housevisits where "
                             "VizDate>=:VisitFrom and VizDate<=:VisitTo)"),
              {Param(QStringLiteral("VisitFrom"), c.VisitFrom),
               Param(QStringLiteral("VisitTo"), c.VisitTo)});
    b.AddContains(c.PropNo, QStringLiteral(" and PropNo like :PropNo escape '\\'"));
    b.AddContains(c.Linkman, QStringLiteral(" and Linkman like :Linkman escape '\\'"));
    b.AddContains(c.LinkTel, QStringLiteral(" and LinkTel like :LinkTel escape '\\'"));
    b.AddText(c.Purpose, QStringLiteral(" and Purpose = :Purpose"));
    b.AddText(c.Keys, QStringLiteral(" and Keys = :Keys"));
    Open(QStringLiteral("select") + limit + QStringLiteral(" * from house") + b.Condition() +
             QStringLiteral(" order by Id desc"),
         b.Params());
}

int THouseSet::MatchHouses(int room1, int room2, double area1, double area2, double fund1,
                           double fund2) {
    return Open(QStringLiteral("select * from house where abs(IsRecycle)=0 and Room>=:Room1 and "
                               "Room<=:Room2 and BuildArea>=:Area1 and BuildArea<=:Area2 and "
                               "((Fund>=:Fund1 and Fund<=:Fund2) or (RentFund>=:RentFund1 and "
                               "RentFund<=:RentFund2))"),
                {Param(QStringLiteral("Room1"), room1), Param(QStringLiteral("Room2"), room2),
                 Param(QStringLiteral("Area1"), area1), Param(QStringLiteral("Area2"), area2),
                 Param(QStringLiteral("Fund1"), Money(fund1 / 10000)),
                 Param(QStringLiteral("Fund2"), Money(fund2 / 10000)),
                 Param(QStringLiteral("RentFund1"), Money(fund1)),
                 Param(QStringLiteral("RentFund2"), Money(fund2))});
}

int THouseSet::MatchHousesFor(const TClientSet& client) {
    return MatchHouses(client.Room1Fld()->AsInteger(), client.Room2Fld()->AsInteger(),
                       client.Area1Fld()->AsFloat(), client.Area2Fld()->AsFloat(),
                       client.Fund1Fld()->AsFloat(), client.Fund2Fld()->AsFloat());
}

bool THouseSet::CheckDuplicate(const QString& houseName, const QString& seat, const QString& doorNo,
                               int id, int floor, int floorB) {
    // Empty texts compare as empty texts, as they are stored by the editor.
    auto text = [](const QString& s) { return s.isNull() ? QStringLiteral("") : s; };
    TRecordSet& scratch = ScratchSet();
    scratch.Open(
        QStringLiteral("select Id, Code from house where HouseName=:HouseName and "
                       "Seat=:Seat and Floor=:Floor and FloorB=:FloorB and DoorNo=:DoorNo"),
        {Param(QStringLiteral("HouseName"), text(houseName)),
         Param(QStringLiteral("Seat"), text(seat)), Param(QStringLiteral("Floor"), floor),
         Param(QStringLiteral("FloorB"), floorB), Param(QStringLiteral("DoorNo"), text(doorNo))});
    TDataSet* found = scratch.DataSet();
    if (found->IsEmpty() || found->Field(0)->AsInteger() == id) {
        scratch.Close();
        return false;
    }
    const QString code = found->Field(1)->AsString();
    scratch.Close();
    ShowInfo(
        QStringLiteral("已经存在相同的房源记录(%1,%2,%3,%4及%5), 该房源编号为%6, 请检查后再试一次.")
            .arg(HouseNameFld()->DisplayLabel(), SeatFld()->DisplayLabel(),
                 FloorFld()->DisplayLabel(), FloorBFld()->DisplayLabel(),
                 DoorNoFld()->DisplayLabel(), code));
    return true;
}
