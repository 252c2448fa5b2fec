#pragma once

#include "update/updateconfig.h"

#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace CorvantisUpdate {

// Downloads a release's notes (Markdown): first in the system language when that is not English,
// then the default file. fetch() ends in notesReady or notesUnavailable; a blank file counts as
// unavailable.
class ReleaseNotesFetcher : public QObject
{
    Q_OBJECT

public:
    // Larger notes are refused unread.
    static constexpr qint64 maximumNotesBytes = 1024 * 1024;

    // The notes of the running version, beside the channel folder: .../zimbrel/1.0.5/release-notes.md.
    explicit ReleaseNotesFetcher(const UpdateConfig &config, QObject *parent = nullptr);
    // The notes at `notesUrl`.
    ReleaseNotesFetcher(const QUrl &notesUrl, const QString &productId, QObject *parent = nullptr);
    ~ReleaseNotesFetcher() override;

    void fetch();

    QUrl defaultUrl() const { return m_defaultUrl; }
    QUrl localizedUrl() const { return m_localizedUrl; }
    // The system locale decides the language; tests name another locale here.
    void setLocaleName(const QString &localeName);

    static QUrl defaultNotesUrl(const UpdateConfig &config);
    // Empty for English or an unknown language; release-notes.de.md beside release-notes.md.
    static QUrl localizedNotesUrl(const QUrl &defaultUrl, const QString &localeName);

signals:
    void notesReady(const QString &markdown);
    void notesUnavailable();

private:
    void fetchDefault();
    // The trimmed text of a successful reply; empty for an error or a blank file.
    static QString notesText(QNetworkReply *reply);

    QString m_productId;
    QUrl m_defaultUrl;
    QUrl m_localizedUrl;
    QNetworkAccessManager *m_network;
};

} // namespace CorvantisUpdate
