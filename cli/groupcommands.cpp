#include "commands.h"

#include "cloudclientfactory.h"
#include "eventwaiter.h"

#include "account/accountclient.h"
#include "account/accountsharingservice.h"
#include "account/apiclient.h"

#include <QJsonArray>
#include <QJsonObject>

using namespace CorvantisAccount;

namespace {

// Why a call gave nothing back, as far as the client can tell: the network's reason, or an
// ended session. Listens to both APIs while it lives.
class FailureWatch
{
public:
    explicit FailureWatch(Client *client)
    {
        for (ApiClient *api : {client->accountApi(), client->syncApi()}) {
            QObject::connect(api, &ApiClient::networkError, &m_scope,
                             [this](const QString &message) { m_network = message; });
            QObject::connect(api, &ApiClient::authenticationRequired, &m_scope,
                             [this] { m_sessionEnded = true; });
        }
    }

    // `refusal` when the service answered and said no.
    QString reason(const QString &refusal) const
    {
        if (m_sessionEnded)
            return QStringLiteral("not signed in: the session has ended; sign in again");
        if (!m_network.isEmpty())
            return QStringLiteral("cannot reach the cloud service: %1").arg(m_network);
        return refusal;
    }

private:
    QObject m_scope;
    QString m_network;
    bool m_sessionEnded = false;
};

using GroupBody = std::function<int(CliContext &, Client *, const CliArguments &)>;

// A command of the signed-in user: checks the arguments, opens the client, restores the sign-in.
CliCommand groupCommand(const QString &name, const QString &usage, const QString &summary, int positionals,
                        const QStringList &valueOptions, const GroupBody &body)
{
    return {name, usage, summary, [=](CliContext &context, const QStringList &arguments) {
                const CliArguments parsed(arguments, valueOptions);
                if (!parsed.isValid())
                    return context.usageError(parsed.error());
                if (parsed.positionals().size() != positionals)
                    return context.usageError(
                        QStringLiteral("usage: zimbrel-cli %1 %2").arg(name, usage).trimmed());
                if (parsed.has(QStringLiteral("--email"))) {
                    const QString email = parsed.value(QStringLiteral("--email")).trimmed();
                    if (email.isEmpty() || !email.contains(QLatin1Char('@')))
                        return context.usageError(QStringLiteral("--email needs an e-mail address"));
                }
                for (const QString &positional : parsed.positionals()) {
                    if (positional.contains(QLatin1Char('@')))
                        continue; // an address, sent in a body
                    if (!isPathSegmentSafe(positional))
                        return context.usageError(QStringLiteral("not an identifier: %1").arg(positional));
                }
                const auto client = openCloudClient(context);
                if (!client)
                    return 1;
                if (!restoreCloudSignIn(client.get()))
                    return context.fail(QStringLiteral("not signed in"));
                return body(context, client.get(), parsed);
            }};
}

int printGroup(CliContext &context, Client *client)
{
    FailureWatch watch(client);
    EventWaiter waiter;
    Group group;
    bool answered = false;
    // An empty group is also what a user outside any group gets: tell the two apart by the
    // profile, which names the group when there is one.
    client->accountClient()->getProfile([&](const Profile &profile) {
        if (profile.id.isEmpty()) {
            waiter.finish();
            return;
        }
        client->accountClient()->getGroup([&](const Group &fetched) {
            group = fetched;
            answered = profile.group.id.isEmpty() || !fetched.id.isEmpty();
            waiter.finish();
        });
    });
    waiter.wait();
    if (!answered)
        return context.fail(watch.reason(QStringLiteral("the cloud service did not send the group")));
    // Outside any group: the same shape, with an empty id and nobody in it.
    context.printJson(groupToJson(group));
    return 0;
}

int invite(CliContext &context, Client *client, const CliArguments &arguments)
{
    const QString email = arguments.value(QStringLiteral("--email")).trimmed();
    FailureWatch watch(client);
    EventWaiter waiter;
    GroupInvitation invitation;
    const auto done = [&](const GroupInvitation &made) {
        invitation = made;
        waiter.finish();
    };
    if (email.isEmpty())
        client->accountClient()->generateInviteCode(done);
    else
        client->accountClient()->inviteByEmail(email, done);
    waiter.wait();
    if (invitation.id.isEmpty())
        return context.fail(watch.reason(
            QStringLiteral("the cloud service refused the invitation (only the group owner invites, "
                           "and only while seats are free)")));
    context.printJson(groupInvitationToJson(invitation));
    return 0;
}

int join(CliContext &context, Client *client, const CliArguments &arguments)
{
    FailureWatch watch(client);
    EventWaiter waiter;
    bool joined = false;
    client->accountClient()->joinGroup(arguments.positionals().constFirst(), [&](bool ok) {
        joined = ok;
        waiter.finish();
    });
    waiter.wait();
    if (!joined)
        return context.fail(watch.reason(QStringLiteral("invalid or expired invite code")));
    return printGroup(context, client);
}

// Everyone with access to the account, the owner included; false after a message on failure.
bool listShares(CliContext &context, Client *client, const QString &accountId, QList<ShareMember> *members)
{
    FailureWatch watch(client);
    AccountSharingService sharing(client->syncApi());
    EventWaiter waiter;
    sharing.listMembers(accountId, [&](const QList<ShareMember> &listed) {
        *members = listed;
        waiter.finish();
    });
    waiter.wait();
    // The owner is always listed: nobody at all means the account is unknown, or not the user's.
    if (members->isEmpty()) {
        context.fail(watch.reason(
            QStringLiteral("no account %1 that you own or share on the cloud service (sync it first)")
                .arg(accountId)));
        return false;
    }
    return true;
}

int shares(CliContext &context, Client *client, const CliArguments &arguments)
{
    QList<ShareMember> members;
    if (!listShares(context, client, arguments.positionals().constFirst(), &members))
        return 1;
    QJsonArray list;
    for (const ShareMember &member : std::as_const(members))
        list.append(shareMemberToJson(member));
    context.printJson(list);
    return 0;
}

int shareAccount(CliContext &context, Client *client, const CliArguments &arguments)
{
    const QString accountId = arguments.positionals().at(0);
    const QString user = arguments.positionals().at(1);
    FailureWatch watch(client);
    AccountSharingService sharing(client->syncApi());
    EventWaiter waiter;
    bool shared = false;
    QString error;
    sharing.shareWith(accountId, user, QStringLiteral("member"), [&](bool ok, const QString &message) {
        shared = ok;
        error = message;
        waiter.finish();
    });
    waiter.wait();
    if (!shared)
        return context.fail(
            watch.reason(QStringLiteral("cannot share %1 with %2: %3").arg(accountId, user, error)));
    return shares(context, client, arguments);
}

int unshareAccount(CliContext &context, Client *client, const CliArguments &arguments)
{
    const QString accountId = arguments.positionals().at(0);
    QString userId = arguments.positionals().at(1);
    if (userId.contains(QLatin1Char('@'))) {
        QList<ShareMember> members;
        if (!listShares(context, client, accountId, &members))
            return 1;
        const auto found = std::find_if(members.cbegin(), members.cend(), [&](const ShareMember &member) {
            return member.role != QLatin1String("owner") &&
                   member.email.compare(userId, Qt::CaseInsensitive) == 0;
        });
        if (found == members.cend())
            return context.fail(QStringLiteral("%1 is not shared with %2").arg(accountId, userId));
        userId = found->userId;
    }
    FailureWatch watch(client);
    AccountSharingService sharing(client->syncApi());
    EventWaiter waiter;
    bool removed = false;
    sharing.removeShare(accountId, userId, [&](bool ok) {
        removed = ok;
        waiter.finish();
    });
    waiter.wait();
    if (!removed)
        return context.fail(watch.reason(
            QStringLiteral("cannot remove the share of %1 with %2 (only the account's owner can)")
                .arg(accountId, userId)));
    return shares(context, client, arguments);
}

} // namespace

QList<CliCommand> groupCommands()
{
    return {
        groupCommand(QStringLiteral("group"), QString(),
                     QStringLiteral("Print your cloud family group with its members"), 0, {},
                     [](CliContext &context, Client *client, const CliArguments &) {
                         return printGroup(context, client);
                     }),
        groupCommand(
            QStringLiteral("invite"), QStringLiteral("[--email ADDRESS]"),
            QStringLiteral(
                "Invite someone to your group (creating it) and print the invitation with its invite_code"),
            0, {QStringLiteral("--email")}, invite),
        groupCommand(QStringLiteral("join"), QStringLiteral("CODE"),
                     QStringLiteral("Join a group with an invite code and print it"), 1, {}, join),
        groupCommand(
            QStringLiteral("share"), QStringLiteral("ACCOUNT_ID USER"),
            QStringLiteral("Share one of your accounts with a group member (e-mail address or user id)"), 2,
            {}, shareAccount),
        groupCommand(QStringLiteral("unshare"), QStringLiteral("ACCOUNT_ID USER"),
                     QStringLiteral("Stop sharing an account with a member (e-mail address or user id)"), 2,
                     {}, unshareAccount),
        groupCommand(QStringLiteral("shares"), QStringLiteral("ACCOUNT_ID"),
                     QStringLiteral("Print who has access to an account, its owner included"), 1, {}, shares),
    };
}
