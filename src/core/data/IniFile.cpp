#include "data/IniFile.h"

#include "app/GbkText.h"

#include <QFile>
#include <QSaveFile>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArray Trimmed(const QByteArray& text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && IsBlank(text[start]))
        ++start;
    while (end > start && IsBlank(text[end - 1]))
        --end;
    return text.mid(start, end - start);
}

// The section name of a "[name]" line, or false for any other line.
bool SectionOf(const QByteArray& line, QByteArray* name) {
    const QByteArray t = Trimmed(line);
    if (!t.startsWith('['))
        return false;
    const qsizetype close = t.indexOf(']');
    if (close < 0)
        return false;
    *name = Trimmed(t.mid(1, close - 1)).toLower();
    return true;
}

// The key of a "key=value" line, or false for comments and other lines.
bool KeyOf(const QByteArray& line, QByteArray* key) {
    const QByteArray t = Trimmed(line);
    if (t.startsWith(';') || t.startsWith('#'))
        return false;
    const qsizetype eq = t.indexOf('=');
    if (eq <= 0)
        return false;
    *key = Trimmed(t.left(eq)).toLower();
    return true;
}

QByteArray ValueOf(const QByteArray& line) {
    QByteArray v = Trimmed(line.mid(line.indexOf('=') + 1));
    if (v.size() >= 2 && v.startsWith('"') && v.endsWith('"'))
        v = v.mid(1, v.size() - 2);
    return v;
}

// A value whose blanks at either end or enclosing quotes the reader would strip
// is written in quotes, so it reads back unchanged. A line break cannot be kept.
QByteArray StoredValue(const QString& value) {
    QByteArray v = TGbkText::Encode(value);
    v.replace('\r', QByteArray()).replace('\n', QByteArray());
    const bool quoted = v.size() >= 2 && v.startsWith('"') && v.endsWith('"');
    if (Trimmed(v) != v || quoted)
        v = '"' + v + '"';
    return v;
}

bool ParseInteger(const QString& text, int* value) {
    bool ok = false;
    const int n = text.trimmed().toInt(&ok, 10);
    if (ok)
        *value = n;
    return ok;
}

} // namespace

TIniFile::TIniFile(const QString& fileName) : m_fileName(fileName) {}

bool TIniFile::Exists() const {
    return QFile::exists(m_fileName);
}

QList<QByteArray> TIniFile::Lines() const {
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray content = file.readAll();
    // A byte-order mark left by an editor would hide the first section.
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    QList<QByteArray> lines = content.split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
    }
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

bool TIniFile::Find(const QString& section, const QString& key, QByteArray* value) const {
    const QByteArray wantedSection = TGbkText::Encode(section).toLower();
    const QByteArray wantedKey = TGbkText::Encode(key).toLower();
    bool inSection = false;
    for (const QByteArray& line : Lines()) {
        QByteArray name;
        if (SectionOf(line, &name)) {
            inSection = name == wantedSection;
            continue;
        }
        if (inSection && KeyOf(line, &name) && name == wantedKey) {
            *value = ValueOf(line);
            return true;
        }
    }
    return false;
}

QString TIniFile::ReadString(const QString& section, const QString& key,
                             const QString& defaultValue) const {
    QByteArray value;
    if (!Find(section, key, &value))
        return defaultValue;
    return TGbkText::Decode(value);
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const {
    int value = defaultValue;
    ParseInteger(ReadString(section, key), &value);
    return value;
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    const QByteArray wantedSection = TGbkText::Encode(section).toLower();
    const QByteArray keyBytes = TGbkText::Encode(key);
    const QByteArray entry = keyBytes + '=' + StoredValue(value);
    QList<QByteArray> lines = Lines();

    // Where the section starts and where its last non-blank line is.
    qsizetype sectionAt = -1;
    qsizetype insertAt = -1;
    bool written = false;
    for (qsizetype i = 0; i < lines.size() && !written; ++i) {
        QByteArray name;
        if (SectionOf(lines[i], &name)) {
            if (sectionAt >= 0)
                break;
            if (name == wantedSection) {
                sectionAt = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (sectionAt < 0)
            continue;
        if (KeyOf(lines[i], &name) && name == keyBytes.toLower()) {
            lines[i] = entry;
            written = true;
        } else if (!Trimmed(lines[i]).isEmpty()) {
            insertAt = i + 1;
        }
    }
    if (!written && sectionAt >= 0) {
        lines.insert(insertAt, entry);
    } else if (!written) {
        if (!lines.isEmpty() && !Trimmed(lines.last()).isEmpty())
            lines << QByteArray();
        lines << '[' + TGbkText::Encode(section) + ']' << entry;
    }

    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    for (const QByteArray& line : lines)
        file.write(line + "\r\n");
    return file.commit();
}

bool TIniFile::WriteInteger(const QString& section, const QString& key, int value) {
    return WriteString(section, key, QString::number(value));
}

bool TIniFile::WriteBool(const QString& section, const QString& key, bool value) {
    return WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}
