#include "ScriptedMessenger.h"

#include "app/GbkText.h"
#include "data/Configer.h"
#include "data/ConnectionString.h"
#include "data/IniFile.h"

#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// Answers every HTTP request with one fixed status and body, or never answers.
class TTinyHttpServer : public QTcpServer {
  public:
    TTinyHttpServer(const QByteArray& status, const QByteArray& body, bool answer = true)
        : m_status(status), m_body(body), m_answer(answer) {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Serve(socket); });
        });
    }
    QString Address(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
    }
    QByteArray requestLine;

  private:
    void Serve(QTcpSocket* socket) {
        m_request += socket->readAll();
        if (!m_request.contains("\r\n\r\n") || !m_answer)
            return;
        requestLine = m_request.left(m_request.indexOf("\r\n"));
        socket->write("HTTP/1.1 " + m_status + "\r\nContent-Type: text/plain\r\nContent-Length: " +
                      QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n" + m_body);
        socket->disconnectFromHost();
    }
    QByteArray m_status;
    QByteArray m_body;
    bool m_answer;
    QByteArray m_request;
};

QByteArray FileBytes() {
    QFile file(TConfiger::FileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteFile(const QByteArray& bytes) {
    QFile file(TConfiger::FileName());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TstConfiger : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_home;

  private slots:
    void init() {
        m_home = std::make_unique<QTemporaryDir>();
        qputenv("ORBEL_HOME", m_home->path().toLocal8Bit());
    }

    void scrambleKnownValues_data() {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("scrambled");
        QTest::newRow("empty") << QString() << QString();
        // Byte 1 uses key character 2, byte 10 character 1, then it repeats.
        QTest::newRow("eleven ascii bytes") << "abcdefghijk"
                                            << "fcglbfamail";
        QTest::newRow("gbk pairs") << "密码"
                                   << "妮沏";
    }
    void scrambleKnownValues() {
        QFETCH(QString, plain);
        QFETCH(QString, scrambled);
        QCOMPARE(TConfiger::Scramble(plain), scrambled);
        QCOMPARE(TConfiger::Scramble(scrambled), plain);
    }

    void scrambleTwiceGivesInput_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("ascii") << "Provider=SQLite;Data Source=/home/a b/orbel.db;";
        QTest::newRow("gbk") << "朔禾房地产中介管理系统 口令123";
        // These scramble to bytes that are no GBK character (0xFF as trail byte).
        QTest::newRow("scrambles to invalid gbk 1") << "a他";
        QTest::newRow("scrambles to invalid gbk 2") << "aaaaaa国而";
        QTest::newRow("quotes and blanks") << " \"x;y=z\" ";
    }
    void scrambleTwiceGivesInput() {
        QFETCH(QString, text);
        QCOMPARE(TConfiger::Scramble(TConfiger::Scramble(text)), text);
        const QByteArray bytes = TGbkText::Encode(text);
        QCOMPARE(TGbkText::Encode(TConfiger::Scramble(text)), TConfiger::ScrambleBytes(bytes));
    }

    void defaultsWithoutCfgIni() {
        TScriptedMessenger messenger;
        TConfiger c;
        QCOMPARE(c.providerIdx, 0);
        QVERIFY(c.defaultCon);
        QCOMPARE(c.mssqlPort, 5432);
        QVERIFY(c.mssqlServer.isEmpty() && c.mssqlDb.isEmpty() && c.mssqlUser.isEmpty());
        QVERIFY(c.mssqlPw.isEmpty() && c.jetfile.isEmpty() && c.jetPw.isEmpty());
        QVERIFY(c.dipUrl.isEmpty() && c.dipUser.isEmpty() && !c.smartConnect);
        QCOMPARE(c.ConnectionString(), QString());
        QCOMPARE(TConfiger::LastLoginId(), QString());
        QVERIFY(!TConfiger::Upgraded());
        QCOMPARE(TConfiger::PublishSuffix(), QString());
        QVERIFY(!QFile::exists(TConfiger::FileName())); // reading creates nothing
        QVERIFY(messenger.shown.isEmpty());
    }

    void saveAndReadBack() {
        {
            TConfiger c;
            c.providerIdx = 0;
            c.mssqlServer = QStringLiteral("db.example");
            c.mssqlPort = 5433;
            c.mssqlDb = QStringLiteral("房产");
            c.mssqlUser = QStringLiteral("agent");
            c.mssqlPw = QStringLiteral("a他;\"x\" ");
            c.jetfile = QStringLiteral("/data/中介.db");
            c.jetUser = QStringLiteral("admin");
            c.jetPw = QStringLiteral("secret");
            c.dipUrl = QStringLiteral("http://dip.example/info");
            c.dipUser = QStringLiteral("店一");
            c.defaultCon = false;
            c.SaveConfig();
        }
        TConfiger c;
        QCOMPARE(c.providerIdx, 0);
        QCOMPARE(c.mssqlServer, QStringLiteral("db.example"));
        QCOMPARE(c.mssqlPort, 5433);
        QCOMPARE(c.mssqlDb, QStringLiteral("房产"));
        QCOMPARE(c.mssqlUser, QStringLiteral("agent"));
        QCOMPARE(c.mssqlPw, QStringLiteral("a他;\"x\" "));
        QCOMPARE(c.jetfile, QStringLiteral("/data/中介.db"));
        QCOMPARE(c.jetUser, QStringLiteral("admin"));
        QCOMPARE(c.jetPw, QStringLiteral("secret"));
        QCOMPARE(c.dipUrl, QStringLiteral("http://dip.example/info"));
        QCOMPARE(c.dipUser, QStringLiteral("店一"));
        QVERIFY(!c.defaultCon);

        // The file is GBK text; secrets are stored scrambled, booleans as 1/0.
        const QByteArray file = FileBytes();
        QVERIFY(file.contains("mssqlDb=" + TGbkText::Encode(QStringLiteral("房产")) + "\r\n"));
        QVERIFY(file.contains("defaultCon=0\r\n"));
        QVERIFY(file.contains("jetfile=" + TConfiger::ScrambleBytes(TGbkText::Encode(c.jetfile))));
        QVERIFY(!file.contains("secret"));

        // The stored connection string reaches the server, with the password
        // intact although it holds a ';' and quotes.
        const QString conn = c.ConnectionString();
        QVERIFY(conn.startsWith(
            QStringLiteral("Provider=PostgreSQL;Persist Security Info=False;User ID=agent;")));
        const auto pairs = ParseConnectionString(conn);
        QCOMPARE(pairs.value("data source"), QStringLiteral("db.example,5433"));
        QCOMPARE(pairs.value("initial catalog"), QStringLiteral("房产"));
        QCOMPARE(pairs.value("password"), QStringLiteral("a他;\"x\" "));
        QCOMPARE(pairs.value("user id"), QStringLiteral("agent"));
    }

    void smartConnectLeavesThePortOut() {
        TConfiger c;
        c.mssqlServer = QStringLiteral("srv");
        c.mssqlPort = 1433;
        c.smartConnect = true;
        c.SaveConfig();
        QCOMPARE(ParseConnectionString(c.ConnectionString()).value("data source"),
                 QStringLiteral("srv"));
        c.smartConnect = false;
        c.SaveConfig();
        QCOMPARE(ParseConnectionString(c.ConnectionString()).value("data source"),
                 QStringLiteral("srv,1433"));
        QCOMPARE(TConfiger::RegisterServerAlias("srv", "1433", false), QStringLiteral("srv,1433"));
        QCOMPARE(TConfiger::RegisterServerAlias("srv", "", false), QStringLiteral("srv"));
    }

    void otherSectionsSurviveWrites() {
        WriteFile("; kept comment\n[publish]\nb=X\n[db]\nmssqlServer=old\nunknown=1\n");
        TConfiger::SetLastLoginId(QStringLiteral("张三"));
        TConfiger::SetUpgraded(true);
        TConfiger c;
        c.mssqlServer = QStringLiteral("new");
        c.SaveConfig();
        QCOMPARE(TConfiger::LastLoginId(), QStringLiteral("张三"));
        QVERIFY(TConfiger::Upgraded());
        QCOMPARE(TConfiger::PublishSuffix(), QStringLiteral("X"));
        QCOMPARE(TConfiger().mssqlServer, QStringLiteral("new"));
        const QByteArray file = FileBytes();
        QVERIFY(file.startsWith("; kept comment\r\n"));
        QVERIFY(file.contains("unknown=1"));
        QVERIFY(file.contains("LastLoginId=" + TGbkText::Encode(QStringLiteral("张三"))));
        QCOMPARE(file.count("mssqlServer="), 1);
        TConfiger::SetUpgraded(false);
        QVERIFY(!TConfiger::Upgraded());
    }

    void damagedFileGivesDefaults_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("binary junk") << QByteArray("\x00\xff\xfe[db\x01=\x02\n\x80\x81", 11);
        QTest::newRow("not integers") << QByteArray(
            "[db]\nproviderIdx=abc\nmssqlPort=54x\ndefaultCon=yes\n[upgrade]\nupgraded=true\n");
        QTest::newRow("no provider of that index") << QByteArray("[db]\nproviderIdx=7\n");
        QTest::newRow("keys outside the section") << QByteArray(
            "providerIdx=2\nmssqlPort=1\n[other]\ndefaultCon=0\n[db\nproviderIdx=1\n");
    }
    void damagedFileGivesDefaults() {
        QFETCH(QByteArray, content);
        WriteFile(content);
        TConfiger c;
        QCOMPARE(c.providerIdx, 0);
        QCOMPARE(c.mssqlPort, 5432);
        QVERIFY(c.defaultCon);
        QVERIFY(!TConfiger::Upgraded());
    }

    void readsWhatEditorsLeave() {
        // Blanks around keys and values, LF endings, other cases, a byte-order mark.
        WriteFile("\xEF\xBB\xBF[DB]\n defaultcon = 0 \nProviderIdx=\t2\n[upgrade]\nupgraded=-1\n");
        QVERIFY(!TConfiger().defaultCon);
        QCOMPARE(TConfiger().providerIdx, 2);
        QVERIFY(TConfiger::Upgraded());
    }

    void defaultFileIgnoresStoredString() {
        TConfiger c;
        c.providerIdx = 1;
        c.defaultCon = false;
        c.jetfile = QStringLiteral("/srv/中介.db");
        c.jetPw = QStringLiteral("pw");
        c.SaveConfig();
        QCOMPARE(c.ConnectionString(),
                 QStringLiteral("Provider=SQLite;Mode = ReadWrite;Data Source=/srv/中介.db;Persist "
                                "Security Info=True"));
        c.defaultCon = true;
        c.SaveConfig(); // still stores the explicit file's string
        const QString expected =
            QStringLiteral("Provider=SQLite;Data Source=%1;Persist Security Info=True")
                .arg(m_home->filePath(QStringLiteral("orbel.db")));
        QCOMPARE(c.ConnectionString(), expected);
        QCOMPARE(TConfiger().ConnectionString(), expected);
    }

    void serviceProviderStoresEmptyString() {
        TConfiger c;
        c.mssqlServer = QStringLiteral("srv");
        c.SaveConfig();
        QVERIFY(TConfiger::Scramble(TIniFile(TConfiger::FileName()).ReadString("db", "ConnStr"))
                    .startsWith(QStringLiteral("Provider=PostgreSQL;")));
        c.providerIdx = 2;
        c.SaveConfig();
        QVERIFY(FileBytes().contains("ConnStr=\r\n"));
        QVERIFY(FileBytes().contains("providerIdx=2\r\n"));
    }

    void connectionInfoService_data() {
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("expected");
        QTest::newRow("five lines")
            << QByteArray("200 OK") << QByteArray("10.0.0.5\r\n5433\r\nagent\r\np;w\r\n房产\r\n")
            << QStringLiteral("Provider=PostgreSQL;Data Source=10.0.0.5,5433;User ID=agent;"
                              "Password=\"p;w\";Initial Catalog=%1;Persist Security Info=True")
                   .arg(QString::fromUtf8("房产"));
        QTest::newRow("five lines LF, no port")
            << QByteArray("200 OK") << QByteArray("srv\n\nu\np\nd")
            << QStringLiteral("Provider=PostgreSQL;Data Source=srv;User ID=u;Password=p;"
                              "Initial Catalog=d;Persist Security Info=True");
        QTest::newRow("four lines")
            << QByteArray("200 OK") << QByteArray("a\nb\nc\nd\n") << QString();
        QTest::newRow("six lines")
            << QByteArray("200 OK") << QByteArray("a\nb\nc\nd\ne\nf\n") << QString();
        QTest::newRow("empty body") << QByteArray("200 OK") << QByteArray() << QString();
    }
    void connectionInfoService() {
        QFETCH(QByteArray, status);
        QFETCH(QByteArray, body);
        QFETCH(QString, expected);
        // The body is GBK text.
        body = TGbkText::Encode(QString::fromUtf8(body));
        TTinyHttpServer server(status, body);
        TScriptedMessenger messenger;
        TConfiger c;
        c.providerIdx = 2;
        c.dipUrl = server.Address(QStringLiteral("/dip"));
        c.dipUser = QStringLiteral("shop7");
        QCOMPARE(c.ConnectionString(), expected);
        QCOMPARE(server.requestLine, QByteArray("GET /dip?user=shop7 HTTP/1.1"));
        QVERIFY(messenger.shown.isEmpty());
    }

    void connectionInfoServiceFailures_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("http error status") << 0;
        QTest::newRow("closed port") << 1;
        QTest::newRow("no answer in time") << 2;
        QTest::newRow("no address") << 3;
    }
    void connectionInfoServiceFailures() {
        QFETCH(int, kind);
        TScriptedMessenger messenger;
        TConfiger c;
        c.SetDipTimeout(500);
        std::unique_ptr<TTinyHttpServer> server;
        if (kind == 0 || kind == 2) {
            server = std::make_unique<TTinyHttpServer>("500 Internal Server Error",
                                                       "a\nb\nc\nd\ne\n", kind == 0);
            c.dipUrl = server->Address(QStringLiteral("/dip"));
        } else if (kind == 1) {
            QTcpServer closed;
            closed.listen(QHostAddress::LocalHost);
            c.dipUrl = QStringLiteral("http://127.0.0.1:%1/dip").arg(closed.serverPort());
        }
        c.dipUser = QStringLiteral("shop7");
        QCOMPARE(c.FetchDipConnection(), QString());
        QCOMPARE(messenger.shown.size(), 1);
        QCOMPARE(messenger.Last().trimmed(),
                 QStringLiteral("无法获得DIP连接信息,请检查网络是否畅通."));
    }
};

QTEST_GUILESS_MAIN(TstConfiger)
#include "tst_configer.moc"
