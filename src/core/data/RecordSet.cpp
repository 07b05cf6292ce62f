#include "data/RecordSet.h"

#include "app/Error.h"
#include "app/Messenger.h"
#include "data/Database.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

TFieldKind KindOf(const QSqlField& f) {
    switch (f.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Long:
        return TFieldKind::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
        return TFieldKind::Float;
    case QMetaType::Bool:
        return TFieldKind::Boolean;
    case QMetaType::QDateTime:
    case QMetaType::QDate:
        return TFieldKind::DateTime;
    case QMetaType::QByteArray:
        return TFieldKind::Blob;
    default:
        return TFieldKind::WideString;
    }
}

} // namespace

TRecordSet::TRecordSet(TDatabase* db) : m_db(db), m_dataSet(new TDataSet(this)) {
    m_dataSet->SetCalcHandler([this] { CalcFields(); });
}

TRecordSet::~TRecordSet() = default;

TDatabase& TRecordSet::Database() const {
    return m_db ? *m_db : DbConnection();
}

TField* TRecordSet::AddField(TFieldKind kind, const QString& name, int size, bool visible,
                             const QString& label) {
    if (m_autoFields) {
        m_dataSet->ClearFields();
        m_autoFields = false;
    }
    return m_dataSet->AddField(kind, name, size, visible, label);
}

TField* TRecordSet::AddCalcField(TFieldKind kind, const QString& name, int size, bool visible,
                                 const QString& label) {
    TField* f = AddField(kind, name, size, visible, label);
    f->SetCalculated(true);
    return f;
}

bool TRecordSet::HasPersistentFields() const {
    return m_dataSet->FieldCount() > 0 && !m_autoFields;
}

int TRecordSet::Open(const QString& sql, const TDBParameters& params) {
    m_dataSet->Close();
    m_sql = sql;
    m_params = params;
    return Load(params);
}

int TRecordSet::Load(const TDBParameters& params) {
    TDatabase& db = Database();
    QSqlQuery query(db.EnsureOpen());
    query.setForwardOnly(true);
    auto fail = [&](const QString& message) {
        ShowInfo(QStringLiteral("SQL语句错误,原文如下:\r\n") + m_sql +
                 QStringLiteral("\r\n\r\n错误提示:\r\n") + message);
        throw EAbort();
    };
    try {
        db.Exec(query, m_sql, params); // a missing parameter raises its own error
    } catch (const EStatementError& e) {
        fail(e.EngineMessage());
    }
    const QSqlRecord record = query.record();
    const bool persistent = HasPersistentFields();
    if (!persistent) {
        m_dataSet->ClearFields();
        m_autoFields = true;
        for (int i = 0; i < record.count(); ++i)
            m_dataSet->AddField(KindOf(record.field(i)), record.fieldName(i));
    }
    // Map each data field to its result column; a missing column is an error.
    const int width = m_dataSet->FieldCount();
    std::vector<int> columns(size_t(width), -1);
    std::vector<int> dataFields;
    for (int f = 0; f < width; ++f) {
        TField* field = m_dataSet->Field(f);
        if (field->Calculated())
            continue;
        const QString name = field->FieldName();
        int col = persistent ? -1 : f;
        for (int c = 0; persistent && c < record.count(); ++c) {
            if (record.fieldName(c).compare(name, Qt::CaseInsensitive) == 0) {
                col = c;
                break;
            }
        }
        if (col < 0)
            fail(QStringLiteral("找不到字段 %1.").arg(name));
        columns[size_t(f)] = col;
        dataFields.push_back(f);
    }
    std::vector<TRow> rows;
    while (query.next()) {
        TRow row;
        row.values.resize(width);
        for (int f : dataFields)
            row.values[f] = query.value(columns[size_t(f)]);
        rows.push_back(std::move(row));
    }
    if (query.lastError().isValid())
        fail(query.lastError().text());
    m_dataSet->Load(std::move(rows));
    return m_dataSet->RecordCount();
}

void TRecordSet::Refresh() {
    if (!m_dataSet->Active())
        return;
    m_dataSet->DisableControls();
    try {
        m_dataSet->Close();
        Load(m_params);
    } catch (...) {
        m_dataSet->EnableControls();
        throw;
    }
    m_dataSet->EnableControls();
}

QString TRecordSet::JoinValues(TField* field, const QString& separator) {
    if (!m_dataSet->Active() || m_dataSet->IsEmpty())
        return QString();
    QStringList parts;
    m_dataSet->First();
    while (!m_dataSet->Eof()) {
        parts << field->AsString();
        m_dataSet->Next();
    }
    return parts.join(separator);
}

void TRecordSet::AlignFields(TFieldAlignment alignment) {
    for (TField* f : m_dataSet->Fields())
        f->SetAlignment(alignment);
}

void TRecordSet::DeleteCurrent() {
    if (m_dataSet->Active() && !m_dataSet->IsEmpty())
        m_dataSet->Delete();
}

int TRecordSet::DeleteAll() {
    if (m_dataSet->Active())
        m_dataSet->DeleteAllRows();
    return 0;
}

TDBParameters TRecordSet::FieldParams(const QList<TField*>& fields) const {
    TDBParameters params;
    params.reserve(fields.size());
    for (TField* f : fields)
        params << Param(f->FieldName(), f->Value());
    return params;
}

int TRecordSet::NextId(const QString& table) {
    TRecordSet& scratch = ScratchSet();
    scratch.Open(QStringLiteral("select max(Id) from %1").arg(table));
    const int id = scratch.DataSet()->IsEmpty() ? 1 : scratch.DataSet()->Field(0)->AsInteger() + 1;
    scratch.Close();
    return id;
}

int TRecordSet::WriteRow(const QString& table, TField* idField, const QString& insertSql,
                         const QString& updateSql, TDBParameters params,
                         const TxDBParameters& blobs, bool keepEditOnError) {
    TDataSet* ds = m_dataSet;
    if (!ds->Editing())
        ds->Edit();
    try {
        int id = idField->AsInteger();
        const bool insert = id == 0;
        if (insert)
            id = NextId(table);
        params.erase(std::remove_if(params.begin(), params.end(),
                                    [](const TDBParameter& p) {
                                        return p.Name.compare(QLatin1String("Id"),
                                                              Qt::CaseInsensitive) == 0;
                                    }),
                     params.end());
        params << Param(QStringLiteral("Id"), id);
        Database().Execute(insert ? insertSql : updateSql, params, blobs);
        idField->SetAsInteger(id);
        ds->Post();
        return id;
    } catch (...) {
        if (!keepEditOnError)
            ds->Cancel();
        throw;
    }
}

TRecordSet& ScratchSet() {
    static TRecordSet* scratch = new TRecordSet;
    return *scratch;
}
