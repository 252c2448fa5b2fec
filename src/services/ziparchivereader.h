#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// Reads the entries of a ZIP archive held in memory, in archive (central directory) order.
//
// Backups hold one entry per row, so an archive easily has more than 65535 entries: the central
// directory is walked to its end (ZIP64 end records are understood, and a 16-bit count that
// wrapped around is accepted), and every entry is read by its index in constant time. Only stored and deflated
// entries without encryption are read. Every offset and size comes from the file and is checked
// against the buffer before use, and each entry's CRC-32 is verified, so a damaged or hostile
// archive yields an error, never a read outside the buffer.
class ZipArchiveReader
{
public:
    struct Entry
    {
        QString path; // as stored, decoded as UTF-8
        quint16 flags = 0;
        quint16 method = 0;
        quint32 crc = 0;
        qint64 compressedSize = 0;
        qint64 uncompressedSize = 0;
        qint64 localHeaderOffset = 0;
    };

    // Larger entries are refused unread: no row of a backup comes near it.
    static constexpr qint64 maxEntrySize = 64 * 1024 * 1024;

    explicit ZipArchiveReader(const QByteArray &archive);

    // False when the bytes are not a ZIP archive or its central directory is damaged.
    bool isValid() const { return m_valid; }
    const QList<Entry> &entries() const { return m_entries; }

    // The uncompressed bytes of entry `index`; nothing when the entry cannot be read intact.
    std::optional<QByteArray> data(qsizetype index) const;
    // The first entry of that exact path, as the ZIP readers of the toolkit do.
    std::optional<QByteArray> data(const QString &path) const;
    bool contains(const QString &path) const;

private:
    bool parse();

    QByteArray m_archive;
    QList<Entry> m_entries;
    bool m_valid = false;
};
