#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A Windows-style INI file in the GBK code page. Every read looks at the file as
// it is on disk and every write goes to disk at once, so several holders of the
// same file never see stale values. Section and key names are compared without
// regard to case; lines the reader does not understand are kept as they are.
class TIniFile {
  public:
    explicit TIniFile(const QString& fileName);

    const QString& FileName() const { return m_fileName; }
    bool Exists() const;

    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultValue = QString()) const;
    // Text that is not an integer gives the default.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
    // Read as an integer: 0 is false, any other integer true.
    bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;

    // False when the file cannot be written.
    bool WriteString(const QString& section, const QString& key, const QString& value);
    bool WriteInteger(const QString& section, const QString& key, int value);
    // Written as 1 or 0.
    bool WriteBool(const QString& section, const QString& key, bool value);

  private:
    QList<QByteArray> Lines() const;
    // The raw value of the key, or false when the key is absent.
    bool Find(const QString& section, const QString& key, QByteArray* value) const;

    QString m_fileName;
};
