#pragma once

#include "clicontext.h"

#include <QList>

// Each group of subcommands lives in its own file.
QList<CliCommand> basicCommands();
QList<CliCommand> storageCommands();
QList<CliCommand> importCommands();
QList<CliCommand> reportCommands();
QList<CliCommand> updateCommands();
QList<CliCommand> cloudCommands();
QList<CliCommand> groupCommands();
QList<CliCommand> editCommands();
