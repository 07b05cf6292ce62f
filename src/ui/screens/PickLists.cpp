#include "screens/PickLists.h"

#include "data/Options.h"
#include "operators/OperatorSet.h"

namespace PickLists {

QStringList OperatorIds() {
    return TOperatorSet::AllLoginIds();
}

QStringList Items(const QString& optionText) {
    return TOptions::Items(optionText);
}

QStringList RentSteps() {
    return Numbers(100, 800, 100) +
           QStringList{"1000", "1200", "1400", "1500", "1600", "1800", "2000", "2500", "3000"};
}

QStringList Numbers(int first, int last, int step) {
    QStringList items;
    if (step > 0)
        for (int n = first; n <= last; n += step)
            items << QString::number(n);
    else
        for (int n = first; n >= last; n += step)
            items << QString::number(n);
    return items;
}

} // namespace PickLists
