#include "update/download.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace CorvantisUpdate {

namespace {

const char tooLargeProperty[] = "corvantisUpdateTooLarge";
const char maximumProperty[] = "corvantisUpdateMaximum";

// A stalled server must not keep a check in flight for ever.
constexpr int transferTimeoutMs = 30000;
constexpr int maximumRedirects = 5;

} // namespace

QNetworkReply *startDownload(QNetworkAccessManager *network, const QUrl &url, const QString &productId,
                             qint64 maximumBytes)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QStringLiteral("CorvantisUpdateQt/0.1 (%1)").arg(productId));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(maximumRedirects);
    request.setTransferTimeout(transferTimeoutMs);

    QNetworkReply *reply = network->get(request);
    reply->setProperty(maximumProperty, maximumBytes);
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [reply, maximumBytes](qint64 received, qint64 total) {
                         if (received > maximumBytes || total > maximumBytes) {
                             reply->setProperty(tooLargeProperty, true);
                             reply->abort();
                         }
                     });
    return reply;
}

QString downloadError(const QNetworkReply *reply)
{
    if (reply->property(tooLargeProperty).toBool())
        return QStringLiteral("response larger than %1 bytes")
            .arg(reply->property(maximumProperty).toLongLong());
    if (reply->error() != QNetworkReply::NoError)
        return reply->errorString();
    return {};
}

} // namespace CorvantisUpdate
