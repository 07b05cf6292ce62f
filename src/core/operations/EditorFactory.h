#pragma once

#include "operations/AttentionEditor.h"
#include "operations/BrokerPicker.h"
#include "operations/ClientEditor.h"
#include "operations/ContactCard.h"
#include "operations/DealEditor.h"
#include "operations/HouseEditor.h"
#include "operations/HouseFinder.h"
#include "operations/NotesEditor.h"
#include "operations/PhotoManager.h"
#include "operations/VisitEditor.h"

#include <memory>

class THouseMgr;

// Creates the editors and dialogs the business operations open. The UI library
// installs the factory of the real windows; tests install one of scripted editors.
// Every call creates a new window for one use.
class TEditorFactory {
  public:
    virtual ~TEditorFactory() = default;
    virtual std::unique_ptr<THouseEditor> CreateHouseEditor() = 0;
    virtual std::unique_ptr<TClientEditor> CreateClientEditor() = 0;
    virtual std::unique_ptr<TVisitEditor> CreateVisitEditor() = 0;
    virtual std::unique_ptr<TDealEditor> CreateDealEditor() = 0;
    virtual std::unique_ptr<TNotesEditor> CreateNotesEditor() = 0;
    virtual std::unique_ptr<TAttentionEditor> CreateAttentionEditor() = 0;
    virtual std::unique_ptr<TContactCard> CreateContactCard() = 0;
    virtual std::unique_ptr<THouseFinder> CreateHouseFinder() = 0;
    virtual std::unique_ptr<TBrokerPicker> CreateBrokerPicker() = 0;
    // The photo manager of the current house of `houses`.
    virtual std::unique_ptr<TPhotoManager> CreatePhotoManager(THouseMgr& houses) = 0;
};

// The installed factory; raises when none is installed.
TEditorFactory& EditorFactory();
// Installs a factory (not owned); nullptr removes it.
void SetEditorFactory(TEditorFactory* factory);
