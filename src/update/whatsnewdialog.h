#pragma once

#include <QDialog>
#include <QUrl>

class QPushButton;
class QTextBrowser;

namespace CorvantisUpdate {

// Shows a release's notes: after an upgrade, from the Help menu, or for a newer release, which
// then gets a "Download <version>" button.
class WhatsNewDialog : public QDialog
{
    Q_OBJECT

public:
    WhatsNewDialog(const QString &markdown, const QString &version, const QString &currentVersion,
                   const QString &appName, QWidget *parent = nullptr, const QUrl &downloadUrl = {});
    ~WhatsNewDialog() override;

    QTextBrowser *notesBrowser() const { return m_notesBrowser; }
    // Null without a valid download address.
    QPushButton *downloadButton() const { return m_downloadButton; }

private:
    void onDownloadClicked();

    QUrl m_downloadUrl;
    QTextBrowser *m_notesBrowser = nullptr;
    QPushButton *m_downloadButton = nullptr;
};

} // namespace CorvantisUpdate
