#pragma once

#include "operations/ModalDialog.h"

#include <QDateTime>
#include <QList>
#include <QVariant>

// How a published property of an editor holds its value.
enum class TPropertyKind {
    Text,         // QString
    Integer,      // int; an empty box reads 0
    Decimal,      // double; an empty box reads 0
    Money,        // double rounded to four decimals
    DateTime,     // QDateTime
    Date,         // QDateTime at midnight
    OptionalDate, // null, or a QDateTime at midnight
    Boolean       // bool
};

struct TEditorProperty {
    QString Name;
    TPropertyKind Kind;
};
using TEditorProperties = QList<TEditorProperty>;

// A dialog whose whole interface is a list of published properties: the caller
// writes them, shows the dialog, and after OK reads them back. Reading a property
// may fail with a conversion message when its box holds text of the wrong kind,
// exactly as the dialog's own typed accessors do.
class TPropertyEditor : public TModalDialog {
  public:
    virtual const TEditorProperties& Properties() const = 0;
    virtual QVariant Property(const QString& name) const = 0;
    virtual void SetProperty(const QString& name, const QVariant& value) = 0;

    // The declared kind of a property; raises for a name the editor does not publish.
    TPropertyKind KindOf(const QString& name) const;
    bool Publishes(const QString& name) const;

    QString Text(const QString& name) const { return Property(name).toString(); }
    int Integer(const QString& name) const { return Property(name).toInt(); }
    double Number(const QString& name) const { return Property(name).toDouble(); }
    QDateTime DateTime(const QString& name) const { return Property(name).toDateTime(); }
    bool Flag(const QString& name) const { return Property(name).toBool(); }

    // Converts a value to the form a property of `kind` holds. Text that is not a
    // number fails with "\"%s\" 不是有效的整数." or "\"%s\" 不是有效的数字.".
    static QVariant Normalize(TPropertyKind kind, const QVariant& value);
};
