#include "ziparchivereader.h"

#include <QIODevice>

#include <zlib.h>

#include <algorithm>
#include <utility>

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
    , m_size(quint64(archive.size()))
{
    m_error = parse();
    m_valid = m_error == Error::None;
    if (!m_valid) {
        m_entries.clear();
        m_paths.clear();
    }
}

ZipArchiveReader::ZipArchiveReader(QIODevice *device)
    : m_device(device)
{
    const qint64 size = device && device->isOpen() && !device->isSequential() ? device->size() : -1;
    if (size < 0) {
        m_error = Error::NotAnArchive;
        return;
    }
    m_size = quint64(size);
    m_error = parse();
    m_valid = m_error == Error::None;
    if (!m_valid) {
        m_entries.clear();
        m_paths.clear();
    }
}

std::optional<QByteArray> ZipArchiveReader::read(quint64 offset, quint64 size) const
{
    if (offset > m_size || size > m_size - offset)
        return std::nullopt;
    if (!m_device)
        return m_archive.mid(qsizetype(offset), qsizetype(size));
    // Entries are asked for in archive order: one read of the next megabyte serves many of them.
    constexpr quint64 readAhead = 1024 * 1024;
    const auto windowEnd = m_windowStart + quint64(m_window.size());
    if (offset < m_windowStart || offset + size > windowEnd) {
        const quint64 wanted = std::min(std::max(size, readAhead), m_size - offset);
        m_window.resize(qsizetype(wanted));
        m_windowStart = offset;
        if (!m_device->seek(qint64(offset)) ||
            m_device->read(m_window.data(), qint64(wanted)) != qint64(wanted)) {
            m_window.clear();
            return std::nullopt;
        }
        if (size > readAhead) // an entry of its own: not worth keeping
            return std::exchange(m_window, QByteArray());
    }
    return m_window.mid(qsizetype(offset - m_windowStart), qsizetype(size));
}

QString ZipArchiveReader::path(qsizetype index) const
{
    return QString::fromUtf8(pathBytes(index));
}

QByteArrayView ZipArchiveReader::pathBytes(qsizetype index) const
{
    const Entry &entry = m_entries.at(index);
    return QByteArrayView(m_paths.constData() + entry.pathOffset, entry.pathSize);
}

ZipArchiveReader::Error ZipArchiveReader::parse()
{
    constexpr Error notAnArchive = Error::NotAnArchive;
    if (m_size < quint64(endOfDirectorySize))
        return notAnArchive;

    // The end record sits at the very end, followed only by a comment of at most 65535 bytes.
    const quint64 tailStart =
        m_size - std::min<quint64>(m_size, endOfDirectorySize + 0xffff + zip64LocatorSize);
    const std::optional<QByteArray> tailBytes = read(tailStart, m_size - tailStart);
    if (!tailBytes)
        return notAnArchive;
    const QByteArray &tail = *tailBytes;
    qint64 end = -1;
    const qint64 lowest = qMax<qint64>(0, tail.size() - endOfDirectorySize - 0xffff);
    for (qint64 at = tail.size() - endOfDirectorySize; at >= lowest; --at) {
        if (u32(tail, at) == endOfDirectorySignature &&
            at + endOfDirectorySize + u16(tail, at + 20) == tail.size()) {
            end = at;
            break;
        }
    }
    if (end < 0)
        return notAnArchive;

    quint64 entryCount = u16(tail, end + 10);
    quint64 directorySize = u32(tail, end + 12);
    quint64 directoryOffset = u32(tail, end + 16);
    bool zip64 = false;

    const qint64 locator = end - zip64LocatorSize;
    if (locator >= 0 && u32(tail, locator) == zip64LocatorSignature) {
        const quint64 recordOffset = u64(tail, locator + 8);
        const std::optional<QByteArray> record = read(recordOffset, zip64EndOfDirectorySize);
        if (!record || u32(*record, 0) != zip64EndOfDirectorySignature)
            return notAnArchive;
        entryCount = u64(*record, 32);
        directorySize = u64(*record, 40);
        directoryOffset = u64(*record, 48);
        zip64 = true;
    }
    if (directoryOffset > m_size || directorySize > m_size - directoryOffset)
        return notAnArchive;

    // The directory is walked to its end, whatever the count says: writers without ZIP64
    // support (the toolkit's among them) store only the low 16 bits of a larger count. It is read
    // in pieces; only names and numbers are kept.
    constexpr quint64 piece = 1024 * 1024;
    const quint64 directoryEnd = directoryOffset + directorySize;
    QByteArray window;
    quint64 windowStart = directoryOffset;
    const auto have = [&](quint64 at, quint64 size) {
        if (at >= windowStart && at + size <= windowStart + quint64(window.size()))
            return true;
        const quint64 wanted = std::min(std::max(size, piece), directoryEnd - at);
        if (size > wanted)
            return false;
        std::optional<QByteArray> bytes = read(at, wanted);
        if (!bytes)
            return false;
        window = std::move(*bytes);
        windowStart = at;
        return true;
    };
    quint64 at = directoryOffset;
    while (at < directoryEnd) {
        if (!have(at, centralHeaderSize))
            return notAnArchive;
        auto header = qint64(at - windowStart);
        if (u32(window, header) != centralHeaderSignature)
            return notAnArchive;
        const quint64 nameLength = u16(window, header + 28);
        const quint64 extraLength = u16(window, header + 30);
        const quint64 commentLength = u16(window, header + 32);
        const quint64 recordSize = centralHeaderSize + nameLength + extraLength + commentLength;
        if (!have(at, recordSize))
            return notAnArchive;
        header = qint64(at - windowStart);

        Entry entry;
        entry.flags = u16(window, header + 8);
        entry.method = u16(window, header + 10);
        entry.crc = u32(window, header + 16);
        entry.compressedSize = u32(window, header + 20);
        entry.uncompressedSize = u32(window, header + 24);
        entry.localHeaderOffset = u32(window, header + 42);
        entry.pathOffset = m_paths.size();
        entry.pathSize = quint16(nameLength);
        m_paths.append(window.constData() + header + centralHeaderSize, qsizetype(nameLength));
        m_entries.append(entry);
        at += recordSize;
    }
    m_paths.squeeze();
    m_entries.squeeze();
    const auto found = quint64(m_entries.size());
    const bool complete =
        zip64 ? found == entryCount : (entryCount == 0xffff || (found & 0xffff) == entryCount);
    if (!complete)
        return notAnArchive;
    return checkSpans(directoryOffset);
}

ZipArchiveReader::Error ZipArchiveReader::checkSpans(quint64 directoryOffset) const
{
    // Each entry's local header, name and data as the directory gives them (a local extra field
    // only moves the data further on, within the entry's own size): spans that overlap mean bytes
    // read twice. An entry whose header lies outside the archive is damaged alone and fails when
    // it is read.
    QList<std::pair<quint64, quint64>> spans;
    spans.reserve(m_entries.size());
    quint64 inflated = 0;
    for (const Entry &entry : m_entries) {
        inflated += quint64(entry.uncompressedSize);
        if (inflated > quint64(maxInflatedSize))
            return Error::TooLarge;
        const auto header = quint64(entry.localHeaderOffset);
        if (header > m_size || quint64(localHeaderSize) > m_size - header)
            continue;
        const quint64 end = header + localHeaderSize + entry.pathSize + quint64(entry.compressedSize);
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

    // Header, name and data in one read when the local header has no extra field (as ours, and
    // most writers', have not); otherwise the data is read again where it starts.
    const auto header = quint64(entry.localHeaderOffset);
    const quint64 guess = localHeaderSize + quint64(entry.pathSize);
    std::optional<QByteArray> bytes = read(header, guess + quint64(entry.compressedSize));
    if (!bytes)
        bytes = read(header, localHeaderSize);
    if (!bytes || bytes->size() < localHeaderSize || u32(*bytes, 0) != localHeaderSignature)
        return std::nullopt;
    const quint64 skip = localHeaderSize + u16(*bytes, 26) + u16(*bytes, 28);
    qsizetype start = qsizetype(skip);
    if (skip != guess || bytes->size() < qsizetype(skip) + entry.compressedSize) {
        bytes = read(header + skip, quint64(entry.compressedSize));
        if (!bytes)
            return std::nullopt;
        start = 0;
    }
    const char *input = bytes->constData() + start;

    std::optional<QByteArray> output;
    if (entry.method == methodStored) {
        if (entry.compressedSize != entry.uncompressedSize)
            return std::nullopt;
        output = start == 0 ? std::move(*bytes) : QByteArray(input, qsizetype(entry.compressedSize));
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
    const QByteArray name = path.toUtf8();
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (pathBytes(i) == name)
            return true;
    }
    return false;
}

std::optional<QByteArray> ZipArchiveReader::data(const QString &path) const
{
    const QByteArray name = path.toUtf8();
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (pathBytes(i) == name)
            return data(i);
    }
    return std::nullopt;
}
