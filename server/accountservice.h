#pragma once

#include "accesstoken.h"
#include "httpexchange.h"

class AuthService;
class CloudDatabase;
class SyncService;

// The account API: profile and account deletion, the group with its seats, invitations and
// members, and the user's devices.
//
// A user belongs to at most one group. Inviting creates the inviter's group when there is none;
// the owner invites by code or by e-mail (no mail is sent: the invited user sees the invitation
// under /invitations after signing in and joins with its code). The owner cannot leave, or delete
// the account, while other members remain. Leaving or being removed ends every share between the
// member and the rest of the group.
class AccountService
{
public:
    static constexpr int defaultSeats = 6;
    static constexpr qint64 invitationLifetimeSeconds = 7 * 24 * 3600;
    static constexpr int joinFailureLimit = 10;

    AccountService(CloudDatabase *database, AuthService *auth, SyncService *sync);

    HttpResponse handle(const HttpRequest &request, const QStringList &path, const AccessClaims &claims);

private:
    struct Membership
    {
        QString groupId;
        QString role;
        QString name;
        int maxSeats = 0;
        int memberCount = 0;
    };
    // The user's group; an empty groupId when there is none. False on a storage failure.
    bool membership(const QString &userId, Membership *result);

    HttpResponse profile(const AccessClaims &claims);
    HttpResponse scheduleDeletion(const AccessClaims &claims);
    HttpResponse group(const AccessClaims &claims);
    HttpResponse invite(const HttpRequest &request, const AccessClaims &claims);
    HttpResponse revokeInvitation(const AccessClaims &claims, const QString &invitationId);
    HttpResponse myInvitations(const AccessClaims &claims);
    HttpResponse join(const AccessClaims &claims, const QString &code);
    HttpResponse leave(const AccessClaims &claims);
    HttpResponse removeMember(const AccessClaims &claims, const QString &memberId);
    HttpResponse devices(const AccessClaims &claims);
    HttpResponse registerDevice(const HttpRequest &request, const AccessClaims &claims);
    HttpResponse removeDevice(const AccessClaims &claims, const QString &deviceId);

    CloudDatabase *m_database;
    AuthService *m_auth;
    SyncService *m_sync;
};
