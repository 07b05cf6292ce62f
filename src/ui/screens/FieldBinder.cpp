#include "screens/FieldBinder.h"

#include "data/DataSet.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>

namespace {

QString Shown(const TField& field, const TFieldBinder::TFormat& format) {
    return format ? format(field) : field.DisplayText();
}

} // namespace

TFieldBinder::TFieldBinder(TDataSet* data, QObject* parent) : QObject(parent), m_data(data) {
    for (auto signal : {&TDataSet::AfterScroll, &TDataSet::DataChanged, &TDataSet::LayoutReset,
                        &TDataSet::AfterOpen, &TDataSet::AfterClose})
        connect(data, signal, this, &TFieldBinder::Refresh);
}

void TFieldBinder::Add(std::function<void()> update) {
    update();
    m_updates.push_back(std::move(update));
}

void TFieldBinder::Bind(QLineEdit* box, TField* field, TFormat format) {
    box->setReadOnly(true);
    QPointer<QLineEdit> guard(box);
    Add([guard, field, format] {
        if (guard) {
            guard->setText(Shown(*field, format));
            guard->setCursorPosition(0);
        }
    });
}

void TFieldBinder::Bind(QLabel* label, TField* field, TFormat format) {
    QPointer<QLabel> guard(label);
    Add([guard, field, format] {
        if (guard)
            guard->setText(Shown(*field, format));
    });
}

void TFieldBinder::Bind(QPlainTextEdit* memo, TField* field) {
    memo->setReadOnly(true);
    QPointer<QPlainTextEdit> guard(memo);
    Add([guard, field] {
        if (guard)
            guard->setPlainText(field->AsString().remove(u'\r'));
    });
}

void TFieldBinder::Refresh() {
    for (const auto& update : m_updates)
        update();
}

QString TFieldBinder::DateText(const TField& field) {
    const QDateTime when = field.AsDateTime();
    return when.isValid() ? when.toString(QStringLiteral("yyyy-MM-dd")) : QString();
}

QString TFieldBinder::AmountText(const TField& field) {
    if (field.IsNull())
        return QString();
    QString text = QString::number(field.AsFloat(), 'f', 2);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text;
}
