#pragma once

#include "app/ADlgFrm.h"

class QComboBox;
class QLineEdit;

// The login dialog: the login names to choose from (sa is typed, never listed),
// the password, and OK, which logs in before the dialog closes. A failed login
// says nothing: the password is selected and the dialog stays open.
class TLoginFrm : public TADlgFrm {
    Q_OBJECT
  public:
    explicit TLoginFrm(QWidget* parent = nullptr);

    QString UserId() const;
    void SetUserId(const QString& loginId);
    QString Password() const;
    void SetPassword(const QString& password);

  protected:
    bool CloseQuery() override;
    bool KeyPreview(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void FillLoginNames();
    void CenterOnScreen();

    QComboBox* cbUserId1;
    QLineEdit* edtPassword1;
};

// Shows the login dialog modally. On OK the operator is logged in as
// CurrentOperator() and the login name is remembered in cfg.ini; a cancel
// leaves the current operator as it was. True when someone logged in.
bool ExecuteLogin(QWidget* parent);
