#include "cloudfixture.h"

bool CloudFixture::start(QString *skipReason, QString *error)
{
    if (!backend.isAvailable(skipReason))
        return false;
    if (!service.start(backend.freshDatabase(), {}, error))
        return false;
    http = std::make_unique<CloudHttp>(service.baseUrl());
    return true;
}

std::unique_ptr<CloudClient> CloudFixture::newUser(const QString &name)
{
    auto client = std::make_unique<CloudClient>(http.get());
    if (!client->signUp(QStringLiteral("%1%2@example.org").arg(name).arg(++m_users), name))
        qWarning("cannot sign up %s", qPrintable(name));
    return client;
}
