#pragma once

#include "data/DBParameter.h"

#include <QString>

// Builds the condition of a list search clause by clause. Each clause names its
// values as parameters (:Name); a value is bound, never written into the text, so
// quotes, % and _ in it are plain data. Patterns for "like" clauses are made by
// Contains: the text between % signs with %, _ and \ escaped, for clauses ending
// in "escape '\'".
class TSearchBuilder {
public:
    explicit TSearchBuilder(const QString& start) : m_condition(start) {}

    // Appends the clause with every parameter in it bound to `value`.
    void Add(const QString& clause, const QVariant& value);
    // Appends the clause with its parameters as given.
    void Add(const QString& clause, const TDBParameters& params = {});
    // Appends the clause when the text is not empty.
    void AddText(const QString& text, const QString& clause);
    // Appends a "like" clause matching rows that contain the text, when not empty.
    void AddContains(const QString& text, const QString& clause);

    const QString& Condition() const { return m_condition; }
    const TDBParameters& Params() const { return m_params; }

    // "%text%" with the pattern characters of the text escaped by '\'.
    static QString Contains(const QString& text);

private:
    QString m_condition;
    TDBParameters m_params;
};
