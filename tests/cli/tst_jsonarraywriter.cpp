// The command line prints large arrays as it reads them; the bytes must be those of the indented
// whole array that scripts and tests have always read.

#include "clirecords.h"
#include "jsonarraywriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

#include <cstdio>

Q_DECLARE_METATYPE(Transaction)

class TestJsonArrayWriter : public QObject
{
    Q_OBJECT

private slots:
    void sameBytesAsTheWholeArray_data();
    void sameBytesAsTheWholeArray();
    void abandonedArrayDoesNotParse();
    void registerRowsSameBytesAsTheirObjects_data();
    void registerRowsSameBytesAsTheirObjects();

private:
    static QByteArray written(const std::function<void(JsonArrayWriter &)> &write);
};

QByteArray TestJsonArrayWriter::written(const std::function<void(JsonArrayWriter &)> &write)
{
    std::FILE *file = std::tmpfile();
    if (!file)
        return {};
    {
        JsonArrayWriter writer(file);
        write(writer);
    }
    std::rewind(file);
    QByteArray bytes;
    char buffer[65536];
    while (const size_t read = std::fread(buffer, 1, sizeof buffer, file))
        bytes.append(buffer, qsizetype(read));
    std::fclose(file);
    return bytes;
}

void TestJsonArrayWriter::sameBytesAsTheWholeArray_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("empty") << 0;
    QTest::newRow("one") << 1;
    QTest::newRow("three") << 3;
    // Past the writer's flush size, so that pieces are joined at the right places.
    QTest::newRow("many") << 5000;
}

void TestJsonArrayWriter::sameBytesAsTheWholeArray()
{
    QFETCH(int, count);
    QJsonArray whole;
    QList<QJsonObject> objects;
    for (int i = 0; i < count; ++i) {
        QJsonObject object{{QStringLiteral("id"), QStringLiteral("row-%1").arg(i)},
                           {QStringLiteral("payee"), QStringLiteral("Café \"Zürich\" 東京 \\ %1").arg(i)},
                           {QStringLiteral("amount"), qint64(-123456789012345) + i},
                           {QStringLiteral("memo"), QStringLiteral("line\nbreak")},
                           {QStringLiteral("category_id"), QJsonValue::Null},
                           {QStringLiteral("cleared"), i % 2 == 0},
                           {QStringLiteral("tags"), QJsonArray{1, QStringLiteral("two")}},
                           {QStringLiteral("nested"), QJsonObject{{QStringLiteral("k"), i}}},
                           {QStringLiteral("empty"), QJsonObject()}};
        if (i == 1)
            object = QJsonObject();
        objects.append(object);
        whole.append(object);
    }
    const QByteArray bytes = written([&objects](JsonArrayWriter &writer) {
        for (const QJsonObject &object : std::as_const(objects))
            writer.append(object);
    });
    QCOMPARE(bytes, QJsonDocument(whole).toJson(QJsonDocument::Indented));
}

void TestJsonArrayWriter::abandonedArrayDoesNotParse()
{
    const QByteArray bytes = written([](JsonArrayWriter &writer) {
        writer.append(QJsonObject{{QStringLiteral("id"), 1}});
        writer.abandon();
    });
    QVERIFY(bytes.startsWith("[\n    {"));
    QJsonParseError error;
    QJsonDocument::fromJson(bytes, &error);
    QVERIFY(error.error != QJsonParseError::NoError);
}

void TestJsonArrayWriter::registerRowsSameBytesAsTheirObjects_data()
{
    QTest::addColumn<Transaction>("transaction");
    QTest::addColumn<QString>("categoryName");
    QTest::addColumn<bool>("withBalance");

    Transaction plain;
    plain.id = QStringLiteral("tx-1");
    plain.accountId = QStringLiteral("acc-1");
    plain.date = QDate(2026, 3, 31);
    plain.payee = QStringLiteral("Golden Market");
    plain.amount = -4669;
    plain.createdAt = QDateTime(QDate(2026, 3, 31), QTime(14, 5, 9), Qt::UTC);
    plain.updatedAt = plain.createdAt;
    QTest::newRow("plain, uncategorised") << plain << QString() << true;
    QTest::newRow("search row without balance") << plain << QStringLiteral("Groceries") << false;

    Transaction full = plain;
    full.memo = QStringLiteral("line\nbreak\ttab \"quoted\" back\\slash \x01 \x7f");
    full.categoryId = QStringLiteral("cat-1");
    full.checkNumber = QStringLiteral("1042");
    full.cleared = true;
    full.reconciled = true;
    full.transferLinkId = QStringLiteral("tx-2");
    full.transferDestAccountId = QStringLiteral("acc-2");
    full.isSplit = true;
    full.recurringId = QStringLiteral("rec-1");
    full.version = 7;
    full.syncStatus = SyncStatus::Synced;
    full.serverId = QStringLiteral("srv-1");
    full.deletedAt = QDateTime(QDate(2026, 4, 1), QTime(0, 0), Qt::UTC);
    full.amount = maxAmount;
    QTest::newRow("every member set") << full << QStringLiteral("Food:Dining") << true;

    Transaction unicode = plain;
    unicode.payee = QStringLiteral("Café Zürich 東京 \U0001F600");
    unicode.memo = QString(QChar(0xd800)) + QStringLiteral("lone high, lone low ") + QChar(0xdc00);
    QTest::newRow("unicode and lone surrogates") << unicode << QStringLiteral("Épicerie") << true;

    Transaction empty;
    QTest::newRow("empty record") << empty << QString() << true;
}

void TestJsonArrayWriter::registerRowsSameBytesAsTheirObjects()
{
    QFETCH(Transaction, transaction);
    QFETCH(QString, categoryName);
    QFETCH(bool, withBalance);
    const Money balance = -123456789012345;

    QJsonObject object = transactionJson(transaction);
    object.insert(QStringLiteral("category_name"), categoryName);
    if (withBalance)
        object.insert(QStringLiteral("running_balance"), balance);
    const QByteArray bytes = written([&](JsonArrayWriter &writer) {
        for (int i = 0; i < 2; ++i) {
            writeRegisterRow(writer.beginObject(), transaction, categoryName,
                             withBalance ? std::optional<Money>(balance) : std::nullopt);
            writer.endObject();
        }
    });
    QCOMPARE(bytes, QJsonDocument(QJsonArray{object, object}).toJson(QJsonDocument::Indented));
}

QTEST_GUILESS_MAIN(TestJsonArrayWriter)
#include "tst_jsonarraywriter.moc"
