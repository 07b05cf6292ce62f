#include "operations/AttentionEditor.h"
#include "operations/BrokerPicker.h"
#include "operations/ClientEditor.h"
#include "operations/ContactCard.h"
#include "operations/DealEditor.h"
#include "operations/HouseEditor.h"
#include "operations/HouseFinder.h"
#include "operations/NotesEditor.h"
#include "operations/VisitEditor.h"

// The published properties of every editor the business operations open.

namespace {

TEditorProperties Props(TPropertyKind kind, const QStringList& names) {
    TEditorProperties list;
    for (const QString& n : names)
        list << TEditorProperty{n, kind};
    return list;
}

const TPropertyKind kText = TPropertyKind::Text;
const TPropertyKind kInteger = TPropertyKind::Integer;
const TPropertyKind kMoney = TPropertyKind::Money;

} // namespace

const TEditorProperties& THouseEditor::Published() {
    static const TEditorProperties list =
        Props(kText, {"Code",        "Billman",    "ComeFrom",     "State",         "Broker",
                      "HouseName",   "Seat",       "DoorNo",       "District",      "Place",
                      "Address",     "RightProp",  "PropNo",       "HouseType",     "Burgage",
                      "Purpose",     "Keys",       "CanSettle",    "Direction",     "Note",
                      "CanSchool",   "Stairs",     "Door",         "OtherArea",     "MgrFundUnit",
                      "DealType",    "BasePrice",  "RentFundUnit", "RentBasePrice", "DealNote",
                      "Decoration",  "OutWall",    "FloorBoard",   "WinDoor",       "InnerWall",
                      "Decorations", "Linkman",    "LinkTel",      "LinkNote",      "Utilities",
                      "HomeWirings", "Furnitures", "Markets",      "Hospitals",     "Traffics"}) +
        Props(kInteger, {"Floor", "FloorB", "FloorCount", "BuildYear", "BuildMonth", "Room", "Hall",
                         "Bath", "Balcony", "DecorateYear", "DecorateMonth"}) +
        Props(kMoney, {"MgrFund", "Fund", "Price", "RentFund"}) +
        TEditorProperties{{"BuildArea", TPropertyKind::Decimal},
                          {"BillTime", TPropertyKind::DateTime}};
    return list;
}

const TEditorProperties& TClientEditor::Published() {
    static const TEditorProperties list =
        Props(kText,
              {"Code",      "State",      "ComeFrom",   "Billman",    "Broker",    "Linkman",
               "LinkTel",   "Sex",        "IdCode",     "LinkNote",   "Address",   "Industry",
               "DealType",  "HouseName",  "Place",      "District",   "HouseType", "Purpose",
               "Direction", "Decoration", "RoomCircum", "LiveCircum", "Note"}) +
        Props(kInteger, {"Room1", "Room2"}) + Props(TPropertyKind::Decimal, {"Area1", "Area2"}) +
        Props(kMoney, {"Fund1", "Fund2"}) + TEditorProperties{{"BillTime", TPropertyKind::Date}};
    return list;
}

const TEditorProperties& TVisitEditor::Published() {
    static const TEditorProperties list =
        Props(kText, {"Handman", "VizType", "Details"}) +
        TEditorProperties{{"VisDate", TPropertyKind::DateTime},
                          {"HintDate", TPropertyKind::OptionalDate},
                          {"HintDays", kInteger}};
    return list;
}

const TEditorProperties& TDealEditor::Published() {
    static const TEditorProperties list =
        Props(kText, {"DealType", "HouseCode", "ClientName", "ClientTel", "ClientNote", "Content",
                      "Handman"}) +
        TEditorProperties{{"SignDate", TPropertyKind::Date},
                          {"HintDate", TPropertyKind::OptionalDate},
                          {"HintDays", kInteger}};
    return list;
}

const TEditorProperties& TNotesEditor::Published() {
    static const TEditorProperties list{{"Notes", kText}};
    return list;
}

const TEditorProperties& TAttentionEditor::Published() {
    static const TEditorProperties list{{"Attention", TPropertyKind::Boolean}};
    return list;
}

const TEditorProperties& TContactCard::Published() {
    static const TEditorProperties list = Props(kText, {"LoginId", "Name", "Contact", "Note"});
    return list;
}

const TEditorProperties& THouseFinder::Published() {
    static const TEditorProperties list =
        Props(kText,
              {"District",  "Place",     "HouseName",    "Address",  "Room",    "Hall",
               "Bath",      "Balcony",   "CanSchool",    "FundFrom", "FundTo",  "RentFrom",
               "RentTo",    "FloorFrom", "FloorTo",      "AreaFrom", "AreaTo",  "HouseType",
               "RightProp", "Billman",   "Keyword",      "Code",     "State",   "BuildYearFrom",
               "Broker",    "ComeFrom",  "VisitHandman", "PropNo",   "Linkman", "LinkTel",
               "Purpose",   "Keys"}) +
        Props(TPropertyKind::Boolean, {"CanSettle", "BillDateOn", "VisitDateOn"}) +
        Props(TPropertyKind::DateTime, {"BillFrom", "BillTo", "VisitFrom", "VisitTo"});
    return list;
}

const TEditorProperties& TBrokerPicker::Published() {
    static const TEditorProperties list{{"Broker", kText}, {"AssignAll", TPropertyKind::Boolean}};
    return list;
}
