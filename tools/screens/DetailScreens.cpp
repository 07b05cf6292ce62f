#include "DetailScreens.h"

#include "data/RecordSet.h"
#include "operations/ClientMgr.h"
#include "operations/HouseMgr.h"
#include "operators/Operator.h"
#include "records/RecordContext.h"
#include "screens/ClientChangeGrid.h"
#include "screens/ClientContactFra.h"
#include "screens/ClientDetailsFra.h"
#include "screens/ClientMathGrid.h"
#include "screens/ClientVisitGrid.h"
#include "screens/HouseChangeGrid.h"
#include "screens/HouseContactFra.h"
#include "screens/HouseDealGrid.h"
#include "screens/HouseDealsFra.h"
#include "screens/HouseDetailsFra.h"
#include "screens/HouseMathGrid.h"
#include "screens/HouseVisitGrid.h"

#include <QMenu>

#include <QVBoxLayout>

#include <functional>
#include <memory>
#include <type_traits>

namespace {

const QSize kPanelSize(1000, 220);

void LogInAsSystemUser() {
    CurrentOperator() = TOperator();
    CurrentOperator().LoginId = QStringLiteral("sa");
    SetCurrentLoginId(QStringLiteral("sa"));
}

// The first live row of a table that has rows in every one of the history tables.
int RowWithHistory(const QString& table, const QString& parentColumn, const QStringList& history) {
    QString sql = QStringLiteral("select min(Id) from %1 t where abs(t.IsRecycle)=0").arg(table);
    for (const QString& h : history)
        sql +=
            QStringLiteral(" and exists (select 1 from %1 x where x.%2=t.Id)").arg(h, parentColumn);
    TRecordSet& scratch = ScratchSet();
    scratch.Open(sql);
    const int id = scratch.DataSet()->Field(0)->AsInteger();
    scratch.Close();
    return id;
}

// A window of the detail panel's size holding one page.
class TPageWindow : public QWidget {
  public:
    QWidget* PageWidget() const { return m_page; }

  protected:
    void Hold(QWidget* page) {
        m_page = page;
        auto* box = new QVBoxLayout(this);
        box->setContentsMargins(0, 0, 0, 0);
        box->addWidget(page);
        resize(kPanelSize);
    }
    QWidget* m_page = nullptr;
};

// The page over a manager of the window's own, on the row with the given Id;
// the page goes before the manager it follows.
template <class TMgr> class TPageHost : public TPageWindow {
  public:
    using TMake = std::function<QWidget*(TMgr&)>;

    TPageHost(const QString& table, int id, const TMake& make) {
        LogInAsSystemUser();
        m_mgr.Open(
            QStringLiteral("select * from %1 where abs(IsRecycle)=0 order by Id").arg(table));
        m_mgr.DataSet()->Locate(QStringLiteral("Id"), id);
        Hold(make(m_mgr));
    }
    ~TPageHost() override { delete m_page; }

  private:
    TMgr m_mgr;
};

int HouseWithHistory() {
    return RowWithHistory(
        QStringLiteral("house"), QStringLiteral("HouseId"),
        {QStringLiteral("housevisits"), QStringLiteral("deals"), QStringLiteral("housechanges")});
}

int ClientWithHistory() {
    return RowWithHistory(QStringLiteral("client"), QStringLiteral("ClientId"),
                          {QStringLiteral("clientvisits"), QStringLiteral("clientchanges")});
}

// The live row of a list with the most matches in the other list.
template <class TMgr, class TOther> int RowWithMostMatches(const QString& table) {
    TMgr list;
    list.Open(QStringLiteral("select * from %1 where abs(IsRecycle)=0 order by Id").arg(table));
    TOther other;
    int best = 0;
    int bestId = 0;
    for (list.DataSet()->First(); !list.DataSet()->Eof(); list.DataSet()->Next()) {
        int count = 0;
        if constexpr (std::is_same_v<TOther, TClientSet>)
            count = other.MatchClientsFor(list);
        else
            count = other.MatchHousesFor(list);
        if (count > best) {
            best = count;
            bestId = list.CurrentId();
        }
    }
    return bestId;
}

TScreen HousePage(const std::function<QWidget*(THouseMgr&)>& make, int id = HouseWithHistory()) {
    return TScreen{std::make_unique<TPageHost<THouseMgr>>(QStringLiteral("house"), id, make), {}};
}

TScreen ClientPage(const std::function<QWidget*(TClientMgr&)>& make, int id = ClientWithHistory()) {
    return TScreen{std::make_unique<TPageHost<TClientMgr>>(QStringLiteral("client"), id, make), {}};
}

// The grid's own menu dropped down over it.
TScreen WithMenu(TScreen screen) {
    auto* window = static_cast<TPageWindow*>(screen.window.get());
    screen.shot = [window] {
        auto* grid = static_cast<TzyGridcx*>(window->PageWidget());
        QMenu* menu = grid->PopupMenuZy();
        menu->popup(grid->mapToGlobal(QPoint(120, 40)));
        return static_cast<QWidget*>(menu);
    };
    return screen;
}

} // namespace

void RegisterDetailScreens(TScreenRegistry& registry) {
    registry.Add(QStringLiteral("screens_HouseDetailsFra"),
                 [] { return HousePage([](THouseMgr& h) { return new THouseDetailsFra(h); }); });
    registry.Add(QStringLiteral("screens_HouseDealsFra"),
                 [] { return HousePage([](THouseMgr& h) { return new THouseDealsFra(h); }); });
    registry.Add(QStringLiteral("screens_HouseContactFra"),
                 [] { return HousePage([](THouseMgr& h) { return new THouseContactFra(h); }); });
    registry.Add(QStringLiteral("screens_ClientDetailsFra"),
                 [] { return ClientPage([](TClientMgr& c) { return new TClientDetailsFra(c); }); });
    registry.Add(QStringLiteral("screens_ClientContactFra"),
                 [] { return ClientPage([](TClientMgr& c) { return new TClientContactFra(c); }); });
    registry.Add(QStringLiteral("screens_HouseVisitGrid"),
                 [] { return HousePage([](THouseMgr& h) { return new THouseVisitGrid(h); }); });
    registry.Add(QStringLiteral("screens_HouseVisitGrid_menu"), [] {
        return WithMenu(HousePage([](THouseMgr& h) { return new THouseVisitGrid(h); }));
    });
    registry.Add(QStringLiteral("screens_HouseDealGrid"),
                 [] { return HousePage([](THouseMgr& h) { return new THouseDealGrid(h); }); });
    registry.Add(QStringLiteral("screens_HouseChangeGrid"),
                 [] { return HousePage([](THouseMgr& h) { return new THouseChangeGrid(h); }); });
    registry.Add(QStringLiteral("screens_ClientMathGrid"), [] {
        return HousePage([](THouseMgr& h) { return new TClientMathGrid(h, {}); },
                         RowWithMostMatches<THouseMgr, TClientSet>(QStringLiteral("house")));
    });
    registry.Add(QStringLiteral("screens_ClientVisitGrid"),
                 [] { return ClientPage([](TClientMgr& c) { return new TClientVisitGrid(c); }); });
    registry.Add(QStringLiteral("screens_ClientChangeGrid"),
                 [] { return ClientPage([](TClientMgr& c) { return new TClientChangeGrid(c); }); });
    registry.Add(QStringLiteral("screens_HouseMathGrid"), [] {
        return ClientPage([](TClientMgr& c) { return new THouseMathGrid(c, {}); },
                          RowWithMostMatches<TClientMgr, THouseSet>(QStringLiteral("client")));
    });
}
