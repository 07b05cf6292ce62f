#include "OperatorScreens.h"

#include "data/Company.h"
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
