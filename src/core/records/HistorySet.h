#pragma once

#include "data/RecordSet.h"

// Base of the lists kept around one listing or client (follow-ups, deals, change
// logs): the rows of one parent, deleted and saved one row at a time.
class THistorySet : public TRecordSet {
    Q_OBJECT
  public:
    TField* IdFld() const { return m_id; }
    // The parent key: HouseId or ClientId.
    TField* ParentIdFld() const { return m_parentId; }
    const QString& Table() const { return m_table; }

    // Deletes the current row in the database, then from the list. An empty list
    // stays as it is.
    void DeleteCurrent() override;
    // Updates the current row when its Id is not 0, otherwise inserts it with the
    // table's largest Id plus 1. On an error the row stays in its edit state so
    // the caller may cancel it. Returns the row's Id.
    int Save();

  protected:
    // `parentColumn` is the table's parent key; `order` ends the open statement
    // (" order by Id desc" or nothing).
    THistorySet(const QString& table, const QString& parentColumn, const QString& order,
                TDatabase* db);

    // Defines Id and the parent key as the first two fields.
    void AddKeyFields();
    // The insert and update statements and the fields they write.
    void SetWriteStatements(const QString& insertSql, const QString& updateSql,
                            const QList<TField*>& written);
    // Opens the list of one parent.
    void OpenByParent(int parentId);
    // Opens the parent's list unless a list is open.
    void EnsureOpen(int parentId);

  private:
    QString m_table;
    QString m_parentColumn;
    QString m_order;
    QString m_insertSql;
    QString m_updateSql;
    QList<TField*> m_written;
    TField* m_id = nullptr;
    TField* m_parentId = nullptr;
};
