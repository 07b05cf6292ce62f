#pragma once

#include "app/aFrm.h"

#include <functional>

class QLabel;
class QListWidget;
class QPushButton;
class TDetailGrid;

// The edit and delete pickers behind the list frames' 修改 and 删除 commands: a
// button at the top right for the whole record, a list of detail kinds on the
// left and a grid of the chosen kind on the right, an action button for the row
// selected in the grid, and "关闭". The caption and the action button carry the
// picker's word ("修改" or "删除"). Modal; the first kind is shown on creation.
class TEdtPickerFrm : public TaFrm {
    Q_OBJECT
  public:
    using TCommand = std::function<void()>;
    // Binds the grid to one detail set of the current record.
    using TBinder = std::function<void(TDetailGrid&)>;

    // Shows the picker modally; true when it closed with OK (after the record
    // command).
    bool Execute() { return exec() == QDialog::Accepted; }

    QLabel* Prompt() const { return m_prompt; }
    QListWidget* Entries() const { return m_entries; }
    TDetailGrid* Grid() const { return m_grid; }
    QPushButton* RecordButton() const { return m_record; }
    QPushButton* ActionButton() const { return m_action; }
    QPushButton* CloseButton() const { return m_close; }

  protected:
    TEdtPickerFrm(const QString& word, QWidget* parent);

    // The top-right button: runs the command, then closes the picker with OK.
    void SetRecordCommand(const QString& caption, TCommand command);
    // A detail kind: how the grid shows it and what the action button does.
    void AddEntry(const QString& caption, TBinder bind, TCommand action);
    // Selects the first kind; the subclasses call it once their entries exist.
    void ShowFirstEntry();

  private:
    struct TEntry {
        TBinder bind;
        TCommand action;
    };
    void EntryChosen(int row);
    void RunRecordCommand();
    void RunAction();

    QLabel* m_prompt;
    QListWidget* m_entries;
    TDetailGrid* m_grid;
    QPushButton* m_record;
    QPushButton* m_action;
    QPushButton* m_close;
    QList<TEntry> m_kinds;
    TCommand m_recordCommand;
    int m_current = -1;
};
