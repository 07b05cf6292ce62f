#include "DetailScreens.h"

#include "data/RecordSet.h"
#include "operations/ClientMgr.h"
#include "operations/HouseMgr.h"
#include "operators/Operator.h"
#include "records/RecordContext.h"
#include "screens/ClientContactFra.h"
#include "screens/ClientDetailsFra.h"
#include "screens/HouseContactFra.h"
#include "screens/HouseDealsFra.h"
#include "screens/HouseDetailsFra.h"

#include <QVBoxLayout>

#include <functional>
#include <memory>

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

// A window of the detail panel's size holding one page over a manager of its
// own; the page goes before the manager it follows.
template <class TMgr> class TPageHost : public QWidget {
  public:
    using TMake = std::function<QWidget*(TMgr&)>;

    TPageHost(const QString& table, int id, const TMake& make) {
        LogInAsSystemUser();
        m_mgr.Open(
            QStringLiteral("select * from %1 where abs(IsRecycle)=0 order by Id").arg(table));
        m_mgr.DataSet()->Locate(QStringLiteral("Id"), id);
        auto* box = new QVBoxLayout(this);
        box->setContentsMargins(0, 0, 0, 0);
        m_page = make(m_mgr);
        box->addWidget(m_page);
        resize(kPanelSize);
    }
    ~TPageHost() override { delete m_page; }

  private:
    TMgr m_mgr;
    QWidget* m_page = nullptr;
};

template <class TMgr>
TScreen Page(const QString& table, int id, const typename TPageHost<TMgr>::TMake& make) {
    return TScreen{std::make_unique<TPageHost<TMgr>>(table, id, make), {}};
}

TScreen HousePage(const std::function<QWidget*(THouseMgr&)>& make) {
    const int id = RowWithHistory(
        QStringLiteral("house"), QStringLiteral("HouseId"),
        {QStringLiteral("housevisits"), QStringLiteral("deals"), QStringLiteral("housechanges")});
    return Page<THouseMgr>(QStringLiteral("house"), id, make);
}

TScreen ClientPage(const std::function<QWidget*(TClientMgr&)>& make) {
    const int id =
        RowWithHistory(QStringLiteral("client"), QStringLiteral("ClientId"),
                       {QStringLiteral("clientvisits"), QStringLiteral("clientchanges")});
    return Page<TClientMgr>(QStringLiteral("client"), id, make);
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
}
