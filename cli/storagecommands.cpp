#include "commands.h"

QList<CliCommand> storageCommands()
{
    return {};
}
