#pragma once

#include "cloudoptions.h"
#include "faultplan.h"
#include "httpexchange.h"

#include <QAbstractHttpServer>

#include <memory>

class AccountService;
class AuthService;
class CloudDatabase;
class DownloadFiles;
class SyncService;
struct AccessClaims;

// The one origin of the service: routes each request to the auth API, the sign-in page, the
// account API, the sync API or the download folder, applies the fault plan and writes the answer.
//
// Built on QAbstractHttpServer rather than QHttpServer's router because the answers need the raw
// socket: a fault drops a connection on purpose, a delayed answer must survive the socket going
// away, and files are streamed. Every connection passes a RequestGuard first (see there).
class CloudServer : public QAbstractHttpServer
{
    Q_OBJECT

public:
    CloudServer(CloudDatabase *database, const CloudOptions &options, const FaultPlan &faults,
                QObject *parent = nullptr);
    ~CloudServer() override;

    // Listens where the options say; the port listened on, or 0 with `error` set.
    quint16 start(QString *error);

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    HttpResponse dispatch(const HttpRequest &request);
    // Resolves the bearer token; an empty userId means the request must be answered 401.
    AccessClaims authenticate(const HttpRequest &request);
    HttpResponse health();

    CloudDatabase *m_database;
    CloudOptions m_options;
    FaultPlan m_faults;
    std::unique_ptr<AuthService> m_auth;
    std::unique_ptr<SyncService> m_sync;
    std::unique_ptr<AccountService> m_accounts;
    std::unique_ptr<DownloadFiles> m_files;
};
