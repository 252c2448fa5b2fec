#include "ziparchivereader.h"

#include <zlib.h>

#include <algorithm>


namespace {

constexpr quint32 localHeaderSignature = 0x04034b50;
constexpr quint32 centralHeaderSignature = 0x02014b50;
constexpr quint32 endOfDirectorySignature = 0x06054b50;
constexpr quint32 zip64EndOfDirectorySignature = 0x06064b50;
constexpr quint32 zip64LocatorSignature = 0x07064b50;

constexpr qsizetype localHeaderSize = 30;
constexpr qsizetype centralHeaderSize = 46;
constexpr qsizetype endOfDirectorySize = 22;
constexpr qsizetype zip64EndOfDirectorySize = 56;
constexpr qsizetype zip64LocatorSize = 20;

constexpr quint16 encryptedFlag = 0x0001;
constexpr quint16 methodStored = 0;
constexpr quint16 methodDeflated = 8;

// Little-endian reads at an offset the caller has checked.
quint16 u16(const QByteArray &bytes, qint64 at)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData() + at);
    return quint16(p[0] | (p[1] << 8));
}

quint32 u32(const QByteArray &bytes, qint64 at)
{
    return quint32(u16(bytes, at)) | (quint32(u16(bytes, at + 2)) << 16);
}

quint64 u64(const QByteArray &bytes, qint64 at)
{
    return quint64(u32(bytes, at)) | (quint64(u32(bytes, at + 4)) << 32);
}

bool fits(const QByteArray &bytes, quint64 offset, quint64 length)
{
    const auto size = quint64(bytes.size());
    return offset <= size && length <= size - offset;
}

std::optional<QByteArray> inflateRaw(const char *input, qint64 inputSize, qint64 outputSize)
{
    QByteArray output(outputSize, Qt::Uninitialized);
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return std::nullopt;
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(input));
    stream.avail_in = uInt(inputSize);
    stream.next_out = reinterpret_cast<Bytef *>(output.data());
    stream.avail_out = uInt(outputSize);
    const int result = inflate(&stream, Z_FINISH);
    const bool complete = result == Z_STREAM_END && stream.total_out == uLong(outputSize);
    inflateEnd(&stream);
    if (!complete)
        return std::nullopt;
    return output;
}

} // namespace

ZipArchiveReader::ZipArchiveReader(const QByteArray &archive)
    : m_archive(archive)
{
    m_error = parse();
    m_valid = m_error == Error::None;
    if (!m_valid)
        m_entries.clear();
}

ZipArchiveReader::Error ZipArchiveReader::parse()
{
    constexpr Error notAnArchive = Error::NotAnArchive;
    const QByteArray &bytes = m_archive;
    if (bytes.size() < endOfDirectorySize)
        return notAnArchive;

    // The end record sits at the very end, followed only by a comment of at most 65535 bytes.
    qint64 end = -1;
    const qint64 lowest = qMax<qint64>(0, bytes.size() - endOfDirectorySize - 0xffff);
    for (qint64 at = bytes.size() - endOfDirectorySize; at >= lowest; --at) {
        if (u32(bytes, at) == endOfDirectorySignature && at + endOfDirectorySize + u16(bytes, at + 20) == bytes.size()) {
            end = at;
            break;
        }
    }
    if (end < 0)
        return notAnArchive;

    quint64 entryCount = u16(bytes, end + 10);
    quint64 directorySize = u32(bytes, end + 12);
    quint64 directoryOffset = u32(bytes, end + 16);
    bool zip64 = false;

    const qint64 locator = end - zip64LocatorSize;
    if (locator >= 0 && u32(bytes, locator) == zip64LocatorSignature) {
        const quint64 recordOffset = u64(bytes, locator + 8);
        if (!fits(bytes, recordOffset, zip64EndOfDirectorySize)
            || u32(bytes, qint64(recordOffset)) != zip64EndOfDirectorySignature)
            return notAnArchive;
        entryCount = u64(bytes, qint64(recordOffset) + 32);
        directorySize = u64(bytes, qint64(recordOffset) + 40);
        directoryOffset = u64(bytes, qint64(recordOffset) + 48);
        zip64 = true;
    }
    if (!fits(bytes, directoryOffset, directorySize))
        return notAnArchive;

    // The directory is walked to its end, whatever the count says: writers without ZIP64
    // support (the toolkit's among them) store only the low 16 bits of a larger count.
    const quint64 directoryEnd = directoryOffset + directorySize;
    quint64 at = directoryOffset;
    while (at < directoryEnd) {
        if (!fits(bytes, at, centralHeaderSize) || at + centralHeaderSize > directoryEnd
            || u32(bytes, qint64(at)) != centralHeaderSignature)
            return notAnArchive;
        const auto header = qint64(at);
        const quint64 nameLength = u16(bytes, header + 28);
        const quint64 extraLength = u16(bytes, header + 30);
        const quint64 commentLength = u16(bytes, header + 32);
        const quint64 recordSize = centralHeaderSize + nameLength + extraLength + commentLength;
        if (at + recordSize > directoryEnd)
            return notAnArchive;

        Entry entry;
        entry.flags = u16(bytes, header + 8);
        entry.method = u16(bytes, header + 10);
        entry.crc = u32(bytes, header + 16);
        entry.compressedSize = u32(bytes, header + 20);
        entry.uncompressedSize = u32(bytes, header + 24);
        entry.localHeaderOffset = u32(bytes, header + 42);
        entry.path = QString::fromUtf8(bytes.constData() + header + centralHeaderSize, qsizetype(nameLength));
        m_entries.append(entry);
        at += recordSize;
    }
    const auto found = quint64(m_entries.size());
    const bool complete = zip64 ? found == entryCount : (entryCount == 0xffff || (found & 0xffff) == entryCount);
    if (!complete)
        return notAnArchive;
    return checkSpans(directoryOffset);
}

ZipArchiveReader::Error ZipArchiveReader::checkSpans(quint64 directoryOffset) const
{
    // Each entry's local header and data, as far as they can be read: an entry whose header lies
    // outside the buffer is damaged alone and fails when it is read.
    QList<std::pair<quint64, quint64>> spans;
    spans.reserve(m_entries.size());
    quint64 inflated = 0;
    for (const Entry &entry : m_entries) {
        inflated += quint64(entry.uncompressedSize);
        if (inflated > quint64(maxInflatedSize))
            return Error::TooLarge;
        const auto header = quint64(entry.localHeaderOffset);
        if (!fits(m_archive, header, localHeaderSize) || u32(m_archive, qint64(header)) != localHeaderSignature)
            continue;
        const quint64 end = header + localHeaderSize + u16(m_archive, qint64(header) + 26)
                            + u16(m_archive, qint64(header) + 28) + quint64(entry.compressedSize);
        spans.append({header, std::min(end, directoryOffset)});
    }
    if (!std::is_sorted(spans.cbegin(), spans.cend()))
        std::sort(spans.begin(), spans.end());
    for (qsizetype i = 1; i < spans.size(); ++i) {
        if (spans.at(i).first < spans.at(i - 1).second)
            return Error::OverlappingEntries;
    }
    return Error::None;
}

std::optional<QByteArray> ZipArchiveReader::data(qsizetype index) const
{
    if (!m_valid || index < 0 || index >= m_entries.size())
        return std::nullopt;
    const Entry &entry = m_entries.at(index);
    if ((entry.flags & encryptedFlag) || entry.uncompressedSize > maxEntrySize)
        return std::nullopt;

    const QByteArray &bytes = m_archive;
    const auto header = quint64(entry.localHeaderOffset);
    if (!fits(bytes, header, localHeaderSize) || u32(bytes, qint64(header)) != localHeaderSignature)
        return std::nullopt;
    const quint64 start = header + localHeaderSize + u16(bytes, qint64(header) + 26) + u16(bytes, qint64(header) + 28);
    if (!fits(bytes, start, quint64(entry.compressedSize)))
        return std::nullopt;
    const char *input = bytes.constData() + start;

    std::optional<QByteArray> output;
    if (entry.method == methodStored) {
        if (entry.compressedSize != entry.uncompressedSize)
            return std::nullopt;
        output = QByteArray(input, qsizetype(entry.compressedSize));
    } else if (entry.method == methodDeflated) {
        if (entry.uncompressedSize == 0)
            output = QByteArray();
        else
            output = inflateRaw(input, entry.compressedSize, entry.uncompressedSize);
    }
    if (!output)
        return std::nullopt;

    const auto checksum = crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef *>(output->constData()),
                                uInt(output->size()));
    if (checksum != entry.crc)
        return std::nullopt;
    return output;
}

bool ZipArchiveReader::contains(const QString &path) const
{
    return std::any_of(m_entries.cbegin(), m_entries.cend(), [&path](const Entry &entry) { return entry.path == path; });
}

std::optional<QByteArray> ZipArchiveReader::data(const QString &path) const
{
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).path == path)
            return data(i);
    }
    return std::nullopt;
}
