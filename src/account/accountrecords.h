#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>

namespace CorvantisAccount {

// The group a profile belongs to, as the profile carries it.
struct GroupSummary
{
    QString id;
    QString name;
    QString role;
    int memberCount = 0;

    bool operator==(const GroupSummary &) const = default;
};

// The signed-in user's profile on the account API; an empty id means a failed call.
struct Profile
{
    QString id;
    QString email;
    QString displayName;
    QString avatarUrl;
    QString language;
    QString timezone;
    QString status;
    QDateTime createdAt;
    GroupSummary group; // empty id when the profile names no group

    bool operator==(const Profile &) const = default;
};

struct GroupMember
{
    QString accountId;
    QString displayName;
    QString email;
    QString role;
    QDateTime joinedAt;

    bool operator==(const GroupMember &) const = default;
};

struct GroupInvitation
{
    QString id; // empty: a failed call
    QString invitedEmail;
    QString inviteCode;
    QString status;
    QDateTime expiresAt;

    bool operator==(const GroupInvitation &) const = default;
};

// The user's group; an empty id when the user is in none (or the call failed).
struct Group
{
    QString id;
    QString name;
    int maxSeats = 0;
    QList<GroupMember> members;
    QList<GroupInvitation> pendingInvitations;

    bool operator==(const Group &) const = default;
};

struct Device
{
    QString id;
    QString deviceName;
    QString platform;
    QString appId;
    QString appVersion;
    QDateTime lastSyncAt;
    QString deviceFingerprint;
    QDateTime createdAt;

    bool operator==(const Device &) const = default;
};

// One person with access to a shared account. `id` and `userId` both hold the member's user id.
struct ShareMember
{
    QString id;
    QString userId;
    QString email;
    QString displayName;
    QString role;
    QString createdAt; // as the service sent it

    bool operator==(const ShareMember &) const = default;
};

// Missing or mistyped members read as empty texts, zero and invalid times.
Profile profileFromJson(const QJsonObject &object);
Group groupFromJson(const QJsonObject &object);
GroupMember groupMemberFromJson(const QJsonObject &object);
GroupInvitation groupInvitationFromJson(const QJsonObject &object);
Device deviceFromJson(const QJsonObject &object);
ShareMember shareMemberFromJson(const QJsonObject &object);

// The service's JSON shape of each record (times in UTC ISO 8601, empty when invalid).
QJsonObject groupToJson(const Group &group);
QJsonObject groupMemberToJson(const GroupMember &member);
QJsonObject groupInvitationToJson(const GroupInvitation &invitation);
QJsonObject shareMemberToJson(const ShareMember &member);

// Whether `text` can stand as one segment of a request path as it is: an identifier or invite
// code of letters, digits, '-' and '_' (at most 128). Anything else could address another
// resource, so it is never sent.
bool isPathSegmentSafe(const QString &text);

} // namespace CorvantisAccount
