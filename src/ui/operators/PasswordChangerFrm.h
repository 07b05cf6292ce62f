#pragma once

#include "app/ADlgFrm.h"

class QLineEdit;

// The password change dialog: the login name (not editable), the current
// password and the new one twice. OK demands that the two new passwords agree.
class TPasswordChangerFrm : public TADlgFrm {
    Q_OBJECT
  public:
    explicit TPasswordChangerFrm(QWidget* parent = nullptr);

    QString UserId() const;
    void SetUserId(const QString& loginId);
    QString PrePasswd() const;
    QString NewPasswd() const;

  protected:
    bool CloseQuery() override;

  private:
    QLineEdit* edtUserId1;
    QLineEdit* edtPrePasswd1;
    QLineEdit* edtNewPasswd1;
    QLineEdit* edtNewPasswd2;
};

// Changes the logged-in operator's password through the dialog: a wrong current
// password or a failed update is shown and the dialog comes back; Cancel
// changes nothing.
void ChangeMyPassword(QWidget* parent);
