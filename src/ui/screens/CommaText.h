#pragma once

#include <QStringList>

// Comma lists as the multiple-choice fields store them: items separated by commas
// or blanks, an item holding blanks, commas or quotes written in double quotes
// with its quotes doubled.
QStringList SplitCommaText(const QString& text);
QString JoinCommaText(const QStringList& items);
