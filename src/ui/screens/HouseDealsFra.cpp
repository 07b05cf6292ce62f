#include "screens/HouseDealsFra.h"

#include "operations/HouseMgr.h"

#include <QLabel>
#include <QLineEdit>

namespace {

// Disabled boxes take the page's colour, enabled ones the window colour.
void PageColourWhenDisabled(QWidget* box) {
    QPalette colours = box->palette();
    colours.setColor(QPalette::Disabled, QPalette::Base, colours.color(QPalette::Window));
    box->setPalette(colours);
}

QLabel* PartTitle(const QString& text) {
    auto* title = new QLabel(text);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    return title;
}

} // namespace

THouseDealsFra::THouseDealsFra(THouseMgr& houses, QWidget* parent)
    : TFraBase(houses.DataSet(), parent), m_houses(houses),
      m_follower(houses, [this] { RowChanged(); }) {
    BuildForm();
    RowChanged();
}

void THouseDealsFra::BuildForm() {
    THouseMgr& h = m_houses;
    QLineEdit* fund = NewBox(h.FundFld(), &TFieldBinder::AmountText);
    QLineEdit* price = NewBox(h.PriceFld(), &TFieldBinder::AmountText);
    QLineEdit* rent = NewBox(h.RentFundCalcFld());
    QLabel* saleTitle = PartTitle(QStringLiteral("出售"));
    QLabel* rentTitle = PartTitle(QStringLiteral("出租"));
    // The part titles stand in the first box column, which takes no spare width;
    // the last pair stays empty so the boxes keep a sensible width.
    SetBoxStretch(0, 0);
    Place(0, 0, QString(), saleTitle);
    m_sale << saleTitle << Place(0, 1, QStringLiteral("售价(万元)"), fund) << fund
           << Place(0, 2, QStringLiteral("单价(元/平方)"), price) << price;
    Place(1, 0, QString(), rentTitle);
    m_rent << rentTitle << Place(1, 1, QStringLiteral("租价"), rent) << rent;
    AddBox(2, 1, QStringLiteral("物业费"), h.MgrFundCalcFld());
    AddMemo(3, 1, QStringLiteral("备注"), h.DealNoteFld(), 2, 4);
    for (QLineEdit* box : {fund, price, rent})
        PageColourWhenDisabled(box);
    for (QLabel* title : {saleTitle, rentTitle})
        title->setMinimumWidth(title->sizeHint().width());
}

void THouseDealsFra::RowChanged() {
    const QString dealType = m_houses.HasCurrent() ? m_houses.DealTypeFld()->AsString() : QString();
    const bool both = dealType == QStringLiteral("租售");
    const bool sale = both || dealType == QStringLiteral("出售");
    const bool rent = both || dealType == QStringLiteral("出租");
    for (QWidget* w : m_sale)
        w->setEnabled(sale);
    for (QWidget* w : m_rent)
        w->setEnabled(rent);
}
