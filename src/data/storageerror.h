#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

// Tells a failed statement's two kinds of cause apart. A row's own fault (a constraint it breaks, a
// value the column refuses) is reported against that row and the work goes on; every other failure
// (disk full, I/O, read-only file, a lock that outlasted the busy time-out, out of memory, a damaged
// file, a lost transaction) is the storage's, and the whole operation must stop and roll back: rows
// written after it would land outside the transaction or not at all.
namespace StorageError {

// By SQLite's result code (the extended code's low byte is the primary code). An error without a
// code, such as a driver-level failure, is a storage error too: it says nothing about the row.
bool isStorageError(const QSqlError &error);
bool isStorageError(const QString &nativeErrorCode);

// True while the connection has a transaction open. SQLite rolls a transaction back by itself on
// some storage errors (full, I/O, out of memory); after that, statements run in autocommit mode.
bool isInTransaction(const QSqlDatabase &connection);

} // namespace StorageError
