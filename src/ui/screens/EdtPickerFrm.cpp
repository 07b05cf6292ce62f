#include "screens/EdtPickerFrm.h"

#include "app/DlgButtonBar.h"
#include "app/Error.h"
#include "app/GuardedCommand.h"
#include "app/Messenger.h"
#include "screens/DetailGrid.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TEdtPickerFrm::TEdtPickerFrm(const QString& word, QWidget* parent)
    : TaFrm(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowCloseButtonHint),
      m_prompt(new QLabel(QStringLiteral("请选择您要操作的数据:"), this)),
      m_entries(new QListWidget(this)), m_grid(new TDetailGrid(this)),
      m_record(new QPushButton(this)) {
    setWindowTitle(word);
    SetEscCancels(true);
    m_entries->setObjectName(QStringLiteral("lbKinds1"));
    m_entries->setFixedWidth(100);
    m_grid->setObjectName(QStringLiteral("grdDetails1"));
    m_record->setObjectName(QStringLiteral("btnRecord1"));

    auto* bar = new TDlgButtonBar(this);
    m_action = bar->AddButton(word);
    m_action->setObjectName(QStringLiteral("btnAction1"));
    m_close = bar->AddButton(QStringLiteral("关闭"));
    m_close->setObjectName(QStringLiteral("btnClose1"));
    connect(m_entries, &QListWidget::currentRowChanged, this, &TEdtPickerFrm::EntryChosen);
    connect(m_record, &QPushButton::clicked, this, &TEdtPickerFrm::RunRecordCommand);
    connect(m_action, &QPushButton::clicked, this, &TEdtPickerFrm::RunAction);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);

    auto* body = new QGridLayout;
    body->setContentsMargins(10, 10, 10, 6);
    body->addWidget(m_prompt, 0, 0, 1, 2);
    body->addWidget(m_record, 0, 2, Qt::AlignRight);
    body->addWidget(m_entries, 1, 0);
    body->addWidget(m_grid, 1, 1, 1, 2);
    body->setColumnStretch(1, 1);
    body->setRowStretch(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(body, 1);
    layout->addWidget(bar);
    resize(780, 360);
}

void TEdtPickerFrm::SetRecordCommand(const QString& caption, TCommand command) {
    m_record->setText(caption);
    m_recordCommand = std::move(command);
}

void TEdtPickerFrm::AddEntry(const QString& caption, TBinder bind, TCommand action) {
    m_kinds << TEntry{std::move(bind), std::move(action)};
    m_entries->addItem(caption);
}

void TEdtPickerFrm::ShowFirstEntry() {
    if (m_entries->count() > 0)
        m_entries->setCurrentRow(0);
}

void TEdtPickerFrm::EntryChosen(int row) {
    m_current = row;
    if (row >= 0 && row < m_kinds.size())
        m_kinds[row].bind(*m_grid);
}

void TEdtPickerFrm::RunAction() {
    if (m_current >= 0 && m_current < m_kinds.size())
        RunGuarded(m_kinds[m_current].action);
}

// An error of the record command is shown and the picker stays open.
void TEdtPickerFrm::RunRecordCommand() {
    if (!m_recordCommand)
        return;
    try {
        m_recordCommand();
    } catch (const EAbort&) {
        return;
    } catch (const EOrbelError& e) {
        ShowInfo(e.Message());
        return;
    }
    accept();
}
