#include "operators/LoginFrm.h"

#include "app/AppInfo.h"
#include "data/Configer.h"
#include "operators/Operator.h"
#include "operators/OperatorIcon.h"
#include "operators/OperatorSet.h"
#include "operators/PasswordBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

TLoginFrm::TLoginFrm(QWidget* parent)
    : TADlgFrm(parent), cbUserId1(new QComboBox),
      edtPassword1(NewPasswordBox(QStringLiteral("edtPassword1"))) {
    setObjectName(QStringLiteral("LoginFrm"));
    setWindowTitle(QStringLiteral("登陆"));
    // No close button: the dialog ends through OK or Cancel (or Esc).
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    SetPlaceOnShow(false);

    auto* title = new QLabel(TAppInfo::Title());
    title->setObjectName(QStringLiteral("lblTitle1"));
    QFont titleFont = font();
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto* icon = new QLabel;
    icon->setPixmap(OperatorIcon().pixmap(40, 40));
    auto* prompt = new QLabel(QStringLiteral("请输入您的用户名和密码:"));

    cbUserId1->setObjectName(QStringLiteral("cbUserId1"));
    cbUserId1->setEditable(true);
    cbUserId1->setInsertPolicy(QComboBox::NoInsert);
    auto* userLabel = new QLabel(QStringLiteral("用户名(&U)"));
    userLabel->setBuddy(cbUserId1);
    auto* passwordLabel = new QLabel(QStringLiteral("密码(&P)"));
    passwordLabel->setBuddy(edtPassword1);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(10);
    fields->addWidget(userLabel, 0, 0);
    fields->addWidget(cbUserId1, 0, 1);
    fields->addWidget(passwordLabel, 1, 0);
    fields->addWidget(edtPassword1, 1, 1);
    fields->setColumnStretch(1, 1);

    auto* head = new QHBoxLayout;
    head->addWidget(icon);
    head->addWidget(title, 1);
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(24, 16, 48, 8);
    layout->addLayout(head);
    layout->addSpacing(8);
    layout->addWidget(prompt);
    layout->addLayout(fields);
    layout->addStretch(1);
    setTabOrder(cbUserId1, edtPassword1);

    FillLoginNames();
    const QString last = TConfiger::LastLoginId();
    SetUserId(last.isEmpty() ? QStringLiteral("sa") : last);
}

void TLoginFrm::FillLoginNames() {
    TOperatorSet operators;
    const QString names = operators.JoinValues(operators.UserIdField(), QStringLiteral("\r\n"));
    if (!names.isEmpty())
        cbUserId1->addItems(names.split(QStringLiteral("\r\n")));
}

QString TLoginFrm::UserId() const {
    return cbUserId1->currentText();
}

void TLoginFrm::SetUserId(const QString& loginId) {
    cbUserId1->setEditText(loginId);
}

QString TLoginFrm::Password() const {
    return edtPassword1->text();
}

void TLoginFrm::SetPassword(const QString& password) {
    edtPassword1->setText(password);
}

bool TLoginFrm::CloseQuery() {
    if (CurrentOperator().LogIn(UserId(), Password())) {
        TConfiger::SetLastLoginId(CurrentOperator().LoginId);
        return true;
    }
    edtPassword1->setFocus(Qt::OtherFocusReason);
    edtPassword1->selectAll();
    return false;
}

bool TLoginFrm::KeyPreview(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QWidget* focused = focusWidget();
    if (enter && event->modifiers() == Qt::NoModifier && focused == edtPassword1) {
        OkButton()->click();
        return true;
    }
    if (enter && focused && (focused == cbUserId1 || cbUserId1->isAncestorOf(focused))) {
        edtPassword1->setFocus(Qt::TabFocusReason);
        return true;
    }
    return TADlgFrm::KeyPreview(event);
}

void TLoginFrm::showEvent(QShowEvent* event) {
    TADlgFrm::showEvent(event);
    CenterOnScreen();
    if (!UserId().isEmpty())
        edtPassword1->setFocus(Qt::OtherFocusReason);
}

void TLoginFrm::CenterOnScreen() {
    QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

bool ExecuteLogin(QWidget* parent) {
    TLoginFrm dialog(parent);
    return dialog.exec() == QDialog::Accepted;
}
