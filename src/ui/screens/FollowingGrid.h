#pragma once

#include "screens/DetailGrid.h"
#include "screens/RowFollower.h"

#include <QList>

#include <functional>
#include <memory>
#include <utility>

// A detail grid under a list that reloads its rows whenever the current row of
// the list's manager changes, and on creation. It stores its column layout
// under its own number and reads it back when one is stored.
class TFollowingGrid : public TDetailGrid {
    Q_OBJECT
  public:
    ~TFollowingGrid() override;

    // Reloads the rows for the manager's current row; an error is shown.
    void Reload();

  protected:
    TFollowingGrid(int layoutNumber, QWidget* parent);

    // Takes the manager's row-change slot and loads the rows once.
    template <class TMgr> void Follow(TMgr& mgr, std::function<void()> reload) {
        m_reload = std::move(reload);
        m_follower = std::make_unique<TRowFollower>(mgr, [this] { Reload(); });
        Reload();
    }
    // Gives the manager's slot back.
    void StopFollowing() { m_follower.reset(); }

    // Replaces the grid's own menu by these commands, a separator and the two
    // export commands. Every command shows its error.
    using TCommand = std::pair<QString, std::function<void()>>;
    void SetCommands(const QList<TCommand>& commands);
    // A double-click on a row runs the command; errors are shown.
    void OnDoubleClick(std::function<void()> command);
    // The follow-up commands of a manager: add, change (also on double-click), delete.
    template <class TMgr> void SetVisitCommands(TMgr& mgr) {
        SetCommands({{QStringLiteral("添加"), [&mgr] { mgr.VisitAddClick(); }},
                     {QStringLiteral("修改"), [&mgr] { mgr.VisitEditClick(); }},
                     {QStringLiteral("删除"), [&mgr] { mgr.VisitDeleteClick(); }}});
        OnDoubleClick([&mgr] { mgr.VisitEditClick(); });
    }
    // The change-log command of a manager: a note on the change.
    template <class TMgr> void SetChangeCommands(TMgr& mgr) {
        SetCommands({{QStringLiteral("备注"), [&mgr] { mgr.ChangeNotesUpdateClick(); }}});
    }
    // Applies the layout stored under the grid's number, if there is one.
    void LoadStoredLayout();
    // Whether the grid shows at least one row.
    bool HasRows() const;

  private:
    std::function<void()> m_reload;
    std::unique_ptr<TRowFollower> m_follower;
};
