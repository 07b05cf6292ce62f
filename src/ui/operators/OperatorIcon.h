#pragma once

#include <QIcon>

// The picture of an operator: a head and shoulders, drawn so that it needs no
// icon theme.
QIcon OperatorIcon();
