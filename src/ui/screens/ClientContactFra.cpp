#include "screens/ClientContactFra.h"

#include "operations/ClientMgr.h"
#include "screens/CoverPanel.h"

TClientContactFra::TClientContactFra(TClientMgr& clients, QWidget* parent)
    : TFraBase(clients.DataSet(), parent),
      m_cover(new TCoverPanel(this, FormArea(), [&clients] { return clients.CanSeeContact(); })),
      m_follower(clients, [this] { m_cover->Update(); }) {
    AddBox(0, 0, QStringLiteral("客户姓名"), clients.LinkmanFld());
    AddBox(0, 1, QStringLiteral("性别"), clients.SexFld());
    AddBox(0, 2, QStringLiteral("联系电话"), clients.LinkTelFld(), 2);
    AddBox(1, 0, QStringLiteral("身份证号"), clients.IdCodeFld());
    AddBox(1, 1, QStringLiteral("从事行业"), clients.IndustryFld());
    AddBox(1, 2, QStringLiteral("地址"), clients.AddressFld(), 2);
    AddMemo(2, 0, QStringLiteral("联系备注"), clients.LinkNoteFld(), Pairs(), 4);
}
