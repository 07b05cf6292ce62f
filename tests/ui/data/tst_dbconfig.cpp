#include "ScriptedMessenger.h"

#include "app/Startup.h"
#include "data/Configer.h"
#include "data/ConnectionString.h"
#include "data/DBConfigFrm.h"
#include "data/IniFile.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

template <class T> T* Child(QWidget& parent, const char* name) {
    T* child = parent.findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

QLineEdit* Edit(QWidget& w, const char* name) {
    return Child<QLineEdit>(w, name);
}

void Screenshot(QWidget& w, const QString& name) {
    const QString dir = qEnvironmentVariable("ORBEL_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        w.grab().save(QDir(dir).filePath(name));
}

} // namespace

class TstDbConfig : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_home;

  private slots:
    // The program's language and font, as at start.
    void initTestCase() { TStartup::InitApplication(); }

    void init() {
        m_home = std::make_unique<QTemporaryDir>();
        qputenv("ORBEL_HOME", m_home->path().toLocal8Bit());
    }

    void opensWithTheSavedSettings() {
        {
            TConfiger c;
            c.providerIdx = 2;
            c.mssqlServer = QStringLiteral("db.example");
            c.mssqlPort = 5433;
            c.mssqlPw = QStringLiteral("口令");
            c.jetfile = QStringLiteral("/data/a.db");
            c.defaultCon = true;
            c.dipUrl = QStringLiteral("http://dip/");
            c.dipUser = QStringLiteral("店一");
            c.smartConnect = true; // never stored
            c.SaveConfig();
        }
        TDBConfigFrm dlg;
        dlg.show();
        QCOMPARE(dlg.size(), QSize(516, 368));
        QCOMPARE(Child<QComboBox>(dlg, "cbProvider1")->currentIndex(), 2);
        QCOMPARE(Child<QComboBox>(dlg, "cbProvider1")->itemText(0),
                 QStringLiteral("PostgreSQL 数据库服务器"));
        QCOMPARE(Child<QStackedWidget>(dlg, "pages1")->currentIndex(), 2);
        QVERIFY(Edit(dlg, "edtDipUrl1")->isVisible());
        QCOMPARE(Edit(dlg, "edtDipUser1")->text(), QStringLiteral("店一"));
        Screenshot(dlg, QStringLiteral("dbconfig-service.png"));
        QCOMPARE(Edit(dlg, "edtServer1")->text(), QStringLiteral("db.example"));
        QCOMPARE(Edit(dlg, "edtPort1")->text(), QStringLiteral("5433"));
        QCOMPARE(Edit(dlg, "edtPw1")->text(), QStringLiteral("口令"));
        QCOMPARE(Edit(dlg, "edtPw1")->echoMode(), QLineEdit::Password);
        QCOMPARE(Edit(dlg, "edtJetPw1")->echoMode(), QLineEdit::Password);
        QVERIFY(!Child<QCheckBox>(dlg, "chkSmart1")->isChecked());
        QVERIFY(Child<QCheckBox>(dlg, "chkDefault1")->isChecked());
        QVERIFY(!Edit(dlg, "edtFile1")->isEnabled()); // the default connection applies at once

        Child<QComboBox>(dlg, "cbProvider1")->setCurrentIndex(0);
        QVERIFY(Edit(dlg, "edtServer1")->isVisible());
        Screenshot(dlg, QStringLiteral("dbconfig-server.png"));
        Child<QComboBox>(dlg, "cbProvider1")->setCurrentIndex(1);
        QVERIFY(Edit(dlg, "edtFile1")->isVisible());
        QVERIFY(!Edit(dlg, "edtServer1")->isVisible());
        Screenshot(dlg, QStringLiteral("dbconfig-file.png"));
    }

    void defaultConnectionDisablesTheFileBoxes() {
        TDBConfigFrm dlg;
        auto* useDefault = Child<QCheckBox>(dlg, "chkDefault1");
        for (bool on : {false, true, false}) {
            useDefault->setChecked(on);
            const QColor expected =
                on ? dlg.palette().color(QPalette::Button) : dlg.palette().color(QPalette::Base);
            for (const char* name : {"edtFile1", "edtJetUser1", "edtJetPw1"}) {
                QCOMPARE(Edit(dlg, name)->isEnabled(), !on);
                QCOMPARE(Edit(dlg, name)->palette().color(QPalette::Base), expected);
            }
            QCOMPARE(Child<QPushButton>(dlg, "btnFile1")->isEnabled(), !on);
        }
    }

    void okSavesTheBoxes() {
        TScriptedMessenger messenger;
        TDBConfigFrm dlg;
        dlg.show();
        Child<QComboBox>(dlg, "cbProvider1")->setCurrentIndex(0);
        Edit(dlg, "edtServer1")->setText(QStringLiteral("srv"));
        Edit(dlg, "edtPort1")->setText(QStringLiteral(" 6543 "));
        Edit(dlg, "edtDb1")->setText(QStringLiteral("房产"));
        Edit(dlg, "edtUser1")->setText(QStringLiteral("agent"));
        Edit(dlg, "edtPw1")->setText(QStringLiteral("p;w"));
        Child<QCheckBox>(dlg, "chkDefault1")->setChecked(false);
        Edit(dlg, "edtFile1")->setText(QStringLiteral("/data/中介.db"));
        Edit(dlg, "edtJetUser1")->setText(QStringLiteral("admin"));
        Edit(dlg, "edtJetPw1")->setText(QStringLiteral("jp"));
        Edit(dlg, "edtDipUrl1")->setText(QStringLiteral("http://dip/"));
        Edit(dlg, "edtDipUser1")->setText(QStringLiteral("u7"));
        QTest::mouseClick(Child<QPushButton>(dlg, "btnOk1"), Qt::LeftButton);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(messenger.shown.isEmpty());

        TConfiger c;
        QCOMPARE(c.providerIdx, 0);
        QCOMPARE(c.mssqlServer, QStringLiteral("srv"));
        QCOMPARE(c.mssqlPort, 6543);
        QCOMPARE(c.mssqlDb, QStringLiteral("房产"));
        QCOMPARE(c.mssqlUser, QStringLiteral("agent"));
        QCOMPARE(c.mssqlPw, QStringLiteral("p;w"));
        QVERIFY(!c.defaultCon);
        QCOMPARE(c.jetfile, QStringLiteral("/data/中介.db"));
        QCOMPARE(c.jetUser, QStringLiteral("admin"));
        QCOMPARE(c.jetPw, QStringLiteral("jp"));
        QCOMPARE(c.dipUrl, QStringLiteral("http://dip/"));
        QCOMPARE(c.dipUser, QStringLiteral("u7"));
        const auto pairs = ParseConnectionString(c.ConnectionString());
        QCOMPARE(pairs.value("data source"), QStringLiteral("srv,6543"));
        QCOMPARE(pairs.value("password"), QStringLiteral("p;w"));
        // The dialog's own settings are the saved ones: the next attempt uses them.
        QCOMPARE(dlg.Configer().ConnectionString(), c.ConnectionString());

        // Switching to the service and OK again empties the stored string.
        dlg.show();
        Child<QComboBox>(dlg, "cbProvider1")->setCurrentIndex(2);
        Child<QCheckBox>(dlg, "chkSmart1")->setChecked(true);
        QTest::mouseClick(Child<QPushButton>(dlg, "btnOk1"), Qt::LeftButton);
        QCOMPARE(TConfiger().providerIdx, 2);
        QCOMPARE(TIniFile(TConfiger::FileName()).ReadString("db", "ConnStr"), QString());
    }

    void badPortIsRefused_data() {
        QTest::addColumn<QString>("port");
        QTest::newRow("empty") << QString();
        QTest::newRow("letters") << "abc";
        QTest::newRow("zero") << "0";
        QTest::newRow("too big") << "65536";
        QTest::newRow("two numbers") << "54 32";
    }
    void badPortIsRefused() {
        QFETCH(QString, port);
        TScriptedMessenger messenger;
        TDBConfigFrm dlg;
        dlg.show();
        Edit(dlg, "edtServer1")->setText(QStringLiteral("srv"));
        Edit(dlg, "edtPort1")->setText(port);
        QTest::mouseClick(Child<QPushButton>(dlg, "btnOk1"), Qt::LeftButton);
        QCOMPARE(messenger.shown.size(), 1);
        QVERIFY(messenger.Last().contains(QStringLiteral("端口")));
        QVERIFY(messenger.Last().contains(QStringLiteral("1到65535")));
        QVERIFY(dlg.isVisible());
        QVERIFY(dlg.result() != QDialog::Accepted);
        QVERIFY(!QFile::exists(TConfiger::FileName()));
        QCOMPARE(dlg.Configer().mssqlServer, QString());
    }

    void enterMovesToTheNextControl() {
        TDBConfigFrm dlg;
        dlg.show();
        QApplication::setActiveWindow(&dlg);
        Edit(dlg, "edtServer1")->setFocus();
        QTest::keyClick(Edit(dlg, "edtServer1"), Qt::Key_Return);
        QVERIFY(dlg.isVisible());
        QCOMPARE(QApplication::focusWidget(), Edit(dlg, "edtPort1"));
        QTest::keyClick(Edit(dlg, "edtPort1"), Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), Edit(dlg, "edtDb1"));
    }

    void cancelSavesNothing() {
        TDBConfigFrm dlg;
        QTimer::singleShot(0, &dlg, [&] {
            Edit(dlg, "edtServer1")->setText(QStringLiteral("changed"));
            QTest::keyClick(&dlg, Qt::Key_Escape);
        });
        QVERIFY(!dlg.Execute());
        QVERIFY(!QFile::exists(TConfiger::FileName()));
        QCOMPARE(dlg.Configer().mssqlServer, QString());

        // Shown again, the dialog keeps what was typed.
        QTimer::singleShot(0, &dlg, [&] {
            QCOMPARE(Edit(dlg, "edtServer1")->text(), QStringLiteral("changed"));
            QTest::mouseClick(Child<QPushButton>(dlg, "btnOk1"), Qt::LeftButton);
        });
        QVERIFY(dlg.Execute());
        QCOMPARE(TConfiger().mssqlServer, QStringLiteral("changed"));
    }
};

QTEST_MAIN(TstDbConfig)
#include "tst_dbconfig.moc"
