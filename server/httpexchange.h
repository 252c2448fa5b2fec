#pragma once

#include <QByteArray>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class QTcpSocket;

// One request as the handlers see it: the path already split into percent-decoded segments (an
// encoded slash stays inside its segment, so it can never open a way to another folder).
struct HttpRequest
{
    QByteArray method;
    QStringList segments;
    QHash<QString, QString> query;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
    // The client's address: the peer, or the last hop a trusted proxy reports.
    QString clientAddress;

    QByteArray header(const QByteArray &name) const;
    QString queryValue(const QString &key) const;
};

// An answer: a body in memory, or a file streamed from disk when filePath is set.
struct HttpResponse
{
    int status = 200;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
    QString filePath;
    qint64 fileSize = 0;
    // Set by a fault on purpose: the connection is dropped instead of answered.
    bool dropConnection = false;

    void setHeader(const QByteArray &name, const QByteArray &value);
    QByteArray header(const QByteArray &name) const;

    static HttpResponse json(int status, const QJsonObject &object);
    static HttpResponse error(int status, const QString &message);
    static HttpResponse noContent();
    static HttpResponse storageFailure();
    static HttpResponse html(int status, const QByteArray &page);
};

// Serialises `response` onto the socket; `headOnly` leaves the body out (HEAD), `closeAfter` ends the
// connection once everything is written. Files go out in chunks as the socket drains.
void writeHttpResponse(QTcpSocket *socket, const HttpResponse &response, bool headOnly, bool closeAfter);

// Decodes one URL query or form value: "+" is a blank, %XX a byte, the result UTF-8.
QString decodeFormValue(const QByteArray &encoded);
// Splits "a=1&b=2" (a query string or a form body); the first value of a repeated key counts.
QHash<QString, QString> parseQueryString(const QByteArray &text);
QByteArray encodeQueryValue(const QString &value);
