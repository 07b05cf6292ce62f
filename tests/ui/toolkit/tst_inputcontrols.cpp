#include "app/ADlgFrm.h"
#include "app/Error.h"
#include "toolkit/zyComboBox.h"
#include "toolkit/zyDateTimePicker.h"
#include "toolkit/zyEdit.h"
#include "toolkit/zyPopupMenu.h"

#include <QApplication>
#include <QCheckBox>
#include <QCompleter>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {

// Reads or writes a TzyEdit through the accessor named in a test row.
QVariant Read(const TzyEdit& edit, const QString& accessor) {
    if (accessor == "AsDouble")
        return edit.AsDouble();
    if (accessor == "AsInteger")
        return edit.AsInteger();
    if (accessor == "AsDate")
        return edit.AsDate();
    if (accessor == "AsDateTime")
        return edit.AsDateTime();
    return edit.AsVariant();
}

void Write(TzyEdit& edit, const QString& accessor, const QVariant& value) {
    if (accessor == "AsDouble")
        edit.SetAsDouble(value.toDouble());
    else if (accessor == "AsInteger")
        edit.SetAsInteger(value.toInt());
    else if (accessor == "AsDate")
        edit.SetAsDate(value.toDate());
    else if (accessor == "AsDateTime")
        edit.SetAsDateTime(value.toDateTime());
    else
        edit.SetAsVariant(value);
}

// Types text key by key, Chinese and full-width characters included.
void Type(QWidget* widget, const QString& text) {
    for (QChar ch : text) {
        if (ch.unicode() < 128)
            QTest::keyClick(widget, ch.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

void SendFocus(QWidget* widget, QEvent::Type type) {
    QFocusEvent event(type, Qt::OtherFocusReason);
    QApplication::sendEvent(widget, &event);
}

QColor Base(const QWidget* w) {
    return w->palette().color(QPalette::Base);
}

// A dialog with one control of each kind, in tab order.
struct TFormOfControls {
    TADlgFrm dlg;
    TzyEdit* first = new TzyEdit;
    TzyComboBox* editableCombo = new TzyComboBox;
    TzyComboBox* listCombo = new TzyComboBox;
    TzyDateTimePicker* picker = new TzyDateTimePicker;
    TzyEdit* last = new TzyEdit;
    int accepted = 0;

    TFormOfControls() {
        editableCombo->setEditable(true);
        listCombo->addItems({QStringLiteral("出售"), QStringLiteral("出租")});
        auto* layout = new QVBoxLayout(dlg.Body());
        for (QWidget* w : {static_cast<QWidget*>(first), static_cast<QWidget*>(editableCombo),
                           static_cast<QWidget*>(listCombo), static_cast<QWidget*>(picker),
                           static_cast<QWidget*>(last)})
            layout->addWidget(w);
        QObject::connect(&dlg, &QDialog::accepted, [this] { ++accepted; });
        dlg.show();
        first->setFocus();
    }
};

} // namespace

class TstInputControls : public QObject {
    Q_OBJECT
  private slots:
    void typing_data() {
        QTest::addColumn<int>("editType");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no leading zeros") << 1 << "00"
                                          << "0";
        QTest::newRow("zero after point") << 1 << "0.05"
                                          << "0.05";
        QTest::newRow("point into empty box refused") << 1 << "."
                                                      << "";
        QTest::newRow("second point refused") << 1 << "1.2.3"
                                              << "1.23";
        QTest::newRow("zero then five") << 1 << "05"
                                        << "05";
        QTest::newRow("letters and sign refused") << 1 << "-1a2e3"
                                                  << "123";
        QTest::newRow("wide digits refused") << 1 << "１2"
                                             << "2";
        QTest::newRow("integer: digits only") << 2 << "12a.3-"
                                              << "123";
        QTest::newRow("integer: leading zeros allowed") << 2 << "007"
                                                        << "007";
        QTest::newRow("text accepts everything") << 0 << "a.0-中"
                                                 << "a.0-中";
    }
    void typing() {
        QFETCH(int, editType);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        TzyEdit edit;
        edit.SetEditType(editType);
        Type(&edit, keys);
        QCOMPARE(edit.text(), expected);
    }

    void editingKeysStillWork() {
        TzyEdit edit;
        edit.SetEditType(TzyEdit::etInteger);
        QTest::keyClicks(&edit, "123");
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QTest::keyClick(&edit, Qt::Key_Home);
        QTest::keyClick(&edit, Qt::Key_Delete);
        QCOMPARE(edit.text(), QStringLiteral("2"));
        // Pasted text is not checked.
        edit.selectAll();
        edit.insert(QStringLiteral("x9"));
        QCOMPARE(edit.text(), QStringLiteral("x9"));
    }

    void reads_data() {
        QTest::addColumn<QString>("accessor");
        QTest::addColumn<int>("editType");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QVariant>("expected");
        QTest::addColumn<QString>("error");
        const QString none;
        QTest::newRow("double empty") << "AsDouble" << 1 << "" << QVariant(0.0) << none;
        QTest::newRow("double") << "AsDouble" << 1 << "0.05" << QVariant(0.05) << none;
        QTest::newRow("double comma")
            << "AsDouble" << 1 << "1,5" << QVariant() << "\"1,5\" 不是有效的数字.";
        QTest::newRow("integer empty") << "AsInteger" << 2 << "" << QVariant(0) << none;
        QTest::newRow("integer") << "AsInteger" << 2 << "42" << QVariant(42) << none;
        QTest::newRow("integer 12a")
            << "AsInteger" << 2 << "12a" << QVariant() << "\"12a\" 不是有效的整数.";
        QTest::newRow("integer too large")
            << "AsInteger" << 2 << "99999999999" << QVariant() << "\"99999999999\" 不是有效的整数.";
        QTest::newRow("date empty is null") << "AsDate" << 0 << "" << QVariant(QDate()) << none;
        QTest::newRow("date") << "AsDate" << 0 << "2012-07-09" << QVariant(QDate(2012, 7, 9))
                              << none;
        QTest::newRow("date short")
            << "AsDate" << 0 << "2012-7-9" << QVariant(QDate(2012, 7, 9)) << none;
        QTest::newRow("date of a date-time")
            << "AsDate" << 0 << "2012-07-09 13:05:00" << QVariant(QDate(2012, 7, 9)) << none;
        QTest::newRow("no such day")
            << "AsDate" << 0 << "2012-02-30" << QVariant() << "\"2012-02-30\" 不是有效的日期.";
        QTest::newRow("date-time") << "AsDateTime" << 0 << "2012-07-09 13:05:00"
                                   << QVariant(QDateTime(QDate(2012, 7, 9), QTime(13, 5))) << none;
        QTest::newRow("date-time of a date")
            << "AsDateTime" << 0 << "2012-07-09"
            << QVariant(QDateTime(QDate(2012, 7, 9), QTime(0, 0))) << none;
        QTest::newRow("time alone")
            << "AsDateTime" << 0 << "13:05" << QVariant() << "\"13:05\" 不是有效的日期.";
        QTest::newRow("variant empty is null") << "AsVariant" << 1 << "" << QVariant() << none;
        QTest::newRow("variant decimal") << "AsVariant" << 1 << "2.5" << QVariant(2.5) << none;
        QTest::newRow("variant whole") << "AsVariant" << 2 << "7" << QVariant(7) << none;
        QTest::newRow("variant text") << "AsVariant" << 0 << " a " << QVariant(" a ") << none;
        QTest::newRow("variant bad whole")
            << "AsVariant" << 2 << "x" << QVariant() << "\"x\" 不是有效的整数.";
    }
    void reads() {
        QFETCH(QString, accessor);
        QFETCH(int, editType);
        QFETCH(QString, text);
        QFETCH(QVariant, expected);
        QFETCH(QString, error);
        TzyEdit edit;
        edit.SetEditType(editType);
        edit.setText(text);
        try {
            const QVariant value = Read(edit, accessor);
            QVERIFY2(error.isEmpty(), "no error raised");
            QCOMPARE(value, expected);
        } catch (const EOrbelError& e) {
            QCOMPARE(e.Message(), error);
        }
    }

    void writes_data() {
        QTest::addColumn<QString>("accessor");
        QTest::addColumn<int>("editType");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("integer 0 empties") << "AsInteger" << 2 << QVariant(0) << "";
        QTest::newRow("integer") << "AsInteger" << 2 << QVariant(-15) << "-15";
        QTest::newRow("double 0 empties") << "AsDouble" << 1 << QVariant(0.0) << "";
        QTest::newRow("double shortest") << "AsDouble" << 1 << QVariant(0.1) << "0.1";
        QTest::newRow("double whole") << "AsDouble" << 1 << QVariant(1e6) << "1000000";
        QTest::newRow("double sum")
            << "AsDouble" << 1 << QVariant(0.1 + 0.2) << "0.30000000000000004";
        QTest::newRow("null date empties") << "AsDate" << 0 << QVariant(QDate()) << "";
        QTest::newRow("date") << "AsDate" << 0 << QVariant(QDate(2012, 7, 9)) << "2012-07-09";
        QTest::newRow("date-time")
            << "AsDateTime" << 0 << QVariant(QDateTime(QDate(2012, 7, 9), QTime(13, 5, 7)))
            << "2012-07-09 13:05:07";
        QTest::newRow("variant null empties") << "AsVariant" << 1 << QVariant() << "";
        QTest::newRow("variant decimal") << "AsVariant" << 1 << QVariant(2.5) << "2.5";
        QTest::newRow("variant whole 0") << "AsVariant" << 2 << QVariant(0) << "";
        QTest::newRow("variant text") << "AsVariant" << 0 << QVariant("朝阳区") << "朝阳区";
    }
    void writes() {
        QFETCH(QString, accessor);
        QFETCH(int, editType);
        QFETCH(QVariant, value);
        QFETCH(QString, text);
        TzyEdit edit;
        edit.SetEditType(editType);
        edit.setText(QStringLiteral("old"));
        Write(edit, accessor, value);
        QCOMPARE(edit.text(), text);
        // What was written reads back (an emptied number reads 0, an emptied date null).
        if (accessor != "AsVariant" || value.isValid())
            QCOMPARE(Read(edit, accessor),
                     accessor == "AsVariant" && value == QVariant(0) ? QVariant() : value);
    }

    void variantWriteOfTextIntoNumberBoxFails() {
        TzyEdit edit;
        edit.SetEditType(TzyEdit::etFloat);
        QVERIFY_THROWS_EXCEPTION(EOrbelError, edit.SetAsVariant(QStringLiteral("abc")));
    }

    void enterMovesFocus() {
        TFormOfControls form;
        QCOMPARE(form.dlg.focusWidget(), form.first);
        QTest::keyClick(form.first, Qt::Key_Return);
        QCOMPARE(form.dlg.focusWidget(), form.editableCombo);
        QTest::keyClick(form.editableCombo, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(form.dlg.focusWidget(), form.listCombo);
        QTest::keyClick(form.listCombo, Qt::Key_Return);
        QCOMPARE(form.dlg.focusWidget(), form.picker);
        form.last->setFocus();
        QTest::keyClick(form.last, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(form.dlg.focusWidget(), form.picker);
        form.editableCombo->setFocus();
        QTest::keyClick(form.editableCombo, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(form.dlg.focusWidget(), form.first);
        // Enter never reached the default button, nor added text to the editable list.
        QVERIFY(form.dlg.isVisible());
        QCOMPARE(form.accepted, 0);
        QCOMPARE(form.editableCombo->count(), 0);
    }

    void enterWithoutTabOnEnterReachesTheDialog() {
        TFormOfControls form;
        form.first->SetTabOnEnter(false);
        QTest::keyClick(form.first, Qt::Key_Return);
        QCOMPARE(form.accepted, 1);
    }

    void editFocusColours() {
        TzyEdit edit;
        QPalette own = edit.palette();
        own.setColor(QPalette::Base, QColor(240, 240, 240));
        edit.setPalette(own);
        SendFocus(&edit, QEvent::FocusIn);
        QCOMPARE(Base(&edit), QColor(0, 255, 255));
        SendFocus(&edit, QEvent::FocusOut);
        QCOMPARE(Base(&edit), QColor(240, 240, 240));

        edit.setReadOnly(true);
        SendFocus(&edit, QEvent::FocusIn);
        QCOMPARE(Base(&edit), QColor(255, 255, 0));
        SendFocus(&edit, QEvent::FocusOut);

        edit.SetParentColor(true);
        SendFocus(&edit, QEvent::FocusIn);
        QCOMPARE(Base(&edit), QColor(240, 240, 240));
    }

    void comboAndPickerFocusColours() {
        TzyComboBox combo;
        TzyDateTimePicker picker;
        for (QWidget* w : {static_cast<QWidget*>(&combo), static_cast<QWidget*>(&picker)}) {
            QPalette own = w->palette();
            own.setColor(QPalette::Base, Qt::gray);
            w->setPalette(own);
            SendFocus(w, QEvent::FocusIn);
            QCOMPARE(Base(w), QColor(0, 255, 255));
            SendFocus(w, QEvent::FocusOut);
            QCOMPARE(Base(w), QColor(Qt::white));
        }
    }

    void comboDeleteClearsListOnlyBox() {
        TzyComboBox combo;
        combo.addItems({QStringLiteral("出售"), QStringLiteral("出租")});
        combo.setCurrentIndex(1);
        QSignalSpy changed(&combo, &QComboBox::currentIndexChanged);
        QTest::keyClick(&combo, Qt::Key_Delete);
        QCOMPARE(combo.currentIndex(), -1);
        QCOMPARE(combo.currentText(), QString());
        QCOMPARE(changed.count(), 1);

        // In an editable box Delete edits the text.
        TzyComboBox editable;
        editable.setEditable(true);
        editable.addItems({QStringLiteral("朝阳区"), QStringLiteral("海淀区")});
        editable.setCurrentIndex(0);
        editable.lineEdit()->setCursorPosition(0);
        QTest::keyClick(&editable, Qt::Key_Delete);
        QCOMPARE(editable.currentText(), QStringLiteral("阳区"));
    }

    void comboDoesNotComplete() {
        TFormOfControls form;
        TzyComboBox* combo = form.editableCombo;
        combo->addItems({QStringLiteral("北京路"), QStringLiteral("北海路")});
        combo->setCurrentIndex(-1);
        combo->setFocus();
        QApplication::sendEvent(combo, new QFocusEvent(QEvent::FocusIn));
        QVERIFY(!combo->completer());
        Type(combo, QStringLiteral("北"));
        QCOMPARE(combo->currentText(), QStringLiteral("北"));
    }

    void pickerNullRoundTrip() {
        TzyDateTimePicker picker;
        picker.SetShowCheckbox(true);
        // Created with the box cleared and the current moment as value.
        QVERIFY(!picker.Checked());
        QVERIFY(qAbs(picker.dateTime().secsTo(QDateTime::currentDateTime())) < 5);
        QVERIFY(picker.AsDateTime().isNull());
        QVERIFY(picker.AsDate().isNull());
        QVERIFY(picker.AsTime().isNull());

        const QDateTime moment(QDate(2012, 7, 9), QTime(13, 5, 0));
        picker.SetAsDateTime(moment);
        QVERIFY(picker.Checked());
        QCOMPARE(picker.AsDateTime(), moment);
        QCOMPARE(picker.AsDate(), moment.date());
        QCOMPARE(picker.AsTime(), moment.time());

        picker.SetAsDateTime(QDateTime());
        QVERIFY(!picker.Checked());
        QVERIFY(picker.AsDateTime().isNull());
        QVERIFY(qAbs(picker.dateTime().secsTo(QDateTime::currentDateTime())) < 5);

        picker.SetAsDate(QDate(2020, 2, 29));
        QCOMPARE(picker.AsDateTime(), QDateTime(QDate(2020, 2, 29), QTime(0, 0)));
        picker.SetAsTime(QTime());
        QVERIFY(picker.AsDate().isNull());
        picker.SetAsTime(QTime(8, 30));
        QCOMPARE(picker.AsDateTime(), QDateTime(QDate(2020, 2, 29), QTime(8, 30)));

        // Clicking the box by hand switches the value on and off.
        picker.findChild<QCheckBox*>()->click();
        QVERIFY(picker.AsDateTime().isNull());
    }

    void pickerWithoutCheckboxAlwaysHasValue() {
        TzyDateTimePicker picker;
        picker.SetAsDateTime(QDateTime());
        QVERIFY(picker.AsDateTime().isValid());
        picker.setDateTime(QDateTime(QDate(2001, 1, 1), QTime(1, 0)));
        picker.SetAsTime(QTime());
        QVERIFY(qAbs(picker.AsDateTime().secsTo(QDateTime::currentDateTime())) < 5);
    }

    void popupMenuItems() {
        TzyPopupMenu menu;
        QStringList clicked;
        TzyPopupMenu::AddItem(&menu, QStringLiteral("修改"), false, [&] { clicked << "修改"; });
        QAction* first =
            TzyPopupMenu::AddItem(&menu, QStringLiteral("添加"), true, [&] { clicked << "添加"; });
        TzyPopupMenu::AddItem(&menu, QStringLiteral("删除"), false, nullptr);
        QStringList captions;
        for (QAction* a : menu.actions())
            captions << a->text();
        QCOMPARE(captions, (QStringList{"添加", "修改", "删除"}));
        first->trigger();
        menu.actions().at(2)->trigger();
        QCOMPARE(clicked, QStringList{"添加"});

        QPointer<QAction> owned = first;
        QPointer<QMenu> sub = menu.addMenu(QStringLiteral("报表"));
        QAction foreign(QStringLiteral("外部"));
        menu.addAction(&foreign);
        TzyPopupMenu::ClearItems(&menu);
        QVERIFY(menu.actions().isEmpty());
        QVERIFY(owned.isNull());
        QVERIFY(sub.isNull());
    }
};

QTEST_MAIN(TstInputControls)
#include "tst_inputcontrols.moc"
