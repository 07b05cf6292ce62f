#include "ScriptedMessenger.h"

#include "app/ADlgFrm.h"
#include "app/AInfoDlgFrm.h"
#include "app/BorderHitTest.h"
#include "app/BoxMessenger.h"
#include "app/Error.h"
#include "app/FormPlacement.h"
#include "app/HelpFrm.h"
#include "app/QtTranslations.h"
#include "app/aFrm.h"
#include "toolkit/zyEdit.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

Q_DECLARE_METATYPE(TBorderHit)
Q_DECLARE_METATYPE(TMsgButtons)
Q_DECLARE_METATYPE(TMsgResult)

namespace {

// A dialog that accepts a name only when it is given and not "重复".
class TNameDlg : public TADlgFrm {
  public:
    TNameDlg() {
        setObjectName(QStringLiteral("NameDlgFrm"));
        edit = new TzyEdit(Body());
        edit->setGeometry(20, 20, 200, 22);
    }
    TzyEdit* edit;
    int queries = 0;

  protected:
    bool CloseQuery() override {
        ++queries;
        if (edit->text().isEmpty())
            return Refuse(edit, QStringLiteral("请输入名称."));
        if (edit->text() == QStringLiteral("重复"))
            throw EOrbelError(QStringLiteral("名称已存在."));
        return true;
    }
};

QRect ScreenRect() {
    return QGuiApplication::primaryScreen()->geometry();
}

void WriteFile(const QString& path, const QByteArray& content) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Answers the next message box by clicking the button with the given caption and
// records what the box showed.
struct TBoxProbe {
    QString title, text, buttons;
    Qt::TextFormat format = Qt::AutoText;

    void ClickLater(const QString& caption) {
        QTimer::singleShot(0, [this, caption] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            format = box->textFormat();
            QStringList captions;
            QAbstractButton* target = nullptr;
            for (QAbstractButton* b : box->buttons()) {
                captions << b->text();
                if (b->text() == caption)
                    target = b;
            }
            captions.sort();
            buttons = captions.join(u'|');
            QVERIFY(target);
            target->click();
        });
    }
};

} // namespace

class TstFormBases : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        QApplication::setApplicationDisplayName(QStringLiteral("朔禾房地产中介管理系统"));
        QVERIFY(m_home.isValid());
        qputenv("ORBEL_HOME", m_home.path().toLocal8Bit());
    }
    void cleanup() {
        if (THelpFrm::Current())
            delete THelpFrm::Current();
    }

    void placement_data() {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("expected");
        const QRect s(0, 0, 800, 600);
        QTest::newRow("pointer at top-left")
            << QSize(469, 270) << QPoint(0, 0) << s << QPoint(20, 20);
        QTest::newRow("centred on pointer")
            << QSize(200, 100) << QPoint(400, 300) << s << QPoint(300, 250);
        QTest::newRow("left exactly 0 stays")
            << QSize(200, 100) << QPoint(100, 300) << s << QPoint(0, 250);
        QTest::newRow("kept off the right edge")
            << QSize(200, 100) << QPoint(790, 300) << s << QPoint(580, 250);
        QTest::newRow("kept above the bottom 50")
            << QSize(200, 100) << QPoint(400, 590) << s << QPoint(300, 450);
        QTest::newRow("taller than screen-50: negative top")
            << QSize(200, 580) << QPoint(400, 300) << s << QPoint(300, -30);
        QTest::newRow("wider than screen: right rule last")
            << QSize(900, 100) << QPoint(400, 300) << s << QPoint(-120, 250);
        QTest::newRow("second screen") << QSize(469, 270) << QPoint(1930, 10)
                                       << QRect(1920, 0, 1280, 1024) << QPoint(1940, 20);
    }
    void placement() {
        QFETCH(QSize, window);
        QFETCH(QPoint, pointer);
        QFETCH(QRect, screen);
        QFETCH(QPoint, expected);
        QCOMPARE(PlaceAtPointer(window, pointer, screen), expected);
    }

    void hitTest_data() {
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<TBorderHit>("expected");
        const QSize w(200, 100);
        QTest::newRow("top-left corner") << w << QPoint(0, 0) << TBorderHit::TopLeft;
        QTest::newRow("top-left 9,9") << w << QPoint(9, 9) << TBorderHit::TopLeft;
        QTest::newRow("10 from left on top edge") << w << QPoint(10, 0) << TBorderHit::Top;
        QTest::newRow("top-right") << w << QPoint(190, 9) << TBorderHit::TopRight;
        QTest::newRow("bottom-left") << w << QPoint(0, 99) << TBorderHit::BottomLeft;
        QTest::newRow("bottom-right") << w << QPoint(199, 90) << TBorderHit::BottomRight;
        QTest::newRow("left edge") << w << QPoint(4, 50) << TBorderHit::Left;
        QTest::newRow("5 from left is inside") << w << QPoint(5, 50) << TBorderHit::Client;
        QTest::newRow("right edge") << w << QPoint(195, 50) << TBorderHit::Right;
        QTest::newRow("top edge") << w << QPoint(100, 4) << TBorderHit::Top;
        QTest::newRow("bottom edge") << w << QPoint(100, 95) << TBorderHit::Bottom;
        QTest::newRow("client") << w << QPoint(100, 50) << TBorderHit::Client;
        QTest::newRow("tiny window: top-left wins")
            << QSize(15, 15) << QPoint(7, 7) << TBorderHit::TopLeft;
    }
    void hitTest() {
        QFETCH(QSize, window);
        QFETCH(QPoint, pos);
        QFETCH(TBorderHit, expected);
        QCOMPARE(BorderHitTest(window, pos), expected);
    }

    void showingPlacesAtPointer() {
        const QRect screen = ScreenRect();
        QCursor::setPos(screen.topLeft());
        TADlgFrm dlg;
        QCOMPARE(dlg.size(), QSize(469, 270));
        dlg.show();
        QCOMPARE(dlg.frameGeometry().topLeft(), screen.topLeft() + QPoint(20, 20));

        // Shown again after moving the pointer: placed again.
        dlg.hide();
        QCursor::setPos(screen.center());
        dlg.show();
        QCOMPARE(dlg.frameGeometry().topLeft(),
                 PlaceAtPointer(dlg.frameGeometry().size(), screen.center(), screen));
        QVERIFY((dlg.frameGeometry().center() - screen.center()).manhattanLength() <= 2);
    }

    void tallDialogGetsNegativeTop() {
        const QRect screen = ScreenRect();
        QCursor::setPos(screen.center());
        TADlgFrm dlg;
        dlg.resize(469, screen.height());
        dlg.show();
        const int frameHeight = dlg.frameGeometry().height();
        QCOMPARE(dlg.frameGeometry().top(), screen.top() + screen.height() - frameHeight - 50);
        QVERIFY(dlg.frameGeometry().top() < 0);
    }

    void dialogButtons() {
        TADlgFrm dlg;
        dlg.show();
        QCOMPARE(dlg.OkButton()->text(), QStringLiteral("确定(&O)"));
        QCOMPARE(dlg.CancelButton()->text(), QStringLiteral("取消"));
        QCOMPARE(dlg.HelpButton()->text(), QStringLiteral("帮助"));
        for (QPushButton* b : {dlg.OkButton(), dlg.CancelButton(), dlg.HelpButton()}) {
            QCOMPARE(b->size(), QSize(75, 25));
            // Below the line of the bottom 48 pixels, inside the window, left to right.
            QVERIFY(b->mapTo(&dlg, QPoint(0, 0)).y() > dlg.height() - 48);
            QVERIFY(b->mapTo(&dlg, QPoint(b->width(), b->height())).y() <= dlg.height());
            QVERIFY(b->mapTo(&dlg, QPoint(b->width(), 0)).x() <= dlg.width());
        }
        QVERIFY(dlg.OkButton()->x() < dlg.CancelButton()->x());
        QVERIFY(dlg.CancelButton()->x() < dlg.HelpButton()->x());
        QCOMPARE(dlg.Body()->height(), dlg.height() - 48);

        TAInfoDlgFrm info;
        QCOMPARE(info.CloseButton()->text(), QStringLiteral("关闭"));
        QCOMPARE(info.HelpButton()->text(), QStringLiteral("帮助"));
    }

    void closeQueryKeepsDialogOpen() {
        TScriptedMessenger messages;
        TNameDlg dlg;
        dlg.show();
        QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
        QVERIFY(dlg.isVisible());
        QCOMPARE(messages.shown, QStringList{QStringLiteral("\r\n请输入名称.\t")});
        QCOMPARE(dlg.focusWidget(), dlg.edit);

        // An error raised by the check is shown and keeps the input.
        dlg.edit->setText(QStringLiteral("重复"));
        QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
        QVERIFY(dlg.isVisible());
        QCOMPARE(messages.Last(), QStringLiteral("\r\n名称已存在.\t"));
        QCOMPARE(dlg.edit->text(), QStringLiteral("重复"));

        dlg.edit->setText(QStringLiteral("张三"));
        QTest::mouseClick(dlg.OkButton(), Qt::LeftButton);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.queries, 3);
    }

    void escCancels() {
        TNameDlg dlg;
        dlg.show();
        QTest::keyClick(dlg.edit, Qt::Key_Escape);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(dlg.queries, 0); // Cancel asks nothing

        TAInfoDlgFrm info;
        info.show();
        QTest::keyClick(info.CloseButton(), Qt::Key_Escape);
        QVERIFY(!info.isVisible());
        QCOMPARE(info.result(), int(QDialog::Rejected));

        // A plain window leaves Esc alone.
        TaFrm window;
        window.show();
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(window.isVisible());
    }

    void execAndSaveShowsTheSameDialogAgain() {
        TScriptedMessenger messages;
        TNameDlg dlg;
        int attempts = 0;
        // First save fails, the second succeeds; each time the dialog is answered with OK.
        auto pressOkLater = [&dlg] {
            QTimer::singleShot(0, &dlg, [&dlg] { dlg.OkButton()->click(); });
        };
        dlg.edit->setText(QStringLiteral("李四"));
        pressOkLater();
        const bool saved = dlg.ExecAndSave([&] {
            if (++attempts == 1) {
                pressOkLater();
                throw EOrbelError(QStringLiteral("保存失败"));
            }
        });
        QVERIFY(saved);
        QCOMPARE(attempts, 2);
        QCOMPARE(messages.shown, QStringList{QStringLiteral("\r\n保存失败\t")});
        QCOMPARE(dlg.edit->text(), QStringLiteral("李四"));

        // Cancel writes nothing.
        QTimer::singleShot(0, &dlg, [&dlg] { dlg.CancelButton()->click(); });
        QVERIFY(!dlg.ExecAndSave([&] { ++attempts; }));
        QCOMPARE(attempts, 2);
    }

    void helpTopicOf_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("topic");
        QTest::newRow("login") << "LoginFrm"
                               << "Login";
        QTest::newRow("main") << "mainFrm"
                              << "main";
        QTest::newRow("frame") << "HouseCenterFra"
                               << "HouseCenter";
        QTest::newRow("short name") << "ab"
                                    << "";
    }
    void helpTopicOf() {
        QFETCH(QString, name);
        QFETCH(QString, topic);
        QCOMPARE(TaFrm::HelpTopicOf(name), topic);
    }

    void f1OpensTheWindowsHelpPage() {
        WriteFile(m_home.filePath(QStringLiteral("help/Login.htm")),
                  "<html><head><meta charset=\"utf-8\"><title>登陆</title></head>"
                  "<body><p>请输入用户名和密码</p></body></html>");
        TNameDlg dlg;
        dlg.setObjectName(QStringLiteral("LoginFrm"));
        dlg.show();
        QTest::keyClick(dlg.edit, Qt::Key_F1);
        QVERIFY(THelpFrm::Current());
        QVERIFY(THelpFrm::Current()->isVisible());
        QCOMPARE(THelpFrm::Current()->Topic(), QStringLiteral("Login"));
        QCOMPARE(QFileInfo(THelpFrm::Current()->Browser()->source().toLocalFile()).fileName(),
                 QStringLiteral("Login.htm"));
        QVERIFY(THelpFrm::Current()->Browser()->toPlainText().contains(
            QStringLiteral("请输入用户名和密码")));
        QVERIFY(dlg.edit->text().isEmpty());

        // The help button opens the same topic in the same window.
        THelpFrm* window = THelpFrm::Current();
        window->ShowTopic(QStringLiteral("other"));
        QTest::mouseClick(dlg.HelpButton(), Qt::LeftButton);
        QCOMPARE(THelpFrm::Current(), window);
        QCOMPARE(window->Topic(), QStringLiteral("Login"));
    }

    void missingHelpPage() {
        THelpFrm* window = THelpFrm::Open(QStringLiteral("NoSuchTopic"));
        const QString text = window->Browser()->toPlainText();
        QVERIFY2(text.contains(QStringLiteral("没有关于此主题的帮助")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("NoSuchTopic")));
    }

    void shippedHelpPages_data() {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("phrase");
        QTest::newRow("main") << "main"
                              << "朔禾房地产中介管理系统";
        QTest::newRow("house list") << "HouseCenter"
                                    << "房源";
        QTest::newRow("client list") << "ClientCenter"
                                     << "求购";
        QTest::newRow("login") << "Login"
                               << "用户名";
    }
    void shippedHelpPages() {
        QFETCH(QString, topic);
        QFETCH(QString, phrase);
        const QString path = QFINDTESTDATA(QStringLiteral("../../../dist/help/%1.htm").arg(topic));
        QVERIFY2(!path.isEmpty(), qPrintable(topic));
        QTextBrowser browser;
        browser.setSource(QUrl::fromLocalFile(path));
        QVERIFY(!browser.documentTitle().isEmpty());
        QVERIFY2(browser.toPlainText().contains(phrase),
                 qPrintable(browser.toPlainText().left(200)));

        // Every link to another page points to a page that is shipped.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        static const QRegularExpression link(QStringLiteral("href=\"([^\":#]+\\.htm)"));
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            QVERIFY2(QFileInfo::exists(QFileInfo(path).dir().filePath(target)), qPrintable(target));
        }
    }

    void messageBoxes_data() {
        QTest::addColumn<TMsgButtons>("buttons");
        QTest::addColumn<QString>("click");
        QTest::addColumn<QString>("captions");
        QTest::addColumn<TMsgResult>("result");
        QTest::newRow("ok") << TMsgButtons::Ok << "确定"
                            << "确定" << TMsgResult::Ok;
        QTest::newRow("ok cancel: cancel") << TMsgButtons::OkCancel << "取消"
                                           << "取消|确定" << TMsgResult::Cancel;
        QTest::newRow("yes no: no") << TMsgButtons::YesNo << "否(&N)"
                                    << "否(&N)|是(&Y)" << TMsgResult::No;
        QTest::newRow("yes no cancel: yes") << TMsgButtons::YesNoCancel << "是(&Y)"
                                            << "取消|否(&N)|是(&Y)" << TMsgResult::Yes;
    }
    void messageBoxes() {
        QFETCH(TMsgButtons, buttons);
        QFETCH(QString, click);
        QFETCH(QString, captions);
        QFETCH(TMsgResult, result);
        TBoxMessenger boxes;
        TBoxProbe probe;
        probe.ClickLater(click);
        QCOMPARE(boxes.Message(TMsgKind::Question, QStringLiteral("\r\n继续吗?\t"), buttons),
                 result);
        QCOMPARE(probe.title, QStringLiteral("朔禾房地产中介管理系统"));
        QCOMPARE(probe.text, QStringLiteral("继续吗?"));
        QCOMPARE(probe.buttons, captions);
    }

    void confirmDeleteThroughBoxes() {
        TBoxMessenger boxes;
        SetMessenger(&boxes);
        TBoxProbe probe;
        probe.ClickLater(QStringLiteral("取消"));
        QVERIFY(!ConfirmDelete(QString()));
        QCOMPARE(probe.text, QStringLiteral("您确定要删除 当前记录 吗?"));
        probe.ClickLater(QStringLiteral("确定"));
        QVERIFY(ConfirmDelete(QStringLiteral("房源 F0001")));
        QCOMPARE(probe.text, QStringLiteral("您确定要删除 房源 F0001 吗?"));

        // Text that looks like markup is shown as it is.
        probe.ClickLater(QStringLiteral("确定"));
        ShowInfo(QStringLiteral("select * from t where a<b and <b>c</b>"));
        QCOMPARE(probe.format, Qt::PlainText);
        QCOMPARE(probe.text, QStringLiteral("select * from t where a<b and <b>c</b>"));
        SetMessenger(nullptr);
    }

    void displayText_data() {
        QTest::addColumn<QString>("raw");
        QTest::addColumn<QString>("shown");
        QTest::newRow("info padding") << "\r\n已保存\t"
                                      << "已保存";
        QTest::newRow("delete padding") << "\r您确定要删除 当前记录 吗?\t\t"
                                        << "您确定要删除 当前记录 吗?";
        QTest::newRow("inner breaks kept")
            << "SQL语句错误,原文如下:\r\nselect 1\r\n\r\n错误提示:\r\nno table"
            << "SQL语句错误,原文如下:\nselect 1\n\n错误提示:\nno table";
        QTest::newRow("inner tab") << "a\tb"
                                   << "a    b";
        QTest::newRow("spaces kept") << "  x  "
                                     << "  x  ";
    }
    void displayText() {
        QFETCH(QString, raw);
        QFETCH(QString, shown);
        QCOMPARE(TBoxMessenger::DisplayText(raw), shown);
    }

    void qtTranslations() {
        QVERIFY(InstallQtTranslations());
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
    }

  private:
    QTemporaryDir m_home;
};

QTEST_MAIN(TstFormBases)
#include "tst_formbases.moc"
