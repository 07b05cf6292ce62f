#include "../../core/operations/MgrTestSupport.h"
#include "../../core/operations/ScriptedEditors.h"
#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "operations/ClientMgr.h"
#include "operations/HouseMgr.h"
#include "screens/ClientAddDlgFrm.h"
#include "screens/HouseAddDlgFrm.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

QStringList IconCaptions(const TAddDlgFrm& dlg) {
    QStringList captions;
    for (int i = 0; i < dlg.Icons()->count(); ++i)
        captions << dlg.Icons()->item(i)->text();
    return captions;
}

void DoubleClick(QListWidget* list, int row) {
    list->doItemsLayout();
    const QPoint at = list->visualItemRect(list->item(row)).center();
    // A double click follows the press of a first click, as with a real mouse.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class TstAddDialogs : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        FreshDatabase(TTestContent::Demo);
        LogIn(QStringLiteral("sa"));
        m_houses = std::make_unique<THouseMgr>();
        m_houses->Open(QStringLiteral("select * from house where abs(IsRecycle)=0 order by Id"));
        m_clients = std::make_unique<TClientMgr>();
        m_clients->Open(QStringLiteral("select * from client where abs(IsRecycle)=0 order by Id"));
    }
    void cleanup() {
        m_houses.reset();
        m_clients.reset();
    }

    void houseDialogShowsCurrentHouse() {
        m_houses->DataSet()->Last();
        auto* dlg = new THouseAddDlgFrm(*m_houses);
        QPointer<THouseAddDlgFrm> alive(dlg);
        QCOMPARE(dlg->windowTitle(), QStringLiteral("新建"));
        QCOMPARE(dlg->CurrentLine()->text(),
                 QStringLiteral("当前房源：") + m_houses->CodeFld()->AsString());
        QCOMPARE(IconCaptions(*dlg), QStringList({"跟踪记录", "成交记录"}));
        QCOMPARE(dlg->MainButton()->text(), QStringLiteral("新房源"));
        dlg->CloseButton()->click();
        QTRY_VERIFY(alive.isNull());
    }

    void clientDialogShowsCurrentClient() {
        auto* dlg = new TClientAddDlgFrm(*m_clients);
        QPointer<TClientAddDlgFrm> alive(dlg);
        QCOMPARE(dlg->CurrentLine()->text(),
                 QStringLiteral("当前客户：") + m_clients->CodeFld()->AsString());
        QCOMPARE(IconCaptions(*dlg), QStringList({"跟踪记录"}));
        QCOMPARE(dlg->MainButton()->text(), QStringLiteral("新客户"));
        delete dlg;
    }

    void shownAtPointer() {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QPoint pointer = screen.center();
        QCursor::setPos(pointer);
        auto* dlg = new THouseAddDlgFrm(*m_houses);
        QPointer<THouseAddDlgFrm> alive(dlg);
        dlg->Popup();
        QVERIFY(dlg->isVisible());
        QVERIFY(!dlg->isModal());
        QCOMPARE(dlg->frameGeometry().topLeft(),
                 pointer - QPoint(dlg->frameGeometry().width() / 8, 0));
        delete alive.data();
    }

    // Clicking elsewhere closes and frees the dialog without running anything.
    void closesWhenItLosesTheFocus() {
        TScriptedEditorFactory editors;
        auto* dlg = new THouseAddDlgFrm(*m_houses);
        QPointer<THouseAddDlgFrm> alive(dlg);
        dlg->Popup();
        QTRY_VERIFY(dlg->isActiveWindow());
        QWidget elsewhere;
        elsewhere.show();
        elsewhere.activateWindow();
        QTRY_VERIFY(alive.isNull());
        QCoreApplication::processEvents();
        QCOMPARE(editors.visit.shown + editors.deal.shown + editors.house.shown, 0);
    }

    void iconsAndButtonRunTheirCommands() {
        TScriptedEditorFactory editors;
        struct TCase {
            int icon; // -1: the main button
            TEditorScript* script;
        };
        const QList<TCase> cases{{0, &editors.visit}, {1, &editors.deal}, {-1, &editors.house}};
        for (const TCase& c : cases) {
            auto* dlg = new THouseAddDlgFrm(*m_houses);
            QPointer<THouseAddDlgFrm> alive(dlg);
            dlg->Popup();
            if (c.icon >= 0)
                DoubleClick(dlg->Icons(), c.icon);
            else
                dlg->MainButton()->click();
            QTRY_COMPARE(c.script->shown, 1);
            QVERIFY(alive.isNull());
        }
        QCOMPARE(editors.visit.captions, QStringList({"跟进"}));

        auto* dlg = new TClientAddDlgFrm(*m_clients);
        dlg->Popup();
        DoubleClick(dlg->Icons(), 0);
        QTRY_COMPARE(editors.visit.shown, 2);
        auto* again = new TClientAddDlgFrm(*m_clients);
        again->Popup();
        again->MainButton()->click();
        QTRY_COMPARE(editors.client.shown, 1);
    }

    // An error of the command is shown after the dialog has gone.
    void commandErrorsAreShown() {
        TScriptedEditorFactory editors;
        TScriptedMessenger messenger;
        LogIn(QStringLiteral("nobody"));
        m_houses->DataSet()->First();
        auto* dlg = new THouseAddDlgFrm(*m_houses);
        dlg->Popup();
        dlg->MainButton()->click();
        QTRY_COMPARE(messenger.shown.size(), 1);
        QCOMPARE(messenger.Last(), Denied(0));
        QCOMPARE(editors.house.shown, 0);
    }

  private:
    std::unique_ptr<THouseMgr> m_houses;
    std::unique_ptr<TClientMgr> m_clients;
};

ORBEL_DB_UI_TEST_MAIN(TstAddDialogs)
#include "tst_adddialogs.moc"
