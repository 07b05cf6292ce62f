#include "screens/HouseSearchPanel.h"

#include "screens/PickLists.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

THouseSearchPanel::THouseSearchPanel(QWidget* parent)
    : TSearchPanel({QStringLiteral(" 全部"), QStringLiteral(" 出售"), QStringLiteral(" 出租"),
                    QStringLiteral(" 租售")},
                   parent),
      m_advanced(new QPushButton(QStringLiteral("高级"), this)) {
    AddLabel(QStringLiteral("区域"), 0, 0);
    m_district = AddCombo(QStringLiteral("District"), {}, 0, 1, 90);
    AddLabel(QStringLiteral("户型"), 0, 2);
    m_room = AddCombo(QStringLiteral("Room"), PickLists::Numbers(1, 5), 0, 3, 56);
    AddLabel(QStringLiteral("室"), 0, 4);
    m_hall = AddCombo(QStringLiteral("Hall"), PickLists::Numbers(0, 4), 0, 5, 56);
    AddLabel(QStringLiteral("厅"), 0, 6);
    m_bath = AddCombo(QStringLiteral("Bath"), PickLists::Numbers(1, 5), 0, 7, 56);
    AddLabel(QStringLiteral("卫"), 0, 8);
    m_balcony = AddCombo(QStringLiteral("Balcony"), PickLists::Numbers(1, 5), 0, 9, 56);
    AddLabel(QStringLiteral("阳台"), 0, 10);
    AddLabel(QStringLiteral("售价"), 0, 11);
    m_fundFrom = AddCombo(QStringLiteral("FundFrom"), PickLists::Numbers(5, 100, 5), 0, 12);
    AddLabel(QStringLiteral("至"), 0, 13);
    m_fundTo = AddCombo(QStringLiteral("FundTo"), PickLists::Numbers(5, 100, 5), 0, 14);
    AddLabel(QStringLiteral("万元"), 0, 15);

    AddLabel(QStringLiteral("状态"), 1, 0);
    m_state = AddCombo(QStringLiteral("State"), {}, 1, 1, 90);
    AddLabel(QStringLiteral("面积"), 1, 2);
    m_areaFrom = AddCombo(QStringLiteral("AreaFrom"), PickLists::Numbers(50, 150, 10), 1, 3, 56);
    AddLabel(QStringLiteral("至"), 1, 4);
    m_areaTo = AddCombo(QStringLiteral("AreaTo"), PickLists::Numbers(60, 160, 10), 1, 5, 56);
    AddLabel(QStringLiteral("年限"), 1, 6);
    m_buildYear =
        AddCombo(QStringLiteral("BuildYear"), PickLists::Numbers(2010, 1980, -1), 1, 7, 56);
    AddLabel(QStringLiteral("以后"), 1, 8);
    AddLabel(QStringLiteral("编号"), 1, 9);
    m_code = AddEdit(QStringLiteral("Code"), 1, 10, 56);
    AddLabel(QStringLiteral("租价"), 1, 11);
    m_rentFrom = AddCombo(QStringLiteral("RentFrom"), PickLists::RentSteps(), 1, 12);
    AddLabel(QStringLiteral("至"), 1, 13);
    m_rentTo = AddCombo(QStringLiteral("RentTo"), PickLists::RentSteps(), 1, 14);
    AddLabel(QStringLiteral("元"), 1, 15);
    m_advanced->setObjectName(QStringLiteral("AdvancedButton"));
    AddButtons(16, m_advanced);
    SetStates({QStringLiteral("正常"), QStringLiteral("已成交"), QStringLiteral("已作废")});
}

void THouseSearchPanel::SetStates(const QStringList& states) {
    m_state->clear();
    m_state->addItems(states);
    // "不限" leads every list, and no item is chosen at first.
    for (QComboBox* combo : findChildren<QComboBox*>()) {
        if (combo->itemText(0) != QStringLiteral("不限"))
            combo->insertItem(0, QStringLiteral("不限"));
        combo->setCurrentIndex(-1);
    }
}

THouseCriteria THouseSearchPanel::Criteria() const {
    THouseCriteria c;
    c.DealType = DealType();
    c.District = Text(m_district);
    c.Room = Number(m_room);
    c.Hall = Number(m_hall);
    c.Bath = Number(m_bath);
    c.Balcony = Number(m_balcony);
    c.FundFrom = Number(m_fundFrom);
    c.FundTo = Number(m_fundTo);
    c.RentFrom = Number(m_rentFrom);
    c.RentTo = Number(m_rentTo);
    c.AreaFrom = Number(m_areaFrom);
    c.AreaTo = Number(m_areaTo);
    c.BuildYearFrom = Number(m_buildYear);
    c.State = Text(m_state);
    c.Code = m_code->text().trimmed();
    return c;
}

void THouseSearchPanel::Reset() {
    for (QComboBox* combo : findChildren<QComboBox*>()) {
        combo->setCurrentIndex(-1);
        combo->setEditText(QString());
    }
    m_code->clear();
}
