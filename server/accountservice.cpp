#include "accountservice.h"

AccountService::AccountService(CloudDatabase *database, AuthService *auth)
    : m_database(database)
    , m_auth(auth)
{
}

HttpResponse AccountService::handle(const HttpRequest &, const QStringList &, const AccessClaims &)
{
    return HttpResponse::error(404, QStringLiteral("not found"));
}
