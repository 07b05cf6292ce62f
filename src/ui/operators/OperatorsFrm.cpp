#include "operators/OperatorsFrm.h"

#include "app/Messenger.h"
#include "app/GuardedCommand.h"
#include "operators/Operator.h"
#include "operators/OperatorEditorFrm.h"
#include "operators/OperatorIcon.h"
#include "operators/OperatorSet.h"
#include "operators/Rights.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TOperatorsFrm::TOperatorsFrm(const TRightList& businessRights, QWidget* parent)
    : TAInfoDlgFrm(parent), m_operators(new TOperatorSet(this)),
      m_editor(new TOperatorEditorFrm(this)), lvUsers1(new QListWidget),
      btnProperties1(new QPushButton(QStringLiteral("属性"))),
      btnAdd1(new QPushButton(QStringLiteral("添加"))),
      btnDelete1(new QPushButton(QStringLiteral("删除"))) {
    setObjectName(QStringLiteral("OperatorsFrm"));
    setWindowTitle(QStringLiteral("操作员及权限"));
    for (const auto& right : businessRights)
        m_editor->AddRight(right.first, right.second);
    // The system rights are the ones numbered from 10000.
    for (const TRight& right : RightsTable()) {
        if (right.Number >= rtCompanyInfo)
            m_editor->AddRight(right.Caption, right.Number);
    }

    auto* picture = new QLabel;
    picture->setPixmap(OperatorIcon().pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    lvUsers1->setObjectName(QStringLiteral("lvUsers1"));
    lvUsers1->setViewMode(QListView::IconMode);
    lvUsers1->setIconSize(QSize(32, 32));
    lvUsers1->setGridSize(QSize(90, 64));
    lvUsers1->setResizeMode(QListView::Adjust);
    lvUsers1->setMovement(QListView::Static);
    lvUsers1->setSelectionMode(QAbstractItemView::SingleSelection);
    btnProperties1->setObjectName(QStringLiteral("btnProperties1"));
    btnAdd1->setObjectName(QStringLiteral("btnAdd1"));
    btnDelete1->setObjectName(QStringLiteral("btnDelete1"));

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {btnProperties1, btnAdd1, btnDelete1}) {
        button->setFixedSize(75, 25);
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(new QLabel(QStringLiteral("用户列表")));
    listColumn->addWidget(lvUsers1, 1);
    auto* layout = new QHBoxLayout(Body());
    layout->setContentsMargins(12, 12, 12, 8);
    layout->addWidget(picture);
    layout->addLayout(listColumn, 1);
    layout->addLayout(buttons);

    connect(lvUsers1, &QListWidget::itemSelectionChanged, this, &TOperatorsFrm::SelectionChanged);
    connect(lvUsers1, &QListWidget::itemDoubleClicked, this,
            [this] { RunGuarded([this] { PropertiesClick(); }); });
    connect(btnProperties1, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { PropertiesClick(); }); });
    connect(btnAdd1, &QPushButton::clicked, this, [this] { RunGuarded([this] { AddClick(); }); });
    connect(btnDelete1, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { DeleteClick(); }); });
    FillList();
    SelectionChanged();
}

TOperatorsFrm::~TOperatorsFrm() = default;

void TOperatorsFrm::FillList() {
    TDataSet* ds = m_operators->DataSet();
    for (ds->First(); !ds->Eof(); ds->Next())
        AddItem(m_operators->UserIdField()->AsString());
}

void TOperatorsFrm::AddItem(const QString& loginId) {
    new QListWidgetItem(OperatorIcon(), loginId, lvUsers1);
}

QString TOperatorsFrm::SelectedLoginId() const {
    const QList<QListWidgetItem*> selected = lvUsers1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void TOperatorsFrm::SelectionChanged() {
    const bool any = !lvUsers1->selectedItems().isEmpty();
    btnProperties1->setEnabled(any);
    btnDelete1->setEnabled(any);
}

void TOperatorsFrm::PropertiesClick() {
    const QString loginId = SelectedLoginId();
    if (loginId.isEmpty() || !m_operators->DataSet()->Locate(QStringLiteral("LoginId"), loginId))
        return;
    m_editor->SetUserId(loginId);
    m_editor->SetPasswd(m_operators->PasswdField()->AsString());
    m_editor->SetEmpName(m_operators->NameField()->AsString());
    m_editor->SetEmpTel(m_operators->ContactField()->AsString());
    m_editor->SetEmpNote(m_operators->NoteField()->AsString());
    m_editor->SetRights(m_operators->RightsField()->AsString());
    m_editor->ExecAndSave([this] {
        m_operators->Update(m_editor->UserId(), m_editor->Passwd(), m_editor->Rights(),
                            m_editor->EmpNote(), m_editor->EmpTel(), m_editor->EmpName());
    });
}

void TOperatorsFrm::AddClick() {
    m_editor->Reset();
    const bool added = m_editor->ExecAndSave([this] {
        m_operators->Add(m_editor->UserId(), m_editor->Passwd(), m_editor->Rights(),
                         m_editor->EmpNote(), m_editor->EmpTel(), m_editor->EmpName());
    });
    if (added)
        AddItem(m_editor->UserId());
}

void TOperatorsFrm::DeleteClick() {
    const QString loginId = SelectedLoginId();
    if (loginId.isEmpty() || !m_operators->DataSet()->Locate(QStringLiteral("LoginId"), loginId))
        return;
    if (!ConfirmDelete(loginId))
        return;
    m_operators->Delete(loginId);
    delete lvUsers1->selectedItems().first();
}

void ShowOperators(QWidget* parent, const TOperatorsFrm::TRightList& businessRights) {
    if (!CurrentOperator().RequireRight(rtOperators, false))
        return;
    TOperatorsFrm window(businessRights, parent);
    window.exec();
}
