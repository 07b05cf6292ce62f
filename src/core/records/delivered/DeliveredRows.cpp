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

bool TDeliveredRows::Exists(TDatabase& db, const QString& sql, const TDBParameters& params) {
    QSqlQuery query(db.EnsureOpen());
    db.Exec(query, sql, params);
    return query.next();
}

bool TDeliveredRows::IsEmpty(TDatabase& db, const QString& table) {
    return !Exists(db, QStringLiteral("select top 1 1 from [%1]").arg(table));
}

QString TDeliveredRows::Lines(const QStringList& items) { return items.join(QStringLiteral("\r\n")); }
