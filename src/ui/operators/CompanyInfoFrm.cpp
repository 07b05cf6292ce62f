#include "operators/CompanyInfoFrm.h"

#include "data/Company.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

TCompanyInfoFrm::TCompanyInfoFrm(QWidget* parent)
    : TADlgFrm(parent), edtCompanyName1(NewBox(QStringLiteral("edtCompanyName1"))),
      edtLawman1(NewBox(QStringLiteral("edtLawman1"))), edtTel1(NewBox(QStringLiteral("edtTel1"))),
      edtAddress1(NewBox(QStringLiteral("edtAddress1"))),
      edtZip1(NewBox(QStringLiteral("edtZip1"))), edtFax1(NewBox(QStringLiteral("edtFax1"))),
      memProfile1(new QPlainTextEdit) {
    setObjectName(QStringLiteral("CompanyInfoFrm"));
    setWindowTitle(QStringLiteral("公司信息"));
    memProfile1->setObjectName(QStringLiteral("memProfile1"));
    memProfile1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* grid = new QGridLayout(Body());
    grid->setContentsMargins(12, 12, 12, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    auto label = [](const QString& text) { return new QLabel(text); };
    grid->addWidget(label(QStringLiteral("企业名称")), 0, 0);
    grid->addWidget(edtCompanyName1, 0, 1, 1, 3);
    grid->addWidget(label(QStringLiteral("负责人")), 1, 0);
    grid->addWidget(edtLawman1, 1, 1);
    grid->addWidget(label(QStringLiteral("联系电话")), 1, 2);
    grid->addWidget(edtTel1, 1, 3);
    grid->addWidget(label(QStringLiteral("地址")), 2, 0);
    grid->addWidget(edtAddress1, 2, 1, 1, 3);
    grid->addWidget(label(QStringLiteral("邮编")), 3, 0);
    grid->addWidget(edtZip1, 3, 1);
    grid->addWidget(label(QStringLiteral("传真号码")), 3, 2);
    grid->addWidget(edtFax1, 3, 3);
    grid->addWidget(label(QStringLiteral("公司简介")), 4, 0, Qt::AlignTop);
    grid->addWidget(memProfile1, 4, 1, 1, 3);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    resize(520, 340);
}

QLineEdit* TCompanyInfoFrm::NewBox(const QString& name) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    return box;
}

QString TCompanyInfoFrm::CompanyName() const {
    return edtCompanyName1->text();
}
void TCompanyInfoFrm::SetCompanyName(const QString& text) {
    edtCompanyName1->setText(text);
}
QString TCompanyInfoFrm::Lawman() const {
    return edtLawman1->text();
}
void TCompanyInfoFrm::SetLawman(const QString& text) {
    edtLawman1->setText(text);
}
QString TCompanyInfoFrm::Tel() const {
    return edtTel1->text();
}
void TCompanyInfoFrm::SetTel(const QString& text) {
    edtTel1->setText(text);
}
QString TCompanyInfoFrm::Address() const {
    return edtAddress1->text();
}
void TCompanyInfoFrm::SetAddress(const QString& text) {
    edtAddress1->setText(text);
}
QString TCompanyInfoFrm::Zip() const {
    return edtZip1->text();
}
void TCompanyInfoFrm::SetZip(const QString& text) {
    edtZip1->setText(text);
}
QString TCompanyInfoFrm::Fax() const {
    return edtFax1->text();
}
void TCompanyInfoFrm::SetFax(const QString& text) {
    edtFax1->setText(text);
}
QString TCompanyInfoFrm::Profile() const {
    return memProfile1->toPlainText();
}
void TCompanyInfoFrm::SetProfile(const QString& text) {
    memProfile1->setPlainText(text);
}

void TCompanyInfoFrm::SetReadOnly(bool readOnly) {
    OkButton()->setEnabled(!readOnly);
}

void TCompanyInfoFrm::ShowCompany(const TCompany& company) {
    SetCompanyName(company.CompanyName);
    SetLawman(company.Manager);
    SetTel(company.Tel);
    SetAddress(company.Address);
    SetZip(company.Zip);
    SetFax(company.Fax);
    SetProfile(company.Profile);
}

void TCompanyInfoFrm::TakeCompany(TCompany& company) const {
    company.CompanyName = CompanyName();
    company.Manager = Lawman();
    company.Tel = Tel();
    company.Address = Address();
    company.Zip = Zip();
    company.Fax = Fax();
    company.Profile = Profile();
}

bool ShowCompany(QWidget* parent, bool editable) {
    TCompanyInfoFrm dialog(parent);
    return CurrentCompany().Edit(dialog, !editable);
}
