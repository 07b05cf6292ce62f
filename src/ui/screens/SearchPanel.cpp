#include "screens/SearchPanel.h"

#include "operations/Conversions.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kAny = QStringLiteral("不限");
}

TSearchPanel::TSearchPanel(const QStringList& dealTypes, QWidget* parent)
    : QWidget(parent), m_dealTypes(new QListWidget(this)), m_rows{new QHBoxLayout, new QHBoxLayout},
      m_find(new QPushButton(QStringLiteral("查 找"), this)),
      m_reset(new QPushButton(QStringLiteral("重置"), this)) {
    m_dealTypes->setObjectName(QStringLiteral("DealTypeList"));
    m_dealTypes->addItems(dealTypes);
    m_dealTypes->setFixedWidth(64);
    m_dealTypes->setFixedHeight(m_dealTypes->sizeHintForRow(0) * int(dealTypes.size()) + 6);
    connect(m_dealTypes, &QListWidget::itemClicked, this,
            [this] { emit DealTypeChosen(DealType()); });
    m_find->setObjectName(QStringLiteral("FindButton"));
    m_reset->setObjectName(QStringLiteral("ResetButton"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_dealTypes, 0, Qt::AlignTop);
    auto* rows = new QVBoxLayout;
    rows->setSpacing(4);
    for (QHBoxLayout* row : m_rows) {
        row->setSpacing(4);
        rows->addLayout(row);
    }
    rows->addStretch(1);
    layout->addLayout(rows, 1);
}

QString TSearchPanel::DealType() const {
    const QListWidgetItem* item = m_dealTypes->currentItem();
    return item ? item->text().trimmed() : QString();
}

void TSearchPanel::SelectDealType(int index) {
    m_dealTypes->setCurrentRow(index);
    emit DealTypeChosen(DealType());
}

QString TSearchPanel::Text(const QComboBox* combo) {
    const QString text = combo->currentText().trimmed();
    return text == kAny ? QString() : text;
}

int TSearchPanel::Number(const QComboBox* combo) {
    const QString text = Text(combo);
    return text.isEmpty() ? -1 : StrToInt32(text);
}

double TSearchPanel::Decimal(const QComboBox* combo) {
    const QString text = Text(combo);
    return text.isEmpty() ? -1 : StrToAmount(text);
}

QComboBox* TSearchPanel::AddCombo(const QString& name, const QStringList& items, int row,
                                  int column, int width) {
    auto* combo = new QComboBox(this);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setFixedWidth(width);
    Q_UNUSED(column);
    AddToRow(row, combo);
    return combo;
}

QLineEdit* TSearchPanel::AddEdit(const QString& name, int row, int column, int width) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setFixedWidth(width);
    Q_UNUSED(column);
    AddToRow(row, edit);
    return edit;
}

QLabel* TSearchPanel::AddLabel(const QString& caption, int row, int column) {
    Q_UNUSED(column);
    auto* label = new QLabel(caption, this);
    AddToRow(row, label);
    return label;
}

void TSearchPanel::AddToRow(int row, QWidget* widget) {
    m_rows[row]->addWidget(widget);
}

void TSearchPanel::AddButtons(int column, QPushButton* extra) {
    Q_UNUSED(column);
    m_rows[0]->addSpacing(12);
    m_rows[0]->addWidget(m_find);
    if (extra)
        m_rows[0]->addWidget(extra);
    m_rows[1]->addSpacing(12);
    m_rows[1]->addWidget(m_reset);
    if (extra)
        m_rows[1]->addSpacing(extra->sizeHint().width() + m_rows[1]->spacing());
    m_rows[0]->addStretch(1);
    m_rows[1]->addStretch(1);
}
