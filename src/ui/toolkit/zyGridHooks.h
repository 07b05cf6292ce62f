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

// The dialogs and exports the grids open but do not own. The pieces that
// provide them install them at start-up; a grid command whose dialog is not
// installed is shown disabled.
struct TzyGridHooks {
    // The sort dialog on a data set and its sort text; true on OK with the new
    // text in `sortText`.
    static std::function<bool(QWidget* parent, TDataSet* dataSet, QString& sortText)> SortDialog;
    // The column dialog; true on OK with the items' visible flags set.
    static std::function<bool(QWidget* parent, QList<TColumnItem>& columns)> ColumnDialog;
    // The export wizard on a data set.
    static std::function<void(QWidget* parent, TDataSet* dataSet)> ExportWizard;
    // Writes a grid's visible columns and all its rows to a spreadsheet or a web page.
    using TTableWriter = std::function<void(TzyGridBase* grid)>;
    static TTableWriter SaveToExcel;
    static TTableWriter SaveToHtml;
};
