#pragma once

#include "app/aFrm.h"

#include <functional>
#include <memory>

class QPushButton;
class QToolBar;
class QToolButton;
class TClientMgr;
class TDetailGrid;
class THouseMgr;

// The recycle box: the recycled houses or clients, with restore and permanent
// delete of the selected one. It works through house and client managers of
// its own, opened on the recycled rows; the program's lists see the changes
// when they are next reloaded.
class TRecycleboxFrm : public TaFrm {
    Q_OBJECT
  public:
    explicit TRecycleboxFrm(QWidget* parent = nullptr);
    ~TRecycleboxFrm() override;

    THouseMgr* HouseMgr() const { return m_houses.get(); }
    TClientMgr* ClientMgr() const { return m_clients.get(); }
    TDetailGrid* Grid() const { return m_grid; }
    bool ShowingHouses() const;

    // Show the recycled houses or clients; restore and delete then act on them.
    void HouseClick();
    void ClientClick();
    // Restores the selected row (the change permission applies).
    void RecoverClick();
    // Deletes the selected row with everything attached, after the confirmation.
    void DropClick();

  private:
    QToolButton* AddButton(const QString& name, const QString& caption);
    void CreateToolBar();

    std::unique_ptr<THouseMgr> m_houses;
    std::unique_ptr<TClientMgr> m_clients;
    std::function<void()> m_recover;
    std::function<void()> m_drop;
    QToolBar* ToolBar1;
    QToolButton* ToolButton1;
    QToolButton* ToolButton2;
    QToolButton* tbDrop1;
    QToolButton* tbRecove1;
    QToolButton* ToolButton3;
    TDetailGrid* m_grid;
    QPushButton* btnClose1;
    QPushButton* btnHelp1;
};

// The command "回收站": needs right 20 (refused with its message), then shows
// the recycle box modally.
void ShowRecycleBox(QWidget* parent);
