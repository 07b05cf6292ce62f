#pragma once

#include "operations/VisitHintSet.h"

// Due follow-ups of houses.
class THouseVisitHintSet : public TVisitHintSet {
    Q_OBJECT
  public:
    explicit THouseVisitHintSet(QObject* parent = nullptr)
        : TVisitHintSet(QStringLiteral("house"), QStringLiteral("HouseId"),
                        QStringLiteral("HouseCode"), QStringLiteral("房源编号"), parent) {}
};
