#pragma once

#include "update/artifact.h"
#include "update/manifest.h"
#include "update/updateconfig.h"
#include "update/version.h"

#include <QObject>

class QNetworkAccessManager;
class QNetworkReply;

namespace CorvantisUpdate {

// Finds out whether a newer release exists: downloads the channel's latest.json, validates it,
// picks the artifact of the running platform and compares versions. Every check() ends in exactly
// one of the three signals, except a call made while a check is in flight, which is ignored.
class Client : public QObject
{
    Q_OBJECT

public:
    // Larger manifests are refused unread.
    static constexpr qint64 maximumManifestBytes = 1024 * 1024;

    explicit Client(const UpdateConfig &config, QObject *parent = nullptr);
    ~Client() override;

    void check();
    bool isInFlight() const { return m_inFlight; }
    UpdateConfig config() const { return m_config; }
    // The key whose artifact is offered; platformKey() unless a test sets another.
    QString effectivePlatformKey() const { return m_platformKey; }
    void setPlatformKey(const QString &key) { m_platformKey = key; }

    // A null manifest plus the first error found when `bytes` is not a usable manifest; the
    // caller decides with isValid() alone.
    static Manifest parseManifest(const QByteArray &bytes, QString *error);
    static bool isValid(const Manifest &manifest);
    // The artifact key of the running system; empty where no build is shipped.
    static QString platformKey();
    // `operatingSystem` as QSysInfo::kernelType() names it, `architecture` as
    // QSysInfo::currentCpuArchitecture() does.
    static QString platformKey(const QString &operatingSystem, const QString &architecture);
    // Up to three dot-separated decimal numbers, missing ones 0; anything else is 0.0.0.
    static Version parseVersion(const QString &text);

signals:
    void updateAvailable(const CorvantisUpdate::Artifact &artifact);
    void upToDate();
    void checkFailed(const QString &error);

private:
    void onReplyFinished(QNetworkReply *reply);

    UpdateConfig m_config;
    QString m_platformKey;
    QNetworkAccessManager *m_network;
    bool m_inFlight = false;
};

} // namespace CorvantisUpdate
