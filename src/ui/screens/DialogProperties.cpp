#include "screens/DialogProperties.h"

#include "app/Error.h"
#include "operations/PropertyEditor.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPlainTextEdit>

void TDialogProperties::Bind(const QString& name, TGetter get, TSetter set) {
    m_owner.KindOf(name); // only published properties have controls
    m_bindings.insert(name, TBinding{std::move(get), std::move(set)});
}

void TDialogProperties::BindText(const QString& name, QLineEdit* edit) {
    Bind(
        name, [edit] { return QVariant(edit->text()); },
        [edit](const QVariant& v) { edit->setText(v.toString()); });
}

void TDialogProperties::BindText(const QString& name, QComboBox* combo) {
    Bind(
        name, [combo] { return QVariant(combo->currentText()); },
        [combo](const QVariant& v) {
            const QString text = v.toString();
            if (combo->isEditable()) {
                combo->setEditText(text);
                return;
            }
            combo->setCurrentIndex(combo->findText(text));
        });
}

void TDialogProperties::BindText(const QString& name, QPlainTextEdit* memo) {
    Bind(
        name, [memo] { return QVariant(memo->toPlainText()); },
        [memo](const QVariant& v) { memo->setPlainText(v.toString()); });
}

void TDialogProperties::BindFlag(const QString& name, QAbstractButton* button) {
    Bind(
        name, [button] { return QVariant(button->isChecked()); },
        [button](const QVariant& v) { button->setChecked(v.toBool()); });
}

void TDialogProperties::BindDateTime(const QString& name, QDateTimeEdit* picker) {
    Bind(
        name, [picker] { return QVariant(picker->dateTime()); },
        [picker](const QVariant& v) {
            const QDateTime d = v.toDateTime();
            picker->setDateTime(d.isValid() ? d : QDateTime::currentDateTime());
        });
}

const TDialogProperties::TBinding& TDialogProperties::BindingOf(const QString& name) const {
    const auto it = m_bindings.constFind(name);
    if (it == m_bindings.constEnd())
        throw EOrbelError(QStringLiteral("编辑窗口没有属性 %1").arg(name));
    return *it;
}

QVariant TDialogProperties::Get(const QString& name) const {
    return TPropertyEditor::Normalize(m_owner.KindOf(name), BindingOf(name).get());
}

void TDialogProperties::Set(const QString& name, const QVariant& value) {
    const TBinding& binding = BindingOf(name);
    binding.set(TPropertyEditor::Normalize(m_owner.KindOf(name), value));
}

QStringList TDialogProperties::Unbound() const {
    QStringList names;
    for (const TEditorProperty& p : m_owner.Properties())
        if (!m_bindings.contains(p.Name))
            names << p.Name;
    return names;
}
