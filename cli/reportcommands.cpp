#include "commands.h"

QList<CliCommand> reportCommands()
{
    return {};
}
