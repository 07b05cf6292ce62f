#pragma once

#include "records/HouseSet.h"
#include "screens/MatchGrid.h"

class TClientMgr;

// 匹配房源 under the client list: the houses that meet the current client's
// wishes. Double-clicking a house opens it through OnOpenHouseEvent.
class THouseMathGrid : public TMatchGrid<THouseSet> {
    Q_OBJECT
  public:
    THouseMathGrid(TClientMgr& clients, TOpenByIdEvent openHouse, QWidget* parent = nullptr);

    void SetOnOpenHouseEvent(TOpenByIdEvent event) { SetOpenEvent(std::move(event)); }
};
