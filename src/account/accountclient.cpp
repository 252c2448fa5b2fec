#include "accountclient.h"

#include "apiclient.h"
#include "authclient.h"
#include "platform.h"
#include "tokenmanager.h"

#include <QJsonArray>
#include <QSysInfo>
#include <QTimer>

namespace CorvantisAccount {

namespace {

// True when `segment` cannot stand in a request path; then `done(false)` is queued: the answer
// of a call refused before any request still arrives later, as every network answer does, so
// callers never see it re-entrantly.
bool refusedAsPathSegment(QObject *context, const QString &segment, const AccountClient::Done &done)
{
    if (isPathSegmentSafe(segment))
        return false;
    QTimer::singleShot(0, context, [done] {
        if (done)
            done(false);
    });
    return true;
}

} // namespace

AccountClient::AccountClient(ApiClient *api, AuthClient *auth, TokenManager *tokens,
                             const ClientConfig &config, QObject *parent)
    : QObject(parent)
    , m_api(api)
    , m_auth(auth)
    , m_tokens(tokens)
    , m_config(config)
{}

void AccountClient::getProfile(const std::function<void(const Profile &profile)> &callback)
{
    m_api->get(QStringLiteral("/profile"), [callback](bool ok, int, const QJsonObject &body) {
        if (callback)
            callback(ok ? profileFromJson(body) : Profile());
    });
}

void AccountClient::getGroup(const std::function<void(const Group &group)> &callback)
{
    m_api->get(QStringLiteral("/group"), [callback](bool ok, int, const QJsonObject &body) {
        if (callback)
            callback(ok ? groupFromJson(body) : Group());
    });
}

void AccountClient::generateInviteCode(const std::function<void(const GroupInvitation &invitation)> &callback)
{
    m_api->post(QStringLiteral("/group/invite"), {}, [this, callback](bool ok, int, const QJsonObject &body) {
        afterInvitation(ok ? groupInvitationFromJson(body) : GroupInvitation(), callback);
    });
}

void AccountClient::inviteByEmail(const QString &email,
                                  const std::function<void(const GroupInvitation &invitation)> &callback)
{
    m_api->post(QStringLiteral("/group/invite"), {{QStringLiteral("email"), email}},
                [this, callback](bool ok, int, const QJsonObject &body) {
                    afterInvitation(ok ? groupInvitationFromJson(body) : GroupInvitation(), callback);
                });
}

void AccountClient::afterInvitation(const GroupInvitation &invitation,
                                    const std::function<void(const GroupInvitation &invitation)> &callback)
{
    // The first invitation founds the user's group, with them as its owner: their token's claims
    // must say so before anything asks who owns the group.
    if (invitation.id.isEmpty() || !m_auth->claims().groupId.isEmpty()) {
        if (callback)
            callback(invitation);
        return;
    }
    m_tokens->refresh([this, invitation, callback](bool) {
        if (callback)
            callback(invitation);
        emit groupChanged();
    });
}

void AccountClient::revokeInvitation(const QString &id, const Done &done)
{
    if (refusedAsPathSegment(this, id, done))
        return;
    m_api->del(QStringLiteral("/group/invitations/%1").arg(id), [done](bool ok, int, const QJsonObject &) {
        if (done)
            done(ok);
    });
}

void AccountClient::joinGroup(const QString &code, const Done &done)
{
    if (refusedAsPathSegment(this, code, done))
        return;
    m_api->post(QStringLiteral("/group/join/%1").arg(code), {},
                [this, done](bool ok, int, const QJsonObject &) { afterMembershipChange(ok, done); });
}

void AccountClient::leaveGroup(const Done &done)
{
    m_api->post(QStringLiteral("/group/leave"), {},
                [this, done](bool ok, int, const QJsonObject &) { afterMembershipChange(ok, done); });
}

void AccountClient::afterMembershipChange(bool ok, const Done &done)
{
    if (!ok) {
        if (done)
            done(false);
        return;
    }
    // The membership changed on the service whatever the refresh does; a failed refresh (no
    // network) leaves the old claims until the next one, and keeps the user signed in.
    m_tokens->refresh([this, done](bool) {
        if (done)
            done(true);
        emit groupChanged();
    });
}

void AccountClient::removeMember(const QString &accountId, const Done &done)
{
    if (refusedAsPathSegment(this, accountId, done))
        return;
    m_api->del(QStringLiteral("/group/members/%1").arg(accountId),
               [this, done](bool ok, int, const QJsonObject &) {
                   if (done)
                       done(ok);
                   if (ok)
                       emit groupChanged();
               });
}

void AccountClient::getDevices(const std::function<void(const QList<Device> &devices)> &callback)
{
    m_api->get(QStringLiteral("/devices"), [callback](bool ok, int, const QJsonObject &body) {
        QList<Device> devices;
        if (ok) {
            const QJsonArray array = body.value(QStringLiteral("devices")).toArray();
            for (const QJsonValue &value : array) {
                if (value.isObject())
                    devices.append(deviceFromJson(value.toObject()));
            }
        }
        if (callback)
            callback(devices);
    });
}

void AccountClient::removeDevice(const QString &id, const Done &done)
{
    if (refusedAsPathSegment(this, id, done))
        return;
    m_api->del(QStringLiteral("/devices/%1").arg(id), [done](bool ok, int, const QJsonObject &) {
        if (done)
            done(ok);
    });
}

void AccountClient::deleteAccount(const Done &done)
{
    m_api->del(QStringLiteral("/profile"), [done](bool ok, int, const QJsonObject &) {
        if (done)
            done(ok);
    });
}

void AccountClient::registerDevice(const Done &done)
{
    const QJsonObject body{{QStringLiteral("device_name"), QSysInfo::machineHostName()},
                           {QStringLiteral("platform"), devicePlatformName(QSysInfo::kernelType())},
                           {QStringLiteral("app_id"), m_config.appId},
                           {QStringLiteral("app_version"), m_config.appVersion},
                           {QStringLiteral("device_fingerprint"), machineId()}};
    m_api->post(QStringLiteral("/devices/register"), body, [done](bool ok, int, const QJsonObject &) {
        if (done)
            done(ok);
    });
}

QString AccountClient::devicePlatformName(const QString &kernelType)
{
    const QString kernel = kernelType.toLower();
    if (kernel == QLatin1String("winnt"))
        return QStringLiteral("Windows");
    if (kernel == QLatin1String("darwin"))
        return QStringLiteral("macOS");
    if (kernel == QLatin1String("linux"))
        return QStringLiteral("Linux");
    return kernelType;
}

} // namespace CorvantisAccount
