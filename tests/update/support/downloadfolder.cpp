#include "downloadfolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool DownloadFolder::start(QString *error, const QStringList &arguments)
{
    if (!m_dir.isValid() || !QDir(m_dir.path()).mkpath(QStringLiteral("files"))) {
        *error = QStringLiteral("no temporary folder");
        return false;
    }
    return m_service.start(
        QStringLiteral("sqlite:") + m_dir.filePath(QStringLiteral("cloud.db")),
        QStringList{QStringLiteral("--files"), m_dir.filePath(QStringLiteral("files"))} + arguments, error);
}

bool DownloadFolder::write(const QString &relativePath, const QByteArray &content)
{
    const QString path = m_dir.filePath(QStringLiteral("files/") + relativePath);
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(content) == content.size();
}

bool DownloadFolder::remove(const QString &relativePath)
{
    return QFile::remove(m_dir.filePath(QStringLiteral("files/") + relativePath));
}

QUrl DownloadFolder::url(const QString &relativePath) const
{
    QUrl url = m_service.baseUrl();
    url.setPath(QStringLiteral("/downloads/") + relativePath);
    return url;
}
