#pragma once

#include "cloudbackend.h"
#include "cloudclient.h"
#include "cloudhttp.h"
#include "cloudservice.h"

#include <memory>

// The usual setting of a service test: one zimbrel-cloud on a fresh database of the test's
// backend, an HTTP client for it, and users signed up on demand.
class CloudFixture
{
public:
    // False with `skipReason` set when the backend cannot run here, or with `error` set when the
    // service does not start.
    bool start(QString *skipReason, QString *error);

    // A new user "<name><n>@example.org", signed up through the sign-in page.
    std::unique_ptr<CloudClient> newUser(const QString &name);

    CloudBackend backend;
    CloudService service;
    std::unique_ptr<CloudHttp> http;

private:
    int m_users = 0;
};
