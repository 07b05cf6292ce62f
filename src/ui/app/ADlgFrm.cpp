#include "app/ADlgFrm.h"

#include "app/DlgButtonBar.h"
#include "app/Error.h"
#include "app/Messenger.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TADlgFrm::TADlgFrm(QWidget* parent)
    : TaFrm(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowCloseButtonHint),
      m_body(new QWidget(this)), m_bar(new TDlgButtonBar(this)) {
    SetEscCancels(true);
    m_ok = m_bar->AddButton(QStringLiteral("确定(&O)"));
    m_cancel = m_bar->AddButton(QStringLiteral("取消"));
    m_help = m_bar->AddButton(QStringLiteral("帮助"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [this] { ShowHelp(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_body, 1);
    layout->addWidget(m_bar);
    resize(469, 270);
}

void TADlgFrm::done(int result) {
    if (result == Accepted && !RunCloseQuery())
        return;
    TaFrm::done(result);
}

bool TADlgFrm::RunCloseQuery() {
    try {
        return CloseQuery();
    } catch (const EAbort&) {
        return false;
    } catch (const EOrbelError& e) {
        ShowInfo(e.Message());
        return false;
    }
}

bool TADlgFrm::Refuse(QWidget* field, const QString& message) {
    ShowInfo(message);
    if (field) {
        field->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(field))
            edit->selectAll();
        else if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit())
            combo->lineEdit()->selectAll();
        else if (auto* spin = qobject_cast<QAbstractSpinBox*>(field))
            spin->selectAll();
    }
    return false;
}

bool TADlgFrm::ExecAndSave(const std::function<void()>& save) {
    while (exec() == Accepted) {
        try {
            save();
            return true;
        } catch (const EAbort&) {
        } catch (const EOrbelError& e) {
            ShowInfo(e.Message());
        }
    }
    return false;
}
