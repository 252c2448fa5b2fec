#pragma once

#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class QUrl;

namespace CorvantisUpdate {

// One GET of the update checker, as the manifest client and the notes fetcher both send it:
// the User-Agent "CorvantisUpdateQt/0.1 (<productId>)", redirects followed except from HTTPS to
// HTTP, a transfer timeout, and a body bounded by `maximumBytes` (a larger one is aborted as soon
// as its size shows).
QNetworkReply *startDownload(QNetworkAccessManager *network, const QUrl &url, const QString &productId,
                             qint64 maximumBytes);

// Empty when `reply` finished without error; otherwise the reply's error text, or a text naming
// the bound when the body was too large.
QString downloadError(const QNetworkReply *reply);

} // namespace CorvantisUpdate
