#include "screens/MultiChoiceFrm.h"

#include "screens/CommaText.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kColumns = 2;

} // namespace

TMultiChoiceFrm::TMultiChoiceFrm(const QStringList& entries, QWidget* parent)
    : TADlgFrm(parent), m_list(new QTableWidget(Body())), m_count(int(entries.size())) {
    setObjectName(QStringLiteral("MultiChoiceFrm"));
    setWindowTitle(QStringLiteral("选择"));
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(10, 8, 10, 6);
    layout->addWidget(new QLabel(QStringLiteral("请从以下列表中打钩选择:")));
    layout->addWidget(m_list, 1);
    m_list->setObjectName(QStringLiteral("lstChoice1"));
    m_list->setColumnCount(kColumns);
    m_list->setRowCount((m_count + kColumns - 1) / kColumns);
    m_list->horizontalHeader()->hide();
    m_list->verticalHeader()->hide();
    m_list->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 8);
    m_list->setShowGrid(false);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int i = 0; i < m_count; ++i) {
        auto* item = new QTableWidgetItem(entries[i]);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
        m_list->setItem(i / kColumns, i % kColumns, item);
    }
    connect(m_list, &QTableWidget::itemDoubleClicked, this, &TMultiChoiceFrm::Toggle);
    resize(469, 330);
}

QTableWidgetItem* TMultiChoiceFrm::Entry(int index) const {
    return m_list->item(index / kColumns, index % kColumns);
}

void TMultiChoiceFrm::Toggle(QTableWidgetItem* item) {
    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void TMultiChoiceFrm::SetText(const QString& commaText) {
    const QStringList words = SplitCommaText(commaText);
    for (int i = 0; i < m_count; ++i)
        Entry(i)->setCheckState(words.contains(Entry(i)->text()) ? Qt::Checked : Qt::Unchecked);
}

QString TMultiChoiceFrm::Text() const {
    QStringList checked;
    for (int i = 0; i < m_count; ++i) {
        if (Entry(i)->checkState() == Qt::Checked)
            checked << Entry(i)->text();
    }
    return JoinCommaText(checked);
}
