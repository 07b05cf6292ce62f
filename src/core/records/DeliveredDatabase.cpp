#include "records/DeliveredDatabase.h"

#include "data/Database.h"
#include "data/RecordSet.h"
#include "records/Schema.h"

namespace {

// The reached step lives in keyvalue under a key no switch uses.
constexpr int kStepKey = 9000;

void SetStep(TDatabase& db, int step) {
    db.Execute(QStringLiteral("delete from keyvalue where KeyId=:KeyId"),
               {Param(QStringLiteral("KeyId"), kStepKey)});
    db.Execute(QStringLiteral("insert into keyvalue(KeyId, Vint) values (:KeyId, :Vint)"),
               {Param(QStringLiteral("KeyId"), kStepKey), Param(QStringLiteral("Vint"), step)});
}

} // namespace

int TDeliveredDatabase::LatestStep() {
    return 1;
}

int TDeliveredDatabase::CurrentStep(TDatabase& db) {
    if (!TSchema::Exists(db))
        return 0;
    TRecordSet& scratch = ScratchSet();
    scratch.Open(QStringLiteral("select Vint from keyvalue where KeyId=:KeyId"),
                 {Param(QStringLiteral("KeyId"), kStepKey)});
    const int step = scratch.DataSet()->IsEmpty() ? 1 : scratch.DataSet()->Field(0)->AsInteger();
    scratch.Close();
    return step;
}

void TDeliveredDatabase::InstallSettings(TDatabase& db) {
    if (CurrentStep(db) < 1) {
        TSchema::Create(db);
        SetStep(db, 1);
    }
}

void TDeliveredDatabase::InstallAll(TDatabase& db) {
    InstallSettings(db);
}
