#include "processmeter.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryFile>

ProcessMeter::Run ProcessMeter::run(const QString &program, const QStringList &arguments,
                                    const QString &outputPath)
{
    Run result;
    QTemporaryFile figures;
    if (!figures.open())
        return result;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(outputPath.isEmpty() ? QProcess::nullDevice() : outputPath);
    process.start(QStringLiteral("/usr/bin/time"),
                  QStringList{QStringLiteral("-f"), QStringLiteral("%e %M"), QStringLiteral("-o"),
                              figures.fileName(), program} +
                      arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit)
        return result;
    // The last line: /usr/bin/time writes "Command exited with non-zero status" above it.
    const QList<QByteArray> lines = figures.readAll().trimmed().split('\n');
    const QList<QByteArray> fields = lines.last().split(' ');
    if (fields.size() != 2)
        return result;
    result.seconds = fields.at(0).toDouble();
    result.peakMegabytes = fields.at(1).toDouble() / 1024.0; // kilobytes
    result.ok = process.exitCode() == 0;
    return result;
}
