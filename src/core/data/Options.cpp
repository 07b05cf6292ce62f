#include "data/Options.h"

#include "app/Error.h"
#include "data/Database.h"

TOptions::TOptions(TDatabase* db) : TRecordSet(db) {
    m_key = AddField(TFieldKind::Integer, QStringLiteral("Key"), -1, true, QStringLiteral("Key"));
    m_list = AddField(TFieldKind::Memo, QStringLiteral("List"), -1, true, QStringLiteral("List"));
    Open(QStringLiteral("select * from options order by [Key]"));
}

TOptions& ProgramOptions() {
    static TOptions* options = new TOptions;
    return *options;
}

void TOptions::MoveTo(int index) const {
    TDataSet* ds = DataSet();
    if (index < 0 || !ds->Active() || index >= ds->RecordCount())
        throw EOrbelError(QStringLiteral("选项表中没有第 %1 项.").arg(index));
    ds->SetCurrentRow(index);
}

QString TOptions::GetByIndex(int index) const {
    MoveTo(index);
    return m_list->AsString();
}

void TOptions::SetByIndex(int index, const QString& text) {
    MoveTo(index);
    DataSet()->Edit();
    m_list->SetAsString(text);
    DataSet()->Post();
}

void TOptions::SaveAll() {
    // Each entry goes back to the row it was read from, so a gap in the keys
    // does not send an entry's text to a key that has no row.
    TDataSet* ds = DataSet();
    for (int p = 0; p < ds->RecordCount(); ++p) {
        ds->SetCurrentRow(p);
        Database().Execute(QStringLiteral("update options set List=:List where [Key]=:Id"),
                           {Param(QStringLiteral("List"), m_list->AsString()),
                            Param(QStringLiteral("Id"), m_key->AsInteger())});
    }
}

QStringList TOptions::Items(const QString& text) {
    QStringList items;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString item = line.endsWith(QLatin1Char('\r')) ? line.chopped(1) : line;
        if (!item.trimmed().isEmpty())
            items << item;
    }
    return items;
}
