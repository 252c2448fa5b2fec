#include "validation.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QUrl>

namespace Validation {

std::optional<QJsonObject> jsonObjectBody(const QByteArray &body)
{
    if (body.trimmed().isEmpty())
        return QJsonObject{};
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

std::optional<QString> email(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral(R"(^[^@\s<>"]+@[^@\s<>".]+(\.[^@\s<>".]+)+$)"));
    const QString cleaned = text.trimmed().toLower();
    if (cleaned.size() > 254 || !shape.match(cleaned).hasMatch())
        return std::nullopt;
    return cleaned;
}

std::optional<QString> displayName(const QString &text)
{
    const QString cleaned = text.trimmed();
    if (cleaned.isEmpty() || !isShortText(cleaned, 100))
        return std::nullopt;
    return cleaned;
}

bool isAcceptablePassword(const QString &password)
{
    return password.size() >= minPasswordLength && password.toUtf8().size() <= maxPasswordBytes;
}

bool isLoopbackRedirect(const QString &text)
{
    if (text.size() > 2048)
        return false;
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
        return false;
    if (!url.userInfo().isEmpty() || url.hasFragment())
        return false;
    const QString host = url.host();
    return host == QLatin1String("localhost") || host == QLatin1String("127.0.0.1") ||
           host == QLatin1String("::1");
}

bool isIdentifier(const QString &text)
{
    if (text.isEmpty() || text.size() > 64)
        return false;
    for (const QChar c : text) {
        if (c.unicode() <= 0x20 || c.unicode() == 0x7f || c == QLatin1Char('/') || c == QLatin1Char('\\'))
            return false;
    }
    return true;
}

bool isShortText(const QString &text, int maxLength)
{
    if (text.size() > maxLength)
        return false;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

QString isoTime(qint64 seconds)
{
    if (seconds <= 0)
        return {};
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(Qt::ISODate);
}

} // namespace Validation
