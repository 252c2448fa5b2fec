#include "clicontext.h"

#include "account/cloudconfiguration.h"
#include "data/database.h"
#include "data/datadirectory.h"
#include "data/preferencesrepository.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryFile>

#include <cstdio>

CliContext::CliContext(const QString &dataDirectory, const QString &serverOrigin)
    : m_dataDirectory(dataDirectory)
    , m_serverOrigin(serverOrigin)
{}

CliContext::~CliContext() = default;

QString CliContext::databasePath() const
{
    return ::databasePath(m_dataDirectory);
}

std::optional<QString> CliContext::serverOriginInEffect()
{
    if (!m_serverOrigin.isEmpty() || !QFileInfo::exists(databasePath()))
        return m_serverOrigin;
    Database *database = databaseForReading();
    if (!database)
        return std::nullopt;
    const QString stored = PreferencesRepository(database).value(
        QString::fromLatin1(CorvantisAccount::serverOriginPreference), {});
    if (const std::optional<QString> normalized = CorvantisAccount::normalizedServerOrigin(stored))
        return *normalized;
    if (!stored.isEmpty())
        qWarning().noquote() << "Ignoring the Server setting" << stored
                             << "- it is not an http or https origin";
    return QString();
}

Database *CliContext::databaseForReading()
{
    if (m_database || m_databaseFailed || canWrite())
        return database();
    auto database = std::make_unique<Database>();
    if (!QFileInfo::exists(databasePath()) || !database->openReadOnly(databasePath())) {
        m_databaseFailed = true;
        fail(QStringLiteral("cannot open the database at %1 for reading").arg(databasePath()));
        return nullptr;
    }
    if (!database->isSchemaCurrent()) {
        m_databaseFailed = true;
        fail(QStringLiteral("the database at %1 needs an upgrade and cannot be written").arg(databasePath()));
        return nullptr;
    }
    m_database = std::move(database);
    return m_database.get();
}

bool CliContext::canWrite() const
{
    // Tried rather than judged from permission bits, which say nothing to root or of a read-only mount.
    QTemporaryFile probe(QDir(m_dataDirectory).filePath(QStringLiteral("write-probe-XXXXXX")));
    if (!probe.open())
        return false;
    QFile file(databasePath());
    return !file.exists() || file.open(QIODevice::ReadWrite);
}

Database *CliContext::database()
{
    if (m_database || m_databaseFailed)
        return m_database.get();
    auto database = std::make_unique<Database>();
    if (!database->open(databasePath()) || !database->runMigrations()) {
        m_databaseFailed = true;
        fail(QStringLiteral("cannot open or migrate the database at %1").arg(databasePath()));
        return nullptr;
    }
    m_database = std::move(database);
    return m_database.get();
}

void CliContext::printJson(const QJsonValue &value) const
{
    QJsonDocument document;
    if (value.isArray())
        document = QJsonDocument(value.toArray());
    else
        document = QJsonDocument(value.toObject());
    const QByteArray bytes = document.toJson(QJsonDocument::Indented);
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

void CliContext::printText(const QString &text) const
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

int CliContext::fail(const QString &message) const
{
    std::fprintf(stderr, "zimbrel-cli: %s\n", message.toUtf8().constData());
    return 1;
}

int CliContext::usageError(const QString &message) const
{
    std::fprintf(stderr, "zimbrel-cli: %s\n", message.toUtf8().constData());
    return 2;
}

CliArguments::CliArguments(const QStringList &arguments, const QStringList &valueOptions,
                           const QStringList &flags)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (!argument.startsWith(QLatin1String("--")) || argument == QLatin1String("--")) {
            m_positionals.append(argument);
            continue;
        }
        if (flags.contains(argument)) {
            m_options.append({argument, QString()});
        } else if (valueOptions.contains(argument)) {
            if (i + 1 >= arguments.size()) {
                m_error = QStringLiteral("%1 needs a value").arg(argument);
                return;
            }
            m_options.append({argument, arguments.at(++i)});
        } else {
            m_error = QStringLiteral("unknown option %1").arg(argument);
            return;
        }
    }
}

bool CliArguments::has(const QString &option) const
{
    for (const auto &[name, value] : m_options) {
        if (name == option)
            return true;
    }
    return false;
}

QString CliArguments::value(const QString &option, const QString &fallback) const
{
    for (const auto &[name, value] : m_options) {
        if (name == option)
            return value;
    }
    return fallback;
}

QStringList CliArguments::values(const QString &option) const
{
    QStringList result;
    for (const auto &[name, value] : m_options) {
        if (name == option)
            result.append(value);
    }
    return result;
}
