#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QString>

// Manifest texts for tests: a valid artifact to start from, changed member by member.
namespace ManifestJson {

inline QJsonObject artifact(const QString &version,
                            const QString &url = QStringLiteral("https://example.com/zimbrel-setup.exe"))
{
    return QJsonObject{{QStringLiteral("version"), version},
                       {QStringLiteral("released_at"), QStringLiteral("2024-06-01T10:00:00Z")},
                       {QStringLiteral("url"), url},
                       {QStringLiteral("size"), 52428800},
                       {QStringLiteral("sha256"), QString(64, QLatin1Char('a'))}};
}

inline QJsonObject with(QJsonObject object, const QString &key, const QJsonValue &value)
{
    if (value.isUndefined())
        object.remove(key);
    else
        object.insert(key, value);
    return object;
}

inline QByteArray manifest(const QJsonObject &artifacts, int schema = 1)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("schema"), schema},
                                     {QStringLiteral("app"), QStringLiteral("zimbrel")},
                                     {QStringLiteral("channel"), QStringLiteral("stable")},
                                     {QStringLiteral("artifacts"), artifacts}})
        .toJson(QJsonDocument::Compact);
}

} // namespace ManifestJson
