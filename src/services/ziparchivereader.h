#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

class QIODevice;

// Reads the entries of a ZIP archive, held in memory or read from a file as the entries are asked
// for, in archive (central directory) order. From a file only the central directory's names and
// numbers are held (about 100 bytes an entry), never the archive.
//
// Backups hold one entry per row, so an archive easily has more than 65535 entries: the central
// directory is walked to its end (ZIP64 end records are understood, and a 16-bit count that
// wrapped around is accepted), and every entry is read by its index in constant time. Only stored and
// deflated entries without encryption are read. Every offset and size comes from the file and is checked
// against the archive's size before use, and each entry's CRC-32 is verified, so a damaged or hostile
// archive yields an error, never a read outside the buffer. What an archive may cost is bounded
// too: entries whose bytes overlap are refused (ten directory records pointing at one 60 MB member
// took 17 s to restore, 65,535 of them would take a day), and so is an archive whose entries would
// inflate to more than maxInflatedSize in all.
class ZipArchiveReader
{
public:
    enum class Error { None, NotAnArchive, OverlappingEntries, TooLarge };

    struct Entry
    {
        qint64 pathOffset = 0; // where the stored (UTF-8) name starts in the reader's name store
        quint16 pathSize = 0;
        quint16 flags = 0;
        quint16 method = 0;
        quint32 crc = 0;
        qint64 compressedSize = 0;
        qint64 uncompressedSize = 0;
        qint64 localHeaderOffset = 0;
    };

    // Larger entries are refused unread: no row of a backup comes near it.
    static constexpr qint64 maxEntrySize = 64 * 1024 * 1024;
    // Four times the rows of a million-transaction backup.
    static constexpr qint64 maxInflatedSize = 4LL * 1024 * 1024 * 1024;

    explicit ZipArchiveReader(const QByteArray &archive);
    // Reads from `device`, which must be open, seekable, and outlive the reader. Entries are read
    // ahead a megabyte at a time: a file opened unbuffered is not copied through the device's buffer.
    explicit ZipArchiveReader(QIODevice *device);

    // False when the bytes are not a ZIP archive or its central directory is damaged.
    bool isValid() const { return m_valid; }
    // Why the archive is not valid; None when it is.
    Error error() const { return m_error; }
    const QList<Entry> &entries() const { return m_entries; }
    // The name of entry `index`, decoded as UTF-8, and as stored.
    QString path(qsizetype index) const;
    QByteArrayView pathBytes(qsizetype index) const;

    // The uncompressed bytes of entry `index`; nothing when the entry cannot be read intact.
    std::optional<QByteArray> data(qsizetype index) const;
    // The first entry of that exact path, as the ZIP readers of the toolkit do.
    std::optional<QByteArray> data(const QString &path) const;
    bool contains(const QString &path) const;

private:
    Error parse();
    Error checkSpans(quint64 directoryOffset) const;
    // `size` bytes from `offset`, or nothing when they are not all there.
    std::optional<QByteArray> read(quint64 offset, quint64 size) const;

    QByteArray m_archive;
    QIODevice *m_device = nullptr;
    quint64 m_size = 0;
    QByteArray m_paths;
    mutable QByteArray m_window; // read ahead from the device
    mutable quint64 m_windowStart = 0;
    QList<Entry> m_entries;
    bool m_valid = false;
    Error m_error = Error::None;
};
