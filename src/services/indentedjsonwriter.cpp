#include "indentedjsonwriter.h"

#include <QLocale>

#include <cmath>
#include <cstring>

namespace {

char hexDigit(uint value)
{
    return char(value < 10 ? '0' + value : 'a' + value - 10);
}

void appendIndent(QByteArray &out, int levels)
{
    out.append(qsizetype(4 * levels), ' ');
}

} // namespace

IndentedJsonWriter::IndentedJsonWriter(QByteArray &out, int depth)
    : m_out(out)
    , m_depth(depth)
{
    appendIndent(m_out, m_depth);
    m_out.append("{\n");
}

void IndentedJsonWriter::beginMember(QLatin1String key)
{
    // Keys are column names: plain ASCII goes straight in, anything else through the escaper.
    for (const char c : key) {
        if (uchar(c) < 0x20 || uchar(c) >= 0x80 || c == '"' || c == '\\') {
            beginMember(QStringView(QString(key)));
            return;
        }
    }
    // One resize per member: appending piece by piece cost more than the rest of a row.
    const qsizetype indent = 4 * (m_depth + 1);
    const qsizetype separator = m_empty ? 0 : 2;
    char *cursor = grow(m_out, separator + indent + key.size() + 4);
    if (!m_empty) {
        *cursor++ = ',';
        *cursor++ = '\n';
    }
    m_empty = false;
    std::memset(cursor, ' ', size_t(indent));
    cursor += indent;
    *cursor++ = '"';
    std::memcpy(cursor, key.data(), size_t(key.size()));
    cursor += key.size();
    std::memcpy(cursor, "\": ", 3);
}

void IndentedJsonWriter::beginMember(QStringView key)
{
    if (!m_empty)
        m_out.append(",\n");
    m_empty = false;
    appendIndent(m_out, m_depth + 1);
    appendString(m_out, key);
    m_out.append(": ");
}

void IndentedJsonWriter::text(QLatin1String key, QStringView value)
{
    beginMember(key);
    appendString(m_out, value);
}

void IndentedJsonWriter::textOrNull(QLatin1String key, const QString &value)
{
    if (value.isEmpty())
        null(key);
    else
        text(key, value);
}

void IndentedJsonWriter::integer(QLatin1String key, qint64 value)
{
    beginMember(key);
    appendInteger(m_out, value);
}

void IndentedJsonWriter::boolean(QLatin1String key, bool value)
{
    beginMember(key);
    if (value)
        std::memcpy(grow(m_out, 4), "true", 4);
    else
        std::memcpy(grow(m_out, 5), "false", 5);
}

void IndentedJsonWriter::null(QLatin1String key)
{
    beginMember(key);
    std::memcpy(grow(m_out, 4), "null", 4);
}

void IndentedJsonWriter::sqlValue(QStringView key, const QVariant &value)
{
    beginMember(key);
    if (value.isNull()) {
        m_out.append("null");
        return;
    }
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        appendInteger(m_out, value.toLongLong());
        break;
    case QMetaType::Double:
        appendDouble(m_out, value.toDouble());
        break;
    case QMetaType::Bool:
        m_out.append(value.toBool() ? "true" : "false");
        break;
    case QMetaType::QString:
        appendString(m_out, *static_cast<const QString *>(value.constData()));
        break;
    default:
        appendString(m_out, value.toString());
        break;
    }
}

void IndentedJsonWriter::finish()
{
    if (!m_empty)
        m_out.append('\n');
    appendIndent(m_out, m_depth);
    m_out.append(m_depth == 0 ? "}\n" : "}");
}

char *IndentedJsonWriter::grow(QByteArray &out, qsizetype count)
{
    const qsizetype size = out.size();
    out.resize(size + count);
    return out.data() + size;
}

void IndentedJsonWriter::appendInteger(QByteArray &out, qint64 value)
{
    char digits[24];
    char *end = digits + sizeof digits;
    char *first = end;
    // Through the unsigned value, so that the smallest 64-bit number has a magnitude too.
    quint64 magnitude = value < 0 ? 0 - quint64(value) : quint64(value);
    do {
        *--first = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0)
        *--first = '-';
    std::memcpy(grow(out, end - first), first, size_t(end - first));
}

void IndentedJsonWriter::appendDouble(QByteArray &out, double value)
{
    // JSON has no infinity or NaN; the toolkit writes null for them.
    if (std::isfinite(value))
        out.append(QByteArray::number(value, 'g', QLocale::FloatingPointShortest));
    else
        out.append("null");
}

void IndentedJsonWriter::appendString(QByteArray &out, QStringView text)
{
    // Written through a pointer into room made once: at most six bytes per UTF-16 unit ("\u001f"),
    // plus the quotes.
    const qsizetype start = out.size();
    out.resize(start + 6 * text.size() + 2);
    char *cursor = out.data() + start;
    *cursor++ = '"';
    const char16_t *unit = text.utf16();
    const char16_t *const end = unit + text.size();
    while (unit != end) {
        const char16_t u = *unit++;
        if (u >= 0x20 && u < 0x80 && u != u'"' && u != u'\\') {
            *cursor++ = char(u);
            continue;
        }
        if (u < 0x80) {
            *cursor++ = '\\';
            switch (u) {
            case u'"':
                *cursor++ = '"';
                break;
            case u'\\':
                *cursor++ = '\\';
                break;
            case u'\b':
                *cursor++ = 'b';
                break;
            case u'\f':
                *cursor++ = 'f';
                break;
            case u'\n':
                *cursor++ = 'n';
                break;
            case u'\r':
                *cursor++ = 'r';
                break;
            case u'\t':
                *cursor++ = 't';
                break;
            default:
                *cursor++ = 'u';
                *cursor++ = '0';
                *cursor++ = '0';
                *cursor++ = hexDigit(u >> 4);
                *cursor++ = hexDigit(u & 0xf);
            }
        } else if (u < 0x800) {
            *cursor++ = char(0xc0 | (u >> 6));
            *cursor++ = char(0x80 | (u & 0x3f));
        } else if (!QChar::isSurrogate(u)) {
            *cursor++ = char(0xe0 | (u >> 12));
            *cursor++ = char(0x80 | ((u >> 6) & 0x3f));
            *cursor++ = char(0x80 | (u & 0x3f));
        } else if (QChar::isHighSurrogate(u) && unit != end && QChar::isLowSurrogate(*unit)) {
            const char32_t code = QChar::surrogateToUcs4(u, *unit++);
            *cursor++ = char(0xf0 | (code >> 18));
            *cursor++ = char(0x80 | ((code >> 12) & 0x3f));
            *cursor++ = char(0x80 | ((code >> 6) & 0x3f));
            *cursor++ = char(0x80 | (code & 0x3f));
        } else {
            // A surrogate without its other half has no UTF-8 form: the toolkit escapes the unit.
            *cursor++ = '\\';
            *cursor++ = 'u';
            *cursor++ = hexDigit((u >> 12) & 0xf);
            *cursor++ = hexDigit((u >> 8) & 0xf);
            *cursor++ = hexDigit((u >> 4) & 0xf);
            *cursor++ = hexDigit(u & 0xf);
        }
    }
    *cursor++ = '"';
    out.resize(cursor - out.constData());
}
