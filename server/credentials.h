#pragma once

#include <QByteArray>
#include <QString>

// The secrets of the service, on libsodium: Argon2id password hashes, random tokens and codes,
// keyed hashes and comparisons that take the same time whatever the bytes.
namespace Credentials {

// False when libsodium cannot start (no entropy source); nothing else here works then.
bool initialize();

// An encoded Argon2id hash with its own salt and cost parameters; empty on failure.
QString hashPassword(const QString &password);
bool verifyPassword(const QString &password, const QString &encodedHash);

QByteArray randomBytes(int count);
// Random bytes as URL-safe Base64 without padding, fit for a URL query or a cookie.
QString randomToken(int byteCount = 32);
// A code of `length` characters from an alphabet without look-alikes (no 0/O, 1/I/L).
QString randomCode(int length);
QString sha256Hex(const QByteArray &data);
QByteArray hmacSha256(const QByteArray &key, const QByteArray &message);
bool equalInConstantTime(const QByteArray &a, const QByteArray &b);

} // namespace Credentials
