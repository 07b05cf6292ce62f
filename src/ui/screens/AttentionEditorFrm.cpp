#include "screens/AttentionEditorFrm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

TAttentionEditorFrm::TAttentionEditorFrm(QWidget* parent)
    : TPropertyDialog(parent), m_on(new QRadioButton(QStringLiteral("关注"), Body())),
      m_off(new QRadioButton(QStringLiteral("不关注"), Body())) {
    setObjectName(QStringLiteral("AttentionEditorFrm"));
    setWindowTitle(QStringLiteral("关注"));
    m_on->setObjectName(QStringLiteral("rbAttention1"));
    m_off->setObjectName(QStringLiteral("rbNoAttention1"));
    m_off->setChecked(true);

    auto* buttons = new QHBoxLayout;
    buttons->addSpacing(20);
    buttons->addWidget(m_on);
    buttons->addSpacing(30);
    buttons->addWidget(m_off);
    buttons->addStretch(1);
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(24, 20, 24, 12);
    layout->addWidget(new QLabel(QStringLiteral("请选择是否需要关注该信息："), Body()));
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->addStretch(1);

    Props().Bind(
        QStringLiteral("Attention"), [this] { return QVariant(m_on->isChecked()); },
        [this](const QVariant& v) { (v.toBool() ? m_on : m_off)->setChecked(true); });
    resize(340, 170);
}
