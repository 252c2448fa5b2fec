#include "httpexchange.h"

#include <QFile>
#include <QJsonDocument>
#include <QPointer>
#include <QTcpSocket>

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 201:
        return "Created";
    case 204:
        return "No Content";
    case 302:
        return "Found";
    case 303:
        return "See Other";
    case 304:
        return "Not Modified";
    case 400:
        return "Bad Request";
    case 401:
        return "Unauthorized";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 409:
        return "Conflict";
    case 411:
        return "Length Required";
    case 413:
        return "Payload Too Large";
    case 429:
        return "Too Many Requests";
    case 431:
        return "Request Header Fields Too Large";
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

constexpr qint64 fileChunkSize = 64 * 1024;

// Feeds a file to the socket a chunk at a time, so a large download never sits in memory whole.
// Parented to the socket: a dropped connection takes it along.
class FileFeeder : public QObject
{
public:
    FileFeeder(QTcpSocket *socket, const QString &path, bool closeAfter)
        : QObject(socket)
        , m_socket(socket)
        , m_file(path)
        , m_closeAfter(closeAfter)
    {
        if (!m_file.open(QIODevice::ReadOnly)) {
            socket->abort();
            return;
        }
        connect(socket, &QTcpSocket::bytesWritten, this, &FileFeeder::feed);
        feed();
    }

private:
    void feed()
    {
        while (m_socket->bytesToWrite() < 4 * fileChunkSize) {
            const QByteArray chunk = m_file.read(fileChunkSize);
            if (chunk.isEmpty()) {
                if (m_closeAfter)
                    m_socket->disconnectFromHost();
                disconnect(m_socket, nullptr, this, nullptr);
                deleteLater();
                return;
            }
            m_socket->write(chunk);
        }
    }

    QTcpSocket *m_socket;
    QFile m_file;
    bool m_closeAfter;
};

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

QByteArray HttpRequest::header(const QByteArray &name) const
{
    for (const auto &[key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

QString HttpRequest::queryValue(const QString &key) const
{
    return query.value(key);
}

void HttpResponse::setHeader(const QByteArray &name, const QByteArray &value)
{
    for (auto &header : headers) {
        if (header.first.compare(name, Qt::CaseInsensitive) == 0) {
            header.second = value;
            return;
        }
    }
    headers.append({name, value});
}

QByteArray HttpResponse::header(const QByteArray &name) const
{
    for (const auto &[key, value] : headers) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return {};
}

HttpResponse HttpResponse::json(int status, const QJsonObject &object)
{
    HttpResponse response;
    response.status = status;
    response.body = QJsonDocument(object).toJson(QJsonDocument::Compact);
    response.setHeader("Content-Type", "application/json");
    response.setHeader("Cache-Control", "no-store");
    return response;
}

HttpResponse HttpResponse::error(int status, const QString &message)
{
    return json(status, QJsonObject{{QStringLiteral("error"), message}});
}

HttpResponse HttpResponse::noContent()
{
    HttpResponse response;
    response.status = 204;
    response.setHeader("Cache-Control", "no-store");
    return response;
}

HttpResponse HttpResponse::storageFailure()
{
    return error(500, QStringLiteral("storage failure"));
}

HttpResponse HttpResponse::html(int status, const QByteArray &page)
{
    HttpResponse response;
    response.status = status;
    response.body = page;
    response.setHeader("Content-Type", "text/html; charset=utf-8");
    response.setHeader("Cache-Control", "no-store");
    response.setHeader("X-Frame-Options", "DENY");
    response.setHeader("Referrer-Policy", "no-referrer");
    response.setHeader(
        "Content-Security-Policy",
        "default-src 'none'; style-src 'unsafe-inline'; frame-ancestors 'none'; "
        "form-action 'self' http://localhost:* http://127.0.0.1:* http://[::1]:* https://localhost:* "
        "https://127.0.0.1:* https://[::1]:*");
    return response;
}

void writeHttpResponse(QTcpSocket *socket, const HttpResponse &response, bool headOnly, bool closeAfter)
{
    QByteArray head =
        "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reasonPhrase(response.status) + "\r\n";
    for (const auto &[name, value] : response.headers)
        head += name + ": " + value + "\r\n";
    const bool streamsFile = !response.filePath.isEmpty();
    const qint64 length = streamsFile ? response.fileSize : response.body.size();
    if (response.status != 204 && response.status != 304)
        head += "Content-Length: " + QByteArray::number(length) + "\r\n";
    head += "X-Content-Type-Options: nosniff\r\n";
    if (closeAfter)
        head += "Connection: close\r\n";
    head += "\r\n";
    socket->write(head);
    const bool sendsBody = !headOnly && response.status != 204 && response.status != 304;
    if (sendsBody && streamsFile) {
        new FileFeeder(socket, response.filePath, closeAfter);
        return;
    }
    if (sendsBody)
        socket->write(response.body);
    if (closeAfter)
        socket->disconnectFromHost();
}

QString decodeFormValue(const QByteArray &encoded)
{
    QByteArray bytes;
    bytes.reserve(encoded.size());
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        const char c = encoded.at(i);
        if (c == '+') {
            bytes += ' ';
        } else if (c == '%' && i + 2 < encoded.size() && hexValue(encoded.at(i + 1)) >= 0 &&
                   hexValue(encoded.at(i + 2)) >= 0) {
            bytes += char(hexValue(encoded.at(i + 1)) * 16 + hexValue(encoded.at(i + 2)));
            i += 2;
        } else {
            bytes += c;
        }
    }
    return QString::fromUtf8(bytes);
}

QHash<QString, QString> parseQueryString(const QByteArray &text)
{
    QHash<QString, QString> items;
    for (const QByteArray &pair : text.split('&')) {
        if (pair.isEmpty())
            continue;
        const qsizetype equals = pair.indexOf('=');
        const QString key = decodeFormValue(equals < 0 ? pair : pair.left(equals));
        if (!items.contains(key))
            items.insert(key, equals < 0 ? QString() : decodeFormValue(pair.mid(equals + 1)));
    }
    return items;
}

QByteArray encodeQueryValue(const QString &value)
{
    return value.toUtf8().toPercentEncoding();
}
