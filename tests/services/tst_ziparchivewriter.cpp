#include "services/ziparchivereader.h"
#include "services/ziparchivewriter.h"

#include <QtGui/private/qzipreader_p.h>

#include <QBuffer>
#include <QTest>

using Entries = QList<QPair<QByteArray, QByteArray>>;

namespace {

// A device that takes `room` bytes and then refuses, as a full disk does.
class FullDevice : public QIODevice
{
public:
    explicit FullDevice(qint64 room)
        : m_room(room)
    {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 size) override
    {
        if (size > m_room) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        m_room -= size;
        return size;
    }

private:
    qint64 m_room;
};

QByteArray archive(const Entries &entries)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ZipArchiveWriter writer(&buffer, QDateTime(QDate(2026, 3, 31), QTime(14, 5, 8)));
    for (const auto &[path, data] : entries) {
        if (!writer.addFile(path, data))
            return {};
    }
    if (!writer.close())
        return {};
    return buffer.data();
}

} // namespace

// Backups are written entry by entry to their file; other ZIP readers (the toolkit's among them)
// and our own must read back exactly what went in.
class TestZipArchiveWriter : public QObject
{
    Q_OBJECT

private slots:
    void toolkitReaderReadsEveryEntry_data();
    void toolkitReaderReadsEveryEntry();
    void moreThan65535EntriesReadBack();
    void refusedWriteFailsWithTheReason();
};

void TestZipArchiveWriter::toolkitReaderReadsEveryEntry_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::newRow("no entries") << Entries{};
    QTest::newRow("rows and manifest") << Entries{{"accounts/a1.json", "{\n    \"id\": \"a1\"\n}\n"},
                                                  {"transactions/t1.json", QByteArray(5000, 'x')},
                                                  {"manifest.json", "{}\n"}};
    QTest::newRow("empty entry") << Entries{{"empty.json", QByteArray()}};
    QTest::newRow("UTF-8 name") << Entries{{"accounts/caf\xc3\xa9-\xe6\x9d\xb1.json", "{}"}};
    QTest::newRow("binary data") << Entries{{"bytes", QByteArray("\x00\x01\xff\r\n", 5)}};
}

void TestZipArchiveWriter::toolkitReaderReadsEveryEntry()
{
    QFETCH(Entries, entries);
    const QByteArray bytes = archive(entries);
    QVERIFY(!bytes.isEmpty());

    QBuffer buffer;
    buffer.setData(bytes);
    QZipReader toolkit(&buffer);
    QCOMPARE(toolkit.status(), QZipReader::NoError);
    const QList<QZipReader::FileInfo> infos = toolkit.fileInfoList();
    QCOMPARE(infos.size(), entries.size());
    const ZipArchiveReader ours(bytes);
    QVERIFY(ours.isValid());
    QCOMPARE(ours.entries().size(), entries.size());
    QByteArray copy = bytes;
    QBuffer device(&copy);
    QVERIFY(device.open(QIODevice::ReadOnly));
    const ZipArchiveReader oursFromDevice(&device);
    QVERIFY(oursFromDevice.isValid());
    QCOMPARE(oursFromDevice.entries().size(), entries.size());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString path = QString::fromUtf8(entries.at(i).first);
        QCOMPARE(infos.at(i).filePath, path);
        QVERIFY(infos.at(i).isFile);
        QCOMPARE(toolkit.fileData(path), entries.at(i).second);
        QCOMPARE(ours.path(i), path);
        QCOMPARE(ours.data(i), std::optional<QByteArray>(entries.at(i).second));
        QCOMPARE(oursFromDevice.path(i), path);
        QCOMPARE(oursFromDevice.data(i), std::optional<QByteArray>(entries.at(i).second));
    }
}

void TestZipArchiveWriter::moreThan65535EntriesReadBack()
{
    // Past the 16-bit entry count, and past the size at which the directory waits in a file.
    Entries entries;
    for (int i = 0; i < 70000; ++i)
        entries.append(
            {QByteArrayLiteral("transactions/") + QByteArray::number(i).rightJustified(36, '0') + ".json",
             QByteArray::number(i)});
    const QByteArray bytes = archive(entries);
    const ZipArchiveReader reader(bytes);
    QVERIFY(reader.isValid());
    QCOMPARE(reader.entries().size(), entries.size());
    for (const qsizetype i : {qsizetype(0), qsizetype(65535), qsizetype(69999)}) {
        QCOMPARE(reader.path(i), QString::fromLatin1(entries.at(i).first));
        QCOMPARE(reader.data(i), std::optional<QByteArray>(entries.at(i).second));
    }
}

void TestZipArchiveWriter::refusedWriteFailsWithTheReason()
{
    FullDevice device(3 * 1024 * 1024);
    ZipArchiveWriter writer(&device, QDateTime::currentDateTime());
    bool added = true;
    for (int i = 0; i < 1000 && added; ++i)
        added = writer.addFile("rows/" + QByteArray::number(i), QByteArray(10000, 'r'));
    QVERIFY(!added || !writer.close());
    QVERIFY(!writer.close());
    QCOMPARE(writer.errorString(), QStringLiteral("No space left on device"));
}

QTEST_GUILESS_MAIN(TestZipArchiveWriter)
#include "tst_ziparchivewriter.moc"
