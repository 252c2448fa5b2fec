#include "storageerror.h"

#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

namespace StorageError {

bool isStorageError(const QString &nativeErrorCode)
{
    bool ok = false;
    const int code = nativeErrorCode.toInt(&ok);
    if (!ok)
        return true;
    switch (code & 0xff) {
    case SQLITE_CONSTRAINT:
    case SQLITE_MISMATCH:
    case SQLITE_TOOBIG:
        return false;
    default:
        return true;
    }
}

bool isStorageError(const QSqlError &error)
{
    return isStorageError(error.nativeErrorCode());
}

bool isInTransaction(const QSqlDatabase &connection)
{
    const QVariant handle = connection.driver() ? connection.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    sqlite3 *database = *static_cast<sqlite3 *const *>(handle.constData());
    return database && sqlite3_get_autocommit(database) == 0;
}

} // namespace StorageError
