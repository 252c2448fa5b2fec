#include "ziparchivewriter.h"

#include <QIODevice>
#include <QTemporaryFile>
#include <QtEndian>

#include <zlib.h>

namespace {

constexpr quint32 localHeaderSignature = 0x04034b50;
constexpr quint32 centralHeaderSignature = 0x02014b50;
constexpr quint32 endOfDirectorySignature = 0x06054b50;
constexpr quint32 zip64EndOfDirectorySignature = 0x06064b50;
constexpr quint32 zip64LocatorSignature = 0x07064b50;

constexpr quint16 versionNeeded = 20;      // 2.0: what plain stored entries need
constexpr quint16 versionNeededZip64 = 45; // 4.5: ZIP64 end records
constexpr quint16 madeByUnix = (3 << 8) | versionNeededZip64;
constexpr quint16 utf8NamesFlag = 0x0800;
constexpr quint32 regularFileAttributes = 0100644u << 16; // rw-r--r-- on systems that read them

// Handed to the device in pieces of about this size: few writes, bounded memory.
constexpr qsizetype pendingLimit = 1024 * 1024;
// The central directory stays in memory up to this size, then waits in a temporary file.
constexpr qsizetype directoryLimit = 4 * 1024 * 1024;

// Little-endian fields written into a fixed record on the stack, appended in one piece: a backup
// writes two records per row.
template<qsizetype Size> class Record
{
public:
    Record &u16(quint16 value) { return put(value); }
    Record &u32(quint32 value) { return put(value); }
    Record &u64(quint64 value) { return put(value); }

    void appendTo(QByteArray &out) const
    {
        Q_ASSERT(m_size == Size);
        out.append(reinterpret_cast<const char *>(m_bytes), Size);
    }

private:
    template<typename T> Record &put(T value)
    {
        qToLittleEndian(value, m_bytes + m_size);
        m_size += qsizetype(sizeof value);
        return *this;
    }

    uchar m_bytes[Size];
    qsizetype m_size = 0;
};

} // namespace

ZipArchiveWriter::ZipArchiveWriter(QIODevice *device, const QDateTime &modified)
    : m_device(device)
{
    // MS-DOS time: local time, two-second steps, years from 1980.
    const QDateTime local = modified.toLocalTime();
    const QDate date = local.date();
    const QTime time = local.time();
    if (date.year() >= 1980 && date.year() <= 2107) {
        m_dosDate = quint16(((date.year() - 1980) << 9) | (date.month() << 5) | date.day());
        m_dosTime = quint16((time.hour() << 11) | (time.minute() << 5) | (time.second() / 2));
    } else {
        m_dosDate = (1 << 5) | 1; // 1980-01-01
    }
    m_pending.reserve(pendingLimit + 64 * 1024);
}

ZipArchiveWriter::~ZipArchiveWriter() = default;

bool ZipArchiveWriter::fail(const QString &reason)
{
    if (m_error.isEmpty())
        m_error = reason;
    return false;
}

bool ZipArchiveWriter::flush()
{
    if (m_pending.isEmpty())
        return m_error.isEmpty();
    const qint64 written = m_device->write(m_pending);
    const bool complete = written == m_pending.size();
    m_pending.resize(0);
    if (!complete)
        return fail(m_device->errorString());
    return m_error.isEmpty();
}

bool ZipArchiveWriter::addFile(QByteArrayView path, QByteArrayView data)
{
    if (!m_error.isEmpty() || m_closed)
        return false;
    if (path.size() > 0xffff)
        return fail(QStringLiteral("the entry name is longer than a ZIP archive allows"));
    const quint64 headerSize = 30 + quint64(path.size());
    if (m_offset > 0xffffffffu || quint64(data.size()) > 0xffffffffu ||
        m_offset + headerSize + quint64(data.size()) > 0xffffffffu)
        return fail(QStringLiteral("the archive would be larger than 4 GiB"));

    bool ascii = true;
    for (const char c : path)
        ascii = ascii && uchar(c) < 0x80;
    const quint16 flags = ascii ? 0 : utf8NamesFlag;
    const auto crc =
        quint32(crc32(crc32(0, nullptr, 0), reinterpret_cast<const Bytef *>(data.data()), uInt(data.size())));
    const auto size = quint32(data.size());

    Record<30>()
        .u32(localHeaderSignature)
        .u16(versionNeeded)
        .u16(flags)
        .u16(0) // stored
        .u16(m_dosTime)
        .u16(m_dosDate)
        .u32(crc)
        .u32(size)
        .u32(size)
        .u16(quint16(path.size()))
        .u16(0)
        .appendTo(m_pending);
    m_pending.append(path);
    m_pending.append(data);

    Record<46>()
        .u32(centralHeaderSignature)
        .u16(madeByUnix)
        .u16(versionNeeded)
        .u16(flags)
        .u16(0)
        .u16(m_dosTime)
        .u16(m_dosDate)
        .u32(crc)
        .u32(size)
        .u32(size)
        .u16(quint16(path.size()))
        .u16(0) // extra
        .u16(0) // comment
        .u16(0) // disk
        .u16(0) // internal attributes
        .u32(regularFileAttributes)
        .u32(quint32(m_offset))
        .appendTo(m_directory);
    m_directory.append(path);

    m_offset += headerSize + quint64(data.size());
    ++m_entryCount;
    if (m_pending.size() >= pendingLimit && !flush())
        return false;
    if (m_directory.size() >= directoryLimit) {
        if (!m_spill) {
            m_spill = std::make_unique<QTemporaryFile>();
            if (!m_spill->open())
                return fail(QStringLiteral("cannot make a temporary file: %1").arg(m_spill->errorString()));
        }
        if (m_spill->write(m_directory) != m_directory.size())
            return fail(QStringLiteral("cannot write a temporary file: %1").arg(m_spill->errorString()));
        m_directory.resize(0);
    }
    return true;
}

bool ZipArchiveWriter::write(QByteArrayView bytes)
{
    m_pending.append(bytes);
    return m_pending.size() < pendingLimit || flush();
}

bool ZipArchiveWriter::close()
{
    if (m_closed)
        return m_error.isEmpty();
    m_closed = true;
    if (!m_error.isEmpty())
        return false;

    const quint64 directoryOffset = m_offset;
    quint64 directorySize = quint64(m_directory.size());
    if (m_spill) {
        directorySize += quint64(m_spill->size());
        if (!m_spill->seek(0))
            return fail(m_spill->errorString());
        QByteArray chunk;
        while (!m_spill->atEnd()) {
            chunk = m_spill->read(pendingLimit);
            if (chunk.isEmpty())
                return fail(QStringLiteral("cannot read a temporary file: %1").arg(m_spill->errorString()));
            if (!write(chunk))
                return false;
        }
        m_spill.reset();
    }
    if (!write(m_directory))
        return false;
    m_directory = QByteArray();
    if (directoryOffset + directorySize > 0xffffffffu)
        return fail(QStringLiteral("the archive would be larger than 4 GiB"));

    QByteArray end;
    const bool zip64 = m_entryCount > 0xffff;
    if (zip64) {
        const quint64 zip64Record = directoryOffset + directorySize;
        Record<76>()
            .u32(zip64EndOfDirectorySignature)
            .u64(44) // size of the rest of this record
            .u16(madeByUnix)
            .u16(versionNeededZip64)
            .u32(0)
            .u32(0)
            .u64(m_entryCount)
            .u64(m_entryCount)
            .u64(directorySize)
            .u64(directoryOffset)
            .u32(zip64LocatorSignature)
            .u32(0)
            .u64(zip64Record)
            .u32(1)
            .appendTo(end);
    }
    const quint16 shortCount = zip64 ? 0xffff : quint16(m_entryCount);
    Record<22>()
        .u32(endOfDirectorySignature)
        .u16(0)
        .u16(0)
        .u16(shortCount)
        .u16(shortCount)
        .u32(quint32(directorySize))
        .u32(quint32(directoryOffset))
        .u16(0)
        .appendTo(end);
    return write(end) && flush();
}
