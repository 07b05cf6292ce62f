#include "screens/ClientDetailsFra.h"

#include "operations/ClientMgr.h"
#include "screens/RecordInfoBar.h"

TClientDetailsFra::TClientDetailsFra(TClientMgr& clients, QWidget* parent)
    : TFraBase(clients.DataSet(), parent),
      m_info(new TRecordInfoBar(clients.DataSet(), Binder(), false)) {
    TClientMgr& c = clients;
    AddBox(0, 0, QStringLiteral("类型"), c.DealTypeFld());
    AddBox(0, 1, QStringLiteral("户型"), c.RoomCalcFld());
    AddBox(0, 2, QStringLiteral("面积"), c.AreaCalcFld());
    AddBox(0, 3, QStringLiteral("价格"), c.PriceCalcFld());
    AddBox(1, 0, QStringLiteral("楼盘"), c.HouseNameFld());
    AddBox(1, 1, QStringLiteral("地段"), c.PlaceFld());
    AddBox(1, 2, QStringLiteral("区域"), c.DistrictFld());
    AddBox(1, 3, QStringLiteral("物业"), c.HouseTypeFld());
    AddBox(2, 0, QStringLiteral("用途"), c.PurposeFld());
    AddBox(2, 1, QStringLiteral("朝向"), c.DirectionFld());
    AddBox(2, 2, QStringLiteral("装修"), c.DecorationFld());
    AddBox(3, 0, QStringLiteral("配置"), c.RoomCircumFld(), 2);
    AddBox(3, 2, QStringLiteral("设施"), c.LiveCircumFld(), 2);
    AddMemo(4, 0, QStringLiteral("备注"), c.NoteFld(), Pairs(), 3);
    SetBottomLine(m_info);
}
