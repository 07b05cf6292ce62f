#include "screens/vEditorFrm.h"

#include "screens/WidgetHook.h"

#include "app/Error.h"
#include "app/Messenger.h"
#include "data/KeyValue.h"
#include "data/Options.h"
#include "toolkit/FocusColor.h"
#include "toolkit/zyComboBox.h"
#include "toolkit/zyEdit.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>

const QString TvEditorFrm::kMask = QStringLiteral("*****");

namespace {

const char* const kWrittenText = "orbelWrittenText";

// A memo shows line breaks as LF; the stored texts break lines with CR LF. A memo
// whose text was not edited gives back exactly what was written into it.
QString MemoText(const QPlainTextEdit* memo) {
    const QString shown = memo->toPlainText();
    const QString written = memo->property(kWrittenText).toString();
    if (shown == QString(written).replace(QStringLiteral("\r\n"), QStringLiteral("\n")))
        return written;
    return QString(shown).replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

void SetMemoText(QPlainTextEdit* memo, const QString& text) {
    memo->setProperty(kWrittenText, text);
    memo->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

QString BoxText(const QWidget* box) {
    if (auto* memo = qobject_cast<const QPlainTextEdit*>(box))
        return MemoText(memo);
    return static_cast<const QLineEdit*>(box)->text();
}

void SetBoxText(QWidget* box, const QString& text) {
    if (auto* memo = qobject_cast<QPlainTextEdit*>(box))
        SetMemoText(memo, text);
    else
        static_cast<QLineEdit*>(box)->setText(text);
}

bool IsNumberOrDate(TPropertyKind kind) {
    return kind != TPropertyKind::Text;
}

} // namespace

TvEditorFrm::TvEditorFrm(const TEditorProperties& published, QWidget* parent)
    : TADlgFrm(parent), m_published(published),
      m_secretHook(
          new TWidgetHook(this, [this](QWidget* box, QEvent* event) { SecretEvent(box, event); })) {
}

// Hiding the window on destruction takes the focus from a confidential box; by
// then the stored values are gone, so the masking stops first.
TvEditorFrm::~TvEditorFrm() {
    delete m_secretHook;
}

TPropertyKind TvEditorFrm::KindOfProperty(const QString& name) const {
    for (const TEditorProperty& p : m_published)
        if (p.Name == name)
            return p.Kind;
    throw EOrbelError(QStringLiteral("编辑窗口没有属性 %1").arg(name));
}

const TvEditorFrm::TBinding& TvEditorFrm::BindingOf(const QString& name) const {
    const auto it = m_bindings.constFind(name);
    if (it == m_bindings.constEnd())
        throw EOrbelError(QStringLiteral("编辑窗口没有属性 %1").arg(name));
    return it.value();
}

QVariant TvEditorFrm::ReadProperty(const QString& name) const {
    return TPropertyEditor::Normalize(KindOfProperty(name), BindingOf(name).read());
}

void TvEditorFrm::WriteProperty(const QString& name, const QVariant& value) {
    BindingOf(name).write(TPropertyEditor::Normalize(KindOfProperty(name), value));
}

QStringList TvEditorFrm::PickList(int index) {
    QString text = ProgramOptions().GetByIndex(index);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

void TvEditorFrm::Bind(const QString& name, std::function<QVariant()> read,
                       std::function<void(const QVariant&)> write) {
    KindOfProperty(name); // only published properties are bound
    m_bindings.insert(name, TBinding{std::move(read), std::move(write)});
}

void TvEditorFrm::InputMethodOff(QWidget* control) {
    control->setAttribute(Qt::WA_InputMethodEnabled, false);
}

void TvEditorFrm::Guarded(const std::function<void()>& command) {
    try {
        command();
    } catch (const EAbort&) {
    } catch (const EOrbelError& e) {
        ShowInfo(e.Message());
    }
}

// ---- controls -------------------------------------------------------------------

QVariant TvEditorFrm::ReadBox(const TzyEdit* box, TPropertyKind kind) const {
    switch (kind) {
    case TPropertyKind::Integer:
        return box->AsInteger();
    case TPropertyKind::Decimal:
    case TPropertyKind::Money:
        return box->AsDouble();
    case TPropertyKind::DateTime:
        return box->AsDateTime();
    case TPropertyKind::Date:
    case TPropertyKind::OptionalDate: {
        const QDate d = box->AsDate();
        return d.isValid() ? QVariant(d.startOfDay()) : QVariant();
    }
    default:
        return box->text();
    }
}

void TvEditorFrm::WriteBox(TzyEdit* box, TPropertyKind kind, const QVariant& value) {
    switch (kind) {
    case TPropertyKind::Integer:
        box->SetAsInteger(value.toInt());
        break;
    case TPropertyKind::Decimal:
    case TPropertyKind::Money:
        box->SetAsDouble(value.toDouble());
        break;
    case TPropertyKind::DateTime: {
        // A date without a time of day shows as the date alone.
        const QDateTime dt = value.toDateTime();
        if (dt.isValid() && dt.time() == QTime(0, 0))
            box->SetAsDate(dt.date());
        else
            box->SetAsDateTime(dt);
        break;
    }
    case TPropertyKind::Date:
    case TPropertyKind::OptionalDate:
        box->SetAsDate(value.toDateTime().date());
        break;
    default:
        box->setText(value.toString());
    }
}

TzyEdit* TvEditorFrm::Box(const QString& name) {
    auto* box = new TzyEdit;
    box->setObjectName(QStringLiteral("edt") + name + u'1');
    const TPropertyKind kind = KindOfProperty(name);
    if (IsNumberOrDate(kind))
        InputMethodOff(box);
    Bind(
        name, [this, box, kind] { return ReadBox(box, kind); },
        [this, box, kind](const QVariant& v) { WriteBox(box, kind, v); });
    return box;
}

TzyComboBox* TvEditorFrm::Combo(const QString& name, const QStringList& items) {
    auto* combo = new TzyComboBox;
    combo->setObjectName(QStringLiteral("cmb") + name + u'1');
    combo->setEditable(true);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(4);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setEditText(QString());
    Bind(
        name, [combo] { return combo->currentText(); },
        [combo](const QVariant& v) { combo->setEditText(v.toString()); });
    return combo;
}

QPlainTextEdit* TvEditorFrm::Memo(const QString& name) {
    auto* memo = new QPlainTextEdit;
    memo->setObjectName(QStringLiteral("mm") + name + u'1');
    memo->setTabChangesFocus(true);
    Bind(
        name, [memo] { return MemoText(memo); },
        [memo](const QVariant& v) { SetMemoText(memo, v.toString()); });
    return memo;
}

TzyEdit* TvEditorFrm::SecretBox(const QString& name) {
    auto* box = new TzyEdit;
    box->setObjectName(QStringLiteral("edt") + name + u'1');
    AttachSecret(box, name);
    return box;
}

QPlainTextEdit* TvEditorFrm::SecretMemo(const QString& name) {
    auto* memo = new QPlainTextEdit;
    memo->setObjectName(QStringLiteral("mm") + name + u'1');
    memo->setTabChangesFocus(true);
    AttachSecret(memo, name);
    return memo;
}

// ---- confidential values ----------------------------------------------------------

void TvEditorFrm::AttachSecret(QWidget* box, const QString& name) {
    m_secrets.insert(box, TSecret{});
    m_secretHook->Watch(box);
    Bind(
        name, [this, box] { return SecretOf(box); },
        [this, box](const QVariant& v) { SetSecret(box, v.toString()); });
}

QString TvEditorFrm::SecretOf(QWidget* box) const {
    const TSecret& secret = m_secrets[box];
    return secret.revealed ? BoxText(box) : secret.value;
}

void TvEditorFrm::SetSecret(QWidget* box, const QString& value) {
    TSecret& secret = m_secrets[box];
    secret.value = value;
    if (secret.revealed)
        SetBoxText(box, value);
    else
        SetBoxText(box, value.isEmpty() ? QString() : kMask);
}

void TvEditorFrm::Reveal(QWidget* box) {
    TSecret& secret = m_secrets[box];
    if (secret.revealed)
        return;
    secret.revealed = true;
    SetBoxText(box, secret.value);
}

void TvEditorFrm::Conceal(QWidget* box) {
    TSecret& secret = m_secrets[box];
    if (!secret.revealed)
        return;
    secret.value = BoxText(box);
    secret.revealed = false;
    SetBoxText(box, secret.value.trimmed().isEmpty() ? QString() : kMask);
}

void TvEditorFrm::SecretEvent(QWidget* box, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        Reveal(box);
    else if (event->type() == QEvent::FocusOut)
        Conceal(box);
}

// ---- focus and switches -----------------------------------------------------------

void TvEditorFrm::SetFocusControls(QWidget* first, QWidget* fallback) {
    m_first = first;
    m_fallback = fallback;
}

void TvEditorFrm::showEvent(QShowEvent* event) {
    TADlgFrm::showEvent(event);
    if (!event->spontaneous())
        FocusFirst();
}

void TvEditorFrm::FocusFirst() {
    QWidget* target = m_first && m_first->isEnabled() ? m_first : m_fallback;
    if (target)
        target->setFocus(Qt::OtherFocusReason);
}

void TvEditorFrm::ApplyAutomaticCode(TzyEdit* codeBox) {
    const bool automatic = TKeyValue().GetFlag(TKeyValue::kAutomaticCodes, true);
    codeBox->setEnabled(!automatic);
    SetBackground(codeBox, palette().color(automatic ? QPalette::Window : QPalette::Base));
}

// ---- layout -----------------------------------------------------------------------

QGroupBox* TvEditorFrm::Group(const QString& title, QGridLayout*& grid) {
    auto* group = new QGroupBox(title);
    grid = new QGridLayout(group);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    return group;
}

QLabel* TvEditorFrm::Label(const QString& text) {
    return new QLabel(text);
}

QWidget* TvEditorFrm::Inline(std::initializer_list<QWidget*> parts) {
    auto* line = new QWidget;
    auto* layout = new QHBoxLayout(line);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    for (QWidget* part : parts)
        layout->addWidget(part, qobject_cast<QLabel*>(part) ? 0 : 1);
    return line;
}

void TvEditorFrm::Put(QGridLayout* grid, int row, int col, const QString& caption, QWidget* field,
                      int span) {
    auto* label = new QLabel(caption);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(label, row, col * 2);
    grid->addWidget(field, row, col * 2 + 1, 1, span * 2 - 1);
}
