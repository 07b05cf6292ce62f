#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

// Binds a value to the placeholder :Name of a statement. The variant's type
// decides the parameter's type; an invalid variant binds NULL.
struct TDBParameter {
    QString Name;
    QVariant Value;
};
using TDBParameters = QList<TDBParameter>;

inline TDBParameter Param(const QString& name, const QVariant& value) {
    return {name, value};
}

// Binds bytes (a picture, a template, a document) as a binary object to :Name.
struct TxDBParameter {
    QString Name;
    QByteArray Stream;
};
using TxDBParameters = QList<TxDBParameter>;
