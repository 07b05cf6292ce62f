#include "operations/HouseSearch.h"

#include "operations/PropertyEditor.h"

namespace {

bool IsOff(const QString& text) {
    return text.isEmpty() || text == QStringLiteral("不限");
}

QString TextOf(const TPropertyEditor& finder, const char* name) {
    const QString text = finder.Text(QLatin1String(name));
    return IsOff(text) ? QString() : text;
}

int NumberOf(const TPropertyEditor& finder, const char* name, int off = -1) {
    const QString text = finder.Text(QLatin1String(name));
    if (IsOff(text))
        return off;
    return TPropertyEditor::Normalize(TPropertyKind::Integer, text).toInt();
}

QDate DateOf(const TPropertyEditor& finder, const char* on, const char* name) {
    if (!finder.Flag(QLatin1String(on)))
        return QDate();
    return finder.DateTime(QLatin1String(name)).date();
}

} // namespace

THouseCriteria HouseSearch(const TPropertyEditor& f, const QString& dealType) {
    THouseCriteria c;
    c.DealType = dealType;
    c.RowLimit = -1;
    c.District = TextOf(f, "District");
    c.Place = TextOf(f, "Place");
    c.HouseName = TextOf(f, "HouseName");
    c.Address = f.Text(QStringLiteral("Address"));
    c.Room = NumberOf(f, "Room");
    c.Hall = NumberOf(f, "Hall");
    c.Bath = NumberOf(f, "Bath");
    c.Balcony = NumberOf(f, "Balcony");
    c.CanSettle = f.Flag(QStringLiteral("CanSettle"));
    c.CanSchool = TextOf(f, "CanSchool");
    c.FundFrom = NumberOf(f, "FundFrom");
    c.FundTo = NumberOf(f, "FundTo");
    c.RentFrom = NumberOf(f, "RentFrom");
    c.RentTo = NumberOf(f, "RentTo");
    c.FloorFrom = NumberOf(f, "FloorFrom", -5);
    c.FloorTo = NumberOf(f, "FloorTo");
    c.AreaFrom = NumberOf(f, "AreaFrom");
    c.AreaTo = NumberOf(f, "AreaTo");
    c.HouseType = TextOf(f, "HouseType");
    c.RightProp = TextOf(f, "RightProp");
    c.Billman = TextOf(f, "Billman");
    c.BillFrom = DateOf(f, "BillDateOn", "BillFrom");
    c.BillTo = DateOf(f, "BillDateOn", "BillTo");
    c.Keyword = f.Text(QStringLiteral("Keyword"));
    c.Code = f.Text(QStringLiteral("Code"));
    c.State = TextOf(f, "State");
    c.BuildYearFrom = NumberOf(f, "BuildYearFrom");
    c.Broker = TextOf(f, "Broker");
    c.ComeFrom = TextOf(f, "ComeFrom");
    c.VisitHandman = TextOf(f, "VisitHandman");
    c.VisitFrom = DateOf(f, "VisitDateOn", "VisitFrom");
    c.VisitTo = DateOf(f, "VisitDateOn", "VisitTo");
    c.PropNo = TextOf(f, "PropNo");
    c.Linkman = TextOf(f, "Linkman");
    c.LinkTel = TextOf(f, "LinkTel");
    c.Purpose = TextOf(f, "Purpose");
    c.Keys = TextOf(f, "Keys");
    return c;
}
