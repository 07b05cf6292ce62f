#pragma once

#include "data/DBParameter.h"
#include "data/DataSet.h"

#include <QObject>

class TDatabase;

// Base of every table wrapper: a local copy of the rows of one query, with
// persistent fields carrying Chinese labels. Rows are read with Open; changes are
// explicit statements through the connection, repeated in the local copy (see
// WriteRow). Calculated fields are filled by CalcFields, once per row.
class TRecordSet : public QObject {
    Q_OBJECT
  public:
    // Uses the program-wide connection unless another is given.
    explicit TRecordSet(TDatabase* db = nullptr);
    ~TRecordSet() override;

    TDataSet* DataSet() const { return m_dataSet; }
    QString SqlText() const { return m_sql; }
    TDatabase& Database() const;

    // Runs a select into the local copy and returns its row count. An SQL error is
    // shown as "SQL语句错误,原文如下:…" and then raised; the copy stays closed.
    int Open(const QString& sql, const TDBParameters& params = {});
    // Reopens with the same statement and parameters; the first row becomes current.
    void Refresh();
    void Close() { m_dataSet->Close(); }

    TField* AddField(TFieldKind kind, const QString& name, int size = -1, bool visible = true,
                     const QString& label = QString());
    // Marks a field as calculated: CalcFields fills it.
    TField* AddCalcField(TFieldKind kind, const QString& name, int size = -1, bool visible = true,
                         const QString& label = QString());

    // The text of `field` in every row joined by `separator`; leaves the copy after
    // its last row.
    QString JoinValues(TField* field, const QString& separator);
    void AlignFields(TFieldAlignment alignment);

    // Local copy only.
    virtual void DeleteCurrent();
    virtual int DeleteAll();

    // The write convention shared by the table wrappers. Saves the row being
    // edited or appended: update by Id when its Id field is not 0, otherwise take
    // max(Id)+1 of `table` and insert. `params` are the statement's parameters
    // except Id, which is added. On success the Id is stored and the row posted;
    // on an error the local edit is cancelled (or, with keepEditOnError, left in
    // its edit state for the caller) and the error passed on.
    int WriteRow(const QString& table, TField* idField, const QString& insertSql,
                 const QString& updateSql, TDBParameters params, const TxDBParameters& blobs = {},
                 bool keepEditOnError = false);
    // The parameters :Name for the named fields of the active row.
    TDBParameters FieldParams(const QList<TField*>& fields) const;
    // "select max(Id) from <table>" + 1, read through the scratch set.
    static int NextId(const QString& table);

  protected:
    // Fills the calculated fields of the active row from its data fields.
    virtual void CalcFields() {}

  private:
    bool HasPersistentFields() const;
    int Load(const TDBParameters& params);

    TDatabase* m_db;
    TDataSet* m_dataSet;
    QString m_sql;
    TDBParameters m_params;
    bool m_autoFields = false; // fields taken from the last result, not defined
};

// The shared record set for one-off queries; its rows last until its next Open.
TRecordSet& ScratchSet();
