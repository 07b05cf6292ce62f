#pragma once

#include "toolkit/GridColumn.h"

#include <QList>
#include <QString>

// The stored column layout of a grid: one line per column in column order,
// "<field name>=<True|False><width in pixels>", each line ending in CR LF, kept
// in table syscols under a layout number.
class TGridLayout {
  public:
    // The numbers of the house and client list layouts.
    static constexpr int kHouseList = 0;
    static constexpr int kClientList = 2;
    static bool IsListLayout(int number) { return number == kHouseList || number == kClientList; }

    static QString Format(const QList<TGridColumn>& columns);
    // Applies a layout text to columns built beforehand: listed columns get
    // their visibility and width, then take the position of their line. A
    // damaged line stops the reading; what was applied until then stays.
    static void Apply(const QString& text, QList<TGridColumn>& columns);

    // The stored text of a layout number; empty when none is stored.
    static QString Load(int number);
    // Writes the text under the number, updating the row when one exists.
    // True when exactly one row was written.
    static bool Store(int number, const QString& text);

  private:
    static bool ApplyLine(const QString& value, TGridColumn& column);
};
