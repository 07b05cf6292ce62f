#include "operations/SN.h"

#include "app/Error.h"
#include "data/RecordSet.h"
#include "operations/Conversions.h"

#include <limits>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

// Options entries of the code rules.
constexpr int kSaleSnRule = 11;
constexpr int kBuySnRule = 13;

// Makes `text` match itself in a LIKE pattern with escape character '\'.
QString LikeLiteral(QString text) {
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('%'), QLatin1String("\\%"));
    text.replace(QLatin1Char('_'), QLatin1String("\\_"));
    return text;
}

} // namespace

const QString TSN::kOverflowMsg = QStringLiteral("编号越界,请升级位数.");

void TSN::LoadRule(const QString& rule) {
    QString rest = rule;
    qsizetype cr = rest.indexOf(QLatin1Char('\r'));
    if (cr >= 0) {
        Prefix = rest.left(cr);
        rest = rest.mid(cr + 2);
    }
    cr = rest.indexOf(QLatin1Char('\r'));
    if (cr >= 0) {
        Digits = StrToInt32(rest.left(cr));
        rest = rest.mid(cr + 2);
    }
    Suffix = rest;
}

QString TSN::RuleText() const {
    return Prefix + kCrLf + QString::number(Digits) + kCrLf + Suffix;
}

QString TSN::CodePattern(const QString& rule) {
    LoadRule(rule);
    return Prefix + QString(qMax(Digits, 0), QLatin1Char('%')) + Suffix;
}

QString TSN::NextCode(const QString& rule, const QString& lastCode) {
    LoadRule(rule);
    const QString number = lastCode.isEmpty()
                               ? IncNumber(QStringLiteral("0"))
                               : IncNumber(lastCode.mid(Prefix.size(), qMax(Digits, 0)));
    return Prefix + number + Suffix;
}

QString TSN::IncNumber(const QString& number) const {
    // No number fits zero digits, whatever text stands where it would be.
    if (Digits <= 0)
        throw EOrbelError(kOverflowMsg);
    const qint64 value = StrToInt(number);
    if (value == std::numeric_limits<qint64>::max())
        throw EOrbelError(kOverflowMsg);
    const QString next = QString::number(value + 1);
    if (next.size() > Digits)
        throw EOrbelError(kOverflowMsg);
    return next.rightJustified(Digits, QLatin1Char('0'));
}

QString TSN::LastCode(TCodeOwner owner, const QString& rule) {
    LoadRule(rule);
    const QString pattern =
        LikeLiteral(Prefix) + QString(qMax(Digits, 0), QLatin1Char('%')) + LikeLiteral(Suffix);
    const QString sql =
        owner == TCodeOwner::House
            ? QStringLiteral("select top 1 Code from house where Code like :Pattern escape '\\' "
                             "order by Code desc")
            : QStringLiteral("select top 1 Code from client where Code like :Pattern escape '\\' "
                             "order by Code desc");
    TRecordSet& scratch = ScratchSet();
    scratch.Open(sql, {Param(QStringLiteral("Pattern"), pattern)});
    const QString code =
        scratch.DataSet()->RecordCount() == 1 ? scratch.DataSet()->Field(0)->AsString() : QString();
    scratch.Close();
    return code;
}

QString TSN::StoredRule(TCodeOwner owner) {
    TRecordSet& scratch = ScratchSet();
    scratch.Open(
        QStringLiteral("select List from options where [Key]=:Key"),
        {Param(QStringLiteral("Key"), owner == TCodeOwner::House ? kSaleSnRule : kBuySnRule)});
    const QString rule =
        scratch.DataSet()->IsEmpty() ? QString() : scratch.DataSet()->Field(0)->AsString();
    scratch.Close();
    return rule;
}

QString TSN::GenerateCode(TCodeOwner owner) {
    const QString rule = StoredRule(owner);
    return NextCode(rule, LastCode(owner, rule));
}

TSN& SN() {
    static TSN sn;
    return sn;
}
