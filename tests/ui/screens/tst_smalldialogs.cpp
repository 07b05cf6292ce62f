#include "TestDatabase.h"

#include "app/Error.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include "screens/AttentionEditorFrm.h"
#include "screens/ContactFrm.h"
#include "screens/DealEditorFrm.h"
#include "screens/NotesEditorFrm.h"
#include "screens/PickLists.h"
#include "screens/VisitEditorFrm.h"
#include "toolkit/zyDateTimePicker.h"
#include "toolkit/zyEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {

template <class T> T* Child(QWidget* parent, const char* name) {
    T* child = parent->findChild<T*>(QLatin1String(name));
    if (!child)
        qWarning("no child %s", name);
    return child;
}

// A value of the kind a property holds, for a round trip through its control.
QVariant Sample(TPropertyKind kind, int n) {
    switch (kind) {
    case TPropertyKind::Text:
        return QStringLiteral("文字%1").arg(n);
    case TPropertyKind::Integer:
        return 10 + n;
    case TPropertyKind::Decimal:
    case TPropertyKind::Money:
        return 1.5 + n;
    case TPropertyKind::DateTime:
        return QDateTime(QDate(2026, 3, 1 + n % 28), QTime(0, 0));
    case TPropertyKind::Date:
    case TPropertyKind::OptionalDate:
        return QDate(2026, 4, 1 + n % 28).startOfDay();
    case TPropertyKind::Boolean:
        return n % 2 == 0;
    }
    return QVariant();
}

// Every published property has a control: written values read back.
template <class TDlg> void CheckRoundTrip(TDlg& dlg, const QStringList& writeOnly = {}) {
    QCOMPARE(dlg.UnboundProperties(), QStringList());
    int n = 0;
    for (const TEditorProperty& p : dlg.Properties()) {
        const QVariant value = Sample(p.Kind, n++);
        dlg.SetProperty(p.Name, value);
        if (!writeOnly.contains(p.Name))
            QVERIFY2(dlg.Property(p.Name) == value, qPrintable(p.Name));
    }
}

} // namespace

class TstSmallDialogs : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        FreshDatabase(TTestContent::Delivered);
        DbConnection().Execute(
            QStringLiteral("insert into operator(LoginId, Name, Contact, [Note], Rights) values "
                           "('lily', '李丽', '139', '', ''), ('wang', '王五', '', '', '')"));
    }

    void everyPublishedPropertyHasAControl() {
        TVisitEditorFrm visit;
        CheckRoundTrip(visit);
        TDealEditorFrm deal;
        deal.SetProperty("DealType", QStringLiteral("置换"));
        CheckRoundTrip(deal, {"DealType"});
        TAttentionEditorFrm attention;
        CheckRoundTrip(attention);
        attention.SetProperty("Attention", true);
        QVERIFY(attention.Flag("Attention"));
        TNotesEditorFrm notes;
        CheckRoundTrip(notes);
        TContactFrm contact;
        CheckRoundTrip(contact);
        QVERIFY_THROWS_EXCEPTION(EOrbelError, visit.Property("Nothing"));
    }

    void visitEditorStartsEmptyForToday() {
        TVisitEditorFrm dlg;
        QCOMPARE(dlg.Caption(), QStringLiteral("跟进"));
        QCOMPARE(dlg.DateTime("VisDate"), QDate::currentDate().startOfDay());
        QCOMPARE(dlg.Text("Handman"), QString());
        QCOMPARE(dlg.Text("VizType"), QString());
        QCOMPARE(dlg.Text("Details"), QString());
        QCOMPARE(dlg.Integer("HintDays"), 3);
        QVERIFY(dlg.Property("HintDate").isNull());
        auto* handman = Child<QComboBox>(&dlg, "cbHandman1");
        QStringList ids;
        for (int i = 0; i < handman->count(); ++i)
            ids << handman->itemText(i);
        QVERIFY(ids.contains("lily") && ids.contains("wang"));
        QVERIFY(!ids.contains("sa"));
        TRecordSet& scratch = ScratchSet();
        scratch.Open(QStringLiteral("select count(*) from operator where LoginId<>'sa'"));
        QCOMPARE(ids.size(), scratch.DataSet()->Field(0)->AsInteger());
        auto* vizType = Child<QComboBox>(&dlg, "cbVizType1");
        QCOMPARE(vizType->count(), 3);
        QCOMPARE(vizType->itemText(2), QStringLiteral("电子邮件"));
    }

    // The reminder date counts only while its box is checked, and then as a date.
    void reminderBoxGivesDateOnlyWhenChecked() {
        TVisitEditorFrm dlg;
        dlg.show();
        auto* check = Child<QCheckBox>(&dlg, "cbHint1");
        auto* date = Child<TzyDateTimePicker>(&dlg, "dtpHintDate1");
        auto* days = Child<TzyEdit>(&dlg, "edtHintDays1");
        QVERIFY(!date->isEnabled());
        QVERIFY(!days->isEnabled());

        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(4, check->height() / 2));
        QVERIFY(check->isChecked());
        QVERIFY(date->isEnabled() && days->isEnabled());
        date->setDateTime(QDateTime(QDate(2026, 12, 20), QTime(15, 30)));
        QCOMPARE(dlg.Property("HintDate"), QVariant(QDate(2026, 12, 20).startOfDay()));

        days->clear();
        days->setFocus();
        QTest::keyClicks(days, "1x2");
        QCOMPARE(dlg.Integer("HintDays"), 12);

        dlg.SetProperty("HintDate", QVariant());
        QVERIFY(!check->isChecked());
        QVERIFY(!date->isEnabled() && !days->isEnabled());
        QVERIFY(dlg.Property("HintDate").isNull());

        dlg.SetProperty("HintDate", QDateTime(QDate(2027, 1, 5), QTime(9, 0)));
        QVERIFY(check->isChecked() && date->isEnabled());
        QCOMPARE(date->date(), QDate(2027, 1, 5));
        QCOMPARE(dlg.Property("HintDate"), QVariant(QDate(2027, 1, 5).startOfDay()));
    }

    void dealEditorDefaults() {
        TDealEditorFrm dlg;
        QCOMPARE(dlg.Caption(), QStringLiteral("成交"));
        QCOMPARE(dlg.Text("DealType"), QStringLiteral("置换"));
        QCOMPARE(dlg.DateTime("SignDate"), QDate::currentDate().startOfDay());
        QCOMPARE(dlg.Integer("HintDays"), 3);
        QVERIFY(dlg.Property("HintDate").isNull());
        dlg.SetProperty("HouseCode", QStringLiteral("FY007"));
        QVERIFY(Child<TzyEdit>(&dlg, "edtHouseCode1")->isReadOnly());
        QCOMPARE(Child<TzyEdit>(&dlg, "edtHouseCode1")->text(), QStringLiteral("FY007"));
        QCOMPARE(Child<QRadioButton>(&dlg, "rbLease1")->text(), QStringLiteral("租赁 "));
    }

    void dealTypeRule_data() {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("read");
        QTest::newRow("置换") << QStringLiteral("置换") << QStringLiteral("置换");
        QTest::newRow("租赁") << QStringLiteral("租赁") << QStringLiteral("租赁");
        QTest::newRow("any other word") << QStringLiteral("出售") << QStringLiteral("租赁");
        QTest::newRow("empty") << QString() << QStringLiteral("租赁");
        QTest::newRow("置换 with a blank") << QStringLiteral("置换 ") << QStringLiteral("租赁");
    }
    void dealTypeRule() {
        QFETCH(QString, written);
        QFETCH(QString, read);
        TDealEditorFrm dlg;
        dlg.SetProperty("DealType", QStringLiteral("租赁"));
        dlg.SetProperty("DealType", written);
        QCOMPARE(dlg.Text("DealType"), read);
    }

    void dealTypeByClicking() {
        TDealEditorFrm dlg;
        dlg.show();
        auto* lease = Child<QRadioButton>(&dlg, "rbLease1");
        QTest::mouseClick(lease, Qt::LeftButton, {}, QPoint(4, lease->height() / 2));
        QCOMPARE(dlg.Text("DealType"), QStringLiteral("租赁"));
        auto* exchange = Child<QRadioButton>(&dlg, "rbExchange1");
        QTest::mouseClick(exchange, Qt::LeftButton, {}, QPoint(4, exchange->height() / 2));
        QCOMPARE(dlg.Text("DealType"), QStringLiteral("置换"));
    }

    // The editors come back with OK through the OK button and with Cancel on Esc.
    void executeReportsOkAndCancel() {
        TNotesEditorFrm dlg;
        QTimer::singleShot(0, [&dlg] {
            auto* memo = Child<QPlainTextEdit>(&dlg, "mmNotes1");
            memo->setFocus();
            QTest::keyClicks(memo, "abc");
            dlg.OkButton()->click();
        });
        QVERIFY(dlg.Execute());
        QCOMPARE(dlg.Text("Notes"), QStringLiteral("abc"));
        QTimer::singleShot(0, [&dlg] { QTest::keyClick(&dlg, Qt::Key_Escape); });
        QVERIFY(!dlg.Execute());
    }

    void attentionRadioButtons() {
        TAttentionEditorFrm dlg;
        dlg.show();
        dlg.SetProperty("Attention", true);
        QVERIFY(Child<QRadioButton>(&dlg, "rbAttention1")->isChecked());
        dlg.SetProperty("Attention", false);
        QVERIFY(Child<QRadioButton>(&dlg, "rbNoAttention1")->isChecked());
        auto* on = Child<QRadioButton>(&dlg, "rbAttention1");
        QTest::mouseClick(on, Qt::LeftButton, {}, QPoint(4, on->height() / 2));
        QVERIFY(dlg.Flag("Attention"));
    }

    void contactPlacement_data() {
        QTest::addColumn<QSize>("card");
        QTest::addColumn<QPoint>("pointer");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<QPoint>("expected");
        const QRect s(0, 0, 800, 600);
        const QSize c(200, 100);
        QTest::newRow("centred") << c << QPoint(400, 300) << s << QPoint(300, 250);
        QTest::newRow("top-left corner: 0, 0") << c << QPoint(0, 0) << s << QPoint(0, 0);
        QTest::newRow("right edge: 10 free") << c << QPoint(799, 300) << s << QPoint(590, 250);
        QTest::newRow("bottom edge: 20 free") << c << QPoint(400, 599) << s << QPoint(300, 480);
        QTest::newRow("second screen")
            << c << QPoint(1930, 5) << QRect(1920, 0, 1280, 1024) << QPoint(1920, 0);
    }
    void contactPlacement() {
        QFETCH(QSize, card);
        QFETCH(QPoint, pointer);
        QFETCH(QRect, screen);
        QFETCH(QPoint, expected);
        QCOMPARE(TContactFrm::Placement(card, pointer, screen), expected);
    }

    void contactCardShownAtPointer() {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCursor::setPos(screen.topLeft());
        TContactFrm card;
        card.SetProperty("LoginId", QStringLiteral("lily"));
        QVERIFY(Child<QLineEdit>(&card, "edtLoginId1")->isReadOnly());
        QTimer::singleShot(0, [&card] {
            QCOMPARE(card.frameGeometry().topLeft(), QPoint(0, 0));
            Child<QPushButton>(&card, "btnClose1")->click();
        });
        QVERIFY(!card.Execute());
        QCOMPARE(card.Caption(), QStringLiteral("联系信息"));
    }

    void pickListItems() {
        QCOMPARE(PickLists::Items(QStringLiteral("东区\r\n西区\r\n\r\n南区\n")),
                 QStringList({"东区", "西区", "南区"}));
        QCOMPARE(PickLists::Numbers(2010, 2008, -1), QStringList({"2010", "2009", "2008"}));
    }
};

ORBEL_DB_UI_TEST_MAIN(TstSmallDialogs)
#include "tst_smalldialogs.moc"
