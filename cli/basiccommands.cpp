#include "commands.h"

#include "data/database.h"

#include <QJsonObject>
#include <QSqlQuery>

namespace {

int init(CliContext &context, const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return context.usageError(QStringLiteral("init takes no arguments"));
    Database *database = context.database();
    if (!database)
        return 1;
    QSqlQuery query(database->connection());
    int version = 0;
    if (query.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) && query.next())
        version = query.value(0).toInt();
    context.printJson(QJsonObject{{QStringLiteral("database"), context.databasePath()},
                                  {QStringLiteral("schema_version"), version}});
    return 0;
}

} // namespace

QList<CliCommand> basicCommands()
{
    return {
        {QStringLiteral("init"), QString(), QStringLiteral("Open and migrate the database"), init},
    };
}
