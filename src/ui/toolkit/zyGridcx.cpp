#include "toolkit/zyGridcx.h"

#include "app/Messenger.h"
#include "data/DataSet.h"
#include "operators/Operator.h"
#include "toolkit/GridLayout.h"
#include "toolkit/zyGridHooks.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionHeader>

TzyGridcx::TzyGridcx(QWidget* parent) : TzyGridBase(parent) {
    Model()->SetRowHeader(TDataSetModel::TRowHeader::Numbers);
    Model()->SetAlternateColor(QColor(255, 251, 240));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setCornerButtonEnabled(false);
    SetRowHeight(fontMetrics().height() + 6);
    verticalHeader()->setMinimumWidth(30);
    // The corner above the row numbers carries the column's title.
    if (auto* corner = findChild<QAbstractButton*>())
        corner->installEventFilter(this);
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { emit CellClick(FieldOf(index.column())); });
}

void TzyGridcx::SetLayout(const QString& text) {
    m_layout = text;
    QList<TGridColumn> columns =
        Model()->DefaultColumns(horizontalHeader()->fontMetrics(), text.isEmpty());
    TGridLayout::Apply(text, columns);
    SetColumns(columns);
}

void TzyGridcx::AddColumn(const QString& fieldName, int width) {
    TGridColumn column;
    column.FieldName = fieldName;
    const TField* field = DataSet() ? DataSet()->FindField(fieldName) : nullptr;
    column.Caption = field ? field->DisplayLabel() : fieldName;
    column.TitleButton = !(field && field->Calculated());
    column.Width = width;
    column.MinWidth = width;
    QList<TGridColumn> columns = Columns();
    columns << column;
    SetColumns(columns);
}

int TzyGridcx::SelectedCount() const {
    return selectionModel() ? int(selectionModel()->selectedRows().size()) : 0;
}

QString TzyGridcx::NoDataSetMessage() const {
    return QStringLiteral("系统错误: 没有为TzyGridcx.DataSource指定DataSet对象,请与作者联系!");
}

bool TzyGridcx::CheckBatchUpdate() const {
    if (!CheckDataSet())
        return false;
    if (!BatchProc) {
        ShowInfo(QStringLiteral("没有指定BatchUpdate更新过程, 操作被取消."));
        return false;
    }
    return true;
}

QList<int> TzyGridcx::BatchRows() const {
    QList<int> rows;
    if (selectionModel()) {
        for (const QModelIndex& index : selectionModel()->selectedRows())
            rows << index.row();
    }
    return rows;
}

void TzyGridcx::AfterSort() {
    viewport()->update();
}

// Detail grids must not overwrite the layouts of the house and client lists,
// which live under the numbers a detail grid has when its screen gave it none.
void TzyGridcx::SaveLayoutClick() {
    CurrentOperator().RequireRight(10006);
    if (TGridLayout::IsListLayout(Tag()))
        return;
    if (StoreLayout(Tag()))
        ShowInfo(QStringLiteral("列样式保存成功."));
}

void TzyGridcx::RowFocused(int row) {
    emit SelectChanged(this, row >= 0);
}

void TzyGridcx::mouseDoubleClickEvent(QMouseEvent* event) {
    TzyGridBase::mouseDoubleClickEvent(event);
    emit DblClick(this);
    emit CellDblClick(FieldOf(currentIndex().column()));
}

void TzyGridcx::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers().testFlag(Qt::ControlModifier) && currentIndex().isValid()) {
        emit EditButtonClick(this, FieldOf(currentIndex().column()));
        return;
    }
    TzyGridBase::keyPressEvent(event);
}

bool TzyGridcx::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && watched->isWidgetType() && watched->parent() == this) {
        PaintCorner(static_cast<QWidget*>(watched));
        return true;
    }
    return TzyGridBase::eventFilter(watched, event);
}

void TzyGridcx::PaintCorner(QWidget* corner) {
    QPainter painter(corner);
    QStyleOptionHeader option;
    option.initFrom(this); // the corner button itself is disabled
    option.rect = corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = RowNumberTitle();
    option.textAlignment = Qt::AlignCenter;
    option.state |= QStyle::State_Enabled | QStyle::State_Raised | QStyle::State_Horizontal;
    style()->drawControl(QStyle::CE_Header, &option, &painter, corner);
}
