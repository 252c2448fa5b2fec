#include "syncservice.h"

SyncService::SyncService(CloudDatabase *database, FaultPlan *faults)
    : m_database(database)
    , m_faults(faults)
{
}

HttpResponse SyncService::handle(const HttpRequest &, const QStringList &, const AccessClaims &)
{
    return HttpResponse::error(404, QStringLiteral("not found"));
}
