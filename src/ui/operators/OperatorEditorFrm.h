#pragma once

#include "app/ADlgFrm.h"

class QLineEdit;
class QListWidget;
class QListWidgetItem;

// The operator editor: login name, name, contact, note, the password twice and
// the check list of rights. Each right in the list carries its number; the
// rights text is built from the checked ones in list order.
class TOperatorEditorFrm : public TADlgFrm {
    Q_OBJECT
  public:
    explicit TOperatorEditorFrm(QWidget* parent = nullptr);

    // Appends a right to the check list, unchecked.
    void AddRight(const QString& caption, int number);
    int RightCount() const;

    QString UserId() const;
    // A non-empty login name locks the box: an operator keeps his login name.
    void SetUserId(const QString& loginId);
    QString Passwd() const;
    // Fills both password boxes.
    void SetPasswd(const QString& password);
    // ",n," for every checked right, in list order; empty when none is checked.
    QString Rights() const;
    // Checks exactly the rights the text grants.
    void SetRights(const QString& rights);
    QString EmpName() const;
    void SetEmpName(const QString& name);
    QString EmpTel() const;
    void SetEmpTel(const QString& contact);
    QString EmpNote() const;
    void SetEmpNote(const QString& note);

    // Empties every box, unchecks every right and unlocks the login box.
    void Reset();

  protected:
    bool CloseQuery() override;

  private:
    static QLineEdit* NewBox(const QString& name);
    static void SetBoxText(QLineEdit* box, const QString& text);
    static void ToggleCheck(QListWidgetItem* item);

    QLineEdit* edtUserId1;
    QLineEdit* edtName1;
    QLineEdit* edtContact1;
    QLineEdit* edtNote1;
    QLineEdit* edtPasswd1;
    QLineEdit* edtPasswd2;
    QListWidget* lstRights1;
};
