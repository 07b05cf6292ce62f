#include "records/HouseImageSet.h"

#include "app/Error.h"
#include "data/Database.h"

#include <QBuffer>

THouseImageSet::THouseImageSet(TDatabase* db) : TRecordSet(db) {
    m_id = AddField(TFieldKind::Integer, QStringLiteral("Id"));
    m_houseId = AddField(TFieldKind::Integer, QStringLiteral("HouseId"));
    m_typeId = AddField(TFieldKind::Integer, QStringLiteral("TypeId"));
    m_ext = AddField(TFieldKind::WideString, QStringLiteral("Ext"), 20);
    m_subject = AddField(TFieldKind::WideString, QStringLiteral("Subject"), 30);
    m_photo = AddField(TFieldKind::Blob, QStringLiteral("Photo"));
}

void THouseImageSet::OpenByHouse(int houseId) {
    Open(QStringLiteral("select * from houseimages where HouseId=:HouseId"),
         {Param(QStringLiteral("HouseId"), houseId)});
}

bool THouseImageSet::LocateId(int id) {
    TDataSet* ds = DataSet();
    return ds->Active() && ds->Locate(QStringLiteral("Id"), id);
}

int THouseImageSet::AddImage(int houseId, const QString& ext, const QString& caption,
                             const QByteArray& picture) {
    if (!DataSet()->Active())
        OpenByHouse(houseId);
    const int id = NextId(QStringLiteral("houseimages"));
    TDataSet* ds = DataSet();
    ds->Append();
    m_id->SetAsInteger(id);
    m_houseId->SetAsInteger(houseId);
    m_subject->SetAsString(caption);
    ds->Post();
    Database().Execute(
        QStringLiteral(
            "insert into houseimages(Id, HouseId, Subject)values(:Id, :HouseId, :Subject)"),
        {Param(QStringLiteral("Id"), id), Param(QStringLiteral("HouseId"), houseId),
         Param(QStringLiteral("Subject"), caption)});
    SetImage(id, ext, picture);
    return id;
}

bool THouseImageSet::SetImage(int id, const QString& ext, const QByteArray& picture) {
    if (!LocateId(id))
        return false;
    TDataSet* ds = DataSet();
    const bool none = picture.isEmpty();
    ds->Edit();
    if (none) {
        // Without a picture the stored extension stays as it is.
        m_photo->Clear();
    } else {
        m_ext->SetAsString(ext);
        m_photo->SetValue(picture);
    }
    ds->Post();
    const TDBParameters key{Param(QStringLiteral("Id"), id)};
    if (none)
        Database().Execute(QStringLiteral("update houseimages set Photo=null where Id=:Id"), key);
    else
        Database().Execute(
            QStringLiteral("update houseimages set Ext=:Ext, Photo=:Imagex where Id=:Id"),
            key + TDBParameters{Param(QStringLiteral("Ext"), ext)},
            {TxDBParameter{QStringLiteral("Imagex"), picture}});
    return true;
}

bool THouseImageSet::RenameImage(int id, const QString& caption) {
    if (!LocateId(id))
        return false;
    Database().Execute(
        QStringLiteral("update houseimages set Subject=:Subject where Id=:Id"),
        {Param(QStringLiteral("Subject"), caption), Param(QStringLiteral("Id"), id)});
    DataSet()->Edit();
    m_subject->SetAsString(caption);
    DataSet()->Post();
    return true;
}

void THouseImageSet::DeleteImage(int id) {
    if (!LocateId(id))
        return;
    Database().Execute(QStringLiteral("delete from houseimages where Id=:Id"),
                       {Param(QStringLiteral("Id"), id)});
    DataSet()->Delete();
}

const char* THouseImageSet::FormatOf(const QString& ext) {
    // Compared exactly: the extension is stored in lower case. Metafiles cannot
    // be decoded on this platform.
    if (ext == QLatin1String(".jpg") || ext == QLatin1String(".jpeg"))
        return "JPEG";
    if (ext == QLatin1String(".bmp"))
        return "BMP";
    if (ext == QLatin1String(".ico"))
        return "ICO";
    throw EOrbelError(QStringLiteral("未知的图片格式!"));
}

QImage THouseImageSet::DecodePicture(const QByteArray& bytes, const QString& ext) {
    if (bytes.isEmpty())
        return QImage(); // no picture, whatever the extension
    const char* format = FormatOf(ext);
    QImage image;
    if (!image.loadFromData(bytes, format))
        throw EOrbelError(QStringLiteral("图片数据无法读取(%1).").arg(ext));
    return image;
}

QByteArray THouseImageSet::EncodePicture(const QImage& image, const QString& ext) {
    const char* format = FormatOf(ext);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        throw EOrbelError(QStringLiteral("图片无法保存为%1格式.").arg(ext));
    return bytes;
}

QImage THouseImageSet::Photo() const {
    return DecodePicture(m_photo->AsBytes(), m_ext->AsString());
}
