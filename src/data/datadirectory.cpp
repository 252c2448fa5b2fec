#include "datadirectory.h"

#include <QDir>
#include <QStandardPaths>

QString dataDirectory()
{
    QString directory = qEnvironmentVariable("ZIMBREL_DATA_DIR");
    if (directory.isEmpty()) {
        directory = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                    QStringLiteral("/Corvantis/Zimbrel");
    }
    QDir().mkpath(directory);
    return directory;
}

QString databasePath(const QString &directory)
{
    return directory + QStringLiteral("/zimbrel.db");
}
