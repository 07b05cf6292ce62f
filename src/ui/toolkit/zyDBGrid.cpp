#include "toolkit/zyDBGrid.h"

#include "app/Messenger.h"
#include "data/DataSet.h"
#include "operators/Operator.h"
#include "toolkit/GridFooter.h"
#include "toolkit/GridLayout.h"
#include "toolkit/zyGridHooks.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>

namespace {

struct TSortItem {
    QString field;
    bool descending = false;
};

// "Code DESC , Room" or "Code ASC,Room DESC" into its fields and directions.
QList<TSortItem> ParseSort(const QString& sortText) {
    QList<TSortItem> items;
    for (const QString& part : sortText.split(u',', Qt::SkipEmptyParts)) {
        const QStringList words = part.simplified().split(u' ', Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        const bool desc =
            words.size() > 1 && words[1].compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0;
        items << TSortItem{words[0], desc};
    }
    return items;
}

TSortMarker NextMarker(TSortMarker marker) {
    switch (marker) {
    case TSortMarker::None:
        return TSortMarker::Ascending;
    case TSortMarker::Ascending:
        return TSortMarker::Descending;
    default:
        return TSortMarker::None;
    }
}

} // namespace

TzyDBGrid::TzyDBGrid(QWidget* parent) : TzyGridBase(parent) {
    Model()->SetRowHeader(TDataSetModel::TRowHeader::Indicator);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setCornerButtonEnabled(false);
    // Whole records are selected by their row header, rectangles of cells in the rows.
    verticalHeader()->setSectionsClickable(true);
    // A title click sorts; it never selects the whole column.
    disconnect(horizontalHeader(), &QHeaderView::sectionPressed, this, &QTableView::selectColumn);
    disconnect(horizontalHeader(), SIGNAL(sectionEntered(int)), this, SLOT(_q_selectColumn(int)));
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { RunCommand([=, this] { TitleClick(column); }); });
    const int text = fontMetrics().height();
    horizontalHeader()->setFixedHeight(qMax(20, text + 6));
    SetRowHeight(qMax(16, text + 2));
    verticalHeader()->setFixedWidth(qMax(12, fontMetrics().horizontalAdvance(u'▶') + 6));
}

void TzyDBGrid::SetLayoutId(int layoutId) {
    m_layoutId = layoutId;
    LoadLayout(layoutId);
}

QList<TGridColumn> TzyDBGrid::BuildDefaultColumns() const {
    QList<TGridColumn> columns = Model()->DefaultColumns(horizontalHeader()->fontMetrics());
    for (TGridColumn& c : columns)
        c.SumFooter = m_sumFields.contains(c.FieldName, Qt::CaseInsensitive);
    return columns;
}

void TzyDBGrid::DefaultColumns() {
    m_layoutText.clear();
    SetColumns(BuildDefaultColumns());
    AfterSort();
}

void TzyDBGrid::ApplyLayout(const QString& text) {
    m_layoutText = text;
    QList<TGridColumn> columns = BuildDefaultColumns();
    TGridLayout::Apply(text, columns);
    SetColumns(columns);
    AfterSort();
}

void TzyDBGrid::RebuildColumns() {
    ApplyLayout(m_layoutText);
}

QString TzyDBGrid::NoDataSetMessage() const {
    return QStringLiteral("系统错误: 没有为DBGrid.DataSource指定DataSet对象,请与作者联系!");
}

bool TzyDBGrid::CheckBatchUpdate() const {
    if (!DataSet() || !DataSet()->Active()) {
        ShowInfo(QStringLiteral("没有指定数据集DataSet, 操作被取消."));
        return false;
    }
    if (!BatchProc) {
        ShowInfo(QStringLiteral("没有指定更新过程BatchProc, 操作被取消."));
        return false;
    }
    return true;
}

QList<int> TzyDBGrid::BatchRows() const {
    QList<int> rows;
    for (int row = 0; row < Model()->rowCount(); ++row) {
        if (selectionModel()->isRowSelected(row, QModelIndex()))
            rows << row;
    }
    return rows;
}

void TzyDBGrid::SaveLayoutClick() {
    CurrentOperator().RequireRight(10006);
    StoreLayout(m_layoutId > 0 ? m_layoutId : Tag());
    ShowInfo(QStringLiteral("列样式保存成功."));
}

void TzyDBGrid::SumFooter(const QString& fieldName) {
    const int column = Model()->ColumnOfField(fieldName);
    if (column < 0)
        return;
    if (!m_sumFields.contains(fieldName, Qt::CaseInsensitive))
        m_sumFields << fieldName;
    Model()->SetSumFooter(column, true);
    findChild<TGridFooter*>()->Invalidate();
    ShowFooter(true);
}

QString TzyDBGrid::FooterText(const QString& fieldName) const {
    const int column = Model()->ColumnOfField(fieldName);
    return column < 0 ? QString() : findChild<TGridFooter*>()->Text(column);
}

const TGridColumn* TzyDBGrid::ColumnOf(const QString& fieldName) const {
    const int column = Model()->ColumnOfField(fieldName);
    return column < 0 ? nullptr : &Columns()[column];
}

// The markers follow the data set's sort order, whoever set it.
void TzyDBGrid::AfterSort() {
    m_marked.clear();
    const QList<TSortItem> items = DataSet() ? ParseSort(DataSet()->Sort()) : QList<TSortItem>();
    for (int c = 0; c < Columns().size(); ++c)
        Model()->SetMarker(c, TSortMarker::None);
    for (const TSortItem& item : items) {
        const int column = Model()->ColumnOfField(item.field);
        if (column < 0 || Columns()[column].Marker != TSortMarker::None)
            continue;
        Model()->SetMarker(column,
                           item.descending ? TSortMarker::Descending : TSortMarker::Ascending);
        m_marked << Columns()[column].FieldName;
    }
}

void TzyDBGrid::TitleClick(int column) {
    TDataSet* ds = DataSet();
    if (!ds || !ds->Active() || column < 0 || column >= Columns().size() ||
        !Columns()[column].TitleButton)
        return;
    const QString field = Columns()[column].FieldName;
    const TSortMarker marker = NextMarker(Columns()[column].Marker);
    Model()->SetMarker(column, marker);
    if (marker == TSortMarker::None)
        m_marked.removeAll(field);
    else if (!m_marked.contains(field))
        m_marked << field;
    ds->SetSort(MarkedSortText());
}

// Each marked field followed by " DESC , " or ", ", without the last two
// characters: "Code DESC , Room" after marking Code descending, then Room.
QString TzyDBGrid::MarkedSortText() const {
    QString text;
    for (const QString& field : m_marked) {
        const int column = Model()->ColumnOfField(field);
        if (column < 0 || Columns()[column].Marker == TSortMarker::None)
            continue;
        const bool desc = Columns()[column].Marker == TSortMarker::Descending;
        text += field + (desc ? QStringLiteral(" DESC , ") : QStringLiteral(", "));
    }
    text.chop(2);
    return text;
}

void TzyDBGrid::MoveToVisibleColumn(int step) {
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    for (int c = current.column() + step; c >= 0 && c < Model()->columnCount(); c += step) {
        if (!isColumnHidden(c)) {
            setCurrentIndex(Model()->index(current.row(), c));
            return;
        }
    }
}

void TzyDBGrid::keyPressEvent(QKeyEvent* event) {
    TDataSet* ds = DataSet();
    const bool open = ds && ds->Active();
    switch (event->key()) {
    case Qt::Key_Left:
        MoveToVisibleColumn(-1);
        break;
    case Qt::Key_Right:
        MoveToVisibleColumn(1);
        break;
    case Qt::Key_Up:
        if (open)
            RunCommand([ds] { ds->Prior(); });
        break;
    case Qt::Key_Down:
        if (open)
            RunCommand([ds] { ds->Next(); });
        break;
    default:
        TzyGridBase::keyPressEvent(event);
    }
    emit KeyDown(event);
}
