#include "toolkit/zyGridHooks.h"

std::function<bool(QWidget*, TDataSet*, QString&)> TzyGridHooks::SortDialog;
std::function<bool(QWidget*, QList<TColumnItem>&)> TzyGridHooks::ColumnDialog;
std::function<bool(QWidget*, TDataSet*)> TzyGridHooks::FilterDialog;
std::function<bool(QWidget*, const QList<TBatchItem>&, int&, QString&)>
    TzyGridHooks::BatchUpdateDialog;
std::function<void(QWidget*, TDataSet*)> TzyGridHooks::ExportWizard;
TzyGridHooks::TTableWriter TzyGridHooks::SaveToExcel;
TzyGridHooks::TTableWriter TzyGridHooks::SaveToHtml;
