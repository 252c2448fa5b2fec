#pragma once

#include <QSqlDatabase>
#include <QString>

// Settings for the length of one bulk write (an import, a restore). A large write dirties far more
// pages than SQLite's default cache holds (random ids and the full-text index spread the writes
// over the whole file), and every INSERT inside the open transaction keeps a statement journal of
// the pages it touches: with the defaults both go through the file system, about twenty writes per
// record. A wide cache and (row by row) in-memory temporary storage keep that work in memory; the
// old values come back afterwards. Changing temp_store drops temporary tables, so it is only done
// when the caller has none: staged writes keep the default and their statement journals are few
// anyway.
class ImportPragmas
{
public:
    ImportPragmas(const QSqlDatabase &connection, bool journalsInMemory);
    ~ImportPragmas();

    ImportPragmas(const ImportPragmas &) = delete;
    ImportPragmas &operator=(const ImportPragmas &) = delete;

private:
    qint64 value(const QString &name, qint64 fallback) const;
    void set(const QString &name, qint64 value) const;

    QSqlDatabase m_connection;
    bool m_journalsInMemory;
    qint64 m_cacheSize = -2000;
    qint64 m_tempStore = 0;
};
