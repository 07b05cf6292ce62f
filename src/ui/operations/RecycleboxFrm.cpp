#include "operations/RecycleboxFrm.h"

#include "app/GuardedCommand.h"
#include "operations/ClientMgr.h"
#include "operations/HouseMgr.h"
#include "operators/Operator.h"
#include "operators/Rights.h"
#include "screens/DetailGrid.h"

#include <QAction>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

TRecycleboxFrm::TRecycleboxFrm(QWidget* parent)
    : TaFrm(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowCloseButtonHint),
      m_houses(std::make_unique<THouseMgr>()), m_clients(std::make_unique<TClientMgr>()),
      m_grid(new TDetailGrid) {
    setObjectName(QStringLiteral("RecycleboxFrm"));
    setWindowTitle(QStringLiteral("回收站"));
    m_grid->setObjectName(QStringLiteral("grdRecycled1"));
    CreateToolBar();
    btnClose1 = new QPushButton(QStringLiteral("关闭"));
    btnClose1->setObjectName(QStringLiteral("btnClose1"));
    btnHelp1 = new QPushButton(QStringLiteral("帮助"));
    btnHelp1->setObjectName(QStringLiteral("btnHelp1"));
    connect(btnClose1, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp1, &QPushButton::clicked, this, [this] { ShowHelp(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* button : {btnClose1, btnHelp1}) {
        button->setFixedSize(75, 25);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ToolBar1);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    resize(780, 468);

    m_houses->OpenRecycled();
    m_clients->OpenRecycled();
    HouseClick();
}

TRecycleboxFrm::~TRecycleboxFrm() = default;

QToolButton* TRecycleboxFrm::AddButton(const QString& name, const QString& caption) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    ToolBar1->addWidget(button);
    return button;
}

void TRecycleboxFrm::CreateToolBar() {
    ToolBar1 = new QToolBar;
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolButton1 = AddButton(QStringLiteral("ToolButton1"), QStringLiteral("房源回收站"));
    ToolButton2 = AddButton(QStringLiteral("ToolButton2"), QStringLiteral("客户回收站"));
    ToolBar1->addSeparator();
    tbDrop1 = AddButton(QStringLiteral("tbDrop1"), QStringLiteral("彻底删除"));
    tbRecove1 = AddButton(QStringLiteral("tbRecove1"), QStringLiteral("还原"));
    ToolBar1->addSeparator();
    ToolButton3 = AddButton(QStringLiteral("ToolButton3"), QStringLiteral("导出"));
    // The export runs the grid's own command, offered only where exports exist.
    ToolButton3->setDefaultAction(m_grid->ActionExport());

    auto* toggles = new QButtonGroup(this);
    toggles->setExclusive(true);
    for (QToolButton* toggle : {ToolButton1, ToolButton2}) {
        toggle->setCheckable(true);
        toggles->addButton(toggle);
    }
    connect(ToolButton1, &QToolButton::clicked, this, &TRecycleboxFrm::HouseClick);
    connect(ToolButton2, &QToolButton::clicked, this, &TRecycleboxFrm::ClientClick);
    connect(tbRecove1, &QToolButton::clicked, this, [this] { RunGuarded(m_recover); });
    connect(tbDrop1, &QToolButton::clicked, this, [this] { RunGuarded(m_drop); });
}

bool TRecycleboxFrm::ShowingHouses() const {
    return ToolButton1->isChecked();
}

void TRecycleboxFrm::HouseClick() {
    m_grid->SetHouseSet(m_houses.get());
    THouseMgr* houses = m_houses.get();
    m_recover = [houses] { houses->PutinRecycleClick(); };
    m_drop = [houses] { houses->DropClick(); };
    ToolButton1->setChecked(true);
}

void TRecycleboxFrm::ClientClick() {
    m_grid->SetClientSet(m_clients.get());
    TClientMgr* clients = m_clients.get();
    m_recover = [clients] { clients->PutinRecycleClick(); };
    m_drop = [clients] { clients->DropClick(); };
    ToolButton2->setChecked(true);
}

void TRecycleboxFrm::RecoverClick() {
    m_recover();
}

void TRecycleboxFrm::DropClick() {
    m_drop();
}

void ShowRecycleBox(QWidget* parent) {
    if (!CurrentOperator().RequireRight(rtRecycleBox, false))
        return;
    TRecycleboxFrm window(parent);
    window.exec();
}
