#include "importtext.h"

#include <QStringDecoder>

namespace {

// Windows-1252 code points for the bytes 0x80 to 0x9F. The five positions the code page leaves
// undefined (81, 8D, 8F, 90, 9D) map to the same code point, as a lenient reader expects.
constexpr char16_t windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString decodeUtf16(QByteArrayView bytes, QStringDecoder::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}

} // namespace

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        *out++ = (value >= 0x80 && value <= 0x9F) ? QChar(windows1252High[value - 0x80]) : QChar(value);
    }
    return text;
}

bool isWellFormedUtf8(const QByteArray &bytes)
{
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        const unsigned char lead = data[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int continuation = 0;
        char32_t codePoint = 0;
        char32_t minimum = 0;
        if ((lead & 0xE0) == 0xC0) {
            continuation = 1;
            codePoint = lead & 0x1F;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            continuation = 2;
            codePoint = lead & 0x0F;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            continuation = 3;
            codePoint = lead & 0x07;
            minimum = 0x10000;
        } else {
            return false;
        }
        if (size - i - 1 < continuation)
            return false;
        for (int k = 1; k <= continuation; ++k) {
            const unsigned char next = data[i + k];
            if ((next & 0xC0) != 0x80)
                return false;
            codePoint = (codePoint << 6) | (next & 0x3F);
        }
        if (codePoint < minimum || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
        i += continuation + 1;
    }
    return true;
}

QString decodeImportText(const QByteArray &bytes)
{
    if (bytes.size() > 2 && bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(QByteArrayView(bytes).sliced(3));
    if (bytes.size() > 1 && bytes.startsWith("\xFF\xFE"))
        return decodeUtf16(QByteArrayView(bytes).sliced(2), QStringDecoder::Utf16LE);
    if (bytes.size() > 1 && bytes.startsWith("\xFE\xFF"))
        return decodeUtf16(QByteArrayView(bytes).sliced(2), QStringDecoder::Utf16BE);
    if (isWellFormedUtf8(bytes))
        return QString::fromUtf8(bytes);
    return decodeWindows1252(bytes);
}
