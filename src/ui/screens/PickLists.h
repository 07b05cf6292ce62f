#pragma once

#include <QStringList>

// The lists the pickers and small dialogs offer in their combo boxes.
namespace PickLists {

// The login ids of all operators, sa included, in login id order.
QStringList OperatorIds();
// The items of a pick list text of the options list (one item per line).
QStringList Items(const QString& optionText);
// The whole numbers from `first` to `last` by `step`, as texts.
QStringList Numbers(int first, int last, int step = 1);
// The rents the searches offer: 100 to 800 by 100, then 1000 to 3000 in steps.
QStringList RentSteps();

} // namespace PickLists
