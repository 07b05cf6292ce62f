#pragma once

// Shared set-up of the manager tests: a logged-in operator, switches, code rules
// and direct reads of the database.

#include "data/Database.h"
#include "data/KeyValue.h"
#include "data/Options.h"
#include "data/RecordSet.h"
#include "operators/Operator.h"
#include "records/RecordContext.h"

#include "TestDatabase.h"

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

// A delivered database with the code rules houses FY001…, clients KH001…, read
// into the program's options list.
inline void FreshAgency() {
    FreshDatabase(TTestContent::Delivered);
    TOptions& options = ProgramOptions();
    options.Refresh();
    options.SetSaleSnRule(QStringLiteral("FY\r\n3\r\n"));
    options.SetBuySnRule(QStringLiteral("KH\r\n3\r\n"));
    options.SaveAll();
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

#include "operations/ReportPrinter.h"

#include <QStringList>

// Records what the managers hand to the report engine.
class TRecordingReportPrinter : public TReportPrinter {
  public:
    void DesignReports(int group, const QList<TDataSet*>& sets) override {
        Record(QStringLiteral("design %1").arg(group), sets);
    }
    void PrintReport(int reportId, const QList<TDataSet*>& sets) override {
        Record(QStringLiteral("print %1").arg(reportId), sets);
    }

    QStringList calls;
    QList<TDataSet*> dataSets;
    QList<int> rowCounts; // of each data set at the moment of the call
  private:
    void Record(const QString& call, const QList<TDataSet*>& sets) {
        calls << call;
        dataSets = sets;
        rowCounts.clear();
        for (TDataSet* set : sets)
            rowCounts << set->RecordCount();
    }
};
