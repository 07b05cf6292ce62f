#include "records/SearchBuilder.h"

#include "data/SqlText.h"

void TSearchBuilder::Add(const QString& clause, const QVariant& value) {
    m_condition += clause;
    QStringList seen;
    for (const QString& name : ToPositional(clause).names) {
        if (seen.contains(name))
            continue;
        seen << name;
        m_params << Param(name, value);
    }
}

void TSearchBuilder::Add(const QString& clause, const TDBParameters& params) {
    m_condition += clause;
    m_params << params;
}

void TSearchBuilder::AddText(const QString& text, const QString& clause) {
    if (!text.isEmpty())
        Add(clause, QVariant(text));
}

void TSearchBuilder::AddContains(const QString& text, const QString& clause) {
    if (!text.isEmpty())
        Add(clause, QVariant(Contains(text)));
}

QString TSearchBuilder::Contains(const QString& text) {
    QString pattern;
    pattern.reserve(text.size() + 4);
    pattern += u'%';
    for (const QChar c : text) {
        if (c == u'\\' || c == u'%' || c == u'_')
            pattern += u'\\';
        pattern += c;
    }
    pattern += u'%';
    return pattern;
}
