#include "update/zimbrelupdateconfig.h"

#include <QCoreApplication>

namespace CorvantisUpdate {

namespace {

const QString productId = QStringLiteral("zimbrel");
const QString channel = QStringLiteral("stable");
constexpr qsizetype maximumAddressLength = 2048;

// An absolute http(s) address without credentials, query or fragment; invalid otherwise.
QUrl webAddress(const QString &text)
{
    if (text.size() > maximumAddressLength)
        return {};
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http")) ||
        url.host().isEmpty() || !url.userInfo().isEmpty() || url.hasQuery() || url.hasFragment())
        return {};
    return url;
}

} // namespace

QUrl defaultManifestBaseUrl()
{
    return QUrl(QStringLiteral("https://downloads.corvantis.com/zimbrel/stable/"));
}

QUrl manifestBaseUrlFor(const QString &environmentValue, const QString &serverOrigin)
{
    const QString folder = environmentValue.trimmed();
    if (!folder.isEmpty())
        return webAddress(folder);

    const QString origin = serverOrigin.trimmed();
    if (origin.isEmpty())
        return defaultManifestBaseUrl();
    QUrl url = webAddress(origin);
    if (!url.isValid())
        return {};
    QString path = url.path();
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    url.setPath(path + QStringLiteral("/downloads/%1/%2/").arg(productId, channel));
    return url;
}

UpdateConfig zimbrelUpdateConfig(const QString &serverOrigin)
{
    return {productId, channel, manifestBaseUrlFor(qEnvironmentVariable("ZIMBREL_UPDATE_URL"), serverOrigin),
            QCoreApplication::applicationVersion()};
}

} // namespace CorvantisUpdate
