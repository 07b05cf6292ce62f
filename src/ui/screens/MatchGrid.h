#pragma once

#include "screens/FollowingGrid.h"
#include "screens/OpenByIdEvent.h"

#include <memory>

// A detail grid of the records of the other list that match the current row of
// a manager, read into a record set of the grid's own. Double-clicking a row
// opens that record through the open event, when one is set.
template <class TSet> class TMatchGrid : public TFollowingGrid {
  public:
    // The grid lets go of the manager and of the rows before its record set goes.
    ~TMatchGrid() override {
        StopFollowing();
        SetDataSet(nullptr);
    }

    TSet* Matches() const { return m_set.get(); }

  protected:
    TMatchGrid(int layoutNumber, TOpenByIdEvent open, QWidget* parent)
        : TFollowingGrid(layoutNumber, parent), m_set(std::make_unique<TSet>()),
          m_open(std::move(open)) {
        OnDoubleClick([this] {
            if (m_open)
                m_open(m_set->IdFld()->AsInteger());
        });
    }

    void SetOpenEvent(TOpenByIdEvent open) { m_open = std::move(open); }

    // Runs `match` for every current row of the manager; without one the grid
    // shows nothing.
    template <class TMgr> void FollowMatches(TMgr& mgr, std::function<void()> match) {
        Follow(mgr, [this, &mgr, match] {
            if (mgr.HasCurrent())
                match();
            else
                m_set->Close();
        });
    }

  private:
    std::unique_ptr<TSet> m_set;
    TOpenByIdEvent m_open;
};
