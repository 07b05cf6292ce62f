#pragma once

#include "records/HistorySet.h"

// Follow-up visits of a listing or a client.
class TVisitSet : public THistorySet {
    Q_OBJECT
  public:
    TField* VizDateFld() const { return m_vizDate; }
    TField* VizTypeFld() const { return m_vizType; }
    TField* HandmanFld() const { return m_handman; }
    TField* DetailFld() const { return m_details; }
    TField* HintDateFld() const { return m_hintDate; }
    TField* HintDaysFld() const { return m_hintDays; }
    TField* BillmanFld() const { return m_billman; }

  protected:
    TVisitSet(const QString& table, const QString& parentColumn, const QString& order,
              TDatabase* db);

  private:
    TField* m_vizDate;
    TField* m_vizType;
    TField* m_handman;
    TField* m_details;
    TField* m_hintDate;
    TField* m_hintDays;
    TField* m_billman;
};
