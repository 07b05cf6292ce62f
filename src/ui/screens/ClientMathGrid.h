#pragma once

#include "records/ClientSet.h"
#include "screens/MatchGrid.h"

class THouseMgr;

// 匹配客户 under the house list: the clients whose wishes the current house
// meets. Double-clicking a client opens it through OnOpenClientEvent.
class TClientMathGrid : public TMatchGrid<TClientSet> {
    Q_OBJECT
  public:
    TClientMathGrid(THouseMgr& houses, TOpenByIdEvent openClient, QWidget* parent = nullptr);

    void SetOnOpenClientEvent(TOpenByIdEvent event) { SetOpenEvent(std::move(event)); }
};
