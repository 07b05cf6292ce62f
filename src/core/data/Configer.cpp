#include "data/Configer.h"

#include "app/Error.h"
#include "app/GbkText.h"
#include "app/HttpClient.h"
#include "app/Messenger.h"
#include "app/ProgramFolder.h"

#include <QSysInfo>

namespace {

const QString kDb = QStringLiteral("db");

// The connection string templates of the three providers.
const QString kServerTemplate = QStringLiteral(
    "Provider=PostgreSQL;Persist Security Info=False;User ID=%1;Password=%2;Initial Catalog=%3;"
    "Data Source=%4;Use Procedure for Prepare=1;Auto Translate=True;Packet Size=4096;"
    "Workstation ID=%5;Use Encryption for Data=False;"
    "Tag with column collation when possible=False");
const QString kFileTemplate =
    QStringLiteral("Provider=SQLite;Mode = ReadWrite;Data Source=%1;Persist Security Info=True");
const QString kDefaultFileTemplate =
    QStringLiteral("Provider=SQLite;Data Source=%1;Persist Security Info=True");
const QString kDipTemplate =
    QStringLiteral("Provider=PostgreSQL;Data Source=%1;User ID=%2;"
                   "Password=%3;Initial Catalog=%4;Persist Security Info=True");

// A value placed into a connection string: quoted (with inner quotes doubled)
// when a ';', a quote or blanks at either end would otherwise change its meaning.
QString ConnValue(const QString& value) {
    const bool plain = !value.contains(u';') && !value.contains(u'"') && value.trimmed() == value;
    if (plain)
        return value;
    QString quoted = value;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

// The lines of a text: CR LF or LF ends a line, a final line break adds no line.
QStringList TextLines(QString text) {
    if (text.isEmpty())
        return {};
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(u'\n'))
        text.chop(1);
    return text.split(u'\n');
}

QString DecodeBody(const THttpClient::TResult& answer) {
    if (answer.contentType.contains(QStringLiteral("utf-8"), Qt::CaseInsensitive))
        return QString::fromUtf8(answer.body);
    return TGbkText::Decode(answer.body);
}

} // namespace

TConfiger::TConfiger() : ini(FileName()) {
    mssqlServer = ini.ReadString(kDb, QStringLiteral("mssqlServer"));
    mssqlPort = ini.ReadInteger(kDb, QStringLiteral("mssqlPort"), kDefaultPort);
    mssqlDb = ini.ReadString(kDb, QStringLiteral("mssqlDb"));
    mssqlUser = ini.ReadString(kDb, QStringLiteral("mssqlUser"));
    mssqlPw = Scramble(ini.ReadString(kDb, QStringLiteral("mssqlPw")));
    jetfile = Scramble(ini.ReadString(kDb, QStringLiteral("jetfile")));
    jetUser = ini.ReadString(kDb, QStringLiteral("jetUser"));
    jetPw = Scramble(ini.ReadString(kDb, QStringLiteral("jetPw")));
    dipUrl = ini.ReadString(kDb, QStringLiteral("dipUrl"));
    dipUser = ini.ReadString(kDb, QStringLiteral("dipUser"));
    providerIdx = ini.ReadInteger(kDb, QStringLiteral("providerIdx"), 0);
    // An index no provider has is a damaged file: the default provider.
    if (providerIdx < 0 || providerIdx > 2)
        providerIdx = 0;
    defaultCon = ini.ReadBool(kDb, QStringLiteral("defaultCon"), true);
}

void TConfiger::Write(const QString& key, const QString& value) {
    if (!ini.WriteString(kDb, key, value))
        throw EOrbelError(
            QStringLiteral("无法写入配置文件\"%1\",请检查该文件是否只读或者磁盘是否已满.")
                .arg(ini.FileName()));
}

void TConfiger::Write(const QString& key, int value) {
    Write(key, QString::number(value));
}

void TConfiger::SaveConfig() {
    Write(QStringLiteral("mssqlServer"), mssqlServer);
    Write(QStringLiteral("mssqlPort"), mssqlPort);
    Write(QStringLiteral("mssqlDb"), mssqlDb);
    Write(QStringLiteral("mssqlUser"), mssqlUser);
    Write(QStringLiteral("mssqlPw"), Scramble(mssqlPw));
    Write(QStringLiteral("jetfile"), Scramble(jetfile));
    Write(QStringLiteral("jetUser"), jetUser);
    Write(QStringLiteral("jetPw"), Scramble(jetPw));
    Write(QStringLiteral("dipUrl"), dipUrl);
    Write(QStringLiteral("dipUser"), dipUser);
    Write(QStringLiteral("providerIdx"), providerIdx);
    Write(QStringLiteral("defaultCon"), defaultCon ? 1 : 0);
    Write(QStringLiteral("ConnStr"), Scramble(BuildConnectionString()));
}

QString TConfiger::BuildConnectionString() {
    switch (providerIdx) {
    case 0: {
        const QString source =
            RegisterServerAlias(mssqlServer, QString::number(mssqlPort), smartConnect);
        return kServerTemplate.arg(ConnValue(mssqlUser), ConnValue(mssqlPw), ConnValue(mssqlDb),
                                   ConnValue(source), QSysInfo::machineHostName());
    }
    case 1:
        return kFileTemplate.arg(ConnValue(jetfile));
    default:
        return QString();
    }
}

QString TConfiger::ConnectionString() {
    if (providerIdx == 1 && defaultCon)
        return kDefaultFileTemplate.arg(ConnValue(DefaultDatabaseFile()));
    if (providerIdx == 2)
        return FetchDipConnection();
    return Scramble(ini.ReadString(kDb, QStringLiteral("ConnStr")));
}

QString TConfiger::FetchDipConnection() {
    const THttpClient::TResult answer =
        THttpClient::Get(QStringLiteral("%1?user=%2").arg(dipUrl, dipUser), m_dipTimeoutMs);
    if (!answer.ok) {
        ShowInfo(QStringLiteral("无法获得DIP连接信息,请检查网络是否畅通."));
        return QString();
    }
    // Server, port, user, password, database.
    const QStringList lines = TextLines(DecodeBody(answer));
    if (lines.size() != 5)
        return QString();
    const QString source = RegisterServerAlias(lines[0], lines[1], false);
    return kDipTemplate.arg(ConnValue(source), ConnValue(lines[2]), ConnValue(lines[3]),
                            ConnValue(lines[4]));
}

QString TConfiger::RegisterServerAlias(const QString& server, const QString& port, bool remove) {
    if (remove || port.isEmpty())
        return server;
    return server + u',' + port;
}

QByteArray TConfiger::ScrambleBytes(const QByteArray& bytes) {
    static const QByteArray key("quorvantil");
    QByteArray result = bytes;
    for (qsizetype i = 0; i < result.size(); ++i) {
        // Byte i+1 (counting from 1) uses key character (i+1) mod 10 + 1.
        const char k = char(uchar(key[(i + 1) % key.size()]) % 10);
        result[i] = char(result[i] ^ k);
    }
    return result;
}

QString TConfiger::Scramble(const QString& text) {
    return TGbkText::Decode(ScrambleBytes(TGbkText::Encode(text)));
}

QString TConfiger::FileName() {
    return ProgramFile(QStringLiteral("cfg.ini"));
}

QString TConfiger::DefaultDatabaseFile() {
    return ProgramFile(QStringLiteral("orbel.db"));
}

QStringList TConfiger::ProviderNames() {
    return {QStringLiteral("PostgreSQL 数据库服务器"), QStringLiteral("SQLite 数据库文件(单机版)"),
            QStringLiteral("DIP 连接信息服务")};
}

QString TConfiger::LastLoginId() {
    return TIniFile(FileName()).ReadString(QStringLiteral("Login"), QStringLiteral("LastLoginId"));
}

void TConfiger::SetLastLoginId(const QString& loginId) {
    TIniFile(FileName())
        .WriteString(QStringLiteral("Login"), QStringLiteral("LastLoginId"), loginId);
}

bool TConfiger::Upgraded() {
    return TIniFile(FileName())
        .ReadBool(QStringLiteral("upgrade"), QStringLiteral("upgraded"), false);
}

void TConfiger::SetUpgraded(bool upgraded) {
    TIniFile(FileName()).WriteBool(QStringLiteral("upgrade"), QStringLiteral("upgraded"), upgraded);
}

QString TConfiger::PublishSuffix() {
    return TIniFile(FileName()).ReadString(QStringLiteral("publish"), QStringLiteral("b"));
}
