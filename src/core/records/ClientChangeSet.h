#pragma once

#include "records/ChangeSet.h"

// The change log of a client.
class TClientChangeSet : public TChangeSet {
    Q_OBJECT
  public:
    explicit TClientChangeSet(TDatabase* db = nullptr)
        : TChangeSet(QStringLiteral("clientchanges"), QStringLiteral("ClientId"), db) {}

    void OpenByClient(int clientId) { OpenByParent(clientId); }
    TField* ClientIdFld() const { return ParentIdFld(); }
};
