#pragma once

#include "toolkit/zyGridcx.h"

#include <QList>
#include <QPair>

class TRecordSet;
class THouseVisitSet;
class TClientVisitSet;
class THouseChangeSet;
class TClientChangeSet;
class THouseDealSet;
class THouseVisitHintSet;
class TClientVisitHintSet;
class THouseDealHintSet;
class TOperatorSet;
class THouseSet;
class TClientSet;

// A read-only grid bound to one kind of record set with a fixed choice of
// columns. Each binding replaces the columns, shows the set's rows and adds the
// columns of that kind (field, width in pixels) captioned with the fields'
// display labels. The reminder bindings stretch their columns to the grid's
// width, keeping their proportions.
class TDetailGrid : public TzyGridcx {
    Q_OBJECT
  public:
    explicit TDetailGrid(QWidget* parent = nullptr);

    void SetVisits(THouseVisitSet* set);
    void SetClientVisits(TClientVisitSet* set);
    void SetHouseChanges(THouseChangeSet* set);
    void SetClientChanges(TClientChangeSet* set);
    void SetDeals(THouseDealSet* set);
    void SetHouseVisitHints(THouseVisitHintSet* set);
    void SetClientVisitHintSet(TClientVisitHintSet* set);
    void SetDealHints(THouseDealHintSet* set);
    void SetOperatorSet(TOperatorSet* set);
    void SetHouseSet(THouseSet* set);
    void SetClientSet(TClientSet* set);

    bool StretchColumns() const { return m_stretch; }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void RebuildColumns() override;

  private:
    using TColumns = QList<QPair<QString, int>>;
    void Bind(TRecordSet* set, const TColumns& columns, bool stretch = false);
    void FitColumnsToWidth();

    TColumns m_bound;
    bool m_stretch = false;
};
