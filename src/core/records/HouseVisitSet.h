#pragma once

#include "records/VisitSet.h"

// Follow-ups of a listing, newest first.
class THouseVisitSet : public TVisitSet {
    Q_OBJECT
  public:
    explicit THouseVisitSet(TDatabase* db = nullptr)
        : TVisitSet(QStringLiteral("housevisits"), QStringLiteral("HouseId"),
                    QStringLiteral(" order by Id desc"), db) {}

    void OpenByHouse(int houseId) { OpenByParent(houseId); }
    TField* HouseIdFld() const { return ParentIdFld(); }
};
