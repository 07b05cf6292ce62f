#pragma once

#include "operations/BizMgr.h"
#include "records/HouseChangeSet.h"
#include "records/HouseDealSet.h"
#include "records/HouseImageSet.h"
#include "records/HouseSet.h"
#include "records/HouseVisitSet.h"

class TPropertyEditor;

// The house manager: the house list with the follow-ups, deals, change log and
// photos of its current house, and every operation the screens bind to houses.
// One instance serves the main lists; the recycle box makes its own.
class THouseMgr : public TBizMgr<THouseSet, THouseVisitSet, THouseChangeSet> {
  public:
    explicit THouseMgr(TDatabase* db = nullptr);

    THouseDealSet* Deals() { return &m_deals; }
    THouseImageSet* Images() { return &m_images; }
    // "装修描述": decoration date and the decoration texts, not shown by default.
    TField* DecorationCalcFld() const { return m_decorationCalc; }

    // The confidential address and property certificate number as the operator may
    // see them: the stored text, or "无权限".
    QString DoorNo() const;
    QString PropNo() const;
    bool CanSeeSecret() const;

    void RefreshDetails() override;

    void CopyClick();
    void ShowAddmanClick();
    void ShowBrokermanClick();
    void PictureClick();
    void DealAddClick();
    void DealEditClick();
    void DealDeleteClick();
    // Does nothing; the list frame's own search runs instead.
    void FindClick() {}
    // Asks for the criteria of the house search and searches with `dealType`;
    // the list stays as it is when the search is cancelled.
    void AdvancedFind(const QString& dealType);
    // The house report templates (group 0) and printing one of them, filled
    // with the list, the photos, follow-ups, deals and change log of the
    // current house.
    void PrintDesign();
    void PrintReport(int reportId);

  protected:
    void CalcFields() override;
    std::unique_ptr<TPropertyEditor> CreateEditor() const override;
    void DeleteRecord() override { DeleteHouse(); }
    bool IsDuplicate(const TPropertyEditor& editor, int id) override;

  private:
    static TMgrSide HouseSide();
    QList<TDataSet*> ReportData();
    void ShowContact(const QString& loginId) const;
    QString Secret(TField* field) const;

    THouseDealSet m_deals;
    THouseImageSet m_images;
    TField* m_decorationCalc;
};
