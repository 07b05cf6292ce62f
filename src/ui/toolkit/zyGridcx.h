#pragma once

#include "toolkit/zyGridBase.h"

class TField;

// The light read-only grid of the detail lists: one selected row, a "NO" column
// numbering the rows (the focused row's number in bold), every other row tinted.
// Its Layout text lists the columns to show: a field the text does not name
// stays hidden. The layout is stored under the tag.
class TzyGridcx : public TzyGridBase {
    Q_OBJECT
  public:
    explicit TzyGridcx(QWidget* parent = nullptr);

    // The column layout as text; writing it rebuilds the columns.
    QString Layout() const { return LayoutText(); }
    void SetLayout(const QString& text);
    void ApplyLayout(const QString& text) override { SetLayout(text); }
    // Appends a column for the field; its width and minimum width are `width`.
    void AddColumn(const QString& fieldName, int width);

    int SelectedCount() const;
    int RowCount() const { return Model()->rowCount(); }
    // The title of the row number column.
    static QString RowNumberTitle() { return QStringLiteral("NO"); }

    void SaveLayoutClick() override;

  signals:
    // The user double-clicked a row.
    void DblClick(TzyGridcx* grid);
    // The focused row changed; `selected` when the focused row is a selected one.
    void SelectChanged(TzyGridcx* grid, bool selected);
    // A cell was clicked or double-clicked; the field of its column.
    void CellClick(TField* field);
    void CellDblClick(TField* field);
    // A value in the grid's rows was changed through the grid (its batch
    // update); the field written.
    void EditChanged(TzyGridcx* grid, TField* field);
    // Ctrl+Enter on a cell, the key of a cell's button; the field of the cell.
    void EditButtonClick(TzyGridcx* grid, TField* field);

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void RebuildColumns() override { SetLayout(m_layout); }
    QString NoDataSetMessage() const override;
    bool CheckBatchUpdate() const override;
    // The selected rows in the order they were selected.
    QList<int> BatchRows() const override;
    void BatchRowWritten(TField* field) override { emit EditChanged(this, field); }
    void AfterSort() override;
    void RowFocused(int row) override;

  private:
    void PaintCorner(QWidget* corner);

    QString m_layout;
};
