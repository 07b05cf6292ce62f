#include "screens/PictureFiles.h"

#include "app/Error.h"
#include "records/HouseImageSet.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace {

QString ExtOf(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix.isEmpty() ? QString() : u'.' + suffix;
}

} // namespace

TPictureFiles::TChooser TPictureFiles::OpenFile = [](QWidget* parent, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
};

TPictureFiles::TChooser TPictureFiles::SaveFile = [](QWidget* parent, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, QString(), QString(), filter);
};

QString TPictureFiles::StoredFilter() {
    return QStringLiteral("图片文件 (*.jpg *.jpeg *.bmp *.ico);;JPEG Image File (*.jpg *.jpeg);;"
                          "Bitmaps (*.bmp);;Icons (*.ico)");
}

QString TPictureFiles::JpegFilter() {
    return QStringLiteral("JPEG Image File (*.jpg);;JPEG Image File (*.jpeg)");
}

TPictureFile TPictureFiles::Read(const QString& fileName) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EOrbelError(QStringLiteral("无法打开文件 %1: %2").arg(fileName, file.errorString()));
    TPictureFile picture;
    picture.Bytes = file.readAll();
    picture.Ext = ExtOf(fileName);
    picture.Image = THouseImageSet::DecodePicture(picture.Bytes, picture.Ext);
    if (picture.Image.isNull())
        throw EOrbelError(QStringLiteral("图片数据无法读取(%1).").arg(picture.Ext));
    return picture;
}

void TPictureFiles::Write(const QString& fileName, const TPictureFile& picture) {
    QString name = fileName;
    QString ext = ExtOf(name);
    if (ext.isEmpty()) {
        ext = QStringLiteral(".jpg");
        name += ext;
    }
    const QByteArray bytes = ext == picture.Ext && !picture.Bytes.isEmpty()
                                 ? picture.Bytes
                                 : THouseImageSet::EncodePicture(picture.Image, ext);
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw EOrbelError(QStringLiteral("无法写入文件 %1: %2").arg(name, file.errorString()));
}
