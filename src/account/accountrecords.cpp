#include "accountrecords.h"

#include <QJsonArray>

namespace CorvantisAccount {

namespace {

QString textOf(const QJsonObject &object, const char *key)
{
    return object.value(QLatin1String(key)).toString();
}

QDateTime timeOf(const QJsonObject &object, const char *key)
{
    return QDateTime::fromString(textOf(object, key), Qt::ISODate);
}

int intOf(const QJsonObject &object, const char *key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isDouble() ? value.toInt() : 0;
}

template<typename Record>
QList<Record> listOf(const QJsonObject &object, const char *key, Record (*parse)(const QJsonObject &))
{
    QList<Record> list;
    const QJsonArray array = object.value(QLatin1String(key)).toArray();
    list.reserve(array.size());
    for (const QJsonValue &value : array) {
        if (value.isObject())
            list.append(parse(value.toObject()));
    }
    return list;
}

QString timeText(const QDateTime &time)
{
    return time.isValid() ? time.toUTC().toString(Qt::ISODate) : QString();
}

} // namespace

Profile profileFromJson(const QJsonObject &object)
{
    Profile profile;
    profile.id = textOf(object, "id");
    profile.email = textOf(object, "email");
    profile.displayName = textOf(object, "display_name");
    profile.avatarUrl = textOf(object, "avatar_url");
    profile.language = textOf(object, "language");
    profile.timezone = textOf(object, "timezone");
    profile.status = textOf(object, "status");
    profile.createdAt = timeOf(object, "created_at");
    const QJsonObject group = object.value(QLatin1String("group")).toObject();
    profile.group.id = textOf(group, "id");
    profile.group.name = textOf(group, "name");
    profile.group.role = textOf(group, "role");
    profile.group.memberCount = intOf(group, "member_count");
    return profile;
}

GroupMember groupMemberFromJson(const QJsonObject &object)
{
    GroupMember member;
    member.accountId = textOf(object, "account_id");
    member.displayName = textOf(object, "display_name");
    member.email = textOf(object, "email");
    member.role = textOf(object, "role");
    member.joinedAt = timeOf(object, "joined_at");
    return member;
}

GroupInvitation groupInvitationFromJson(const QJsonObject &object)
{
    GroupInvitation invitation;
    invitation.id = textOf(object, "id");
    invitation.invitedEmail = textOf(object, "invited_email");
    invitation.inviteCode = textOf(object, "invite_code");
    invitation.status = textOf(object, "status");
    invitation.expiresAt = timeOf(object, "expires_at");
    return invitation;
}

Group groupFromJson(const QJsonObject &object)
{
    Group group;
    group.id = textOf(object, "id");
    group.name = textOf(object, "name");
    group.maxSeats = intOf(object, "max_seats");
    group.members = listOf(object, "members", &groupMemberFromJson);
    group.pendingInvitations = listOf(object, "pending_invitations", &groupInvitationFromJson);
    return group;
}

Device deviceFromJson(const QJsonObject &object)
{
    Device device;
    device.id = textOf(object, "id");
    device.deviceName = textOf(object, "device_name");
    device.platform = textOf(object, "platform");
    device.appId = textOf(object, "app_id");
    device.appVersion = textOf(object, "app_version");
    device.lastSyncAt = timeOf(object, "last_sync_at");
    device.deviceFingerprint = textOf(object, "device_fingerprint");
    device.createdAt = timeOf(object, "created_at");
    return device;
}

ShareMember shareMemberFromJson(const QJsonObject &object)
{
    ShareMember member;
    member.userId = textOf(object, "user_id");
    member.id = member.userId;
    member.email = textOf(object, "email");
    member.displayName = textOf(object, "display_name");
    member.role = textOf(object, "role");
    member.createdAt = textOf(object, "created_at");
    return member;
}

QJsonObject groupMemberToJson(const GroupMember &member)
{
    return {{QStringLiteral("account_id"), member.accountId},
            {QStringLiteral("display_name"), member.displayName},
            {QStringLiteral("email"), member.email},
            {QStringLiteral("role"), member.role},
            {QStringLiteral("joined_at"), timeText(member.joinedAt)}};
}

QJsonObject groupInvitationToJson(const GroupInvitation &invitation)
{
    return {{QStringLiteral("id"), invitation.id},
            {QStringLiteral("invited_email"), invitation.invitedEmail},
            {QStringLiteral("invite_code"), invitation.inviteCode},
            {QStringLiteral("status"), invitation.status},
            {QStringLiteral("expires_at"), timeText(invitation.expiresAt)}};
}

QJsonObject groupToJson(const Group &group)
{
    QJsonArray members;
    for (const GroupMember &member : group.members)
        members.append(groupMemberToJson(member));
    QJsonArray invitations;
    for (const GroupInvitation &invitation : group.pendingInvitations)
        invitations.append(groupInvitationToJson(invitation));
    return {{QStringLiteral("id"), group.id},
            {QStringLiteral("name"), group.name},
            {QStringLiteral("max_seats"), group.maxSeats},
            {QStringLiteral("members"), members},
            {QStringLiteral("pending_invitations"), invitations}};
}

QJsonObject shareMemberToJson(const ShareMember &member)
{
    return {{QStringLiteral("user_id"), member.userId},
            {QStringLiteral("email"), member.email},
            {QStringLiteral("display_name"), member.displayName},
            {QStringLiteral("role"), member.role},
            {QStringLiteral("created_at"), member.createdAt}};
}

bool isPathSegmentSafe(const QString &text)
{
    if (text.isEmpty() || text.size() > 128)
        return false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool ok = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') ||
                        u == u'-' || u == u'_';
        if (!ok)
            return false;
    }
    return true;
}

} // namespace CorvantisAccount
