#pragma once

#include <QHash>
#include <QString>

// The Key=Value; pairs of a connection string, keys compared without regard to
// case and surrounding blanks.
QHash<QString, QString> ParseConnectionString(const QString& text);
