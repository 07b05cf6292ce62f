#include "data/SqlText.h"

namespace {

bool IsNameStart(QChar c) {
    return c.isLetter() || c == u'_';
}
bool IsNameChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

// Index just past a quoted run that starts at i with `close`; -1 when unterminated.
qsizetype SkipQuoted(const QString& s, qsizetype i, QChar close) {
    for (qsizetype j = i + 1; j < s.size(); ++j) {
        if (s[j] == close) {
            if (close != u']' && j + 1 < s.size() && s[j + 1] == close) {
                ++j; // doubled quote inside the run
                continue;
            }
            return j + 1;
        }
    }
    return s.size();
}

} // namespace

TPositionalSql ToPositional(const QString& sql) {
    TPositionalSql out;
    out.sql.reserve(sql.size());
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql[i];
        if (c == u'\'' || c == u'"' || c == u'[') {
            const qsizetype end = SkipQuoted(sql, i, c == u'[' ? QChar(u']') : c);
            out.sql += QStringView(sql).mid(i, end - i);
            i = end;
        } else if (c == u'-' && i + 1 < sql.size() && sql[i + 1] == u'-') {
            const qsizetype end = sql.indexOf(u'\n', i);
            const qsizetype stop = end < 0 ? sql.size() : end;
            out.sql += QStringView(sql).mid(i, stop - i);
            i = stop;
        } else if (c == u':' && i + 1 < sql.size() && sql[i + 1] == u':') {
            out.sql += QStringLiteral("::");
            i += 2;
        } else if (c == u':' && i + 1 < sql.size() && IsNameStart(sql[i + 1])) {
            qsizetype j = i + 1;
            while (j < sql.size() && IsNameChar(sql[j]))
                ++j;
            out.names << sql.mid(i + 1, j - i - 1);
            out.sql += u'?';
            i = j;
        } else {
            out.sql += c;
            ++i;
        }
    }
    return out;
}
