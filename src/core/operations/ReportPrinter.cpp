#include "operations/ReportPrinter.h"

#include "app/Error.h"

namespace {

TReportPrinter* g_printer = nullptr;

} // namespace

bool HasReportPrinter() {
    return g_printer != nullptr;
}

TReportPrinter& ReportPrinter() {
    if (!g_printer)
        throw EOrbelError(QStringLiteral("没有可用的报表打印程序."));
    return *g_printer;
}

void SetReportPrinter(TReportPrinter* printer) {
    g_printer = printer;
}
