#pragma once

#include "update/artifact.h"

#include <QDialog>
#include <QUrl>

class QPushButton;
class QTextBrowser;

namespace CorvantisUpdate {

// Announces a newer release: the versions, its release notes when it has some (fetched on
// construction), "Download" and, unless the release is mandatory, "Later".
class UpdateDialog : public QDialog
{
    Q_OBJECT

public:
    UpdateDialog(const Artifact &artifact, const QString &currentVersion, const QString &appName,
                 QWidget *parent = nullptr);
    ~UpdateDialog() override;

    // Null when the release has no notes address.
    QTextBrowser *notesBrowser() const { return m_notesBrowser; }
    QPushButton *downloadButton() const { return m_downloadButton; }
    // Null for a mandatory release.
    QPushButton *laterButton() const { return m_laterButton; }

public slots:
    // Opens the download address in the system's browser, then closes the dialog.
    void onDownloadClicked();
    void onNotesReady(const QString &markdown);

private:
    void onNotesUnavailable();

    QUrl m_downloadUrl;
    QTextBrowser *m_notesBrowser = nullptr;
    QPushButton *m_downloadButton = nullptr;
    QPushButton *m_laterButton = nullptr;
};

} // namespace CorvantisUpdate
