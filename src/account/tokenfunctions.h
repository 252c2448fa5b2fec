#pragma once

#include "authrecords.h"

#include <QString>

namespace CorvantisAccount {

// Readers of an access token's payload (a JWT). The signature is not verified: the service does
// that; the client only needs to know when to refresh and whom and which group the token names.

// Seconds since the epoch; 0 when the token or its "exp" cannot be read.
qint64 tokenExpiry(const QString &token);
// The "sub" claim; empty when unreadable.
QString tokenSubject(const QString &token);
CorvantisClaims decodeClaims(const QString &token);

} // namespace CorvantisAccount
