#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "app/Error.h"
#include "data/Database.h"
#include "data/RecordSet.h"
#include "records/HouseImageSet.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

QImage TestImage(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.fillRect(0, 0, w / 2, h / 2, QColor(200, 30, 30));
    p.fillRect(w / 2, h / 2, w / 2, h / 2, QColor(20, 60, 220));
    return image;
}

QByteArray Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QVariant DbValue(const QString& sql) {
    TRecordSet rs;
    rs.Open(sql);
    return rs.DataSet()->IsEmpty() ? QVariant(QStringLiteral("<no row>"))
                                   : rs.DataSet()->Field(0)->Value();
}

} // namespace

class TstHouseImages : public QObject {
    Q_OBJECT
  private slots:
    void init() { FreshDatabase(TTestContent::Tables); }

    void addedJpegComesBackByteForByte() {
        const QByteArray jpeg = Encoded(TestImage(64, 48), "JPEG");
        THouseImageSet images;
        images.OpenByHouse(7);
        QCOMPARE(images.SqlText(),
                 QStringLiteral("select * from houseimages where HouseId=:HouseId"));
        QCOMPARE(images.AddImage(7, ".jpg", QStringLiteral("客厅 O'Brien's 100%"), jpeg), 1);
        QCOMPARE(images.AddImage(7, ".jpeg", QStringLiteral("卧室"), jpeg), 2);
        QCOMPARE(images.DataSet()->RecordCount(), 2);

        THouseImageSet reread;
        reread.OpenByHouse(7);
        QCOMPARE(reread.DataSet()->RecordCount(), 2);
        QVERIFY(reread.DataSet()->Locate("Id", 1));
        QCOMPARE(reread.PhotoFld()->AsBytes(), jpeg);
        QCOMPARE(reread.ExtFld()->AsString(), QStringLiteral(".jpg"));
        QCOMPARE(reread.SubjectFld()->AsString(), QStringLiteral("客厅 O'Brien's 100%"));
        QCOMPARE(reread.SaleIdFld()->AsInteger(), 7);
        QVERIFY(reread.TypeIdFld()->IsNull());
        const QImage photo = reread.Photo();
        QCOMPARE(photo.size(), QSize(64, 48));
        QCOMPARE(QColor(photo.pixel(5, 5)).red() > 150, true); // the red quarter survived
        QVERIFY(reread.DataSet()->Locate("Id", 2));
        QCOMPARE(reread.Photo().size(), QSize(64, 48));
    }

    void pngStoredAsBitmapComesBackEqual() {
        const QImage original = TestImage(33, 17);
        const QImage fromPng = QImage::fromData(Encoded(original, "PNG"), "PNG");
        QVERIFY(!fromPng.isNull());
        const QByteArray bmp = THouseImageSet::EncodePicture(fromPng, ".bmp");
        THouseImageSet images;
        images.AddImage(3, ".bmp", QStringLiteral("户型图"), bmp); // opens house 3
        THouseImageSet reread;
        reread.OpenByHouse(3);
        QCOMPARE(reread.PhotoFld()->AsBytes(), bmp);
        QCOMPARE(reread.Photo().convertToFormat(QImage::Format_RGB32), original);
    }

    void iconRoundTrip() {
        const QImage icon = TestImage(32, 32).convertToFormat(QImage::Format_ARGB32);
        THouseImageSet images;
        images.AddImage(1, ".ico", "icon", THouseImageSet::EncodePicture(icon, ".ico"));
        QCOMPARE(images.Photo().size(), QSize(32, 32));
    }

    void extensionsNotReadAreRefused_data() {
        QTest::addColumn<QString>("ext");
        QTest::newRow("capitals") << ".JPG";
        QTest::newRow("emf") << ".emf";
        QTest::newRow("wmf") << ".wmf";
        QTest::newRow("png") << ".png";
        QTest::newRow("no dot") << "jpg";
        QTest::newRow("empty") << "";
    }
    void extensionsNotReadAreRefused() {
        QFETCH(QString, ext);
        THouseImageSet images;
        images.AddImage(1, ext, "x", Encoded(TestImage(8, 8), "JPEG"));
        try {
            images.Photo();
            QFAIL("no error");
        } catch (const EOrbelError& e) {
            QCOMPARE(e.Message(), QStringLiteral("未知的图片格式!"));
        }
        QVERIFY_THROWS_EXCEPTION(EOrbelError, THouseImageSet::EncodePicture(TestImage(8, 8), ext));
    }

    void setImageWithoutPictureClearsPhotoKeepsExt() {
        THouseImageSet images;
        const int id = images.AddImage(2, ".jpg", "a", Encoded(TestImage(8, 8), "JPEG"));
        QVERIFY(images.SetImage(id, ".bmp", QByteArray()));
        QVERIFY(DbValue("select Photo from houseimages").isNull());
        QCOMPARE(DbValue("select Ext from houseimages").toString(), QStringLiteral(".jpg"));
        QVERIFY(images.PhotoFld()->IsNull());
        QCOMPARE(images.ExtFld()->AsString(), QStringLiteral(".jpg"));
        QVERIFY(images.Photo().isNull());

        // Replacing with a picture stores both the bytes and the new extension.
        const QByteArray bmp = THouseImageSet::EncodePicture(TestImage(9, 9), ".bmp");
        QVERIFY(images.SetImage(id, ".bmp", bmp));
        QCOMPARE(DbValue("select Ext from houseimages").toString(), QStringLiteral(".bmp"));
        QCOMPARE(DbValue("select Photo from houseimages").toByteArray(), bmp);
    }

    void addWithoutPictureLeavesPhotoNull() {
        THouseImageSet images;
        QCOMPARE(images.AddImage(4, ".jpg", QStringLiteral("待拍"), QByteArray()), 1);
        QVERIFY(DbValue("select Photo from houseimages").isNull());
        QCOMPARE(DbValue("select Subject from houseimages").toString(), QStringLiteral("待拍"));
        QVERIFY(images.Photo().isNull());
    }

    void renameAndDelete() {
        THouseImageSet images;
        images.AddImage(5, ".jpg", "a", QByteArray());
        images.AddImage(5, ".jpg", "b", QByteArray());
        QVERIFY(images.RenameImage(1, QStringLiteral("主卧 'x' %_")));
        QCOMPARE(DbValue("select Subject from houseimages where Id=1").toString(),
                 QStringLiteral("主卧 'x' %_"));
        QCOMPARE(images.SubjectFld()->AsString(), QStringLiteral("主卧 'x' %_"));
        images.DeleteImage(1);
        QCOMPARE(images.DataSet()->RecordCount(), 1);
        QCOMPARE(DbValue("select count(*) from houseimages").toInt(), 1);
        QCOMPARE(DbValue("select Subject from houseimages").toString(), QStringLiteral("b"));
    }

    void unknownIdDoesNothingAndSendsNothing() {
        THouseImageSet images;
        images.AddImage(5, ".jpg", "a", QByteArray());
        // With the table gone any statement would fail.
        DbConnection().Execute("drop table houseimages");
        QVERIFY(!images.SetImage(99, ".jpg", QByteArray("x")));
        QVERIFY(!images.RenameImage(99, "x"));
        images.DeleteImage(99);
        QCOMPARE(images.DataSet()->RecordCount(), 1);
        QCOMPARE(images.SubjectFld()->AsString(), QStringLiteral("a"));
    }

    void failedInsertKeepsTheListedRow() {
        THouseImageSet images;
        images.OpenByHouse(5);
        // A table without the caption column: the insert fails after the row is listed.
        DbConnection().Execute("drop table houseimages");
        DbConnection().Execute("create table houseimages(Id integer, HouseId integer)");
        TScriptedMessenger m;
        QVERIFY_THROWS_EXCEPTION(EOrbelError,
                                 images.AddImage(5, ".jpg", "a", Encoded(TestImage(4, 4), "JPEG")));
        QCOMPARE(images.DataSet()->RecordCount(), 1);
    }
};

ORBEL_DB_TEST_MAIN(TstHouseImages)
#include "tst_houseimages.moc"
