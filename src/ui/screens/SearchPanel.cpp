#include "screens/SearchPanel.h"

#include "operations/Conversions.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {
const QString kAny = QStringLiteral("不限");
}

TSearchPanel::TSearchPanel(const QStringList& dealTypes, QWidget* parent)
    : QWidget(parent), m_dealTypes(new QListWidget(this)), m_grid(new QGridLayout),
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
    m_grid->setHorizontalSpacing(4);
    m_grid->setVerticalSpacing(4);
    layout->addLayout(m_grid);
    layout->addStretch(1);
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
    m_grid->addWidget(combo, row, column);
    return combo;
}

QLineEdit* TSearchPanel::AddEdit(const QString& name, int row, int column, int width) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setFixedWidth(width);
    m_grid->addWidget(edit, row, column);
    return edit;
}

QLabel* TSearchPanel::AddLabel(const QString& caption, int row, int column) {
    auto* label = new QLabel(caption, this);
    m_grid->addWidget(label, row, column, Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

void TSearchPanel::AddButtons(int column, QPushButton* extra) {
    m_grid->addWidget(m_find, 0, column);
    m_grid->addWidget(m_reset, 1, column);
    if (extra)
        m_grid->addWidget(extra, 0, column + 1);
}
