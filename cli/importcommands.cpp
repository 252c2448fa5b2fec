#include "commands.h"

QList<CliCommand> importCommands()
{
    return {};
}
