#include "data/DataSetFilter.h"

#include "app/Error.h"
#include "data/DataSet.h"

#include <QRegularExpression>

namespace {

using Getter = std::function<QVariant(int)>;

class TNode : public TDataSetFilter {};

class TBinary : public TNode {
  public:
    TBinary(bool isAnd, std::unique_ptr<TDataSetFilter> l, std::unique_ptr<TDataSetFilter> r)
        : m_and(isAnd), m_l(std::move(l)), m_r(std::move(r)) {}
    bool Matches(const Getter& v) const override {
        return m_and ? (m_l->Matches(v) && m_r->Matches(v)) : (m_l->Matches(v) || m_r->Matches(v));
    }

  private:
    bool m_and;
    std::unique_ptr<TDataSetFilter> m_l, m_r;
};

enum class Op { Eq, Ne, Lt, Gt, Le, Ge, Like };

class TCompare : public TNode {
  public:
    TCompare(int field, TFieldKind kind, Op op, QVariant literal)
        : m_field(field), m_kind(kind), m_op(op), m_literal(std::move(literal)) {
        if (m_op == Op::Like) {
            QString pattern = QRegularExpression::escape(m_literal.toString());
            pattern.replace(QStringLiteral("\\*"), QStringLiteral(".*"));
            pattern.replace(QStringLiteral("\\%"), QStringLiteral(".*")); // escaped above
            pattern.replace(QStringLiteral("_"), QStringLiteral("."));
            m_like = QRegularExpression(QStringLiteral("^") + pattern + QStringLiteral("$"),
                                        QRegularExpression::CaseInsensitiveOption |
                                            QRegularExpression::DotMatchesEverythingOption);
        }
    }
    bool Matches(const Getter& get) const override {
        const QVariant v = get(m_field);
        if (m_literal.isNull())
            return m_op == Op::Eq ? v.isNull() : (m_op == Op::Ne ? !v.isNull() : false);
        if (m_op == Op::Like)
            return m_like.match(TField::ToText(m_kind, v)).hasMatch();
        if (v.isNull())
            return m_op == Op::Ne;
        int c = 0;
        switch (m_kind) {
        case TFieldKind::Integer:
        case TFieldKind::Float:
        case TFieldKind::Boolean: {
            const double a = v.toDouble(), b = m_literal.toDouble();
            c = a < b ? -1 : (a > b ? 1 : 0);
            break;
        }
        case TFieldKind::DateTime: {
            const QDateTime a = TField::ToDateTime(v), b = TField::ToDateTime(m_literal);
            c = a < b ? -1 : (a > b ? 1 : 0);
            break;
        }
        default:
            c = QString::compare(v.toString(), m_literal.toString(), Qt::CaseInsensitive);
        }
        switch (m_op) {
        case Op::Eq:
            return c == 0;
        case Op::Ne:
            return c != 0;
        case Op::Lt:
            return c < 0;
        case Op::Gt:
            return c > 0;
        case Op::Le:
            return c <= 0;
        case Op::Ge:
            return c >= 0;
        default:
            return false;
        }
    }

  private:
    int m_field;
    TFieldKind m_kind;
    Op m_op;
    QVariant m_literal;
    QRegularExpression m_like;
};

class TParser {
  public:
    TParser(const QString& text, const TDataSet& ds) : m_s(text), m_ds(ds) {}

    std::unique_ptr<TDataSetFilter> Parse() {
        auto node = Or();
        SkipBlanks();
        if (m_i < m_s.size())
            Fail();
        return node;
    }

  private:
    [[noreturn]] void Fail() const {
        throw EOrbelError(QStringLiteral("过滤条件错误:\r\n%1").arg(m_s));
    }
    void SkipBlanks() {
        while (m_i < m_s.size() && m_s[m_i].isSpace())
            ++m_i;
    }
    bool Keyword(const char* word) {
        SkipBlanks();
        const QString w = QLatin1String(word);
        if (m_s.mid(m_i, w.size()).compare(w, Qt::CaseInsensitive) != 0)
            return false;
        const qsizetype after = m_i + w.size();
        if (after < m_s.size() && (m_s[after].isLetterOrNumber() || m_s[after] == u'_'))
            return false;
        m_i = after;
        return true;
    }
    std::unique_ptr<TDataSetFilter> Or() {
        auto left = And();
        while (Keyword("or"))
            left = std::make_unique<TBinary>(false, std::move(left), And());
        return left;
    }
    std::unique_ptr<TDataSetFilter> And() {
        auto left = Factor();
        while (Keyword("and"))
            left = std::make_unique<TBinary>(true, std::move(left), Factor());
        return left;
    }
    std::unique_ptr<TDataSetFilter> Factor() {
        SkipBlanks();
        if (m_i < m_s.size() && m_s[m_i] == u'(') {
            ++m_i;
            auto inner = Or();
            SkipBlanks();
            if (m_i >= m_s.size() || m_s[m_i] != u')')
                Fail();
            ++m_i;
            return inner;
        }
        const QString name = Name();
        TField* field = m_ds.FindField(name);
        if (!field)
            throw EOrbelError(QStringLiteral("没有找到字段 %1.").arg(name));
        const Op op = Operator();
        if (Keyword("is")) {
            const bool negate = Keyword("not");
            if (!Keyword("null"))
                Fail();
            return std::make_unique<TCompare>(field->Index(), field->Kind(),
                                              negate ? Op::Ne : Op::Eq, QVariant());
        }
        return std::make_unique<TCompare>(field->Index(), field->Kind(), op, Literal());
    }
    QString Name() {
        SkipBlanks();
        if (m_i < m_s.size() && m_s[m_i] == u'[') {
            const qsizetype close = m_s.indexOf(u']', m_i);
            if (close < 0)
                Fail();
            const QString n = m_s.mid(m_i + 1, close - m_i - 1);
            m_i = close + 1;
            return n;
        }
        const qsizetype start = m_i;
        while (m_i < m_s.size() && (m_s[m_i].isLetterOrNumber() || m_s[m_i] == u'_'))
            ++m_i;
        if (m_i == start)
            Fail();
        return m_s.mid(start, m_i - start);
    }
    Op Operator() {
        SkipBlanks();
        if (Keyword("like"))
            return Op::Like;
        if (Keyword("is")) {
            m_i -= 2; // let Factor read "is [not] null"
            return Op::Eq;
        }
        static const std::pair<const char*, Op> ops[] = {{"<>", Op::Ne}, {"<=", Op::Le},
                                                         {">=", Op::Ge}, {"=", Op::Eq},
                                                         {"<", Op::Lt},  {">", Op::Gt}};
        for (const auto& [text, op] : ops) {
            const QString t = QLatin1String(text);
            if (m_s.mid(m_i, t.size()) == t) {
                m_i += t.size();
                return op;
            }
        }
        Fail();
    }
    QVariant Literal() {
        SkipBlanks();
        if (m_i >= m_s.size())
            Fail();
        const QChar c = m_s[m_i];
        if (c == u'\'') {
            QString out;
            ++m_i;
            while (m_i < m_s.size()) {
                if (m_s[m_i] == u'\'') {
                    if (m_i + 1 < m_s.size() && m_s[m_i + 1] == u'\'') {
                        out += u'\'';
                        m_i += 2;
                        continue;
                    }
                    ++m_i;
                    return out;
                }
                out += m_s[m_i++];
            }
            Fail();
        }
        if (c == u'#') {
            const qsizetype close = m_s.indexOf(u'#', m_i + 1);
            if (close < 0)
                Fail();
            const QString d = m_s.mid(m_i + 1, close - m_i - 1);
            m_i = close + 1;
            return d;
        }
        if (Keyword("null"))
            return QVariant();
        const qsizetype start = m_i;
        while (m_i < m_s.size() && (m_s[m_i].isDigit() || m_s[m_i] == u'.' || m_s[m_i] == u'-'))
            ++m_i;
        bool ok = false;
        const double d = m_s.mid(start, m_i - start).toDouble(&ok);
        if (!ok)
            Fail();
        return d;
    }

    QString m_s;
    const TDataSet& m_ds;
    qsizetype m_i = 0;
};

} // namespace

std::unique_ptr<TDataSetFilter> TDataSetFilter::Parse(const QString& text, const TDataSet& ds) {
    return TParser(text, ds).Parse();
}
