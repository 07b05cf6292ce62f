#pragma once

#include "app/CustomMainFrm.h"
#include "operations/ClientMgr.h"
#include "operations/HouseMgr.h"

#include <QList>
#include <QPair>

class QAction;
class QActionGroup;
class QMenu;
class QToolButton;
class TClientCenterFra;
class THouseCenterFra;
class TfravListor;

// The main window: every menu, tool bar and view bar command, the house and
// client lists (one in front of the other) and the house and client managers
// they work on.
class TmainFrm : public TCustomMainFrm {
    Q_OBJECT
  public:
    explicit TmainFrm(QWidget* parent = nullptr);
    ~TmainFrm() override;

    THouseMgr& Houses() { return m_houses; }
    TClientMgr& Clients() { return m_clients; }
    THouseCenterFra* HouseList() const { return m_houseList; }
    TClientCenterFra* ClientList() const { return m_clientList; }
    // The list in front.
    TfravListor* ActiveListor() const { return m_active; }

    // The login dialog; afterwards, whatever its result, the operator's id in
    // status panel 1 and the help menu only for right 30. True on OK.
    bool Login();
    // The tools and documents menus from their stored rows; left alignment of
    // every list field unless key-value flag 5 is off.
    void BuildDynamicMenus();
    // Brings list n to the front: 0 houses, 1 clients.
    void ShowView(int n);
    void OpenHouse(int id);
    void OpenClient(int id);

    // A command by its caption, for the start-up and for tests.
    QAction* Command(const QString& caption) const;
    QMenu* Menu(const QString& title) const;

    // The captions and numbers of the rights the operators window offers.
    static QList<QPair<QString, int>> RightsList();

  private:
    void CreateMenus();
    void CreateFileMenu();
    void CreateRegisterMenu();
    void CreateViewMenu();
    void CreateOutputMenu();
    void CreateToolsMenus();
    void CreateHelpMenu();
    void CreateToolBars();
    QMenu* AddMenu(const QString& title);
    // A command that runs `command`; a refusal already explained ends it quietly.
    QAction* AddAction(QMenu* menu, const QString& caption, std::function<void()> command,
                       const QKeySequence& key = {});
    // A command opening a window of another part; disabled without it.
    QAction* AddHook(QMenu* menu, const QString& caption, const std::function<void(QWidget*)>& hook,
                     int right = -1);
    void MirrorListCommands();
    void ListOutputReports();
    void ShowPanels();
    void ImportCommand();
    void PrintDesign();

    THouseMgr m_houses;
    TClientMgr m_clients;
    THouseCenterFra* m_houseList = nullptr;
    TClientCenterFra* m_clientList = nullptr;
    TfravListor* m_active = nullptr;
    QList<QMenu*> m_menus;
    QMenu* m_operateMenu = nullptr;
    QMenu* m_outputMenu = nullptr;
    QMenu* m_toolsMenu = nullptr;
    QMenu* m_docsMenu = nullptr;
    QMenu* m_helpMenu = nullptr;
    QAction* m_houseView = nullptr;
    QAction* m_clientView = nullptr;
    QAction* m_toolBarShown = nullptr;
    QAction* m_searchShown = nullptr;
    QAction* m_detailShown = nullptr;
    QAction* m_statusShown = nullptr;
    QAction* m_importHouses = nullptr;
    QAction* m_importClients = nullptr;
    QAction* m_import = nullptr;
    QActionGroup* m_views = nullptr;
};
