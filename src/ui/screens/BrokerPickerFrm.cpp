#include "screens/BrokerPickerFrm.h"

#include "app/Messenger.h"
#include "operators/OperatorSet.h"
#include "screens/DetailGrid.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

TBrokerPickerFrm::TBrokerPickerFrm(QWidget* parent)
    : TPropertyDialog(parent), m_none(new QRadioButton(QStringLiteral("不指定经纪人"), Body())),
      m_chosen(new QRadioButton(QStringLiteral("指定以下经纪人"), Body())),
      m_panel(new QWidget(Body())), m_grid(new TDetailGrid(m_panel)),
      m_all(new QCheckBox(QStringLiteral("全部指定为该经纪人"), Body())),
      m_operators(new TOperatorSet(this)) {
    setObjectName(QStringLiteral("BrokerPickerFrm"));
    setWindowTitle(QStringLiteral("选择经纪人..."));
    m_none->setObjectName(QStringLiteral("rbNoBroker1"));
    m_chosen->setObjectName(QStringLiteral("rbBroker1"));
    m_grid->setObjectName(QStringLiteral("grdOperators1"));
    m_all->setObjectName(QStringLiteral("cbAssignAll1"));
    m_chosen->setChecked(true);
    m_grid->SetOperatorSet(m_operators);

    auto* panelLayout = new QVBoxLayout(m_panel);
    panelLayout->setContentsMargins(18, 0, 0, 0);
    panelLayout->addWidget(m_grid);
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(12, 10, 12, 6);
    layout->addWidget(m_none);
    layout->addWidget(m_chosen);
    layout->addWidget(m_panel, 1);
    layout->addWidget(m_all);

    connect(m_chosen, &QRadioButton::toggled, this, [this] { ShowState(); });
    ShowState();
    Props().Bind(
        QStringLiteral("Broker"), [this] { return QVariant(Broker()); },
        [this](const QVariant& v) { SetBroker(v.toString()); });
    Props().BindFlag(QStringLiteral("AssignAll"), m_all);
    resize(469, 320);
}

void TBrokerPickerFrm::ShowState() {
    m_panel->setEnabled(m_chosen->isChecked());
}

QString TBrokerPickerFrm::Broker() const {
    if (!m_chosen->isChecked() || m_operators->DataSet()->IsEmpty())
        return QString();
    return m_operators->UserIdField()->AsString();
}

void TBrokerPickerFrm::SetBroker(const QString& loginId) {
    if (loginId.isEmpty()) {
        m_none->setChecked(true);
        return;
    }
    m_chosen->setChecked(true);
    m_operators->DataSet()->Locate(QStringLiteral("LoginId"), loginId);
}

bool TBrokerPickerFrm::CloseQuery() {
    if (m_operators->DataSet()->IsEmpty())
        return false;
    if (!m_all->isChecked())
        return true;
    return AskYesNo(QStringLiteral("确定要将当前列表中的房源全部指定给%1吗?")
                        .arg(m_operators->NameField()->AsString()));
}
