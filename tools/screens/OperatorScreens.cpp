#include "OperatorScreens.h"

#include "data/Company.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include "operations/HintCenterFrm.h"
#include "operations/HintMgr.h"
#include "operations/RecycleboxFrm.h"
#include "operators/CompanyInfoFrm.h"
#include "operators/LoginFrm.h"
#include "operators/Operator.h"
#include "operators/OperatorEditorFrm.h"
#include "operators/OperatorsFrm.h"
#include "operators/PasswordChangerFrm.h"
#include "operators/Rights.h"

#include <QListWidget>

namespace {

// The business rights as the main window hands them over: those numbered
// below 10000, in the editor's order.
TOperatorsFrm::TRightList BusinessRights() {
    TOperatorsFrm::TRightList rights;
    for (const TRight& right : RightsTable()) {
        if (right.Number < rtCompanyInfo)
            rights << qMakePair(right.Caption, right.Number);
    }
    return rights;
}

TScreen Company(bool editable) {
    CurrentCompany().Load();
    auto dialog = std::make_unique<TCompanyInfoFrm>();
    dialog->SetReadOnly(!editable);
    dialog->ShowCompany(CurrentCompany());
    return TScreen{std::move(dialog), {}};
}

// Brings some follow-ups and deals of the demonstration agency into their
// reminder window when the demonstration data has none due today.
void EnsureDueReminders() {
    if (THintMgr().RefreshHints())
        return;
    TDatabase& db = DbConnection();
    const QDateTime soon = db.ServerNow().addDays(1);
    for (const char* table : {"housevisits", "deals", "clientvisits"}) {
        db.Execute(QStringLiteral("update %1 set HintDate=:HintDate, HintDays=3 where Id<=3")
                       .arg(QLatin1String(table)),
                   {Param(QStringLiteral("HintDate"), soon)});
    }
}

int Count(const QString& sql) {
    TRecordSet& scratch = ScratchSet();
    scratch.Open(sql);
    const int count = scratch.DataSet()->Field(0)->AsInteger();
    scratch.Close();
    return count;
}

// Puts a few demonstration houses into the recycle box when it is empty.
void EnsureRecycledHouses() {
    if (Count(QStringLiteral("select count(*) from house where abs(IsRecycle)=1")) > 0)
        return;
    DbConnection().Execute(QStringLiteral("update house set IsRecycle=1 where Id<=4"));
}

} // namespace

TScreen LoginScreen() {
    auto dialog = std::make_unique<TLoginFrm>();
    dialog->SetUserId(QStringLiteral("zhangmin"));
    dialog->SetPassword(QStringLiteral("secret"));
    return TScreen{std::move(dialog), {}};
}

TScreen PasswordChangerScreen() {
    auto dialog = std::make_unique<TPasswordChangerFrm>();
    dialog->SetUserId(QStringLiteral("zhangmin"));
    return TScreen{std::move(dialog), {}};
}

TScreen OperatorsScreen() {
    auto window = std::make_unique<TOperatorsFrm>(BusinessRights());
    QListWidget* list = window->List();
    if (list->count() > 0)
        list->item(0)->setSelected(true);
    return TScreen{std::move(window), {}};
}

TScreen OperatorEditorScreen() {
    auto window = std::make_unique<TOperatorsFrm>(BusinessRights());
    TOperatorEditorFrm* editor = window->Editor();
    TOperator manager;
    manager.LoadOperator(QStringLiteral("liqiang"));
    editor->SetUserId(manager.LoginId);
    editor->SetPasswd(manager.Password);
    editor->SetEmpName(manager.Name);
    editor->SetEmpTel(manager.Contact);
    editor->SetEmpNote(manager.Note);
    editor->SetRights(manager.Rights);
    return TScreen{std::move(window), [editor] {
                       editor->show();
                       return static_cast<QWidget*>(editor);
                   }};
}

TScreen CompanyEditScreen() {
    return Company(true);
}

TScreen CompanyReadOnlyScreen() {
    return Company(false);
}

TScreen RemindersScreen() {
    EnsureDueReminders();
    auto window = std::make_unique<THintCenterFrm>();
    window->LoadHints();
    return TScreen{std::move(window), {}};
}

TScreen RecycleBoxScreen() {
    EnsureRecycledHouses();
    return TScreen{std::make_unique<TRecycleboxFrm>(), {}};
}
