#pragma once

#include <QString>

// Text to number as the settings store them; a text that is not a number raises
// an error naming it.
qint64 StrToInt(const QString& text);
// As StrToInt, for values that must fit a 32-bit integer.
int StrToInt32(const QString& text);
// A decimal amount kept to four places (".0504", "66", "5.04").
double StrToAmount(const QString& text);
