#include "screens/DetailGrid.h"

#include "data/RecordSet.h"
#include "operations/ClientVisitHintSet.h"
#include "operations/HouseDealHintSet.h"
#include "operations/HouseVisitHintSet.h"
#include "operators/OperatorSet.h"
#include "records/ClientChangeSet.h"
#include "records/ClientSet.h"
#include "records/ClientVisitSet.h"
#include "records/HouseChangeSet.h"
#include "records/HouseDealSet.h"
#include "records/HouseSet.h"
#include "records/HouseVisitSet.h"

#include <QHeaderView>

#include <algorithm>

namespace {
QString S(const char* text) {
    return QString::fromLatin1(text);
}
} // namespace

TDetailGrid::TDetailGrid(QWidget* parent) : TzyGridcx(parent) {}

void TDetailGrid::Bind(TRecordSet* set, const TColumns& columns, bool stretch) {
    m_bound = columns;
    m_stretch = stretch;
    SetDataSet(set ? set->DataSet() : nullptr); // rebuilds the columns from m_bound
    if (m_stretch)
        FitColumnsToWidth();
}

// A bound grid keeps its own choice of columns whenever the columns are rebuilt.
void TDetailGrid::RebuildColumns() {
    if (m_bound.isEmpty()) {
        TzyGridcx::RebuildColumns();
        return;
    }
    SetColumns({});
    for (const auto& [field, width] : m_bound)
        AddColumn(field, width);
}

void TDetailGrid::SetVisits(THouseVisitSet* set) {
    Bind(set, {{S("VizDate"), 70},
               {S("Details"), 330},
               {S("VizType"), 80},
               {S("Handman"), 60},
               {S("Billman"), 60}});
}

void TDetailGrid::SetClientVisits(TClientVisitSet* set) {
    Bind(set, {{S("VizDate"), 70},
               {S("Details"), 300},
               {S("VizType"), 80},
               {S("Handman"), 60},
               {S("Billman"), 60}});
}

namespace {
const QList<QPair<QString, int>>& ChangeColumns() {
    static const QList<QPair<QString, int>> columns{
        {S("ChangeTime"), 120}, {S("ChangeDetails"), 400}, {S("Changer"), 70}, {S("Notes"), 150}};
    return columns;
}

QList<QPair<QString, int>> VisitHintColumns(const QString& codeField) {
    return {{codeField, 50},     {S("VizDate"), 60}, {S("Details"), 250},
            {S("VizType"), 100}, {S("Handman"), 60}, {S("Billman"), 60}};
}
} // namespace

void TDetailGrid::SetHouseChanges(THouseChangeSet* set) {
    Bind(set, ChangeColumns());
}

void TDetailGrid::SetClientChanges(TClientChangeSet* set) {
    Bind(set, ChangeColumns());
}

void TDetailGrid::SetDeals(THouseDealSet* set) {
    Bind(set, {{S("DealType"), 50},
               {S("SignDate"), 70},
               {S("ClientName"), 100},
               {S("ClientTel"), 120},
               {S("Content"), 150},
               {S("Handman"), 70},
               {S("HintDate"), 70},
               {S("ClientNote"), 150}});
}

void TDetailGrid::SetHouseVisitHints(THouseVisitHintSet* set) {
    Bind(set, VisitHintColumns(S("HouseCode")), true);
}

void TDetailGrid::SetClientVisitHintSet(TClientVisitHintSet* set) {
    Bind(set, VisitHintColumns(S("ClientCode")), true);
}

void TDetailGrid::SetDealHints(THouseDealHintSet* set) {
    Bind(set,
         {{S("HouseCode"), 50},
          {S("DealType"), 30},
          {S("SignDate"), 60},
          {S("ClientName"), 90},
          {S("ClientTel"), 100},
          {S("Content"), 180},
          {S("Handman"), 60},
          {S("HintDate"), 60}},
         true);
}

void TDetailGrid::SetOperatorSet(TOperatorSet* set) {
    Bind(set, {{S("LoginId"), 70}, {S("Name"), 80}, {S("Contact"), 100}, {S("Note"), 150}});
}

void TDetailGrid::SetHouseSet(THouseSet* set) {
    Bind(set, {{S("Code"), 50},
               {S("HouseName"), 90},
               {S("RoomTypeCalc"), 95},
               {S("AreaCalc"), 60},
               {S("DealType"), 35},
               {S("Fund"), 50},
               {S("RentFund"), 60},
               {S("FloorStr"), 50},
               {S("Address"), 120},
               {S("Billman"), 60},
               {S("Broker"), 60}});
}

void TDetailGrid::SetClientSet(TClientSet* set) {
    Bind(set, {{S("Code"), 50},
               {S("DealType"), 50},
               {S("RoomCalc"), 60},
               {S("AreaCalc"), 80},
               {S("PriceCalc"), 80},
               {S("Place"), 100},
               {S("State"), 60},
               {S("ComeFrom"), 65},
               {S("BillTime"), 70},
               {S("Broker"), 65},
               {S("Billman"), 65}});
}

void TDetailGrid::resizeEvent(QResizeEvent* event) {
    TzyGridcx::resizeEvent(event);
    if (m_stretch)
        FitColumnsToWidth();
}

// Shares the visible width among the columns in the proportions of their widths.
void TDetailGrid::FitColumnsToWidth() {
    int total = 0;
    for (const auto& column : m_bound)
        total += column.second;
    const int available = viewport()->width();
    if (total <= 0 || available <= 0 || m_bound.size() != Columns().size())
        return;
    int used = 0;
    for (int c = 0; c < m_bound.size(); ++c) {
        const bool last = c == m_bound.size() - 1;
        const int width = last ? available - used : m_bound[c].second * available / total;
        setColumnWidth(c, std::max(width, 20));
        used += width;
    }
}
