#pragma once

#include <QByteArray>
#include <QEventLoop>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

// Sends `request` to 127.0.0.1:`port` and returns everything read until the other side closes
// the connection (or 10 seconds pass). It runs the event loop meanwhile, so a listener in the
// same thread can answer.
inline QByteArray loopbackExchange(quint16 port, const QByteArray &request)
{
    QTcpSocket socket;
    QByteArray response;
    QEventLoop loop;
    QObject::connect(&socket, &QTcpSocket::connected, &loop, [&] { socket.write(request); });
    QObject::connect(&socket, &QTcpSocket::readyRead, &loop, [&] { response += socket.readAll(); });
    QObject::connect(&socket, &QTcpSocket::disconnected, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QTcpSocket::errorOccurred, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    socket.connectToHost(QHostAddress::LocalHost, port);
    loop.exec();
    response += socket.readAll();
    return response;
}
