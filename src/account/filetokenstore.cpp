#include "filetokenstore.h"

#include <QDebug>
#include <QFile>
#include <QJsonDocument>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace CorvantisAccount {

namespace {

// Two tokens for a few scopes take a few kilobytes; a larger file is not ours.
constexpr qint64 maxFileSize = 64 * 1024;

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

FileTokenStore::FileTokenStore(const QString &scope, const QString &filePath)
    : m_scope(scope)
    , m_filePath(filePath)
{}

std::optional<QString> FileTokenStore::load(const QString &key)
{
    const QJsonValue value = readAll().value(m_scope).toObject().value(key);
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

bool FileTokenStore::save(const QString &key, const QString &value)
{
    return change(key, value, "FileTokenStore::save");
}

bool FileTokenStore::remove(const QString &key)
{
    return change(key, std::nullopt, "FileTokenStore::remove");
}

bool FileTokenStore::change(const QString &key, const std::optional<QString> &value, const char *operation)
{
    QJsonObject all = readAll();
    QJsonObject scope = all.value(m_scope).toObject();
    if (value) {
        scope.insert(key, *value);
    } else {
        if (!scope.contains(key))
            return true;
        scope.remove(key);
    }
    if (scope.isEmpty())
        all.remove(m_scope);
    else
        all.insert(m_scope, scope);
    return writeAll(all, operation);
}

QJsonObject FileTokenStore::readAll() const
{
    // Opened without following a symbolic link, and judged by what was opened.
    const int fd = ::open(QFile::encodeName(m_filePath).constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT)
            qWarning().noquote() << "FileTokenStore::load failed:" << systemError();
        return {};
    }
    QFile file;
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > maxFileSize) {
        qWarning().noquote() << "FileTokenStore::load failed:" << m_filePath << "is not a small regular file";
        return {};
    }
    if ((info.st_mode & 077) != 0) {
        qWarning().noquote() << "FileTokenStore::load:" << m_filePath
                             << "was readable by others; made private again";
        ::fchmod(fd, S_IRUSR | S_IWUSR);
    }
    const QJsonDocument document = QJsonDocument::fromJson(file.read(maxFileSize));
    if (!document.isObject()) {
        qWarning().noquote() << "FileTokenStore::load failed:" << m_filePath << "holds no JSON object";
        return {};
    }
    return document.object();
}

bool FileTokenStore::writeAll(const QJsonObject &all, const char *operation) const
{
    const QByteArray bytes = QJsonDocument(all).toJson(QJsonDocument::Compact);
    QByteArray temporary = QFile::encodeName(m_filePath) + ".XXXXXX";
    // mkstemp creates the file with mode 0600 whatever the umask.
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        qWarning().noquote() << operation << "failed:" << systemError();
        return false;
    }
    QFile file;
    file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    const bool synced = written && ::fsync(fd) == 0;
    const QString writeError = !written ? file.errorString() : synced ? QString() : systemError();
    file.close();
    if (!synced || ::rename(temporary.constData(), QFile::encodeName(m_filePath).constData()) != 0) {
        qWarning().noquote() << operation << "failed:" << (synced ? systemError() : writeError);
        ::unlink(temporary.constData());
        return false;
    }
    return true;
}

} // namespace CorvantisAccount
