#pragma once

#include "operations/HintSet.h"

// Due reminders of deals, with the code of the house dealt.
class THouseDealHintSet : public THintSet {
    Q_OBJECT
  public:
    explicit THouseDealHintSet(QObject* parent = nullptr);
};
