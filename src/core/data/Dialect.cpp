#include "data/Dialect.h"

#include <QRegularExpression>

#include <functional>

namespace {

using Rewrite = std::function<QString(const QRegularExpressionMatch&)>;

// Marks which characters are SQL code, as opposed to the inside of a string
// literal, a quoted identifier or a comment.
QList<bool> CodeMask(const QString& s) {
    QList<bool> code(s.size(), true);
    qsizetype i = 0;
    while (i < s.size()) {
        const QChar c = s[i];
        QChar close;
        if (c == u'\'' || c == u'"')
            close = c;
        else if (c == u'[')
            close = u']';
        if (!close.isNull()) {
            qsizetype j = i + 1;
            while (j < s.size()) {
                if (s[j] == close) {
                    if (close != u']' && j + 1 < s.size() && s[j + 1] == close) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            for (qsizetype k = i; k <= j && k < s.size(); ++k)
                code[k] = false;
            i = j + 1;
        } else {
            ++i;
        }
    }
    return code;
}

// Replaces every match of `re` that starts in SQL code.
QString ReplaceInCode(const QString& s, const QRegularExpression& re, const Rewrite& rewrite) {
    const QList<bool> code = CodeMask(s);
    QString out;
    qsizetype last = 0;
    auto it = re.globalMatch(s);
    while (it.hasNext()) {
        const auto m = it.next();
        if (!code[m.capturedStart()])
            continue;
        out += QStringView(s).mid(last, m.capturedStart() - last);
        out += rewrite(m);
        last = m.capturedEnd();
    }
    out += QStringView(s).mid(last);
    return out;
}

// Moves "top N" of every select to a LIMIT at the end of that select: the end of
// the statement, or the closing parenthesis of the subquery it sits in.
QString TopToLimit(const QString& sql) {
    static const QRegularExpression re(QStringLiteral(R"(\btop\s+(\d+)\s+)"),
                                       QRegularExpression::CaseInsensitiveOption);
    QString s = sql;
    for (;;) {
        const QList<bool> code = CodeMask(s);
        QRegularExpressionMatch m;
        auto it = re.globalMatch(s);
        bool found = false;
        while (it.hasNext()) {
            m = it.next();
            if (code[m.capturedStart()]) {
                found = true;
                break;
            }
        }
        if (!found)
            return s;
        const QString limit = QStringLiteral(" LIMIT ") + m.captured(1);
        int depth = 0;
        qsizetype end = s.size();
        for (qsizetype k = m.capturedEnd(); k < s.size(); ++k) {
            if (!code[k])
                continue;
            if (s[k] == u'(')
                ++depth;
            else if (s[k] == u')' && depth-- == 0) {
                end = k;
                break;
            }
        }
        if (end == s.size()) {
            while (end > 0 && (s[end - 1].isSpace() || s[end - 1] == u';'))
                --end;
        }
        s.insert(end, limit);
        s.remove(m.capturedStart(), m.capturedLength());
    }
}

class TCommonDialect : public TDialect {
    // [Name] outside string literals becomes the engine's quoted identifier.
    QString ReplaceBrackets(const QString& sql) const {
        QString out;
        out.reserve(sql.size() + 8);
        qsizetype i = 0;
        while (i < sql.size()) {
            const QChar c = sql[i];
            if (c == u'\'' || c == u'"') {
                qsizetype j = i + 1;
                while (j < sql.size()) {
                    if (sql[j] == c) {
                        if (j + 1 < sql.size() && sql[j + 1] == c) {
                            j += 2;
                            continue;
                        }
                        break;
                    }
                    ++j;
                }
                out += QStringView(sql).mid(i, j + 1 - i);
                i = j + 1;
            } else if (c == u'[') {
                const qsizetype close = sql.indexOf(u']', i);
                if (close < 0) {
                    out += QStringView(sql).mid(i);
                    break;
                }
                out += QuoteName(sql.mid(i + 1, close - i - 1));
                i = close + 1;
            } else {
                out += c;
                ++i;
            }
        }
        return out;
    }

  public:
    QString Render(const QString& sql) const override {
        static const QRegularExpression hash(QStringLiteral(R"(#(\d{4}-\d{2}-\d{2})#)"));
        static const QRegularExpression now(
            QStringLiteral(R"(\bgetdate\s*\(\s*\)|\bnow\b(?!\s*\())"),
            QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression minusDays(
            QStringLiteral(R"(\b([A-Za-z_][\w.]*)\s*-\s*([A-Za-z_][\w.]*days)\b)"),
            QRegularExpression::CaseInsensitiveOption);
        QString s = ReplaceBrackets(sql);
        s = ReplaceInCode(s, hash, [this](const QRegularExpressionMatch& m) {
            return DateLiteral(QDate::fromString(m.captured(1), Qt::ISODate));
        });
        s = ReplaceInCode(s, minusDays, [this](const QRegularExpressionMatch& m) {
            return MinusDays(m.captured(1), m.captured(2));
        });
        s = ReplaceInCode(s, now, [this](const QRegularExpressionMatch&) { return NowExpr(); });
        s = TopToLimit(s);
        return Finish(s);
    }

  protected:
    virtual QString QuoteName(const QString& name) const = 0;
    virtual QString NowExpr() const = 0;
    virtual QString MinusDays(const QString& date, const QString& days) const = 0;
    virtual QString Finish(const QString& sql) const { return sql; }
};

class TSqliteDialect : public TCommonDialect {
  public:
    bool IsServer() const override { return false; }
    QString DateLiteral(const QDate& day) const override {
        return QLatin1Char('\'') + day.toString(QStringLiteral("yyyy-MM-dd")) +
               QStringLiteral(" 00:00:00'");
    }
    QString ServerNowQuery() const override {
        return QStringLiteral("select datetime('now','localtime')");
    }
    QVariant BindValue(const QVariant& v) const override {
        switch (v.typeId()) {
        case QMetaType::Bool:
            return v.isNull() ? QVariant(QMetaType::fromType<int>()) : QVariant(v.toBool() ? 1 : 0);
        case QMetaType::QDateTime:
            return v.isNull() || !v.toDateTime().isValid()
                       ? QVariant(QMetaType::fromType<QString>())
                       : QVariant(v.toDateTime().toString(QLatin1String(kDbDateTimeFormat)));
        case QMetaType::QDate:
            return v.isNull() || !v.toDate().isValid()
                       ? QVariant(QMetaType::fromType<QString>())
                       : QVariant(v.toDate().toString(QStringLiteral("yyyy-MM-dd")) +
                                  QStringLiteral(" 00:00:00"));
        default:
            return v;
        }
    }

  protected:
    QString QuoteName(const QString& name) const override {
        return QLatin1Char('"') + name + QLatin1Char('"');
    }
    QString NowExpr() const override { return QStringLiteral("datetime('now','localtime')"); }
    QString MinusDays(const QString& date, const QString& days) const override {
        return QStringLiteral("datetime(%1, (-(%2)) || ' days')").arg(date, days);
    }
};

class TPostgresDialect : public TCommonDialect {
  public:
    bool IsServer() const override { return true; }
    QString DateLiteral(const QDate& day) const override {
        return QLatin1Char('\'') + day.toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('\'');
    }
    QString ServerNowQuery() const override { return QStringLiteral("select LOCALTIMESTAMP(0)"); }
    QVariant BindValue(const QVariant& v) const override {
        switch (v.typeId()) {
        case QMetaType::Bool:
            return v.isNull() ? QVariant(QMetaType::fromType<int>()) : QVariant(v.toBool() ? 1 : 0);
        case QMetaType::QDateTime:
            // Sent as text so the server stores the local time as given, with no
            // time-zone conversion on the way.
            return v.isNull() || !v.toDateTime().isValid()
                       ? QVariant(QMetaType::fromType<QString>())
                       : QVariant(v.toDateTime().toString(QLatin1String(kDbDateTimeFormat)));
        case QMetaType::QDate:
            return v.isNull() || !v.toDate().isValid()
                       ? QVariant(QMetaType::fromType<QString>())
                       : QVariant(v.toDate().toString(QStringLiteral("yyyy-MM-dd")));
        default:
            return v;
        }
    }

  protected:
    QString QuoteName(const QString& name) const override {
        return QLatin1Char('"') + name.toLower() + QLatin1Char('"');
    }
    QString NowExpr() const override { return QStringLiteral("LOCALTIMESTAMP(0)"); }
    QString MinusDays(const QString& date, const QString& days) const override {
        return QStringLiteral("(%1 - (%2) * interval '1 day')").arg(date, days);
    }
    // LIKE compares without regard to letter case, as on the agency's old server.
    QString Finish(const QString& sql) const override {
        static const QRegularExpression like(QStringLiteral(R"(\blike\b)"),
                                             QRegularExpression::CaseInsensitiveOption);
        return ReplaceInCode(
            sql, like, [](const QRegularExpressionMatch&) { return QStringLiteral("ILIKE"); });
    }
};

} // namespace

std::unique_ptr<TDialect> TDialect::ForServer(bool server) {
    if (server)
        return std::make_unique<TPostgresDialect>();
    return std::make_unique<TSqliteDialect>();
}
