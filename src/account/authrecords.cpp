#include "authrecords.h"

namespace CorvantisAccount {

namespace {

QDateTime timeOf(const QJsonObject &object, const QString &key)
{
    return QDateTime::fromString(object.value(key).toString(), Qt::ISODate);
}

} // namespace

User userFromJson(const QJsonObject &object)
{
    User user;
    user.id = object.value(QStringLiteral("id")).toString();
    user.email = object.value(QStringLiteral("email")).toString();
    user.displayName = object.value(QStringLiteral("display_name")).toString();
    user.username = object.value(QStringLiteral("username")).toString();
    user.avatarUrl = object.value(QStringLiteral("avatar_url")).toString();
    user.createdAt = timeOf(object, QStringLiteral("created_at"));
    return user;
}

QJsonObject userToJson(const User &user)
{
    return {{QStringLiteral("id"), user.id},
            {QStringLiteral("email"), user.email},
            {QStringLiteral("display_name"), user.displayName},
            {QStringLiteral("username"), user.username},
            {QStringLiteral("avatar_url"), user.avatarUrl},
            {QStringLiteral("created_at"),
             user.createdAt.isValid() ? user.createdAt.toUTC().toString(Qt::ISODate) : QString()}};
}

Session sessionFromJson(const QJsonObject &object)
{
    Session session;
    session.id = object.value(QStringLiteral("id")).toString();
    session.userAgent = object.value(QStringLiteral("user_agent")).toString();
    session.ipAddress = object.value(QStringLiteral("ip_address")).toString();
    session.createdAt = timeOf(object, QStringLiteral("created_at"));
    session.lastActiveAt = timeOf(object, QStringLiteral("last_active_at"));
    session.isCurrent = object.value(QStringLiteral("is_current")).toBool();
    return session;
}

} // namespace CorvantisAccount
