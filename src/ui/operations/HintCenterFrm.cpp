#include "operations/HintCenterFrm.h"

#include "app/Messenger.h"
#include "operations/ClientVisitHintSet.h"
#include "operations/HintMgr.h"
#include "operations/HouseDealHintSet.h"
#include "operations/HouseVisitHintSet.h"
#include "screens/DetailGrid.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr char kBaseCaption[] = "baseCaption";

void ShowCount(QRadioButton* selector, int count) {
    selector->setText(
        QStringLiteral("%1(%2)").arg(selector->property(kBaseCaption).toString()).arg(count));
}

} // namespace

const QString THintCenterFrm::kNoHintsMsg = QStringLiteral("没有任何事务提醒记录.");

THintCenterFrm::THintCenterFrm(QWidget* parent)
    : TaFrm(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowCloseButtonHint),
      m_hints(new THintMgr(this)) {
    setObjectName(QStringLiteral("HintCenterFrm"));
    setWindowTitle(QStringLiteral("提醒"));
    rbHouseVisits1 = AddSelector(QStringLiteral("rbHouseVisits1"), QStringLiteral("房源跟踪"));
    rbDeals1 = AddSelector(QStringLiteral("rbDeals1"), QStringLiteral("成交提醒"));
    rbClientVisits1 = AddSelector(QStringLiteral("rbClientVisits1"), QStringLiteral("客户跟踪"));
    rbHouseVisits1->setChecked(true);
    m_grid = new TDetailGrid;
    m_grid->setObjectName(QStringLiteral("grdHints1"));
    btnHelp1 = new QPushButton(QStringLiteral("帮助"));
    btnHelp1->setObjectName(QStringLiteral("btnHelp1"));
    btnClose1 = new QPushButton(QStringLiteral("关闭"));
    btnClose1->setObjectName(QStringLiteral("btnClose1"));
    connect(btnHelp1, &QPushButton::clicked, this, [this] { ShowHelp(); });
    connect(btnClose1, &QPushButton::clicked, this, &QDialog::reject);

    auto* selectors = new QHBoxLayout;
    selectors->setSpacing(24);
    for (QRadioButton* selector : {rbHouseVisits1, rbDeals1, rbClientVisits1})
        selectors->addWidget(selector);
    selectors->addStretch(1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {btnHelp1, btnClose1})
        button->setFixedSize(75, 25);
    buttons->addWidget(btnHelp1);
    buttons->addStretch(1);
    buttons->addWidget(btnClose1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(selectors);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    resize(780, 468);
    HintTypeClick();
}

QRadioButton* THintCenterFrm::AddSelector(const QString& name, const QString& caption) {
    auto* selector = new QRadioButton(caption);
    selector->setObjectName(name);
    selector->setProperty(kBaseCaption, caption);
    connect(selector, &QRadioButton::clicked, this, &THintCenterFrm::HintTypeClick);
    return selector;
}

void THintCenterFrm::HintTypeClick() {
    if (rbHouseVisits1->isChecked())
        m_grid->SetHouseVisitHints(m_hints->VisitHintSet());
    else if (rbDeals1->isChecked())
        m_grid->SetDealHints(m_hints->DealHintSet());
    else
        m_grid->SetClientVisitHintSet(m_hints->ClientVisitHintSet());
}

bool THintCenterFrm::LoadHints() {
    const bool any = m_hints->RefreshHints();
    ShowCount(rbHouseVisits1, m_hints->VisitHintSet()->DataSet()->RecordCount());
    ShowCount(rbDeals1, m_hints->DealHintSet()->DataSet()->RecordCount());
    ShowCount(rbClientVisits1, m_hints->ClientVisitHintSet()->DataSet()->RecordCount());
    return any;
}

bool THintCenterFrm::ShowIfDue() {
    if (!LoadHints())
        return false;
    exec();
    return true;
}

bool ShowDueReminders(QWidget* parent) {
    THintCenterFrm window(parent);
    return window.ShowIfDue();
}

void ShowReminders(QWidget* parent) {
    THintCenterFrm window(parent);
    if (!window.ShowIfDue())
        ShowInfo(THintCenterFrm::kNoHintsMsg);
}
