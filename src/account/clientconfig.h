#pragma once

#include <QString>

namespace CorvantisAccount {

// Everything the cloud client is built from; filled by resolveCloudConfiguration.
struct ClientConfig
{
    QString authBaseUrl;
    QString realmSlug;
    QString accountApiUrl;
    QString clientId;
    QString appId;
    QString appName;
    QString appVersion;
    QString platform; // empty: detected at construction
    QString portalUrl;

    bool operator==(const ClientConfig &) const = default;
};

} // namespace CorvantisAccount
