#pragma once

#include <QList>
#include <QString>

#include <functional>

class QWidget;
class TDataSet;
class TzyGridBase;

// One column as the column dialog shows it.
struct TColumnItem {
    int Index = 0;
    QString Caption;
    bool Visible = true;
};

// One field the batch update offers: the label shown and the field it names.
struct TBatchItem {
    QString Label;
    QString FieldName;
};

// The dialogs and exports the grids open but do not own. The pieces that
// provide them install them at start-up; a grid command whose dialog is not
// installed is shown disabled.
struct TzyGridHooks {
    // The sort dialog on a data set and its sort text; true on OK with the new
    // text in `sortText`.
    static std::function<bool(QWidget* parent, TDataSet* dataSet, QString& sortText)> SortDialog;
    // The column dialog; true on OK with the items' visible flags set.
    static std::function<bool(QWidget* parent, QList<TColumnItem>& columns)> ColumnDialog;
    // The filter dialog on a data set: on OK it has set the data set's filter text
    // and switched filtering on; true on OK.
    static std::function<bool(QWidget* parent, TDataSet* dataSet)> FilterDialog;
    // The batch update dialog over the offered fields; true on OK with the index
    // of the chosen item and the value typed.
    static std::function<bool(QWidget* parent, const QList<TBatchItem>& items, int& itemIndex,
                              QString& value)>
        BatchUpdateDialog;
    // The export wizard on a data set.
    static std::function<void(QWidget* parent, TDataSet* dataSet)> ExportWizard;
    // Writes a grid's visible columns and all its rows to a spreadsheet or a web page.
    using TTableWriter = std::function<void(TzyGridBase* grid)>;
    static TTableWriter SaveToExcel;
    static TTableWriter SaveToHtml;
};
