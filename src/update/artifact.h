#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QUrl>

namespace CorvantisUpdate {

// One platform's release as the manifest describes it.
struct Artifact
{
    QString version;
    QDateTime releasedAt;
    QUrl url;                  // the download page or file; always http or https
    qint64 size = -1;          // bytes; -1 when the manifest gives none
    QString sha256;            // 64 characters
    bool mandatory = false;    // a mandatory release cannot be put off
    QString minUpgradableFrom; // empty: any older release upgrades directly
    QUrl releaseNotesUrl;      // empty when the release has no notes

    bool operator==(const Artifact &) const = default;
};

} // namespace CorvantisUpdate

Q_DECLARE_METATYPE(CorvantisUpdate::Artifact)
