#include "toolkit/DataSetModel.h"

#include "app/Error.h"
#include "data/DataSet.h"

#include <QFont>
#include <QFontMetrics>

namespace {

Qt::Alignment AlignmentOf(const TField* field) {
    switch (field->Alignment()) {
    case TFieldAlignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case TFieldAlignment::Center:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

QString MarkedCaption(const TGridColumn& column) {
    switch (column.Marker) {
    case TSortMarker::Ascending:
        return column.Caption + QStringLiteral(" ▲");
    case TSortMarker::Descending:
        return column.Caption + QStringLiteral(" ▼");
    default:
        return column.Caption;
    }
}

} // namespace

TDataSetModel::TDataSetModel(QObject* parent) : QAbstractTableModel(parent) {}

void TDataSetModel::SetDataSet(TDataSet* dataSet) {
    if (m_dataSet == dataSet)
        return;
    if (m_dataSet)
        disconnect(m_dataSet, nullptr, this, nullptr);
    m_dataSet = dataSet;
    if (dataSet) {
        connect(dataSet, &TDataSet::LayoutReset, this, &TDataSetModel::Reset);
        connect(dataSet, &TDataSet::RowChanged, this, &TDataSetModel::RowChanged);
        connect(dataSet, &TDataSet::RowInserted, this, &TDataSetModel::RowInserted);
        connect(dataSet, &TDataSet::RowRemoved, this, &TDataSetModel::RowRemoved);
        connect(dataSet, &TDataSet::AfterScroll, this, &TDataSetModel::Scrolled);
        connect(dataSet, &TDataSet::DataChanged, this, &TDataSetModel::ValuesChanged);
        connect(dataSet, &QObject::destroyed, this, [this] { Reset(); });
    }
    Reset();
    Scrolled();
}

QList<TGridColumn> TDataSetModel::DefaultColumns(const QFontMetrics& metrics, bool visible) const {
    QList<TGridColumn> columns;
    if (!m_dataSet)
        return columns;
    const int charWidth = metrics.horizontalAdvance(u'0');
    for (int i = 0; i < m_dataSet->FieldCount(); ++i) {
        const TField* f = m_dataSet->Field(i);
        if (!f->Visible())
            continue;
        TGridColumn c;
        c.FieldName = f->FieldName();
        c.Caption = f->DisplayLabel();
        c.Width = qMax(f->DisplayWidth() * charWidth, metrics.horizontalAdvance(c.Caption)) + 8;
        c.Visible = visible;
        c.TitleButton = !f->Calculated();
        columns << c;
    }
    return columns;
}

void TDataSetModel::SetColumns(const QList<TGridColumn>& columns) {
    beginResetModel();
    m_columns = columns;
    m_fieldIndex.clear();
    for (const TGridColumn& c : m_columns) {
        const TField* f = m_dataSet ? m_dataSet->FindField(c.FieldName) : nullptr;
        m_fieldIndex << (f ? f->Index() : -1);
    }
    endResetModel();
}

void TDataSetModel::SetMarker(int column, TSortMarker marker) {
    if (m_columns[column].Marker == marker)
        return;
    m_columns[column].Marker = marker;
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void TDataSetModel::MoveColumn(int from, int to) {
    if (from == to || from < 0 || to < 0 || from >= m_columns.size() || to >= m_columns.size())
        return;
    // Qt counts the destination before the move takes the column out.
    if (!beginMoveColumns(QModelIndex(), from, from, QModelIndex(), to > from ? to + 1 : to))
        return;
    m_columns.move(from, to);
    m_fieldIndex.move(from, to);
    endMoveColumns();
}

int TDataSetModel::ColumnOfField(const QString& fieldName) const {
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i].FieldName.compare(fieldName, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

int TDataSetModel::FieldIndexOf(int column) const {
    if (!m_dataSet || column < 0 || column >= m_fieldIndex.size())
        return -1;
    const int index = m_fieldIndex[column];
    return index < m_dataSet->FieldCount() ? index : -1;
}

TField* TDataSetModel::FieldOf(int column) const {
    const int index = FieldIndexOf(column);
    return index < 0 ? nullptr : m_dataSet->Field(index);
}

int TDataSetModel::DataSetRows() const {
    return m_dataSet && m_dataSet->Active() ? m_dataSet->RecordCount() : 0;
}

int TDataSetModel::CurrentRow() const {
    return m_dataSet && m_dataSet->Active() && !m_dataSet->IsEmpty() ? m_dataSet->CurrentRow() : -1;
}

void TDataSetModel::SetCurrentRow(int row) {
    if (row < 0 || row >= DataSetRows() || row == CurrentRow())
        return;
    m_dataSet->SetCurrentRow(row);
}

double TDataSetModel::ColumnSum(int column) const {
    const int field = FieldIndexOf(column);
    double sum = 0;
    if (field < 0)
        return sum;
    const int rows = DataSetRows();
    for (int r = 0; r < rows; ++r)
        sum += m_dataSet->ValueAt(r, field).toDouble();
    return sum;
}

void TDataSetModel::Reset() {
    beginResetModel();
    m_fieldIndex.clear();
    for (const TGridColumn& c : m_columns) {
        const TField* f = m_dataSet ? m_dataSet->FindField(c.FieldName) : nullptr;
        m_fieldIndex << (f ? f->Index() : -1);
    }
    m_rows = DataSetRows();
    m_current = CurrentRow();
    endResetModel();
    emit ValuesChanged();
}

void TDataSetModel::RowChanged(int row) {
    if (row < 0 || row >= m_rows || m_columns.isEmpty())
        return;
    emit dataChanged(index(row, 0), index(row, int(m_columns.size()) - 1));
}

void TDataSetModel::RowInserted(int row) {
    if (row < 0 || row > m_rows) {
        Reset();
        return;
    }
    // The data set already holds the new row; until the view has been told, rows
    // are read as they were before it came.
    m_pending = {row, +1};
    beginInsertRows(QModelIndex(), row, row);
    m_pending = {};
    ++m_rows;
    endInsertRows();
}

void TDataSetModel::RowRemoved(int row) {
    if (row < 0 || row >= m_rows) {
        Reset();
        return;
    }
    m_pending = {row, -1};
    beginRemoveRows(QModelIndex(), row, row);
    m_pending = {};
    --m_rows;
    endRemoveRows();
}

void TDataSetModel::Scrolled() {
    const int current = CurrentRow();
    if (current != m_current) {
        const int previous = m_current;
        m_current = current;
        RowHeaderChanged(previous);
        RowHeaderChanged(current);
    }
    emit CurrentRowChanged(current);
}

void TDataSetModel::RowHeaderChanged(int row) {
    if (row >= 0 && row < m_rows && m_rowHeader != TRowHeader::None)
        emit headerDataChanged(Qt::Vertical, row, row);
}

int TDataSetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int TDataSetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

int TDataSetModel::DataSetRowOf(int row) const {
    if (m_pending.delta == 0 || row < m_pending.row)
        return row;
    if (m_pending.delta > 0)
        return row + 1;
    return row == m_pending.row ? -1 : row - 1;
}

QVariant TDataSetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows)
        return QVariant();
    const int field = FieldIndexOf(index.column());
    switch (role) {
    case Qt::DisplayRole:
        if (field < 0 || DataSetRowOf(index.row()) < 0)
            return QVariant();
        try {
            return m_dataSet->DisplayTextAt(DataSetRowOf(index.row()), field);
        } catch (const EOrbelError&) {
            return QVariant(); // a failing calculation shows an empty cell
        }
    case Qt::TextAlignmentRole:
        return field < 0 ? QVariant() : QVariant(AlignmentOf(m_dataSet->Field(field)));
    case Qt::BackgroundRole:
        if (m_alternate.isValid() && index.row() % 2 == 0)
            return m_alternate;
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant TDataSetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal) {
        if (section < 0 || section >= m_columns.size())
            return QVariant();
        if (role == Qt::DisplayRole)
            return MarkedCaption(m_columns[section]);
        if (role == Qt::TextAlignmentRole)
            return QVariant(Qt::AlignCenter);
        return QVariant();
    }
    const bool current = section == m_current;
    switch (role) {
    case Qt::DisplayRole:
        if (m_rowHeader == TRowHeader::Numbers)
            return section + 1;
        if (m_rowHeader == TRowHeader::Indicator && current)
            return QStringLiteral("▶");
        return QString();
    case Qt::FontRole:
        if (m_rowHeader == TRowHeader::Numbers && current) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return QVariant();
    case Qt::TextAlignmentRole:
        return QVariant(Qt::AlignCenter);
    default:
        return QVariant();
    }
}

Qt::ItemFlags TDataSetModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}
