#include "screens/MultiChoiceFrm.h"

#include "screens/CommaText.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

TMultiChoiceFrm::TMultiChoiceFrm(const QStringList& entries, QWidget* parent)
    : TADlgFrm(parent), m_list(new QListWidget) {
    setObjectName(QStringLiteral("MultiChoiceFrm"));
    setWindowTitle(QStringLiteral("选择"));
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(10, 8, 10, 6);
    layout->addWidget(new QLabel(QStringLiteral("请从以下列表中打钩选择:")));
    layout->addWidget(m_list, 1);
    m_list->setObjectName(QStringLiteral("lstChoice1"));
    m_list->setFlow(QListView::LeftToRight);
    m_list->setWrapping(true);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setUniformItemSizes(true);
    for (const QString& entry : entries) {
        auto* item = new QListWidgetItem(entry, m_list);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(Qt::Unchecked);
    }
    connect(m_list, &QListWidget::itemDoubleClicked, this, &TMultiChoiceFrm::Toggle);
    resize(469, 330);
}

void TMultiChoiceFrm::Toggle(QListWidgetItem* item) {
    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void TMultiChoiceFrm::SetText(const QString& commaText) {
    const QStringList words = SplitCommaText(commaText);
    for (int i = 0; i < m_list->count(); ++i) {
        QListWidgetItem* item = m_list->item(i);
        item->setCheckState(words.contains(item->text()) ? Qt::Checked : Qt::Unchecked);
    }
}

QString TMultiChoiceFrm::Text() const {
    QStringList checked;
    for (int i = 0; i < m_list->count(); ++i) {
        if (m_list->item(i)->checkState() == Qt::Checked)
            checked << m_list->item(i)->text();
    }
    return JoinCommaText(checked);
}

void TMultiChoiceFrm::resizeEvent(QResizeEvent* event) {
    TADlgFrm::resizeEvent(event);
    FitColumns();
}

// Two entries per row, each half the width of the list.
void TMultiChoiceFrm::FitColumns() {
    const int width = (m_list->viewport()->width() - 2) / 2;
    const int height = m_list->fontMetrics().height() + 8;
    m_list->setGridSize(QSize(qMax(width, 40), height));
}
