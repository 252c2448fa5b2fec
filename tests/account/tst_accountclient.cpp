#include "account/accountclient.h"
#include "account/accountsharingservice.h"
#include "account/authclient.h"

#include "signedinclient.h"

#include <QHostInfo>
#include <QJsonArray>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTest>

using namespace CorvantisAccount;

namespace {

// Waits for the one callback of an asynchronous call and hands back what it delivered.
template<typename Value> class Answer
{
public:
    std::function<void(const Value &)> callback()
    {
        return [this](const Value &value) {
            m_value = value;
            m_arrived = true;
        };
    }
    bool wait()
    {
        return QTest::qWaitFor([this] { return m_arrived; }, 10000);
    }
    const Value &value() const { return m_value; }

private:
    Value m_value{};
    bool m_arrived = false;
};

} // namespace

// The account API and sharing calls of the desktop client against a real zimbrel-cloud.
class TestAccountClient : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void groupIsFoundedJoinedAndLeft();
    void ownerRemovesAMember();
    void deviceIsRegisteredWithThisSystemsName();
    void devicePlatformName_data();
    void devicePlatformName();
    void identifiersThatAreNoPathSegmentNeverReachTheService_data();
    void identifiersThatAreNoPathSegmentNeverReachTheService();
    void deletionIsScheduled();
    void accountIsSharedWithGroupMembersOnly();

private:
    // `owner` invites by code and `member` joins; false when either step failed.
    bool makeGroup(SignedInClient *owner, SignedInClient *member);

    CloudFixture m_fixture;
};

void TestAccountClient::initTestCase()
{
    QString reason;
    QString error;
    if (!m_fixture.start(&reason, &error)) {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QSKIP(qPrintable(reason));
    }
}

bool TestAccountClient::makeGroup(SignedInClient *owner, SignedInClient *member)
{
    Answer<GroupInvitation> invitation;
    owner->client->accountClient()->generateInviteCode(invitation.callback());
    if (!invitation.wait() || invitation.value().inviteCode.isEmpty())
        return false;
    Answer<bool> joined;
    member->client->accountClient()->joinGroup(invitation.value().inviteCode, joined.callback());
    return joined.wait() && joined.value();
}

void TestAccountClient::groupIsFoundedJoinedAndLeft()
{
    auto owner = signedInClient(&m_fixture, QStringLiteral("owner"));
    auto member = signedInClient(&m_fixture, QStringLiteral("member"));
    QVERIFY(owner && member);

    Answer<Profile> profile;
    owner->client->accountClient()->getProfile(profile.callback());
    QVERIFY(profile.wait());
    QCOMPARE(profile.value().id, owner->userId());
    QCOMPARE(profile.value().email, owner->email());
    QVERIFY(profile.value().group.id.isEmpty());

    Answer<Group> noGroup;
    owner->client->accountClient()->getGroup(noGroup.callback());
    QVERIFY(noGroup.wait());
    QVERIFY(noGroup.value().id.isEmpty());

    // The first invitation founds the group; the owner's token says so at once.
    QSignalSpy ownerChanged(owner->client->accountClient(), &AccountClient::groupChanged);
    Answer<GroupInvitation> invitation;
    owner->client->accountClient()->generateInviteCode(invitation.callback());
    QVERIFY(invitation.wait());
    QVERIFY(!invitation.value().inviteCode.isEmpty());
    QVERIFY(invitation.value().expiresAt.isValid());
    QCOMPARE(ownerChanged.count(), 1);
    QCOMPARE(owner->client->claims().role, QStringLiteral("owner"));

    QSignalSpy memberChanged(member->client->accountClient(), &AccountClient::groupChanged);
    Answer<bool> joined;
    member->client->accountClient()->joinGroup(invitation.value().inviteCode, joined.callback());
    QVERIFY(joined.wait());
    QVERIFY(joined.value());
    QCOMPARE(memberChanged.count(), 1);
    QCOMPARE(member->client->claims().role, QStringLiteral("member"));
    QCOMPARE(member->client->claims().groupId, owner->client->claims().groupId);

    Answer<Group> group;
    owner->client->accountClient()->getGroup(group.callback());
    QVERIFY(group.wait());
    QCOMPARE(group.value().members.size(), 2);
    QVERIFY(group.value().maxSeats >= 2);
    QStringList roles;
    for (const GroupMember &each : group.value().members)
        roles.append(each.accountId == owner->userId() ? each.role
                                                       : each.role + QLatin1Char('@') + each.accountId);
    QVERIFY2(roles.contains(QStringLiteral("owner")), qPrintable(roles.join(u',')));
    QVERIFY2(roles.contains(QStringLiteral("member@") + member->userId()), qPrintable(roles.join(u',')));

    // A used code does not let a second person in on its own; a wrong one is refused.
    auto stranger = signedInClient(&m_fixture, QStringLiteral("stranger"));
    QVERIFY(stranger);
    Answer<bool> wrong;
    stranger->client->accountClient()->joinGroup(QStringLiteral("NOTACODE"), wrong.callback());
    QVERIFY(wrong.wait());
    QVERIFY(!wrong.value());
    QVERIFY(stranger->client->claims().groupId.isEmpty());

    // The owner cannot leave while members remain.
    Answer<bool> ownerLeft;
    owner->client->accountClient()->leaveGroup(ownerLeft.callback());
    QVERIFY(ownerLeft.wait());
    QVERIFY(!ownerLeft.value());

    Answer<bool> left;
    member->client->accountClient()->leaveGroup(left.callback());
    QVERIFY(left.wait());
    QVERIFY(left.value());
    QCOMPARE(memberChanged.count(), 2);
    QVERIFY(member->client->claims().groupId.isEmpty());
}

void TestAccountClient::ownerRemovesAMember()
{
    auto owner = signedInClient(&m_fixture, QStringLiteral("owner"));
    auto member = signedInClient(&m_fixture, QStringLiteral("member"));
    QVERIFY(owner && member);
    QVERIFY(makeGroup(owner.get(), member.get()));

    // A member cannot remove anyone.
    Answer<bool> byMember;
    member->client->accountClient()->removeMember(owner->userId(), byMember.callback());
    QVERIFY(byMember.wait());
    QVERIFY(!byMember.value());

    QSignalSpy changed(owner->client->accountClient(), &AccountClient::groupChanged);
    Answer<bool> removed;
    owner->client->accountClient()->removeMember(member->userId(), removed.callback());
    QVERIFY(removed.wait());
    QVERIFY(removed.value());
    QCOMPARE(changed.count(), 1);
    Answer<Group> group;
    owner->client->accountClient()->getGroup(group.callback());
    QVERIFY(group.wait());
    QCOMPARE(group.value().members.size(), 1);
}

void TestAccountClient::deviceIsRegisteredWithThisSystemsName()
{
    auto user = signedInClient(&m_fixture, QStringLiteral("device"));
    QVERIFY(user);
    Answer<bool> registered;
    user->client->accountClient()->registerDevice(registered.callback());
    QVERIFY(registered.wait());
    QVERIFY(registered.value());

    Answer<QList<Device>> devices;
    user->client->accountClient()->getDevices(devices.callback());
    QVERIFY(devices.wait());
    QCOMPARE(devices.value().size(), 1);
    const Device device = devices.value().constFirst();
    QCOMPARE(device.deviceName, QSysInfo::machineHostName());
    QCOMPARE(device.platform, AccountClient::devicePlatformName(QSysInfo::kernelType()));
    QCOMPARE(device.appVersion, QStringLiteral("1.0.5"));
    QCOMPARE(device.deviceFingerprint.size(), 32);

    Answer<bool> removed;
    user->client->accountClient()->removeDevice(device.id, removed.callback());
    QVERIFY(removed.wait());
    QVERIFY(removed.value());
    Answer<QList<Device>> none;
    user->client->accountClient()->getDevices(none.callback());
    QVERIFY(none.wait());
    QVERIFY(none.value().isEmpty());
}

void TestAccountClient::devicePlatformName_data()
{
    QTest::addColumn<QString>("kernel");
    QTest::addColumn<QString>("name");
    QTest::newRow("Linux") << QStringLiteral("linux") << QStringLiteral("Linux");
    QTest::newRow("Windows") << QStringLiteral("winnt") << QStringLiteral("Windows");
    QTest::newRow("macOS, any case") << QStringLiteral("Darwin") << QStringLiteral("macOS");
    QTest::newRow("other kernels as they are") << QStringLiteral("freebsd") << QStringLiteral("freebsd");
}

void TestAccountClient::devicePlatformName()
{
    QFETCH(QString, kernel);
    QFETCH(QString, name);
    QCOMPARE(AccountClient::devicePlatformName(kernel), name);
}

void TestAccountClient::identifiersThatAreNoPathSegmentNeverReachTheService_data()
{
    QTest::addColumn<QString>("identifier");
    QTest::newRow("climbs to the profile") << QStringLiteral("../../profile");
    QTest::newRow("escaped climb") << QStringLiteral("%2e%2e%2fprofile");
    QTest::newRow("query") << QStringLiteral("x?y=1");
    QTest::newRow("empty") << QString();
}

void TestAccountClient::identifiersThatAreNoPathSegmentNeverReachTheService()
{
    QFETCH(QString, identifier);
    auto user = signedInClient(&m_fixture, QStringLiteral("careful"));
    QVERIFY(user);
    AccountClient *accounts = user->client->accountClient();

    Answer<bool> device;
    accounts->removeDevice(identifier, device.callback());
    Answer<bool> join;
    accounts->joinGroup(identifier, join.callback());
    Answer<bool> member;
    accounts->removeMember(identifier, member.callback());
    AccountSharingService sharing(user->client->syncApi());
    Answer<bool> unshare;
    sharing.removeShare(identifier, identifier, unshare.callback());
    for (Answer<bool> *answer : {&device, &join, &member, &unshare}) {
        QVERIFY(answer->wait());
        QVERIFY(!answer->value());
    }
    // A DELETE of "/devices/../../profile" would have scheduled the account for deletion.
    Answer<Profile> profile;
    accounts->getProfile(profile.callback());
    QVERIFY(profile.wait());
    QCOMPARE(profile.value().id, user->userId());
    QCOMPARE(profile.value().status, QStringLiteral("active"));
}

void TestAccountClient::deletionIsScheduled()
{
    auto user = signedInClient(&m_fixture, QStringLiteral("leaving"));
    QVERIFY(user);
    Answer<bool> deleted;
    user->client->accountClient()->deleteAccount(deleted.callback());
    QVERIFY(deleted.wait());
    QVERIFY(deleted.value());
    // Every session ends with it: the old token no longer opens the account.
    QCOMPARE(user->raw->account("GET", QStringLiteral("/profile")).status, 401);
}

void TestAccountClient::accountIsSharedWithGroupMembersOnly()
{
    auto owner = signedInClient(&m_fixture, QStringLiteral("sharer"));
    auto member = signedInClient(&m_fixture, QStringLiteral("partner"));
    auto outsider = signedInClient(&m_fixture, QStringLiteral("outsider"));
    QVERIFY(owner && member && outsider);
    QVERIFY(makeGroup(owner.get(), member.get()));
    const QString accountId = QStringLiteral("0b7c3c52-6f2a-4d8e-9a51-2f6c1d1e0a01");
    QCOMPARE(owner->raw->push(QJsonArray{CloudClient::newAccountChange(accountId)}).status, 200);

    AccountSharingService sharing(owner->client->syncApi());
    using ShareResult = std::pair<bool, QString>;
    const auto share = [&](const QString &who) {
        ShareResult result;
        bool arrived = false;
        sharing.shareWith(accountId, who, QString(), [&](bool ok, const QString &error) {
            result = {ok, error};
            arrived = true;
        });
        [[maybe_unused]] const bool answered = QTest::qWaitFor([&] { return arrived; }, 10000);
        return result;
    };

    const ShareResult refused = share(outsider->userId());
    QVERIFY(!refused.first);
    QVERIFY2(!refused.second.isEmpty(), "the service's reason reaches the caller");
    const ShareResult byAddress = share(member->email());
    QVERIFY2(byAddress.first, qPrintable(byAddress.second));

    Answer<QList<ShareMember>> members;
    sharing.listMembers(accountId, members.callback());
    QVERIFY(members.wait());
    QHash<QString, QString> roles;
    for (const ShareMember &each : members.value()) {
        QCOMPARE(each.id, each.userId);
        roles.insert(each.userId, each.role);
    }
    QCOMPARE(roles.value(owner->userId()), QStringLiteral("owner"));
    QCOMPARE(roles.value(member->userId()), QStringLiteral("member"));
    QVERIFY(!roles.contains(outsider->userId()));

    // The member sees the account, and cannot pass it on.
    AccountSharingService memberSharing(member->client->syncApi());
    bool passedOn = true;
    bool arrived = false;
    memberSharing.shareWith(accountId, owner->userId(), QString(), [&](bool ok, const QString &) {
        passedOn = ok;
        arrived = true;
    });
    QVERIFY(QTest::qWaitFor([&] { return arrived; }, 10000));
    QVERIFY(!passedOn);

    Answer<bool> removed;
    sharing.removeShare(accountId, member->userId(), removed.callback());
    QVERIFY(removed.wait());
    QVERIFY(removed.value());
    Answer<QList<ShareMember>> after;
    sharing.listMembers(accountId, after.callback());
    QVERIFY(after.wait());
    QCOMPARE(after.value().size(), 1);
}

QTEST_GUILESS_MAIN(TestAccountClient)
#include "tst_accountclient.moc"
