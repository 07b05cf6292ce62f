#pragma once

#include "records/HistorySet.h"

// Deals made on a listing.
class THouseDealSet : public THistorySet {
    Q_OBJECT
  public:
    explicit THouseDealSet(TDatabase* db = nullptr);

    void OpenByHouse(int houseId) { OpenByParent(houseId); }

    TField* HouseIdFld() const { return ParentIdFld(); }
    TField* DealTypeFld() const { return m_dealType; }
    TField* ClientNameFld() const { return m_clientName; }
    TField* ClientTelFld() const { return m_clientTel; }
    TField* ClientNoteFld() const { return m_clientNote; }
    TField* SignDateFld() const { return m_signDate; }
    TField* ContentFld() const { return m_content; }
    TField* HintDateFld() const { return m_hintDate; }
    TField* HintDaysFld() const { return m_hintDays; }
    TField* HandmanFld() const { return m_handman; }
    TField* BillmanFld() const { return m_billman; }

  private:
    TField* m_dealType;
    TField* m_clientName;
    TField* m_clientTel;
    TField* m_clientNote;
    TField* m_signDate;
    TField* m_content;
    TField* m_hintDate;
    TField* m_hintDays;
    TField* m_handman;
    TField* m_billman;
};
