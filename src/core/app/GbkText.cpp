#include "app/GbkText.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

bool IsEscape(QChar c) {
    return c.unicode() >= kEscapeBase + 0x80 && c.unicode() <= kEscapeBase + 0xFF;
}

// The text of `bytes` when they are valid GBK that encodes back to the same bytes.
bool DecodeExactly(const QByteArray& bytes, QString* text) {
    QStringDecoder decoder("GBK", QStringConverter::Flag::Stateless);
    const QString decoded = decoder(bytes);
    if (decoder.hasError())
        return false;
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    const QByteArray again = encoder(decoded);
    if (encoder.hasError() || again != bytes)
        return false;
    *text = decoded;
    return true;
}

} // namespace

QByteArray TGbkText::Encode(const QString& text) {
    QByteArray result;
    qsizetype runStart = 0;
    auto flushRun = [&](qsizetype end) {
        if (end > runStart) {
            QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
            result += encoder(QStringView(text).mid(runStart, end - runStart));
        }
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!IsEscape(text[i]))
            continue;
        flushRun(i);
        result += char(text[i].unicode() - kEscapeBase);
        runStart = i + 1;
    }
    flushRun(text.size());
    return result;
}

QString TGbkText::Decode(const QByteArray& bytes) {
    QString text;
    if (DecodeExactly(bytes, &text))
        return text;
    // Character by character: a byte that starts no exact character is escaped.
    text.clear();
    qsizetype i = 0;
    while (i < bytes.size()) {
        const uchar b = uchar(bytes[i]);
        if (b < 0x80) {
            text += QChar(b);
            ++i;
            continue;
        }
        QString piece;
        if (i + 1 < bytes.size() && DecodeExactly(bytes.mid(i, 2), &piece) && piece.size() == 1) {
            text += piece;
            i += 2;
        } else if (DecodeExactly(bytes.mid(i, 1), &piece) && piece.size() == 1) {
            text += piece;
            ++i;
        } else {
            text += QChar(char16_t(kEscapeBase + b));
            ++i;
        }
    }
    return text;
}
