#pragma once

#include "app/ADlgFrm.h"
#include "data/CompanyEditor.h"

class QLineEdit;
class QPlainTextEdit;

// The company information dialog: the agency's name, manager, telephone,
// address, zip code, fax and profile. Read-only it offers only Cancel.
class TCompanyInfoFrm : public TADlgFrm, public TCompanyEditor {
    Q_OBJECT
  public:
    explicit TCompanyInfoFrm(QWidget* parent = nullptr);

    QString CompanyName() const;
    void SetCompanyName(const QString& text);
    QString Lawman() const;
    void SetLawman(const QString& text);
    QString Tel() const;
    void SetTel(const QString& text);
    QString Address() const;
    void SetAddress(const QString& text);
    QString Zip() const;
    void SetZip(const QString& text);
    QString Fax() const;
    void SetFax(const QString& text);
    QString Profile() const;
    void SetProfile(const QString& text);

    void SetReadOnly(bool readOnly) override;
    void ShowCompany(const TCompany& company) override;
    bool Execute() override { return exec() == Accepted; }
    void TakeCompany(TCompany& company) const override;

  private:
    static QLineEdit* NewBox(const QString& name);

    QLineEdit* edtCompanyName1;
    QLineEdit* edtLawman1;
    QLineEdit* edtTel1;
    QLineEdit* edtAddress1;
    QLineEdit* edtZip1;
    QLineEdit* edtFax1;
    QPlainTextEdit* memProfile1;
};

// The company dialog over the program's company record. Editable, OK saves the
// record (a failed save is shown and the dialog comes back); read-only, only
// Cancel closes it. True when saved. Rights are the caller's to check.
bool ShowCompany(QWidget* parent, bool editable);
