#pragma once

#include "update/updateconfig.h"

#include <QString>
#include <QUrl>

namespace CorvantisUpdate {

// The channel folder Zimbrel checks when nothing points elsewhere.
QUrl defaultManifestBaseUrl();

// The channel folder to check: `environmentValue` (ZIMBREL_UPDATE_URL, the folder itself) when
// non-empty, else "<serverOrigin>/downloads/zimbrel/stable/" for a self-hosted server, else the
// default. A value that is not a plain http or https address gives an invalid URL, so the check
// fails and says so instead of quietly asking another server.
QUrl manifestBaseUrlFor(const QString &environmentValue, const QString &serverOrigin);

// Zimbrel's stable channel for the running version (QCoreApplication::applicationVersion()), with
// the folder from ZIMBREL_UPDATE_URL and `serverOrigin` as above.
UpdateConfig zimbrelUpdateConfig(const QString &serverOrigin);

} // namespace CorvantisUpdate
