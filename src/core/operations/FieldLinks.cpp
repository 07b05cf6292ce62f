#include "operations/FieldLinks.h"

#include "data/DataSet.h"
#include "operations/PropertyEditor.h"
#include "records/HistorySet.h"

#include <QDateTime>

TFieldLinks SameNames(const QStringList& names) {
    TFieldLinks links;
    for (const QString& n : names)
        links << TFieldLink{n, n};
    return links;
}

void LoadEditor(TPropertyEditor& editor, const TDataSet& data, const TFieldLinks& links) {
    for (const TFieldLink& l : links)
        editor.SetProperty(l.Property, data.FieldByName(l.Field)->Value());
}

QVariant FieldValue(const QVariant& v) {
    if (v.typeId() == QMetaType::QDateTime && !v.toDateTime().isValid())
        return QVariant();
    return v;
}

void WriteFields(TDataSet& data, const TPropertyEditor& editor, const TFieldLinks& links) {
    for (const TFieldLink& l : links)
        data.FieldByName(l.Field)->SetValue(FieldValue(editor.Property(l.Property)));
}

void AppendHistory(THistorySet& set, const TPropertyEditor& editor, const TFieldLinks& links,
                   int parentId, const QString& billman) {
    TDataSet& data = *set.DataSet();
    data.Append();
    WriteFields(data, editor, links);
    set.ParentIdFld()->SetAsInteger(parentId);
    data.FieldByName(QStringLiteral("Billman"))->SetAsString(billman);
    set.Save();
}

void RewriteHistory(THistorySet& set, const TPropertyEditor& editor, const TFieldLinks& links) {
    set.DataSet()->Edit();
    WriteFields(*set.DataSet(), editor, links);
    set.Save();
}

void CancelPending(TDataSet& data) {
    if (data.Editing())
        data.Cancel();
}
