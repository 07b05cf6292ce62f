#include "ScriptedMessenger.h"
#include "TestDatabase.h"

#include "app/Error.h"
#include "data/Database.h"
#include "data/KeyValue.h"
#include "data/RecordSet.h"
#include "operations/HouseMgr.h"
#include "operators/Operator.h"
#include "records/RecordContext.h"
#include "screens/HouseImageFra.h"
#include "screens/ImageBox.h"
#include "screens/ImageDlgFrm.h"
#include "screens/ImgMgrFrm.h"
#include "screens/PictureFiles.h"
#include "toolkit/zyPhoto.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <functional>

namespace {

// Answers input boxes from a queue like the scripted messenger, and remembers
// the text each input box started with.
class TInputMessenger : public TScriptedMessenger {
  public:
    bool InputQuery(const QString& caption, const QString& prompt, QString& value) override {
        captions << caption;
        initial << value;
        return TScriptedMessenger::InputQuery(caption, prompt, value);
    }
    QStringList captions;
    QStringList initial;
};

QString Denied(int right) {
    return QStringLiteral("\r\n对不起,您没有该功能的操作权限,请与管理员联系(%1).\t").arg(right);
}

QImage Filled(int w, int h, const QColor& color) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QByteArray Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QVariant Scalar(const QString& sql, const TDBParameters& params = {}) {
    TRecordSet& s = ScratchSet();
    s.Open(sql, params);
    const QVariant v = s.DataSet()->IsEmpty() ? QVariant() : s.DataSet()->Field(0)->Value();
    s.Close();
    return v;
}

int ImageCount(int houseId) {
    return Scalar(QStringLiteral("select count(*) from houseimages where HouseId=:H"),
                  {Param(QStringLiteral("H"), houseId)})
        .toInt();
}

void InsertHouse(int id, const QString& broker, const QString& addor) {
    DbConnection().Execute(
        QStringLiteral("insert into house(Id, IsRecycle, Code, HouseName, Broker, Addor, Billman) "
                       "values (:Id, 0, :Code, '碧园', :Broker, :Addor, :Addor)"),
        {Param(QStringLiteral("Id"), id),
         Param(QStringLiteral("Code"), QStringLiteral("FY%1").arg(id)),
         Param(QStringLiteral("Broker"), broker), Param(QStringLiteral("Addor"), addor)});
}

void InsertImage(int id, int houseId, const QString& subject, const QString& ext,
                 const QByteArray& photo) {
    DbConnection().Execute(
        QStringLiteral(
            "insert into houseimages(Id, HouseId, Subject, Ext) values (:Id, :H, :S, :E)"),
        {Param(QStringLiteral("Id"), id), Param(QStringLiteral("H"), houseId),
         Param(QStringLiteral("S"), subject), Param(QStringLiteral("E"), ext)});
    DbConnection().Execute(QStringLiteral("update houseimages set Photo=:Imagex where Id=:Id"),
                           {Param(QStringLiteral("Id"), id)},
                           {TxDBParameter{QStringLiteral("Imagex"), photo}});
}

void LogIn(const QString& loginId, const QString& rights = QString()) {
    CurrentOperator() = TOperator();
    CurrentOperator().LoginId = loginId;
    CurrentOperator().Rights = rights;
    SetCurrentLoginId(loginId);
}

QStringList Texts(const QList<QAction*>& actions) {
    QStringList texts;
    for (QAction* a : actions)
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

QStringList Captions(const TImageBox& box) {
    QStringList captions;
    for (TzyPhoto* p : box.Photos())
        captions << p->Caption();
    return captions;
}

// Picture files in a temporary folder; the open dialogs answer from a queue.
class TPictureFolder {
  public:
    TPictureFolder()
        : m_open(TPictureFiles::OpenFile), m_save(TPictureFiles::SaveFile),
          m_exec(TImageBox::ExecImageDialog) {
        TPictureFiles::OpenFile = [this](QWidget*, const QString& filter) {
            filters << filter;
            return opens.isEmpty() ? QString() : opens.takeFirst();
        };
        TPictureFiles::SaveFile = [this](QWidget*, const QString& filter) {
            filters << filter;
            return saves.isEmpty() ? QString() : saves.takeFirst();
        };
    }
    ~TPictureFolder() {
        TPictureFiles::OpenFile = m_open;
        TPictureFiles::SaveFile = m_save;
        TImageBox::ExecImageDialog = m_exec;
    }
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }
    static QByteArray Read(const QString& path) {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

    QTemporaryDir dir;
    QStringList opens;
    QStringList saves;
    QStringList filters;

  private:
    TPictureFiles::TChooser m_open;
    TPictureFiles::TChooser m_save;
    std::function<bool(TImageDlgFrm&)> m_exec;
};

} // namespace

class TstImageManager : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        FreshDatabase(TTestContent::Tables);
        LogIn(QStringLiteral("li"));
        InsertHouse(1, QStringLiteral("li"), QStringLiteral("li"));
        InsertHouse(2, QString(), QStringLiteral("wang"));
    }

    void addRenameReplaceDelete() {
        TPictureFolder files;
        TInputMessenger m;
        THouseMgr houses;
        houses.Open(QStringLiteral("select * from house order by Id"));
        TImgMgrFrm window(houses);
        TImageBox* box = window.ImageBox();
        QCOMPARE(window.Caption(), QStringLiteral("图片管理"));
        QVERIFY(box->Photos().isEmpty());

        // Cancelling the file or the title stores nothing.
        box->Run(&TImageBox::AddClick);
        const QByteArray red = Encoded(Filled(200, 100, Qt::red), "JPEG");
        files.opens << files.Write(QStringLiteral("a.JPG"), red);
        m.AnswerInput(QString(), false);
        box->Run(&TImageBox::AddClick);
        QCOMPARE(ImageCount(1), 0);

        files.opens << files.Write(QStringLiteral("a.JPG"), red);
        m.AnswerInput(QStringLiteral("客厅"));
        box->Run(&TImageBox::AddClick);
        QCOMPARE(m.captions.last(), QStringLiteral("提示"));
        QCOMPARE(m.shown.last(), QStringLiteral("请输入图片名称"));
        QCOMPARE(m.initial.last(), QString());
        QCOMPARE(ImageCount(1), 1);
        QCOMPARE(Scalar(QStringLiteral("select Subject from houseimages")).toString(),
                 QStringLiteral("客厅"));
        QCOMPARE(Scalar(QStringLiteral("select Ext from houseimages")).toString(),
                 QStringLiteral(".jpg"));
        QCOMPARE(Scalar(QStringLiteral("select Photo from houseimages")).toByteArray(), red);
        QCOMPARE(Captions(*box), QStringList{QStringLiteral("客厅")});
        TzyPhoto* photo = box->Photos().first();
        QVERIFY(photo->Selected());
        QCOMPARE(photo->Picture().size(), QSize(200, 100));
        QCOMPARE(photo->Ext(), QStringLiteral(".jpg"));
        QVERIFY(files.filters.first().contains(QStringLiteral("*.bmp")));

        // Renaming starts from the current title.
        m.AnswerInput(QStringLiteral("主卧"));
        box->Run(&TImageBox::RenameClick);
        QCOMPARE(m.initial.last(), QStringLiteral("客厅"));
        QCOMPARE(photo->Caption(), QStringLiteral("主卧"));
        QCOMPARE(Scalar(QStringLiteral("select Subject from houseimages")).toString(),
                 QStringLiteral("主卧"));

        // Replacing: the dialog starts with the stored picture and loads another.
        const QByteArray blue = Encoded(Filled(50, 80, Qt::blue), "JPEG");
        files.opens << files.Write(QStringLiteral("b.jpeg"), blue);
        int shown = 0;
        TImageBox::ExecImageDialog = [&](TImageDlgFrm& dialog) {
            ++shown;
            if (shown == 1) {
                if (dialog.Picture().Image.size() != QSize(200, 100) ||
                    dialog.Picture().Bytes != red || dialog.windowTitle() != QStringLiteral("图像"))
                    return false;
                dialog.LoadClick();
            }
            return true;
        };
        box->Run(&TImageBox::OpenClick);
        QCOMPARE(shown, 1);
        QCOMPARE(Scalar(QStringLiteral("select Ext from houseimages")).toString(),
                 QStringLiteral(".jpeg"));
        QCOMPARE(Scalar(QStringLiteral("select Photo from houseimages")).toByteArray(), blue);
        QCOMPARE(photo->Picture().size(), QSize(50, 80));
        QCOMPARE(photo->Ext(), QStringLiteral(".jpeg"));
        QCOMPARE(files.filters.last(), TPictureFiles::JpegFilter());

        // The image survives a reload, then goes without a question.
        box->Reload();
        QCOMPARE(box->Photos().first()->Picture().size(), QSize(50, 80));
        box->Select(box->Photos().first());
        m.Clear();
        box->Run(&TImageBox::DeleteClick);
        QCOMPARE(m.shown, QStringList());
        QCOMPARE(ImageCount(1), 0);
        QVERIFY(box->Photos().isEmpty());
    }

    // Storing fails: the message, then the dialog again with its new picture;
    // Cancel ends it.
    void failedReplacementOffersTheDialogAgain() {
        InsertImage(1, 1, QStringLiteral("厨房"), QStringLiteral(".jpg"),
                    Encoded(Filled(40, 40, Qt::green), "JPEG"));
        TPictureFolder files;
        TScriptedMessenger m;
        THouseMgr houses;
        houses.Open(QStringLiteral("select * from house order by Id"));
        TImageBox box(houses);
        box.Select(box.Photos().first());
        DbConnection().Execute(QStringLiteral("alter table houseimages rename to himages"));
        files.opens << files.Write(QStringLiteral("c.jpg"),
                                   Encoded(Filled(30, 60, Qt::red), "JPEG"));
        QList<QSize> seen;
        TImageBox::ExecImageDialog = [&](TImageDlgFrm& dialog) {
            seen << dialog.Picture().Image.size();
            if (seen.size() == 1)
                dialog.LoadClick();
            return seen.size() == 1;
        };
        box.Run(&TImageBox::OpenClick);
        QCOMPARE(seen, (QList<QSize>{QSize(40, 40), QSize(30, 60)}));
        QCOMPARE(m.shown.size(), 1);
        QCOMPARE(box.Photos().first()->Picture().size(), QSize(40, 40));
        DbConnection().Execute(QStringLiteral("alter table himages rename to houseimages"));
    }

    void menus() {
        TScriptedMessenger m;
        THouseMgr houses;
        houses.Open(QStringLiteral("select * from house order by Id"));
        TImageBox box(houses);
        box.resize(500, 200);
        box.show();
        QVERIFY(box.Photos().isEmpty());
        QTest::mousePress(box.Panel(), Qt::RightButton, {}, QPoint(100, 50));
        QVERIFY(box.SpaceMenu()->isVisible());
        QCOMPARE(Texts(box.SpaceMenu()->actions()), QStringList{QStringLiteral("添加")});
        box.SpaceMenu()->hide();
        QVERIFY(!box.PhotoMenu()->isVisible());

        InsertImage(1, 1, QStringLiteral("A"), QStringLiteral(".jpg"),
                    Encoded(Filled(40, 40, Qt::green), "JPEG"));
        InsertImage(2, 1, QStringLiteral("B"), QStringLiteral(".jpg"),
                    Encoded(Filled(50, 40, Qt::green), "JPEG"));
        box.Reload();
        TzyPhoto* second = box.Photos()[1];
        QTest::mousePress(second->BorderPart(), Qt::RightButton, {}, QPoint(3, 3));
        QVERIFY(second->Selected());
        QVERIFY(!box.Photos()[0]->Selected());
        QVERIFY(box.PhotoMenu()->isVisible());
        QCOMPARE(Texts(box.PhotoMenu()->actions()),
                 QStringList({"打开", "-", "添加", "重命名", "-", "删除"}));
        box.PhotoMenu()->hide();
        // A left press on the picture selects the other one.
        QTest::mousePress(box.Photos()[0]->PicturePart(), Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(box.Photos()[0]->Selected());
        QVERIFY(!second->Selected());
        QVERIFY(!box.PhotoMenu()->isVisible());

        // A double-click opens the image.
        TPictureFolder files;
        QStringList opened;
        TImageBox::ExecImageDialog = [&](TImageDlgFrm& dialog) {
            opened << QString::number(dialog.Picture().Image.width());
            return false;
        };
        QTest::mouseDClick(second->PicturePart(), Qt::LeftButton, {}, QPoint(2, 2));
        QTRY_COMPARE(opened, QStringList{QStringLiteral("50")});
        QVERIFY(second->Selected());
    }

    void permission_data() {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("rights");
        QTest::addColumn<QString>("broker"); // of a house registered by wang
        QTest::addColumn<bool>("brokerSwitch");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("broker") << "li"
                                << ""
                                << "li" << true << true;
        QTest::newRow("broker with the switch off") << "li"
                                                    << ""
                                                    << "li" << false << false;
        QTest::newRow("broker, switch off, right 4") << "li"
                                                     << ",4,"
                                                     << "li" << false << true;
        QTest::newRow("registrar of a house without broker") << "wang"
                                                             << ""
                                                             << "" << false << true;
        QTest::newRow("registrar of a house with broker") << "wang"
                                                          << ""
                                                          << "zhao" << true << false;
        QTest::newRow("another operator") << "zhao"
                                          << ",0,1,24,"
                                          << "li" << true << false;
        QTest::newRow("another operator with right 4") << "zhao"
                                                       << ",4,"
                                                       << "li" << true << true;
        QTest::newRow("sa") << "sa"
                            << ""
                            << "zhao" << false << true;
    }

    // Adding and deleting need the permission; retitling never does.
    void permission() {
        QFETCH(QString, login);
        QFETCH(QString, rights);
        QFETCH(QString, broker);
        QFETCH(bool, brokerSwitch);
        QFETCH(bool, allowed);
        const int house = 2;
        DbConnection().Execute(QStringLiteral("update house set Broker=:B where Id=2"),
                               {Param(QStringLiteral("B"), broker)});
        TKeyValue().SetFlag(TKeyValue::kBrokerMayEdit, brokerSwitch);
        InsertImage(1, house, QStringLiteral("旧"), QStringLiteral(".jpg"),
                    Encoded(Filled(40, 40, Qt::green), "JPEG"));
        LogIn(login, rights);
        TPictureFolder files;
        TScriptedMessenger m;
        THouseMgr houses;
        houses.Open(QStringLiteral("select * from house where Id=:Id"),
                    {Param(QStringLiteral("Id"), house)});
        TImageBox box(houses);

        box.Select(box.Photos().first());
        m.AnswerInput(QStringLiteral("新名"));
        box.Run(&TImageBox::RenameClick);
        QCOMPARE(Scalar(QStringLiteral("select Subject from houseimages where Id=1")).toString(),
                 QStringLiteral("新名"));

        m.Clear();
        files.opens << files.Write(QStringLiteral("d.bmp"), Encoded(Filled(8, 8, Qt::red), "BMP"));
        m.AnswerInput(QStringLiteral("加"));
        box.Run(&TImageBox::AddClick);
        QCOMPARE(ImageCount(house), allowed ? 2 : 1);
        // Refused before the file dialog opens.
        QCOMPARE(files.opens.size(), allowed ? 0 : 1);
        box.Select(box.Photos().first());
        box.Run(&TImageBox::DeleteClick);
        QCOMPARE(ImageCount(house), 1);
        QCOMPARE(Scalar(QStringLiteral("select count(*) from houseimages where Id=1")).toInt(),
                 allowed ? 0 : 1);
        if (allowed)
            QCOMPARE(m.shown, QStringList{QStringLiteral("请输入图片名称")});
        else
            QCOMPARE(m.shown, QStringList({Denied(4), Denied(4)}));
    }

    void thumbnailsSideBySide() {
        for (int i = 1; i <= 3; ++i)
            InsertImage(i, 1, QStringLiteral("图%1").arg(i), QStringLiteral(".jpg"),
                        Encoded(Filled(100, 100, Qt::gray), "JPEG"));
        THouseMgr houses;
        houses.Open(QStringLiteral("select * from house order by Id"));
        TImageBox box(houses);
        QCOMPARE(Captions(box), QStringList({"图1", "图2", "图3"}));
        QList<int> lefts;
        for (TzyPhoto* p : box.Photos()) {
            lefts << p->Left();
            QCOMPARE(p->Top(), 10);
            QCOMPARE(p->FramePart()->geometry(), QRect(p->Left(), 10, 120, 100));
            QCOMPARE(p->BorderPart()->geometry(), QRect(p->Left() + 1, 11, 118, 98));
            QCOMPARE(p->CaptionPart()->geometry(), QRect(p->Left() + 1, 109, 119, 17));
            QCOMPARE(p->Tag(), lefts.size());
        }
        QCOMPARE(lefts, (QList<int>{10, 150, 290}));
        QVERIFY(box.Panel()->minimumWidth() >= 290 + 120);
    }

    void pictureFitting_data() {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRect>("placed");
        QTest::newRow("very wide") << QSize(1000, 100) << QRect(8, 45, 104, 10);
        QTest::newRow("tall") << QSize(100, 400) << QRect(50, 8, 21, 84);
        QTest::newRow("square, height decides") << QSize(300, 300) << QRect(18, 8, 84, 84);
        // The ratios 3.85 and 3.57 round alike; the width still limits.
        QTest::newRow("close ratios") << QSize(400, 300) << QRect(8, 11, 104, 78);
        QTest::newRow("small and wide stays inside") << QSize(150, 60) << QRect(8, 29, 104, 42);
        QTest::newRow("small pictures grow") << QSize(20, 10) << QRect(8, 24, 104, 52);
        QTest::newRow("no picture") << QSize() << QRect();
    }

    void pictureFitting() {
        QFETCH(QSize, picture);
        QFETCH(QRect, placed);
        QCOMPARE(TzyPhoto::FitPicture(QSize(120, 100), picture), placed);
    }

    void wideStoredPictureIsFitted() {
        InsertImage(1, 1, QStringLiteral("宽"), QStringLiteral(".bmp"),
                    Encoded(Filled(2000, 100, Qt::darkGreen), "BMP"));
        THouseMgr houses;
        houses.Open(QStringLiteral("select * from house order by Id"));
        TImageBox box(houses);
        const TzyPhoto* p = box.Photos().first();
        QCOMPARE(p->PicturePart()->geometry(), QRect(10 + 8, 10 + 48, 104, 5));
    }

    void undecodableImagesDoNotStopTheOthers() {
        InsertImage(1, 1, QStringLiteral("PNG"), QStringLiteral(".png"),
                    Encoded(Filled(10, 10, Qt::red), "PNG"));
        InsertImage(2, 1, QStringLiteral("坏"), QStringLiteral(".jpg"),
                    QByteArray("not a picture"));
        InsertImage(3, 1, QStringLiteral("好"), QStringLiteral(".jpg"),
                    Encoded(Filled(60, 30, Qt::red), "JPEG"));
        TScriptedMessenger m;
        THouseMgr houses;
        houses.Open(QStringLiteral("select * from house order by Id"));
        TImageBox box(houses);
        QCOMPARE(Captions(box), QStringList({"PNG", "坏", "好"}));
        QVERIFY(box.Photos()[0]->Picture().isNull());
        QVERIFY(!box.Photos()[0]->PictureNote().isEmpty());
        QVERIFY(box.Photos()[1]->Picture().isNull());
        QCOMPARE(box.Photos()[2]->Picture().size(), QSize(60, 30));
        QVERIFY(box.Photos()[2]->PictureNote().isEmpty());
        QCOMPARE(m.shown, QStringList());

        // OK on an unchanged dialog keeps the stored bytes as they were.
        TPictureFolder files;
        TImageBox::ExecImageDialog = [](TImageDlgFrm&) { return true; };
        box.Select(box.Photos()[1]);
        box.Run(&TImageBox::OpenClick);
        QCOMPARE(Scalar(QStringLiteral("select Photo from houseimages where Id=2")).toByteArray(),
                 QByteArray("not a picture"));
    }

    void longTitleRefused() {
        TPictureFolder files;
        TScriptedMessenger m;
        THouseMgr houses;
        houses.Open(QStringLiteral("select * from house order by Id"));
        TImageBox box(houses);
        files.opens << files.Write(QStringLiteral("e.jpg"), Encoded(Filled(8, 8, Qt::red), "JPEG"));
        m.AnswerInput(QString(31, QChar(u'长')));
        box.Run(&TImageBox::AddClick);
        QCOMPARE(ImageCount(1), 0);
        QCOMPARE(m.shown.last(), QStringLiteral("\r\n图片名称不能超过30个字.\t"));
        files.opens << files.Write(QStringLiteral("e.jpg"), Encoded(Filled(8, 8, Qt::red), "JPEG"));
        m.AnswerInput(QString(30, QChar(u'长')));
        box.Run(&TImageBox::AddClick);
        QCOMPARE(ImageCount(1), 1);
    }

    void detailPageFollowsTheHouse() {
        InsertImage(1, 1, QStringLiteral("一"), QStringLiteral(".jpg"),
                    Encoded(Filled(8, 8, Qt::red), "JPEG"));
        InsertImage(2, 2, QStringLiteral("二"), QStringLiteral(".jpg"),
                    Encoded(Filled(8, 8, Qt::red), "JPEG"));
        InsertImage(3, 2, QStringLiteral("三"), QStringLiteral(".jpg"),
                    Encoded(Filled(8, 8, Qt::red), "JPEG"));
        THouseMgr houses;
        houses.Open(QStringLiteral("select * from house order by Id"));
        {
            THouseImageFra page(houses, nullptr);
            QVERIFY(bool(houses.AfterScroll()));
            QCOMPARE(Captions(*page.ImageBox()), QStringList{QStringLiteral("一")});
            houses.DataSet()->Next();
            QCOMPARE(Captions(*page.ImageBox()), QStringList({"二", "三"}));
            houses.DataSet()->First();
            QCOMPARE(Captions(*page.ImageBox()), QStringList{QStringLiteral("一")});
        }
        QVERIFY(!houses.AfterScroll());
        houses.DataSet()->Next(); // nobody listens any more
    }

    // What the manager window changed shows on the page when the window closes.
    void detailPageShowsTheManagersChanges() {
        TPictureFolder files;
        TScriptedMessenger m;
        THouseMgr houses;
        houses.Open(QStringLiteral("select * from house order by Id"));
        THouseImageFra page(houses, nullptr);
        QVERIFY(page.ImageBox()->Photos().isEmpty());
        TImgMgrFrm window(houses);
        files.opens << files.Write(QStringLiteral("g.jpg"), Encoded(Filled(8, 8, Qt::red), "JPEG"));
        m.AnswerInput(QStringLiteral("阳台"));
        window.ImageBox()->Run(&TImageBox::AddClick);
        QTimer::singleShot(0, &window, &QDialog::reject);
        QVERIFY(!window.Execute());
        QCOMPARE(Captions(*page.ImageBox()), QStringList{QStringLiteral("阳台")});
    }

    void managerWindowCommands() {
        TPictureFolder files;
        TScriptedMessenger m;
        THouseMgr houses;
        houses.Open(QStringLiteral("select * from house order by Id"));
        TImgMgrFrm window(houses);
        QToolBar* bar = window.ToolBar();
        QCOMPARE(Texts(bar->actions()),
                 QStringList({"添加   ", "重命名", "删除", "-", "查看", "-", "关闭"}));
        QVERIFY(window.findChild<QLabel*>()->text() == QStringLiteral("图片"));
        files.opens << files.Write(QStringLiteral("f.jpg"), Encoded(Filled(8, 8, Qt::red), "JPEG"));
        m.AnswerInput(QStringLiteral("工具栏"));
        bar->actions()[0]->trigger();
        QCOMPARE(Captions(*window.ImageBox()), QStringList{QStringLiteral("工具栏")});
        bar->actions()[2]->trigger();
        QVERIFY(window.ImageBox()->Photos().isEmpty());
        window.show();
        bar->actions()[6]->trigger();
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Rejected));
    }

    void imageDialog() {
        TPictureFolder files;
        TScriptedMessenger m;
        TImageDlgFrm dialog;
        QCOMPARE(Texts(dialog.ToolBar()->actions()),
                 QStringList({"载入    ", "输出", "清除", "-", "取消", "确定"}));
        const QSize start = dialog.size();
        const QImage big = Filled(start.width() + 100, start.height() - 50 + 10, Qt::yellow);
        const QByteArray bytes = Encoded(big, "JPEG");
        dialog.SetPicture(TPictureFile{bytes, QStringLiteral(".jpg"), big});
        QCOMPARE(dialog.size(), QSize(big.width() + 30, big.height() + 100));
        QCOMPARE(dialog.PictureLabel()->size(), big.size());

        // Written as it is under its own extension, encoded for another.
        files.saves << files.dir.filePath(QStringLiteral("out.jpg"))
                    << files.dir.filePath(QStringLiteral("out.bmp"))
                    << files.dir.filePath(QStringLiteral("noext"));
        dialog.SaveClick();
        dialog.SaveClick();
        dialog.SaveClick();
        QCOMPARE(TPictureFolder::Read(files.dir.filePath(QStringLiteral("out.jpg"))), bytes);
        QImage bmp;
        QVERIFY(bmp.load(files.dir.filePath(QStringLiteral("out.bmp")), "BMP"));
        QCOMPARE(bmp.size(), big.size());
        QCOMPARE(TPictureFolder::Read(files.dir.filePath(QStringLiteral("noext.jpg"))), bytes);

        dialog.ClearClick();
        QVERIFY(dialog.Picture().Image.isNull());
        QVERIFY(dialog.Picture().Bytes.isEmpty());
        QCOMPARE(dialog.Ext(), QStringLiteral(".jpg"));

        // A file that is no picture is refused and leaves the dialog as it was.
        files.opens << files.Write(QStringLiteral("bad.jpg"), "garbage");
        dialog.ToolBar()->actions()[0]->trigger();
        QCOMPARE(m.shown.size(), 1);
        QVERIFY(dialog.Picture().Image.isNull());
    }
};

ORBEL_DB_UI_TEST_MAIN(TstImageManager)
#include "tst_imagemanager.moc"
