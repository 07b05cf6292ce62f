#include "screens/ClientAddDlgFrm.h"

#include "operations/ClientMgr.h"

#include <QLabel>
#include <QStyle>

TClientAddDlgFrm::TClientAddDlgFrm(TClientMgr& clients, QWidget* parent) : TAddDlgFrm(parent) {
    setObjectName(QStringLiteral("ClientAddDlgFrm"));
    const QString code = clients.HasCurrent() ? clients.CodeFld()->AsString() : QString();
    CurrentLine()->setText(QStringLiteral("当前客户：%1").arg(code));
    TClientMgr* mgr = &clients;
    AddIcon(QStringLiteral("跟踪记录"), style()->standardIcon(QStyle::SP_FileDialogDetailedView),
            [mgr] { mgr->VisitAddClick(); });
    SetMainCommand(QStringLiteral("新客户"), [mgr] { mgr->AddClick(); });
}
