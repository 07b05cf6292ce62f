#include "screens/CommaText.h"

namespace {

bool IsBlank(QChar c) {
    return c.unicode() <= u' ';
}

// Reads a quoted item starting at the opening quote; a doubled quote inside stands
// for one quote.
QString ReadQuoted(const QString& text, qsizetype& i) {
    QString item;
    ++i;
    while (i < text.size()) {
        if (text[i] == u'"') {
            if (i + 1 < text.size() && text[i + 1] == u'"') {
                item += u'"';
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        item += text[i++];
    }
    return item;
}

QString ReadPlain(const QString& text, qsizetype& i) {
    const qsizetype start = i;
    while (i < text.size() && !IsBlank(text[i]) && text[i] != u',')
        ++i;
    return text.mid(start, i - start);
}

void SkipBlanks(const QString& text, qsizetype& i) {
    while (i < text.size() && IsBlank(text[i]))
        ++i;
}

bool NeedsQuotes(const QString& item) {
    for (QChar c : item) {
        if (IsBlank(c) || c == u'"' || c == u',')
            return true;
    }
    return false;
}

} // namespace

QStringList SplitCommaText(const QString& text) {
    QStringList items;
    qsizetype i = 0;
    SkipBlanks(text, i);
    while (i < text.size()) {
        items << (text[i] == u'"' ? ReadQuoted(text, i) : ReadPlain(text, i));
        SkipBlanks(text, i);
        if (i < text.size() && text[i] == u',') {
            ++i;
            if (i == text.size())
                items << QString();
            SkipBlanks(text, i);
        }
    }
    return items;
}

QString JoinCommaText(const QStringList& items) {
    QStringList written;
    for (const QString& item : items) {
        if (NeedsQuotes(item))
            written << u'"' + QString(item).replace(QStringLiteral("\""), QStringLiteral("\"\"")) +
                           u'"';
        else
            written << item;
    }
    return written.join(u',');
}
