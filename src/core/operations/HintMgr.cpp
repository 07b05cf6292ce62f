#include "operations/HintMgr.h"

#include "operations/ClientVisitHintSet.h"
#include "operations/HouseDealHintSet.h"
#include "operations/HouseVisitHintSet.h"

THintMgr::THintMgr(QObject* parent)
    : QObject(parent), m_visits(new THouseVisitHintSet(this)), m_deals(new THouseDealHintSet(this)),
      m_clientVisits(new TClientVisitHintSet(this)) {}

bool THintMgr::RefreshHints() {
    const int visits = m_visits->LoadDue();
    const int deals = m_deals->LoadDue();
    const int clientVisits = m_clientVisits->LoadDue();
    return visits + deals + clientVisits > 0;
}
