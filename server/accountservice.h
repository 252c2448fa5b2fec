#pragma once

#include "accesstoken.h"
#include "httpexchange.h"

class AuthService;
class CloudDatabase;

// The account API: profile and account deletion, the group with its seats, invitations and
// members, and the user's devices.
class AccountService
{
public:
    AccountService(CloudDatabase *database, AuthService *auth);

    HttpResponse handle(const HttpRequest &request, const QStringList &path, const AccessClaims &claims);

private:
    CloudDatabase *m_database;
    AuthService *m_auth;
};
