#include "downloadfiles.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

namespace {

QByteArray httpDate(const QDateTime &time)
{
    return QLocale::c().toString(time.toUTC(), QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'")).toLatin1();
}

QDateTime parseHttpDate(const QByteArray &text)
{
    QDateTime time = QLocale::c().toDateTime(QString::fromLatin1(text).trimmed(),
                                             QStringLiteral("ddd, dd MMM yyyy hh:mm:ss 'GMT'"));
    time.setTimeSpec(Qt::UTC);
    return time;
}

bool isSafeSegment(const QString &segment)
{
    if (segment.isEmpty() || segment.startsWith(QLatin1Char('.')) || segment.size() > 255)
        return false;
    for (const QChar c : segment) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20 || c.unicode() == 0x7f)
            return false;
    }
    return true;
}

bool etagMatches(const QByteArray &ifNoneMatch, const QByteArray &etag)
{
    for (const QByteArray &candidate : ifNoneMatch.split(',')) {
        QByteArray tag = candidate.trimmed();
        if (tag == "*")
            return true;
        if (tag.startsWith("W/"))
            tag = tag.mid(2);
        if (tag == etag)
            return true;
    }
    return false;
}

} // namespace

DownloadFiles::DownloadFiles(const QString &directory)
    : m_root(directory.isEmpty() ? QString() : QFileInfo(directory).canonicalFilePath())
{}

QByteArray DownloadFiles::contentTypeFor(const QString &fileName)
{
    if (fileName.endsWith(QLatin1String(".json")))
        return "application/json";
    if (fileName.endsWith(QLatin1String(".md")))
        return "text/markdown; charset=utf-8";
    if (fileName.endsWith(QLatin1String(".txt")))
        return "text/plain; charset=utf-8";
    return "application/octet-stream";
}

HttpResponse DownloadFiles::serve(const HttpRequest &request, const QStringList &path) const
{
    if (request.method != "GET" && request.method != "HEAD")
        return HttpResponse::error(405, QStringLiteral("method not allowed"));
    if (m_root.isEmpty() || path.isEmpty())
        return HttpResponse::error(404, QStringLiteral("not found"));
    for (const QString &segment : path) {
        if (!isSafeSegment(segment))
            return HttpResponse::error(404, QStringLiteral("not found"));
    }
    const QFileInfo info(m_root + QLatin1Char('/') + path.join(QLatin1Char('/')));
    // The resolved path, after every symbolic link, must still lie below the folder.
    const QString resolved = info.canonicalFilePath();
    if (resolved.isEmpty() || !resolved.startsWith(m_root + QLatin1Char('/')) ||
        !QFileInfo(resolved).isFile() || !QFileInfo(resolved).isReadable())
        return HttpResponse::error(404, QStringLiteral("not found"));

    const QFileInfo file(resolved);
    const QDateTime modified = file.lastModified().toUTC();
    const QByteArray etag = '"' + QByteArray::number(modified.toMSecsSinceEpoch(), 16) + '-' +
                            QByteArray::number(file.size(), 16) + '"';
    HttpResponse response;
    response.setHeader("Content-Type", contentTypeFor(file.fileName()));
    response.setHeader("ETag", etag);
    response.setHeader("Last-Modified", httpDate(modified));
    // The manifest changes in place when a release ships, so clients revalidate it every time;
    // release notes and files under a version folder do not change once published.
    response.setHeader("Cache-Control",
                       file.fileName() == QLatin1String("latest.json") ? "no-cache" : "public, max-age=3600");

    const QByteArray ifNoneMatch = request.header("If-None-Match");
    const QByteArray ifModifiedSince = request.header("If-Modified-Since");
    bool notModified = false;
    if (!ifNoneMatch.isEmpty()) {
        notModified = etagMatches(ifNoneMatch, etag);
    } else if (!ifModifiedSince.isEmpty()) {
        const QDateTime since = parseHttpDate(ifModifiedSince);
        notModified = since.isValid() && modified.toSecsSinceEpoch() <= since.toSecsSinceEpoch();
    }
    if (notModified) {
        response.status = 304;
        return response;
    }
    response.filePath = resolved;
    response.fileSize = file.size();
    return response;
}
