#include "DialogScript.h"
#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "app/Startup.h"
#include "data/Company.h"
#include "data/Configer.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include "operators/CompanyInfoFrm.h"
#include "operators/LoginFrm.h"
#include "operators/Operator.h"
#include "operators/OperatorEditorFrm.h"
#include "operators/OperatorsFrm.h"
#include "operators/PasswordChangerFrm.h"
#include "operators/PasswordHash.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

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

void AddOperator(const QString& loginId, const QString& password, const QString& rights) {
    DbConnection().Execute(QStringLiteral("insert into operator(LoginId,[Password],Name,Contact,"
                                          "[Note],Rights) values(:L,:P,:N,'','',:R)"),
                           {Param("L", loginId), Param("P", password),
                            Param("N", QStringLiteral("名") + loginId), Param("R", rights)});
}

QVariant Scalar(const QString& sql, const TDBParameters& params = {}) {
    TRecordSet& s = ScratchSet();
    s.Open(sql, params);
    const QVariant v = s.DataSet()->IsEmpty() ? QVariant() : s.DataSet()->Field(0)->Value();
    s.Close();
    return v;
}

QString StoredRights(const QString& loginId) {
    return Scalar(QStringLiteral("select Rights from operator where LoginId=:L"),
                  {Param("L", loginId)})
        .toString();
}

bool PasswordIs(const QString& loginId, const QString& password) {
    TOperator op;
    op.LoadOperator(loginId);
    return op.CheckPassword(password);
}

QString Info(const QString& text) {
    return QStringLiteral("\r\n") + text + QStringLiteral("\t");
}

QStringList Items(QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

QListWidgetItem* ItemOf(QListWidget* list, const QString& text) {
    const auto found = list->findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

void Select(QListWidget* list, const QString& text) {
    QListWidgetItem* item = ItemOf(list, text);
    QVERIFY(item);
    list->setCurrentItem(item);
    item->setSelected(true);
}

const TOperatorsFrm::TRightList kBusinessRights = {
    {QStringLiteral("登记权限"), 0},
    {QStringLiteral("导入权限"), 23},
    {QStringLiteral("指定经纪人"), 1},
    {QStringLiteral("房源联系人信息查阅权限"), 24},
    {QStringLiteral("房源保密地址查阅权限"), 25},
    {QStringLiteral("客户联系信息查阅权限"), 26},
    {QStringLiteral("回收站管理权限"), 20},
    {QStringLiteral("超级业务管理权限"), 4},
    {QStringLiteral("房源及客户统计权限"), 29},
    {QStringLiteral("选项设定权限"), 6},
    {QStringLiteral("文档管理权限"), 12},
    {QStringLiteral("帮助菜单"), 30},
};

// Checks the rights with these captions in the editor's list, and no others.
void CheckRights(QWidget& editor, const QStringList& captions) {
    auto* list = Child<QListWidget>(editor, "lstRights1");
    for (int i = 0; i < list->count(); ++i) {
        QListWidgetItem* item = list->item(i);
        item->setCheckState(captions.contains(item->text()) ? Qt::Checked : Qt::Unchecked);
    }
}

} // namespace

class TstOperatorScreens : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<TScriptedMessenger> m_messenger;

  private slots:
    void initTestCase() { TStartup::InitApplication(); }

    void init() {
        m_home = std::make_unique<QTemporaryDir>();
        qputenv("ORBEL_HOME", m_home->path().toLocal8Bit());
        FreshDatabase(TTestContent::Tables);
        AddOperator(QStringLiteral("sa"), QStringLiteral("root"), QString());
        AddOperator(QStringLiteral("li"), QStringLiteral("pw-li"), QStringLiteral(",0,,4,"));
        AddOperator(QStringLiteral("wang"), QString(), QStringLiteral(",10000,"));
        CurrentOperator() = TOperator();
        m_messenger = std::make_unique<TScriptedMessenger>();
    }
    void cleanup() { m_messenger.reset(); }

    // The drop-down lists every login name but sa; the text is the last login
    // name, or sa before the first login.
    void loginOffersNamesWithoutSa() {
        {
            TLoginFrm dlg;
            auto* names = Child<QComboBox>(dlg, "cbUserId1");
            QStringList items;
            for (int i = 0; i < names->count(); ++i)
                items << names->itemText(i);
            QCOMPARE(items, QStringList({QStringLiteral("li"), QStringLiteral("wang")}));
            QCOMPARE(dlg.UserId(), QStringLiteral("sa"));
            QCOMPARE(dlg.windowTitle(), QStringLiteral("登陆"));
        }
        TConfiger::SetLastLoginId(QStringLiteral("wang"));
        TLoginFrm dlg;
        QCOMPARE(dlg.UserId(), QStringLiteral("wang"));
    }

    // A successful login fills the current operator and remembers the name.
    void loginSucceeds_data() {
        QTest::addColumn<QString>("loginId");
        QTest::addColumn<QString>("password");
        QTest::newRow("sa") << "sa"
                            << "root";
        QTest::newRow("operator") << "li"
                                  << "pw-li";
        QTest::newRow("empty password") << "wang"
                                        << "";
    }
    void loginSucceeds() {
        QFETCH(QString, loginId);
        QFETCH(QString, password);
        TLoginFrm dlg;
        dlg.show();
        dlg.SetUserId(loginId);
        dlg.SetPassword(password);
        dlg.OkButton()->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QVERIFY(!dlg.isVisible());
        QCOMPARE(CurrentOperator().LoginId, loginId);
        QCOMPARE(TConfiger::LastLoginId(), loginId);
        QVERIFY(m_messenger->shown.isEmpty());
    }

    // A failed login says nothing, keeps the dialog open with the password
    // selected, and leaves the operator logged in before.
    void loginFailureKeepsDialogOpen_data() {
        QTest::addColumn<QString>("loginId");
        QTest::addColumn<QString>("password");
        QTest::newRow("wrong password") << "li"
                                        << "PW-LI";
        QTest::newRow("unknown name") << "zhao"
                                      << "pw-li";
        QTest::newRow("sa in capitals") << "SA"
                                        << "root";
        QTest::newRow("empty name") << ""
                                    << "";
    }
    void loginFailureKeepsDialogOpen() {
        QFETCH(QString, loginId);
        QFETCH(QString, password);
        CurrentOperator().LogIn(QStringLiteral("wang"), QString());
        TConfiger::SetLastLoginId(QStringLiteral("wang"));
        TLoginFrm dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        dlg.SetUserId(loginId);
        dlg.SetPassword(password);
        Child<QComboBox>(dlg, "cbUserId1")->setFocus();
        dlg.OkButton()->click();
        QVERIFY(dlg.isVisible());
        auto* box = Edit(dlg, "edtPassword1");
        QCOMPARE(dlg.focusWidget(), box);
        QCOMPARE(box->selectedText(), password);
        QVERIFY(m_messenger->shown.isEmpty());
        QCOMPARE(CurrentOperator().LoginId, QStringLiteral("wang"));
        QCOMPARE(TConfiger::LastLoginId(), QStringLiteral("wang"));
        // The right password for the same dialog then logs in.
        dlg.SetUserId(QStringLiteral("li"));
        dlg.SetPassword(QStringLiteral("pw-li"));
        dlg.OkButton()->click();
        QVERIFY(!dlg.isVisible());
        QCOMPARE(CurrentOperator().LoginId, QStringLiteral("li"));
    }

    // Enter in the password box presses OK; Enter in the name box only moves on.
    void enterInPasswordLogsIn() {
        TLoginFrm dlg;
        dlg.show();
        QVERIFY(QTest::qWaitForWindowActive(&dlg));
        auto* names = Child<QComboBox>(dlg, "cbUserId1");
        auto* box = Edit(dlg, "edtPassword1");
        dlg.SetUserId(QStringLiteral("li"));
        names->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(dlg.isVisible());
        QCOMPARE(QApplication::focusWidget(), box);
        QTest::keyClicks(box, QStringLiteral("pw-li"));
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(!dlg.isVisible());
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(CurrentOperator().LoginId, QStringLiteral("li"));
        QCOMPARE(TConfiger::LastLoginId(), QStringLiteral("li"));
    }

    // Cancel keeps whoever was logged in.
    void cancelledLoginKeepsOperator() {
        CurrentOperator().LogIn(QStringLiteral("li"), QStringLiteral("pw-li"));
        QWidget parent;
        bool result = true;
        QTimer::singleShot(0, [] {
            auto* dlg = qobject_cast<TLoginFrm*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            dlg->SetUserId(QStringLiteral("sa"));
            dlg->SetPassword(QStringLiteral("root"));
            dlg->CancelButton()->click();
        });
        result = ExecuteLogin(&parent);
        QVERIFY(!result);
        QCOMPARE(CurrentOperator().LoginId, QStringLiteral("li"));
        QVERIFY(TConfiger::LastLoginId().isEmpty());
    }

    // sa is neither listed nor reachable in the operators window.
    void operatorsWindowNeverListsSa() {
        TOperatorsFrm window(kBusinessRights);
        QCOMPARE(window.windowTitle(), QStringLiteral("操作员及权限"));
        QCOMPARE(Items(window.List()), QStringList({QStringLiteral("li"), QStringLiteral("wang")}));
        QVERIFY(!Child<QPushButton>(window, "btnProperties1")->isEnabled());
        QVERIFY(!Child<QPushButton>(window, "btnDelete1")->isEnabled());
        Select(window.List(), QStringLiteral("wang"));
        QVERIFY(Child<QPushButton>(window, "btnProperties1")->isEnabled());
        QVERIFY(Child<QPushButton>(window, "btnDelete1")->isEnabled());
        window.List()->clearSelection();
        QVERIFY(!Child<QPushButton>(window, "btnDelete1")->isEnabled());
    }

    // The editor lists the handed business rights, then the system rights.
    void rightsListOrder() {
        TOperatorsFrm window(kBusinessRights);
        const QStringList expected = {"登记权限",
                                      "导入权限",
                                      "指定经纪人",
                                      "房源联系人信息查阅权限",
                                      "房源保密地址查阅权限",
                                      "客户联系信息查阅权限",
                                      "回收站管理权限",
                                      "超级业务管理权限",
                                      "房源及客户统计权限",
                                      "选项设定权限",
                                      "文档管理权限",
                                      "帮助菜单",
                                      "公司信息设置",
                                      "操作员及权限管理",
                                      "打印",
                                      "打印设计",
                                      "数据导出",
                                      "列选择",
                                      "列样式保存",
                                      "备份设置",
                                      "工具菜单设置"};
        QCOMPARE(Items(Child<QListWidget>(*window.Editor(), "lstRights1")), expected);
    }

    // Adding stores the checked rights in list order, and an empty text when none
    // is checked; the new operator logs in with its password.
    void addStoresRightsInListOrder_data() {
        QTest::addColumn<QStringList>("checked");
        QTest::addColumn<QString>("stored");
        QTest::newRow("none") << QStringList() << QString();
        QTest::newRow("list order")
            << QStringList({"数据导出", "登记权限", "超级业务管理权限", "导入权限"})
            << QStringLiteral(",0,,23,,4,,10004,");
        QTest::newRow("operators")
            << QStringList({"操作员及权限管理"}) << QStringLiteral(",100001,");
    }
    void addStoresRightsInListOrder() {
        QFETCH(QStringList, checked);
        QFETCH(QString, stored);
        TOperatorsFrm window(kBusinessRights);
        TOperatorEditorFrm& editor = *window.Editor();
        TDialogScript script(&editor, {[&] {
            QVERIFY(Edit(editor, "edtUserId1")->isEnabled());
            Edit(editor, "edtUserId1")->setText(QStringLiteral("zhao"));
            Edit(editor, "edtName1")->setText(QStringLiteral("赵六"));
            Edit(editor, "edtPasswd1")->setText(QStringLiteral("六六"));
            Edit(editor, "edtPasswd2")->setText(QStringLiteral("六六"));
            CheckRights(editor, checked);
            editor.OkButton()->click();
        }});
        window.AddClick();
        QCOMPARE(script.Left(), 0);
        QCOMPARE(StoredRights(QStringLiteral("zhao")), stored);
        QCOMPARE(Scalar(QStringLiteral("select Name from operator where LoginId='zhao'")),
                 QVariant(QStringLiteral("赵六")));
        QVERIFY(PasswordIs(QStringLiteral("zhao"), QStringLiteral("六六")));
        QCOMPARE(Items(window.List()).last(), QStringLiteral("zhao"));
    }

    // A login name that exists is refused by the table: its error is shown and
    // the editor comes back with everything typed; Cancel then adds nothing.
    void duplicateLoginNameShowsEditorAgain_data() {
        QTest::addColumn<QString>("loginId");
        QTest::newRow("operator") << "li";
        QTest::newRow("sa") << "sa";
    }
    void duplicateLoginNameShowsEditorAgain() {
        QFETCH(QString, loginId);
        TOperatorsFrm window(kBusinessRights);
        TOperatorEditorFrm& editor = *window.Editor();
        TDialogScript script(&editor, {[&] {
                                           Edit(editor, "edtUserId1")->setText(loginId);
                                           Edit(editor, "edtNote1")->setText(QStringLiteral("新"));
                                           CheckRights(editor, {QStringLiteral("打印")});
                                           editor.OkButton()->click();
                                       },
                                       [&] {
                                           QCOMPARE(editor.UserId(), loginId);
                                           QCOMPARE(editor.EmpNote(), QStringLiteral("新"));
                                           QCOMPARE(editor.Rights(), QStringLiteral(",10002,"));
                                           editor.CancelButton()->click();
                                       }});
        window.AddClick();
        QCOMPARE(script.Left(), 0);
        QCOMPARE(script.Shown(), 2);
        QCOMPARE(m_messenger->shown.size(), 1);
        QVERIFY(m_messenger->shown.first().contains(QStringLiteral("insert into operator")));
        QCOMPARE(Items(window.List()), QStringList({QStringLiteral("li"), QStringLiteral("wang")}));
        QCOMPARE(Scalar(QStringLiteral("select count(*) from operator")).toInt(), 3);
        QCOMPARE(StoredRights(loginId), loginId == "li" ? QStringLiteral(",0,,4,") : QString());
    }

    // The editor's own checks keep it open with the input.
    void editorRefusesInput() {
        TOperatorEditorFrm editor;
        editor.show();
        editor.OkButton()->click();
        QVERIFY(editor.isVisible());
        QCOMPARE(m_messenger->Last(), Info(QStringLiteral("必须填写登陆名.")));
        QCOMPARE(editor.focusWidget(), Edit(editor, "edtUserId1"));
        editor.SetUserId(QString());
        Edit(editor, "edtUserId1")->setText(QStringLiteral("zhao"));
        Edit(editor, "edtPasswd1")->setText(QStringLiteral("a"));
        Edit(editor, "edtPasswd2")->setText(QStringLiteral("b"));
        editor.OkButton()->click();
        QVERIFY(editor.isVisible());
        QCOMPARE(m_messenger->Last(), Info(QStringLiteral("两次输入的密码不一样,请重新输入.")));
        QVERIFY(editor.Passwd().isEmpty());
        QVERIFY(Edit(editor, "edtPasswd2")->text().isEmpty());
        QCOMPARE(editor.focusWidget(), Edit(editor, "edtPasswd1"));
    }

    // Editing shows the stored values with the login name locked; saving
    // unchanged keeps the password, changed rights are stored.
    void editKeepsLoginNameAndPassword() {
        TOperatorsFrm window(kBusinessRights);
        TOperatorEditorFrm& editor = *window.Editor();
        Select(window.List(), QStringLiteral("li"));
        TDialogScript script(&editor, {[&] {
            QCOMPARE(editor.UserId(), QStringLiteral("li"));
            QVERIFY(!Edit(editor, "edtUserId1")->isEnabled());
            QCOMPARE(editor.EmpName(), QStringLiteral("名li"));
            QCOMPARE(editor.Rights(), QStringLiteral(",0,,4,"));
            Edit(editor, "edtContact1")->setText(QStringLiteral("139"));
            CheckRights(editor, {QStringLiteral("登记权限"), QStringLiteral("回收站管理权限")});
            editor.OkButton()->click();
        }});
        window.PropertiesClick();
        QCOMPARE(script.Left(), 0);
        QCOMPARE(StoredRights(QStringLiteral("li")), QStringLiteral(",0,,20,"));
        QCOMPARE(Scalar(QStringLiteral("select Contact from operator where LoginId='li'")),
                 QVariant(QStringLiteral("139")));
        QVERIFY(PasswordIs(QStringLiteral("li"), QStringLiteral("pw-li")));
        QCOMPARE(Scalar(QStringLiteral("select count(*) from operator")).toInt(), 3);

        // The same editor then adds: empty, unlocked, nothing checked.
        TDialogScript next(&editor, {[&] {
            QVERIFY(editor.UserId().isEmpty());
            QVERIFY(Edit(editor, "edtUserId1")->isEnabled());
            QVERIFY(editor.EmpName().isEmpty());
            QVERIFY(editor.Passwd().isEmpty());
            QVERIFY(editor.Rights().isEmpty());
            editor.CancelButton()->click();
        }});
        window.AddClick();
        QCOMPARE(next.Left(), 0);
        QCOMPARE(Scalar(QStringLiteral("select count(*) from operator")).toInt(), 3);
    }

    // Delete asks with the login name; Cancel keeps the operator.
    void deleteAsksFirst() {
        TOperatorsFrm window(kBusinessRights);
        Select(window.List(), QStringLiteral("li"));
        m_messenger->Answer(TMsgResult::Cancel);
        window.DeleteClick();
        QCOMPARE(m_messenger->Last(), QStringLiteral("\r您确定要删除 li 吗?\t\t"));
        QCOMPARE(Items(window.List()).size(), 2);
        window.DeleteClick();
        QCOMPARE(Items(window.List()), QStringList({QStringLiteral("wang")}));
        QVERIFY(Scalar(QStringLiteral("select LoginId from operator where LoginId='li'")).isNull());
        QVERIFY(!Child<QPushButton>(window, "btnDelete1")->isEnabled() ||
                !window.List()->selectedItems().isEmpty());
    }

    // The window needs right 100001.
    void operatorsNeedTheirRight() {
        CurrentOperator().LogIn(QStringLiteral("wang"), QString());
        QWidget parent;
        ShowOperators(&parent, kBusinessRights);
        QCOMPARE(m_messenger->Last(),
                 Info(QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(100001).")));
    }

    // The two new passwords must agree before anything is checked.
    void passwordChangeMismatch() {
        TPasswordChangerFrm dlg;
        dlg.SetUserId(QStringLiteral("li"));
        dlg.show();
        QCOMPARE(dlg.windowTitle(), QStringLiteral("更改密码"));
        QVERIFY(!Edit(dlg, "edtUserId1")->isEnabled());
        Edit(dlg, "edtPrePasswd1")->setText(QStringLiteral("pw-li"));
        Edit(dlg, "edtNewPasswd1")->setText(QStringLiteral("x1"));
        Edit(dlg, "edtNewPasswd2")->setText(QStringLiteral("x2"));
        dlg.OkButton()->click();
        QVERIFY(dlg.isVisible());
        QCOMPARE(m_messenger->Last(), QStringLiteral("两次输入的新密码不一样,请确认并重新输入."));
        QVERIFY(dlg.NewPasswd().isEmpty());
        QVERIFY(Edit(dlg, "edtNewPasswd2")->text().isEmpty());
        QCOMPARE(dlg.PrePasswd(), QStringLiteral("pw-li"));
        QCOMPARE(dlg.focusWidget(), Edit(dlg, "edtNewPasswd1"));
    }

    // A wrong current password is shown and the dialog comes back; the right one
    // changes the password.
    void changeMyPassword() {
        CurrentOperator().LogIn(QStringLiteral("li"), QStringLiteral("pw-li"));
        QWidget parent;
        auto fill = [](const QString& current) {
            auto* dlg = qobject_cast<TPasswordChangerFrm*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            QCOMPARE(dlg->UserId(), QStringLiteral("li"));
            Edit(*dlg, "edtPrePasswd1")->setText(current);
            Edit(*dlg, "edtNewPasswd1")->setText(QStringLiteral("新密码"));
            Edit(*dlg, "edtNewPasswd2")->setText(QStringLiteral("新密码"));
            dlg->OkButton()->click();
        };
        int round = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, [&] {
            auto* dlg = qobject_cast<TPasswordChangerFrm*>(QApplication::activeModalWidget());
            if (!dlg || !dlg->isVisible())
                return;
            fill(round++ == 0 ? QStringLiteral("wrong") : QStringLiteral("pw-li"));
        });
        timer.start(10);
        ChangeMyPassword(&parent);
        QCOMPARE(round, 2);
        QCOMPARE(m_messenger->shown, QStringList({Info(TOperator::kWrongPasswordMsg),
                                                  Info(TOperator::kPasswordChangedMsg)}));
        QVERIFY(PasswordIs(QStringLiteral("li"), QStringLiteral("新密码")));
        QVERIFY(TPasswordHash::IsHash(
            Scalar("select [Password] from operator where LoginId='li'").toString()));
    }

    // Editable, OK saves what was typed; read-only, OK is disabled.
    void companyDialog() {
        CurrentCompany().Load();
        QWidget parent;
        QTimer::singleShot(0, [] {
            auto* dlg = qobject_cast<TCompanyInfoFrm*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            QVERIFY(dlg->OkButton()->isEnabled());
            dlg->SetCompanyName(QStringLiteral("朔禾地产经纪公司"));
            Child<QPlainTextEdit>(*dlg, "memProfile1")->setPlainText(QStringLiteral("一\n二"));
            Edit(*dlg, "edtFax1")->setText(QStringLiteral("0571-1"));
            dlg->OkButton()->click();
        });
        QVERIFY(ShowCompany(&parent, true));
        TCompany stored;
        stored.Load();
        QCOMPARE(stored.CompanyName, QStringLiteral("朔禾地产经纪公司"));
        QCOMPARE(stored.Profile, QStringLiteral("一\n二"));
        QCOMPARE(stored.Fax, QStringLiteral("0571-1"));

        QTimer::singleShot(0, [] {
            auto* dlg = qobject_cast<TCompanyInfoFrm*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            QCOMPARE(dlg->CompanyName(), QStringLiteral("朔禾地产经纪公司"));
            QVERIFY(!dlg->OkButton()->isEnabled());
            dlg->SetCompanyName(QStringLiteral("别的"));
            dlg->OkButton()->click();
            QVERIFY(dlg->isVisible());
            dlg->CancelButton()->click();
        });
        QVERIFY(!ShowCompany(&parent, false));
        stored.Load();
        QCOMPARE(stored.CompanyName, QStringLiteral("朔禾地产经纪公司"));
    }
};

ORBEL_DB_UI_TEST_MAIN(TstOperatorScreens)
#include "tst_operatorscreens.moc"
