#pragma once

// Shared set-up of the manager tests: a logged-in operator, switches, code rules
// and direct reads of the database.

#include "data/Database.h"
#include "data/KeyValue.h"
#include "data/RecordSet.h"
#include "operators/Operator.h"
#include "records/RecordContext.h"

#include <QString>
#include <QVariant>

inline void LogIn(const QString& loginId, const QString& rights = QString()) {
    CurrentOperator() = TOperator();
    CurrentOperator().LoginId = loginId;
    CurrentOperator().Rights = rights;
    SetCurrentLoginId(loginId);
}

inline void SetSwitch(int key, bool on) {
    TKeyValue().SetFlag(key, on);
}

// Code rules: houses FY001…, clients KH001….
inline void InstallCodeRules() {
    for (const auto& [key, prefix] : {std::pair{11, "FY"}, std::pair{13, "KH"}})
        DbConnection().Execute(
            QStringLiteral("insert into options([Key], Label, List) values (:K, :L, :R)"),
            {Param("K", key), Param("L", QStringLiteral("rule")),
             Param("R", QString::fromLatin1(prefix) + QStringLiteral("\r\n3\r\n"))});
}

inline void AddOperator(const QString& loginId, const QString& name, const QString& contact) {
    DbConnection().Execute(QStringLiteral("insert into operator(LoginId, Name, Contact, [Note], "
                                          "Rights) values (:L, :N, :C, :Nt, '')"),
                           {Param("L", loginId), Param("N", name), Param("C", contact),
                            Param("Nt", QStringLiteral("备注") + name)});
}

// The first column of the first row of a query, NULL when there is none.
inline QVariant Scalar(const QString& sql, const TDBParameters& params = {}) {
    TRecordSet& s = ScratchSet();
    s.Open(sql, params);
    const QVariant v = s.DataSet()->IsEmpty() ? QVariant() : s.DataSet()->Field(0)->Value();
    s.Close();
    return v;
}

inline int Count(const QString& table, const QString& where = QStringLiteral("1=1"),
                 const TDBParameters& params = {}) {
    return Scalar(QStringLiteral("select count(*) from %1 where %2").arg(table, where), params)
        .toInt();
}

inline QString Denied(int right) {
    return QStringLiteral("\r\n对不起,您没有该功能的操作权限,请与管理员联系(%1).\t").arg(right);
}

inline QString Info(const QString& text) {
    return QStringLiteral("\r\n") + text + QStringLiteral("\t");
}

inline QString DeleteQuestion(const QString& what) {
    return QStringLiteral("\r您确定要删除 %1 吗?\t\t").arg(what);
}
