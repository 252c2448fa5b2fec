#include "services/ziparchivereader.h"

#include <QtGui/private/qzipwriter_p.h>

#include <QBuffer>
#include <QFile>
#include <QtEndian>
#include <QTest>

#include <functional>

namespace {

const QByteArray rowText =
    QByteArray("{\n    \"id\": \"acc-1\",\n    \"name\": \"Checking\"\n}\n").repeated(8);

QByteArray sampleArchive()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QZipWriter writer(&buffer);
    writer.addFile(QStringLiteral("accounts/acc-1.json"), rowText); // deflated
    writer.setCompressionPolicy(QZipWriter::NeverCompress);
    writer.addFile(QStringLiteral("manifest.json"), QByteArray(R"({"version": 1})"));
    writer.close();
    return buffer.data();
}

void put16(QByteArray &bytes, qsizetype at, quint16 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

void put32(QByteArray &bytes, qsizetype at, quint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

qsizetype firstCentralHeader(const QByteArray &bytes)
{
    return bytes.indexOf(QByteArray("PK\x01\x02", 4));
}

qsizetype endRecord(const QByteArray &bytes)
{
    return bytes.lastIndexOf(QByteArray("PK\x05\x06", 4));
}

} // namespace

using Damage = std::function<void(QByteArray &)>;
Q_DECLARE_METATYPE(Damage)

class TestZipArchiveReader : public QObject
{
    Q_OBJECT

private slots:
    void readsWhatTheToolkitWrites();
    void readsAnotherZipper_data();
    void readsAnotherZipper();
    void countBeyond16BitsWithoutZip64Records();
    void damagedArchives_data();
    void damagedArchives();
    void entriesSharingBytesAreRefused();
    void archiveInflatingBeyondTheCapIsRefused();
};

void TestZipArchiveReader::readsWhatTheToolkitWrites()
{
    const ZipArchiveReader reader(sampleArchive());
    QVERIFY(reader.isValid());
    QCOMPARE(reader.entries().size(), 2);
    QCOMPARE(reader.path(0), QStringLiteral("accounts/acc-1.json"));
    QCOMPARE(reader.entries().at(0).method, quint16(8));
    QCOMPARE(reader.data(0), std::optional<QByteArray>(rowText));
    QCOMPARE(reader.data(QStringLiteral("manifest.json")), std::optional<QByteArray>(R"({"version": 1})"));
    QCOMPARE(reader.data(QStringLiteral("absent.json")), std::nullopt);
    QCOMPARE(reader.data(2), std::nullopt);
}

void TestZipArchiveReader::readsAnotherZipper_data()
{
    QTest::addColumn<bool>("fromFile");
    QTest::newRow("in memory") << false;
    QTest::newRow("from the file") << true;
}

void TestZipArchiveReader::readsAnotherZipper()
{
    QFETCH(bool, fromFile);
    // Written by Python's zipfile: an archive comment, a stored entry, a non-ASCII name.
    QFile file(QFINDTESTDATA("../fixtures/backup/another-zipper/archive.zip"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Unbuffered));
    const ZipArchiveReader reader = fromFile ? ZipArchiveReader(&file) : ZipArchiveReader(file.readAll());
    QVERIFY(reader.isValid());
    QStringList paths;
    for (qsizetype i = 0; i < reader.entries().size(); ++i)
        paths.append(reader.path(i));
    QCOMPARE(paths, (QStringList{QStringLiteral("accounts/acc-1.json"), QStringLiteral("notes/über.txt"),
                                 QStringLiteral("manifest.json")}));
    QCOMPARE(reader.data(1), std::optional<QByteArray>("stored text"));
    QVERIFY(reader.data(0).value_or(QByteArray()).contains("\"starting_balance\": 1234"));
}

void TestZipArchiveReader::countBeyond16BitsWithoutZip64Records()
{
    // The toolkit's writer keeps only the low 16 bits of the entry count in the end record.
    constexpr int count = 65540;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QZipWriter writer(&buffer);
        writer.setCompressionPolicy(QZipWriter::NeverCompress);
        for (int i = 0; i < count; ++i)
            writer.addFile(QStringLiteral("rows/%1.json").arg(i), QByteArray::number(i));
        writer.close();
    }
    const ZipArchiveReader reader(buffer.data());
    QVERIFY(reader.isValid());
    QCOMPARE(reader.entries().size(), count);
    QCOMPARE(reader.path(count - 1), QStringLiteral("rows/65539.json"));
    QCOMPARE(reader.data(count - 1), std::optional<QByteArray>("65539"));
}

void TestZipArchiveReader::damagedArchives_data()
{
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<bool>("firstReadable");

    QTest::newRow("intact") << Damage([](QByteArray &) {}) << true << true;
    QTest::newRow("comment after the end record") << Damage([](QByteArray &bytes) {
        put16(bytes, endRecord(bytes) + 20, 3);
        bytes.append("abc");
    }) << true << true;
    QTest::newRow("flipped byte in the data fails the checksum")
        << Damage([](QByteArray &bytes) { bytes[60] = char(bytes.at(60) ^ 0x01); }) << true << false;
    QTest::newRow("cut short") << Damage([](QByteArray &bytes) { bytes.chop(1); }) << false << false;
    QTest::newRow("no end record") << Damage([](QByteArray &bytes) { bytes.truncate(endRecord(bytes)); })
                                   << false << false;
    QTest::newRow("directory past the end")
        << Damage([](QByteArray &bytes) { put32(bytes, endRecord(bytes) + 16, 0x7fffffff); }) << false
        << false;
    QTest::newRow("more entries than the directory holds") << Damage([](QByteArray &bytes) {
        put16(bytes, endRecord(bytes) + 8, 50);
        put16(bytes, endRecord(bytes) + 10, 50);
    }) << false << false;
    QTest::newRow("name longer than the directory")
        << Damage([](QByteArray &bytes) { put16(bytes, firstCentralHeader(bytes) + 28, 0xffff); }) << false
        << false;
    QTest::newRow("entry offset past the end")
        << Damage([](QByteArray &bytes) { put32(bytes, firstCentralHeader(bytes) + 42, 0x7fffffff); }) << true
        << false;
    QTest::newRow("declared size beyond the limit")
        << Damage([](QByteArray &bytes) { put32(bytes, firstCentralHeader(bytes) + 24, 0xfffffff0); }) << true
        << false;
    QTest::newRow("declared size smaller than the data")
        << Damage([](QByteArray &bytes) { put32(bytes, firstCentralHeader(bytes) + 24, 10); }) << true
        << false;
    QTest::newRow("encrypted entry") << Damage([](QByteArray &bytes) {
        put16(bytes, firstCentralHeader(bytes) + 8, 0x0801);
    }) << true << false;
    QTest::newRow("unknown compression method")
        << Damage([](QByteArray &bytes) { put16(bytes, firstCentralHeader(bytes) + 10, 12); }) << true
        << false;
}

void TestZipArchiveReader::damagedArchives()
{
    QFETCH(Damage, damage);
    QFETCH(bool, valid);
    QFETCH(bool, firstReadable);

    QByteArray bytes = sampleArchive();
    damage(bytes);
    const ZipArchiveReader reader(bytes);
    QCOMPARE(reader.isValid(), valid);
    QCOMPARE(reader.data(0).has_value(), firstReadable);
    if (valid) // damage to one entry leaves the others readable
        QCOMPARE(reader.data(1), std::optional<QByteArray>(R"({"version": 1})"));
    else
        QVERIFY(reader.entries().isEmpty());
}

// Ten directory records that all name one member's bytes: every read would inflate that member
// again. Such an archive is refused whole, before anything is read.
void TestZipArchiveReader::entriesSharingBytesAreRefused()
{
    QByteArray bytes = sampleArchive();
    const qsizetype directory = firstCentralHeader(bytes);
    const qsizetype end = endRecord(bytes);
    const qsizetype firstRecordSize = 46 + qFromLittleEndian<quint16>(bytes.constData() + directory + 28);
    const QByteArray record = bytes.mid(directory, firstRecordSize);
    QByteArray crafted = bytes.left(directory);
    for (int i = 0; i < 10; ++i)
        crafted += record;
    QByteArray tail = bytes.mid(end);
    put16(tail, 8, 10);
    put16(tail, 10, 10);
    put32(tail, 12, quint32(10 * record.size()));
    crafted += tail;

    const ZipArchiveReader reader(crafted);
    QVERIFY(!reader.isValid());
    QCOMPARE(reader.error(), ZipArchiveReader::Error::OverlappingEntries);
    QVERIFY(reader.entries().isEmpty());
    QCOMPARE(ZipArchiveReader(bytes).error(), ZipArchiveReader::Error::None);
}

// Entries each within the per-entry limit whose sizes add up past the archive cap.
void TestZipArchiveReader::archiveInflatingBeyondTheCapIsRefused()
{
    constexpr int entries = 70;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QZipWriter writer(&buffer);
        for (int i = 0; i < entries; ++i)
            writer.addFile(QStringLiteral("rows/%1.json").arg(i), QByteArray("{}"));
        writer.close();
    }
    QByteArray bytes = buffer.data();
    qsizetype at = firstCentralHeader(bytes);
    for (int i = 0; i < entries; ++i) {
        put32(bytes, at + 24, quint32(ZipArchiveReader::maxEntrySize));
        at = bytes.indexOf(QByteArray("PK\x01\x02", 4), at + 4);
    }
    static_assert(entries * ZipArchiveReader::maxEntrySize > ZipArchiveReader::maxInflatedSize);
    const ZipArchiveReader reader(bytes);
    QVERIFY(!reader.isValid());
    QCOMPARE(reader.error(), ZipArchiveReader::Error::TooLarge);
}

QTEST_GUILESS_MAIN(TestZipArchiveReader)
#include "tst_ziparchivereader.moc"
