#include "update/updatedialog.h"

#include "update/dialogparts.h"
#include "update/releasenotesfetcher.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace CorvantisUpdate {

UpdateDialog::UpdateDialog(const Artifact &artifact, const QString &currentVersion, const QString &appName,
                           QWidget *parent)
    : QDialog(parent)
    , m_downloadUrl(artifact.url)
{
    setWindowTitle(tr("Update available"));
    auto *layout = new QVBoxLayout(this);

    layout->addWidget(createHeading(tr("A new version of %1 is available.").arg(appName), 1, this));

    auto *versions = new QLabel(
        tr("You have version %1. The latest version is %2.").arg(currentVersion, artifact.version), this);
    versions->setWordWrap(true);
    layout->addWidget(versions);

    if (artifact.releaseNotesUrl.isValid()) {
        m_notesBrowser = createNotesBrowser(this);
        m_notesBrowser->setMinimumHeight(150);
        m_notesBrowser->setPlainText(tr("Loading release notes…"));
        layout->addWidget(m_notesBrowser, 1);

        auto *fetcher =
            new ReleaseNotesFetcher(artifact.releaseNotesUrl, QStringLiteral("update-dialog"), this);
        connect(fetcher, &ReleaseNotesFetcher::notesReady, this, &UpdateDialog::onNotesReady);
        connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, this, &UpdateDialog::onNotesUnavailable);
        fetcher->fetch();
    } else {
        layout->addStretch();
    }

    auto *buttons = new QDialogButtonBox(this);
    m_downloadButton = buttons->addButton(tr("Download"), QDialogButtonBox::AcceptRole);
    m_downloadButton->setDefault(true);
    connect(m_downloadButton, &QPushButton::clicked, this, &UpdateDialog::onDownloadClicked);
    if (!artifact.mandatory) {
        m_laterButton = buttons->addButton(tr("Later"), QDialogButtonBox::RejectRole);
        connect(m_laterButton, &QPushButton::clicked, this, &QDialog::reject);
    }
    layout->addWidget(buttons);

    if (m_notesBrowser)
        resize(520, 420);
}

UpdateDialog::~UpdateDialog() = default;

void UpdateDialog::onDownloadClicked()
{
    if (!m_downloadUrl.isValid() || m_downloadUrl.isEmpty())
        qWarning() << "CorvantisUpdate: download URL is empty or invalid";
    else if (!QDesktopServices::openUrl(m_downloadUrl))
        qWarning() << "CorvantisUpdate: QDesktopServices::openUrl failed for:" << m_downloadUrl;
    accept();
}

void UpdateDialog::onNotesReady(const QString &markdown)
{
    if (m_notesBrowser)
        showNotes(m_notesBrowser, markdown);
}

void UpdateDialog::onNotesUnavailable()
{
    onNotesReady(tr("*Release notes are not available for this version.*"));
}

} // namespace CorvantisUpdate
