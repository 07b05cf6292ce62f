#pragma once

#include <QString>

enum class TSortMarker { None, Ascending, Descending };

// One column of a data grid: the field it shows and how. Columns are kept by
// field name so they survive the data set being closed and reopened.
struct TGridColumn {
    QString FieldName;
    QString Caption;
    int Width = 64; // pixels
    int MinWidth = 0;
    bool Visible = true;
    // The title reacts to clicks (sorting); off for calculated fields.
    bool TitleButton = true;
    TSortMarker Marker = TSortMarker::None;
    // The footer row shows the sum of the column's field.
    bool SumFooter = false;
};
