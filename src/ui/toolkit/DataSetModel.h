#pragma once

#include "data/DataSet.h"
#include "toolkit/GridColumn.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QPointer>

class QFontMetrics;

// A table model over a data set for the toolkit's grids. Rows are the data
// set's visible rows, read on demand (nothing is kept per row), so a large data
// set costs no more than a small one. Columns are the grid's columns, each bound
// to a field by name. The model follows the data set's notifications and keeps
// the data set's current row and the view's current row in step through
// CurrentRowChanged and SetCurrentRow.
class TDataSetModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    // What the vertical header shows: nothing, a mark on the current row, or
    // row numbers from 1 with the current row's number in bold.
    enum class TRowHeader { None, Indicator, Numbers };

    explicit TDataSetModel(QObject* parent = nullptr);

    void SetDataSet(TDataSet* dataSet);
    TDataSet* DataSet() const { return m_dataSet; }

    // One column per visible field, in field order, with the field's label and
    // display width (characters turned into pixels with `metrics`, at least as
    // wide as the caption); hidden when `visible` is false.
    QList<TGridColumn> DefaultColumns(const QFontMetrics& metrics, bool visible = true) const;
    void SetColumns(const QList<TGridColumn>& columns);
    const QList<TGridColumn>& Columns() const { return m_columns; }
    const TGridColumn& Column(int column) const { return m_columns[column]; }
    // Changes that need no new header text.
    void SetColumnWidth(int column, int width) { m_columns[column].Width = width; }
    void SetColumnVisible(int column, bool visible) { m_columns[column].Visible = visible; }
    void SetSumFooter(int column, bool on) { m_columns[column].SumFooter = on; }
    void SetMarker(int column, TSortMarker marker);
    void MoveColumn(int from, int to);
    // The first column bound to a field of that name, or -1.
    int ColumnOfField(const QString& fieldName) const;
    // The field a column shows, or nullptr when the data set has no such field.
    TField* FieldOf(int column) const;

    void SetRowHeader(TRowHeader rowHeader) { m_rowHeader = rowHeader; }
    // Background of the first, third, fifth … row; invalid for none.
    void SetAlternateColor(const QColor& color) { m_alternate = color; }
    QColor AlternateColor() const { return m_alternate; }

    // The data set's current row, or -1.
    int CurrentRow() const;
    // Makes a row the data set's current row (from the view).
    void SetCurrentRow(int row);
    // The sum of a column's field over all rows.
    double ColumnSum(int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

  signals:
    // The data set's current row moved (also after reopening, sorting, filtering).
    void CurrentRowChanged(int row);
    // Rows or values changed: sums shown elsewhere are out of date.
    void ValuesChanged();

  private:
    void Reset();
    void RowChanged(int row);
    void RowInserted(int row);
    void RowRemoved(int row);
    void Scrolled();
    void RowHeaderChanged(int row);
    int DataSetRows() const;
    int FieldIndexOf(int column) const;
    // The data set's row for a row of the view while a change is being announced.
    int DataSetRowOf(int row) const;

    QPointer<TDataSet> m_dataSet;
    QList<TGridColumn> m_columns;
    QList<int> m_fieldIndex; // per column; -1 when the data set lacks the field
    int m_rows = 0;          // the row count the view was last told about
    int m_current = -1;
    // A row the data set inserted (+1) or removed (-1) that the view has not yet been told of.
    struct TPending {
        int row = -1;
        int delta = 0;
    } m_pending;
    TRowHeader m_rowHeader = TRowHeader::None;
    QColor m_alternate;
};
