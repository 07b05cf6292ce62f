#include "screens/ClientSearchPanel.h"

#include "screens/PickLists.h"
#include "toolkit/zyDateTimePicker.h"

#include <QComboBox>
#include <QDateTime>
#include <QLineEdit>

namespace {

QStringList PriceSteps() {
    QStringList items{QStringLiteral("200"), QStringLiteral("500"), QStringLiteral("1000")};
    for (int price = 50000; price <= 1000000; price += 50000)
        items << QString::number(price);
    return items;
}

} // namespace

TClientSearchPanel::TClientSearchPanel(QWidget* parent)
    : TSearchPanel({QStringLiteral(" 全部"), QStringLiteral(" 求购"), QStringLiteral(" 求租")},
                   parent) {
    AddLabel(QStringLiteral("区域"), 0, 0);
    m_district = AddCombo(QStringLiteral("District"), {}, 0, 1, 90);
    AddLabel(QStringLiteral("客户"), 0, 2);
    m_linkman = AddEdit(QStringLiteral("Linkman"), 0, 3, 80);
    AddLabel(QStringLiteral("电话"), 0, 4);
    m_linkTel = AddEdit(QStringLiteral("LinkTel"), 0, 5, 90);
    AddLabel(QStringLiteral("登记人"), 0, 6);
    m_billman = AddCombo(QStringLiteral("Billman"), {}, 0, 7, 80);
    AddLabel(QStringLiteral("户型"), 0, 8);
    m_room = AddCombo(QStringLiteral("Room"), PickLists::Numbers(1, 5), 0, 9, 56);
    AddLabel(QStringLiteral("室"), 0, 10);
    AddLabel(QStringLiteral("面积"), 0, 11);
    m_area = AddCombo(QStringLiteral("Area"), PickLists::Numbers(50, 150, 10), 0, 12, 64);
    AddLabel(QStringLiteral("价格"), 0, 13);
    m_price = AddCombo(QStringLiteral("Price"), PriceSteps(), 0, 14, 80);
    AddLabel(QStringLiteral("元"), 0, 15);

    AddLabel(QStringLiteral("地段"), 1, 0);
    m_place = AddCombo(QStringLiteral("Place"), {}, 1, 1, 90);
    AddLabel(QStringLiteral("关键字"), 1, 2);
    m_keyword = AddEdit(QStringLiteral("Keyword"), 1, 3, 80);
    AddLabel(QStringLiteral("来源"), 1, 4);
    m_comeFrom = AddCombo(QStringLiteral("ComeFrom"), {}, 1, 5, 90);
    AddLabel(QStringLiteral("经纪人"), 1, 6);
    m_broker = AddCombo(QStringLiteral("Broker"), {}, 1, 7, 80);
    AddLabel(QStringLiteral("日期"), 1, 8);
    m_dateFrom = AddDate(QStringLiteral("DateFrom"), 1, 9);
    AddLabel(QStringLiteral("截止"), 1, 13);
    m_dateTo = AddDate(QStringLiteral("DateTo"), 1, 14);
    AddButtons(16);
}

TzyDateTimePicker* TClientSearchPanel::AddDate(const QString& name, int row, int column) {
    auto* picker = new TzyDateTimePicker(this);
    picker->setObjectName(name);
    picker->SetShowCheckbox(true);
    picker->SetAsDateTime(QDateTime::currentDateTime());
    picker->SetChecked(false);
    picker->setFixedWidth(120);
    Q_UNUSED(column);
    AddToRow(row, picker);
    return picker;
}

TClientCriteria TClientSearchPanel::Criteria() const {
    TClientCriteria c;
    c.DealType = DealType();
    c.District = m_district->currentText();
    c.Linkman = m_linkman->text().trimmed();
    c.LinkTel = m_linkTel->text().trimmed();
    c.Billman = Text(m_billman);
    c.Rooms = Number(m_room);
    c.Area = Decimal(m_area);
    c.Price = Decimal(m_price);
    c.Keyword = m_keyword->text();
    c.Address = Text(m_place);
    c.Broker = Text(m_broker);
    c.ComeFrom = Text(m_comeFrom);
    if (m_dateFrom->Checked())
        c.BillFrom = m_dateFrom->AsDate();
    if (m_dateTo->Checked())
        c.BillTo = m_dateTo->AsDate();
    return c;
}

void TClientSearchPanel::Reset() {
    for (QComboBox* combo : findChildren<QComboBox*>()) {
        combo->setCurrentIndex(-1);
        combo->setEditText(QString());
    }
    m_linkman->clear();
    m_linkTel->clear();
    m_keyword->clear();
    m_dateFrom->SetChecked(false);
    m_dateTo->SetChecked(false);
}
