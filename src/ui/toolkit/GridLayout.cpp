#include "toolkit/GridLayout.h"

#include "data/Database.h"
#include "data/RecordSet.h"

#include <QRegularExpression>

namespace {

struct TLayoutLine {
    QString name;
    QString value;
    bool named = false;
};

// Lines as a string list reads them: CR LF, CR or LF end a line, and a break at
// the very end does not start another line.
QList<TLayoutLine> SplitLines(const QString& text) {
    static const QRegularExpression breaks(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(breaks);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QList<TLayoutLine> result;
    for (const QString& line : lines) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0)
            result << TLayoutLine{QString(), QString(), false};
        else
            result << TLayoutLine{line.left(eq), line.mid(eq + 1), true};
    }
    return result;
}

bool SameName(const TLayoutLine& line, const QString& fieldName) {
    return line.named && line.name.compare(fieldName, Qt::CaseInsensitive) == 0;
}

int ColumnIndexOf(const QList<TGridColumn>& columns, const TLayoutLine& line) {
    for (int i = 0; i < columns.size(); ++i) {
        if (SameName(line, columns[i].FieldName))
            return i;
    }
    return -1;
}

} // namespace

QString TGridLayout::Format(const QList<TGridColumn>& columns) {
    QString text;
    for (const TGridColumn& c : columns) {
        text += c.FieldName + u'=' +
                (c.Visible ? QStringLiteral("True") : QStringLiteral("False")) +
                QString::number(c.Width) + QStringLiteral("\r\n");
    }
    return text;
}

bool TGridLayout::ApplyLine(const QString& value, TGridColumn& column) {
    column.Visible = value.contains(QLatin1String("True"));
    QString width = value;
    width.remove(QLatin1String("True"), Qt::CaseInsensitive);
    width.remove(QLatin1String("False"), Qt::CaseInsensitive);
    bool ok = false;
    const int pixels = width.trimmed().toInt(&ok);
    if (!ok || pixels < 0)
        return false;
    column.Width = qMax(pixels, column.MinWidth);
    return true;
}

void TGridLayout::Apply(const QString& text, QList<TGridColumn>& columns) {
    if (text.isEmpty())
        return;
    const QList<TLayoutLine> lines = SplitLines(text);
    for (TGridColumn& column : columns) {
        for (const TLayoutLine& line : lines) {
            if (!SameName(line, column.FieldName))
                continue;
            if (!ApplyLine(line.value, column))
                return;
            break;
        }
    }
    // Listed columns move to the front in the order of their lines; the others
    // follow in their previous order.
    int position = 0;
    for (const TLayoutLine& line : lines) {
        const int from = ColumnIndexOf(columns, line);
        if (from < position)
            continue; // not a column, or a repeated line
        columns.move(from, position++);
    }
}

QString TGridLayout::Load(int number) {
    TRecordSet& scratch = ScratchSet();
    scratch.Open(QStringLiteral("select F06 from syscols where F02=:KeyId"),
                 {Param(QStringLiteral("KeyId"), number)});
    const QString text =
        scratch.DataSet()->IsEmpty() ? QString() : scratch.DataSet()->Field(0)->AsString();
    scratch.Close();
    return text;
}

bool TGridLayout::Store(int number, const QString& text) {
    TRecordSet& scratch = ScratchSet();
    scratch.Open(QStringLiteral("select 1 from syscols where F02=:Id"),
                 {Param(QStringLiteral("Id"), number)});
    const bool exists = !scratch.DataSet()->IsEmpty();
    scratch.Close();
    TDatabase& db = DbConnection();
    const int written =
        exists
            ? db.ExecSQL(
                  QStringLiteral("update syscols set F06=:Value where F02=:KeyId"),
                  {Param(QStringLiteral("Value"), text), Param(QStringLiteral("KeyId"), number)})
            : db.ExecSQL(QStringLiteral("insert into syscols (F02,F06) values (:Id, :S)"),
                         {Param(QStringLiteral("Id"), number), Param(QStringLiteral("S"), text)});
    return written == 1;
}
