#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "data/ConfigEditor.h"
#include "data/Configer.h"
#include "data/Database.h"
#include "data/DatabaseConnector.h"
#include "data/RecordSet.h"
#include "records/DeliveredDatabase.h"
#include "records/Schema.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// Plays the operator in front of the configuration dialog: each showing runs the
// next scripted edit; with none left the operator cancels.
class TScriptedEditor : public TConfigEditor {
  public:
    TConfiger& Configer() override { return configer; }
    bool Execute() override {
        ++shown;
        if (edits.isEmpty())
            return false;
        edits.takeFirst()(configer);
        configer.SaveConfig();
        return true;
    }

    TConfiger configer;
    QList<std::function<void(TConfiger&)>> edits;
    int shown = 0;
};

void WriteCfg(const QByteArray& bytes) {
    QFile file(TConfiger::FileName());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class TstDbConnector : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_home;

  private slots:
    void init() {
        DbConnection().Close();
        m_home = std::make_unique<QTemporaryDir>();
        qputenv("ORBEL_HOME", m_home->path().toLocal8Bit());
    }

    void missingDefaultFileIsCreatedWithDeliveredData() {
        WriteCfg("[db]\nprovideridx=1\ndefaultCon=1\n");
        TScriptedMessenger messenger;
        TScriptedEditor editor;
        QVERIFY(TDatabaseConnector(DbConnection()).Connect(editor));
        QCOMPARE(editor.shown, 0);
        QVERIFY(messenger.shown.isEmpty());
        QVERIFY(QFile::exists(m_home->filePath(QStringLiteral("orbel.db"))));
        QVERIFY(TSchema::Exists(DbConnection()));
        QCOMPARE(TDeliveredDatabase::CurrentStep(DbConnection()), TDeliveredDatabase::LatestStep());

        // The next start opens the same file as it is.
        DbConnection().Execute(QStringLiteral("delete from keyvalue"));
        DbConnection().Close();
        QVERIFY(TDatabaseConnector(DbConnection()).Connect(editor));
        QVERIFY(TSchema::Exists(DbConnection()));
        ScratchSet().Open(QStringLiteral("select count(*) from keyvalue"));
        QCOMPARE(ScratchSet().DataSet()->Field(0)->AsInteger(), 0);
        ScratchSet().Close();
    }

    void emptyDatabaseIsFilled() {
        // An existing database without tables: an empty file or server database.
        QString conn;
        if (CurrentEngine().server) {
            conn = NewDatabaseString();
        } else {
            const QString file = m_home->filePath(QStringLiteral("empty.db"));
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.close();
            conn = QStringLiteral("Provider=SQLite;Data Source=%1;Persist Security Info=True")
                       .arg(file);
        }
        TScriptedMessenger messenger;
        QVERIFY(TDatabaseConnector(DbConnection()).TryConnect(conn));
        QVERIFY(TSchema::Exists(DbConnection()));
        QCOMPARE(TDeliveredDatabase::CurrentStep(DbConnection()), TDeliveredDatabase::LatestStep());
        QVERIFY(messenger.shown.isEmpty());
    }

    void cancelEndsTheLoop() {
        TScriptedMessenger messenger; // no cfg.ini: an empty connection string
        TScriptedEditor editor;
        QVERIFY(!TDatabaseConnector(DbConnection()).Connect(editor));
        QCOMPARE(editor.shown, 1);
        QVERIFY(!DbConnection().Connected());
        QCOMPARE(messenger.shown.size(), 1);
        QVERIFY(messenger.Last().contains(QStringLiteral("连接时失败,提示如下:")));
    }

    void okRetriesUntilConnected() {
        TScriptedMessenger messenger;
        TScriptedEditor editor;
        const QString explicitFile = m_home->filePath(QStringLiteral("typo.db"));
        editor.edits << [&](TConfiger& c) {
            c.providerIdx = 1;
            c.defaultCon = false;
            c.jetfile = explicitFile;
        };
        editor.edits << [](TConfiger& c) { c.defaultCon = true; };
        QVERIFY(TDatabaseConnector(DbConnection()).Connect(editor));
        QCOMPARE(editor.shown, 2);
        QCOMPARE(messenger.shown.size(), 2); // the empty string, then the missing file
        QVERIFY(messenger.shown[1].contains(explicitFile));
        // A file the operator named is never made up; only the default file is.
        QVERIFY(!QFile::exists(explicitFile));
        QCOMPARE(DbConnection().DataSource(), m_home->filePath(QStringLiteral("orbel.db")));
        QVERIFY(TSchema::Exists(DbConnection()));
    }
};

ORBEL_DB_TEST_MAIN(TstDbConnector)
#include "tst_dbconnector.moc"
