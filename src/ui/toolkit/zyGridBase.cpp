#include "toolkit/zyGridBase.h"

#include "app/Error.h"
#include "app/Messenger.h"
#include "data/DataSet.h"
#include "operators/Operator.h"
#include "toolkit/GridFooter.h"
#include "toolkit/GridLayout.h"
#include "toolkit/zyGridHooks.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QScopeGuard>
#include <QScrollBar>

#include <algorithm>

TzyGridBase::TzyGridBase(QWidget* parent)
    : QTableView(parent), m_model(new TDataSetModel(this)), m_footer(new TGridFooter(this)),
      m_ownMenu(new QMenu(this)), m_popup(m_ownMenu) {
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideRight);
    setWordWrap(false);
    QHeaderView* rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setSectionsClickable(false);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);
    m_footer->hide();
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);

    connect(m_model, &TDataSetModel::CurrentRowChanged, this, &TzyGridBase::FollowDataSetRow);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        SyncHeader();
        FollowDataSetRow(m_model->CurrentRow());
    });
    connect(m_model, &QAbstractItemModel::columnsMoved, this, &TzyGridBase::SyncHeader);
    connect(m_model, &TDataSetModel::ValuesChanged, m_footer, &TGridFooter::Invalidate);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &TzyGridBase::SectionResized);
    connect(horizontalHeader(), &QHeaderView::sectionMoved, this, &TzyGridBase::SectionMoved);
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, m_footer,
            qOverload<>(&QWidget::update));
    CreateCommands();
}

TzyGridBase::~TzyGridBase() = default;

void TzyGridBase::CreateCommands() {
    auto make = [this](const QString& caption, void (TzyGridBase::*command)()) {
        auto* action = new QAction(caption, this);
        connect(action, &QAction::triggered, this,
                [this, command] { RunCommand([=, this] { (this->*command)(); }); });
        return action;
    };
    m_actExport = make(QStringLiteral("导出"), &TzyGridBase::ExportClick);
    m_actExcel = make(QStringLiteral("导出到Excel文档"), &TzyGridBase::SaveToExcelClick);
    m_actHtml = make(QStringLiteral("导出到Html网页文件"), &TzyGridBase::SaveToHtmlClick);
    m_actColumns = make(QStringLiteral("列选择"), &TzyGridBase::PickColumnsClick);
    m_actSaveLayout = make(QStringLiteral("保存表格样式"), &TzyGridBase::SaveLayoutClick);
    m_actSort = make(QStringLiteral("排序"), &TzyGridBase::SortClick);
    m_actFilter = make(QStringLiteral("过滤"), &TzyGridBase::FilterClick);
    m_actBatchUpdate = make(QStringLiteral("批量更新"), &TzyGridBase::BatchUpdateClick);

    m_ownMenu->addAction(m_actSort);
    m_ownMenu->addSeparator();
    m_ownMenu->addAction(m_actColumns);
    m_ownMenu->addAction(m_actSaveLayout);
    m_ownMenu->addSeparator();
    m_ownMenu->addAction(m_actExcel);
    m_ownMenu->addAction(m_actHtml);
    connect(m_ownMenu, &QMenu::aboutToShow, this, &TzyGridBase::UpdateCommands);
    UpdateCommands();
}

// A command whose dialog or export is not installed is offered disabled.
void TzyGridBase::UpdateCommands() {
    m_actSort->setEnabled(bool(TzyGridHooks::SortDialog));
    m_actColumns->setEnabled(bool(TzyGridHooks::ColumnDialog));
    m_actExcel->setEnabled(bool(TzyGridHooks::SaveToExcel));
    m_actHtml->setEnabled(bool(TzyGridHooks::SaveToHtml));
    m_actExport->setEnabled(bool(TzyGridHooks::ExportWizard));
    m_actFilter->setEnabled(bool(TzyGridHooks::FilterDialog));
    m_actBatchUpdate->setEnabled(bool(TzyGridHooks::BatchUpdateDialog));
}

void TzyGridBase::RunCommand(const std::function<void()>& command) {
    try {
        command();
    } catch (const EAbort&) {
    } catch (const EOrbelError& e) {
        ShowInfo(e.Message());
    }
}

void TzyGridBase::SetPopupMenu(QMenu* menu) {
    m_popup = menu ? menu : m_ownMenu;
}

void TzyGridBase::contextMenuEvent(QContextMenuEvent* event) {
    if (m_popup)
        m_popup->popup(event->globalPos());
}

void TzyGridBase::PopupButtonClick(QWidget* control) {
    if (control)
        m_ownMenu->popup(control->mapToGlobal(QPoint(0, control->height())));
}

void TzyGridBase::SetDataSet(TDataSet* dataSet) {
    if (DataSet())
        disconnect(DataSet(), &TDataSet::AfterOpen, this, nullptr);
    m_model->SetDataSet(dataSet);
    if (dataSet)
        connect(dataSet, &TDataSet::AfterOpen, this, &TzyGridBase::FieldsMayHaveChanged);
    RebuildColumns();
}

bool TzyGridBase::ColumnsMatchFields() const {
    const TDataSet* ds = DataSet();
    if (Columns().isEmpty())
        return ds->FieldCount() == 0;
    for (int c = 0; c < Columns().size(); ++c) {
        if (!FieldOf(c))
            return false;
    }
    return true;
}

// Record sets without defined fields take them from each result; columns follow.
void TzyGridBase::FieldsMayHaveChanged() {
    if (DataSet() && !ColumnsMatchFields())
        RebuildColumns();
}

void TzyGridBase::SetColumns(const QList<TGridColumn>& columns) {
    m_model->SetColumns(columns);
    m_footer->Invalidate();
    ShowFooter(std::any_of(columns.begin(), columns.end(),
                           [](const TGridColumn& c) { return c.SumFooter; }));
}

void TzyGridBase::SyncHeader() {
    m_syncing = true;
    QHeaderView* header = horizontalHeader();
    for (int c = 0; c < Columns().size(); ++c) {
        const TGridColumn& column = Columns()[c];
        // Keep logical and visual order the same: the model holds the order.
        if (header->visualIndex(c) != c)
            header->moveSection(header->visualIndex(c), c);
        setColumnHidden(c, !column.Visible);
        if (column.Visible)
            setColumnWidth(c, column.Width);
    }
    m_syncing = false;
    m_footer->update();
}

void TzyGridBase::SectionResized(int column, int, int newSize) {
    if (m_syncing || newSize <= 0 || column >= Columns().size())
        return;
    const int minimum = Columns()[column].MinWidth;
    if (newSize < minimum) {
        m_syncing = true;
        setColumnWidth(column, minimum);
        m_syncing = false;
        newSize = minimum;
    }
    m_model->SetColumnWidth(column, newSize);
    m_footer->update();
}

// A title dragged to another place moves the column itself, so that the column
// order (and with it the stored layout) follows what the user sees.
void TzyGridBase::SectionMoved(int, int oldVisual, int newVisual) {
    if (m_syncing)
        return;
    m_syncing = true;
    horizontalHeader()->moveSection(newVisual, oldVisual);
    m_syncing = false;
    m_model->MoveColumn(oldVisual, newVisual);
}

void TzyGridBase::SetRowHeight(int pixels) {
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(pixels);
}

// The footer row sits under the rows, above the horizontal scroll bar: the
// view's bottom margin leaves room for it, and the vertical scroll range and row
// header are fitted to the smaller viewport.
void TzyGridBase::ShowFooter(bool on) {
    m_footer->setVisible(on);
    updateGeometries();
}

int TzyGridBase::FooterHeight() const {
    return m_footer->isVisibleTo(this) ? m_footer->sizeHint().height() : 0;
}

void TzyGridBase::updateGeometries() {
    QTableView::updateGeometries();
    const int height = FooterHeight();
    if (height <= 0 || m_inGeometry)
        return;
    m_inGeometry = true;
    const QMargins margins = viewportMargins();
    setViewportMargins(margins.left(), margins.top(), margins.right(), height);
    const QRect vp = viewport()->geometry();
    verticalHeader()->setGeometry(vp.left() - margins.left(), vp.top(), margins.left(),
                                  vp.height());
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, qMax(0, verticalHeader()->length() - vp.height()));
    bar->setPageStep(vp.height());
    m_footer->setGeometry(vp.left() - margins.left(), vp.bottom() + 1, vp.width() + margins.left(),
                          height);
    m_inGeometry = false;
}

void TzyGridBase::FollowDataSetRow(int row) {
    if (row < 0 || row >= m_model->rowCount() || currentIndex().row() == row)
        return;
    int column = currentIndex().isValid() ? currentIndex().column() : -1;
    if (column < 0 || isColumnHidden(column)) {
        const QList<int> visible = VisibleColumns();
        column = visible.isEmpty() ? 0 : visible.first();
    }
    if (column >= m_model->columnCount())
        return;
    m_following = true;
    setCurrentIndex(m_model->index(row, column));
    m_following = false;
}

// The current row may have been set before the grid had its size.
void TzyGridBase::showEvent(QShowEvent* event) {
    QTableView::showEvent(event);
    // After the scroll bars have settled.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (currentIndex().isValid())
                scrollTo(currentIndex());
        },
        Qt::QueuedConnection);
}

void TzyGridBase::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (!m_following && current.isValid())
        m_model->SetCurrentRow(current.row());
    if (current.row() != previous.row())
        RowFocused(current.row());
}

QString TzyGridBase::LayoutText() const {
    return TGridLayout::Format(Columns());
}

bool TzyGridBase::StoreLayout(int number) {
    return TGridLayout::Store(number, LayoutText());
}

void TzyGridBase::LoadLayout(int number) {
    ApplyLayout(TGridLayout::Load(number));
}

bool TzyGridBase::CheckDataSet() const {
    const TDataSet* ds = DataSet();
    if (!ds) {
        ShowInfo(NoDataSetMessage());
        return false;
    }
    if (!ds->Active()) {
        ShowInfo(QStringLiteral("系统提示: 请先打开数据再操作!"));
        return false;
    }
    return true;
}

void TzyGridBase::SortClick() {
    if (!CheckDataSet() || !TzyGridHooks::SortDialog)
        return;
    TDataSet* ds = DataSet();
    QString sort = ds->Sort();
    if (TzyGridHooks::SortDialog(this, ds, sort)) {
        ds->SetSort(sort);
        AfterSort();
    }
}

void TzyGridBase::FilterClick() {
    if (CheckDataSet() && TzyGridHooks::FilterDialog)
        TzyGridHooks::FilterDialog(this, DataSet());
}

void TzyGridBase::BatchUpdateClick() {
    if (!CheckBatchUpdate() || !TzyGridHooks::BatchUpdateDialog)
        return;
    const QList<TBatchItem> items = BatchItems();
    int index = -1;
    QString value;
    if (!TzyGridHooks::BatchUpdateDialog(this, items, index, value) || index < 0 ||
        index >= items.size())
        return;
    WriteRows(BatchRows(), DataSet()->FieldByName(items[index].FieldName), value);
}

// Every column whose field is shown and stored, by the field's label.
QList<TBatchItem> TzyGridBase::BatchItems() const {
    QList<TBatchItem> items;
    for (int c = 0; c < Columns().size(); ++c) {
        const TField* field = FieldOf(c);
        if (field && field->Visible() && !field->Calculated())
            items << TBatchItem{field->DisplayLabel(), field->FieldName()};
    }
    return items;
}

// A value the field cannot take stops the walk with its error; the rows
// written before stay written. The view redraws once at the end.
void TzyGridBase::WriteRows(const QList<int>& rows, TField* field, const QString& value) {
    TDataSet* ds = DataSet();
    const int current = ds->CurrentRow();
    ds->DisableControls();
    const auto restore = qScopeGuard([ds, current] {
        ds->Cancel();
        ds->SetCurrentRow(current);
        ds->EnableControls();
    });
    for (int row : rows) {
        ds->SetCurrentRow(row);
        ds->Edit();
        field->SetAsString(value);
        ds->Post();
        BatchRowWritten(field);
        BatchProc();
    }
}

void TzyGridBase::PickColumnsClick() {
    CurrentOperator().RequireRight(10008);
    if (!TzyGridHooks::ColumnDialog)
        return;
    QList<TColumnItem> items;
    for (int c = 0; c < Columns().size(); ++c)
        items << TColumnItem{c, Columns()[c].Caption, Columns()[c].Visible};
    if (!TzyGridHooks::ColumnDialog(this, items))
        return;
    for (const TColumnItem& item : items) {
        if (item.Index >= 0 && item.Index < Columns().size())
            m_model->SetColumnVisible(item.Index, item.Visible);
    }
    SyncHeader();
}

void TzyGridBase::SaveToExcelClick() {
    CurrentOperator().RequireRight(10004);
    if (TzyGridHooks::SaveToExcel)
        TzyGridHooks::SaveToExcel(this);
}

void TzyGridBase::SaveToHtmlClick() {
    CurrentOperator().RequireRight(10004);
    if (TzyGridHooks::SaveToHtml)
        TzyGridHooks::SaveToHtml(this);
}

void TzyGridBase::ExportClick() {
    CurrentOperator().RequireRight(10004);
    if (DataSet() && DataSet()->Active() && TzyGridHooks::ExportWizard)
        TzyGridHooks::ExportWizard(this, DataSet());
}

QList<int> TzyGridBase::VisibleColumns() const {
    QList<int> visible;
    for (int c = 0; c < Columns().size(); ++c) {
        if (Columns()[c].Visible)
            visible << c;
    }
    return visible;
}

QStringList TzyGridBase::VisibleTitles() const {
    QStringList titles;
    for (int c : VisibleColumns())
        titles << Columns()[c].Caption;
    return titles;
}

QStringList TzyGridBase::VisibleTexts(int row) const {
    QStringList texts;
    for (int c : VisibleColumns())
        texts << m_model->data(m_model->index(row, c), Qt::DisplayRole).toString();
    return texts;
}
