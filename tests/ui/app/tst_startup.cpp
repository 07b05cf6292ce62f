#include "ScriptedMessenger.h"

#include "app/AppInfo.h"
#include "app/SplashFrm.h"
#include "app/Startup.h"
#include "app/mainFrm.h"
#include "data/Company.h"
#include "data/ConfigEditor.h"
#include "data/Configer.h"
#include "data/Database.h"
#include "operators/Operator.h"
#include "records/Schema.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

TmainFrm* VisibleMain() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* main = qobject_cast<TmainFrm*>(w); main && main->isVisible())
            return main;
    }
    return nullptr;
}

TSplashFrm* VisibleSplash() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* splash = qobject_cast<TSplashFrm*>(w); splash && splash->isVisible())
            return splash;
    }
    return nullptr;
}

// Gives up at once and remembers what the splash said meanwhile.
class TCancellingEditor : public TConfigEditor {
  public:
    TConfiger& Configer() override { return configer; }
    bool Execute() override {
        ++shown;
        if (TSplashFrm* splash = VisibleSplash())
            splashText = splash->Text();
        return false;
    }
    TConfiger configer;
    int shown = 0;
    QString splashText;
};

void WriteCfg(const QByteArray& bytes) {
    QFile file(TConfiger::FileName());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void Screenshot(QWidget& w, const QString& name) {
    const QString dir = qEnvironmentVariable("ORBEL_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        w.grab().save(QDir(dir).filePath(name));
}

} // namespace

class TstStartup : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_home;
    std::shared_ptr<TCancellingEditor> m_editor;

    TStartup::TEditorFactory Cancelling() {
        m_editor = std::make_shared<TCancellingEditor>();
        return [this] {
            struct TView : TConfigEditor {
                std::shared_ptr<TCancellingEditor> inner;
                TConfiger& Configer() override { return inner->Configer(); }
                bool Execute() override { return inner->Execute(); }
            };
            auto view = std::make_unique<TView>();
            view->inner = m_editor;
            return view;
        };
    }

  private slots:
    void init() {
        DbConnection().Close();
        m_home = std::make_unique<QTemporaryDir>();
        qputenv("ORBEL_HOME", m_home->path().toLocal8Bit());
        qputenv("ORBEL_EXIT_AFTER_CONNECT", "1");
    }

    void firstStartCreatesTheDefaultDatabase() {
        WriteCfg("[db]\nproviderIdx=1\ndefaultCon=1\n[publish]\nb=X\n");
        TScriptedMessenger messenger;
        TStartup startup(Cancelling());
        QCOMPARE(startup.Run(), 0);
        QCOMPARE(m_editor->shown, 0);
        QVERIFY(messenger.shown.isEmpty());
        QCOMPARE(QApplication::applicationDisplayName(), QStringLiteral("朔禾房地产中介管理系统"));
        // Standard dialogs speak Chinese; text is set in the CJK font.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
        QCOMPARE(QApplication::font().family(), QStringLiteral("Noto Sans CJK SC"));
        QCOMPARE(QApplication::font().pointSize(), 9);
        QCOMPARE(TAppInfo::BuildLabel(), QStringLiteral("(Build120709X)"));
        QVERIFY(TConfiger::Upgraded());
        QVERIFY(!VisibleSplash());
        QVERIFY(!DbConnection().Connected());
        QVERIFY(!CurrentCompany().CompanyName.isEmpty()); // the delivered agency
        QVERIFY(DbConnection().Connect(TConfiger().ConnectionString()));
        QVERIFY(TSchema::Exists(DbConnection()));
        DbConnection().Close();
    }

    void cancelledDialogEndsTheStart() {
        TScriptedMessenger messenger; // no cfg.ini: the first attempt fails
        TStartup startup(Cancelling());
        QCOMPARE(startup.Run(), 0);
        QCOMPARE(m_editor->shown, 1);
        QCOMPARE(m_editor->splashText, QStringLiteral("正在连接数据库,请稍候..."));
        QCOMPARE(messenger.shown.size(), 1);
        QVERIFY(messenger.Last().contains(QStringLiteral("连接时失败")));
        QCOMPARE(TAppInfo::BuildLabel(), QStringLiteral("Build120709"));
        QVERIFY(!DbConnection().Connected());
        QVERIFY(!VisibleSplash());
        QVERIFY(!TConfiger::Upgraded());
        QVERIFY(!QFile::exists(TConfiger::FileName()));
        QVERIFY(!QFile::exists(TConfiger::DefaultDatabaseFile()));
    }

    void theConfigurationDialogIsOfferedAndCancelled() {
        TScriptedMessenger messenger;
        int dialogs = 0;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal->objectName() != QLatin1String("DBConfigFrm"))
                return;
            ++dialogs;
            QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("btnCancel1")),
                              Qt::LeftButton);
        });
        watch.start(20);
        QCOMPARE(TStartup().Run(), 0);
        QCOMPARE(dialogs, 1);
        QVERIFY(!DbConnection().Connected());
    }

    // Login cancelled: the splash is gone before the login, the main window is
    // never shown, and its close handling (backup, disconnect) still runs.
    void cancelledLoginEndsTheStart() {
        qunsetenv("ORBEL_EXIT_AFTER_CONNECT");
        WriteCfg("[db]\nproviderIdx=1\ndefaultCon=1\n");
        TScriptedMessenger messenger;
        int backups = 0;
        TCustomMainFrm::AutoBackup = [&] { ++backups; };
        bool splashDuringLogin = false;
        bool mainShown = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            mainShown = mainShown || VisibleMain();
            auto* login = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (login && login->objectName() == QLatin1String("LoginFrm")) {
                splashDuringLogin = VisibleSplash() != nullptr;
                login->reject();
            }
        });
        watch.start(20);
        QCOMPARE(TStartup(Cancelling()).Run(), 0);
        TCustomMainFrm::AutoBackup = {};
        QCOMPARE(backups, 1);
        QVERIFY(!splashDuringLogin);
        QVERIFY(!mainShown);
        QVERIFY(TConfiger::Upgraded());
        QVERIFY(!DbConnection().Connected());
    }

    // sa with an empty password reaches the maximised main window on the house
    // list; a company name of 7 bytes opens the company dialog first, then any
    // due reminders are shown.
    void loginReachesTheMainWindow() {
        WriteCfg("[db]\nproviderIdx=1\ndefaultCon=1\n");
        {
            TScriptedMessenger messenger;
            QCOMPARE(TStartup(Cancelling()).Run(), 0); // creates the database
        }
        QVERIFY(DbConnection().Connect(TConfiger().ConnectionString()));
        DbConnection().Execute(QStringLiteral("update Company set CompanyName='三个字A'"));
        DbConnection().Close();
        qunsetenv("ORBEL_EXIT_AFTER_CONNECT");
        TScriptedMessenger messenger;
        QStringList seen;
        int houses = -1;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal && modal->objectName() == QLatin1String("LoginFrm")) {
                seen << modal->objectName();
                QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
            } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
                seen << modal->objectName(); // the company dialog, the due reminders
                dialog->reject();
            } else if (TmainFrm* main = VisibleMain(); main && !modal) {
                seen << QStringLiteral("main");
                QVERIFY(main->isMaximized());
                houses = main->Houses().DataSet()->RecordCount();
                main->close();
            }
        });
        watch.start(20);
        QCOMPARE(TStartup(Cancelling()).Run(), 0);
        QCOMPARE(seen.mid(0, 2), (QStringList{"LoginFrm", "CompanyInfoFrm"}));
        QCOMPARE(seen.last(), QStringLiteral("main"));
        QVERIFY(houses > 0);
        QCOMPARE(CurrentOperator().LoginId, QStringLiteral("sa"));
        QVERIFY(LoginTime().isValid());
        QVERIFY(!DbConnection().Connected());
    }

    void aFailureAfterConnectingEndsTheStart() {
        // A database in use by something else: it has tables, but not ours.
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("foreign"));
            db.setDatabaseName(TConfiger::DefaultDatabaseFile());
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(QStringLiteral("create table other(x integer)")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("foreign"));
        WriteCfg("[db]\nproviderIdx=1\ndefaultCon=1\n");
        TScriptedMessenger messenger;
        QCOMPARE(TStartup(Cancelling()).Run(), 1);
        QCOMPARE(messenger.shown.size(), 1);
        QVERIFY(messenger.Last().contains(QStringLiteral("company"), Qt::CaseInsensitive));
        QVERIFY(!VisibleSplash());
        QVERIFY(!DbConnection().Connected());
        QVERIFY(!TConfiger::Upgraded());
    }

    void splashMessages() {
        QImage picture(386, 65, QImage::Format_RGB32);
        QPainter(&picture).fillRect(picture.rect(), QColor(200, 120, 40));
        QVERIFY(picture.save(QDir(m_home->path()).filePath(QStringLiteral("splash.jpg"))));
        TSplashFrm splash;
        splash.show();
        QCOMPARE(splash.size(), QSize(386, 271));
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(splash.Text(), QStringLiteral("正在创建数据连接..."));
        splash.ShowMessage(QStringLiteral("正在连接数据库,请稍候..."));
        QCOMPARE(splash.Text(), QStringLiteral("正在连接数据库,请稍候..."));
        splash.ShowMessage(QString());
        QCOMPARE(splash.Text(), QStringLiteral("正在连接数据库,请稍候...."));
        const QImage shot = splash.grab().toImage();
        QCOMPARE(QColor(shot.pixel(100, 30)).red() > 150, true); // the picture band
        Screenshot(splash, QStringLiteral("splash-picture.png"));
    }
};

QTEST_MAIN(TstStartup)
#include "tst_startup.moc"
