#include "app/AInfoDlgFrm.h"

#include "app/DlgButtonBar.h"

#include <QPushButton>
#include <QVBoxLayout>

TAInfoDlgFrm::TAInfoDlgFrm(QWidget* parent)
    : TaFrm(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowCloseButtonHint),
      m_body(new QWidget(this)), m_bar(new TDlgButtonBar(this)) {
    SetEscCancels(true);
    m_close = m_bar->AddButton(QStringLiteral("关闭"));
    m_help = m_bar->AddButton(QStringLiteral("帮助"));
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [this] { ShowHelp(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_body, 1);
    layout->addWidget(m_bar);
    resize(560, 380);
}
