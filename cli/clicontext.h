#pragma once

#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class Database;

// What a subcommand gets: the data directory, lazily opened storage, and the output conventions
// (JSON on standard output, one-line messages on standard error).
class CliContext
{
public:
    // `serverOrigin`: the --server option, already normalised; empty when not given.
    explicit CliContext(const QString &dataDirectory, const QString &serverOrigin = {});
    ~CliContext();

    QString dataDirectory() const { return m_dataDirectory; }
    QString serverOrigin() const { return m_serverOrigin; }
    // The self-hosted cloud origin in effect: --server, else the app's Server setting stored in the
    // data directory; empty for the built-in service. Nothing (after a message) when the database
    // holding the setting cannot be read.
    std::optional<QString> serverOriginInEffect();
    QString databasePath() const;

    // Opens and migrates the database on first use; null (after a message) when that fails.
    Database *database();
    // For commands that only read: when the data directory or the database file cannot be written
    // (a read-only mount, a copy on a CD), opens the existing database read-only instead of failing.
    Database *databaseForReading();

    void printJson(const QJsonValue &value) const;
    void printText(const QString &text) const;
    // Both return the exit code to hand back: 1 for a failure, 2 for a usage error.
    int fail(const QString &message) const;
    int usageError(const QString &message) const;

private:
    bool canWrite() const;

    QString m_dataDirectory;
    QString m_serverOrigin;
    std::unique_ptr<Database> m_database;
    bool m_databaseFailed = false;
};

struct CliCommand
{
    QString name;
    QString usage;   // arguments after the name, for --help
    QString summary; // one line
    std::function<int(CliContext &, const QStringList &)> run;
};

// Small argument reader shared by the subcommands: "--name value" options and positionals.
class CliArguments
{
public:
    // `flags` are options without a value; every other "--name" takes the next argument.
    CliArguments(const QStringList &arguments, const QStringList &valueOptions,
                 const QStringList &flags = {});

    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    QStringList positionals() const { return m_positionals; }
    bool has(const QString &option) const;
    QString value(const QString &option, const QString &fallback = {}) const;
    QStringList values(const QString &option) const;

private:
    QStringList m_positionals;
    QList<QPair<QString, QString>> m_options;
    QString m_error;
};
