#include "browsersession.h"
#include "cloudfixture.h"

#include <QJsonArray>
#include <QTest>

#include <memory>

// The account API of zimbrel-cloud: profile and deletion, the group, invitations and devices.
class TestCloudAccount : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void groupLifecycleWithAnInviteCode();
    void emailInvitationIsForThatAddressOnly();
    void onlyTheOwnerManagesTheGroup();
    void revokedAndExpiredCodesAreRefused_data();
    void revokedAndExpiredCodesAreRefused();
    void seatsAreLimited();
    void wrongCodesAreThrottled();
    void devicesAreRegisteredListedAndRemoved();
    void deletionIsScheduledAndASignInCancelsIt();
    void deletionTakesEffectAfterTheGracePeriod();
    void badInputIsAnsweredWithJsonErrors_data();
    void badInputIsAnsweredWithJsonErrors();

private:
    std::unique_ptr<CloudClient> newUser(const QString &name) { return m_fixture.newUser(name); }
    QString sql(const QString &statement, const QVariantList &values = {});

    CloudFixture m_fixture;
    CloudHttp *m_http = nullptr;
};

void TestCloudAccount::initTestCase()
{
    QString reason;
    QString error;
    if (!m_fixture.start(&reason, &error)) {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QSKIP(qPrintable(reason));
    }
    m_http = m_fixture.http.get();
}

QString TestCloudAccount::sql(const QString &statement, const QVariantList &values)
{
    return CloudBackend::execute(m_fixture.service.databaseAddress(), statement, values).toString();
}

void TestCloudAccount::groupLifecycleWithAnInviteCode()
{
    auto owner = newUser(QStringLiteral("owner"));
    auto member = newUser(QStringLiteral("member"));
    QCOMPARE(owner->account("GET", QStringLiteral("/group")).status, 404);
    QVERIFY(owner->tokenRole().isEmpty());

    const HttpResult invitation = owner->account("POST", QStringLiteral("/group/invite"));
    QCOMPARE(invitation.status, 201);
    const QString code = invitation.json.value(QStringLiteral("invite_code")).toString();
    QCOMPARE(code.size(), 8);
    QCOMPARE(invitation.json.value(QStringLiteral("status")).toString(), QStringLiteral("pending"));
    QVERIFY(owner->refresh());
    QCOMPARE(owner->tokenRole(), QStringLiteral("owner"));
    const QString groupId = owner->tokenGroupId();
    QVERIFY(!groupId.isEmpty());

    HttpResult group = owner->account("GET", QStringLiteral("/group"));
    QCOMPARE(group.status, 200);
    QCOMPARE(group.json.value(QStringLiteral("id")).toString(), groupId);
    QCOMPARE(group.json.value(QStringLiteral("max_seats")).toInt(), 6);
    QCOMPARE(group.json.value(QStringLiteral("pending_invitations")).toArray().size(), 1);

    // Codes are read case-insensitively, as people type them.
    QCOMPARE(member->account("POST", QStringLiteral("/group/join/") + code.toLower()).status, 200);
    QVERIFY(member->refresh());
    QCOMPARE(member->tokenGroupId(), groupId);
    QCOMPARE(member->tokenRole(), QStringLiteral("member"));

    group = member->account("GET", QStringLiteral("/group"));
    const QJsonArray members = group.json.value(QStringLiteral("members")).toArray();
    QCOMPARE(members.size(), 2);
    QCOMPARE(members.at(0).toObject().value(QStringLiteral("account_id")).toString(), owner->userId);
    QCOMPARE(members.at(0).toObject().value(QStringLiteral("role")).toString(), QStringLiteral("owner"));
    QCOMPARE(members.at(1).toObject().value(QStringLiteral("email")).toString(), member->email);
    QVERIFY(group.json.value(QStringLiteral("pending_invitations")).toArray().isEmpty());
    const QJsonObject summary =
        member->account("GET", QStringLiteral("/profile")).json.value(QStringLiteral("group")).toObject();
    QCOMPARE(summary.value(QStringLiteral("member_count")).toInt(), 2);
    QCOMPARE(summary.value(QStringLiteral("role")).toString(), QStringLiteral("member"));

    auto latecomer = newUser(QStringLiteral("latecomer"));
    QCOMPARE(latecomer->account("POST", QStringLiteral("/group/join/") + code).status, 404);

    QCOMPARE(owner->account("POST", QStringLiteral("/group/leave")).status, 409);
    QCOMPARE(owner->account("DELETE", QStringLiteral("/profile")).status, 409);
    QCOMPARE(member->account("POST", QStringLiteral("/group/leave")).status, 204);
    QVERIFY(member->refresh());
    QVERIFY(member->tokenGroupId().isEmpty());
    QCOMPARE(member->account("GET", QStringLiteral("/group")).status, 404);
    // Alone, the owner may leave, which ends the group.
    QCOMPARE(owner->account("POST", QStringLiteral("/group/leave")).status, 204);
    QCOMPARE(owner->account("GET", QStringLiteral("/group")).status, 404);
}

void TestCloudAccount::emailInvitationIsForThatAddressOnly()
{
    auto owner = newUser(QStringLiteral("inviter"));
    auto invited = newUser(QStringLiteral("invited"));
    auto other = newUser(QStringLiteral("bystander"));
    const HttpResult invitation = owner->account("POST", QStringLiteral("/group/invite"),
                                                 {{QStringLiteral("email"), invited->email.toUpper()}});
    QCOMPARE(invitation.status, 201);
    QCOMPARE(invitation.json.value(QStringLiteral("invited_email")).toString(), invited->email);

    const QJsonArray mine = invited->account("GET", QStringLiteral("/invitations"))
                                .json.value(QStringLiteral("invitations"))
                                .toArray();
    QCOMPARE(mine.size(), 1);
    const QString code = mine.first().toObject().value(QStringLiteral("invite_code")).toString();
    QCOMPARE(code, invitation.json.value(QStringLiteral("invite_code")).toString());
    QVERIFY(other->account("GET", QStringLiteral("/invitations"))
                .json.value(QStringLiteral("invitations"))
                .toArray()
                .isEmpty());

    QCOMPARE(other->account("POST", QStringLiteral("/group/join/") + code).status, 403);
    QCOMPARE(invited->account("POST", QStringLiteral("/group/join/") + code).status, 200);
    QVERIFY(invited->account("GET", QStringLiteral("/invitations"))
                .json.value(QStringLiteral("invitations"))
                .toArray()
                .isEmpty());
}

void TestCloudAccount::onlyTheOwnerManagesTheGroup()
{
    auto owner = newUser(QStringLiteral("boss"));
    auto member = newUser(QStringLiteral("staff"));
    auto second = newUser(QStringLiteral("staff"));
    const QString code = owner->account("POST", QStringLiteral("/group/invite"))
                             .json.value(QStringLiteral("invite_code"))
                             .toString();
    const HttpResult pending = owner->account("POST", QStringLiteral("/group/invite"));
    QCOMPARE(member->account("POST", QStringLiteral("/group/join/") + code).status, 200);
    QCOMPARE(second
                 ->account("POST", QStringLiteral("/group/join/") +
                                       pending.json.value(QStringLiteral("invite_code")).toString())
                 .status,
             200);
    const HttpResult third = owner->account("POST", QStringLiteral("/group/invite"));

    QCOMPARE(member->account("POST", QStringLiteral("/group/invite")).status, 403);
    QCOMPARE(member->account("DELETE", QStringLiteral("/group/members/") + second->userId).status, 403);
    QCOMPARE(member
                 ->account("DELETE", QStringLiteral("/group/invitations/") +
                                         third.json.value(QStringLiteral("id")).toString())
                 .status,
             403);
    QVERIFY(member->account("GET", QStringLiteral("/group"))
                .json.value(QStringLiteral("pending_invitations"))
                .toArray()
                .isEmpty());

    QCOMPARE(owner->account("DELETE", QStringLiteral("/group/members/") + owner->userId).status, 409);
    QCOMPARE(owner->account("DELETE", QStringLiteral("/group/members/") + member->userId).status, 204);
    QCOMPARE(member->account("GET", QStringLiteral("/group")).status, 404);
    QCOMPARE(owner->account("DELETE", QStringLiteral("/group/members/") + member->userId).status, 404);
    QCOMPARE(owner->account("GET", QStringLiteral("/group"))
                 .json.value(QStringLiteral("members"))
                 .toArray()
                 .size(),
             2);
}

void TestCloudAccount::revokedAndExpiredCodesAreRefused_data()
{
    QTest::addColumn<bool>("revoke");
    QTest::newRow("revoked by the owner") << true;
    QTest::newRow("past its expiry") << false;
}

void TestCloudAccount::revokedAndExpiredCodesAreRefused()
{
    QFETCH(bool, revoke);
    auto owner = newUser(QStringLiteral("keeper"));
    auto joiner = newUser(QStringLiteral("joiner"));
    const HttpResult invitation = owner->account("POST", QStringLiteral("/group/invite"));
    const QString id = invitation.json.value(QStringLiteral("id")).toString();
    if (revoke) {
        QCOMPARE(owner->account("DELETE", QStringLiteral("/group/invitations/") + id).status, 204);
        QCOMPARE(owner->account("DELETE", QStringLiteral("/group/invitations/") + id).status, 404);
    } else {
        sql(QStringLiteral("UPDATE invitations SET expires_at = 1000 WHERE id = ?"), {id});
    }
    const HttpResult join =
        joiner->account("POST", QStringLiteral("/group/join/") +
                                    invitation.json.value(QStringLiteral("invite_code")).toString());
    QCOMPARE(join.status, 404);
    QVERIFY(join.isJsonError());
    QVERIFY(owner->account("GET", QStringLiteral("/group"))
                .json.value(QStringLiteral("pending_invitations"))
                .toArray()
                .isEmpty());
}

void TestCloudAccount::seatsAreLimited()
{
    auto owner = newUser(QStringLiteral("small"));
    auto first = newUser(QStringLiteral("first"));
    auto second = newUser(QStringLiteral("second"));
    const QString codeA = owner->account("POST", QStringLiteral("/group/invite"))
                              .json.value(QStringLiteral("invite_code"))
                              .toString();
    const QString codeB = owner->account("POST", QStringLiteral("/group/invite"))
                              .json.value(QStringLiteral("invite_code"))
                              .toString();
    QVERIFY(owner->refresh());
    sql(QStringLiteral("UPDATE user_groups SET max_seats = 2 WHERE id = ?"), {owner->tokenGroupId()});
    QCOMPARE(first->account("POST", QStringLiteral("/group/join/") + codeA).status, 200);
    const HttpResult full = second->account("POST", QStringLiteral("/group/join/") + codeB);
    QCOMPARE(full.status, 409);
    QVERIFY(full.isJsonError());
    QCOMPARE(owner->account("POST", QStringLiteral("/group/invite")).status, 409);
}

void TestCloudAccount::wrongCodesAreThrottled()
{
    auto guesser = newUser(QStringLiteral("guesser"));
    for (int attempt = 0; attempt < 10; ++attempt)
        QCOMPARE(guesser->account("POST", QStringLiteral("/group/join/WRONG%1XY").arg(attempt)).status, 404);
    QCOMPARE(guesser->account("POST", QStringLiteral("/group/join/WRONGZZZ")).status, 429);
}

void TestCloudAccount::devicesAreRegisteredListedAndRemoved()
{
    auto user = newUser(QStringLiteral("devices"));
    const QJsonObject device{
        {QStringLiteral("device_name"), QStringLiteral("DESKTOP-1")},
        {QStringLiteral("platform"), QStringLiteral("Windows")},
        {QStringLiteral("app_id"), QStringLiteral("com.corvantis.zimbrel")},
        {QStringLiteral("app_version"), QStringLiteral("1.0.5")},
        {QStringLiteral("device_fingerprint"), QStringLiteral("0123456789abcdef0123456789abcdef")}};
    QCOMPARE(user->account("POST", QStringLiteral("/devices/register"), device).status, 200);
    QJsonObject upgraded = device;
    upgraded.insert(QStringLiteral("app_version"), QStringLiteral("1.0.6"));
    QCOMPARE(user->account("POST", QStringLiteral("/devices/register"), upgraded).status, 200);

    QJsonArray devices =
        user->account("GET", QStringLiteral("/devices")).json.value(QStringLiteral("devices")).toArray();
    QCOMPARE(devices.size(), 1);
    const QJsonObject listed = devices.first().toObject();
    QCOMPARE(listed.value(QStringLiteral("app_version")).toString(), QStringLiteral("1.0.6"));
    QCOMPARE(listed.value(QStringLiteral("platform")).toString(), QStringLiteral("Windows"));
    QVERIFY(listed.value(QStringLiteral("last_sync_at")).toString().isEmpty());
    QCOMPARE(user->pull().status, 200);
    devices =
        user->account("GET", QStringLiteral("/devices")).json.value(QStringLiteral("devices")).toArray();
    QVERIFY(!devices.first().toObject().value(QStringLiteral("last_sync_at")).toString().isEmpty());

    auto stranger = newUser(QStringLiteral("stranger"));
    const QString id = listed.value(QStringLiteral("id")).toString();
    QCOMPARE(stranger->account("DELETE", QStringLiteral("/devices/") + id).status, 404);
    QCOMPARE(user->account("DELETE", QStringLiteral("/devices/") + id).status, 204);
    // The removed device's session is signed out with it.
    QCOMPARE(user->account("GET", QStringLiteral("/devices")).status, 401);
}

void TestCloudAccount::deletionIsScheduledAndASignInCancelsIt()
{
    auto user = newUser(QStringLiteral("wavering"));
    const HttpResult scheduled = user->account("DELETE", QStringLiteral("/profile"));
    QCOMPARE(scheduled.status, 200);
    QCOMPARE(scheduled.json.value(QStringLiteral("status")).toString(), QStringLiteral("pending_deletion"));
    const QDateTime due = QDateTime::fromString(
        scheduled.json.value(QStringLiteral("deletion_scheduled_at")).toString(), Qt::ISODate);
    QVERIFY(qAbs(QDateTime::currentDateTimeUtc().daysTo(due) - 30) <= 1);
    QCOMPARE(user->account("GET", QStringLiteral("/profile")).status, 401);
    QVERIFY(!user->refresh());

    const SignInResult back = BrowserSession::signIn(m_http, user->email);
    QCOMPARE(back.status, 303);
    user->accessToken = back.accessToken;
    const HttpResult profile = user->account("GET", QStringLiteral("/profile"));
    QCOMPARE(profile.json.value(QStringLiteral("status")).toString(), QStringLiteral("active"));
}

void TestCloudAccount::deletionTakesEffectAfterTheGracePeriod()
{
    auto user = newUser(QStringLiteral("leaving"));
    QCOMPARE(user
                 ->push({QJsonObject{
                     {QStringLiteral("entity_type"), QStringLiteral("category")},
                     {QStringLiteral("entity_id"), QStringLiteral("c1")},
                     {QStringLiteral("action"), QStringLiteral("upsert")},
                     {QStringLiteral("version"), 1},
                     {QStringLiteral("payload"),
                      QJsonObject{{QStringLiteral("client_id"), QStringLiteral("c1")},
                                  {QStringLiteral("name"), QStringLiteral("Food")},
                                  {QStringLiteral("category_type"), QStringLiteral("expense")},
                                  {QStringLiteral("created_at"), QStringLiteral("2026-01-01T00:00:00Z")},
                                  {QStringLiteral("updated_at"), QStringLiteral("2026-01-01T00:00:00Z")}}}}})
                 .status,
             200);
    QCOMPARE(user->account("DELETE", QStringLiteral("/profile")).status, 200);
    sql(QStringLiteral("UPDATE users SET deletion_due_at = 1000 WHERE id = ?"), {user->userId});
    QCOMPARE(BrowserSession::signIn(m_http, user->email).status, 401);
    QCOMPARE(sql(QStringLiteral("SELECT COUNT(*) FROM sync_rows WHERE owner_id = ?"), {user->userId}),
             QStringLiteral("0"));
    // The address is free again.
    QCOMPARE(BrowserSession::signUp(m_http, user->email).status, 303);
}

void TestCloudAccount::badInputIsAnsweredWithJsonErrors_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::newRow("invite with a malformed address") << QByteArray("POST") << QStringLiteral("/group/invite")
                                                     << QByteArray(R"({"email":"not-an-address"})") << 400;
    QTest::newRow("invite with a body that is not JSON")
        << QByteArray("POST") << QStringLiteral("/group/invite") << QByteArray("{{") << 400;
    QTest::newRow("join with a malformed code")
        << QByteArray("POST") << QStringLiteral("/group/join/ab%20cd") << QByteArray() << 400;
    QTest::newRow("device without fingerprint") << QByteArray("POST") << QStringLiteral("/devices/register")
                                                << QByteArray(R"({"device_name":"x"})") << 400;
    QTest::newRow("device name of the wrong type")
        << QByteArray("POST") << QStringLiteral("/devices/register")
        << QByteArray(R"({"device_fingerprint":"f","device_name":5})") << 400;
    QTest::newRow("leave without a group")
        << QByteArray("POST") << QStringLiteral("/group/leave") << QByteArray() << 409;
    QTest::newRow("unknown path") << QByteArray("GET") << QStringLiteral("/nothing") << QByteArray() << 404;
    QTest::newRow("wrong method") << QByteArray("PUT") << QStringLiteral("/profile") << QByteArray() << 405;
}

void TestCloudAccount::badInputIsAnsweredWithJsonErrors()
{
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    auto user = newUser(QStringLiteral("careless"));
    const HttpResult result = user->send(method, QStringLiteral("/account/v1") + path, body);
    QCOMPARE(result.status, status);
    QVERIFY(result.isJsonError());
    QCOMPARE(m_http->get(QStringLiteral("/account/v1/profile")).status, 401);
}

QTEST_GUILESS_MAIN(TestCloudAccount)
#include "tst_cloudaccount.moc"
