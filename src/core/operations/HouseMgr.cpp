#include "operations/HouseMgr.h"

#include "app/Error.h"
#include "app/Messenger.h"
#include "operations/EditorFactory.h"
#include "operations/EditorLoop.h"
#include "operations/HouseSearch.h"
#include "operations/ReportPrinter.h"
#include "operators/Operator.h"
#include "operators/Rights.h"

namespace {

// The fields the house editor shows, in the order of the change log.
const QStringList kEditorFields{
    "DoorNo",       "Linkman",       "LinkTel",       "LinkNote",   "Code",        "Billman",
    "BillTime",     "ComeFrom",      "State",         "Broker",     "District",    "Place",
    "HouseName",    "BuildYear",     "BuildMonth",    "Direction",  "CanSettle",   "Purpose",
    "Burgage",      "RightProp",     "PropNo",        "HouseType",  "Address",     "Keys",
    "Seat",         "Floor",         "FloorB",        "FloorCount", "BuildArea",   "OtherArea",
    "Room",         "Hall",          "Bath",          "Balcony",    "Stairs",      "Door",
    "Note",         "DealType",      "DealNote",      "Price",      "Fund",        "BasePrice",
    "RentFund",     "RentFundUnit",  "RentBasePrice", "MgrFund",    "MgrFundUnit", "Decoration",
    "DecorateYear", "DecorateMonth", "OutWall",       "InnerWall",  "FloorBoard",  "WinDoor",
    "Decorations",  "Utilities",     "HomeWirings",   "Furnitures", "CanSchool",   "Hospitals",
    "Markets",      "Traffics"};

// What a copy takes over from the current house.
const QStringList kCopiedFields{
    "ComeFrom",     "State",         "District",     "Place",      "HouseName",   "BuildYear",
    "BuildMonth",   "Direction",     "CanSettle",    "Purpose",    "Burgage",     "RightProp",
    "HouseType",    "Address",       "Keys",         "Seat",       "Floor",       "FloorB",
    "FloorCount",   "BuildArea",     "OtherArea",    "Room",       "Hall",        "Bath",
    "Balcony",      "Stairs",        "Note",         "DealType",   "DealNote",    "Price",
    "Fund",         "RentFund",      "RentFundUnit", "MgrFund",    "MgrFundUnit", "Decoration",
    "DecorateYear", "DecorateMonth", "OutWall",      "InnerWall",  "FloorBoard",  "WinDoor",
    "Decorations",  "Utilities",     "HomeWirings",  "Furnitures", "CanSchool",   "Hospitals",
    "Markets",      "Traffics"};

const TFieldLinks& DealLinks() {
    static const TFieldLinks links =
        SameNames({"DealType", "ClientName", "ClientTel", "ClientNote", "SignDate", "Content",
                   "HintDate", "HintDays", "Handman"});
    return links;
}

} // namespace

TMgrSide THouseMgr::HouseSide() {
    return {TCodeOwner::House,
            TChangeRule::Typed,
            kEditorFields,
            QStringLiteral("登记"),
            QStringLiteral("修改"),
            QStringLiteral("对不起，您没有权限修改该信息."),
            QStringLiteral("号房源, 这将永久删除, 您确定"),
            QStringLiteral("该房源"),
            QStringLiteral("房源ID是%1, 编号是%2."),
            rtHouseContact,
            true};
}

THouseMgr::THouseMgr(TDatabase* db) : TBizMgr(HouseSide(), db), m_deals(db), m_images(db) {
    m_decorationCalc = AddCalcField(TFieldKind::WideString, QStringLiteral("DecorationCalc"), 50,
                                    false, QStringLiteral("装修描述"));
}

void THouseMgr::CalcFields() {
    THouseSet::CalcFields();
    QStringList parts{DecorateDateCalcFld()->AsString()};
    for (TField* f : {DecorationFld(), OutWallFld(), InnerWallFld(), FloorBoardFld(), WinDoorFld(),
                      DecorationsFld()})
        parts << f->AsString();
    m_decorationCalc->SetAsString(parts.join(u' '));
}

void THouseMgr::RefreshDetails() {
    const int id = CurrentId();
    Visits()->OpenByHouse(id);
    m_deals.OpenByHouse(id);
    Changes()->OpenByHouse(id);
    m_images.OpenByHouse(id);
}

QList<TDataSet*> THouseMgr::ReportData() {
    RefreshDetails();
    return {DataSet(), m_images.DataSet(), Visits()->DataSet(), m_deals.DataSet(),
            Changes()->DataSet()};
}

void THouseMgr::PrintDesign() {
    ReportPrinter().DesignReports(0, ReportData());
}

void THouseMgr::PrintReport(int reportId) {
    ReportPrinter().PrintReport(reportId, ReportData());
}

std::unique_ptr<TPropertyEditor> THouseMgr::CreateEditor() const {
    return EditorFactory().CreateHouseEditor();
}

bool THouseMgr::IsDuplicate(const TPropertyEditor& editor, int id) {
    return CheckDuplicate(editor.Text("HouseName"), editor.Text("Seat"), editor.Text("DoorNo"), id,
                          editor.Integer("Floor"), editor.Integer("FloorB"));
}

bool THouseMgr::CanSeeSecret() const {
    if (!HasCurrent())
        return false;
    const QString broker = BrokerFld()->AsString();
    if (CurrentOperator().IsSa() || IsOperator(broker))
        return true;
    if (!broker.isEmpty())
        return false;
    return CurrentOperator().HasRight(rtOthersRecords) ||
           CurrentOperator().HasRight(rtSecretAddress);
}

QString THouseMgr::Secret(TField* field) const {
    return CanSeeSecret() ? field->AsString() : QStringLiteral("无权限");
}

QString THouseMgr::DoorNo() const {
    return Secret(DoorNoFld());
}

QString THouseMgr::PropNo() const {
    return Secret(PropNoFld());
}

void THouseMgr::CopyClick() {
    CurrentOperator().RequireRight(rtRegister);
    std::unique_ptr<TPropertyEditor> editor = CreateEditor();
    PrepareNew(*editor);
    editor->SetProperty(QStringLiteral("Code"), NextCode());
    if (HasCurrent())
        LoadEditor(*editor, *DataSet(), SameNames(kCopiedFields));
    // Address details, contacts, certificate, door and base prices start empty.
    RunEditor(
        *editor, [&] { SaveNew(*editor, false); }, [this] { CancelAll(); });
}

void THouseMgr::ShowContact(const QString& loginId) const {
    TOperator person;
    person.LoadOperator(loginId);
    std::unique_ptr<TContactCard> card = EditorFactory().CreateContactCard();
    card->SetProperty(QStringLiteral("LoginId"), person.LoginId);
    card->SetProperty(QStringLiteral("Name"), person.Name);
    card->SetProperty(QStringLiteral("Contact"), person.Contact);
    card->SetProperty(QStringLiteral("Note"), person.Note);
    card->Execute();
}

void THouseMgr::ShowAddmanClick() {
    ShowContact(HasCurrent() ? BillmanFld()->AsString() : QString());
}

void THouseMgr::ShowBrokermanClick() {
    ShowContact(HasCurrent() ? BrokerFld()->AsString() : QString());
}

void THouseMgr::PictureClick() {
    if (HasCurrent())
        EditorFactory().CreatePhotoManager(*this)->Execute();
}

void THouseMgr::DealAddClick() {
    if (!HasCurrent())
        return;
    RequireOwnerOr4(BrokerFld()->AsString());
    std::unique_ptr<TDealEditor> editor = EditorFactory().CreateDealEditor();
    editor->SetProperty(QStringLiteral("HouseCode"), CodeFld()->AsString());
    const int id = CurrentId();
    RunEditor(
        *editor,
        [&] { AppendHistory(m_deals, *editor, DealLinks(), id, CurrentOperator().LoginId); },
        [this] { CancelPending(*m_deals.DataSet()); });
}

void THouseMgr::DealEditClick() {
    if (!m_deals.DataSet()->Active() || m_deals.DataSet()->IsEmpty())
        return;
    RequireOwnerOr4(m_deals.BillmanFld()->AsString());
    std::unique_ptr<TDealEditor> editor = EditorFactory().CreateDealEditor();
    editor->SetProperty(QStringLiteral("HouseCode"), HasCurrent() ? CodeFld()->AsString() : "");
    LoadEditor(*editor, *m_deals.DataSet(), DealLinks());
    RunEditor(
        *editor, [&] { RewriteHistory(m_deals, *editor, DealLinks()); },
        [this] { CancelPending(*m_deals.DataSet()); });
}

void THouseMgr::DealDeleteClick() {
    if (!m_deals.DataSet()->Active() || m_deals.DataSet()->IsEmpty())
        return;
    RequireOwnerOr4(m_deals.BillmanFld()->AsString());
    if (ConfirmDelete(QStringLiteral("该成交记录")))
        m_deals.DeleteCurrent();
}

void THouseMgr::AdvancedFind(const QString& dealType) {
    std::unique_ptr<THouseFinder> finder = EditorFactory().CreateHouseFinder();
    if (!finder->Execute())
        return;
    FindHouses(HouseSearch(*finder, dealType));
}
