#include "qifsource.h"

#include "importtext.h"

QifSource::QifSource(QByteArray bytes)
{
    if (bytes.size() > 2 && bytes.startsWith("\xEF\xBB\xBF")) {
        m_start = 3;
    } else if (bytes.size() > 1 && (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))) {
        // Rare enough that decoding the whole text at once costs nothing worth saving.
        m_encoding = Encoding::Text;
        m_text = decodeImportText(bytes);
        return;
    } else if (!isWellFormedUtf8(bytes)) {
        m_encoding = Encoding::Windows1252;
    }
    m_bytes = std::move(bytes);
}

QStringView QifSource::decodeLine(QByteArrayView line, QString *buffer) const
{
    if (m_encoding == Encoding::Windows1252) {
        *buffer = decodeWindows1252(line);
        return *buffer;
    }
    // Nearly every line is ASCII: widened into the one buffer instead of a new string per line.
    // A well-formed text split at line ends is well-formed in each piece, so decoding the pieces
    // gives the text that decoding the whole would.
    buffer->resize(line.size());
    QChar *out = buffer->data();
    for (const char byte : line) {
        if (static_cast<unsigned char>(byte) >= 0x80) {
            *buffer = QString::fromUtf8(line);
            return *buffer;
        }
        *out++ = QLatin1Char(byte);
    }
    return *buffer;
}
