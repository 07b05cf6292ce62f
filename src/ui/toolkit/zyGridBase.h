#pragma once

#include "toolkit/DataSetModel.h"

#include <QTableView>

#include <functional>

class QAction;
class QMenu;
struct TBatchItem;
class TDataSet;
class TField;
class TGridFooter;

// What both data grids share: a table view over a data set through a
// TDataSetModel, the data set's current row and the view's current row kept in
// step, columns whose widths, visibility and order form the stored layout, the
// grid's own menu and commands, and the optional footer row of sums.
class TzyGridBase : public QTableView {
    Q_OBJECT
  public:
    explicit TzyGridBase(QWidget* parent = nullptr);
    ~TzyGridBase() override;

    TDataSet* DataSet() const { return m_model->DataSet(); }
    virtual void SetDataSet(TDataSet* dataSet);
    TDataSetModel* Model() const { return m_model; }

    // The general-purpose number of the control; layouts are stored under it.
    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    // The grid's own menu, and the one its context menu shows (the own menu
    // unless a screen gave another).
    QMenu* PopupMenuZy() const { return m_ownMenu; }
    QMenu* PopupMenu() const { return m_popup; }
    void SetPopupMenu(QMenu* menu);

    QAction* ActionExport() const { return m_actExport; }
    QAction* ActionExport2Excel() const { return m_actExcel; }
    QAction* ActionExport2Html() const { return m_actHtml; }
    QAction* ActionColVisible() const { return m_actColumns; }
    QAction* ActionTableStyleSave() const { return m_actSaveLayout; }
    QAction* ActionSort() const { return m_actSort; }
    // Not on the grid's menu; for buttons and menus outside the grid.
    QAction* ActionFilter() const { return m_actFilter; }
    QAction* ActionBatchUpdate() const { return m_actBatchUpdate; }

    // Called after each row the batch update writes; the batch update refuses to
    // run without it.
    std::function<void()> BatchProc;

    const QList<TGridColumn>& Columns() const { return m_model->Columns(); }
    // The layout text of the columns as they are now.
    QString LayoutText() const;
    // Writes the current layout under a number; true when exactly one row was written.
    virtual bool StoreLayout(int number);
    // Applies a layout text to freshly built columns.
    virtual void ApplyLayout(const QString& text) = 0;
    // Reads the layout stored under a number and applies it.
    void LoadLayout(int number);

    // Commands. Each acts on the grid itself; errors are raised to the caller
    // (the grid's menu shows them).
    void SortClick();
    void PickColumnsClick();
    virtual void SaveLayoutClick() = 0;
    void SaveToExcelClick();
    void SaveToHtmlClick();
    void ExportClick();
    // The filter dialog on the data set.
    void FilterClick();
    // Writes one value into one field of every selected row, calling BatchProc
    // after each row; the current row stays where it was.
    void BatchUpdateClick();
    // Drops the grid's menu down under the control's lower-left corner.
    void PopupButtonClick(QWidget* control);

    // The visible columns in order, their titles, and one row's texts in them.
    QList<int> VisibleColumns() const;
    QStringList VisibleTitles() const;
    QStringList VisibleTexts(int row) const;
    // The field of a column, or nullptr.
    TField* FieldOf(int column) const { return m_model->FieldOf(column); }

  protected:
    // Replaces the columns and shows them.
    void SetColumns(const QList<TGridColumn>& columns);
    // Rebuilds the columns for the data set's fields (the fields may be new).
    virtual void RebuildColumns() = 0;
    virtual QString NoDataSetMessage() const = 0;
    // Shows why the data set cannot be sorted or filtered; true when it can.
    bool CheckDataSet() const;
    // Shows why the batch update cannot run; true when it can.
    virtual bool CheckBatchUpdate() const = 0;
    // The rows the batch update writes, in the order it writes them.
    virtual QList<int> BatchRows() const = 0;
    // After the batch update wrote a row.
    virtual void BatchRowWritten(TField* /*field*/) {}
    // After the sort command changed the data set's sort order.
    virtual void AfterSort() {}
    // The focused row changed.
    virtual void RowFocused(int /*row*/) {}
    // Runs a command from the menu, showing its error.
    void RunCommand(const std::function<void()>& command);
    void SetRowHeight(int pixels);
    void ShowFooter(bool on);

    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void updateGeometries() override;

  private:
    void CreateCommands();
    QList<TBatchItem> BatchItems() const;
    void WriteRows(const QList<int>& rows, TField* field, const QString& value);
    int FooterHeight() const;
    void UpdateCommands();
    void SyncHeader();
    void FollowDataSetRow(int row);
    void SectionResized(int column, int oldSize, int newSize);
    void SectionMoved(int logical, int oldVisual, int newVisual);
    void FieldsMayHaveChanged();
    bool ColumnsMatchFields() const;

    TDataSetModel* m_model;
    TGridFooter* m_footer;
    QMenu* m_ownMenu;
    QMenu* m_popup;
    QAction* m_actExport = nullptr;
    QAction* m_actExcel = nullptr;
    QAction* m_actHtml = nullptr;
    QAction* m_actColumns = nullptr;
    QAction* m_actSaveLayout = nullptr;
    QAction* m_actSort = nullptr;
    QAction* m_actFilter = nullptr;
    QAction* m_actBatchUpdate = nullptr;
    int m_tag = 0;
    bool m_syncing = false;
    bool m_following = false;
    bool m_inGeometry = false;
};
