#pragma once

#include <QHash>
#include <QStringList>
#include <QVariant>

#include <functional>

class QAbstractButton;
class QComboBox;
class QDateTimeEdit;
class QLineEdit;
class QPlainTextEdit;
class TPropertyEditor;

// The published properties of a dialog, each served by one of its controls. A
// value written is converted to the property's kind before the control gets it;
// a value read is the control's content converted to that kind, which may fail
// with the conversion message of the kind.
class TDialogProperties {
  public:
    using TGetter = std::function<QVariant()>;
    using TSetter = std::function<void(const QVariant&)>;

    explicit TDialogProperties(const TPropertyEditor& owner) : m_owner(owner) {}

    void Bind(const QString& name, TGetter get, TSetter set);
    // The text of an edit box, an editable or list-only combo box, or a memo.
    void BindText(const QString& name, QLineEdit* edit);
    void BindText(const QString& name, QComboBox* combo);
    void BindText(const QString& name, QPlainTextEdit* memo);
    // Whether a check box or radio button is checked.
    void BindFlag(const QString& name, QAbstractButton* button);
    // The value of a date picker.
    void BindDateTime(const QString& name, QDateTimeEdit* picker);

    QVariant Get(const QString& name) const;
    void Set(const QString& name, const QVariant& value);
    // Published properties that no control serves.
    QStringList Unbound() const;

  private:
    struct TBinding {
        TGetter get;
        TSetter set;
    };
    const TBinding& BindingOf(const QString& name) const;

    const TPropertyEditor& m_owner;
    QHash<QString, TBinding> m_bindings;
};
