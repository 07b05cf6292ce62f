#include "screens/UiEditorFactory.h"

#include "screens/AttentionEditorFrm.h"
#include "screens/BrokerPickerFrm.h"
#include "screens/ClientEditorFrm.h"
#include "screens/ContactFrm.h"
#include "screens/DealEditorFrm.h"
#include "screens/HouseEditorFrm.h"
#include "screens/HouseFinderFrm.h"
#include "screens/ImgMgrFrm.h"
#include "screens/NotesEditorFrm.h"
#include "screens/VisitEditorFrm.h"

std::unique_ptr<THouseEditor> TUiEditorFactory::CreateHouseEditor() {
    return std::make_unique<THouseEditorFrm>();
}

std::unique_ptr<TClientEditor> TUiEditorFactory::CreateClientEditor() {
    return std::make_unique<TClientEditorFrm>();
}

std::unique_ptr<TVisitEditor> TUiEditorFactory::CreateVisitEditor() {
    return std::make_unique<TVisitEditorFrm>();
}

std::unique_ptr<TDealEditor> TUiEditorFactory::CreateDealEditor() {
    return std::make_unique<TDealEditorFrm>();
}

std::unique_ptr<TNotesEditor> TUiEditorFactory::CreateNotesEditor() {
    return std::make_unique<TNotesEditorFrm>();
}

std::unique_ptr<TAttentionEditor> TUiEditorFactory::CreateAttentionEditor() {
    return std::make_unique<TAttentionEditorFrm>();
}

std::unique_ptr<TContactCard> TUiEditorFactory::CreateContactCard() {
    return std::make_unique<TContactFrm>();
}

std::unique_ptr<THouseFinder> TUiEditorFactory::CreateHouseFinder() {
    return std::make_unique<THouseFinderFrm>();
}

std::unique_ptr<TBrokerPicker> TUiEditorFactory::CreateBrokerPicker() {
    return std::make_unique<TBrokerPickerFrm>();
}

std::unique_ptr<TPhotoManager> TUiEditorFactory::CreatePhotoManager(THouseMgr& houses) {
    return std::make_unique<TImgMgrFrm>(houses);
}
