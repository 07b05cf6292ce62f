#include "data/KeyValue2.h"

#include "data/Database.h"

TKeyValue2::TKeyValue2(TDatabase* db) : TRecordSet(db) {
    m_keyId = AddField(TFieldKind::Integer, QStringLiteral("KeyId"));
    m_vint = AddField(TFieldKind::Integer, QStringLiteral("Vint"));
    m_vstr = AddField(TFieldKind::Memo, QStringLiteral("Vstr"));
    m_vfloat = AddField(TFieldKind::Float, QStringLiteral("Vfloat"));
    m_vbool = AddField(TFieldKind::Boolean, QStringLiteral("Vbool"));
}

void TKeyValue2::EnsureRow(int key) {
    TDataSet* ds = DataSet();
    for (;;) {
        if (!ds->Active())
            Open(QStringLiteral("select * from keyvalue"));
        if (ds->Locate(QStringLiteral("KeyId"), key))
            return;
        ds->Close();
        Database().Execute(QStringLiteral("insert into keyvalue(KeyId) values (:KeyId)"),
                           {Param(QStringLiteral("KeyId"), key)});
    }
}

bool TKeyValue2::ReadFlag(int key) {
    EnsureRow(key);
    return m_vbool->AsBoolean();
}

void TKeyValue2::WriteFlag(int key, bool flag) {
    EnsureRow(key);
    Store(key, QString(), flag, 0, 0);
}

void TKeyValue2::Store(int key, const QString& text, bool flag, double number, int integer) {
    TDBParameters params{Param(QStringLiteral("Vstr"), text),
                         Param(QStringLiteral("Vint"), integer),
                         Param(QStringLiteral("Vfloat"), number),
                         Param(QStringLiteral("Vbool"), flag), Param(QStringLiteral("KeyId"), key)};
    int affected = Database().ExecSQL(
        QStringLiteral("update keyvalue set Vstr=:Vstr, Vint=:Vint, Vfloat=:Vfloat, Vbool=:Vbool "
                       "where KeyId=:KeyId"),
        params);
    if (affected == 0)
        affected = Database().ExecSQL(
            QStringLiteral("insert into keyvalue(Vstr, Vint, Vfloat, Vbool, KeyId)values(:Vstr, "
                           ":Vint, :Vfloat, :Vbool, :KeyId)"),
            params);
    if (affected != 1)
        return;
    // The local copy follows the row; a key it does not hold yet is read on the
    // next use.
    TDataSet* ds = DataSet();
    if (!ds->Active())
        return;
    if (!ds->Locate(QStringLiteral("KeyId"), key)) {
        ds->Close();
        return;
    }
    ds->Edit();
    m_vstr->SetAsString(text);
    m_vint->SetAsInteger(integer);
    m_vfloat->SetAsFloat(number);
    m_vbool->SetAsBoolean(flag);
    ds->Post();
}
