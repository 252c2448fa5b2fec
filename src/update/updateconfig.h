#pragma once

#include <QString>
#include <QUrl>

namespace CorvantisUpdate {

// Where to look for releases and which release is running; filled by the application.
struct UpdateConfig
{
    QString productId;      // "zimbrel"; also names the product in the User-Agent
    QString channel;        // "stable"
    QUrl manifestBaseUrl;   // the channel's folder on the download server, holding latest.json
    QString currentVersion; // the running release, "1.0.5"

    bool operator==(const UpdateConfig &) const = default;
};

} // namespace CorvantisUpdate
