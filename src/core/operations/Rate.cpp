#include "operations/Rate.h"

#include "data/Database.h"
#include "data/RecordSet.h"
#include "operations/Conversions.h"

#include <cmath>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

// Lines as a text list reads them: CR LF, CR or LF end a line, and a break at
// the very end does not start another line.
QStringList TRate::Lines(const QString& text) {
    QString unified = text;
    unified.replace(kCrLf, QStringLiteral("\n"));
    unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = unified.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

RRates TRate::LoadRates(int typId) const {
    TRecordSet& scratch = ScratchSet();
    scratch.Open(QStringLiteral("select * from [rates] where TypId=:TypId"),
                 {Param(QStringLiteral("TypId"), typId)});
    TDataSet* ds = scratch.DataSet();
    RRates rates;
    if (!ds->IsEmpty()) {
        const QStringList rateLines = Lines(ds->FieldByName(QStringLiteral("Rates"))->AsString());
        const QStringList years = Lines(ds->FieldByName(QStringLiteral("Years"))->AsString());
        const QStringList months = Lines(ds->FieldByName(QStringLiteral("Months"))->AsString());
        const QStringList returns = Lines(ds->FieldByName(QStringLiteral("Returns"))->AsString());
        // The number of rates is the number of terms; lines beyond it in the
        // other texts belong to no term and are not read.
        rates.resize(rateLines.size());
        for (qsizetype i = 0; i < rates.size(); ++i) {
            RRate& term = rates[i];
            term.Rate = StrToAmount(rateLines[i]);
            term.Years = i < years.size() ? StrToInt32(years[i]) : 0;
            term.Months = i < months.size() ? StrToInt32(months[i]) : 0;
            term.Returns = i < returns.size() ? StrToAmount(returns[i]) : 0;
        }
    }
    scratch.Close();
    return rates;
}

void TRate::SaveRates(int typId, const RRates& rates) const {
    QString rateText, years, months, returns;
    for (const RRate& term : rates) {
        rateText += FormatRate(term.Rate) + kCrLf;
        years += QString::number(term.Years) + kCrLf;
        months += QString::number(term.Months) + kCrLf;
        returns += FormatReturns(term.Returns) + kCrLf;
    }
    DbConnection().Execute(
        QStringLiteral("update rates set Rates=:Rates,Years=:Years,Months=:Months,"
                       "Returns=:Returns where TypId=:TypId"),
        {Param(QStringLiteral("Rates"), rateText), Param(QStringLiteral("Years"), years),
         Param(QStringLiteral("Months"), months), Param(QStringLiteral("Returns"), returns),
         Param(QStringLiteral("TypId"), typId)});
}

QString TRate::FormatRate(double rate) {
    return FormatNoLeadingZero(rate, 4);
}

QString TRate::FormatReturns(double returns) {
    return FormatNoLeadingZero(returns, 2);
}

// The "#.0000" style: fixed decimals, and no "0" before the point below 1.
// Amounts are kept to four decimals, so the rounding works on whole
// ten-thousandths (half away from zero) rather than on the binary double.
QString TRate::FormatNoLeadingZero(double value, int decimals) {
    qint64 scaled = std::llround(std::fabs(value) * 10000.0);
    qint64 unit = 1;
    for (int d = decimals; d < 4; ++d)
        unit *= 10;
    scaled = (scaled + unit / 2) / unit;
    qint64 scale = 1;
    for (int d = 0; d < decimals; ++d)
        scale *= 10;
    const qint64 whole = scaled / scale;
    const QString fraction =
        QString::number(scaled % scale).rightJustified(decimals, QLatin1Char('0'));
    const QString text =
        (whole == 0 ? QString() : QString::number(whole)) + QLatin1Char('.') + fraction;
    return value < 0 && scaled != 0 ? QLatin1Char('-') + text : text;
}

TRate& Rate() {
    static TRate rate;
    return rate;
}
