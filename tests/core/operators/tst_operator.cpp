#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "app/Error.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include "operators/Operator.h"
#include "operators/OperatorSet.h"
#include "operators/PasswordHash.h"
#include "operators/Rights.h"

#include <QSet>
#include <QTest>

namespace {

void InsertOperator(const QString& loginId, const QString& password, const QString& rights = {}) {
    DbConnection().Execute(QStringLiteral("insert into operator(LoginId,[Password],Name,Rights) "
                                          "values(:LoginId,:Password,:Name,:Rights)"),
                           {Param("LoginId", loginId), Param("Password", password),
                            Param("Name", loginId), Param("Rights", rights)});
}

QString StoredPassword(const QString& loginId) {
    TRecordSet& scratch = ScratchSet();
    scratch.Open(QStringLiteral("select [Password] from operator where LoginId=:LoginId"),
                 {Param("LoginId", loginId)});
    const QString stored = scratch.DataSet()->IsEmpty() ? QStringLiteral("<none>")
                                                        : scratch.DataSet()->Field(0)->AsString();
    scratch.Close();
    return stored;
}

TOperator WithRights(const QString& loginId, const QString& rights) {
    TOperator op;
    op.LoginId = loginId;
    op.Rights = rights;
    return op;
}

} // namespace

class TstOperator : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        FreshDatabase(TTestContent::Tables);
        CurrentOperator() = TOperator();
    }

    void hasRight_data() {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("rights");
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("granted");
        QTest::newRow("sa, no rights text") << "sa"
                                            << "" << 100001 << true;
        QTest::newRow("sa, right 5") << "sa"
                                     << "" << 5 << true;
        QTest::newRow("SA is not sa") << "SA"
                                      << "" << 0 << false;
        QTest::newRow("4 in ,14,") << "li"
                                   << ",14," << 4 << false;
        QTest::newRow("4 in ,4,") << "li"
                                  << ",4," << 4 << true;
        QTest::newRow("10000 in ,100001,") << "li"
                                           << ",100001," << 10000 << false;
        QTest::newRow("list: 1") << "li"
                                 << ",1,,3,,10000," << 1 << true;
        QTest::newRow("list: 3") << "li"
                                 << ",1,,3,,10000," << 3 << true;
        QTest::newRow("list: 10000") << "li"
                                     << ",1,,3,,10000," << 10000 << true;
        QTest::newRow("list: 0") << "li"
                                 << ",1,,3,,10000," << 0 << false;
        QTest::newRow("list: 100") << "li"
                                   << ",1,,3,,10000," << 100 << false;
        // Without enclosing commas only a number between two commas counts.
        QTest::newRow("bare: 1") << "li"
                                 << "1,3,10000" << 1 << false;
        QTest::newRow("bare: 3") << "li"
                                 << "1,3,10000" << 3 << true;
        QTest::newRow("bare: 10000") << "li"
                                     << "1,3,10000" << 10000 << false;
        QTest::newRow("empty grants nothing") << "li"
                                              << "" << 0 << false;
    }
    void hasRight() {
        QFETCH(QString, login);
        QFETCH(QString, rights);
        QFETCH(int, number);
        QFETCH(bool, granted);
        QCOMPARE(WithRights(login, rights).HasRight(number), granted);
    }

    void rightsTextRoundTrip() {
        const QString text = RightsText({0, 23, 10004});
        QCOMPARE(text, QStringLiteral(",0,,23,,10004,"));
        const TOperator op = WithRights("li", text);
        QVERIFY(op.HasRight(0) && op.HasRight(23) && op.HasRight(10004));
        QVERIFY(!op.HasRight(2) && !op.HasRight(1000) && !op.HasRight(4));
    }

    void rightsTableOffersEveryRightOnceButNotClearData() {
        QSet<int> numbers;
        for (const TRight& r : RightsTable()) {
            QVERIFY2(!numbers.contains(r.Number), qPrintable(QString::number(r.Number)));
            numbers << r.Number;
            QVERIFY(!r.Caption.isEmpty());
        }
        QList<int> order;
        for (const TRight& r : RightsTable())
            order << r.Number;
        QCOMPARE(order,
                 (QList<int>{0,  23,    1,      24,    25,    26,    20,    4,     29,    6,    12,
                             30, 10000, 100001, 10002, 10003, 10004, 10008, 10006, 10005, 10007}));
        QCOMPARE(RightsTable().first().Caption, QStringLiteral("登记权限"));
        QCOMPARE(RightCaption(100001), QStringLiteral("操作员及权限管理"));
        QVERIFY(!numbers.contains(rtClearData));
        QCOMPARE(RightCaption(rtClearData), QString());
    }

    void requireRightShowsNumberThenAbortsSilently() {
        TScriptedMessenger m;
        const TOperator op = WithRights("li", ",1,");
        QVERIFY(op.RequireRight(1));
        QVERIFY(m.shown.isEmpty());
        QVERIFY_THROWS_EXCEPTION(EAbort, op.RequireRight(10004));
        QCOMPARE(m.shown.size(), 1);
        QVERIFY2(m.Last().contains(
                     QStringLiteral("对不起,您没有该功能的操作权限,请与管理员联系(10004).")),
                 qPrintable(m.Last()));
        // Without abort the refusal is shown and answered with false.
        QVERIFY(!op.RequireRight(6, false));
        QCOMPARE(m.shown.size(), 2);
        QVERIFY(m.Last().contains(QStringLiteral("请与管理员联系(6).")));
    }

    void requireSaIsCaseSensitive() {
        TScriptedMessenger m;
        WithRights("sa", "").RequireSa();
        QVERIFY(m.shown.isEmpty());
        QVERIFY(WithRights("sa", "").IsSa());
        const TOperator upper = WithRights("SA", ",0,");
        QVERIFY(!upper.IsSa());
        QVERIFY_THROWS_EXCEPTION(EAbort, upper.RequireSa());
        QCOMPARE(m.shown.size(), 1);
        QVERIFY(m.Last().contains(QStringLiteral("只有系统用户(sa)才能执行此操作.")));
    }

    void loadOperatorCopiesTheRowOrKeepsTheMembers() {
        DbConnection().Execute(
            QStringLiteral("insert into operator(LoginId,[Password],Name,Contact,[Note],Rights) "
                           "values('wang','pw','王五','138','夜班',',0,,4,')"));
        TOperator op;
        op.LoadOperator(QStringLiteral("wang"));
        QCOMPARE(op.LoginId, QStringLiteral("wang"));
        QCOMPARE(op.Password, QStringLiteral("pw"));
        QCOMPARE(op.Name, QStringLiteral("王五"));
        QCOMPARE(op.Contact, QStringLiteral("138"));
        QCOMPARE(op.Note, QStringLiteral("夜班"));
        QCOMPARE(op.Rights, QStringLiteral(",0,,4,"));
        op.LoadOperator(QStringLiteral("WANG")); // login names match exactly
        op.LoadOperator(QStringLiteral("nobody"));
        QCOMPARE(op.Name, QStringLiteral("王五"));
        TOperator none;
        none.LoadOperator(QStringLiteral("wang' or '1'='1"));
        QVERIFY(none.LoginId.isEmpty());
        QVERIFY(!none.CheckPassword(QString()));
    }

    void passwordHashFormat() {
        const QString a = TPasswordHash::Make(QStringLiteral("秘密Pw1"));
        const QString b = TPasswordHash::Make(QStringLiteral("秘密Pw1"));
        QVERIFY2(a.startsWith(QStringLiteral("pbkdf2-sha256$%1$").arg(TPasswordHash::kIterations)),
                 qPrintable(a));
        QVERIFY(a != b); // each hash has its own salt
        QVERIFY(a.size() <= 255);
        QVERIFY(TPasswordHash::IsHash(a));
        QVERIFY(TPasswordHash::Matches(a, QStringLiteral("秘密Pw1")));
        QVERIFY(TPasswordHash::Matches(b, QStringLiteral("秘密Pw1")));
        QVERIFY(!TPasswordHash::Matches(a, QStringLiteral("秘密pw1")));
        QVERIFY(!TPasswordHash::Matches(a, a)); // the stored text is not the password
        QString tampered = a;
        tampered[tampered.size() - 3] = tampered[tampered.size() - 3] == u'A' ? u'B' : u'A';
        QVERIFY(!TPasswordHash::Matches(tampered, QStringLiteral("秘密Pw1")));
    }

    void plainTextLikeAHashStaysPlainText_data() {
        QTest::addColumn<QString>("stored");
        QTest::newRow("prefix only") << "pbkdf2-sha256$";
        QTest::newRow("bad count") << "pbkdf2-sha256$x$AAAA$AAAA";
        QTest::newRow("huge count") << "pbkdf2-sha256$999999999$c2FsdA==$"
                                       "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA=";
        QTest::newRow("short hash") << "pbkdf2-sha256$10$c2FsdA==$AAAA";
        QTest::newRow("bad base64") << "pbkdf2-sha256$10$***$AAAA";
    }
    void plainTextLikeAHashStaysPlainText() {
        QFETCH(QString, stored);
        QVERIFY(!TPasswordHash::IsHash(stored));
        QVERIFY(TPasswordHash::Matches(stored, stored));
        QVERIFY(!TPasswordHash::Matches(stored, QString()));
    }

    void plainTextLoginUpgradesToHash() {
        InsertOperator(QStringLiteral("li"), QStringLiteral("Secret"), QStringLiteral(",0,"));
        TOperator& current = CurrentOperator();
        QVERIFY(!current.LogIn(QStringLiteral("li"), QStringLiteral("secret"))); // wrong case
        QVERIFY(!current.LogIn(QStringLiteral("li"), QStringLiteral("Secret ")));
        QCOMPARE(StoredPassword("li"), QStringLiteral("Secret"));
        QVERIFY(current.LoginId.isEmpty());

        QVERIFY(current.LogIn(QStringLiteral("li"), QStringLiteral("Secret")));
        QCOMPARE(current.LoginId, QStringLiteral("li"));
        QCOMPARE(current.Rights, QStringLiteral(",0,"));
        const QString stored = StoredPassword("li");
        QVERIFY2(TPasswordHash::IsHash(stored), qPrintable(stored));
        QCOMPARE(current.Password, stored);

        // The hash keeps the same rules: exact and case-sensitive.
        QVERIFY(current.LogIn(QStringLiteral("li"), QStringLiteral("Secret")));
        QCOMPARE(StoredPassword("li"), stored); // a hash is not rewritten
        QVERIFY(!current.LogIn(QStringLiteral("li"), QStringLiteral("SECRET")));
        QVERIFY(!current.LogIn(QStringLiteral("li"), stored));
        QCOMPARE(current.LoginId, QStringLiteral("li")); // a failed login keeps who is in
    }

    void refusedUpgradeStillLogsIn() {
        InsertOperator(QStringLiteral("li"), QStringLiteral("pw"));
        TDatabase& db = DbConnection();
        if (CurrentEngine().server) {
            db.Execute(QStringLiteral("create function refuse() returns trigger language plpgsql "
                                      "as $$ begin raise exception 'read only'; end $$"));
            db.Execute(QStringLiteral("create trigger ro before update on operator "
                                      "for each row execute function refuse()"));
        } else {
            db.Execute(QStringLiteral("create trigger ro before update on operator "
                                      "begin select raise(abort, 'read only'); end"));
        }
        QVERIFY(CurrentOperator().LogIn(QStringLiteral("li"), QStringLiteral("pw")));
        QCOMPARE(CurrentOperator().Password, QStringLiteral("pw"));
        QCOMPARE(StoredPassword("li"), QStringLiteral("pw"));
    }

    void emptySaPasswordLogsInThenIsHashed() {
        InsertOperator(QStringLiteral("sa"), QString());
        InsertOperator(QStringLiteral("SA"), QStringLiteral("x"));
        TOperator& current = CurrentOperator();
        QVERIFY(!current.LogIn(QStringLiteral("sa"), QStringLiteral(" ")));
        QVERIFY(current.LogIn(QStringLiteral("sa"), QString()));
        QVERIFY(current.IsSa());
        QVERIFY(TPasswordHash::IsHash(StoredPassword("sa")));
        QVERIFY(current.LogIn(QStringLiteral("sa"), QString()));
        QVERIFY(!current.LogIn(QStringLiteral("sa"), QStringLiteral("x")));
        QVERIFY(current.LogIn(QStringLiteral("SA"), QStringLiteral("x")));
        QVERIFY(!current.IsSa());
        QVERIFY(!current.LogIn(QStringLiteral("nobody"), QString()));
        QCOMPARE(current.LoginId, QStringLiteral("SA"));
    }

    void deliveredOperatorsLogInWithEmptyPasswords() {
        FreshDatabase(TTestContent::Delivered);
        TOperator& current = CurrentOperator();
        QVERIFY(current.LogIn(QStringLiteral("sa"), QString()));
        QVERIFY(current.IsSa());
        QVERIFY(TPasswordHash::IsHash(StoredPassword("sa")));
        TOperatorSet set;
        QVERIFY(!set.DataSet()->Locate(QStringLiteral("LoginId"), QStringLiteral("sa")));
    }

    void changePassword() {
        InsertOperator(QStringLiteral("li"), QStringLiteral("old"));
        TOperator& current = CurrentOperator();
        QVERIFY(current.LogIn(QStringLiteral("li"), QStringLiteral("old")));
        TScriptedMessenger m;
        try {
            current.ChangePassword(QStringLiteral("OLD"), QStringLiteral("new"));
            QFAIL("a wrong current password was accepted");
        } catch (const EOrbelError& e) {
            QCOMPARE(e.Message(), QStringLiteral("当前密码验证失败,请确认并重新输入."));
        }
        QVERIFY(m.shown.isEmpty());
        current.ChangePassword(QStringLiteral("old"), QStringLiteral("新密码"));
        QCOMPARE(m.shown.size(), 1);
        QVERIFY(m.Last().contains(QStringLiteral("密码更改成功! 下次登陆时请使用新密码.")));
        const QString stored = StoredPassword("li");
        QVERIFY(TPasswordHash::IsHash(stored));
        QCOMPARE(current.Password, stored);
        TOperator again;
        QVERIFY(!again.LogIn(QStringLiteral("li"), QStringLiteral("old")));
        QVERIFY(again.LogIn(QStringLiteral("li"), QStringLiteral("新密码")));
    }

    void operatorSetListsAllButSaAndMirrorsChanges() {
        InsertOperator(QStringLiteral("sa"), QString());
        InsertOperator(QStringLiteral("zhao"), QStringLiteral("z"));
        TOperatorSet set;
        TDataSet* ds = set.DataSet();
        QCOMPARE(ds->RecordCount(), 1);
        QCOMPARE(set.UserIdField()->DisplayLabel(), QStringLiteral("登陆名"));
        QCOMPARE(set.RightsField()->DisplayLabel(), QStringLiteral("权限"));

        set.Add(QStringLiteral("li"), QStringLiteral("p1"), QStringLiteral(",0,"),
                QStringLiteral("备注"), QStringLiteral("138"), QStringLiteral("李四"));
        QCOMPARE(ds->RecordCount(), 2);
        QCOMPARE(set.NameField()->AsString(), QStringLiteral("李四"));
        const QString stored = StoredPassword("li");
        QVERIFY(TPasswordHash::IsHash(stored));
        QCOMPARE(set.PasswdField()->AsString(), stored);
        TOperator op;
        QVERIFY(op.LogIn(QStringLiteral("li"), QStringLiteral("p1")));
        QCOMPARE(op.Note, QStringLiteral("备注"));
        QCOMPARE(op.Contact, QStringLiteral("138"));

        // Passing the stored hash back keeps the password; a new text replaces it.
        set.Update(QStringLiteral("li"), stored, QStringLiteral(",0,,4,"), QString(),
                   QStringLiteral("139"), QStringLiteral("李四"));
        QCOMPARE(StoredPassword("li"), stored);
        QCOMPARE(set.RightsField()->AsString(), QStringLiteral(",0,,4,"));
        QCOMPARE(set.ContactField()->AsString(), QStringLiteral("139"));
        set.Update(QStringLiteral("li"), QStringLiteral("p2"), QStringLiteral(",0,"), QString(),
                   QString(), QStringLiteral("李四"));
        QVERIFY(op.LogIn(QStringLiteral("li"), QStringLiteral("p2")));
        QCOMPARE(op.Rights, QStringLiteral(",0,"));

        set.Delete(QStringLiteral("zhao"));
        QCOMPARE(ds->RecordCount(), 1);
        QCOMPARE(StoredPassword("zhao"), QStringLiteral("<none>"));
        set.Refresh();
        QCOMPARE(ds->RecordCount(), 1);
        QCOMPARE(set.UserIdField()->AsString(), QStringLiteral("li"));
    }

    void duplicateLoginIsRefusedAndNotMirrored() {
        TOperatorSet set;
        set.Add(QStringLiteral("li"), QStringLiteral("a"), QString(), QString(), QString(),
                QString());
        QVERIFY_THROWS_EXCEPTION(EOrbelError, set.Add(QStringLiteral("li"), QStringLiteral("b"),
                                                      QString(), QString(), QString(), QString()));
        QCOMPARE(set.DataSet()->RecordCount(), 1);
        QVERIFY(set.DataSet()->State() != TDataSet::TState::Insert);
    }
};

ORBEL_DB_TEST_MAIN(TstOperator)
#include "tst_operator.moc"
