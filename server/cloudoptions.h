#pragma once

#include <QHostAddress>
#include <QString>
#include <QStringList>

// The command line of zimbrel-cloud.
struct CloudOptions
{
    QString listenHost = QStringLiteral("127.0.0.1");
    quint16 listenPort = 8080;
    QString database = QStringLiteral("sqlite:zimbrel-cloud.db");
    QString filesDirectory;
    QString publicUrl;
    QString realm = QStringLiteral("corvantis");
    QString tlsCertificate;
    QString tlsKey;
    QString faults;
    QHostAddress trustedProxy;

    bool operator==(const CloudOptions &) const = default;
};

struct CloudOptionsResult
{
    CloudOptions options;
    // Set when the program should print it and stop: the help text (exit 0) or an error (exit 2).
    QString message;
    bool isError = false;
};

CloudOptionsResult parseCloudOptions(const QStringList &arguments);
