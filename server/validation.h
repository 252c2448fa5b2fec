#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

// Checks of client input shared by the handlers. Each returns the cleaned value, or nothing when
// the input must be refused.
namespace Validation {

inline constexpr int maxPasswordBytes = 1024;
inline constexpr int minPasswordLength = 8;

// A JSON object request body; an empty body counts as an empty object.
std::optional<QJsonObject> jsonObjectBody(const QByteArray &body);
// A lower-cased e-mail address of a plausible shape, at most 254 characters.
std::optional<QString> email(const QString &text);
// A trimmed display name of 1 to 100 characters without control characters.
std::optional<QString> displayName(const QString &text);
bool isAcceptablePassword(const QString &password);
// True for an http(s) address on the loopback interface (localhost, 127.0.0.1, [::1]) without
// user information or fragment: the only place sign-in tokens may be sent.
bool isLoopbackRedirect(const QString &text);
// Identifiers the clients make (UUIDs and the like): 1 to 64 printable characters.
bool isIdentifier(const QString &text);
// An optional short text: at most `maxLength` characters, no control characters.
bool isShortText(const QString &text, int maxLength);

// Seconds since the epoch as ISO 8601 UTC text with a trailing Z; empty for 0.
QString isoTime(qint64 seconds);

} // namespace Validation
