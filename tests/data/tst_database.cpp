#include "data/database.h"

#include <QFile>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

class TestDatabase : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void freshFileGetsTheWholeSchema();
    void versionOneIsUpgradedAndBackfilled();
    void migratedDatabaseIsLeftAlone();
    void failingStatementRollsTheMigrationBack();
    void splitStatements_data();
    void splitStatements();
    void openFailsForUnreachablePath();

private:
    static QStringList column(Database &database, const QString &sql);
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestDatabase::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QStringList TestDatabase::column(Database &database, const QString &sql)
{
    QStringList values;
    QSqlQuery query(database.connection());
    if (!query.exec(sql))
        return {QStringLiteral("<error>")};
    while (query.next())
        values.append(query.value(0).toString());
    return values;
}

void TestDatabase::freshFileGetsTheWholeSchema()
{
    Database database;
    QSignalSpy applied(&database, &Database::migrationApplied);
    QVERIFY(database.open(m_dir->filePath(QStringLiteral("zimbrel.db"))));
    QVERIFY(database.runMigrations());

    QCOMPARE(applied.count(), 2);
    QCOMPARE(column(database,
                    QStringLiteral("SELECT version || ':' || name FROM schema_version ORDER BY version")),
             QStringList({QStringLiteral("1:initial"), QStringLiteral("2:recon_sync")}));
    QCOMPARE(column(database,
                    QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'trigger' ORDER BY name")),
             QStringList({QStringLiteral("transactions_ad"), QStringLiteral("transactions_ai"),
                          QStringLiteral("transactions_au")}));
    const QStringList tables =
        column(database, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"));
    for (const char *table : {"accounts", "categories", "transactions", "transactions_fts", "split_lines",
                              "recurring_transactions", "reconciliations", "transaction_templates",
                              "sync_queue", "preferences", "schema_version"}) {
        QVERIFY2(tables.contains(QLatin1String(table)), table);
    }
    QCOMPARE(
        column(database,
               QStringLiteral("SELECT name FROM pragma_table_info('reconciliations') ORDER BY cid")),
        QStringList({QStringLiteral("id"), QStringLiteral("account_id"), QStringLiteral("statement_date"),
                     QStringLiteral("statement_balance"), QStringLiteral("reconciled_balance"),
                     QStringLiteral("completed_at"), QStringLiteral("version"), QStringLiteral("sync_status"),
                     QStringLiteral("server_id"), QStringLiteral("created_at"), QStringLiteral("updated_at"),
                     QStringLiteral("deleted_at")}));
    QCOMPARE(column(database, QStringLiteral("PRAGMA foreign_keys")), QStringList{QStringLiteral("1")});
    QCOMPARE(column(database, QStringLiteral("PRAGMA journal_mode")), QStringList{QStringLiteral("wal")});

    // The triggers keep the full-text index in step with the table.
    QSqlQuery query(database.connection());
    QVERIFY(query.exec(QStringLiteral(
        "INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', 'x', 'x')")));
    QVERIFY(query.exec(
        QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, "
                       "updated_at) VALUES ('t', 'a', '2026-01-01', 'Corner Grocery', -5, 'x', 'x')")));
    QCOMPARE(
        column(database,
               QStringLiteral("SELECT rowid FROM transactions_fts WHERE transactions_fts MATCH 'grocery'"))
            .size(),
        1);
    QVERIFY(query.exec(QStringLiteral("UPDATE transactions SET payee = 'Hardware Store' WHERE id = 't'")));
    QVERIFY(column(database, QStringLiteral(
                                 "SELECT rowid FROM transactions_fts WHERE transactions_fts MATCH 'grocery'"))
                .isEmpty());
    QCOMPARE(
        column(database,
               QStringLiteral("SELECT rowid FROM transactions_fts WHERE transactions_fts MATCH 'hardware'"))
            .size(),
        1);
}

void TestDatabase::versionOneIsUpgradedAndBackfilled()
{
    const QString path = m_dir->filePath(QStringLiteral("zimbrel.db"));
    {
        Database database;
        QVERIFY(database.open(path));
        QFile script(QStringLiteral(":/sql/sql/migrations/001_initial.sql"));
        QVERIFY(script.open(QIODevice::ReadOnly));
        QSqlQuery query(database.connection());
        QVERIFY(query.exec(
            QStringLiteral("CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  "
                           "name    TEXT NOT NULL,  applied_at TEXT NOT NULL DEFAULT (datetime('now')))")));
        QVERIFY(database.applyMigration(1, QStringLiteral("initial"), QString::fromUtf8(script.readAll())));
        QVERIFY(query.exec(QStringLiteral(
            "INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a', 'A', 'x', 'x')")));
        QVERIFY(query.exec(QStringLiteral("INSERT INTO reconciliations VALUES "
                                          "('r', 'a', '2025-12-31', 100, 100, '2026-01-02T10:00:00Z')")));
    }
    Database database;
    QSignalSpy applied(&database, &Database::migrationApplied);
    QVERIFY(database.open(path));
    QVERIFY(database.runMigrations());
    QCOMPARE(applied.count(), 1);
    QCOMPARE(applied.first().at(0).toInt(), 2);
    QCOMPARE(column(database,
                    QStringLiteral("SELECT created_at || '|' || updated_at || '|' || sync_status || '|' || "
                                   "version FROM reconciliations")),
             QStringList{QStringLiteral("2026-01-02T10:00:00Z|2026-01-02T10:00:00Z|pending|1")});
}

void TestDatabase::migratedDatabaseIsLeftAlone()
{
    const QString path = m_dir->filePath(QStringLiteral("zimbrel.db"));
    {
        Database database;
        QVERIFY(database.open(path));
        QVERIFY(database.runMigrations());
    }
    Database database;
    QSignalSpy applied(&database, &Database::migrationApplied);
    QSignalSpy failed(&database, &Database::migrationError);
    QVERIFY(database.open(path));
    QVERIFY(database.runMigrations());
    QCOMPARE(applied.count(), 0);
    QCOMPARE(failed.count(), 0);
    QCOMPARE(column(database, QStringLiteral("SELECT COUNT(*) FROM schema_version")),
             QStringList{QStringLiteral("2")});
}

void TestDatabase::failingStatementRollsTheMigrationBack()
{
    Database database;
    QVERIFY(database.open(m_dir->filePath(QStringLiteral("zimbrel.db"))));
    QVERIFY(database.runMigrations());
    QSignalSpy failed(&database, &Database::migrationError);
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Migration 3 failed:")));
    QVERIFY(!database.applyMigration(3, QStringLiteral("broken"),
                                     QStringLiteral("CREATE TABLE first_table (id TEXT);\n"
                                                    "INSERT INTO no_such_table VALUES (1);\n")));
    QCOMPARE(failed.count(), 1);
    QCOMPARE(failed.first().at(0).toInt(), 3);
    QVERIFY(column(database, QStringLiteral("SELECT name FROM sqlite_master WHERE name = 'first_table'"))
                .isEmpty());
    QCOMPARE(column(database, QStringLiteral("SELECT MAX(version) FROM schema_version")),
             QStringList{QStringLiteral("2")});

    // The last statement needs no ";" and a lone ";" is no statement.
    QVERIFY(database.applyMigration(3, QStringLiteral("tail"),
                                    QStringLiteral("CREATE TABLE first_table (id TEXT);\n;\n"
                                                   "INSERT INTO first_table VALUES ('x')")));
    QCOMPARE(column(database, QStringLiteral("SELECT id FROM first_table")),
             QStringList{QStringLiteral("x")});
}

void TestDatabase::splitStatements_data()
{
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QStringList>("statements");

    QTest::newRow("comments dropped, multi-line joined")
        << "-- header\nSELECT 1;\n  -- indented comment\nUPDATE t SET a = 1\nWHERE b = 2;\n"
        << QStringList{QStringLiteral("SELECT 1"), QStringLiteral("UPDATE t SET a = 1\nWHERE b = 2")};
    QTest::newRow("trigger body stays whole")
        << "CREATE TRIGGER x AFTER INSERT ON t BEGIN\n    INSERT INTO u VALUES (1);\n    DELETE FROM "
           "v;\nEND;\nSELECT 2;"
        << QStringList{
               QStringLiteral("CREATE TRIGGER x AFTER INSERT ON t BEGIN\n    INSERT INTO u VALUES (1);\n"
                              "    DELETE FROM v;\nEND"),
               QStringLiteral("SELECT 2")};
    QTest::newRow("last statement without semicolon")
        << "SELECT 1;\nSELECT 2" << QStringList{QStringLiteral("SELECT 1"), QStringLiteral("SELECT 2")};
    QTest::newRow("line of only a semicolon")
        << "SELECT 1;\n;\n  ;  \nSELECT 2;"
        << QStringList{QStringLiteral("SELECT 1"), QStringLiteral("SELECT 2")};
    QTest::newRow("empty script") << "\n\n-- nothing\n" << QStringList{};
}

void TestDatabase::splitStatements()
{
    QFETCH(QString, sql);
    QFETCH(QStringList, statements);
    QCOMPARE(Database::splitStatements(sql), statements);
}

void TestDatabase::openFailsForUnreachablePath()
{
    Database database;
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Failed to open database:")));
    QVERIFY(!database.open(m_dir->filePath(QStringLiteral("missing/deeper/zimbrel.db"))));
    QVERIFY(!database.isOpen());
}

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
