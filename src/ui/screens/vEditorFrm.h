#pragma once

#include "app/ADlgFrm.h"
#include "operations/PropertyEditor.h"

#include <QHash>

#include <functional>
#include <initializer_list>

class QGridLayout;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class TzyComboBox;
class TWidgetHook;
class TzyEdit;

// Base of the house and client editors. Every published property is served by a
// binding to the control that shows it: the caller writes and reads properties by
// name and never sees the controls. Confidential values (door number, contacts,
// floor prices) are kept apart from their boxes, which show "*****" unless they
// hold the focus. When shown, the first-focus control takes the focus, or the
// fallback control when the first one is disabled.
class TvEditorFrm : public TADlgFrm {
    Q_OBJECT
  public:
    // What a box holding a confidential value shows while it does not have the focus.
    static const QString kMask;

    TvEditorFrm(const TEditorProperties& published, QWidget* parent = nullptr);
    ~TvEditorFrm() override;

    // The value of a published property, converted to its kind; a box holding text
    // that is not a number fails with the conversion message naming the text.
    QVariant ReadProperty(const QString& name) const;
    void WriteProperty(const QString& name, const QVariant& value);
    TPropertyKind KindOfProperty(const QString& name) const;

    // Pick list `index` of the options list, one item per line.
    static QStringList PickList(int index);

  protected:
    void showEvent(QShowEvent* event) override;

    void SetFocusControls(QWidget* first, QWidget* fallback);
    // Disabled in the form colour when codes are generated automatically (key-value
    // flag 9, on when missing), else enabled in the window colour.
    void ApplyAutomaticCode(TzyEdit* codeBox);

    // Controls bound to the property `name`; the kind of the property decides how a
    // box reads and writes. Numeric and date boxes switch the input method off.
    TzyEdit* Box(const QString& name);
    TzyComboBox* Combo(const QString& name, const QStringList& items);
    QPlainTextEdit* Memo(const QString& name);
    // Confidential boxes: masked while they do not have the focus.
    TzyEdit* SecretBox(const QString& name);
    QPlainTextEdit* SecretMemo(const QString& name);
    void Bind(const QString& name, std::function<QVariant()> read,
              std::function<void(const QVariant&)> write);
    // Switches the input method off while the control has the focus.
    static void InputMethodOff(QWidget* control);
    // Runs a command of the window; its error is shown and the window stays as it is.
    static void Guarded(const std::function<void()>& command);

    // The real value of a confidential box, whether or not it is shown.
    QString SecretOf(QWidget* box) const;
    void SetSecret(QWidget* box, const QString& value);

    // Layout helpers: a framed group with a grid, a caption, several controls and
    // captions in one line, and a captioned field at grid column pair `col`.
    QGroupBox* Group(const QString& title, QGridLayout*& grid);
    static QLabel* Label(const QString& text);
    static QWidget* Inline(std::initializer_list<QWidget*> parts);
    static void Put(QGridLayout* grid, int row, int col, const QString& caption, QWidget* field,
                    int span = 1);

  private:
    struct TBinding {
        std::function<QVariant()> read;
        std::function<void(const QVariant&)> write;
    };
    struct TSecret {
        QString value;
        bool revealed = false;
    };

    const TBinding& BindingOf(const QString& name) const;
    QVariant ReadBox(const TzyEdit* box, TPropertyKind kind) const;
    void WriteBox(TzyEdit* box, TPropertyKind kind, const QVariant& value);
    void AttachSecret(QWidget* box, const QString& name);
    void Reveal(QWidget* box);
    void Conceal(QWidget* box);
    void FocusFirst();
    void SecretEvent(QWidget* box, QEvent* event);

    const TEditorProperties& m_published;
    QHash<QString, TBinding> m_bindings;
    QHash<QWidget*, TSecret> m_secrets;
    QWidget* m_first = nullptr;
    QWidget* m_fallback = nullptr;
    TWidgetHook* m_secretHook;
};
