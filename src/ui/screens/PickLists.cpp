#include "screens/PickLists.h"

#include "operators/OperatorSet.h"

#include <QRegularExpression>

namespace PickLists {

QStringList OperatorIds() {
    TOperatorSet operators;
    return Items(operators.JoinValues(operators.UserIdField(), QStringLiteral("\r\n")));
}

QStringList Items(const QString& optionText) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    return optionText.split(lineBreak, Qt::SkipEmptyParts);
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
