#include "update/releasenotesfetcher.h"

#include "update/download.h"

#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace CorvantisUpdate {

ReleaseNotesFetcher::ReleaseNotesFetcher(const UpdateConfig &config, QObject *parent)
    : ReleaseNotesFetcher(defaultNotesUrl(config), config.productId, parent)
{}

ReleaseNotesFetcher::ReleaseNotesFetcher(const QUrl &notesUrl, const QString &productId, QObject *parent)
    : QObject(parent)
    , m_productId(productId)
    , m_defaultUrl(notesUrl)
    , m_localizedUrl(localizedNotesUrl(notesUrl, QLocale::system().name()))
    , m_network(new QNetworkAccessManager(this))
{}

ReleaseNotesFetcher::~ReleaseNotesFetcher() = default;

void ReleaseNotesFetcher::setLocaleName(const QString &localeName)
{
    m_localizedUrl = localizedNotesUrl(m_defaultUrl, localeName);
}

QUrl ReleaseNotesFetcher::defaultNotesUrl(const UpdateConfig &config)
{
    QUrl url = config.manifestBaseUrl;
    QString path = url.path();
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    path.truncate(path.lastIndexOf(QLatin1Char('/')) + 1);
    url.setPath(path + config.currentVersion + QStringLiteral("/release-notes.md"));
    return url;
}

QUrl ReleaseNotesFetcher::localizedNotesUrl(const QUrl &defaultUrl, const QString &localeName)
{
    const QString language = localeName.left(2);
    // "C" and other names without a language code have no notes of their own.
    if (language.size() != 2 || !language.at(0).isLower() || !language.at(1).isLower() ||
        language == QLatin1String("en"))
        return {};
    QUrl url = defaultUrl;
    const QString path = url.path();
    if (path.endsWith(QLatin1String(".md")))
        url.setPath(path.chopped(3) + QLatin1Char('.') + language + QStringLiteral(".md"));
    return url;
}

void ReleaseNotesFetcher::fetch()
{
    if (!m_localizedUrl.isValid()) {
        fetchDefault();
        return;
    }
    QNetworkReply *reply = startDownload(m_network, m_localizedUrl, m_productId, maximumNotesBytes);
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        const QString text = notesText(reply);
        if (text.isEmpty())
            fetchDefault();
        else
            emit notesReady(text);
    });
}

void ReleaseNotesFetcher::fetchDefault()
{
    QNetworkReply *reply = startDownload(m_network, m_defaultUrl, m_productId, maximumNotesBytes);
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        const QString text = notesText(reply);
        if (text.isEmpty())
            emit notesUnavailable();
        else
            emit notesReady(text);
    });
}

QString ReleaseNotesFetcher::notesText(QNetworkReply *reply)
{
    if (!downloadError(reply).isEmpty())
        return {};
    return QString::fromUtf8(reply->readAll()).trimmed();
}

} // namespace CorvantisUpdate
