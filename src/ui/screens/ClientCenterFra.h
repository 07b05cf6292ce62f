#pragma once

#include "screens/OpenByIdEvent.h"
#include "screens/fravListor.h"

class TClientMgr;
class TClientSearchPanel;

// The client list: search panel, the client manager's list and the client
// detail pages. Opens with the clients who want to buy.
class TClientCenterFra : public TfravListor {
    Q_OBJECT
  public:
    TClientCenterFra(TClientMgr& clients, QWidget* parent = nullptr);

    TClientMgr& Clients() const { return m_clients; }
    TClientSearchPanel* SearchPanel() const { return m_search; }

    // Opens a house by Id in the house list; the matching page passes it on.
    void SetOpenHouseEvent(TOpenByIdEvent event) { m_openHouse = std::move(event); }
    const TOpenByIdEvent& OpenHouseEvent() const { return m_openHouse; }

    // The client list has no advanced search.
    void FindRecords() override {}
    void ExportRecords() override;
    // The add dialog (not waited for), the edit picker and the delete picker.
    void AddRecord() override;
    void EditRecord() override;
    void DropRecord() override;

    void Search();
    void SearchDealType(const QString& dealType);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void CreateCommands();
    QList<TDetailNode> DetailNodes();

    TClientMgr& m_clients;
    TClientSearchPanel* m_search;
    TOpenByIdEvent m_openHouse;
};
