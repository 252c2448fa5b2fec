#pragma once

#include "cloudservice.h"

#include <QByteArray>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

// A temporary folder served by a running zimbrel-cloud at /downloads/: a test writes latest.json
// and release notes into it and points the update checker at channelUrl().
class DownloadFolder
{
public:
    // `arguments` go to zimbrel-cloud as well (--tls-cert, --tls-key).
    bool start(QString *error, const QStringList &arguments = {});

    // Writes `content` to `relativePath` below the served folder, creating folders on the way.
    bool write(const QString &relativePath, const QByteArray &content);
    bool remove(const QString &relativePath);

    QUrl url(const QString &relativePath) const;
    // The stable channel's folder, ending in a slash.
    QUrl channelUrl() const { return url(QStringLiteral("zimbrel/stable/")); }

private:
    QTemporaryDir m_dir;
    CloudService m_service;
};
