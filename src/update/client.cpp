#include "update/client.h"

#include "update/download.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSysInfo>

#include <cmath>
#include <limits>

Q_LOGGING_CATEGORY(lcUpdateClient, "corvantisupdate.client")

namespace CorvantisUpdate {

namespace {

// Only web addresses are believed: the download address is handed to the system's URL opener
// and the notes address to the network, where file: or a custom scheme would reach the machine.
bool isWebUrl(const QUrl &url)
{
    return url.isValid() &&
           (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http")) &&
           !url.host().isEmpty();
}

// Reads the artifact under `key`; false with the first problem recorded in `error` when it is
// not usable.
bool readArtifact(const QString &key, const QJsonObject &object, Artifact *artifact, QString *error)
{
    for (const char *name : {"version", "released_at", "url", "sha256"}) {
        if (!object.value(QLatin1String(name)).isString()) {
            *error = QStringLiteral("missing or non-string field: %1").arg(QLatin1String(name));
            return false;
        }
    }
    artifact->version = object.value(QLatin1String("version")).toString();
    artifact->releasedAt =
        QDateTime::fromString(object.value(QLatin1String("released_at")).toString(), Qt::ISODate);
    artifact->url = QUrl(object.value(QLatin1String("url")).toString(), QUrl::StrictMode);
    artifact->size = object.value(QLatin1String("size")).toInteger(-1);
    artifact->sha256 = object.value(QLatin1String("sha256")).toString();
    artifact->mandatory = object.value(QLatin1String("mandatory")).toBool(false);
    artifact->minUpgradableFrom = object.value(QLatin1String("min_upgradable_from")).toString();
    const QUrl notes(object.value(QLatin1String("release_notes_url")).toString(), QUrl::StrictMode);
    artifact->releaseNotesUrl = isWebUrl(notes) ? notes : QUrl();

    if (artifact->version.isEmpty() || !artifact->releasedAt.isValid() || !isWebUrl(artifact->url) ||
        artifact->size <= 0 || artifact->sha256.size() != 64) {
        *error = QStringLiteral("artifact %1 failed validation").arg(key);
        return false;
    }
    return true;
}

bool isDecimal(const QString &text)
{
    if (text.isEmpty() || text.size() > 9) // nine digits always fit in 32 bits
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace

Client::Client(const UpdateConfig &config, QObject *parent)
    : QObject(parent)
    , m_config(config)
    , m_platformKey(platformKey())
    , m_network(new QNetworkAccessManager(this))
{
    // The artifact travels in a signal, also across queued connections.
    qRegisterMetaType<Artifact>();
}

Client::~Client() = default;

void Client::check()
{
    if (m_inFlight) {
        qCDebug(lcUpdateClient) << "check already in flight, ignoring";
        return;
    }
    if (!m_config.manifestBaseUrl.isValid()) {
        emit checkFailed(QStringLiteral("manifestBaseUrl is not valid"));
        return;
    }
    if (m_config.currentVersion.isEmpty()) {
        emit checkFailed(QStringLiteral("currentVersion is empty"));
        return;
    }

    QUrl url = m_config.manifestBaseUrl;
    QString path = url.path();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    url.setPath(path + QStringLiteral("latest.json"));

    m_inFlight = true;
    QNetworkReply *reply = startDownload(m_network, url, m_config.productId, maximumManifestBytes);
    connect(reply, &QNetworkReply::finished, this, [this, reply] { onReplyFinished(reply); });
}

void Client::onReplyFinished(QNetworkReply *reply)
{
    m_inFlight = false;
    reply->deleteLater();

    const QString networkError = downloadError(reply);
    if (!networkError.isEmpty()) {
        emit checkFailed(QStringLiteral("network error: %1").arg(networkError));
        return;
    }
    QString parseError;
    const Manifest manifest = parseManifest(reply->readAll(), &parseError);
    if (!isValid(manifest)) {
        emit checkFailed(QStringLiteral("manifest invalid: %1").arg(parseError));
        return;
    }
    if (m_platformKey.isEmpty()) {
        qCWarning(lcUpdateClient) << "unknown platform, skipping update check";
        emit upToDate();
        return;
    }
    const auto found = manifest.artifacts.constFind(m_platformKey);
    if (found == manifest.artifacts.constEnd()) {
        qCInfo(lcUpdateClient) << "platform" << m_platformKey << "not shipped in current manifest";
        emit upToDate();
        return;
    }

    const Artifact &artifact = found.value();
    const Version current = parseVersion(m_config.currentVersion);
    if (current < parseVersion(artifact.version)) {
        if (!artifact.minUpgradableFrom.isEmpty() && current < parseVersion(artifact.minUpgradableFrom)) {
            emit checkFailed(QStringLiteral("current version %1 is older than min_upgradable_from %2; please "
                                            "upgrade to an intermediate release first")
                                 .arg(m_config.currentVersion, artifact.minUpgradableFrom));
            return;
        }
        emit updateAvailable(artifact);
        return;
    }
    emit upToDate();
}

Manifest Client::parseManifest(const QByteArray &bytes, QString *error)
{
    QString firstError;
    const auto record = [&firstError](const QString &text) {
        if (firstError.isEmpty())
            firstError = text;
    };
    const auto finish = [&](const Manifest &manifest) {
        if (!isValid(manifest))
            record(QStringLiteral("manifest failed validation"));
        if (error)
            *error = firstError;
        return manifest;
    };

    Manifest manifest;
    QJsonParseError jsonError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &jsonError);
    if (jsonError.error != QJsonParseError::NoError) {
        record(QStringLiteral("JSON parse error: %1").arg(jsonError.errorString()));
        return finish(manifest);
    }
    if (!document.isObject()) {
        record(QStringLiteral("manifest root is not a JSON object"));
        return finish(manifest);
    }
    const QJsonObject root = document.object();

    const QJsonValue schema = root.value(QLatin1String("schema"));
    const double schemaNumber = schema.toDouble(std::nan(""));
    if (!schema.isDouble() || std::trunc(schemaNumber) != schemaNumber ||
        std::abs(schemaNumber) > std::numeric_limits<int>::max()) {
        record(QStringLiteral("missing or non-integer field: schema"));
    } else {
        manifest.schema = int(schemaNumber);
        if (manifest.schema != 1)
            record(
                QStringLiteral("unsupported manifest schema: %1 (expected %2)").arg(manifest.schema).arg(1));
    }

    const auto readString = [&root, &record](const QString &name) {
        const QJsonValue value = root.value(name);
        if (!value.isString())
            record(QStringLiteral("missing or non-string field: %1").arg(name));
        return value.toString();
    };
    manifest.app = readString(QStringLiteral("app"));
    manifest.channel = readString(QStringLiteral("channel"));

    const QJsonValue artifacts = root.value(QLatin1String("artifacts"));
    if (!artifacts.isObject()) {
        record(QStringLiteral("missing or non-object field: artifacts"));
        return finish(manifest);
    }
    const QJsonObject artifactObjects = artifacts.toObject();
    for (auto it = artifactObjects.constBegin(); it != artifactObjects.constEnd(); ++it) {
        if (!it.value().isObject()) {
            record(QStringLiteral("artifact %1 is not an object").arg(it.key()));
            break;
        }
        Artifact artifact;
        QString artifactError;
        if (!readArtifact(it.key(), it.value().toObject(), &artifact, &artifactError)) {
            record(artifactError);
            break;
        }
        manifest.artifacts.insert(it.key(), artifact);
    }
    return finish(manifest);
}

bool Client::isValid(const Manifest &manifest)
{
    return manifest.schema == 1 && !manifest.app.isEmpty() && !manifest.channel.isEmpty() &&
           !manifest.artifacts.isEmpty();
}

QString Client::platformKey()
{
    return platformKey(QSysInfo::kernelType(), QSysInfo::currentCpuArchitecture());
}

QString Client::platformKey(const QString &operatingSystem, const QString &architecture)
{
    QString system;
    if (operatingSystem == QLatin1String("winnt"))
        system = QStringLiteral("windows");
    else if (operatingSystem == QLatin1String("linux"))
        system = QStringLiteral("linux");
    else if (operatingSystem == QLatin1String("darwin"))
        system = QStringLiteral("macos");

    QString cpu;
    if (architecture == QLatin1String("x86_64"))
        cpu = QStringLiteral("x64");
    else if (architecture == QLatin1String("arm64"))
        cpu = QStringLiteral("arm64");

    // Only the builds that are shipped; Windows on ARM runs none of them.
    static const QStringList shipped = {QStringLiteral("windows-x64"), QStringLiteral("linux-x64"),
                                        QStringLiteral("linux-arm64"), QStringLiteral("macos-arm64"),
                                        QStringLiteral("macos-x64")};
    const QString key = system + QLatin1Char('-') + cpu;
    return shipped.contains(key) ? key : QString();
}

Version Client::parseVersion(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() > 3)
        return {};
    int numbers[3] = {0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (!isDecimal(parts.at(i)))
            return {};
        numbers[i] = parts.at(i).toInt();
    }
    return {numbers[0], numbers[1], numbers[2]};
}

} // namespace CorvantisUpdate
