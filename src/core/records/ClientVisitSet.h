#pragma once

#include "records/VisitSet.h"

// Follow-ups of a client, in the order the database returns them.
class TClientVisitSet : public TVisitSet {
    Q_OBJECT
  public:
    explicit TClientVisitSet(TDatabase* db = nullptr)
        : TVisitSet(QStringLiteral("clientvisits"), QStringLiteral("ClientId"), QString(), db) {}

    void OpenByClient(int clientId) { OpenByParent(clientId); }
    TField* ClientIdFld() const { return ParentIdFld(); }
};
