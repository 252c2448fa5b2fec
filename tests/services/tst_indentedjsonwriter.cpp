#include "services/indentedjsonwriter.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <limits>

// Backups and the command line write their rows member by member; the text must be what the
// toolkit's indented writer makes of the same object, which every reader of the files expects.
class TestIndentedJsonWriter : public QObject
{
    Q_OBJECT

private slots:
    void sqlValuesSameBytesAsTheToolkit_data();
    void sqlValuesSameBytesAsTheToolkit();
    void emptyObject();
};

void TestIndentedJsonWriter::sqlValuesSameBytesAsTheToolkit_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QJsonValue>("expected");
    QTest::newRow("null") << QVariant(QMetaType::fromType<QString>()) << QJsonValue(QJsonValue::Null);
    QTest::newRow("integer") << QVariant(qint64(-4669)) << QJsonValue(qint64(-4669));
    QTest::newRow("largest integer") << QVariant(std::numeric_limits<qint64>::max())
                                     << QJsonValue(std::numeric_limits<qint64>::max());
    QTest::newRow("smallest integer")
        << QVariant(std::numeric_limits<qint64>::min()) << QJsonValue(std::numeric_limits<qint64>::min());
    QTest::newRow("zero") << QVariant(0) << QJsonValue(0);
    QTest::newRow("real") << QVariant(0.1) << QJsonValue(0.1);
    QTest::newRow("whole real") << QVariant(5.0) << QJsonValue(5.0);
    QTest::newRow("huge real") << QVariant(1e300) << QJsonValue(1e300);
    QTest::newRow("infinite real") << QVariant(std::numeric_limits<double>::infinity())
                                   << QJsonValue(std::numeric_limits<double>::infinity());
    QTest::newRow("boolean") << QVariant(true) << QJsonValue(true);
    QTest::newRow("empty text") << QVariant(QString()) << QJsonValue(QString());
    QTest::newRow("escapes") << QVariant(QStringLiteral("\"\\/\b\f\n\r\t\x01\x1f\x7f"))
                             << QJsonValue(QStringLiteral("\"\\/\b\f\n\r\t\x01\x1f\x7f"));
    const QString unicode =
        QStringLiteral("Café 東京 \U0001F600 ") + QChar(0xd83d) + QStringLiteral("x") + QChar(0xde00);
    QTest::newRow("unicode and lone surrogates") << QVariant(unicode) << QJsonValue(unicode);
    QTest::newRow("surrogate at the end")
        << QVariant(QString(QChar(0xd83d))) << QJsonValue(QString(QChar(0xd83d)));
    QTest::newRow("blob") << QVariant(QByteArray("bytes")) << QJsonValue(QStringLiteral("bytes"));
}

void TestIndentedJsonWriter::sqlValuesSameBytesAsTheToolkit()
{
    QFETCH(QVariant, value);
    QFETCH(QJsonValue, expected);
    const QJsonObject object{
        {QStringLiteral("a"), 1}, {QStringLiteral("value"), expected}, {QStringLiteral("z"), 2}};

    QByteArray document;
    IndentedJsonWriter writer(document, 0);
    writer.integer(QLatin1String("a"), 1);
    writer.sqlValue(u"value", value);
    writer.integer(QLatin1String("z"), 2);
    writer.finish();
    QCOMPARE(document, QJsonDocument(object).toJson(QJsonDocument::Indented));
}

void TestIndentedJsonWriter::emptyObject()
{
    QByteArray document;
    IndentedJsonWriter(document, 0).finish();
    QCOMPARE(document, QJsonDocument(QJsonObject()).toJson(QJsonDocument::Indented));
}

QTEST_GUILESS_MAIN(TestIndentedJsonWriter)
#include "tst_indentedjsonwriter.moc"
