#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "app/Error.h"
#include "data/Company.h"
#include "data/CompanyEditor.h"
#include "data/Database.h"
#include "data/KeyValue.h"
#include "data/KeyValue2.h"
#include "data/Options.h"
#include "data/RecordSet.h"

#include <QTest>

#include <functional>

namespace {

QVariant DbValue(const QString& sql, const TDBParameters& params = {}) {
    TRecordSet rs;
    rs.Open(sql, params);
    return rs.DataSet()->IsEmpty() ? QVariant(QStringLiteral("<no row>"))
                                   : rs.DataSet()->Field(0)->Value();
}

int RowCount(const QString& sql, const TDBParameters& params = {}) {
    TRecordSet rs;
    return rs.Open(sql, params);
}

void InsertOption(int key, const QString& list) {
    DbConnection().Execute(QStringLiteral("insert into options([Key], List) values (:K, :L)"),
                           {Param("K", key), Param("L", list)});
}

// A company dialog that answers from a script and records what it was given.
class TScriptedCompanyEditor : public TCompanyEditor {
  public:
    struct TAnswer {
        bool ok;
        QString name;
        QString tel;
    };
    QList<TAnswer> answers;
    int shownFills = 0;
    int executions = 0;
    bool readOnly = false;
    QString filledName;
    QStringList telAtExecute; // the record's telephone each time the dialog is shown
    TCompany* watched = nullptr;

    void SetReadOnly(bool r) override { readOnly = r; }
    void ShowCompany(const TCompany& c) override {
        ++shownFills;
        filledName = c.CompanyName;
    }
    bool Execute() override {
        if (watched)
            telAtExecute << watched->Tel;
        return executions < answers.size() && answers[executions++].ok;
    }
    void TakeCompany(TCompany& c) const override {
        const TAnswer& a = answers[executions - 1];
        c.CompanyName = a.name;
        c.Manager = QStringLiteral("王经理");
        c.Tel = a.tel;
        c.Fax = QStringLiteral("fax");
        c.Address = QStringLiteral("人民路1号");
        c.Zip = QStringLiteral("100000");
        c.Profile = QStringLiteral("简介 O'Brien 100%");
    }
};

// The named entries of the options list and the rows they stand for.
struct TNamedEntry {
    const char* name;
    int index;
    QString (TOptions::*getter)() const;
    void (TOptions::*setter)(const QString&);
};
const TNamedEntry kNamedEntries[] = {
    {"District", 0, &TOptions::District, &TOptions::SetDistrict},
    {"HouseType", 1, &TOptions::HouseType, &TOptions::SetHouseType},
    {"RoomType", 2, &TOptions::RoomType, &TOptions::SetRoomType},
    {"Direction", 3, &TOptions::Direction, &TOptions::SetDirection},
    {"Decoration", 4, &TOptions::Decoration, &TOptions::SetDecoration},
    {"PropRight", 5, &TOptions::PropRight, &TOptions::SetPropRight},
    {"Furniture", 7, &TOptions::Furniture, &TOptions::SetFurniture},
    {"LivePact", 8, &TOptions::LivePact, &TOptions::SetLivePact},
    {"Purpose", 9, &TOptions::Purpose, &TOptions::SetPurpose},
    {"Traffic", 10, &TOptions::Traffic, &TOptions::SetTraffic},
    {"SaleSnRule", 11, &TOptions::SaleSnRule, &TOptions::SetSaleSnRule},
    {"RentSnRule", 12, &TOptions::RentSnRule, &TOptions::SetRentSnRule},
    {"BuySnRule", 13, &TOptions::BuySnRule, &TOptions::SetBuySnRule},
    {"BorrowSnRule", 14, &TOptions::BorrowSnRule, &TOptions::SetBorrowSnRule},
    {"FeedbackPrompt", 19, &TOptions::FeedbackPrompt, &TOptions::SetFeedbackPrompt},
    {"DefaultSql4Sale", 20, &TOptions::DefaultSql4Sale, &TOptions::SetDefaultSql4Sale},
    {"DefaultSql4Rent", 21, &TOptions::DefaultSql4Rent, &TOptions::SetDefaultSql4Rent},
    {"DefaultSql4Buy", 22, &TOptions::DefaultSql4Buy, &TOptions::SetDefaultSql4Buy},
    {"DefaultSql4Borrow", 23, &TOptions::DefaultSql4Borrow, &TOptions::SetDefaultSql4Borrow},
    {"TipPrompt", 24, &TOptions::TipPrompt, &TOptions::SetTipPrompt},
    {"OutWall", 26, &TOptions::OutWall, &TOptions::SetOutWall},
    {"FloorBoard", 27, &TOptions::FloorBoard, &TOptions::SetFloorBoard},
    {"CanSchool", 28, &TOptions::CanSchool, &TOptions::SetCanSchool},
    {"FundUnit", 30, &TOptions::FundUnit, &TOptions::SetFundUnit},
    {"Place", 32, &TOptions::Place, &TOptions::SetPlace},
    {"ComeFrom", 33, &TOptions::ComeFrom, &TOptions::SetComeFrom},
    {"InnerWall", 34, &TOptions::InnerWall, &TOptions::SetInnerWall},
    {"WinDoor", 35, &TOptions::WinDoor, &TOptions::SetWinDoor},
    {"Utilities", 36, &TOptions::Utilities, &TOptions::SetUtilities},
    {"HomeWiring", 37, &TOptions::HomeWiring, &TOptions::SetHomeWiring},
    {"Hospitals", 38, &TOptions::Hospitals, &TOptions::SetHospitals},
    {"Markets", 39, &TOptions::Markets, &TOptions::SetMarkets},
    {"Burgages", 40, &TOptions::Burgages, &TOptions::SetBurgages},
    {"SaleState", 41, &TOptions::SaleState, &TOptions::SetSaleState},
    {"RentState", 42, &TOptions::RentState, &TOptions::SetRentState},
    {"BuyState", 43, &TOptions::BuyState, &TOptions::SetBuyState},
    {"BorrowState", 44, &TOptions::BorrowState, &TOptions::SetBorrowState},
    {"ImeName", 45, &TOptions::ImeName, &TOptions::SetImeName},
    {"Industry", 46, &TOptions::Industry, &TOptions::SetIndustry},
    {"PlacardTypes", 47, &TOptions::PlacardTypes, &TOptions::SetPlacardTypes},
};

} // namespace

class TstKeyValue : public QObject {
    Q_OBJECT
  private slots:
    void init() { FreshDatabase(TTestContent::Tables); }

    void flagDefaultsAndStoredFlags() {
        TKeyValue kv;
        QVERIFY(kv.GetValue(9).isNull());
        QCOMPARE(kv.GetFlag(9, true), true);
        QCOMPARE(kv.GetFlag(9, false), false);
        kv.SetValue(9, false); // inserts the row
        QCOMPARE(kv.GetFlag(9, true), false);
        kv.SetValue(9, true); // updates it
        QCOMPARE(kv.GetFlag(9, false), true);
        QCOMPARE(RowCount("select * from keyvalue where KeyId=9"), 1);
        // Another instance reads the same store.
        QCOMPARE(TKeyValue().GetFlag(9, false), true);
    }

    void storedTextsReadAsFlags_data() {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<bool>("defaultFlag");
        QTest::addColumn<bool>("expected");
        QTest::newRow("1") << QVariant("1") << false << true;
        QTest::newRow("0") << QVariant("0") << true << false;
        QTest::newRow("-1") << QVariant("-1") << false << true;
        QTest::newRow("True") << QVariant("True") << false << true;
        QTest::newRow("false") << QVariant("false") << true << false;
        QTest::newRow("not a flag, default true") << QVariant("abc") << true << true;
        QTest::newRow("not a flag, default false") << QVariant("abc") << false << false;
        QTest::newRow("empty text") << QVariant("") << true << true;
        QTest::newRow("null") << QVariant() << true << true;
    }
    void storedTextsReadAsFlags() {
        QFETCH(QVariant, stored);
        QFETCH(bool, defaultFlag);
        QFETCH(bool, expected);
        DbConnection().Execute(
            "insert into keyvalue(KeyId, [Value]) values (3, :V)",
            {Param("V", stored.isNull() ? QVariant(QMetaType::fromType<QString>()) : stored)});
        QCOMPARE(TKeyValue().GetFlag(3, defaultFlag), expected);
    }

    void textsAndNullValues() {
        TKeyValue kv;
        QCOMPARE(kv.GetText(6, "默认"), QStringLiteral("默认"));                   // no row
        DbConnection().Execute("insert into keyvalue(KeyId, Vint) values (6, 1)"); // [Value] NULL
        QCOMPARE(kv.GetText(6), QString());
        QCOMPARE(kv.GetText(6, "默认"), QStringLiteral("默认"));
        const QString fields = QStringLiteral("Code;O'Brien;100%_\\;房号");
        kv.SetValue(6, fields);
        QCOMPARE(kv.GetText(6, "x"), fields);
        QCOMPARE(RowCount("select * from keyvalue where KeyId=6"), 1);
        kv.SetValue(6, QVariant());
        QCOMPARE(kv.GetText(6, "默认"), QStringLiteral("默认"));
    }

    void dailyTipCreatesMissingRowAndReadsFalse() {
        TKeyValue2 kv2;
        QCOMPARE(RowCount("select * from keyvalue where KeyId=1"), 0);
        QCOMPARE(kv2.DailyTipPrompt(), false);
        QCOMPARE(RowCount("select * from keyvalue where KeyId=1"), 1);
        QCOMPARE(kv2.DailyTipPrompt(), false); // no second row
        QCOMPARE(RowCount("select * from keyvalue where KeyId=1"), 1);
    }

    void flagWriteStoresEmptyTextAndZeros() {
        DbConnection().Execute(
            "insert into keyvalue(KeyId, Vstr, Vint, Vfloat) values (0, 'old', 42, 2.5)");
        TKeyValue2 kv2;
        QCOMPARE(kv2.FeedbackPrompt(), false);
        kv2.SetFeedbackPrompt(true);
        QCOMPARE(kv2.FeedbackPrompt(), true);
        QCOMPARE(kv2.VstrFld()->AsString(), QString());
        QCOMPARE(kv2.VintFld()->AsInteger(), 0);
        QCOMPARE(DbValue("select Vint from keyvalue where KeyId=0").toInt(), 0);
        QCOMPARE(DbValue("select Vfloat from keyvalue where KeyId=0").toDouble(), 0.0);
        QCOMPARE(DbValue("select Vstr from keyvalue where KeyId=0").toString(), QString());
        QCOMPARE(DbValue("select Vbool from keyvalue where KeyId=0").toInt(), 1);
        // A fresh store reads what was written.
        QCOMPARE(TKeyValue2().FeedbackPrompt(), true);
        kv2.SetFeedbackPrompt(false);
        QCOMPARE(TKeyValue2().FeedbackPrompt(), false);
    }

    void storeInsertsMissingKeyAndLocalCopyFollows() {
        TKeyValue2 kv2;
        QCOMPARE(kv2.DailyTipPrompt(), false); // opens the local copy
        kv2.Store(50, QStringLiteral("文本"), true, 1.25, 7);
        QCOMPARE(DbValue("select Vint from keyvalue where KeyId=50").toInt(), 7);
        QCOMPARE(kv2.ReadFlag(50), true);
        QCOMPARE(kv2.VstrFld()->AsString(), QStringLiteral("文本"));
        QCOMPARE(kv2.VfloatFld()->AsFloat(), 1.25);
        // Key 1 was not touched by the write of key 50.
        QCOMPARE(kv2.DailyTipPrompt(), false);
    }

    void everyNamedEntryReadsAndWritesItsRow() {
        for (int k = 0; k < TOptions::kEntryCount; ++k)
            InsertOption(k, QStringLiteral("entry%1").arg(k));
        TOptions options;
        for (const TNamedEntry& e : kNamedEntries) {
            QVERIFY2((options.*e.getter)() == QStringLiteral("entry%1").arg(e.index), e.name);
            (options.*e.setter)(QStringLiteral("新%1").arg(e.index));
        }
        options.SaveAll();
        TOptions reread;
        for (const TNamedEntry& e : kNamedEntries)
            QVERIFY2(reread.GetByIndex(e.index) == QStringLiteral("新%1").arg(e.index), e.name);
        // Rows without a property keep their text.
        for (int k : {6, 15, 16, 17, 18, 25, 29, 31})
            QCOMPARE(reread.GetByIndex(k), QStringLiteral("entry%1").arg(k));
    }

    void deliveredDatabaseReadsThroughTheStores() {
        FreshDatabase(TTestContent::Delivered);
        TOptions options;
        QCOMPARE(options.DataSet()->RecordCount(), TOptions::kEntryCount);
        QVERIFY(!options.District().isEmpty());
        QVERIFY(options.SaleState().contains(QStringLiteral("\r\n")));
        for (int key : {3, 5, 8, 9})
            QCOMPARE(TKeyValue().GetFlag(key, false), true);
        TKeyValue2 kv2;
        QCOMPARE(kv2.DailyTipPrompt(), true);
        QCOMPARE(kv2.FeedbackPrompt(), false);
    }

    void optionsEntriesByPosition() {
        for (int k = 0; k < TOptions::kEntryCount; ++k)
            InsertOption(k, QStringLiteral("entry%1\r\nsecond").arg(k));
        TOptions options;
        const QList<QPair<int, std::function<QString()>>> named{
            {0, [&] { return options.District(); }},
            {2, [&] { return options.RoomType(); }},
            {8, [&] { return options.LivePact(); }},
            {11, [&] { return options.SaleSnRule(); }},
            {19, [&] { return options.FeedbackPrompt(); }},
            {22, [&] { return options.DefaultSql4Buy(); }},
            {30, [&] { return options.FundUnit(); }},
            {44, [&] { return options.BorrowState(); }},
            {45, [&] { return options.ImeName(); }},
            {47, [&] { return options.PlacardTypes(); }},
        };
        for (const auto& [index, read] : named)
            QCOMPARE(read(), QStringLiteral("entry%1\r\nsecond").arg(index));

        // Changes stay in memory until SaveAll.
        options.SetDistrict(QStringLiteral("东区\r\n西区"));
        QCOMPARE(options.District(), QStringLiteral("东区\r\n西区"));
        QCOMPARE(DbValue("select List from options where [Key]=0").toString(),
                 QStringLiteral("entry0\r\nsecond"));
        options.SetImeName(QStringLiteral("it's 100%_"));
        options.SaveAll();
        TOptions reread;
        QCOMPARE(reread.District(), QStringLiteral("东区\r\n西区"));
        QCOMPARE(reread.ImeName(), QStringLiteral("it's 100%_"));
        QCOMPARE(reread.Traffic(), QStringLiteral("entry10\r\nsecond"));
    }

    void optionsWithAGapInTheKeys() {
        InsertOption(0, "zero");
        InsertOption(1, "one");
        InsertOption(3, "three");
        TOptions options;
        QCOMPARE(options.GetByIndex(2), QStringLiteral("three"));
        // Three rows: entry 3 does not exist.
        QVERIFY_THROWS_EXCEPTION(EOrbelError, options.Direction());
    }

    void optionsSaveWritesEachEntryBackToItsRow() {
        // With keys 0, 1, 3 entry 2 is the row with key 3; its text goes back there
        // instead of to a key 2 that has no row.
        InsertOption(0, "zero");
        InsertOption(1, "one");
        InsertOption(3, "three");
        TOptions options;
        options.SetByIndex(2, QStringLiteral("changed"));
        options.SaveAll();
        QCOMPARE(DbValue("select List from options where [Key]=3").toString(),
                 QStringLiteral("changed"));
        QCOMPARE(RowCount("select * from options where [Key]=2"), 0);
        QCOMPARE(TOptions().GetByIndex(2), QStringLiteral("changed"));
    }

    void optionsIndexBeyondTheRowsFails() {
        InsertOption(0, "zero");
        TOptions options;
        QVERIFY_THROWS_EXCEPTION(EOrbelError, options.GetByIndex(1));
        QVERIFY_THROWS_EXCEPTION(EOrbelError, options.SetByIndex(5, "x"));
        QVERIFY_THROWS_EXCEPTION(EOrbelError, options.GetByIndex(-1));
        QCOMPARE(options.GetByIndex(0), QStringLiteral("zero"));
    }

    void companyFilledByGbkBytes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("filled");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("three characters, 6 bytes") << QStringLiteral("房产网") << false;
        QTest::newRow("four characters, 8 bytes") << QStringLiteral("朔禾房产") << true;
        QTest::newRow("7 ascii") << QStringLiteral("ABCDEFG") << false;
        QTest::newRow("8 ascii") << QStringLiteral("ABCDEFGH") << true;
        QTest::newRow("mixed 3+2") << QStringLiteral("朔禾房AB") << true;
    }
    void companyFilledByGbkBytes() {
        QFETCH(QString, name);
        QFETCH(bool, filled);
        TCompany c;
        c.CompanyName = name;
        QCOMPARE(c.Filled(), filled);
    }

    void companyLoadEmptySaveInsertsThenUpdates() {
        TCompany c;
        c.CompanyName = QStringLiteral("旧名");
        c.Id = 5;
        c.Updated = true;
        c.Load();
        QCOMPARE(c.Id, 0);
        QCOMPARE(c.CompanyName, QString());
        QCOMPARE(c.Updated, false);

        c.CompanyName = QStringLiteral("朔禾房地产 O'Brien");
        c.Profile = QStringLiteral("简介\r\n第二行");
        c.Updated = true;
        c.Save();
        QCOMPARE(RowCount("select * from Company"), 1);
        QCOMPARE(DbValue("select Id from Company").toInt(), 0);

        c.Tel = QStringLiteral("0571-1234");
        c.Save();
        QCOMPARE(RowCount("select * from Company"), 1);
        TCompany loaded;
        loaded.Load();
        QCOMPARE(loaded.Id, 0);
        QCOMPARE(loaded.CompanyName, c.CompanyName);
        QCOMPARE(loaded.Tel, QStringLiteral("0571-1234"));
        QCOMPARE(loaded.Profile, c.Profile);
        QCOMPARE(loaded.Updated, true);
    }

    void companyEditReloadsAndShowsAgainOnError() {
        // A company table that refuses one telephone number, so a save can fail.
        DbConnection().Execute("drop table Company");
        DbConnection().Execute(
            "create table Company(Id integer primary key, CompanyName varchar(100), "
            "Manager varchar(50), Tel varchar(50), Fax varchar(50), Address varchar(100), "
            "Zip varchar(20), Profile text, UseCount integer, Updated integer, "
            "check (Tel <> 'bad'))");
        DbConnection().Execute(
            "insert into Company(Id, CompanyName, Tel) values (3, '旧公司', '111')");
        TCompany c;
        c.Load();
        QCOMPARE(c.Id, 3);
        TScriptedCompanyEditor editor;
        editor.watched = &c;
        editor.answers = {{true, QStringLiteral("新公司名称"), QStringLiteral("bad")},
                          {true, QStringLiteral("新公司名称"), QStringLiteral("222")}};
        TScriptedMessenger m;
        QVERIFY(c.Edit(editor, false));
        QCOMPARE(editor.readOnly, false);
        QCOMPARE(editor.shownFills, 1); // filled once; shown again with what was typed
        QCOMPARE(editor.filledName, QStringLiteral("旧公司"));
        QCOMPARE(editor.executions, 2);
        QCOMPARE(m.shown.size(), 1);
        // Before the second showing the record was reloaded from the database.
        QCOMPARE(editor.telAtExecute, QStringList({"111", "111"}));
        TCompany saved;
        saved.Load();
        QCOMPARE(saved.CompanyName, QStringLiteral("新公司名称"));
        QCOMPARE(saved.Tel, QStringLiteral("222"));
        QCOMPARE(saved.Profile, QStringLiteral("简介 O'Brien 100%"));
    }

    void companyEditCancelAndReadOnlySaveNothing() {
        TCompany c;
        c.CompanyName = QStringLiteral("原来的名称");
        TScriptedCompanyEditor editor;
        editor.answers = {{false, QString(), QString()}};
        QVERIFY(!c.Edit(editor, true));
        QCOMPARE(editor.readOnly, true);
        QCOMPARE(c.CompanyName, QStringLiteral("原来的名称"));
        QCOMPARE(RowCount("select * from Company"), 0);
    }
};

ORBEL_DB_TEST_MAIN(TstKeyValue)
#include "tst_keyvalue.moc"
