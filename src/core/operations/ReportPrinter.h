#pragma once

#include <QList>

class TDataSet;

// Designs and prints the stored report templates of a group. A report is
// filled from data sets handed over in a fixed order; the first is the list
// the report is printed from. The UI library installs the report engine.
class TReportPrinter {
  public:
    virtual ~TReportPrinter() = default;
    // The list of templates of `group` with their designer.
    virtual void DesignReports(int group, const QList<TDataSet*>& dataSets) = 0;
    // Prints the template with the given Id.
    virtual void PrintReport(int reportId, const QList<TDataSet*>& dataSets) = 0;
};

// Whether a report engine is installed; the print commands are offered only then.
bool HasReportPrinter();
// The installed engine; raises when none is installed.
TReportPrinter& ReportPrinter();
// Installs an engine (not owned); nullptr removes it.
void SetReportPrinter(TReportPrinter* printer);
