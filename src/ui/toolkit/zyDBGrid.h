#pragma once

#include "toolkit/zyGridBase.h"

#include <QStringList>

#include <functional>

// The full data grid of the record lists: title clicks sort by several columns
// at once, Left/Right skip hidden columns, Up/Down move the data set, a footer
// row can show sums, and the column layout is stored under LayoutId (or the tag
// when LayoutId is not positive). Columns not named by a layout text keep their
// default visibility and width.
class TzyDBGrid : public TzyGridBase {
    Q_OBJECT
  public:
    explicit TzyDBGrid(QWidget* parent = nullptr);

    int LayoutId() const { return m_layoutId; }
    // Stores the number and applies the layout stored under it.
    void SetLayoutId(int layoutId);

    // One column per visible field of the data set, in field order.
    void DefaultColumns();
    // Default columns, then the layout text.
    void ApplyLayout(const QString& text) override;
    void SaveLayoutClick() override;
    // The footer shows the sum of the field under its column.
    void SumFooter(const QString& fieldName);
    // The column bound to the field, or nullptr; valid until the columns change.
    const TGridColumn* ColumnOf(const QString& fieldName) const;
    // The footer text under the column of a field; empty when it shows no sum.
    QString FooterText(const QString& fieldName) const;

    // Cycles the column's sort marker (none, ascending, descending) and sorts
    // the data set by all marked columns in the order they were marked.
    void TitleClick(int column);

  signals:
    // Every key pressed in the grid, after the grid's own handling.
    void KeyDown(QKeyEvent* event);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void RebuildColumns() override;
    QString NoDataSetMessage() const override;
    bool CheckBatchUpdate() const override;
    // The selected records, from the first row to the last.
    QList<int> BatchRows() const override;
    void AfterSort() override;

  private:
    QList<TGridColumn> BuildDefaultColumns() const;
    QString MarkedSortText() const;
    void MoveToVisibleColumn(int step);

    int m_layoutId = 0;
    QString m_layoutText; // applied again when the data set brings new fields
    QStringList m_marked; // field names in the order their markers were set
    QStringList m_sumFields;
};
