#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QVariant>

class TDataSet;

enum class TFieldKind { WideString, String, Integer, Float, DateTime, Boolean, Memo, Blob };

enum class TFieldAlignment { Left, Right, Center };

// One column of a data set: its name, kind and display settings. Values are read
// and written through the data set's active row (the current row, the row being
// edited or appended, or the row whose calculated fields are being filled).
class TField {
  public:
    TField(TDataSet* owner, TFieldKind kind, const QString& name, int index);

    TDataSet* DataSet() const { return m_owner; }
    TFieldKind Kind() const { return m_kind; }
    const QString& FieldName() const { return m_name; }
    int Index() const { return m_index; }

    // Size in characters for text fields (default 20); 0 for other kinds.
    int Size() const { return m_size; }
    void SetSize(int size) { m_size = size; }
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible) { m_visible = visible; }
    // The label grids show; the field name when no label was given.
    QString DisplayLabel() const { return m_label.isEmpty() ? m_name : m_label; }
    void SetDisplayLabel(const QString& label) { m_label = label; }
    TFieldAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TFieldAlignment a) { m_alignment = a; }
    // Width in characters a grid gives the column.
    int DisplayWidth() const;
    void SetDisplayWidth(int width) { m_displayWidth = width; }
    bool Calculated() const { return m_calculated; }
    void SetCalculated(bool calculated) { m_calculated = calculated; }
    // Display format for float fields (for example "0.00"); empty shows the number as it is.
    QString DisplayFormat() const { return m_displayFormat; }
    void SetDisplayFormat(const QString& f) { m_displayFormat = f; }

    // A NULL reads as empty text, 0, false or an invalid date-time.
    bool IsNull() const;
    QVariant Value() const;
    QString AsString() const;
    int AsInteger() const;
    double AsFloat() const;
    bool AsBoolean() const;
    QDateTime AsDateTime() const;
    QByteArray AsBytes() const;
    // The text a grid shows.
    QString DisplayText() const;

    void SetValue(const QVariant& value);
    void SetAsString(const QString& v);
    void SetAsInteger(int v) { SetValue(v); }
    void SetAsFloat(double v) { SetValue(v); }
    void SetAsBoolean(bool v) { SetValue(v); }
    void SetAsDateTime(const QDateTime& v) { SetValue(v); }
    void Clear() { SetValue(QVariant()); }

    // Conversions shared with whoever reads raw values of this kind.
    static QDateTime ToDateTime(const QVariant& v);
    static QString ToText(TFieldKind kind, const QVariant& v);
    // A value converted to the field's kind as it is stored in a row.
    QVariant Coerce(const QVariant& v) const;

  private:
    TDataSet* m_owner;
    TFieldKind m_kind;
    QString m_name;
    int m_index;
    int m_size;
    bool m_visible = true;
    QString m_label;
    TFieldAlignment m_alignment;
    int m_displayWidth = 0;
    bool m_calculated = false;
    QString m_displayFormat;
};
