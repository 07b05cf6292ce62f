#pragma once

#include "screens/OpenByIdEvent.h"
#include "screens/fravListor.h"

class THouseMgr;
class THouseSearchPanel;

// The house list: search panel, the house manager's list and the house detail
// pages. Opens with the houses for sale (and for sale or rent).
class THouseCenterFra : public TfravListor {
    Q_OBJECT
  public:
    THouseCenterFra(THouseMgr& houses, QWidget* parent = nullptr);

    THouseMgr& Houses() const { return m_houses; }
    THouseSearchPanel* SearchPanel() const { return m_search; }

    // Opens a client by Id in the client list; the matching page passes it on.
    void SetOpenClientEvent(TOpenByIdEvent event) { m_openClient = std::move(event); }
    const TOpenByIdEvent& OpenClientEvent() const { return m_openClient; }

    // The purchase calculator for the current house's area and unit price;
    // empty until a calculator is installed.
    std::function<void()> CalculatorEvent() const override;
    // The calculator window, given a house's area and unit price.
    static std::function<void(int area, int unitPrice)> PurchaseCalculator;

    void FindRecords() override;
    void ExportRecords() override;
    // The add dialog (not waited for), the edit picker and the delete picker.
    void AddRecord() override;
    void EditRecord() override;
    void DropRecord() override;

    // Runs the search panel's criteria; the list keeps its rows on a bad number.
    void Search();
    // Lists the houses of one deal type, every other criterion off.
    void SearchDealType(const QString& dealType);

  private:
    void CreateCommands();
    QList<TDetailNode> DetailNodes();

    THouseMgr& m_houses;
    THouseSearchPanel* m_search;
    TOpenByIdEvent m_openClient;
};
