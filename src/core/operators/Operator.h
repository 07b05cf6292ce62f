#pragma once

#include <QDateTime>
#include <QString>

// An operator of the agency: login name, password, name, contact, note and the
// rights text. The built-in operator "sa" passes every right test.
class TOperator {
  public:
    QString LoginId;
    QString Password; // as stored: a password hash, or plain text in older databases
    QString Name;
    QString Contact;
    QString Note;
    QString Rights;

    // Reads the operator with this login name; when exactly one row matches, its
    // values replace the members, otherwise they stay as they were.
    void LoadOperator(const QString& loginId);
    // True when an operator is loaded and `password` is its password
    // (exact, case-sensitive).
    bool CheckPassword(const QString& password) const;
    // Logs in: looks the login name up, tests the password and on success loads
    // the operator into this object (a plain-text password is replaced by its hash
    // on the way). False leaves this object as it was.
    bool LogIn(const QString& loginId, const QString& password);

    bool IsSa() const;
    bool HasRight(int number) const;
    // Without the right: shows the refusal with the number and, when `abort`,
    // stops the command silently (EAbort). Returns HasRight.
    bool RequireRight(int number, bool abort = true) const;
    // Unless this is sa: shows that only sa may do this and stops silently.
    void RequireSa() const;

    // Changes the password after testing the current one: the new password is
    // stored as a hash, kept in memory and the success is shown. A wrong current
    // password raises kWrongPasswordMsg; a failed update raises its error.
    void ChangePassword(const QString& currentPassword, const QString& newPassword);

    static const QString kDeniedMsg; // takes the right number
    static const QString kSaOnlyMsg;
    static const QString kPasswordsDifferMsg; // the two new passwords differ
    static const QString kWrongPasswordMsg;
    static const QString kPasswordChangedMsg;

  private:
    void StorePassword(const QString& stored);
};

// The logged-in operator; empty until the first login.
TOperator& CurrentOperator();
// When the operator logged in last; invalid before the first login.
QDateTime LoginTime();
void SetLoginTime(const QDateTime& time);
