#pragma once

#include <QString>

// The directory that holds zimbrel.db: ZIMBREL_DATA_DIR when set, else the per-user generic data
// location followed by "/Corvantis/Zimbrel". Created with all missing parents; a directory that
// cannot be created shows up later as a database open failure.
QString dataDirectory();
QString databasePath(const QString &directory);
