#include "records/delivered/DeliveredRows.h"

#include "data/Database.h"

#include <QSqlQuery>

void TDeliveredRows::Insert(TDatabase& db, const QString& table, const TDBParameters& values) {
    QStringList columns;
    QStringList placeholders;
    for (const TDBParameter& p : values) {
        columns << QLatin1Char('[') + p.Name + QLatin1Char(']');
        placeholders << QLatin1Char(':') + p.Name;
    }
    db.Execute(QStringLiteral("insert into [%1](%2)values(%3)")
                   .arg(table, columns.join(u','), placeholders.join(u',')),
               values);
}

namespace {

// Keeps a statement well below the smallest limit on parameters of the engines.
constexpr int kMaxParameters = 150;

void InsertBatch(TDatabase& db, const QString& table, const QList<TDBParameters>& rows,
                 qsizetype first, qsizetype count) {
    QStringList columns;
    for (const TDBParameter& p : rows[first])
        columns << QLatin1Char('[') + p.Name + QLatin1Char(']');
    QStringList tuples;
    TDBParameters params;
    for (qsizetype r = first; r < first + count; ++r) {
        QStringList placeholders;
        for (const TDBParameter& p : rows[r]) {
            const QString name = QStringLiteral("%1_%2").arg(p.Name).arg(r - first);
            placeholders << QLatin1Char(':') + name;
            params << Param(name, p.Value);
        }
        tuples << QLatin1Char('(') + placeholders.join(u',') + QLatin1Char(')');
    }
    db.Execute(QStringLiteral("insert into [%1](%2)values%3")
                   .arg(table, columns.join(u','), tuples.join(u',')),
               params);
}

} // namespace

void TDeliveredRows::InsertMany(TDatabase& db, const QString& table,
                                const QList<TDBParameters>& rows) {
    if (rows.isEmpty())
        return;
    const qsizetype perStatement = qMax<qsizetype>(1, kMaxParameters / rows.first().size());
    for (qsizetype first = 0; first < rows.size(); first += perStatement)
        InsertBatch(db, table, rows, first, qMin(perStatement, rows.size() - first));
}

bool TDeliveredRows::Exists(TDatabase& db, const QString& sql, const TDBParameters& params) {
    QSqlQuery query(db.EnsureOpen());
    db.Exec(query, sql, params);
    return query.next();
}

bool TDeliveredRows::IsEmpty(TDatabase& db, const QString& table) {
    return !Exists(db, QStringLiteral("select top 1 1 from [%1]").arg(table));
}

QString TDeliveredRows::Lines(const QStringList& items) {
    return items.join(QStringLiteral("\r\n"));
}
