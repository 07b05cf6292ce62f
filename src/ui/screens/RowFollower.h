#pragma once

#include <functional>

// Points a manager's one row-change slot (AfterScroll) at a handler for as long
// as the follower lives, and empties the slot when it goes. The manager keeps
// one slot, so the page or grid created last is the one that follows the rows;
// whoever frees a page must free it before creating the next one.
class TRowFollower {
  public:
    template <class TMgr>
    TRowFollower(TMgr& mgr, std::function<void()> handler)
        : m_clear([&mgr] { mgr.SetAfterScroll({}); }) {
        mgr.SetAfterScroll(std::move(handler));
    }
    ~TRowFollower() { m_clear(); }

    TRowFollower(const TRowFollower&) = delete;
    TRowFollower& operator=(const TRowFollower&) = delete;

  private:
    std::function<void()> m_clear;
};
