#include "operators/PasswordChangerFrm.h"

#include "app/Messenger.h"
#include "operators/Operator.h"
#include "operators/PasswordBox.h"

#include <QFormLayout>
#include <QLineEdit>

TPasswordChangerFrm::TPasswordChangerFrm(QWidget* parent) : TADlgFrm(parent) {
    setObjectName(QStringLiteral("PasswordChangerFrm"));
    setWindowTitle(QStringLiteral("更改密码"));
    edtUserId1 = new QLineEdit;
    edtUserId1->setObjectName(QStringLiteral("edtUserId1"));
    edtUserId1->setEnabled(false);
    edtPrePasswd1 = NewPasswordBox(QStringLiteral("edtPrePasswd1"));
    edtNewPasswd1 = NewPasswordBox(QStringLiteral("edtNewPasswd1"));
    edtNewPasswd2 = NewPasswordBox(QStringLiteral("edtNewPasswd2"));

    auto* form = new QFormLayout(Body());
    form->setContentsMargins(60, 24, 80, 8);
    form->setVerticalSpacing(10);
    form->addRow(QStringLiteral("当前用户"), edtUserId1);
    form->addRow(QStringLiteral("当前密码"), edtPrePasswd1);
    form->addRow(QStringLiteral("新密码"), edtNewPasswd1);
    form->addRow(QStringLiteral("新密码验证"), edtNewPasswd2);
    setTabOrder(edtPrePasswd1, edtNewPasswd1);
    setTabOrder(edtNewPasswd1, edtNewPasswd2);
}

QString TPasswordChangerFrm::UserId() const {
    return edtUserId1->text();
}

void TPasswordChangerFrm::SetUserId(const QString& loginId) {
    edtUserId1->setText(loginId);
}

QString TPasswordChangerFrm::PrePasswd() const {
    return edtPrePasswd1->text();
}

QString TPasswordChangerFrm::NewPasswd() const {
    return edtNewPasswd1->text();
}

bool TPasswordChangerFrm::CloseQuery() {
    if (edtNewPasswd1->text() == edtNewPasswd2->text())
        return true;
    ShowMessage(TOperator::kPasswordsDifferMsg);
    edtNewPasswd1->clear();
    edtNewPasswd2->clear();
    edtNewPasswd1->setFocus(Qt::OtherFocusReason);
    return false;
}

void ChangeMyPassword(QWidget* parent) {
    TOperator& me = CurrentOperator();
    TPasswordChangerFrm dialog(parent);
    dialog.SetUserId(me.LoginId);
    dialog.ExecAndSave([&] { me.ChangePassword(dialog.PrePasswd(), dialog.NewPasswd()); });
}
