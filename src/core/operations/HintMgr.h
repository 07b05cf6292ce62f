#pragma once

#include <QObject>

class THouseVisitHintSet;
class THouseDealHintSet;
class TClientVisitHintSet;

// The three lists of due reminders: house follow-ups, deals and client
// follow-ups.
class THintMgr : public QObject {
    Q_OBJECT
  public:
    explicit THintMgr(QObject* parent = nullptr);

    THouseVisitHintSet* VisitHintSet() const { return m_visits; }
    THouseDealHintSet* DealHintSet() const { return m_deals; }
    TClientVisitHintSet* ClientVisitHintSet() const { return m_clientVisits; }

    // Reloads the three lists; true when any of them has a row.
    bool RefreshHints();

  private:
    THouseVisitHintSet* m_visits;
    THouseDealHintSet* m_deals;
    TClientVisitHintSet* m_clientVisits;
};
