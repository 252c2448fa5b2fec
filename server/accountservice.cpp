#include "accountservice.h"

#include "authservice.h"
#include "clouddatabase.h"
#include "credentials.h"
#include "dbtransaction.h"
#include "syncservice.h"
#include "validation.h"

#include <QDateTime>
#include <QJsonArray>
#include <QRegularExpression>
#include <QUuid>

namespace {

qint64 now()
{
    return QDateTime::currentSecsSinceEpoch();
}

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

HttpResponse methodNotAllowed()
{
    return HttpResponse::error(405, QStringLiteral("method not allowed"));
}

// Columns: id, invited_email, invite_code, status, expires_at.
QJsonObject invitationRecord(const QSqlQuery &query)
{
    const qint64 expiresAt = query.value(4).toLongLong();
    QString status = query.value(3).toString();
    if (status == QLatin1String("pending") && expiresAt <= now())
        status = QStringLiteral("expired");
    return {{QStringLiteral("id"), query.value(0).toString()},
            {QStringLiteral("invited_email"), query.value(1).toString()},
            {QStringLiteral("invite_code"), query.value(2).toString()},
            {QStringLiteral("status"), status},
            {QStringLiteral("expires_at"), Validation::isoTime(expiresAt)}};
}

const QString invitationColumns = QStringLiteral("id, invited_email, invite_code, status, expires_at");

} // namespace

AccountService::AccountService(CloudDatabase *database, AuthService *auth, SyncService *sync)
    : m_database(database)
    , m_auth(auth)
    , m_sync(sync)
{}

HttpResponse AccountService::handle(const HttpRequest &request, const QStringList &path,
                                    const AccessClaims &claims)
{
    const QByteArray &method = request.method;
    const QString first = path.value(0);
    if (path == QStringList{QStringLiteral("profile")}) {
        if (method == "GET")
            return profile(claims);
        if (method == "DELETE")
            return scheduleDeletion(claims);
        return methodNotAllowed();
    }
    if (path == QStringList{QStringLiteral("invitations")})
        return method == "GET" ? myInvitations(claims) : methodNotAllowed();
    if (first == QLatin1String("group")) {
        const QString second = path.value(1);
        if (path.size() == 1)
            return method == "GET" ? group(claims) : methodNotAllowed();
        if (path.size() == 2 && second == QLatin1String("invite"))
            return method == "POST" ? invite(request, claims) : methodNotAllowed();
        if (path.size() == 2 && second == QLatin1String("leave"))
            return method == "POST" ? leave(claims) : methodNotAllowed();
        if (path.size() == 3 && second == QLatin1String("invitations"))
            return method == "DELETE" ? revokeInvitation(claims, path.at(2)) : methodNotAllowed();
        if (path.size() == 3 && second == QLatin1String("join"))
            return method == "POST" ? join(claims, path.at(2)) : methodNotAllowed();
        if (path.size() == 3 && second == QLatin1String("members"))
            return method == "DELETE" ? removeMember(claims, path.at(2)) : methodNotAllowed();
    }
    if (first == QLatin1String("devices")) {
        if (path.size() == 1)
            return method == "GET" ? devices(claims) : methodNotAllowed();
        if (path.size() == 2 && path.at(1) == QLatin1String("register"))
            return method == "POST" ? registerDevice(request, claims) : methodNotAllowed();
        if (path.size() == 2)
            return method == "DELETE" ? removeDevice(claims, path.at(1)) : methodNotAllowed();
    }
    return HttpResponse::error(404, QStringLiteral("not found"));
}

bool AccountService::membership(const QString &userId, Membership *result)
{
    *result = {};
    auto query = m_database->exec(
        "AccountService::membership",
        QStringLiteral("SELECT m.group_id, m.role, g.name, g.max_seats, "
                       "(SELECT COUNT(*) FROM group_members c WHERE c.group_id = m.group_id) "
                       "FROM group_members m JOIN user_groups g ON g.id = m.group_id WHERE m.user_id = ?"),
        {userId});
    if (!query)
        return false;
    if (query->next()) {
        result->groupId = query->value(0).toString();
        result->role = query->value(1).toString();
        result->name = query->value(2).toString();
        result->maxSeats = query->value(3).toInt();
        result->memberCount = query->value(4).toInt();
    }
    return true;
}

HttpResponse AccountService::profile(const AccessClaims &claims)
{
    auto query = m_database->exec(
        "AccountService::profile",
        QStringLiteral("SELECT id, email, display_name, created_at, deletion_due_at FROM users WHERE id = ?"),
        {claims.userId});
    if (!query)
        return HttpResponse::storageFailure();
    if (!query->next())
        return HttpResponse::error(404, QStringLiteral("user not found"));
    QJsonObject profile{{QStringLiteral("id"), query->value(0).toString()},
                        {QStringLiteral("email"), query->value(1).toString()},
                        {QStringLiteral("display_name"), query->value(2).toString()},
                        {QStringLiteral("avatar_url"), QString()},
                        {QStringLiteral("language"), QStringLiteral("en")},
                        {QStringLiteral("timezone"), QStringLiteral("UTC")},
                        {QStringLiteral("status"), query->value(4).isNull()
                                                       ? QStringLiteral("active")
                                                       : QStringLiteral("pending_deletion")},
                        {QStringLiteral("created_at"), Validation::isoTime(query->value(3).toLongLong())}};
    query->finish();
    Membership member;
    if (!membership(claims.userId, &member))
        return HttpResponse::storageFailure();
    if (!member.groupId.isEmpty()) {
        profile.insert(QStringLiteral("group"),
                       QJsonObject{{QStringLiteral("id"), member.groupId},
                                   {QStringLiteral("name"), member.name},
                                   {QStringLiteral("role"), member.role},
                                   {QStringLiteral("member_count"), member.memberCount}});
    }
    return HttpResponse::json(200, profile);
}

HttpResponse AccountService::scheduleDeletion(const AccessClaims &claims)
{
    Membership member;
    if (!membership(claims.userId, &member))
        return HttpResponse::storageFailure();
    if (member.role == QLatin1String("owner") && member.memberCount > 1)
        return HttpResponse::error(
            409, QStringLiteral("the group owner cannot delete the account while members remain"));
    const qint64 due = now() + AuthService::deletionGraceSeconds;
    DbTransaction transaction(m_database);
    // Every session ends: only a new sign-in, which cancels the deletion, opens the account again.
    if (!transaction.isActive() ||
        m_database->execCount("AccountService::scheduleDeletion",
                              QStringLiteral("UPDATE users SET deletion_due_at = ? WHERE id = ?"),
                              {due, claims.userId}) < 0 ||
        m_database->execCount(
            "AccountService::scheduleDeletion",
            QStringLiteral("UPDATE sessions SET revoked_at = ? WHERE user_id = ? AND revoked_at IS NULL"),
            {now(), claims.userId}) < 0 ||
        !transaction.commit())
        return HttpResponse::storageFailure();
    return HttpResponse::json(200, {{QStringLiteral("status"), QStringLiteral("pending_deletion")},
                                    {QStringLiteral("deletion_scheduled_at"), Validation::isoTime(due)}});
}

HttpResponse AccountService::group(const AccessClaims &claims)
{
    Membership member;
    if (!membership(claims.userId, &member))
        return HttpResponse::storageFailure();
    if (member.groupId.isEmpty())
        return HttpResponse::error(404, QStringLiteral("not in a group"));
    auto query = m_database->exec(
        "AccountService::group",
        QStringLiteral("SELECT m.user_id, u.display_name, u.email, m.role, m.joined_at FROM group_members m "
                       "JOIN users u ON u.id = m.user_id WHERE m.group_id = ? "
                       "ORDER BY CASE m.role WHEN 'owner' THEN 0 ELSE 1 END, m.joined_at, m.user_id"),
        {member.groupId});
    if (!query)
        return HttpResponse::storageFailure();
    QJsonArray members;
    while (query->next()) {
        members.append(
            QJsonObject{{QStringLiteral("account_id"), query->value(0).toString()},
                        {QStringLiteral("display_name"), query->value(1).toString()},
                        {QStringLiteral("email"), query->value(2).toString()},
                        {QStringLiteral("role"), query->value(3).toString()},
                        {QStringLiteral("joined_at"), Validation::isoTime(query->value(4).toLongLong())}});
    }
    query->finish();
    QJsonArray invitations;
    // Invite codes are the owner's to hand out; members see who is in the group, not the codes.
    if (member.role == QLatin1String("owner")) {
        auto pending = m_database->exec(
            "AccountService::group",
            QStringLiteral("SELECT %1 FROM invitations WHERE group_id = ? AND status = 'pending' "
                           "AND expires_at > ? ORDER BY created_at, id")
                .arg(invitationColumns),
            {member.groupId, now()});
        if (!pending)
            return HttpResponse::storageFailure();
        while (pending->next())
            invitations.append(invitationRecord(*pending));
    }
    return HttpResponse::json(200, {{QStringLiteral("id"), member.groupId},
                                    {QStringLiteral("name"), member.name},
                                    {QStringLiteral("max_seats"), member.maxSeats},
                                    {QStringLiteral("members"), members},
                                    {QStringLiteral("pending_invitations"), invitations}});
}

HttpResponse AccountService::invite(const HttpRequest &request, const AccessClaims &claims)
{
    const auto body = Validation::jsonObjectBody(request.body);
    if (!body)
        return HttpResponse::error(400, QStringLiteral("request body must be a JSON object"));
    QString invitedEmail;
    if (body->contains(QStringLiteral("email"))) {
        const auto email = Validation::email(body->value(QStringLiteral("email")).toString());
        if (!email)
            return HttpResponse::error(400, QStringLiteral("email is not a valid e-mail address"));
        invitedEmail = *email;
    }
    DbTransaction transaction(m_database);
    if (!transaction.isActive())
        return HttpResponse::storageFailure();
    Membership member;
    if (!membership(claims.userId, &member))
        return HttpResponse::storageFailure();
    if (member.groupId.isEmpty()) {
        auto user = m_database->exec("AccountService::invite",
                                     QStringLiteral("SELECT display_name, email FROM users WHERE id = ?"),
                                     {claims.userId});
        if (!user || !user->next())
            return HttpResponse::storageFailure();
        member.groupId = newId();
        member.role = QStringLiteral("owner");
        member.memberCount = 1;
        member.maxSeats = defaultSeats;
        const QString name = QStringLiteral("%1's group").arg(user->value(0).toString());
        user->finish();
        if (m_database->execCount("AccountService::invite",
                                  QStringLiteral("INSERT INTO user_groups (id, name, owner_id, max_seats, "
                                                 "created_at) VALUES (?, ?, ?, ?, ?)"),
                                  {member.groupId, name, claims.userId, defaultSeats, now()}) < 0 ||
            m_database->execCount("AccountService::invite",
                                  QStringLiteral("INSERT INTO group_members (user_id, group_id, role, "
                                                 "joined_at) VALUES (?, ?, 'owner', ?)"),
                                  {claims.userId, member.groupId, now()}) < 0)
            return HttpResponse::storageFailure();
    }
    if (member.role != QLatin1String("owner"))
        return HttpResponse::error(403, QStringLiteral("only the group owner can invite"));
    if (member.memberCount >= member.maxSeats)
        return HttpResponse::error(409, QStringLiteral("the group has no free seat"));
    if (!invitedEmail.isEmpty()) {
        auto existing =
            m_database->exec("AccountService::invite",
                             QStringLiteral("SELECT 1 FROM group_members m JOIN users u ON u.id = m.user_id "
                                            "WHERE m.group_id = ? AND u.email = ?"),
                             {member.groupId, invitedEmail});
        if (!existing)
            return HttpResponse::storageFailure();
        if (existing->next())
            return HttpResponse::error(409, QStringLiteral("that address belongs to a member already"));
    }
    const QString id = newId();
    const QString code = Credentials::randomCode(8);
    const qint64 expiresAt = now() + invitationLifetimeSeconds;
    if (m_database->execCount(
            "AccountService::invite",
            QStringLiteral(
                "INSERT INTO invitations (id, group_id, invited_email, invite_code, status, created_by, "
                "created_at, expires_at) VALUES (?, ?, ?, ?, 'pending', ?, ?, ?)"),
            {id, member.groupId, invitedEmail, code, claims.userId, now(), expiresAt}) < 0 ||
        !transaction.commit())
        return HttpResponse::storageFailure();
    return HttpResponse::json(201, {{QStringLiteral("id"), id},
                                    {QStringLiteral("invited_email"), invitedEmail},
                                    {QStringLiteral("invite_code"), code},
                                    {QStringLiteral("status"), QStringLiteral("pending")},
                                    {QStringLiteral("expires_at"), Validation::isoTime(expiresAt)}});
}

HttpResponse AccountService::revokeInvitation(const AccessClaims &claims, const QString &invitationId)
{
    Membership member;
    if (!membership(claims.userId, &member))
        return HttpResponse::storageFailure();
    if (member.role != QLatin1String("owner"))
        return HttpResponse::error(403, QStringLiteral("only the group owner can revoke invitations"));
    const int revoked = m_database->execCount(
        "AccountService::revokeInvitation",
        QStringLiteral("UPDATE invitations SET status = 'revoked' WHERE id = ? AND group_id = ? "
                       "AND status = 'pending'"),
        {invitationId, member.groupId});
    if (revoked < 0)
        return HttpResponse::storageFailure();
    return revoked == 0 ? HttpResponse::error(404, QStringLiteral("invitation not found"))
                        : HttpResponse::noContent();
}

HttpResponse AccountService::myInvitations(const AccessClaims &claims)
{
    auto query = m_database->exec(
        "AccountService::myInvitations",
        QStringLiteral(
            "SELECT i.id, i.invited_email, i.invite_code, i.status, i.expires_at, g.name, u.display_name "
            "FROM invitations i JOIN user_groups g ON g.id = i.group_id "
            "JOIN users u ON u.id = g.owner_id "
            "WHERE i.invited_email = (SELECT email FROM users WHERE id = ?) "
            "AND i.status = 'pending' AND i.expires_at > ? ORDER BY i.created_at, i.id"),
        {claims.userId, now()});
    if (!query)
        return HttpResponse::storageFailure();
    QJsonArray invitations;
    while (query->next()) {
        QJsonObject invitation = invitationRecord(*query);
        invitation.insert(QStringLiteral("group_name"), query->value(5).toString());
        invitation.insert(QStringLiteral("invited_by"), query->value(6).toString());
        invitations.append(invitation);
    }
    return HttpResponse::json(200, {{QStringLiteral("invitations"), invitations}});
}

HttpResponse AccountService::join(const AccessClaims &claims, const QString &rawCode)
{
    static const QRegularExpression shape(QStringLiteral("^[A-Za-z0-9]{4,32}$"));
    if (!shape.match(rawCode).hasMatch())
        return HttpResponse::error(400, QStringLiteral("malformed invite code"));
    const QString code = rawCode.toUpper();
    // Codes are short, so guessing them is throttled like passwords.
    const QString throttleKey = QStringLiteral("join:") + claims.userId;
    if (m_auth->isThrottled(throttleKey, joinFailureLimit))
        return HttpResponse::error(429, QStringLiteral("too many invalid codes; try again later"));

    DbTransaction transaction(m_database);
    if (!transaction.isActive())
        return HttpResponse::storageFailure();
    auto query = m_database->exec(
        "AccountService::join",
        QStringLiteral("SELECT i.id, i.group_id, i.invited_email, g.max_seats, "
                       "(SELECT COUNT(*) FROM group_members c WHERE c.group_id = i.group_id), "
                       "(SELECT email FROM users WHERE id = ?), g.name "
                       "FROM invitations i JOIN user_groups g ON g.id = i.group_id "
                       "WHERE i.invite_code = ? AND i.status = 'pending' AND i.expires_at > ?"),
        {claims.userId, code, now()});
    if (!query)
        return HttpResponse::storageFailure();
    if (!query->next()) {
        query->finish();
        transaction.commit();
        m_auth->recordFailure(throttleKey);
        return HttpResponse::error(404, QStringLiteral("invalid or expired invite code"));
    }
    const QString invitationId = query->value(0).toString();
    const QString groupId = query->value(1).toString();
    const QString invitedEmail = query->value(2).toString();
    const int maxSeats = query->value(3).toInt();
    const int memberCount = query->value(4).toInt();
    const QString myEmail = query->value(5).toString();
    const QString groupName = query->value(6).toString();
    query->finish();
    if (!invitedEmail.isEmpty() && invitedEmail != myEmail)
        return HttpResponse::error(403, QStringLiteral("this invitation is for another e-mail address"));

    Membership current;
    if (!membership(claims.userId, &current))
        return HttpResponse::storageFailure();
    if (current.groupId == groupId)
        return HttpResponse::error(409, QStringLiteral("already a member of this group"));
    if (!current.groupId.isEmpty()) {
        if (current.role != QLatin1String("owner") || current.memberCount > 1)
            return HttpResponse::error(409, QStringLiteral("leave your current group first"));
        // An owner alone in a group gives the empty group up to join another.
        if (m_database->execCount("AccountService::join",
                                  QStringLiteral("DELETE FROM user_groups WHERE id = ?"),
                                  {current.groupId}) < 0 ||
            !m_sync->endSharesOf(claims.userId))
            return HttpResponse::storageFailure();
    }
    if (memberCount >= maxSeats)
        return HttpResponse::error(409, QStringLiteral("the group has no free seat"));
    if (m_database->execCount(
            "AccountService::join",
            QStringLiteral(
                "INSERT INTO group_members (user_id, group_id, role, joined_at) VALUES (?, ?, 'member', ?)"),
            {claims.userId, groupId, now()}) < 0 ||
        m_database->execCount("AccountService::join",
                              QStringLiteral("UPDATE invitations SET status = 'accepted' WHERE id = ?"),
                              {invitationId}) < 0 ||
        !transaction.commit())
        return HttpResponse::storageFailure();
    m_auth->clearFailures(throttleKey);
    return HttpResponse::json(
        200, {{QStringLiteral("group"), QJsonObject{{QStringLiteral("id"), groupId},
                                                    {QStringLiteral("name"), groupName},
                                                    {QStringLiteral("role"), QStringLiteral("member")},
                                                    {QStringLiteral("member_count"), memberCount + 1}}}});
}

HttpResponse AccountService::leave(const AccessClaims &claims)
{
    DbTransaction transaction(m_database);
    if (!transaction.isActive())
        return HttpResponse::storageFailure();
    Membership member;
    if (!membership(claims.userId, &member))
        return HttpResponse::storageFailure();
    if (member.groupId.isEmpty())
        return HttpResponse::error(409, QStringLiteral("not in a group"));
    if (member.role == QLatin1String("owner") && member.memberCount > 1)
        return HttpResponse::error(409, QStringLiteral("the group owner cannot leave while members remain"));
    const bool removed =
        member.role == QLatin1String("owner")
            ? m_database->execCount("AccountService::leave",
                                    QStringLiteral("DELETE FROM user_groups WHERE id = ?"),
                                    {member.groupId}) >= 0
            : m_database->execCount("AccountService::leave",
                                    QStringLiteral("DELETE FROM group_members WHERE user_id = ?"),
                                    {claims.userId}) >= 0;
    if (!removed || !m_sync->endSharesOf(claims.userId) || !transaction.commit())
        return HttpResponse::storageFailure();
    return HttpResponse::noContent();
}

HttpResponse AccountService::removeMember(const AccessClaims &claims, const QString &memberId)
{
    DbTransaction transaction(m_database);
    if (!transaction.isActive())
        return HttpResponse::storageFailure();
    Membership member;
    if (!membership(claims.userId, &member))
        return HttpResponse::storageFailure();
    if (member.role != QLatin1String("owner"))
        return HttpResponse::error(403, QStringLiteral("only the group owner can remove members"));
    if (memberId == claims.userId)
        return HttpResponse::error(409, QStringLiteral("the owner cannot remove themselves"));
    const int removed =
        m_database->execCount("AccountService::removeMember",
                              QStringLiteral("DELETE FROM group_members WHERE user_id = ? AND group_id = ?"),
                              {memberId, member.groupId});
    if (removed < 0)
        return HttpResponse::storageFailure();
    if (removed == 0)
        return HttpResponse::error(404, QStringLiteral("not a member of your group"));
    if (!m_sync->endSharesOf(memberId) || !transaction.commit())
        return HttpResponse::storageFailure();
    return HttpResponse::noContent();
}

HttpResponse AccountService::devices(const AccessClaims &claims)
{
    auto query = m_database->exec(
        "AccountService::devices",
        QStringLiteral(
            "SELECT id, device_name, platform, app_id, app_version, last_sync_at, device_fingerprint, "
            "created_at FROM devices WHERE user_id = ? ORDER BY created_at, id"),
        {claims.userId});
    if (!query)
        return HttpResponse::storageFailure();
    QJsonArray list;
    while (query->next()) {
        list.append(
            QJsonObject{{QStringLiteral("id"), query->value(0).toString()},
                        {QStringLiteral("device_name"), query->value(1).toString()},
                        {QStringLiteral("platform"), query->value(2).toString()},
                        {QStringLiteral("app_id"), query->value(3).toString()},
                        {QStringLiteral("app_version"), query->value(4).toString()},
                        {QStringLiteral("last_sync_at"), Validation::isoTime(query->value(5).toLongLong())},
                        {QStringLiteral("device_fingerprint"), query->value(6).toString()},
                        {QStringLiteral("created_at"), Validation::isoTime(query->value(7).toLongLong())}});
    }
    return HttpResponse::json(200, {{QStringLiteral("devices"), list}});
}

HttpResponse AccountService::registerDevice(const HttpRequest &request, const AccessClaims &claims)
{
    const auto body = Validation::jsonObjectBody(request.body);
    if (!body)
        return HttpResponse::error(400, QStringLiteral("request body must be a JSON object"));
    const QString fingerprint = body->value(QStringLiteral("device_fingerprint")).toString();
    if (fingerprint.isEmpty() || !Validation::isShortText(fingerprint, 128))
        return HttpResponse::error(400,
                                   QStringLiteral("device_fingerprint is required (at most 128 characters)"));
    QStringList texts;
    for (const char *key : {"device_name", "platform", "app_id", "app_version"}) {
        const QJsonValue value = body->value(QLatin1String(key));
        if (!value.isUndefined() && !value.isString())
            return HttpResponse::error(400, QStringLiteral("%1 must be text").arg(QLatin1String(key)));
        if (!Validation::isShortText(value.toString(), 200))
            return HttpResponse::error(400, QStringLiteral("%1 is too long").arg(QLatin1String(key)));
        texts.append(value.toString());
    }
    if (m_database->execCount(
            "AccountService::registerDevice",
            QStringLiteral(
                "INSERT INTO devices (id, user_id, session_id, device_name, platform, app_id, app_version, "
                "device_fingerprint, created_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) "
                "ON CONFLICT (user_id, device_fingerprint) DO UPDATE SET session_id = excluded.session_id, "
                "device_name = excluded.device_name, platform = excluded.platform, "
                "app_id = excluded.app_id, app_version = excluded.app_version"),
            {newId(), claims.userId, claims.sessionId, texts.at(0), texts.at(1), texts.at(2), texts.at(3),
             fingerprint, now()}) < 0)
        return HttpResponse::storageFailure();
    auto query = m_database->exec(
        "AccountService::registerDevice",
        QStringLiteral("SELECT id, created_at FROM devices WHERE user_id = ? AND device_fingerprint = ?"),
        {claims.userId, fingerprint});
    if (!query || !query->next())
        return HttpResponse::storageFailure();
    return HttpResponse::json(
        200, {{QStringLiteral("id"), query->value(0).toString()},
              {QStringLiteral("device_name"), texts.at(0)},
              {QStringLiteral("platform"), texts.at(1)},
              {QStringLiteral("app_id"), texts.at(2)},
              {QStringLiteral("app_version"), texts.at(3)},
              {QStringLiteral("device_fingerprint"), fingerprint},
              {QStringLiteral("created_at"), Validation::isoTime(query->value(1).toLongLong())}});
}

HttpResponse AccountService::removeDevice(const AccessClaims &claims, const QString &deviceId)
{
    DbTransaction transaction(m_database);
    if (!transaction.isActive())
        return HttpResponse::storageFailure();
    auto query =
        m_database->exec("AccountService::removeDevice",
                         QStringLiteral("SELECT session_id FROM devices WHERE id = ? AND user_id = ?"),
                         {deviceId, claims.userId});
    if (!query)
        return HttpResponse::storageFailure();
    if (!query->next())
        return HttpResponse::error(404, QStringLiteral("device not found"));
    const QString sessionId = query->value(0).toString();
    query->finish();
    // A removed device is signed out too: its session ends with it.
    if (m_database->execCount("AccountService::removeDevice",
                              QStringLiteral("DELETE FROM devices WHERE id = ?"), {deviceId}) < 0 ||
        m_database->execCount(
            "AccountService::removeDevice",
            QStringLiteral(
                "UPDATE sessions SET revoked_at = ? WHERE id = ? AND user_id = ? AND revoked_at IS NULL"),
            {now(), sessionId, claims.userId}) < 0 ||
        !transaction.commit())
        return HttpResponse::storageFailure();
    return HttpResponse::noContent();
}
