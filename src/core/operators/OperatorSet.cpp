#include "operators/OperatorSet.h"

#include "data/Database.h"
#include "operators/PasswordHash.h"

TOperatorSet::TOperatorSet(QObject* parent) {
    setParent(parent);
    m_userId = AddField(TFieldKind::WideString, QStringLiteral("LoginId"), -1, true,
                        QStringLiteral("登陆名"));
    m_passwd = AddField(TFieldKind::WideString, QStringLiteral("Password"), -1, true,
                        QStringLiteral("密码"));
    m_name =
        AddField(TFieldKind::WideString, QStringLiteral("Name"), -1, true, QStringLiteral("姓名"));
    m_contact = AddField(TFieldKind::WideString, QStringLiteral("Contact"), -1, true,
                         QStringLiteral("联系方式"));
    m_note =
        AddField(TFieldKind::WideString, QStringLiteral("Note"), -1, true, QStringLiteral("备注"));
    m_rights =
        AddField(TFieldKind::Memo, QStringLiteral("Rights"), -1, true, QStringLiteral("权限"));
    Open(QStringLiteral("select * from operator where LoginId<>'sa'"));
}

TDBParameters TOperatorSet::Params(const QString& loginId, const QString& password,
                                   const QString& rights, const QString& note,
                                   const QString& contact, const QString& name) {
    const QString stored =
        TPasswordHash::IsHash(password) ? password : TPasswordHash::Make(password);
    return {Param(QStringLiteral("LoginId"), loginId), Param(QStringLiteral("Password"), stored),
            Param(QStringLiteral("Name"), name),       Param(QStringLiteral("Contact"), contact),
            Param(QStringLiteral("Note"), note),       Param(QStringLiteral("Rights"), rights)};
}

void TOperatorSet::SetValues(const TDBParameters& params) {
    for (const TDBParameter& p : params)
        DataSet()->FieldByName(p.Name)->SetValue(p.Value);
}

void TOperatorSet::Add(const QString& loginId, const QString& password, const QString& rights,
                       const QString& note, const QString& contact, const QString& name) {
    const TDBParameters params = Params(loginId, password, rights, note, contact, name);
    Database().Execute(QStringLiteral("insert into operator(LoginId,[Password],Name,Contact,[Note],"
                                      "Rights)values(:LoginId,:Password,:Name,:Contact,:Note,"
                                      ":Rights)"),
                       params);
    DataSet()->Append();
    SetValues(params);
    DataSet()->Post();
}

void TOperatorSet::Update(const QString& loginId, const QString& password, const QString& rights,
                          const QString& note, const QString& contact, const QString& name) {
    const TDBParameters params = Params(loginId, password, rights, note, contact, name);
    Database().Execute(QStringLiteral("update operator set [Password]=:Password,Name=:Name,"
                                      "Contact=:Contact,[Note]=:Note,Rights=:Rights "
                                      "where LoginId=:LoginId"),
                       params);
    if (!DataSet()->Locate(QStringLiteral("LoginId"), loginId))
        return;
    DataSet()->Edit();
    SetValues(params);
    DataSet()->Post();
}

void TOperatorSet::Delete(const QString& loginId) {
    Database().Execute(QStringLiteral("delete from operator where LoginId=:LoginId"),
                       {Param(QStringLiteral("LoginId"), loginId)});
    if (DataSet()->Locate(QStringLiteral("LoginId"), loginId))
        DataSet()->Delete();
}

QStringList TOperatorSet::AllLoginIds() {
    TRecordSet& scratch = ScratchSet();
    scratch.Open(QStringLiteral("select LoginId from operator order by LoginId"));
    QStringList ids;
    for (TDataSet* data = scratch.DataSet(); !data->Eof(); data->Next())
        ids << data->Field(0)->AsString();
    return ids;
}
