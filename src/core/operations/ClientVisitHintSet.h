#pragma once

#include "operations/VisitHintSet.h"

// Due follow-ups of clients.
class TClientVisitHintSet : public TVisitHintSet {
    Q_OBJECT
  public:
    explicit TClientVisitHintSet(QObject* parent = nullptr)
        : TVisitHintSet(QStringLiteral("client"), QStringLiteral("ClientId"),
                        QStringLiteral("ClientCode"), QStringLiteral("客户编号"), parent) {}
};
