#include "update/whatsnewdialog.h"

#include "update/dialogparts.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace CorvantisUpdate {

WhatsNewDialog::WhatsNewDialog(const QString &markdown, const QString &version, const QString &currentVersion,
                               const QString &appName, QWidget *parent, const QUrl &downloadUrl)
    : QDialog(parent)
    , m_downloadUrl(downloadUrl)
{
    setWindowTitle(tr("What's New in %1 %2").arg(appName, version));
    resize(520, 420);
    auto *layout = new QVBoxLayout(this);

    layout->addWidget(createHeading(tr("What's new in %1 %2").arg(appName, version), 2, this));

    m_notesBrowser = createNotesBrowser(this);
    showNotes(m_notesBrowser, markdown);
    layout->addWidget(m_notesBrowser, 1);

    auto *footer = new QLabel(tr("You are running version %1").arg(currentVersion), this);
    footer->setObjectName(QStringLiteral("runningVersionLabel"));
    footer->setStyleSheet(QStringLiteral("color: gray; font-size: 11px;"));
    layout->addWidget(footer);

    auto *buttons = new QDialogButtonBox(this);
    if (m_downloadUrl.isValid() && !m_downloadUrl.isEmpty()) {
        m_downloadButton = buttons->addButton(tr("Download %1").arg(version), QDialogButtonBox::AcceptRole);
        connect(m_downloadButton, &QPushButton::clicked, this, &WhatsNewDialog::onDownloadClicked);
    }
    QPushButton *close = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(buttons);
}

WhatsNewDialog::~WhatsNewDialog() = default;

void WhatsNewDialog::onDownloadClicked()
{
    if (!QDesktopServices::openUrl(m_downloadUrl))
        qWarning() << "CorvantisUpdate: QDesktopServices::openUrl failed for:" << m_downloadUrl;
    accept();
}

} // namespace CorvantisUpdate
