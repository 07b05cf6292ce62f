#pragma once

#include "data/IniFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The per-installation settings in cfg.ini in the program's folder: where the
// database is (one of three providers and the parameters of each), the last
// login name, the first-run flag and the build-label suffix. Passwords, the
// database file and the finished connection string are stored scrambled.
//
// Providers: 0 a PostgreSQL server, 1 an SQLite database file, 2 the
// connection-info service that names a PostgreSQL server.
class TConfiger {
  public:
    // Reads every connection setting of cfg.ini; missing or unreadable values
    // take their defaults.
    TConfiger();

    // Writes the settings back and rebuilds the stored connection string.
    // Raises EOrbelError when cfg.ini cannot be written.
    void SaveConfig();
    // The connection string to open now. May ask the connection-info service
    // (and show its failure message) and may be empty.
    QString ConnectionString();
    // Asks the connection-info service for the server; empty on any failure.
    QString FetchDipConnection();
    // The data source that reaches `server` on `port`: "server,port", or the
    // server alone when the port is empty or `remove` is set (the server name
    // then has to resolve by itself, on the engine's default port).
    static QString RegisterServerAlias(const QString& server, const QString& port, bool remove);

    // The reversible scrambling of stored secrets, byte by byte over the GBK
    // bytes of the text; applying it twice gives the input back.
    static QString Scramble(const QString& text);
    static QByteArray ScrambleBytes(const QByteArray& bytes);

    // cfg.ini and the database file used when the default connection is chosen.
    static QString FileName();
    static QString DefaultDatabaseFile();
    // The provider names in index order, as the configuration dialog lists them.
    static QStringList ProviderNames();

    // [Login] LastLoginId: the login name of the last successful login.
    static QString LastLoginId();
    static void SetLastLoginId(const QString& loginId);
    // [upgrade] upgraded: the first-run dialog has been shown.
    static bool Upgraded();
    static void SetUpgraded(bool upgraded);
    // [publish] b: the suffix of the build label.
    static QString PublishSuffix();

    // How long the connection-info service may take to answer.
    void SetDipTimeout(int milliseconds) { m_dipTimeoutMs = milliseconds; }

    static constexpr int kDefaultPort = 5432;

    QString mssqlServer;
    int mssqlPort = kDefaultPort;
    QString mssqlDb;
    QString mssqlUser;
    QString mssqlPw;
    // Reach the server by its name alone; never stored.
    bool smartConnect = false;
    QString jetfile;
    QString jetUser;
    // Kept and shown; an SQLite file has no password.
    QString jetPw;
    QString dipUrl;
    QString dipUser;
    int providerIdx = 0;
    bool defaultCon = true;

  private:
    void Write(const QString& key, const QString& value);
    void Write(const QString& key, int value);
    QString BuildConnectionString();

    TIniFile ini;
    int m_dipTimeoutMs = 15000;
};
