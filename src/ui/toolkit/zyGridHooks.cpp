#include "toolkit/zyGridHooks.h"

std::function<bool(QWidget*, TDataSet*, QString&)> TzyGridHooks::SortDialog;
std::function<bool(QWidget*, QList<TColumnItem>&)> TzyGridHooks::ColumnDialog;
std::function<void(QWidget*, TDataSet*)> TzyGridHooks::ExportWizard;
TzyGridHooks::TTableWriter TzyGridHooks::SaveToExcel;
TzyGridHooks::TTableWriter TzyGridHooks::SaveToHtml;
