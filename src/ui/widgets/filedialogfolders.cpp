#include "filedialogfolders.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

FileDialogFolders::FileDialogFolders(QSettings *settings, QString homeFolder, QString documentsFolder)
    : m_settings(settings)
    , m_homeFolder(homeFolder.isEmpty() ? QDir::homePath() : std::move(homeFolder))
    , m_documentsFolder(documentsFolder.isEmpty()
                            ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                            : std::move(documentsFolder))
{}

QString FileDialogFolders::settingsKey(const QString &kind)
{
    return QStringLiteral("fileDialogs/") + kind;
}

QString FileDialogFolders::folderFor(const QString &kind) const
{
    const QString remembered = m_settings->value(settingsKey(kind)).toString();
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    // Some systems name a Documents folder that was never created; the dialog would then fall
    // back to wherever the program was started.
    if (!m_documentsFolder.isEmpty() && m_documentsFolder != m_homeFolder &&
        QFileInfo(m_documentsFolder).isDir())
        return m_documentsFolder;
    return m_homeFolder;
}

QString FileDialogFolders::pathFor(const QString &kind, const QString &fileName) const
{
    return QDir(folderFor(kind)).filePath(fileName);
}

void FileDialogFolders::remember(const QString &kind, const QString &chosenPath)
{
    if (chosenPath.isEmpty())
        return;
    m_settings->setValue(settingsKey(kind), QFileInfo(chosenPath).absolutePath());
}
