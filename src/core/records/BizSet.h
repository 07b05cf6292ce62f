#pragma once

#include "data/RecordSet.h"

#include <QStringList>

// What the listing and client record sets do alike: open one row, the recycle box
// or the operator's bookmarks; bookmark, recycle, hand to another broker; save
// through the write convention; delete a row with its dependent rows in one
// transaction. Each side passes its own statements.
class TBizSet : public TRecordSet {
    Q_OBJECT
public:
    // One field of the fixed field list.
    struct TFieldDef {
        TFieldKind kind;
        const char* name;
        int size; // -1: the kind's default
        bool shown;
        const char* label;
        bool calculated;
    };

    // The statements of one side. Every value is a named parameter: the row's
    // :Id, :LoginId and :<attentionKey> for bookmarks, :IsRecycle, :NewBroker,
    // one :<Column> per column in the insert and update.
    struct TStatements {
        QString table;        // for max(Id)
        QString attentionKey; // the bookmark's parent column, also its parameter
        QString byId;
        QString recycled;
        QString byAttention;
        QString isAttention;
        QString attentionOn;
        QString attentionOff;
        QString setRecycle;
        QString setBroker;
        QString insert;
        QString update;
        QStringList deletes; // dependent rows first, the row itself last
    };

    // Makes the row with this Id current when the list holds it; otherwise reads it.
    virtual void OpenById(int id);
    // The recycle box: rows whose flag is true (stored as 1 or -1).
    void OpenRecycled();
    // The rows the logged-in operator bookmarked.
    void OpenByAttention();
    // Whether the logged-in operator bookmarked the current row.
    bool IsAttention();
    void SetAttention(bool on);
    // Writes the recycle flag of the current row; the row then leaves the list.
    void SetRecycle(bool flag);
    void SetBroker(const QString& broker);
    // Inserts or updates the current row; on an error the pending edit is cancelled.
    void Save();

    TField* Fld(int index) const { return DataSet()->Field(index); }

protected:
    TBizSet(const TStatements& statements, TDatabase* db);

    void DefineFields(const TFieldDef* defs, int count);
    // Deletes the current row and its dependent rows in one transaction, rolled
    // back when one statement fails. False for an empty list.
    bool DeleteWithDependants();
    // The value the insert and update bind for a column.
    virtual QVariant SaveValue(TField* field) const;
    // Removes the current row from the local copy.
    void RemoveCurrentRow();
    // A price with the four decimals of a fixed-point amount.
    static double Money(double value);

private:
    TField* Named(const char* name) const;
    bool HasRow() const;
    void ExecuteOnRow(const QString& sql, const TDBParameters& params);

    TStatements m_st;
    QStringList m_columns; // the insert's parameters except Id
};

// Expansions of a field list macro: LIST(DATA, CALC, HIDDENCALC) where DATA(name,
// kind, size, shown, label) is a stored column published as <name>Fld, CALC(name,
// accessor, size, shown, label) a calculated text, HIDDENCALC(name, size, shown,
// label) a calculated text without accessor.
#define ORBEL_FIELD_NO(name, ...) k##name,
#define ORBEL_DATA_ACCESSOR(name, ...)                                                             \
    TField* name##Fld() const {                                                                    \
        return Fld(k##name);                                                                       \
    }
#define ORBEL_CALC_ACCESSOR(name, accessor, ...)                                                   \
    TField* accessor() const {                                                                     \
        return Fld(k##name);                                                                       \
    }
#define ORBEL_NO_ACCESSOR(...)
#define ORBEL_DATA_DEF(name, kind, size, shown, label)                                             \
    {TFieldKind::kind, #name, size, shown, label, false},
#define ORBEL_CALC_DEF(name, accessor, size, shown, label)                                         \
    {TFieldKind::WideString, #name, size, shown, label, true},
#define ORBEL_HIDDEN_CALC_DEF(name, size, shown, label)                                            \
    {TFieldKind::WideString, #name, size, shown, label, true},
