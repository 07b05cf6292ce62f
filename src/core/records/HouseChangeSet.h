#pragma once

#include "records/ChangeSet.h"

// The change log of a listing.
class THouseChangeSet : public TChangeSet {
    Q_OBJECT
  public:
    explicit THouseChangeSet(TDatabase* db = nullptr)
        : TChangeSet(QStringLiteral("housechanges"), QStringLiteral("HouseId"), db) {}

    void OpenByHouse(int houseId) { OpenByParent(houseId); }
    TField* HouseIdFld() const { return ParentIdFld(); }
};
