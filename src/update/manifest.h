#pragma once

#include "update/artifact.h"

#include <QMap>
#include <QString>

namespace CorvantisUpdate {

// "latest.json" of a release channel: the newest release, one artifact per platform key.
struct Manifest
{
    int schema = 0;
    QString app;
    QString channel;
    QMap<QString, Artifact> artifacts;

    bool operator==(const Manifest &) const = default;
};

} // namespace CorvantisUpdate
