#include "screens/HouseAddDlgFrm.h"

#include "operations/HouseMgr.h"

#include <QLabel>
#include <QStyle>

THouseAddDlgFrm::THouseAddDlgFrm(THouseMgr& houses, QWidget* parent) : TAddDlgFrm(parent) {
    setObjectName(QStringLiteral("HouseAddDlgFrm"));
    const QString code = houses.HasCurrent() ? houses.CodeFld()->AsString() : QString();
    CurrentLine()->setText(QStringLiteral("当前房源：%1").arg(code));
    THouseMgr* mgr = &houses;
    AddIcon(QStringLiteral("跟踪记录"), style()->standardIcon(QStyle::SP_FileDialogDetailedView),
            [mgr] { mgr->VisitAddClick(); });
    AddIcon(QStringLiteral("成交记录"), style()->standardIcon(QStyle::SP_DialogApplyButton),
            [mgr] { mgr->DealAddClick(); });
    SetMainCommand(QStringLiteral("新房源"), [mgr] { mgr->AddClick(); });
}
