#include "data/Company.h"

#include "app/Error.h"
#include "app/Messenger.h"
#include "data/CompanyEditor.h"
#include "data/Database.h"
#include "data/RecordSet.h"

#include <QStringEncoder>

void TCompany::Load() {
    TRecordSet& scratch = ScratchSet();
    scratch.Open(QStringLiteral("select * from Company"));
    TDataSet* ds = scratch.DataSet();
    const bool empty = ds->IsEmpty();
    auto text = [&](const char* name) {
        return empty ? QString() : ds->FieldByName(QLatin1String(name))->AsString();
    };
    Id = empty ? 0 : ds->FieldByName(QStringLiteral("Id"))->AsInteger();
    CompanyName = text("CompanyName");
    Manager = text("Manager");
    Tel = text("Tel");
    Fax = text("Fax");
    Address = text("Address");
    Zip = text("Zip");
    Profile = text("Profile");
    Updated = !empty && ds->FieldByName(QStringLiteral("Updated"))->AsBoolean();
    scratch.Close();
}

bool TCompany::Filled() const {
    QStringEncoder gbk("GBK");
    const QByteArray bytes = gbk.encode(CompanyName);
    return bytes.size() >= 8;
}

void TCompany::Save() const {
    TRecordSet& scratch = ScratchSet();
    scratch.Open(QStringLiteral("select 1 from Company where Id=:Id"),
                 {Param(QStringLiteral("Id"), Id)});
    const bool exists = scratch.DataSet()->RecordCount() == 1;
    scratch.Close();
    const TDBParameters params{Param(QStringLiteral("CompanyName"), CompanyName),
                               Param(QStringLiteral("Manager"), Manager),
                               Param(QStringLiteral("Tel"), Tel),
                               Param(QStringLiteral("Fax"), Fax),
                               Param(QStringLiteral("Address"), Address),
                               Param(QStringLiteral("Zip"), Zip),
                               Param(QStringLiteral("Profile"), Profile),
                               Param(QStringLiteral("Updated"), Updated),
                               Param(QStringLiteral("Id"), Id)};
    if (exists)
        DbConnection().Execute(
            QStringLiteral("update Company set CompanyName=:CompanyName,Manager=:Manager,Tel=:Tel,"
                           "Fax=:Fax,Address=:Address,Zip=:Zip,Profile=:Profile,Updated=:Updated "
                           "where Id=:Id"),
            params);
    else
        DbConnection().Execute(
            QStringLiteral("insert into Company(Id,CompanyName,Manager,Tel,Fax,Address,Zip,Profile,"
                           "Updated)values(:Id,:CompanyName,:Manager,:Tel,:Fax,:Address,:Zip,"
                           ":Profile,:Updated)"),
            params);
}

bool TCompany::Edit(TCompanyEditor& editor, bool readOnly) {
    editor.SetReadOnly(readOnly);
    editor.ShowCompany(*this);
    while (editor.Execute()) {
        editor.TakeCompany(*this);
        try {
            Save();
            return true;
        } catch (const EAbort&) {
            Load();
        } catch (const EOrbelError& e) {
            ShowInfo(e.Message());
            Load();
        }
    }
    return false;
}

TCompany& CurrentCompany() {
    static TCompany company;
    return company;
}
