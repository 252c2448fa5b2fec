#pragma once

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>

namespace CorvantisAccount {

// The numeric values are part of the contract; 2 is not used.
enum class AuthState {
    Unknown = 0, // before AuthClient::initialize
    Unauthenticated = 1,
    Authenticated = 3,
};

struct User
{
    QString id; // empty: no user (signed out, or a failed call)
    QString email;
    QString displayName;
    QString username;
    QString avatarUrl;
    QDateTime createdAt;

    bool operator==(const User &) const = default;
};

struct Session
{
    QString id;
    QString userAgent;
    QString ipAddress;
    QDateTime createdAt;
    QDateTime lastActiveAt;
    bool isCurrent = false;

    bool operator==(const Session &) const = default;
};

// The group claims of an access token ("custom" -> "corv"); empty when there is none.
struct CorvantisClaims
{
    QString groupId;
    QString role;

    bool operator==(const CorvantisClaims &) const = default;
};

// Missing or mistyped members read as empty texts and invalid times.
User userFromJson(const QJsonObject &object);
QJsonObject userToJson(const User &user);
Session sessionFromJson(const QJsonObject &object);

} // namespace CorvantisAccount
