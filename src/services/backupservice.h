#pragma once

#include "backupimportmode.h"
#include "backupimportresult.h"

#include <QByteArray>
#include <QObject>

class Database;
class QIODevice;

// Writes the user's data into a ZIP archive of JSON rows (one entry per row, "manifest.json"
// last) and restores such an archive. The archive is a file a stranger may hand the user: its
// member names only ever select existing columns, and nothing in it reaches SQL text.
class BackupService : public QObject
{
    Q_OBJECT

public:
    explicit BackupService(Database *database, QObject *parent = nullptr);

    // Writes the archive to `device` as the rows are read, one row in memory at a time. False,
    // with the reason in `error`, when a table cannot be read or the device refuses a write: a
    // backup that silently lacks a table would only be found out on the day it is needed. What was
    // written by then is no archive.
    bool exportBackup(QIODevice *device, QString *error = nullptr) const;
    // The whole archive in memory; empty on failure.
    QByteArray exportBackup() const;

    // Restores every row of the archive in one database transaction; a row refused for its own
    // fault (missing parent, no id) is counted as refused and named in the errors, and the others
    // go on. Archive-level failures (not a ZIP, no manifest, unknown version) and storage errors
    // (disk full, I/O, read-only, locked) return aborted with one error and zero counts, and change
    // nothing. Never deletes a row.
    BackupImportResult importBackup(const QByteArray &archive, BackupImportMode mode) const;

private:
    Database *m_database;
};
