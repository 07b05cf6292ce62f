#include "data/DataSet.h"

#include "app/Error.h"
#include "data/DataSetFilter.h"

#include <QCollator>

#include <algorithm>

TDataSet::TDataSet(QObject* parent) : QObject(parent) {}

TDataSet::~TDataSet() = default;

TField* TDataSet::AddField(TFieldKind kind, const QString& name, int size, bool visible,
                           const QString& label) {
    auto field = std::make_unique<TField>(this, kind, name, int(m_fields.size()));
    if (size >= 0)
        field->SetSize(size);
    field->SetVisible(visible);
    field->SetDisplayLabel(label);
    m_fields.push_back(std::move(field));
    return m_fields.back().get();
}

void TDataSet::ClearFields() {
    Close();
    m_fields.clear();
}

TField* TDataSet::FindField(const QString& name) const {
    for (const auto& f : m_fields) {
        if (f->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return f.get();
    }
    return nullptr;
}

TField* TDataSet::FieldByName(const QString& name) const {
    TField* f = FindField(name);
    if (!f)
        throw EOrbelError(QStringLiteral("没有找到字段 %1.").arg(name));
    return f;
}

QList<TField*> TDataSet::Fields() const {
    QList<TField*> list;
    list.reserve(qsizetype(m_fields.size()));
    for (const auto& f : m_fields)
        list << f.get();
    return list;
}

void TDataSet::Load(std::vector<TRow>&& rows) {
    m_rows = std::move(rows);
    const qsizetype width = qsizetype(m_fields.size());
    for (TRow& r : m_rows) {
        if (r.values.size() < width)
            r.values.resize(width);
    }
    m_state = TState::Browse;
    RebuildView(false);
    Reset();
    emit StateChanged();
    emit AfterOpen();
    Scrolled();
}

void TDataSet::Close() {
    if (m_state == TState::Inactive)
        return;
    m_state = TState::Inactive;
    m_rows.clear();
    m_view.clear();
    m_current = -1;
    m_eof = m_bof = true;
    Reset();
    emit StateChanged();
    emit AfterClose();
}

void TDataSet::RequireActive() const {
    if (m_state == TState::Inactive)
        throw EOrbelError(QStringLiteral("数据集没有打开,无法执行此操作."));
}

void TDataSet::RequireBrowse() {
    RequireActive();
    if (Editing())
        Post();
}

int TDataSet::RecordCount() const {
    RequireActive();
    return int(m_view.size());
}

void TDataSet::SetCurrentRow(int row) {
    if (m_view.empty())
        return;
    row = std::clamp(row, 0, int(m_view.size()) - 1);
    if (Editing())
        Post();
    m_eof = m_bof = false;
    if (row == m_current)
        return;
    m_current = row;
    Scrolled();
}

void TDataSet::First() {
    RequireBrowse();
    if (m_view.empty())
        return;
    SetCurrentRow(0);
    m_bof = true;
    m_eof = false;
}

void TDataSet::Last() {
    RequireBrowse();
    if (m_view.empty())
        return;
    SetCurrentRow(int(m_view.size()) - 1);
    m_eof = true;
    m_bof = false;
}

void TDataSet::Next() {
    RequireBrowse();
    if (m_view.empty() || m_current >= int(m_view.size()) - 1) {
        m_eof = true;
        return;
    }
    SetCurrentRow(m_current + 1);
}

void TDataSet::Prior() {
    RequireBrowse();
    if (m_view.empty() || m_current <= 0) {
        m_bof = true;
        return;
    }
    SetCurrentRow(m_current - 1);
}

void TDataSet::Edit() {
    RequireActive();
    if (Editing())
        return;
    if (m_view.empty()) {
        Append();
        return;
    }
    m_buffer = m_rows[size_t(m_view[size_t(m_current)])];
    m_state = TState::Edit;
    emit StateChanged();
}

void TDataSet::Append() {
    RequireActive();
    if (Editing())
        Post();
    m_buffer = TRow();
    m_buffer.values.resize(qsizetype(m_fields.size()));
    m_state = TState::Insert;
    emit StateChanged();
}

void TDataSet::Post() {
    if (!Editing())
        return;
    m_buffer.calcDone = false;
    if (m_state == TState::Insert) {
        m_rows.push_back(std::move(m_buffer));
        m_view.push_back(int(m_rows.size()) - 1);
        m_state = TState::Browse;
        m_current = int(m_view.size()) - 1;
        m_eof = m_bof = false;
        if (!ControlsDisabled())
            emit RowInserted(m_current);
    } else {
        m_rows[size_t(m_view[size_t(m_current)])] = std::move(m_buffer);
        m_state = TState::Browse;
        if (!ControlsDisabled())
            emit RowChanged(m_current);
    }
    m_buffer = TRow();
    emit StateChanged();
    emit DataChanged();
    Scrolled();
}

void TDataSet::Cancel() {
    if (!Editing())
        return;
    m_buffer = TRow();
    m_state = TState::Browse;
    emit StateChanged();
    if (!ControlsDisabled() && m_current >= 0)
        emit RowChanged(m_current);
}

void TDataSet::Delete() {
    RequireActive();
    if (m_state == TState::Insert) {
        Cancel();
        return;
    }
    Cancel();
    if (m_view.empty())
        return;
    const int removed = m_current;
    const int rowIndex = m_view[size_t(removed)];
    m_rows.erase(m_rows.begin() + rowIndex);
    m_view.erase(m_view.begin() + removed);
    for (int& i : m_view) {
        if (i > rowIndex)
            --i;
    }
    if (!ControlsDisabled())
        emit RowRemoved(removed);
    m_current = m_view.empty() ? -1 : std::min(removed, int(m_view.size()) - 1);
    m_eof = m_bof = m_view.empty();
    emit DataChanged();
    Scrolled();
}

void TDataSet::DeleteAllRows() {
    RequireActive();
    Cancel();
    if (m_view.empty())
        return;
    // Rows hidden by the filter stay, as deleting row by row would leave them.
    std::vector<bool> gone(m_rows.size(), false);
    for (int i : m_view)
        gone[size_t(i)] = true;
    std::vector<TRow> kept;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (!gone[i])
            kept.push_back(std::move(m_rows[i]));
    }
    m_rows = std::move(kept);
    RebuildView(false);
    Reset();
    emit DataChanged();
    Scrolled();
}

bool TDataSet::Locate(const QString& fieldNames, const QVariantList& values, int options) {
    RequireBrowse();
    const QStringList names = fieldNames.split(u';', Qt::SkipEmptyParts);
    if (names.size() != values.size())
        throw EOrbelError(QStringLiteral("定位的字段数与值的个数不一致."));
    QList<TField*> fields;
    for (const QString& n : names)
        fields << FieldByName(n.trimmed());
    const Qt::CaseSensitivity cs =
        (options & CaseInsensitive) ? Qt::CaseInsensitive : Qt::CaseSensitive;
    for (int r = 0; r < int(m_view.size()); ++r) {
        bool all = true;
        for (qsizetype k = 0; k < fields.size() && all; ++k) {
            const QVariant v = ValueAt(r, fields[k]->Index());
            const QVariant& want = values[k];
            if (want.isNull() || !want.isValid()) {
                all = v.isNull();
                continue;
            }
            if (v.isNull()) {
                all = false;
                continue;
            }
            switch (fields[k]->Kind()) {
            case TFieldKind::Integer:
            case TFieldKind::Float:
            case TFieldKind::Boolean:
                all = v.toDouble() == want.toDouble();
                break;
            case TFieldKind::DateTime:
                all = TField::ToDateTime(v) == TField::ToDateTime(want);
                break;
            default: {
                const QString text = v.toString();
                all = (options & PartialKey) ? text.startsWith(want.toString(), cs)
                                             : text.compare(want.toString(), cs) == 0;
            }
            }
        }
        if (all) {
            SetCurrentRow(r);
            return true;
        }
    }
    return false;
}

void TDataSet::SetSort(const QString& sortText) {
    // Validate before changing anything.
    const QStringList parts = sortText.split(u',', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QStringList words = part.simplified().split(u' ');
        if (words.isEmpty() || words[0].isEmpty())
            continue;
        FieldByName(words[0]);
        if (words.size() > 2 || (words.size() == 2 &&
                                 words[1].compare(QLatin1String("ASC"), Qt::CaseInsensitive) != 0 &&
                                 words[1].compare(QLatin1String("DESC"), Qt::CaseInsensitive) != 0))
            throw EOrbelError(QStringLiteral("排序条件错误: %1").arg(sortText));
    }
    m_sort = sortText;
    if (Active()) {
        RebuildView(true);
        Reset();
        Scrolled();
    }
}

void TDataSet::SetFilter(const QString& filterText) {
    std::unique_ptr<TDataSetFilter> parsed;
    if (!filterText.trimmed().isEmpty())
        parsed = TDataSetFilter::Parse(filterText, *this);
    m_filter = std::move(parsed);
    m_filterText = filterText;
    if (Active() && m_filtered) {
        RebuildView(true);
        Reset();
        Scrolled();
    }
}

void TDataSet::SetFiltered(bool filtered) {
    if (m_filtered == filtered)
        return;
    m_filtered = filtered;
    if (Active()) {
        RebuildView(true);
        Reset();
        Scrolled();
    }
}

void TDataSet::EnableControls() {
    if (m_disabled > 0 && --m_disabled == 0) {
        emit LayoutReset();
        emit AfterScroll();
    }
}

TRow* TDataSet::ActiveRow() const {
    if (m_calcRow)
        return m_calcRow;
    if (m_state == TState::Edit || m_state == TState::Insert)
        return &m_buffer;
    if (m_current < 0 || m_current >= int(m_view.size()))
        return nullptr;
    return &m_rows[size_t(m_view[size_t(m_current)])];
}

void TDataSet::EnsureCalculated(TRow& row) const {
    if (row.calcDone || !m_calc)
        return;
    row.calcDone = true;
    TRow* saved = m_calcRow;
    m_calcRow = &row;
    try {
        m_calc();
    } catch (...) {
        m_calcRow = saved;
        throw;
    }
    m_calcRow = saved;
}

QVariant TDataSet::RawValue(int fieldIndex) const {
    TRow* row = ActiveRow();
    if (!row || fieldIndex < 0 || fieldIndex >= row->values.size())
        return QVariant();
    if (m_fields[size_t(fieldIndex)]->Calculated() && row != m_calcRow)
        EnsureCalculated(*row);
    return row->values[fieldIndex];
}

void TDataSet::SetRawValue(int fieldIndex, const QVariant& value) {
    if (!m_calcRow && !Editing())
        throw EOrbelError(QStringLiteral("数据集不在编辑或插入状态."));
    TRow* row = ActiveRow();
    if (row->values.size() < qsizetype(m_fields.size()))
        row->values.resize(qsizetype(m_fields.size()));
    row->values[fieldIndex] = value;
    if (!m_calcRow && !m_fields[size_t(fieldIndex)]->Calculated())
        row->calcDone = false;
}

QVariant TDataSet::ValueAt(int row, int fieldIndex) const {
    if (row < 0 || row >= int(m_view.size()))
        return QVariant();
    if (Editing() && row == m_current) {
        TRow* saved = m_calcRow;
        m_calcRow = nullptr;
        const QVariant v = RawValue(fieldIndex);
        m_calcRow = saved;
        return v;
    }
    TRow& r = m_rows[size_t(m_view[size_t(row)])];
    if (m_fields[size_t(fieldIndex)]->Calculated())
        EnsureCalculated(r);
    return r.values.value(fieldIndex);
}

QString TDataSet::DisplayTextAt(int row, int fieldIndex) const {
    if (row < 0 || row >= int(m_view.size()))
        return QString();
    TRow* saved = m_calcRow;
    TRow* target =
        (Editing() && row == m_current) ? &m_buffer : &m_rows[size_t(m_view[size_t(row)])];
    if (m_fields[size_t(fieldIndex)]->Calculated())
        EnsureCalculated(*target);
    m_calcRow = target;
    QString text;
    try {
        text = m_fields[size_t(fieldIndex)]->DisplayText();
    } catch (...) {
        m_calcRow = saved;
        throw;
    }
    m_calcRow = saved;
    return text;
}

bool TDataSet::Matches(const TRow& row) const {
    if (!m_filtered || !m_filter)
        return true;
    TRow& r = const_cast<TRow&>(row);
    return m_filter->Matches([this, &r](int i) {
        if (m_fields[size_t(i)]->Calculated())
            EnsureCalculated(r);
        return r.values.value(i);
    });
}

void TDataSet::RebuildView(bool keepCurrent) {
    const int currentRow = (keepCurrent && m_current >= 0 && m_current < int(m_view.size()))
                               ? m_view[size_t(m_current)]
                               : -1;
    m_view.clear();
    m_view.reserve(m_rows.size());
    for (int i = 0; i < int(m_rows.size()); ++i) {
        if (Matches(m_rows[size_t(i)]))
            m_view.push_back(i);
    }
    struct Key {
        int field;
        bool desc;
        TFieldKind kind;
    };
    QList<Key> keys;
    for (const QString& part : m_sort.split(u',', Qt::SkipEmptyParts)) {
        const QStringList words = part.simplified().split(u' ');
        if (words.isEmpty() || words[0].isEmpty())
            continue;
        TField* f = FindField(words[0]);
        if (!f)
            continue;
        const bool desc =
            words.size() > 1 && words[1].compare(QLatin1String("DESC"), Qt::CaseInsensitive) == 0;
        keys << Key{f->Index(), desc, f->Kind()};
    }
    if (!keys.isEmpty()) {
        for (const Key& k : keys) {
            if (m_fields[size_t(k.field)]->Calculated()) {
                for (int i : m_view)
                    EnsureCalculated(m_rows[size_t(i)]);
            }
        }
        QCollator collator(QLocale(QLocale::Chinese, QLocale::China));
        auto compare = [&](int a, int b) {
            for (const Key& k : keys) {
                const QVariant& va = m_rows[size_t(a)].values[k.field];
                const QVariant& vb = m_rows[size_t(b)].values[k.field];
                int c = 0;
                if (va.isNull() || vb.isNull()) {
                    c = va.isNull() == vb.isNull() ? 0 : (va.isNull() ? -1 : 1);
                } else {
                    switch (k.kind) {
                    case TFieldKind::Integer:
                    case TFieldKind::Float:
                    case TFieldKind::Boolean: {
                        const double x = va.toDouble(), y = vb.toDouble();
                        c = x < y ? -1 : (x > y ? 1 : 0);
                        break;
                    }
                    case TFieldKind::DateTime: {
                        const QDateTime x = TField::ToDateTime(va), y = TField::ToDateTime(vb);
                        c = x < y ? -1 : (x > y ? 1 : 0);
                        break;
                    }
                    default:
                        c = collator.compare(va.toString(), vb.toString());
                    }
                }
                if (c != 0)
                    return k.desc ? c > 0 : c < 0;
            }
            return false;
        };
        std::stable_sort(m_view.begin(), m_view.end(), compare);
    }
    m_current = -1;
    if (currentRow >= 0)
        m_current = ViewIndexOf(currentRow);
    if (m_current < 0 && !m_view.empty())
        m_current = 0;
    m_eof = m_bof = m_view.empty();
}

int TDataSet::ViewIndexOf(int rowIndex) const {
    const auto it = std::find(m_view.begin(), m_view.end(), rowIndex);
    return it == m_view.end() ? -1 : int(it - m_view.begin());
}

void TDataSet::Scrolled() {
    if (!ControlsDisabled())
        emit AfterScroll();
}

void TDataSet::Reset() {
    if (!ControlsDisabled())
        emit LayoutReset();
    emit DataChanged();
}
