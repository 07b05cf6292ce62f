#pragma once

#include "data/RecordSet.h"

#include <QByteArray>
#include <QImage>

// The pictures of one listing (table houseimages): caption, file extension and
// the picture's bytes in the format the extension names.
class THouseImageSet : public TRecordSet {
    Q_OBJECT
  public:
    explicit THouseImageSet(TDatabase* db = nullptr);

    void OpenByHouse(int houseId);

    // Stores a new picture of a listing: the row with its caption first, then the
    // picture (null bytes: none). Opens the listing's list when none is open.
    // Returns the new Id.
    int AddImage(int houseId, const QString& ext, const QString& caption,
                 const QByteArray& picture);
    // Replaces the picture of the row `id` (null or empty bytes clear it and keep
    // the stored extension). False when the open list has no such row.
    bool SetImage(int id, const QString& ext, const QByteArray& picture);
    // False when the open list has no such row.
    bool RenameImage(int id, const QString& caption);
    // Does nothing when the open list has no such row.
    void DeleteImage(int id);

    // The current row's picture decoded by its extension; a null image when the
    // row has none. Raises "未知的图片格式!" for an extension that is not read.
    QImage Photo() const;

    // Decodes picture bytes by their extension (".jpg", ".jpeg", ".bmp", ".ico");
    // no bytes give a null image.
    static QImage DecodePicture(const QByteArray& bytes, const QString& ext);
    // Writes an image in the format the extension names.
    static QByteArray EncodePicture(const QImage& image, const QString& ext);

    TField* IdFld() const { return m_id; }
    TField* SaleIdFld() const { return m_houseId; }
    TField* TypeIdFld() const { return m_typeId; }
    TField* ExtFld() const { return m_ext; }
    TField* SubjectFld() const { return m_subject; }
    TField* PhotoFld() const { return m_photo; }

  private:
    bool LocateId(int id);
    // The image format of an extension; raises for one that is not read.
    static const char* FormatOf(const QString& ext);

    TField* m_id;
    TField* m_houseId;
    TField* m_typeId;
    TField* m_ext;
    TField* m_subject;
    TField* m_photo;
};
