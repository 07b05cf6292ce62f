#pragma once

#include <QList>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QFrame;
class QKeySequence;
class QMenu;
class QStackedLayout;
class QTreeWidget;
class TzyDBGrid;

// One node of the detail page tree: its caption and how to make its page.
struct TDetailNode {
    QString Caption;
    std::function<QWidget*(QWidget* parent)> Create;
};

// The working surface of one kind of record: a search panel on top, the record
// grid of the shared record set in the middle and, at the bottom, one detail
// page about the current row chosen from a small page tree. The frame keeps no
// records: searches reload the manager's list and row commands go to the manager.
class TfravListor : public QWidget {
    Q_OBJECT
  public:
    explicit TfravListor(QWidget* parent = nullptr);
    ~TfravListor() override;

    TzyDBGrid* DBGrid1() const { return m_grid; }
    QFrame* TopPanel1() const { return m_topPanel; }
    QFrame* BtmPanel1() const { return m_btmPanel; }
    QMenu* pmDBGrid1() const { return m_popup; }

    // The frame's purchase calculator command; empty when it has none.
    virtual std::function<void()> CalculatorEvent() const { return {}; }
    // A command that shows images; no list has one.
    virtual std::function<void()> ViewImageEvent() const { return {}; }
    // The grid the grid commands act on.
    virtual TzyDBGrid* FocusedGrid() const { return m_grid; }
    // Empties the search panel: no selected item, empty edits, unchecked boxes.
    virtual void ResetFinder();
    virtual void AddRecord() {}
    virtual void EditRecord() {}
    virtual void DropRecord() {}
    virtual void FindRecords() = 0;
    virtual void ExportRecords() = 0;

    // The export dialog on a data set with the field list to preselect; true on
    // OK with the chosen list in `fields`. Empty until the export wizard exists.
    static std::function<bool(QWidget* parent, class TDataSet* data, QString& fields)> ExportDialog;

    // The detail page tree and the page shown (at most one exists).
    QTreeWidget* DetailTree() const { return m_tree; }
    QWidget* DetailPage() const { return m_page; }
    // Frees the page shown and makes the page of node `index`.
    void SelectDetailNode(int index);

  protected:
    // Lays out the frame: the search panel's content, the tree's nodes.
    void Build(QWidget* searchPanel, const QList<TDetailNode>& nodes);
    // Appends a command to the popup menu.
    QAction* AddCommand(const QString& caption, std::function<void()> command,
                        const QKeySequence& key = {});
    void AddSeparator();
    // "排序", "选择列栏目" and "保存当前表格样式": the grid's own commands, the
    // latter two for the system user only.
    void AddGridCommands();
    // Exports the list, remembering the chosen fields under key-value text `key`.
    void ExportWith(int key);
    // Reloads the combo box's items every time it receives the focus.
    static void ReloadOnFocus(QComboBox* combo, std::function<QStringList()> items);

  private:
    void FreePage();

    TzyDBGrid* m_grid;
    QFrame* m_topPanel;
    QFrame* m_btmPanel;
    QMenu* m_popup;
    QTreeWidget* m_tree;
    QWidget* m_pageHost;
    QWidget* m_page = nullptr;
    QList<TDetailNode> m_nodes;
};
