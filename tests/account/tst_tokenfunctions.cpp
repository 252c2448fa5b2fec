#include "account/platform.h"
#include "account/tokenfunctions.h"

#include "testtokens.h"

#include <QJsonObject>
#include <QRegularExpression>
#include <QTest>

using namespace CorvantisAccount;

class TestTokenFunctions : public QObject
{
    Q_OBJECT

private slots:
    void payloadReading_data();
    void payloadReading();
    void claims_data();
    void claims();
    void platformText_data();
    void platformText();
    void machineIdentifier_data();
    void machineIdentifier();
};

void TestTokenFunctions::payloadReading_data()
{
    QTest::addColumn<QString>("token");
    QTest::addColumn<qint64>("expiry");
    QTest::addColumn<QString>("subject");

    const QJsonObject payload{{QStringLiteral("sub"), QStringLiteral("u-42")},
                              {QStringLiteral("exp"), 1900000000}};
    QTest::newRow("service token") << tokenWithPayload(payload) << qint64(1900000000) << "u-42";
    // Payload lengths 1, 2 and 3 mod 4 need 3, 2 and 0 characters of padding that are left out.
    QTest::newRow("unpadded payload, one byte short")
        << tokenWithPayload({{QStringLiteral("sub"), QStringLiteral("ab")}, {QStringLiteral("exp"), 7}})
        << qint64(7) << "ab";
    QTest::newRow("unpadded payload, two bytes short")
        << tokenWithPayload({{QStringLiteral("sub"), QStringLiteral("abc")}, {QStringLiteral("exp"), 7}})
        << qint64(7) << "abc";
    QTest::newRow("url-safe alphabet")
        << tokenWithPayload({{QStringLiteral("sub"), QStringLiteral("?>?>~~")}}) << qint64(0) << "?>?>~~";
    QTest::newRow("padded payload") << QStringLiteral("h.") +
                                           QString::fromLatin1(QByteArray(R"({"exp":5})").toBase64()) + ".s"
                                    << qint64(5) << QString();
    QTest::newRow("no exp") << tokenWithPayload({{QStringLiteral("sub"), QStringLiteral("x")}}) << qint64(0)
                            << "x";
    QTest::newRow("exp as text") << tokenWithPayload({{QStringLiteral("exp"), QStringLiteral("1900000000")}})
                                 << qint64(0) << QString();
    QTest::newRow("one part") << "abc" << qint64(0) << QString();
    QTest::newRow("empty") << "" << qint64(0) << QString();
    QTest::newRow("payload not base64") << "h.!!!!.s" << qint64(0) << QString();
    QTest::newRow("payload not an object")
        << "h." + QString::fromLatin1(QByteArray("[1,2]").toBase64()) + ".s" << qint64(0) << QString();
    QTest::newRow("two parts are enough")
        << "h." + QString::fromLatin1(QByteArray(R"({"exp":9})").toBase64()) << qint64(9) << QString();
}

void TestTokenFunctions::payloadReading()
{
    QFETCH(QString, token);
    QTEST(tokenExpiry(token), "expiry");
    QTEST(tokenSubject(token), "subject");
}

void TestTokenFunctions::claims_data()
{
    QTest::addColumn<QJsonObject>("payload");
    QTest::addColumn<QString>("groupId");
    QTest::addColumn<QString>("role");

    const auto custom = [](const QJsonObject &corv) {
        return QJsonObject{{QStringLiteral("custom"), QJsonObject{{QStringLiteral("corv"), corv}}}};
    };
    QTest::newRow("group member") << custom({{QStringLiteral("group_id"), QStringLiteral("g-1")},
                                             {QStringLiteral("role"), QStringLiteral("member")}})
                                  << "g-1"
                                  << "member";
    QTest::newRow("empty corv object") << custom({}) << QString() << QString();
    QTest::newRow("no custom") << QJsonObject{{QStringLiteral("sub"), QStringLiteral("u")}} << QString()
                               << QString();
    QTest::newRow("corv not an object")
        << QJsonObject{{QStringLiteral("custom"),
                        QJsonObject{{QStringLiteral("corv"), QStringLiteral("g-1")}}}}
        << QString() << QString();
}

void TestTokenFunctions::claims()
{
    QFETCH(QJsonObject, payload);
    const CorvantisClaims claims = decodeClaims(tokenWithPayload(payload));
    QTEST(claims.groupId, "groupId");
    QTEST(claims.role, "role");
}

void TestTokenFunctions::platformText_data()
{
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QString>("kernel");
    QTest::addColumn<QString>("platform");

    QTest::newRow("linux") << QString() << "linux"
                           << "linux";
    QTest::newRow("Darwin in any case") << QString() << "Darwin"
                                        << "macos";
    QTest::newRow("winnt") << QString() << "winnt"
                           << "windows";
    QTest::newRow("freebsd unchanged") << QString() << "freebsd"
                                       << "freebsd";
    QTest::newRow("other kernel lowered") << QString() << "SunOS"
                                          << "sunos";
    QTest::newRow("configured wins") << "custom"
                                     << "linux"
                                     << "custom";
}

void TestTokenFunctions::platformText()
{
    QFETCH(QString, configured);
    QFETCH(QString, kernel);
    QTEST(detectedPlatform(configured, kernel), "platform");
}

void TestTokenFunctions::machineIdentifier_data()
{
    QTest::addColumn<QString>("registry");
    QTest::addColumn<QByteArray>("uniqueId");
    QTest::addColumn<QString>("hostName");

    QTest::newRow("machine id") << QString() << QByteArray("0123456789abcdef0123456789abcdef") << "host";
    QTest::newRow("host name only") << QString() << QByteArray() << "desktop-7";
    QTest::newRow("nothing known") << QString() << QByteArray() << QString();
}

void TestTokenFunctions::machineIdentifier()
{
    QFETCH(QString, registry);
    QFETCH(QByteArray, uniqueId);
    QFETCH(QString, hostName);
    const QString id = machineIdFrom(registry, uniqueId, hostName);
    static const QRegularExpression hex32(QStringLiteral("^[0-9a-f]{32}$"));
    QVERIFY2(hex32.match(id).hasMatch(), qPrintable(id));
    QCOMPARE(machineIdFrom(registry, uniqueId, hostName), id);
    // The operating system's own identifier never leaves the machine as it is.
    QVERIFY(!uniqueId.contains(id.toLatin1()));
    // Another machine gets another fingerprint.
    QVERIFY(machineIdFrom(registry, uniqueId + "x", hostName + QLatin1Char('x')) != id);

    QCOMPARE(machineIdFrom(QStringLiteral("{REG-GUID}"), uniqueId, hostName), QStringLiteral("{REG-GUID}"));
    QCOMPARE(machineId(), machineId());
    QVERIFY(hex32.match(machineId()).hasMatch());
}

QTEST_GUILESS_MAIN(TestTokenFunctions)
#include "tst_tokenfunctions.moc"
