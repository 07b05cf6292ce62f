#include "operators/OperatorEditorFrm.h"

#include "operators/PasswordBox.h"
#include "operators/Rights.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

constexpr int kNumberRole = Qt::UserRole;

} // namespace

TOperatorEditorFrm::TOperatorEditorFrm(QWidget* parent)
    : TADlgFrm(parent), edtUserId1(NewBox(QStringLiteral("edtUserId1"))),
      edtName1(NewBox(QStringLiteral("edtName1"))),
      edtContact1(NewBox(QStringLiteral("edtContact1"))),
      edtNote1(NewBox(QStringLiteral("edtNote1"))),
      edtPasswd1(NewPasswordBox(QStringLiteral("edtPasswd1"))),
      edtPasswd2(NewPasswordBox(QStringLiteral("edtPasswd2"))), lstRights1(new QListWidget) {
    setObjectName(QStringLiteral("OperatorEditorFrm"));
    setWindowTitle(QStringLiteral("操作员属性"));
    lstRights1->setObjectName(QStringLiteral("lstRights1"));
    connect(lstRights1, &QListWidget::itemDoubleClicked, this, &TOperatorEditorFrm::ToggleCheck);

    auto* boxes = new QFormLayout;
    boxes->setVerticalSpacing(8);
    boxes->addRow(QStringLiteral("登陆名"), edtUserId1);
    boxes->addRow(QStringLiteral("姓名"), edtName1);
    boxes->addRow(QStringLiteral("联系方式"), edtContact1);
    boxes->addRow(QStringLiteral("备注"), edtNote1);
    boxes->addRow(QStringLiteral("密码"), edtPasswd1);
    boxes->addRow(QStringLiteral("验证密码"), edtPasswd2);

    auto* rights = new QVBoxLayout;
    rights->addWidget(new QLabel(QStringLiteral("权限")));
    rights->addWidget(lstRights1, 1);

    auto* layout = new QHBoxLayout(Body());
    layout->setContentsMargins(12, 12, 12, 8);
    layout->setSpacing(16);
    layout->addLayout(boxes, 1);
    layout->addLayout(rights, 1);
    resize(600, 500);
}

QLineEdit* TOperatorEditorFrm::NewBox(const QString& name) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    return box;
}

// Long texts show from their start.
void TOperatorEditorFrm::SetBoxText(QLineEdit* box, const QString& text) {
    box->setText(text);
    box->setCursorPosition(0);
}

void TOperatorEditorFrm::ToggleCheck(QListWidgetItem* item) {
    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void TOperatorEditorFrm::AddRight(const QString& caption, int number) {
    auto* item = new QListWidgetItem(caption, lstRights1);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    item->setData(kNumberRole, number);
}

int TOperatorEditorFrm::RightCount() const {
    return lstRights1->count();
}

QString TOperatorEditorFrm::UserId() const {
    return edtUserId1->text();
}

void TOperatorEditorFrm::SetUserId(const QString& loginId) {
    SetBoxText(edtUserId1, loginId);
    edtUserId1->setEnabled(loginId.isEmpty());
}

QString TOperatorEditorFrm::Passwd() const {
    return edtPasswd1->text();
}

void TOperatorEditorFrm::SetPasswd(const QString& password) {
    edtPasswd1->setText(password);
    edtPasswd2->setText(password);
}

QString TOperatorEditorFrm::Rights() const {
    QList<int> numbers;
    for (int i = 0; i < lstRights1->count(); ++i) {
        const QListWidgetItem* item = lstRights1->item(i);
        if (item->checkState() == Qt::Checked)
            numbers << item->data(kNumberRole).toInt();
    }
    return RightsText(numbers);
}

void TOperatorEditorFrm::SetRights(const QString& rights) {
    for (int i = 0; i < lstRights1->count(); ++i) {
        QListWidgetItem* item = lstRights1->item(i);
        const bool granted = RightsGrant(rights, item->data(kNumberRole).toInt());
        item->setCheckState(granted ? Qt::Checked : Qt::Unchecked);
    }
}

QString TOperatorEditorFrm::EmpName() const {
    return edtName1->text();
}

void TOperatorEditorFrm::SetEmpName(const QString& name) {
    SetBoxText(edtName1, name);
}

QString TOperatorEditorFrm::EmpTel() const {
    return edtContact1->text();
}

void TOperatorEditorFrm::SetEmpTel(const QString& contact) {
    SetBoxText(edtContact1, contact);
}

QString TOperatorEditorFrm::EmpNote() const {
    return edtNote1->text();
}

void TOperatorEditorFrm::SetEmpNote(const QString& note) {
    SetBoxText(edtNote1, note);
}

void TOperatorEditorFrm::Reset() {
    SetUserId(QString());
    SetPasswd(QString());
    SetEmpName(QString());
    SetEmpTel(QString());
    SetEmpNote(QString());
    SetRights(QString());
}

bool TOperatorEditorFrm::CloseQuery() {
    if (UserId().isEmpty())
        return Refuse(edtUserId1, QStringLiteral("必须填写登陆名."));
    if (edtPasswd1->text() != edtPasswd2->text()) {
        edtPasswd1->clear();
        edtPasswd2->clear();
        return Refuse(edtPasswd1, QStringLiteral("两次输入的密码不一样,请重新输入."));
    }
    return true;
}
