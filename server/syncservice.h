#pragma once

#include "accesstoken.h"
#include "httpexchange.h"

class CloudDatabase;
class FaultPlan;

// The sync API: push and pull of the synchronised rows, and the sharing of accounts.
class SyncService
{
public:
    SyncService(CloudDatabase *database, FaultPlan *faults);

    HttpResponse handle(const HttpRequest &request, const QStringList &path, const AccessClaims &claims);

private:
    CloudDatabase *m_database;
    FaultPlan *m_faults;
};
