#pragma once

#include "accountrecords.h"
#include "clientconfig.h"

#include <QObject>

#include <functional>

namespace CorvantisAccount {

class ApiClient;
class AuthClient;
class TokenManager;

// The calls of the account API: profile, group, invitations, devices and account deletion.
// A failed call hands its callback an empty record or list; an identifier or code that is not a
// plain path segment fails at once without a request.
class AccountClient : public QObject
{
    Q_OBJECT

public:
    using Done = std::function<void(bool ok)>;

    // `api` (the account API), `auth` and `tokens` are not owned.
    AccountClient(ApiClient *api, AuthClient *auth, TokenManager *tokens, const ClientConfig &config,
                  QObject *parent = nullptr);

    void getProfile(const std::function<void(const Profile &profile)> &callback);
    void getGroup(const std::function<void(const Group &group)> &callback);
    // The first invitation of a user without a group founds one, owned by them; the token is then
    // refreshed for the new claims and groupChanged emitted.
    void generateInviteCode(const std::function<void(const GroupInvitation &invitation)> &callback);
    void inviteByEmail(const QString &email,
                       const std::function<void(const GroupInvitation &invitation)> &callback);
    void revokeInvitation(const QString &id, const Done &done = {});
    // On success the access token is refreshed (its claims carry the group and role) before
    // `done` runs and groupChanged is emitted.
    void joinGroup(const QString &code, const Done &done);
    void leaveGroup(const Done &done = {});
    void removeMember(const QString &accountId, const Done &done = {});
    void getDevices(const std::function<void(const QList<Device> &devices)> &callback);
    void removeDevice(const QString &id, const Done &done = {});
    // Schedules the deletion of the cloud account; a sign-in within the grace period cancels it.
    void deleteAccount(const Done &done);
    // Tells the service about this machine (name, system, application, fingerprint).
    void registerDevice(const Done &done = {});

    // The system name the device list shows for the running machine: "Windows", "Linux",
    // "macOS", else the kernel type as it is.
    static QString devicePlatformName(const QString &kernelType);

signals:
    void groupChanged();

private:
    void afterInvitation(const GroupInvitation &invitation,
                         const std::function<void(const GroupInvitation &invitation)> &callback);
    // Refreshes the token so its claims follow the new membership, then reports and signals.
    void afterMembershipChange(bool ok, const Done &done);

    ApiClient *m_api;
    AuthClient *m_auth;
    TokenManager *m_tokens;
    ClientConfig m_config;
};

} // namespace CorvantisAccount
