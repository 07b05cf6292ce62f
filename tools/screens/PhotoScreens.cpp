#include "PhotoScreens.h"

#include "operations/HouseMgr.h"
#include "screens/HouseImageFra.h"
#include "screens/ImageBox.h"
#include "screens/ImageDlgFrm.h"
#include "screens/ImgMgrFrm.h"
#include "toolkit/zyPhoto.h"

#include <QLinearGradient>
#include <QMenu>
#include <QPainter>
#include <QVBoxLayout>

namespace {

// A picture of a room: a coloured gradient, a window and the room's name.
QImage RoomPicture(const QString& name, const QColor& colour, const QSize& size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, colour.lighter(160));
    gradient.setColorAt(1, colour.darker(130));
    painter.fillRect(image.rect(), gradient);
    const QRect window(size.width() / 4, size.height() / 5, size.width() / 2, size.height() / 3);
    painter.fillRect(window, QColor(200, 230, 255));
    painter.setPen(QPen(Qt::white, qMax(2, size.width() / 80)));
    painter.drawRect(window);
    painter.drawLine(window.center().x(), window.top(), window.center().x(), window.bottom());
    QFont font = painter.font();
    font.setPixelSize(size.height() / 6);
    painter.setFont(font);
    painter.drawText(image.rect().adjusted(0, size.height() / 2, 0, 0), Qt::AlignCenter, name);
    return image;
}

// The first demonstration house, with its pictures stored once.
THouseMgr* DemoHouse(QObject* owner) {
    auto* houses = new THouseMgr;
    houses->setParent(owner);
    houses->Open(QStringLiteral("select * from house where abs(IsRecycle)=0 order by Id"));
    THouseImageSet* images = houses->Images();
    images->OpenByHouse(houses->CurrentId());
    if (images->DataSet()->IsEmpty()) {
        const struct {
            const char* name;
            QColor colour;
            QSize size;
        } rooms[] = {{"客厅", QColor(205, 140, 80), QSize(640, 480)},
                     {"主卧", QColor(90, 140, 200), QSize(480, 640)},
                     {"厨房", QColor(110, 170, 110), QSize(800, 360)},
                     {"户型图", QColor(150, 150, 150), QSize(500, 500)}};
        for (const auto& room : rooms) {
            const QString name = QString::fromUtf8(room.name);
            images->AddImage(
                houses->CurrentId(), QStringLiteral(".jpg"), name,
                THouseImageSet::EncodePicture(RoomPicture(name, room.colour, room.size),
                                              QStringLiteral(".jpg")));
        }
    }
    houses->RefreshDetails();
    return houses;
}

TImgMgrFrm* ImageManager() {
    auto* owner = new QObject;
    THouseMgr* houses = DemoHouse(owner);
    auto* window = new TImgMgrFrm(*houses);
    owner->setParent(window);
    window->resize(640, 240);
    TImageBox* box = window->ImageBox();
    box->Select(box->Photos().value(1));
    return window;
}

} // namespace

TScreen ImageManagerScreen() {
    return TScreen{std::unique_ptr<QWidget>(ImageManager()), {}};
}

TScreen ImageManagerMenuScreen() {
    TImgMgrFrm* window = ImageManager();
    return TScreen{std::unique_ptr<QWidget>(window), [window] {
                       TImageBox* box = window->ImageBox();
                       TzyPhoto* photo = box->Photos().value(1);
                       box->PhotoMenu()->popup(box->Panel()->mapToGlobal(
                           QPoint(photo->Left() + 40, photo->Top() + 50) + QPoint(10, 15)));
                       return static_cast<QWidget*>(box->PhotoMenu());
                   }};
}

TScreen ImageDialogScreen() {
    auto* dialog = new TImageDlgFrm;
    const QImage picture =
        RoomPicture(QStringLiteral("客厅"), QColor(205, 140, 80), QSize(360, 240));
    dialog->SetPicture(TPictureFile{THouseImageSet::EncodePicture(picture, QStringLiteral(".jpg")),
                                    QStringLiteral(".jpg"), picture});
    return TScreen{std::unique_ptr<QWidget>(dialog), {}};
}

TScreen HouseImagePageScreen() {
    auto* owner = new QObject;
    THouseMgr* houses = DemoHouse(owner);
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new THouseImageFra(*houses, page));
    owner->setParent(page); // freed after the page that follows its rows
    page->resize(700, 170);
    return TScreen{std::unique_ptr<QWidget>(page), {}};
}
