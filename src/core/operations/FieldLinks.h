#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

class TDataSet;
class THistorySet;
class TPropertyEditor;

// A field of a record and the editor property that shows it.
struct TFieldLink {
    QString Field;
    QString Property;
};
using TFieldLinks = QList<TFieldLink>;

// Links of fields to properties of the same names.
TFieldLinks SameNames(const QStringList& names);

// Fills the editor's properties from the active row.
void LoadEditor(TPropertyEditor& editor, const TDataSet& data, const TFieldLinks& links);
// Writes the editor's properties into the row being edited or appended. Reading a
// property may fail with its conversion message.
void WriteFields(TDataSet& data, const TPropertyEditor& editor, const TFieldLinks& links);
// The value a field takes for a property value (an empty date is NULL).
QVariant FieldValue(const QVariant& propertyValue);

// Saves a new follow-up or deal of the parent from the editor, entered by `billman`.
void AppendHistory(THistorySet& set, const TPropertyEditor& editor, const TFieldLinks& links,
                   int parentId, const QString& billman);
// Saves the editor's values into the current follow-up or deal.
void RewriteHistory(THistorySet& set, const TPropertyEditor& editor, const TFieldLinks& links);
// Drops the pending edit or append of a data set, if any.
void CancelPending(TDataSet& data);
