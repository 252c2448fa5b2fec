#include "cloudfixture.h"

#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkReply>
#include <QSet>
#include <QTest>
#include <QUrlQuery>

#include <memory>

namespace {

const QString stamp = QStringLiteral("2026-03-31T14:05:09Z");

QJsonObject change(const QString &type, const QString &id, int version, QJsonObject payload,
                   const QString &action = QStringLiteral("upsert"))
{
    payload.insert(QStringLiteral("client_id"), id);
    payload.insert(QStringLiteral("created_at"), stamp);
    payload.insert(QStringLiteral("updated_at"), stamp);
    if (action == QLatin1String("delete"))
        payload.insert(QStringLiteral("deleted_at"), stamp);
    return {{QStringLiteral("entity_type"), type},
            {QStringLiteral("entity_id"), id},
            {QStringLiteral("action"), action},
            {QStringLiteral("version"), version},
            {QStringLiteral("payload"), payload}};
}

QJsonObject account(const QString &id, int version = 1, const QString &name = QStringLiteral("Checking"))
{
    return change(QStringLiteral("account"), id, version,
                  {{QStringLiteral("name"), name},
                   {QStringLiteral("account_type"), QStringLiteral("checking")},
                   {QStringLiteral("currency"), QStringLiteral("USD")},
                   {QStringLiteral("is_shared"), 0},
                   {QStringLiteral("institution"), QString()},
                   {QStringLiteral("account_number_last4"), QString()},
                   {QStringLiteral("starting_balance"), 10000},
                   {QStringLiteral("sort_order"), 0},
                   {QStringLiteral("version"), version}});
}

QJsonObject category(const QString &id, int version = 1)
{
    return change(QStringLiteral("category"), id, version,
                  {{QStringLiteral("name"), QStringLiteral("Groceries")},
                   {QStringLiteral("category_type"), QStringLiteral("expense")},
                   {QStringLiteral("parent_id"), QString()},
                   {QStringLiteral("version"), version}});
}

QJsonObject transaction(const QString &id, const QString &accountId, int version = 1,
                        const QString &payee = QStringLiteral("Grocer"), const QString &categoryId = {})
{
    return change(QStringLiteral("transaction"), id, version,
                  {{QStringLiteral("account_id"), accountId},
                   {QStringLiteral("date"), QStringLiteral("2026-03-31")},
                   {QStringLiteral("payee"), payee},
                   {QStringLiteral("memo"), QString()},
                   {QStringLiteral("amount"), -1234},
                   {QStringLiteral("category_id"), categoryId},
                   {QStringLiteral("cleared"), 0},
                   {QStringLiteral("version"), version}});
}

QJsonObject withServerId(QJsonObject changeObject, const QString &serverId)
{
    QJsonObject payload = changeObject.value(QStringLiteral("payload")).toObject();
    payload.insert(QStringLiteral("server_id"), serverId);
    changeObject.insert(QStringLiteral("payload"), payload);
    return changeObject;
}

QStringList statuses(const HttpResult &push)
{
    QStringList list;
    for (const QJsonValue &value : push.json.value(QStringLiteral("results")).toArray())
        list.append(value.toObject().value(QStringLiteral("status")).toString());
    return list;
}

// The records of one pulled array, by client id.
QHash<QString, QJsonObject> records(const HttpResult &pull, const QString &array)
{
    QHash<QString, QJsonObject> byId;
    for (const QJsonValue &value : pull.json.value(array).toArray())
        byId.insert(value.toObject().value(QStringLiteral("client_id")).toString(), value.toObject());
    return byId;
}

// The client ids of every transaction the user pulls from the start, `limit` records a page,
// sorted; a repeat shows as a second entry.
QStringList pagedTransactions(CloudClient *user, int limit)
{
    QStringList seen;
    QString cursor;
    for (int page = 0; page < 40; ++page) {
        const HttpResult pull = user->pull(cursor, limit);
        if (pull.status != 200)
            return {QStringLiteral("HTTP %1").arg(pull.status)};
        for (const QJsonValue &value : pull.json.value(QStringLiteral("transactions")).toArray())
            seen.append(value.toObject().value(QStringLiteral("client_id")).toString());
        cursor = pull.json.value(QStringLiteral("server_time")).toString();
        if (!pull.json.value(QStringLiteral("has_more")).toBool())
            break;
    }
    seen.sort();
    return seen;
}

} // namespace

// The sync API of zimbrel-cloud: push, pull, the conflict rule, the cursor, sharing and faults.
class TestCloudSync : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pushedRowsComeBackWithServerIdsAndRaisedVersions();
    void olderVersionIsRefusedAndTheWinnerPulled();
    void deletionReachesOtherDevices();
    void rowsOfOneTransactionArePagedOneByOne();
    void cursorNeverSkipsUnderConcurrentWriters();
    void pageCarriesTheAccountItsRowsNeed();
    void unknownCursorStartsFromTheBeginning();
    void invalidChangesAreRefusedOneByOne_data();
    void invalidChangesAreRefusedOneByOne();
    void badRequestsAreAnsweredWithJsonErrors_data();
    void badRequestsAreAnsweredWithJsonErrors();
    void anotherUsersRowsCannotBeWritten();
    void sharedAccountFlowsBothWays();
    void sharedAndOwnRowsArePagedOneByOne();
    void removedShareStopsTheFlow_data();
    void removedShareStopsTheFlow();
    void outsiderIsRefusedWhateverItSends();
    void memberCannotShareUnshareOrDeleteTheAccount();
    void faultsAreObservable_data();
    void faultsAreObservable();
    void faultScheduleFollowsTheSeed();

private:
    std::unique_ptr<CloudClient> newUser(const QString &name) { return m_fixture.newUser(name); }
    // Owner and member in one group, the owner's account "acc-<tag>" pushed with one transaction.
    void makeGroup(CloudClient *owner, CloudClient *member);
    QString serverIdOf(const HttpResult &push, int index) const;

    CloudFixture m_fixture;
    CloudHttp *m_http = nullptr;
};

void TestCloudSync::initTestCase()
{
    QString reason;
    QString error;
    if (!m_fixture.start(&reason, &error)) {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QSKIP(qPrintable(reason));
    }
    m_http = m_fixture.http.get();
}

void TestCloudSync::makeGroup(CloudClient *owner, CloudClient *member)
{
    const QString code = owner->account("POST", QStringLiteral("/group/invite"))
                             .json.value(QStringLiteral("invite_code"))
                             .toString();
    QCOMPARE(member->account("POST", QStringLiteral("/group/join/") + code).status, 200);
}

QString TestCloudSync::serverIdOf(const HttpResult &push, int index) const
{
    return push.json.value(QStringLiteral("results"))
        .toArray()
        .at(index)
        .toObject()
        .value(QStringLiteral("server_id"))
        .toString();
}

void TestCloudSync::pushedRowsComeBackWithServerIdsAndRaisedVersions()
{
    auto user = newUser(QStringLiteral("pusher"));
    const HttpResult push = user->push({account(QStringLiteral("a1")), category(QStringLiteral("c1")),
                                        transaction(QStringLiteral("t1"), QStringLiteral("a1"), 1,
                                                    QStringLiteral("Grocer"), QStringLiteral("c1"))});
    QCOMPARE(push.status, 200);
    QCOMPARE(statuses(push), (QStringList{QStringLiteral("ok"), QStringLiteral("ok"), QStringLiteral("ok")}));
    const QJsonObject first = push.json.value(QStringLiteral("results")).toArray().first().toObject();
    QCOMPARE(first.value(QStringLiteral("entity_type")).toString(), QStringLiteral("account"));
    QCOMPARE(first.value(QStringLiteral("entity_id")).toString(), QStringLiteral("a1"));
    QVERIFY(!first.value(QStringLiteral("server_id")).toString().isEmpty());

    const HttpResult pull = user->pull();
    QCOMPARE(pull.status, 200);
    const QJsonObject pulledAccount = records(pull, QStringLiteral("accounts")).value(QStringLiteral("a1"));
    QCOMPARE(pulledAccount.value(QStringLiteral("id")).toString(),
             first.value(QStringLiteral("server_id")).toString());
    QCOMPARE(pulledAccount.value(QStringLiteral("name")).toString(), QStringLiteral("Checking"));
    QCOMPARE(pulledAccount.value(QStringLiteral("starting_balance")).toInt(), 10000);
    QCOMPARE(pulledAccount.value(QStringLiteral("is_shared")).toInt(), 0);
    // Raised past the pushed version, so every device, the pushing one too, takes the server's row.
    QCOMPARE(pulledAccount.value(QStringLiteral("version")).toInt(), 2);
    const QJsonObject pulledTransaction =
        records(pull, QStringLiteral("transactions")).value(QStringLiteral("t1"));
    QCOMPARE(pulledTransaction.value(QStringLiteral("amount")).toInt(), -1234);
    QCOMPARE(pulledTransaction.value(QStringLiteral("date")).toString(), QStringLiteral("2026-03-31"));
    QCOMPARE(records(pull, QStringLiteral("categories")).size(), 1);
    QVERIFY(!pull.json.value(QStringLiteral("has_more")).toBool());
    const QJsonObject integrity = pull.json.value(QStringLiteral("integrity")).toObject();
    QCOMPARE(integrity.value(QStringLiteral("category_count")).toInt(), 1);
    QCOMPARE(integrity.value(QStringLiteral("accounts"))
                 .toObject()
                 .value(QStringLiteral("a1"))
                 .toObject()
                 .value(QStringLiteral("count"))
                 .toInt(),
             1);

    const QString cursor = pull.json.value(QStringLiteral("server_time")).toString();
    QVERIFY(!cursor.isEmpty());
    const HttpResult again = user->pull(cursor);
    QVERIFY(again.json.value(QStringLiteral("transactions")).toArray().isEmpty());
    QCOMPARE(again.json.value(QStringLiteral("server_time")).toString(), cursor);
}

void TestCloudSync::olderVersionIsRefusedAndTheWinnerPulled()
{
    auto user = newUser(QStringLiteral("conflicted"));
    QCOMPARE(statuses(user->push({account(QStringLiteral("a2"))})), QStringList{QStringLiteral("ok")});
    const QString cursor = user->pull().json.value(QStringLiteral("server_time")).toString();

    // Device A edits version 1 → 2 and pushes first; device B, also at 1, edits and pushes after.
    QCOMPARE(statuses(user->push({account(QStringLiteral("a2"), 2, QStringLiteral("From A"))})),
             QStringList{QStringLiteral("ok")});
    const HttpResult late = user->push({account(QStringLiteral("a2"), 2, QStringLiteral("From B"))});
    QCOMPARE(statuses(late), QStringList{QStringLiteral("conflict")});
    const QJsonObject refused = late.json.value(QStringLiteral("results")).toArray().first().toObject();
    QVERIFY(!refused.value(QStringLiteral("message")).toString().isEmpty());
    QVERIFY(!refused.value(QStringLiteral("server_id")).toString().isEmpty());

    const QJsonObject winner =
        records(user->pull(cursor), QStringLiteral("accounts")).value(QStringLiteral("a2"));
    QCOMPARE(winner.value(QStringLiteral("name")).toString(), QStringLiteral("From A"));
    QCOMPARE(winner.value(QStringLiteral("version")).toInt(), 3);
    // B, having pulled version 3, edits it to 4 and wins; the same version as the server's is accepted too.
    QCOMPARE(statuses(user->push({account(QStringLiteral("a2"), 4, QStringLiteral("B again"))})),
             QStringList{QStringLiteral("ok")});
    QCOMPARE(statuses(user->push({account(QStringLiteral("a2"), 5, QStringLiteral("Same version"))})),
             QStringList{QStringLiteral("ok")});
}

void TestCloudSync::deletionReachesOtherDevices()
{
    auto user = newUser(QStringLiteral("deleter"));
    user->push({account(QStringLiteral("a3")), transaction(QStringLiteral("t3"), QStringLiteral("a3"))});
    const QString cursor = user->pull().json.value(QStringLiteral("server_time")).toString();
    QJsonObject deletion =
        transaction(QStringLiteral("t3"), QStringLiteral("a3"), 2, QStringLiteral("Grocer"));
    deletion = change(QStringLiteral("transaction"), QStringLiteral("t3"), 2,
                      deletion.value(QStringLiteral("payload")).toObject(), QStringLiteral("delete"));
    QCOMPARE(statuses(user->push({deletion})), QStringList{QStringLiteral("ok")});
    const HttpResult pull = user->pull(cursor);
    const QJsonObject record = records(pull, QStringLiteral("transactions")).value(QStringLiteral("t3"));
    QCOMPARE(record.value(QStringLiteral("deleted_at")).toString(), stamp);
    QCOMPARE(pull.json.value(QStringLiteral("integrity"))
                 .toObject()
                 .value(QStringLiteral("accounts"))
                 .toObject()
                 .value(QStringLiteral("a3"))
                 .toObject()
                 .value(QStringLiteral("count"))
                 .toInt(),
             0);
}

void TestCloudSync::rowsOfOneTransactionArePagedOneByOne()
{
    auto user = newUser(QStringLiteral("pager"));
    QJsonArray batch{account(QStringLiteral("a4"))};
    for (int i = 0; i < 5; ++i)
        batch.append(transaction(QStringLiteral("t4-%1").arg(i), QStringLiteral("a4")));
    QCOMPARE(user->push(batch).status, 200);
    // All six rows share one change number; the cursor still moves past each exactly once.
    QCOMPARE(pagedTransactions(user.get(), 1),
             (QStringList{QStringLiteral("t4-0"), QStringLiteral("t4-1"), QStringLiteral("t4-2"),
                          QStringLiteral("t4-3"), QStringLiteral("t4-4")}));
}

void TestCloudSync::cursorNeverSkipsUnderConcurrentWriters()
{
    // Two service processes on one database, writing at once while a third party pages through
    // the changes as they arrive: every row must reach the reader.
    auto user = newUser(QStringLiteral("concurrent"));
    QCOMPARE(statuses(user->push({account(QStringLiteral("a5"))})), QStringList{QStringLiteral("ok")});
    CloudService second;
    QString error;
    QVERIFY2(second.start(m_fixture.service.databaseAddress(), {}, &error), qPrintable(error));
    CloudHttp secondHttp(second.baseUrl());

    constexpr int writes = 60;
    QNetworkAccessManager writer;
    int finished = 0;
    int accepted = 0;
    for (int i = 0; i < writes; ++i) {
        const QUrl base = i % 2 == 0 ? m_fixture.service.baseUrl() : second.baseUrl();
        QNetworkRequest request(QUrl(base.toString() + QStringLiteral("/zimbrel/v1/sync/push")));
        request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
        request.setRawHeader("Authorization", "Bearer " + user->accessToken.toLatin1());
        const QJsonObject body{
            {QStringLiteral("changes"),
             QJsonArray{transaction(QStringLiteral("t5-%1").arg(i), QStringLiteral("a5"))}}};
        QNetworkReply *reply = writer.post(request, QJsonDocument(body).toJson(QJsonDocument::Compact));
        connect(reply, &QNetworkReply::finished, this, [reply, &finished, &accepted] {
            ++finished;
            if (QJsonDocument::fromJson(reply->readAll())
                    .object()
                    .value(QStringLiteral("results"))
                    .toArray()
                    .first()
                    .toObject()
                    .value(QStringLiteral("status"))
                    .toString() == QLatin1String("ok"))
                ++accepted;
            reply->deleteLater();
        });
    }
    // The reader pages through both processes in turn, while the writes are still arriving.
    CloudClient secondReader(&secondHttp);
    secondReader.accessToken = user->accessToken;
    QSet<QString> seen;
    QString cursor;
    for (int round = 0; round < 2000; ++round) {
        const bool writersDone = finished == writes;
        CloudClient *reader = round % 2 == 0 ? user.get() : &secondReader;
        const HttpResult pull = reader->pull(cursor, 7);
        QCOMPARE(pull.status, 200);
        for (const QJsonValue &value : pull.json.value(QStringLiteral("transactions")).toArray())
            seen.insert(value.toObject().value(QStringLiteral("client_id")).toString());
        cursor = pull.json.value(QStringLiteral("server_time")).toString();
        if (writersDone && !pull.json.value(QStringLiteral("has_more")).toBool())
            break;
    }
    QCOMPARE(finished, writes);
    QCOMPARE(accepted, writes);
    QCOMPARE(seen.size(), writes);
}

void TestCloudSync::pageCarriesTheAccountItsRowsNeed()
{
    auto user = newUser(QStringLiteral("parents"));
    user->push({account(QStringLiteral("a6")), category(QStringLiteral("c6"))});
    user->push({transaction(QStringLiteral("t6"), QStringLiteral("a6"), 1, QStringLiteral("Grocer"),
                            QStringLiteral("c6"))});
    // Renamed later, so the account's own turn in the sequence comes after its transaction's.
    user->push({account(QStringLiteral("a6"), 2, QStringLiteral("Renamed"))});
    QString cursor;
    for (int page = 0; page < 5; ++page) {
        const HttpResult pull = user->pull(cursor, 1);
        if (records(pull, QStringLiteral("transactions")).contains(QStringLiteral("t6"))) {
            QVERIFY(records(pull, QStringLiteral("accounts")).contains(QStringLiteral("a6")));
            QVERIFY(records(pull, QStringLiteral("categories")).contains(QStringLiteral("c6")));
            return;
        }
        cursor = pull.json.value(QStringLiteral("server_time")).toString();
    }
    QFAIL("the transaction never came");
}

void TestCloudSync::unknownCursorStartsFromTheBeginning()
{
    auto user = newUser(QStringLiteral("restart"));
    user->push({account(QStringLiteral("a7"))});
    const HttpResult pull = user->pull(QStringLiteral("2026-03-31T14:05:09Z"));
    QCOMPARE(pull.status, 200);
    QVERIFY(records(pull, QStringLiteral("accounts")).contains(QStringLiteral("a7")));
}

void TestCloudSync::invalidChangesAreRefusedOneByOne_data()
{
    QTest::addColumn<QJsonValue>("bad");
    QJsonObject wrong = account(QStringLiteral("x1"));
    wrong.insert(QStringLiteral("entity_type"), QStringLiteral("budget"));
    QTest::newRow("unknown entity type") << QJsonValue(wrong);
    wrong = account(QStringLiteral("x2"));
    QJsonObject payload = wrong.value(QStringLiteral("payload")).toObject();
    payload.remove(QStringLiteral("name"));
    wrong.insert(QStringLiteral("payload"), payload);
    QTest::newRow("required member missing") << QJsonValue(wrong);
    wrong = transaction(QStringLiteral("x3"), QStringLiteral("ok-account"));
    payload = wrong.value(QStringLiteral("payload")).toObject();
    payload.insert(QStringLiteral("amount"), QStringLiteral("12.34"));
    wrong.insert(QStringLiteral("payload"), payload);
    QTest::newRow("amount as text") << QJsonValue(wrong);
    wrong = account(QStringLiteral("x4"));
    payload = wrong.value(QStringLiteral("payload")).toObject();
    payload.insert(QStringLiteral("client_id"), QStringLiteral("another-id"));
    wrong.insert(QStringLiteral("payload"), payload);
    QTest::newRow("client id differs from entity id") << QJsonValue(wrong);
    wrong = account(QStringLiteral("x5"));
    wrong.insert(QStringLiteral("version"), -1);
    QTest::newRow("negative version") << QJsonValue(wrong);
    wrong.insert(QStringLiteral("version"), QStringLiteral("1"));
    QTest::newRow("version as text") << QJsonValue(wrong);
    wrong = account(QStringLiteral("x6"));
    wrong.insert(QStringLiteral("action"), QStringLiteral("merge"));
    QTest::newRow("unknown action") << QJsonValue(wrong);
    wrong = account(QStringLiteral("x7"));
    wrong.insert(QStringLiteral("payload"), QJsonArray{1, 2});
    QTest::newRow("payload not an object") << QJsonValue(wrong);
    wrong = account(QStringLiteral("x8"));
    payload = wrong.value(QStringLiteral("payload")).toObject();
    payload.insert(QStringLiteral("memo"), QString(70000, QLatin1Char('m')));
    wrong.insert(QStringLiteral("payload"), payload);
    QTest::newRow("payload too large") << QJsonValue(wrong);
    QTest::newRow("change not an object") << QJsonValue(42);
    QTest::newRow("entity id too long") << QJsonValue(account(QString(80, QLatin1Char('i'))));
}

void TestCloudSync::invalidChangesAreRefusedOneByOne()
{
    QFETCH(QJsonValue, bad);
    auto user = newUser(QStringLiteral("invalid"));
    const HttpResult push = user->push({account(QStringLiteral("ok-account")), bad});
    QCOMPARE(push.status, 200);
    QCOMPARE(statuses(push), (QStringList{QStringLiteral("ok"), QStringLiteral("invalid")}));
    QVERIFY(!push.json.value(QStringLiteral("results"))
                 .toArray()
                 .at(1)
                 .toObject()
                 .value(QStringLiteral("message"))
                 .toString()
                 .isEmpty());
    QCOMPARE(records(user->pull(), QStringLiteral("accounts")).size(), 1);
}

void TestCloudSync::badRequestsAreAnsweredWithJsonErrors_data()
{
    QTest::addColumn<QByteArray>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::newRow("push body not JSON")
        << QByteArray("POST") << QStringLiteral("/sync/push") << QByteArray("{\"changes\":") << 400;
    QTest::newRow("changes not an array")
        << QByteArray("POST") << QStringLiteral("/sync/push") << QByteArray(R"({"changes":{}})") << 400;
    QTest::newRow("changes missing") << QByteArray("POST") << QStringLiteral("/sync/push") << QByteArray("{}")
                                     << 400;
    QTest::newRow("limit zero") << QByteArray("GET") << QStringLiteral("/sync/pull?limit=0") << QByteArray()
                                << 400;
    QTest::newRow("limit not a number")
        << QByteArray("GET") << QStringLiteral("/sync/pull?limit=ten") << QByteArray() << 400;
    QTest::newRow("cursor far too long")
        << QByteArray("GET") << QStringLiteral("/sync/pull?since=") + QString(200, QLatin1Char('9'))
        << QByteArray() << 400;
    QTest::newRow("share without anyone")
        << QByteArray("POST") << QStringLiteral("/accounts/a1/share") << QByteArray("{}") << 400;
    QTest::newRow("share with another role") << QByteArray("POST") << QStringLiteral("/accounts/a1/share")
                                             << QByteArray(R"({"user_id":"x","role":"admin"})") << 400;
    QTest::newRow("members of an unknown account")
        << QByteArray("GET") << QStringLiteral("/accounts/nope/members") << QByteArray() << 404;
    QTest::newRow("pull with POST") << QByteArray("POST") << QStringLiteral("/sync/pull") << QByteArray()
                                    << 405;
}

void TestCloudSync::badRequestsAreAnsweredWithJsonErrors()
{
    QFETCH(QByteArray, method);
    QFETCH(QString, path);
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    auto user = newUser(QStringLiteral("sloppy"));
    const HttpResult result = user->send(method, QStringLiteral("/zimbrel/v1") + path, body);
    QCOMPARE(result.status, status);
    QVERIFY(result.isJsonError());
    QCOMPARE(m_http->send(method, QStringLiteral("/zimbrel/v1") + path, body, "application/json").status,
             401);
}

void TestCloudSync::anotherUsersRowsCannotBeWritten()
{
    auto alice = newUser(QStringLiteral("alice"));
    auto bob = newUser(QStringLiteral("bob"));
    const HttpResult pushed =
        alice->push({account(QStringLiteral("alice-acc")),
                     transaction(QStringLiteral("alice-t"), QStringLiteral("alice-acc"))});
    const QString accountServerId = serverIdOf(pushed, 0);
    const QString transactionServerId = serverIdOf(pushed, 1);

    const HttpResult attempt =
        bob->push({transaction(QStringLiteral("bob-t"), QStringLiteral("alice-acc")),
                   withServerId(transaction(QStringLiteral("alice-t"), QStringLiteral("alice-acc"), 9,
                                            QStringLiteral("Bob was here")),
                                transactionServerId),
                   withServerId(account(QStringLiteral("alice-acc"), 9, QStringLiteral("Bob's now")),
                                accountServerId)});
    QCOMPARE(attempt.status, 200);
    QCOMPARE(statuses(attempt), (QStringList{QStringLiteral("rejected"), QStringLiteral("rejected"),
                                             QStringLiteral("forbidden")}));

    const HttpResult alicePull = alice->pull();
    QCOMPARE(records(alicePull, QStringLiteral("accounts"))
                 .value(QStringLiteral("alice-acc"))
                 .value(QStringLiteral("name"))
                 .toString(),
             QStringLiteral("Checking"));
    QCOMPARE(records(alicePull, QStringLiteral("transactions"))
                 .value(QStringLiteral("alice-t"))
                 .value(QStringLiteral("payee"))
                 .toString(),
             QStringLiteral("Grocer"));
    QVERIFY(!records(alicePull, QStringLiteral("transactions")).contains(QStringLiteral("bob-t")));
    QVERIFY(bob->pull().json.value(QStringLiteral("accounts")).toArray().isEmpty());
}

void TestCloudSync::sharedAccountFlowsBothWays()
{
    auto owner = newUser(QStringLiteral("sharer"));
    auto member = newUser(QStringLiteral("sharee"));
    makeGroup(owner.get(), member.get());
    owner->push({account(QStringLiteral("joint")), account(QStringLiteral("private")),
                 category(QStringLiteral("owner-cat")),
                 transaction(QStringLiteral("joint-t1"), QStringLiteral("joint"), 1, QStringLiteral("Rent"),
                             QStringLiteral("owner-cat")),
                 transaction(QStringLiteral("private-t1"), QStringLiteral("private"))});
    const QString ownerCursor = owner->pull().json.value(QStringLiteral("server_time")).toString();
    QVERIFY(member->pull().json.value(QStringLiteral("accounts")).toArray().isEmpty());

    const HttpResult shared = owner->sync(
        "POST", QStringLiteral("/accounts/joint/share"),
        {{QStringLiteral("user_id"), member->userId}, {QStringLiteral("role"), QStringLiteral("member")}});
    QCOMPARE(shared.status, 201);
    const QJsonArray members = owner->sync("GET", QStringLiteral("/accounts/joint/members"))
                                   .json.value(QStringLiteral("members"))
                                   .toArray();
    QCOMPARE(members.size(), 2);
    QCOMPARE(members.at(0).toObject().value(QStringLiteral("role")).toString(), QStringLiteral("owner"));
    QCOMPARE(members.at(1).toObject().value(QStringLiteral("user_id")).toString(), member->userId);
    QCOMPARE(members.at(1).toObject().value(QStringLiteral("email")).toString(), member->email);
    // The owner's devices learn that the account is shared now.
    QCOMPARE(records(owner->pull(ownerCursor), QStringLiteral("accounts"))
                 .value(QStringLiteral("joint"))
                 .value(QStringLiteral("is_shared"))
                 .toInt(),
             1);

    HttpResult pull = member->pull();
    QCOMPARE(records(pull, QStringLiteral("accounts")).keys(), QStringList{QStringLiteral("joint")});
    QCOMPARE(records(pull, QStringLiteral("accounts"))
                 .value(QStringLiteral("joint"))
                 .value(QStringLiteral("is_shared"))
                 .toInt(),
             1);
    QCOMPARE(records(pull, QStringLiteral("transactions")).keys(), QStringList{QStringLiteral("joint-t1")});
    // The category the shared register uses comes along, so the member's copy can refer to it.
    QVERIFY(records(pull, QStringLiteral("categories")).contains(QStringLiteral("owner-cat")));
    const QString memberCursor = pull.json.value(QStringLiteral("server_time")).toString();
    const QJsonObject pulled =
        records(pull, QStringLiteral("transactions")).value(QStringLiteral("joint-t1"));

    // The member edits the owner's transaction and adds one; both reach the owner.
    const HttpResult edit = member->push(
        {withServerId(transaction(QStringLiteral("joint-t1"), QStringLiteral("joint"),
                                  pulled.value(QStringLiteral("version")).toInt() + 1,
                                  QStringLiteral("Rent, March")),
                      pulled.value(QStringLiteral("id")).toString()),
         transaction(QStringLiteral("joint-t2"), QStringLiteral("joint"), 1, QStringLiteral("Power"))});
    QCOMPARE(statuses(edit), (QStringList{QStringLiteral("ok"), QStringLiteral("ok")}));
    pull = owner->pull(ownerCursor);
    QCOMPARE(records(pull, QStringLiteral("transactions"))
                 .value(QStringLiteral("joint-t1"))
                 .value(QStringLiteral("payee"))
                 .toString(),
             QStringLiteral("Rent, March"));
    QVERIFY(records(pull, QStringLiteral("transactions")).contains(QStringLiteral("joint-t2")));
    QCOMPARE(member->sync("GET", QStringLiteral("/accounts/joint/members")).status, 200);

    // And the owner's later edits reach the member.
    owner->push({transaction(QStringLiteral("joint-t3"), QStringLiteral("joint"))});
    QVERIFY(records(member->pull(memberCursor), QStringLiteral("transactions"))
                .contains(QStringLiteral("joint-t3")));
}

void TestCloudSync::sharedAndOwnRowsArePagedOneByOne()
{
    // The member's own rows and the shared account's rows, older and newer than the share, come
    // one page at a time in one order: each exactly once, whatever the page size.
    auto owner = newUser(QStringLiteral("pageowner"));
    auto member = newUser(QStringLiteral("pagemember"));
    makeGroup(owner.get(), member.get());
    QCOMPARE(
        owner
            ->push({account(QStringLiteral("pj")), transaction(QStringLiteral("pj-1"), QStringLiteral("pj")),
                    transaction(QStringLiteral("pj-2"), QStringLiteral("pj")),
                    transaction(QStringLiteral("pj-3"), QStringLiteral("pj"))})
            .status,
        200);
    QCOMPARE(
        member
            ->push({account(QStringLiteral("pm")), transaction(QStringLiteral("pm-1"), QStringLiteral("pm")),
                    transaction(QStringLiteral("pm-2"), QStringLiteral("pm"))})
            .status,
        200);
    QCOMPARE(owner
                 ->sync("POST", QStringLiteral("/accounts/pj/share"),
                        {{QStringLiteral("user_id"), member->userId},
                         {QStringLiteral("role"), QStringLiteral("member")}})
                 .status,
             201);
    QCOMPARE(statuses(owner->push(
                 {transaction(QStringLiteral("pj-2"), QStringLiteral("pj"), 2, QStringLiteral("Edited")),
                  transaction(QStringLiteral("pj-4"), QStringLiteral("pj"))})),
             (QStringList{QStringLiteral("ok"), QStringLiteral("ok")}));
    QCOMPARE(member->push({transaction(QStringLiteral("pm-3"), QStringLiteral("pm"))}).status, 200);

    const QStringList expected{QStringLiteral("pj-1"), QStringLiteral("pj-2"), QStringLiteral("pj-3"),
                               QStringLiteral("pj-4"), QStringLiteral("pm-1"), QStringLiteral("pm-2"),
                               QStringLiteral("pm-3")};
    for (const int limit : {1, 2, 3, 200})
        QCOMPARE(pagedTransactions(member.get(), limit), expected);
}

void TestCloudSync::removedShareStopsTheFlow_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("owner removes the share") << QStringLiteral("unshare");
    QTest::newRow("member leaves the group") << QStringLiteral("leave");
    QTest::newRow("owner removes the member") << QStringLiteral("remove");
}

void TestCloudSync::removedShareStopsTheFlow()
{
    QFETCH(QString, how);
    auto owner = newUser(QStringLiteral("giver"));
    auto member = newUser(QStringLiteral("taker"));
    makeGroup(owner.get(), member.get());
    owner->push(
        {account(QStringLiteral("flow")), transaction(QStringLiteral("flow-t1"), QStringLiteral("flow"))});
    QCOMPARE(owner
                 ->sync("POST", QStringLiteral("/accounts/flow/share"),
                        {{QStringLiteral("user_id"), member->userId}})
                 .status,
             201);
    const HttpResult before = member->pull();
    QVERIFY(records(before, QStringLiteral("transactions")).contains(QStringLiteral("flow-t1")));
    const QString cursor = before.json.value(QStringLiteral("server_time")).toString();

    if (how == QLatin1String("unshare"))
        QCOMPARE(owner->sync("DELETE", QStringLiteral("/accounts/flow/share/") + member->userId).status, 204);
    else if (how == QLatin1String("leave"))
        QCOMPARE(member->account("POST", QStringLiteral("/group/leave")).status, 204);
    else
        QCOMPARE(owner->account("DELETE", QStringLiteral("/group/members/") + member->userId).status, 204);

    owner->push({transaction(QStringLiteral("flow-t2"), QStringLiteral("flow"))});
    const HttpResult after = member->pull(cursor);
    QCOMPARE(after.status, 200);
    QVERIFY(after.json.value(QStringLiteral("transactions")).toArray().isEmpty());
    QVERIFY(after.json.value(QStringLiteral("accounts")).toArray().isEmpty());
    QCOMPARE(statuses(member->push({transaction(QStringLiteral("flow-t3"), QStringLiteral("flow"))})),
             QStringList{QStringLiteral("rejected")});
    QCOMPARE(member->sync("GET", QStringLiteral("/accounts/flow/members")).status, 404);
    QCOMPARE(owner->sync("GET", QStringLiteral("/accounts/flow/members"))
                 .json.value(QStringLiteral("members"))
                 .toArray()
                 .size(),
             1);
}

void TestCloudSync::outsiderIsRefusedWhateverItSends()
{
    auto owner = newUser(QStringLiteral("guarded"));
    auto member = newUser(QStringLiteral("inner"));
    auto outsider = newUser(QStringLiteral("outsider"));
    makeGroup(owner.get(), member.get());
    const HttpResult pushed = owner->push(
        {account(QStringLiteral("vault")), transaction(QStringLiteral("vault-t"), QStringLiteral("vault"))});
    QCOMPARE(owner
                 ->sync("POST", QStringLiteral("/accounts/vault/share"),
                        {{QStringLiteral("user_id"), member->userId}})
                 .status,
             201);

    QCOMPARE(owner
                 ->sync("POST", QStringLiteral("/accounts/vault/share"),
                        {{QStringLiteral("user_id"), outsider->userId}})
                 .status,
             403);
    QCOMPARE(
        owner
            ->sync("POST", QStringLiteral("/accounts/vault/share"),
                   {{QStringLiteral("email"), outsider->email}, {QStringLiteral("user_id"), outsider->email}})
            .status,
        403);
    QCOMPARE(outsider->sync("GET", QStringLiteral("/accounts/vault/members")).status, 404);
    QCOMPARE(outsider
                 ->sync("POST", QStringLiteral("/accounts/vault/share"),
                        {{QStringLiteral("user_id"), outsider->userId}})
                 .status,
             404);
    QCOMPARE(outsider->sync("DELETE", QStringLiteral("/accounts/vault/share/") + member->userId).status, 404);
    const HttpResult attempt = outsider->push(
        {transaction(QStringLiteral("sneaky"), QStringLiteral("vault")),
         withServerId(account(QStringLiteral("vault"), 50, QStringLiteral("Mine")), serverIdOf(pushed, 0)),
         withServerId(transaction(QStringLiteral("vault-t"), QStringLiteral("vault"), 50),
                      serverIdOf(pushed, 1))});
    QCOMPARE(statuses(attempt), (QStringList{QStringLiteral("rejected"), QStringLiteral("forbidden"),
                                             QStringLiteral("rejected")}));
    // Raw HTTP with a forged group claim changes nothing: access is decided from the database.
    const QByteArray raw = m_http->raw("GET /zimbrel/v1/accounts/vault/members HTTP/1.1\r\nHost: "
                                       "x\r\nConnection: close\r\nAuthorization: Bearer " +
                                       outsider->accessToken.toLatin1() + "\r\n\r\n");
    QCOMPARE(CloudHttp::statusOfRaw(raw), 404);
    QVERIFY(outsider->pull().json.value(QStringLiteral("transactions")).toArray().isEmpty());
    const HttpResult ownerView = owner->pull();
    QCOMPARE(records(ownerView, QStringLiteral("accounts"))
                 .value(QStringLiteral("vault"))
                 .value(QStringLiteral("name"))
                 .toString(),
             QStringLiteral("Checking"));
    QCOMPARE(records(ownerView, QStringLiteral("transactions")).size(), 1);
}

void TestCloudSync::memberCannotShareUnshareOrDeleteTheAccount()
{
    auto owner = newUser(QStringLiteral("head"));
    auto member = newUser(QStringLiteral("hand"));
    auto third = newUser(QStringLiteral("third"));
    makeGroup(owner.get(), member.get());
    const QString code = owner->account("POST", QStringLiteral("/group/invite"))
                             .json.value(QStringLiteral("invite_code"))
                             .toString();
    QCOMPARE(third->account("POST", QStringLiteral("/group/join/") + code).status, 200);
    owner->push({account(QStringLiteral("house"))});
    QCOMPARE(owner
                 ->sync("POST", QStringLiteral("/accounts/house/share"),
                        {{QStringLiteral("user_id"), member->userId}})
                 .status,
             201);

    QCOMPARE(member
                 ->sync("POST", QStringLiteral("/accounts/house/share"),
                        {{QStringLiteral("user_id"), third->userId}})
                 .status,
             403);
    QCOMPARE(member->sync("DELETE", QStringLiteral("/accounts/house/share/") + member->userId).status, 403);
    const QJsonObject pulled =
        records(member->pull(), QStringLiteral("accounts")).value(QStringLiteral("house"));
    QJsonObject deletion = account(QStringLiteral("house"), pulled.value(QStringLiteral("version")).toInt());
    deletion = change(QStringLiteral("account"), QStringLiteral("house"),
                      pulled.value(QStringLiteral("version")).toInt(),
                      deletion.value(QStringLiteral("payload")).toObject(), QStringLiteral("delete"));
    QCOMPARE(statuses(member->push({deletion})), QStringList{QStringLiteral("forbidden")});
    QVERIFY(records(owner->pull(), QStringLiteral("accounts"))
                .value(QStringLiteral("house"))
                .value(QStringLiteral("deleted_at"))
                .isUndefined());
}

void TestCloudSync::faultsAreObservable_data()
{
    QTest::addColumn<QString>("faults");
    QTest::newRow("answer 500 before committing") << QStringLiteral("seed=1,push500=1");
    QTest::newRow("commit, then drop the connection") << QStringLiteral("seed=1,dropafter=1");
    QTest::newRow("delay every answer") << QStringLiteral("seed=1,delay=1:400");
    QTest::newRow("answer 401 to a valid token") << QStringLiteral("seed=1,auth401=1");
    QTest::newRow("return a page twice") << QStringLiteral("seed=1,duplicate=1");
}

void TestCloudSync::faultsAreObservable()
{
    QFETCH(QString, faults);
    const QString database = m_fixture.backend.freshDatabase();
    CloudService faulty;
    QString error;
    QVERIFY2(faulty.start(database, {QStringLiteral("--faults"), faults}, &error), qPrintable(error));
    CloudHttp http(faulty.baseUrl());
    CloudClient user(&http);
    QVERIFY(user.signUp(QStringLiteral("faulty@example.org")) || faults.contains(QLatin1String("auth401")));

    if (faults.contains(QLatin1String("push500"))) {
        const HttpResult push = user.push({account(QStringLiteral("f1"))});
        QCOMPARE(push.status, 500);
        QVERIFY(user.pull().json.value(QStringLiteral("accounts")).toArray().isEmpty());
    } else if (faults.contains(QLatin1String("dropafter"))) {
        const HttpResult push = user.push({account(QStringLiteral("f2"))});
        QCOMPARE(push.status, 0);
        QVERIFY(push.error != QNetworkReply::NoError);
        // Committed all the same: the client learns it by pulling.
        QVERIFY(records(user.pull(), QStringLiteral("accounts")).contains(QStringLiteral("f2")));
    } else if (faults.contains(QLatin1String("delay"))) {
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(user.pull().status, 200);
        QVERIFY2(timer.elapsed() >= 400, qPrintable(QString::number(timer.elapsed())));
        // Files and the sign-in page are not API answers and come at once.
        QCOMPARE(http.get(QStringLiteral("/healthz")).status, 200);
    } else if (faults.contains(QLatin1String("auth401"))) {
        // The sign-in page still works (it is not an authenticated call); every API call with
        // the fresh token is refused, while the token refresh itself goes through.
        QVERIFY(!user.accessToken.isEmpty());
        QCOMPARE(user.pull().status, 401);
        QVERIFY(user.refresh());
        QCOMPARE(user.auth("GET", QStringLiteral("/users/me")).status, 401);
    } else {
        user.push({account(QStringLiteral("f3"))});
        const HttpResult first = user.pull();
        QCOMPARE(first.json.value(QStringLiteral("server_time")).toString(), QString());
        QVERIFY(first.json.value(QStringLiteral("has_more")).toBool());
        QVERIFY(records(first, QStringLiteral("accounts")).contains(QStringLiteral("f3")));
        const HttpResult second = user.pull(first.json.value(QStringLiteral("server_time")).toString());
        QVERIFY(records(second, QStringLiteral("accounts")).contains(QStringLiteral("f3")));
    }
}

void TestCloudSync::faultScheduleFollowsTheSeed()
{
    QList<QStringList> runs;
    for (int run = 0; run < 2; ++run) {
        CloudService faulty;
        QString error;
        QVERIFY2(faulty.start(m_fixture.backend.freshDatabase(),
                              {QStringLiteral("--faults"), QStringLiteral("seed=42,push500=0.5")}, &error),
                 qPrintable(error));
        CloudHttp http(faulty.baseUrl());
        CloudClient user(&http);
        QVERIFY(user.signUp(QStringLiteral("seeded@example.org")));
        QStringList outcomes;
        for (int i = 0; i < 16; ++i)
            outcomes.append(QString::number(user.push({account(QStringLiteral("s%1").arg(i))}).status));
        runs.append(outcomes);
    }
    QCOMPARE(runs.at(0), runs.at(1));
    QVERIFY(runs.at(0).contains(QStringLiteral("200")));
    QVERIFY(runs.at(0).contains(QStringLiteral("500")));
}

QTEST_GUILESS_MAIN(TestCloudSync)
#include "tst_cloudsync.moc"
