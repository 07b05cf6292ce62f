#pragma once

#include <QString>
#include <QVariant>

class TField;

// How a stored value is compared with the value an editor gives back.
enum class TChangeRule {
    // As values of their types: numbers numerically, texts exactly, dates as
    // date-times; a stored NULL differs from every new value.
    Typed,
    // The stored value as its text, read as the new value's type: texts exactly;
    // a number or date against the text read as a number or date. An empty stored
    // text equals the empty value of the new type (empty text, 0, no date), so
    // records with empty numbers or dates compare and save like any other.
    Text
};

// Collects the change text of one save: one line per changed field,
//   label: "old" → "new"
// followed by CR LF, in the order the fields are compared.
class TChangeLog {
  public:
    explicit TChangeLog(TChangeRule rule) : m_rule(rule) {}

    // Compares the value of `field` on its data set's active row with `newValue`
    // and appends a line when they differ.
    void Compare(const TField& field, const QVariant& newValue);
    const QString& Text() const { return m_text; }
    bool IsEmpty() const { return m_text.isEmpty(); }

    static bool Differs(TChangeRule rule, const TField& field, const QVariant& newValue);
    // A value as the change text shows it: numbers in plain decimal form, dates as
    // "yyyy-mm-dd" with the time when it is not midnight.
    static QString ValueText(const QVariant& value);

  private:
    TChangeRule m_rule;
    QString m_text;
};
