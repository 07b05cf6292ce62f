#pragma once

// Helpers shared by the record set tests: rows written as another program would
// write them, one-off counts, and values given as "Name=value;Name=value" text.

#include "data/Database.h"
#include "data/RecordSet.h"

#include <QStringList>
#include <QVariantMap>

// Inserts one row with these column values.
inline void InsertRow(const QString& table, const QVariantMap& values) {
    QStringList columns, names;
    TDBParameters params;
    for (auto it = values.begin(); it != values.end(); ++it) {
        columns << u'[' + it.key() + u']';
        names << u':' + it.key();
        params << Param(it.key(), it.value());
    }
    DbConnection().Execute(QStringLiteral("insert into %1(%2) values(%3)")
                               .arg(table, columns.join(u','), names.join(u',')),
                           params);
}

// The first value of a one-off query, NULL when it returns no row.
inline QVariant ScalarOf(const QString& sql, const TDBParameters& params = {}) {
    TRecordSet& scratch = ScratchSet();
    scratch.Open(sql, params);
    const QVariant v =
        scratch.DataSet()->IsEmpty() ? QVariant() : scratch.DataSet()->Field(0)->Value();
    scratch.Close();
    return v;
}

inline int CountOf(const QString& sql, const TDBParameters& params = {}) {
    return ScalarOf(sql, params).toInt();
}

// "Room=3;Hall=2" as pairs; a value may be empty.
inline QList<QPair<QString, QString>> Pairs(const QString& text) {
    QList<QPair<QString, QString>> pairs;
    for (const QString& part : text.split(u';', Qt::SkipEmptyParts))
        pairs << qMakePair(part.section(u'=', 0, 0), part.section(u'=', 1));
    return pairs;
}

// Sets fields of the row being edited from "Name=value;…" text.
inline void SetFields(TDataSet* ds, const QString& text) {
    for (const auto& [name, value] : Pairs(text))
        ds->FieldByName(name)->SetAsString(value);
}

// The text of a field in every row of the set, joined by commas.
inline QString Column(TRecordSet& set, TField* field) {
    return set.JoinValues(field, QStringLiteral(","));
}

// Gives every stored field that the insert and update write a value of its kind
// that depends on `seed`, so that two seeds differ in every column.
inline void FillWritableFields(TDataSet* ds, int seed) {
    for (TField* f : ds->Fields()) {
        const QString name = f->FieldName();
        if (f->Calculated() || name == QLatin1String("Id") || name == QLatin1String("AddTime") ||
            name == QLatin1String("Imagex"))
            continue;
        const int n = seed * 100 + f->Index();
        switch (f->Kind()) {
        case TFieldKind::Integer:
            f->SetAsInteger(n);
            break;
        case TFieldKind::Float:
            f->SetAsFloat(n + 0.25);
            break;
        case TFieldKind::Boolean:
            f->SetAsBoolean(seed % 2 == 1);
            break;
        case TFieldKind::DateTime:
            f->SetAsDateTime(QDateTime(QDate(2010 + seed, 1 + f->Index() % 12, 1 + f->Index() % 28),
                                       QTime(f->Index() % 24, seed, 0)));
            break;
        case TFieldKind::Memo:
            f->SetAsString(QStringLiteral("长文本'%1").arg(n));
            break;
        default:
            f->SetAsString(QStringLiteral("文%1").arg(n));
        }
    }
}

// The names of the fields whose text differs between the current rows of a and b.
inline QStringList DifferentFields(TDataSet* a, TDataSet* b) {
    QStringList names;
    for (TField* f : a->Fields()) {
        if (f->FieldName() == QLatin1String("AddTime"))
            continue;
        if (f->AsString() != b->FieldByName(f->FieldName())->AsString())
            names << f->FieldName();
    }
    return names;
}
