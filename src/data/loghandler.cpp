#include "loghandler.h"

#include <QString>

#include <cstdio>

namespace {

void quietMessageHandler(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    switch (type) {
    case QtDebugMsg:
    case QtInfoMsg:
        return;
    case QtWarningMsg:
        std::fprintf(stderr, "WARN: %s\n", message.toLocal8Bit().constData());
        break;
    case QtCriticalMsg:
    case QtFatalMsg:
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
        break;
    }
    std::fflush(stderr);
}

} // namespace

void installLogHandler()
{
    if (qEnvironmentVariableIsEmpty("ZIMBREL_VERBOSE"))
        qInstallMessageHandler(quietMessageHandler);
}
