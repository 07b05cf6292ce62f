#include "screens/HouseContactFra.h"

#include "operations/HouseMgr.h"
#include "screens/CoverPanel.h"

THouseContactFra::THouseContactFra(THouseMgr& houses, QWidget* parent)
    : TFraBase(houses.DataSet(), parent),
      m_cover(new TCoverPanel(this, FormArea(), [&houses] { return houses.CanSeeContact(); })),
      m_follower(houses, [this] { m_cover->Update(); }) {
    AddBox(0, 0, QStringLiteral("联系人"), houses.LinkmanFld());
    AddBox(0, 1, QStringLiteral("联系电话"), houses.LinkTelFld(), 2);
    AddBox(1, 0, QStringLiteral("保密地址"), houses.DoorNoFld(), 2,
           [&houses](const TField&) { return houses.DoorNo(); });
    AddMemo(2, 0, QStringLiteral("联系备注"), houses.LinkNoteFld(), Pairs(), 4);
}
