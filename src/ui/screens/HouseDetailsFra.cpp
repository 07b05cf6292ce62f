#include "screens/HouseDetailsFra.h"

#include "operations/HouseMgr.h"
#include "app/GuardedCommand.h"
#include "screens/RecordInfoBar.h"
#include "screens/SecretBox.h"

#include <QHBoxLayout>
#include <QLineEdit>

THouseDetailsFra::THouseDetailsFra(THouseMgr& houses, QWidget* parent)
    : TFraBase(houses.DataSet(), parent, 5), m_houses(houses),
      m_doorNo(new TSecretBox(houses.DoorNoFld(), [&houses] { return houses.DoorNo(); })),
      m_propNo(new TSecretBox(houses.PropNoFld(), [&houses] { return houses.PropNo(); })),
      m_info(new TRecordInfoBar(houses.DataSet(), Binder(), true)),
      m_follower(houses, [this] { RowChanged(); }) {
    BuildForm();
    SetBottomLine(m_info);
    connect(m_info, &TRecordInfoBar::BillmanClicked, this,
            [this] { RunGuarded([this] { m_houses.ShowAddmanClick(); }); });
    connect(m_info, &TRecordInfoBar::BrokerClicked, this,
            [this] { RunGuarded([this] { m_houses.ShowBrokermanClick(); }); });
}

void THouseDetailsFra::BuildForm() {
    THouseMgr& h = m_houses;
    AddBox(0, 0, QStringLiteral("物业名称"), h.HouseNameFld());
    AddBox(0, 1, QStringLiteral("幢/座"), h.SeatFld());
    AddBox(0, 2, QStringLiteral("楼层"), h.FloorCalcFld());
    AddBox(0, 3, QStringLiteral("面积"), h.AreaCalcFld());
    AddBox(0, 4, QStringLiteral("建成年月"), h.BuildDateCalcFld());

    // The room type with the stairs and flats per floor in a short box beside it.
    auto* rooms = new QWidget;
    auto* roomsRow = new QHBoxLayout(rooms);
    roomsRow->setContentsMargins(0, 0, 0, 0);
    roomsRow->setSpacing(2);
    roomsRow->addWidget(NewBox(h.RoomTypeCalcFld()), 2);
    roomsRow->addWidget(NewBox(h.DoorCalcFld()), 1);
    Place(1, 0, QStringLiteral("户型结构"), rooms, 2);
    Place(1, 2, QStringLiteral("保密地址"), m_doorNo);
    Place(1, 3, QStringLiteral("产权证号"), m_propNo);
    AddBox(1, 4, QStringLiteral("所处区域"), h.DistrictFld());

    AddBox(2, 0, QStringLiteral("地块"), h.PlaceFld());
    AddBox(2, 1, QStringLiteral("街道地址"), h.AddressFld(), 2);
    AddBox(2, 3, QStringLiteral("物业类别"), h.HouseTypeFld());
    AddBox(2, 4, QStringLiteral("用途"), h.PurposeFld());

    AddBox(3, 0, QStringLiteral("朝向"), h.DirectionFld());
    AddBox(3, 1, QStringLiteral("外墙"), h.OutWallFld());
    AddBox(3, 2, QStringLiteral("钥匙"), h.KeysFld());
    AddBox(3, 3, QStringLiteral("土地性质"), h.BurgageFld());
    AddBox(3, 4, QStringLiteral("产权类型"), h.RightPropFld());

    AddBox(4, 0, QStringLiteral("落户"), h.CanSettleFld());
    AddBox(4, 1, QStringLiteral("划片学校"), h.CanSchoolFld());
    AddBox(4, 2, QStringLiteral("装修情况"), h.DecorationCalcFld(), 2);
    AddBox(4, 4, QStringLiteral("设施"), h.UtilitiesFld());

    AddBox(5, 0, QStringLiteral("家电"), h.HomeWiringsFld());
    AddBox(5, 1, QStringLiteral("家私"), h.FurnituresFld());
    AddBox(5, 2, QStringLiteral("商场超市"), h.MarketsFld());
    AddBox(5, 3, QStringLiteral("附近医院"), h.HospitalsFld());
    AddBox(5, 4, QStringLiteral("公交线路"), h.TrafficsFld());

    AddBox(6, 0, QStringLiteral("备注"), h.NoteFld(), Pairs());
}

void THouseDetailsFra::RowChanged() {
    m_doorNo->Mask();
    m_propNo->Mask();
}
