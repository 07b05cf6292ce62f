#pragma once

#include "operations/BizMgr.h"
#include "records/ClientChangeSet.h"
#include "records/ClientSet.h"
#include "records/ClientVisitSet.h"

// The client manager: the client list with the follow-ups and change log of its
// current client, and every operation the screens bind to clients. One instance
// serves the main lists; the recycle box makes its own.
class TClientMgr : public TBizMgr<TClientSet, TClientVisitSet, TClientChangeSet> {
  public:
    explicit TClientMgr(TDatabase* db = nullptr);

    void RefreshDetails() override;
    // The client report templates (group 2) and printing one of them, filled
    // with the list, the follow-ups and the change log of the current client.
    void PrintDesign();
    void PrintReport(int reportId);

  protected:
    std::unique_ptr<TPropertyEditor> CreateEditor() const override;
    void DeleteRecord() override { DeleteClient(); }

  private:
    static TMgrSide ClientSide();
    QList<TDataSet*> ReportData();
};
