#pragma once

#include "requestguard.h"

#include <QTcpSocket>

// A listening server (QTcpServer or QSslServer) that puts a RequestGuard on every connection
// before handing it to Qt's HTTP server, which connects its own parser only after this returns.
template<typename Server> class GuardedServer : public Server
{
public:
    using Server::Server;

    QTcpSocket *nextPendingConnection() override
    {
        QTcpSocket *socket = Server::nextPendingConnection();
        if (socket)
            new RequestGuard(socket);
        return socket;
    }
};
