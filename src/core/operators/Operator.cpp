#include "operators/Operator.h"

#include "app/Error.h"
#include "app/Messenger.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include "operators/PasswordHash.h"
#include "operators/Rights.h"

const QString TOperator::kDeniedMsg =
    QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(%1).");
const QString TOperator::kSaOnlyMsg = QStringLiteral("只有系统用户(sa)才能执行此操作.");
const QString TOperator::kPasswordsDifferMsg =
    QStringLiteral("两次输入的新密码不一样,请确认并重新输入.");
const QString TOperator::kWrongPasswordMsg = QStringLiteral("当前密码验证失败,请确认并重新输入.");
const QString TOperator::kPasswordChangedMsg =
    QStringLiteral("密码更改成功! 下次登陆时请使用新密码.");

void TOperator::LoadOperator(const QString& loginId) {
    TRecordSet& scratch = ScratchSet();
    scratch.Open(QStringLiteral("select LoginId,Password,Name,Contact,[Note],Rights from operator "
                                "where LoginId=:LoginId"),
                 {Param(QStringLiteral("LoginId"), loginId)});
    TDataSet* ds = scratch.DataSet();
    if (ds->RecordCount() == 1) {
        ds->First();
        LoginId = ds->Field(0)->AsString();
        Password = ds->Field(1)->AsString();
        Name = ds->Field(2)->AsString();
        Contact = ds->Field(3)->AsString();
        Note = ds->Field(4)->AsString();
        Rights = ds->Field(5)->AsString();
    }
    scratch.Close();
}

bool TOperator::CheckPassword(const QString& password) const {
    return !LoginId.isEmpty() && TPasswordHash::Matches(Password, password);
}

bool TOperator::LogIn(const QString& loginId, const QString& password) {
    TOperator attempt;
    attempt.LoadOperator(loginId);
    if (!attempt.CheckPassword(password))
        return false;
    if (!TPasswordHash::IsHash(attempt.Password)) {
        // A password still kept as plain text is hashed now. When the database
        // refuses the write, the login goes on and the next one tries again.
        try {
            attempt.StorePassword(TPasswordHash::Make(password));
        } catch (const EOrbelError&) {
        }
    }
    LoadOperator(attempt.LoginId);
    return true;
}

bool TOperator::IsSa() const {
    return LoginId == QLatin1String("sa");
}

bool TOperator::HasRight(int number) const {
    return IsSa() || RightsGrant(Rights, number);
}

bool TOperator::RequireRight(int number, bool abort) const {
    if (HasRight(number))
        return true;
    ShowInfo(kDeniedMsg.arg(number));
    if (abort)
        throw EAbort();
    return false;
}

void TOperator::RequireSa() const {
    if (IsSa())
        return;
    ShowInfo(kSaOnlyMsg);
    throw EAbort();
}

void TOperator::ChangePassword(const QString& currentPassword, const QString& newPassword) {
    if (!CheckPassword(currentPassword))
        throw EOrbelError(kWrongPasswordMsg);
    StorePassword(TPasswordHash::Make(newPassword));
    ShowInfo(kPasswordChangedMsg);
}

void TOperator::StorePassword(const QString& stored) {
    DbConnection().Execute(
        QStringLiteral("update operator set [Password]=:Password where LoginId=:LoginId"),
        {Param(QStringLiteral("Password"), stored), Param(QStringLiteral("LoginId"), LoginId)});
    Password = stored;
}

TOperator& CurrentOperator() {
    static TOperator current;
    return current;
}

namespace {
QDateTime g_loginTime;
}

QDateTime LoginTime() {
    return g_loginTime;
}

void SetLoginTime(const QDateTime& time) {
    g_loginTime = time;
}
