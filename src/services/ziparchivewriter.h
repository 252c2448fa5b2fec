#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

#include <memory>

class QIODevice;
class QTemporaryFile;

// Writes a ZIP archive to a device entry by entry, as the entries come: the archive never exists
// in memory as a whole, and neither does its central directory (past a few megabytes it waits in
// a temporary file). Entries are stored as they are, uncompressed.
//
// A backup has one entry per row, so an archive easily has more than 65535 entries: the end
// record then carries the "see ZIP64" marks and the real counts go into ZIP64 end records, as
// the format provides. Offsets and sizes must fit in 32 bits: an archive that would grow past
// 4 GiB is refused rather than written in a form the reader would not take back.
class ZipArchiveWriter
{
public:
    // `modified` is the time given to every entry.
    ZipArchiveWriter(QIODevice *device, const QDateTime &modified);
    ~ZipArchiveWriter();

    ZipArchiveWriter(const ZipArchiveWriter &) = delete;
    ZipArchiveWriter &operator=(const ZipArchiveWriter &) = delete;

    // `path` is UTF-8. False once anything failed; the reason is in errorString().
    bool addFile(QByteArrayView path, QByteArrayView data);
    // Writes the central directory and the end records. False when anything failed on the way.
    bool close();

    QString errorString() const { return m_error; }
    quint64 entryCount() const { return m_entryCount; }

private:
    bool write(QByteArrayView bytes);
    bool flush();
    bool fail(const QString &reason);

    QIODevice *m_device;
    quint16 m_dosTime = 0;
    quint16 m_dosDate = 0;
    QByteArray m_pending;   // local headers and data not yet handed to the device
    QByteArray m_directory; // central directory records not yet spilled
    std::unique_ptr<QTemporaryFile> m_spill;
    quint64 m_offset = 0; // where the next local header starts
    quint64 m_entryCount = 0;
    QString m_error;
    bool m_closed = false;
};
