#pragma once

#include "operations/EditorFactory.h"

// The editors and dialogs of the running program: every call makes a new
// window, shown modally by the operation that asked for it.
class TUiEditorFactory : public TEditorFactory {
  public:
    std::unique_ptr<THouseEditor> CreateHouseEditor() override;
    std::unique_ptr<TClientEditor> CreateClientEditor() override;
    std::unique_ptr<TVisitEditor> CreateVisitEditor() override;
    std::unique_ptr<TDealEditor> CreateDealEditor() override;
    std::unique_ptr<TNotesEditor> CreateNotesEditor() override;
    std::unique_ptr<TAttentionEditor> CreateAttentionEditor() override;
    std::unique_ptr<TContactCard> CreateContactCard() override;
    std::unique_ptr<THouseFinder> CreateHouseFinder() override;
    std::unique_ptr<TBrokerPicker> CreateBrokerPicker() override;
    std::unique_ptr<TPhotoManager> CreatePhotoManager(THouseMgr& houses) override;
};
