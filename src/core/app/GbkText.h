#pragma once

#include <QByteArray>
#include <QString>

// Text in the GBK code page, the encoding of the configuration file and of the
// files the program writes. Bytes that are no GBK character (scrambled values
// can hold such bytes) are kept: each one decodes to the lone surrogate
// U+DC80..U+DCFF and encodes back to the same byte, so Encode(Decode(b)) == b
// for any bytes b.
class TGbkText {
  public:
    static QByteArray Encode(const QString& text);
    static QString Decode(const QByteArray& bytes);
};
