#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>

class QWidget;

// A picture read from a file: its bytes as they are stored, its extension in
// lower case with the dot, and the decoded image.
struct TPictureFile {
    QByteArray Bytes;
    QString Ext;
    QImage Image;
};

// The file dialogs of the photo screens and the reading of picture files. The
// dialogs are replaceable so that tests can choose the files.
struct TPictureFiles {
    // Asks for a file to open or to write; an empty name when cancelled.
    using TChooser = std::function<QString(QWidget* parent, const QString& filter)>;
    static TChooser OpenFile;
    static TChooser SaveFile;

    // The pictures a house can store.
    static QString StoredFilter();
    // The pictures the image dialog loads and writes.
    static QString JpegFilter();

    // Reads and decodes a picture file; raises when the file cannot be read or
    // is no picture of a stored kind.
    static TPictureFile Read(const QString& fileName);
    // Writes a picture: the bytes as they are when the file's extension is the
    // picture's own, otherwise the image encoded for the file's extension (a
    // name without one gets ".jpg"). Raises when the file cannot be written.
    static void Write(const QString& fileName, const TPictureFile& picture);
};
