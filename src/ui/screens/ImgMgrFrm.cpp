#include "screens/ImgMgrFrm.h"

#include "app/GuardedCommand.h"
#include "operations/HouseMgr.h"
#include "screens/ImageBox.h"

#include <QAction>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>

TImgMgrFrm::TImgMgrFrm(THouseMgr& houses, QWidget* parent)
    : TaFrm(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowCloseButtonHint),
      m_houses(houses), m_toolBar(new QToolBar(this)), m_box(new TImageBox(houses, this)),
      m_captionLine(new QLabel(QStringLiteral("图片"), this)) {
    setObjectName(QStringLiteral("ImgMgrFrm"));
    setWindowTitle(QStringLiteral("图片管理"));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto command = [this](const QString& caption, void (TImageBox::*run)()) {
        connect(m_toolBar->addAction(caption), &QAction::triggered, m_box,
                [this, run] { m_box->Run(run); });
    };
    command(QStringLiteral("添加   "), &TImageBox::AddClick);
    command(QStringLiteral("重命名"), &TImageBox::RenameClick);
    command(QStringLiteral("删除"), &TImageBox::DeleteClick);
    m_toolBar->addSeparator();
    command(QStringLiteral("查看"), &TImageBox::OpenClick);
    m_toolBar->addSeparator();
    connect(m_toolBar->addAction(QStringLiteral("关闭")), &QAction::triggered, this,
            &QDialog::reject);

    m_captionLine->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_captionLine->setContentsMargins(4, 1, 4, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_box, 1);
    layout->addWidget(m_captionLine);
    resize(600, 240);
}

bool TImgMgrFrm::Execute() {
    const bool ok = exec() == QDialog::Accepted;
    if (const auto& follow = m_houses.AfterScroll())
        RunGuarded(follow);
    return ok;
}
