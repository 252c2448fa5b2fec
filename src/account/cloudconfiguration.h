#pragma once

#include "clientconfig.h"

#include <QString>

#include <optional>

class QProcessEnvironment;

namespace CorvantisAccount {

// The preference that holds the origin of a self-hosted service ("https://cloud.example.org");
// absent or empty means the built-in service.
inline constexpr char serverOriginPreference[] = "cloudServerOrigin";

struct CloudConfiguration
{
    ClientConfig client;
    QString syncApiUrl; // handed to the sync ApiClient; not part of ClientConfig

    bool operator==(const CloudConfiguration &) const = default;
};

// The one place the cloud endpoints are decided. For each of AUTH_BASE_URL, ACCOUNT_API_URL,
// SYNC_API_URL (and the realm, client id and portal variables): a non-empty environment value,
// taken verbatim, wins; otherwise a non-empty `serverOrigin` gives <origin>, <origin>/account/v1
// and <origin>/zimbrel/v1; otherwise the built-in service. `serverOrigin` must already be
// normalised (normalizedServerOrigin).
CloudConfiguration resolveCloudConfiguration(const QProcessEnvironment &environment,
                                             const QString &serverOrigin, const QString &appVersion);

// "scheme://host[:port]" for an http or https origin typed by the user (one trailing slash
// tolerated); nothing for any other text, a path, query, fragment or user name included.
std::optional<QString> normalizedServerOrigin(const QString &text);

// The built-in service, for tests and for deciding whether stored tokens belong to it.
QString builtInAuthBaseUrl();

} // namespace CorvantisAccount
