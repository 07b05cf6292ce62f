#include "records/DeliveredDatabase.h"

#include "data/Database.h"
#include "records/Schema.h"
#include "records/delivered/DeliveredCompany.h"
#include "records/delivered/DeliveredOperators.h"
#include "records/delivered/DeliveredOptions.h"
#include "records/delivered/DeliveredRates.h"
#include "records/delivered/DeliveredReports.h"
#include "records/delivered/DeliveredSwitches.h"
#include "records/delivered/DeliveredTaxes.h"
#include "records/delivered/DemoAgency.h"

#include <QSqlQuery>

namespace {

// The reached step lives in keyvalue under a key no switch uses.
constexpr int kStepKey = 9000;

void CreateTables(TDatabase& db) {
    for (const QString& sql : TSchema::CreateStatements(db.IsSqlServer()))
        db.Execute(sql);
}

// The steps in the order they run. A later version appends its steps; a step
// never changes once delivered. Demonstration steps belong to a brand-new
// database only: installing the settings passes over them.
struct TStep {
    int number;
    bool demo;
    void (*run)(TDatabase&);
};
const TStep kSteps[] = {
    {1, false, CreateTables},
    {2, false, TDeliveredOptions::Install},
    {3, false, TDeliveredSwitches::Install},
    {4, false, TDeliveredRates::Install},
    {5, false, TDeliveredTaxes::Install},
    {6, false, TDeliveredOperators::Install},
    {7, false, TDeliveredCompany::Install},
    {8, false, TDeliveredReports::Install},
    {9, true, TDemoAgency::Install},
};

void SetStep(TDatabase& db, int step) {
    db.Execute(QStringLiteral("delete from keyvalue where KeyId=:KeyId"),
               {Param(QStringLiteral("KeyId"), kStepKey)});
    db.Execute(QStringLiteral("insert into keyvalue(KeyId, Vint) values (:KeyId, :Vint)"),
               {Param(QStringLiteral("KeyId"), kStepKey), Param(QStringLiteral("Vint"), step)});
}

// Runs each step after the reached one in its own transaction, storing the step
// with it, so a failure leaves the database at the last complete step.
void RunSteps(TDatabase& db, bool withDemo) {
    const int reached = TDeliveredDatabase::CurrentStep(db);
    for (const TStep& step : kSteps) {
        if (step.number <= reached || (step.demo && !withDemo))
            continue;
        TTransaction transaction(db);
        step.run(db);
        SetStep(db, step.number);
        transaction.Commit();
    }
}

} // namespace

int TDeliveredDatabase::LatestStep() { return std::end(kSteps)[-1].number; }

int TDeliveredDatabase::CurrentStep(TDatabase& db) {
    if (!TSchema::Exists(db))
        return 0;
    // Tables without a stored step were made elsewhere: they count as step 1.
    QSqlQuery query(db.EnsureOpen());
    db.Exec(query, QStringLiteral("select Vint from keyvalue where KeyId=:KeyId"),
            {Param(QStringLiteral("KeyId"), kStepKey)});
    return query.next() ? query.value(0).toInt() : 1;
}

void TDeliveredDatabase::InstallSettings(TDatabase& db) { RunSteps(db, false); }

void TDeliveredDatabase::InstallAll(TDatabase& db) { RunSteps(db, true); }
