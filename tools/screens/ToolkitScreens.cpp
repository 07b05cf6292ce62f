#include "ToolkitScreens.h"

#include "data/RecordSet.h"
#include "toolkit/zyDBGrid.h"
#include "toolkit/zyGridcx.h"

#include <QMenu>

namespace {

// A record set living as long as the grid that shows it.
TRecordSet* OwnedRecordSet(QWidget* owner) {
    auto* set = new TRecordSet;
    set->setParent(owner);
    return set;
}

TRecordSet* HouseRows(QWidget* owner) {
    TRecordSet* set = OwnedRecordSet(owner);
    set->AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false);
    set->AddField(TFieldKind::WideString, QStringLiteral("Code"), 10, true, QStringLiteral("编号"));
    set->AddField(TFieldKind::WideString, QStringLiteral("District"), 6, true,
                  QStringLiteral("区域"));
    set->AddField(TFieldKind::WideString, QStringLiteral("HouseName"), 10, true,
                  QStringLiteral("楼盘"));
    set->AddField(TFieldKind::Integer, QStringLiteral("Room"), -1, true, QStringLiteral("室"))
        ->SetDisplayWidth(3);
    set->AddField(TFieldKind::Integer, QStringLiteral("Hall"), -1, true, QStringLiteral("厅"))
        ->SetDisplayWidth(3);
    set->AddField(TFieldKind::Float, QStringLiteral("BuildArea"), -1, true, QStringLiteral("面积"))
        ->SetDisplayWidth(7);
    set->AddField(TFieldKind::Float, QStringLiteral("Fund"), -1, true, QStringLiteral("售价(万元)"))
        ->SetDisplayFormat(QStringLiteral("0.0"));
    set->AddField(TFieldKind::WideString, QStringLiteral("DealType"), 4, true,
                  QStringLiteral("交易"));
    set->AddField(TFieldKind::WideString, QStringLiteral("State"), 4, true, QStringLiteral("状态"));
    set->AddField(TFieldKind::WideString, QStringLiteral("Broker"), 6, true,
                  QStringLiteral("经纪人"));
    set->AddField(TFieldKind::DateTime, QStringLiteral("BillTime"), -1, true,
                  QStringLiteral("登记时间"));
    set->Open(QStringLiteral("select Id, Code, District, HouseName, Room, Hall, BuildArea, Fund, "
                             "DealType, State, Broker, BillTime from house "
                             "where abs(IsRecycle)=0 order by Id"));
    return set;
}

TzyDBGrid* HouseGrid() {
    auto* grid = new TzyDBGrid;
    grid->SetDataSet(HouseRows(grid)->DataSet());
    grid->SumFooter(QStringLiteral("Fund"));
    // Sorted by price, highest first, to show the title markers.
    const int fund = grid->Model()->ColumnOfField(QStringLiteral("Fund"));
    grid->TitleClick(fund);
    grid->TitleClick(fund);
    grid->resize(820, 300);
    return grid;
}

} // namespace

TScreen HouseGridScreen() {
    return TScreen{std::unique_ptr<QWidget>(HouseGrid()), {}};
}

TScreen HouseGridMenuScreen() {
    TzyDBGrid* grid = HouseGrid();
    return TScreen{std::unique_ptr<QWidget>(grid), [grid] {
                       QMenu* menu = grid->PopupMenuZy();
                       menu->popup(grid->mapToGlobal(QPoint(40, 40)));
                       return static_cast<QWidget*>(menu);
                   }};
}

TScreen ClientGridcxScreen() {
    auto* grid = new TzyGridcx;
    TRecordSet* set = OwnedRecordSet(grid);
    set->AddField(TFieldKind::Integer, QStringLiteral("Id"), -1, false);
    set->AddField(TFieldKind::WideString, QStringLiteral("Code"), 8, true, QStringLiteral("编号"));
    set->AddField(TFieldKind::WideString, QStringLiteral("Linkman"), 8, true,
                  QStringLiteral("联系人"));
    set->AddField(TFieldKind::WideString, QStringLiteral("Sex"), 4, true, QStringLiteral("性别"));
    set->AddField(TFieldKind::WideString, QStringLiteral("LinkTel"), 12, true,
                  QStringLiteral("电话"));
    set->AddField(TFieldKind::WideString, QStringLiteral("DealType"), 4, true,
                  QStringLiteral("交易"));
    set->AddField(TFieldKind::Integer, QStringLiteral("Room1"), -1, true, QStringLiteral("室(从)"));
    set->AddField(TFieldKind::Integer, QStringLiteral("Room2"), -1, true, QStringLiteral("室(到)"));
    set->AddField(TFieldKind::WideString, QStringLiteral("District"), 6, true,
                  QStringLiteral("区域"));
    set->AddField(TFieldKind::WideString, QStringLiteral("State"), 6, true, QStringLiteral("状态"));
    set->Open(QStringLiteral("select Id, Code, Linkman, Sex, LinkTel, DealType, Room1, Room2, "
                             "District, State from client where abs(IsRecycle)=0 order by Id"));
    grid->SetDataSet(set->DataSet());
    // The layout names the columns to show; Room1 and Room2 stay hidden.
    grid->SetLayout(QStringLiteral("Code=True70\r\nLinkman=True80\r\nSex=True50\r\n"
                                   "LinkTel=True110\r\nDealType=True60\r\nDistrict=True70\r\n"
                                   "State=True70\r\n"));
    set->DataSet()->SetCurrentRow(2);
    grid->resize(640, 260);
    return TScreen{std::unique_ptr<QWidget>(grid), {}};
}
