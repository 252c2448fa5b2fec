// The command line prints large arrays as it reads them; the bytes must be those of the indented
// whole array that scripts and tests have always read.

#include "jsonarraywriter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

#include <cstdio>

class TestJsonArrayWriter : public QObject
{
    Q_OBJECT

private slots:
    void sameBytesAsTheWholeArray_data();
    void sameBytesAsTheWholeArray();
    void abandonedArrayDoesNotParse();

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

QTEST_GUILESS_MAIN(TestJsonArrayWriter)
#include "tst_jsonarraywriter.moc"
