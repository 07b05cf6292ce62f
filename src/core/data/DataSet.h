#pragma once

#include "data/Field.h"

#include <QObject>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <memory>
#include <vector>

class TDataSetFilter;

// One row of a data set: a value per field, calculated fields included.
struct TRow {
    QList<QVariant> values;
    bool calcDone = false;
};

// The local copy of rows that record sets, grids and editors share: fields, rows,
// a current row, local editing (Edit/Append/Post/Cancel/Delete change only this
// copy), sorting and filtering on the client side, and notifications.
class TDataSet : public QObject {
    Q_OBJECT
  public:
    enum class TState { Inactive, Browse, Edit, Insert };
    enum TLocateOption { CaseInsensitive = 1, PartialKey = 2 };

    explicit TDataSet(QObject* parent = nullptr);
    ~TDataSet() override;

    // Fields. Persistent fields are defined before the data set is opened.
    TField* AddField(TFieldKind kind, const QString& name, int size = -1, bool visible = true,
                     const QString& label = QString());
    void ClearFields();
    int FieldCount() const { return int(m_fields.size()); }
    TField* Field(int index) const { return m_fields[size_t(index)].get(); }
    // Case-insensitive; nullptr when absent.
    TField* FindField(const QString& name) const;
    // As FindField, raising "没有找到字段 …" when absent.
    TField* FieldByName(const QString& name) const;
    QList<TField*> Fields() const;

    // Opening and closing.
    bool Active() const { return m_state != TState::Inactive; }
    TState State() const { return m_state; }
    // Replaces the rows and opens in browse state at the first row.
    void Load(std::vector<TRow>&& rows);
    // Opens an empty in-memory table with the defined fields.
    void CreateDataSet() { Load({}); }
    void Close();

    // Navigation over the visible (filtered, sorted) rows.
    int RecordCount() const;
    bool IsEmpty() const { return m_view.empty(); }
    int CurrentRow() const { return m_current; }
    void SetCurrentRow(int row);
    bool Eof() const { return m_eof || m_view.empty(); }
    bool Bof() const { return m_bof || m_view.empty(); }
    void First();
    void Last();
    void Next();
    void Prior();

    // Local editing.
    void Edit();
    void Append();
    void Post();
    void Cancel();
    void Delete();
    void DeleteAllRows();
    bool Editing() const { return m_state == TState::Edit || m_state == TState::Insert; }

    // Finds the first row whose fields (names separated by ';') equal the values;
    // it becomes current. False leaves the current row alone.
    bool Locate(const QString& fieldNames, const QVariantList& values, int options = 0);
    bool Locate(const QString& fieldName, const QVariant& value, int options = 0) {
        return Locate(fieldName, QVariantList{value}, options);
    }

    // Client-side sort by a text such as "Code DESC , Room"; empty for the order read.
    void SetSort(const QString& sortText);
    QString Sort() const { return m_sort; }
    // A filter such as "Room>=2 and District='东区'" (see DataSetFilter.h), applied
    // while Filtered is on. A bad filter raises its message and changes nothing.
    void SetFilter(const QString& filterText);
    QString Filter() const { return m_filterText; }
    void SetFiltered(bool filtered);
    bool Filtered() const { return m_filtered; }

    // Fills the calculated fields of the active row; called once for each row
    // before one of its calculated fields is first read.
    void SetCalcHandler(std::function<void()> handler) { m_calc = std::move(handler); }

    // While disabled, bound views ignore changes and redraw once when enabled.
    void DisableControls() { ++m_disabled; }
    void EnableControls();
    bool ControlsDisabled() const { return m_disabled > 0; }

    // Values of the active row: the row being calculated, the edit buffer, or the
    // current row. Fields read and write through these.
    QVariant RawValue(int fieldIndex) const;
    void SetRawValue(int fieldIndex, const QVariant& value);
    // A value of any visible row, for views.
    QVariant ValueAt(int row, int fieldIndex) const;
    QString DisplayTextAt(int row, int fieldIndex) const;

  signals:
    void AfterOpen();
    void AfterClose();
    // The current row changed (also after open, sort, filter and delete).
    void AfterScroll();
    // Rows or values changed in any way.
    void DataChanged();
    void StateChanged();
    // For views: everything changed; one row changed; a row was added or removed.
    void LayoutReset();
    void RowChanged(int row);
    void RowInserted(int row);
    void RowRemoved(int row);

  private:
    TRow* ActiveRow() const;
    void EnsureCalculated(TRow& row) const;
    void RequireActive() const;
    void RequireBrowse();
    void RebuildView(bool keepCurrent);
    void Scrolled();
    void Reset();
    bool Matches(const TRow& row) const;
    int ViewIndexOf(int rowIndex) const;

    std::vector<std::unique_ptr<TField>> m_fields;
    mutable std::vector<TRow> m_rows;
    std::vector<int> m_view; // indexes into m_rows, in display order
    mutable TRow m_buffer;   // the row being edited or appended
    mutable TRow* m_calcRow = nullptr;
    TState m_state = TState::Inactive;
    int m_current = -1;
    bool m_eof = true;
    bool m_bof = true;
    QString m_sort;
    QString m_filterText;
    bool m_filtered = false;
    std::unique_ptr<TDataSetFilter> m_filter;
    std::function<void()> m_calc;
    int m_disabled = 0;
};
