#include "update/updateflows.h"

#include "update/client.h"
#include "update/releasenotesfetcher.h"
#include "update/updatedialog.h"
#include "update/whatsnewdialog.h"

#include <QCoreApplication>

#include <functional>

namespace CorvantisUpdate {

namespace {

void reportBusy(const UpdateProgress &progress, const QString &text)
{
    if (progress.busy)
        progress.busy(text);
}

void reportFinished(const UpdateProgress &progress)
{
    if (progress.finished)
        progress.finished();
}

void reportMessage(const UpdateProgress &progress, const QString &text)
{
    if (progress.message)
        progress.message(text, 5000);
}

// Dialogs of the flows are not modal and go away when closed.
void showAndForget(QDialog *dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void reportNoNotes(const UpdateConfig &config, const QString &appName, const UpdateProgress &progress)
{
    reportFinished(progress);
    reportMessage(progress,
                  QCoreApplication::translate("CorvantisUpdate", "No release notes available for %1 %2")
                      .arg(appName, config.currentVersion));
}

// Fetches the running version's notes and shows them; `shown` runs just before the dialog
// appears, `unavailable` when there are none.
void showRunningVersionNotes(const UpdateConfig &config, const QString &appName, QWidget *parent,
                             const std::function<void()> &shown, const std::function<void()> &unavailable)
{
    auto *fetcher = new ReleaseNotesFetcher(config, parent);
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher, [=](const QString &markdown) {
        fetcher->deleteLater();
        if (shown)
            shown();
        showAndForget(
            new WhatsNewDialog(markdown, config.currentVersion, config.currentVersion, appName, parent));
    });
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, [=] {
        fetcher->deleteLater();
        if (unavailable)
            unavailable();
    });
    fetcher->fetch();
}

// The running version has no notes: show those of a newer release if there is one.
void showNewerReleaseNotes(const UpdateConfig &config, const QString &appName, QWidget *parent,
                           const UpdateProgress &progress)
{
    auto *client = new Client(config, parent);
    QObject::connect(client, &Client::updateAvailable, client, [=](const Artifact &artifact) {
        client->deleteLater();
        if (!artifact.releaseNotesUrl.isValid()) {
            reportNoNotes(config, appName, progress);
            return;
        }
        auto *fetcher = new ReleaseNotesFetcher(artifact.releaseNotesUrl, config.productId, parent);
        QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher, [=](const QString &markdown) {
            fetcher->deleteLater();
            reportFinished(progress);
            showAndForget(new WhatsNewDialog(markdown, artifact.version, config.currentVersion, appName,
                                             parent, artifact.url));
        });
        QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, [=] {
            fetcher->deleteLater();
            reportNoNotes(config, appName, progress);
        });
        fetcher->fetch();
    });
    QObject::connect(client, &Client::upToDate, client, [=] {
        client->deleteLater();
        reportNoNotes(config, appName, progress);
    });
    QObject::connect(client, &Client::checkFailed, client, [=] {
        client->deleteLater();
        reportNoNotes(config, appName, progress);
    });
    client->check();
}

} // namespace

void checkForUpdatesInteractive(const UpdateConfig &config, const QString &appName, QWidget *parent,
                                const UpdateProgress &progress)
{
    reportBusy(progress, QCoreApplication::translate("CorvantisUpdate", "Checking for updates…"));
    auto *client = new Client(config, parent);
    QObject::connect(client, &Client::updateAvailable, client, [=](const Artifact &artifact) {
        client->deleteLater();
        reportFinished(progress);
        showAndForget(new UpdateDialog(artifact, config.currentVersion, appName, parent));
    });
    QObject::connect(client, &Client::upToDate, client, [=] {
        client->deleteLater();
        reportFinished(progress);
        reportMessage(progress,
                      QCoreApplication::translate("CorvantisUpdate", "%1 is up to date (version %2)")
                          .arg(appName, config.currentVersion));
    });
    QObject::connect(client, &Client::checkFailed, client, [=](const QString &error) {
        client->deleteLater();
        reportFinished(progress);
        reportMessage(progress,
                      QCoreApplication::translate("CorvantisUpdate", "Update check failed: %1").arg(error));
    });
    client->check();
}

void showReleaseNotes(const UpdateConfig &config, const QString &appName, QWidget *parent,
                      const UpdateProgress &progress)
{
    reportBusy(progress, QCoreApplication::translate("CorvantisUpdate", "Loading release notes…"));
    showRunningVersionNotes(
        config, appName, parent, [=] { reportFinished(progress); },
        [=] { showNewerReleaseNotes(config, appName, parent, progress); });
}

void showWhatsNewAfterUpgrade(const UpdateConfig &config, const QString &appName, QWidget *parent)
{
    showRunningVersionNotes(config, appName, parent, {}, {});
}

} // namespace CorvantisUpdate
