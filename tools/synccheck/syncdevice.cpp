#include "syncdevice.h"

#include "account/apiclient.h"
#include "account/client.h"
#include "account/cloudconfiguration.h"
#include "account/tokenmanager.h"
#include "account/tokenstore.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "services/categoryservice.h"
#include "services/reconciliationservice.h"
#include "services/recurringservice.h"
#include "services/transactionservice.h"
#include "sync/syncengine.h"
#include "sync/syncrecords.h"

#include <QDir>
#include <QEventLoop>
#include <QProcessEnvironment>
#include <QSqlQuery>
#include <QTimer>

using namespace CorvantisAccount;

namespace {

// The device's tokens, held by the device across opens rather than in a keyring or file.
class HeldTokenStore : public TokenStore
{
public:
    explicit HeldTokenStore(QHash<QString, QString> *values)
        : m_values(values)
    {}
    std::optional<QString> load(const QString &key) override
    {
        if (!m_values->contains(key))
            return std::nullopt;
        return m_values->value(key);
    }
    bool save(const QString &key, const QString &value) override
    {
        m_values->insert(key, value);
        return true;
    }
    bool remove(const QString &key) override
    {
        m_values->remove(key);
        return true;
    }

private:
    QHash<QString, QString> *m_values;
};

// Schedules fall due against a fixed day, so that a run depends on its seed alone.
QDate checkToday()
{
    return QDate(2026, 6, 30);
}

template<typename Record>
void addLive(QMap<QString, QJsonObject> *rows, const QString &table, const QList<Record> &records)
{
    for (const Record &record : records) {
        if (record.deletedAt)
            continue;
        const QJsonObject change = SyncRecords::changeFor(record);
        QJsonObject payload = change.value(QStringLiteral("payload")).toObject();
        payload.remove(QStringLiteral("server_id"));
        // A row made on two devices under one id (a default category, a posted occurrence) keeps
        // each device's creation time: a pulled change never rewrites it.
        payload.remove(QStringLiteral("created_at"));
        payload.insert(QStringLiteral("version"), change.value(QStringLiteral("version")));
        rows->insert(table + QLatin1Char('/') + record.id, payload);
    }
}

} // namespace

struct SyncDevice::Open
{
    std::unique_ptr<Database> database;
    std::unique_ptr<AccountRepository> accounts;
    std::unique_ptr<TransactionRepository> transactions;
    std::unique_ptr<CategoryRepository> categories;
    std::unique_ptr<RecurringRepository> recurring;
    std::unique_ptr<ReconciliationRepository> reconciliations;
    std::unique_ptr<PreferencesRepository> preferences;
    std::unique_ptr<AccountService> accountService;
    std::unique_ptr<TransactionService> transactionService;
    std::unique_ptr<CategoryService> categoryService;
    std::unique_ptr<RecurringService> recurringService;
    std::unique_ptr<ReconciliationService> reconciliationService;
    std::unique_ptr<Client> client;
    std::unique_ptr<SyncEngine> engine;

    ~Open()
    {
        // Users before what they use.
        engine.reset();
        client.reset();
        reconciliationService.reset();
        recurringService.reset();
        categoryService.reset();
        transactionService.reset();
        accountService.reset();
        preferences.reset();
        reconciliations.reset();
        recurring.reset();
        categories.reset();
        transactions.reset();
        accounts.reset();
        database.reset();
    }
};

SyncDevice::SyncDevice(const QString &name, const QString &dataDirectory)
    : m_name(name)
    , m_directory(dataDirectory)
{}

SyncDevice::~SyncDevice() = default;

void SyncDevice::setTokens(const QString &accessToken, const QString &refreshToken)
{
    m_tokens.insert(TokenStore::accessTokenKey, accessToken);
    m_tokens.insert(TokenStore::refreshTokenKey, refreshToken);
}

QString SyncDevice::accessToken() const
{
    return m_tokens.value(TokenStore::accessTokenKey);
}

bool SyncDevice::open(const QUrl &origin)
{
    close();
    auto open = std::make_unique<Open>();
    QDir().mkpath(m_directory);
    open->database = std::make_unique<Database>();
    if (!open->database->open(QDir(m_directory).filePath(QStringLiteral("zimbrel.db"))) ||
        !open->database->runMigrations()) {
        m_lastError = QStringLiteral("%1: the database does not open").arg(m_name);
        return false;
    }
    Database *database = open->database.get();
    open->accounts = std::make_unique<AccountRepository>(database);
    open->transactions = std::make_unique<TransactionRepository>(database);
    open->categories = std::make_unique<CategoryRepository>(database);
    open->recurring = std::make_unique<RecurringRepository>(database);
    open->reconciliations = std::make_unique<ReconciliationRepository>(database);
    open->preferences = std::make_unique<PreferencesRepository>(database);
    open->accountService =
        std::make_unique<AccountService>(database, open->accounts.get(), open->transactions.get(),
                                         open->recurring.get(), open->reconciliations.get());
    open->transactionService = std::make_unique<TransactionService>(
        database, open->transactions.get(), open->accounts.get(), open->categories.get());
    open->categoryService = std::make_unique<CategoryService>(open->categories.get());
    open->recurringService = std::make_unique<RecurringService>(
        database, open->recurring.get(), open->transactions.get(), open->accounts.get(), nullptr, checkToday);
    open->reconciliationService = std::make_unique<ReconciliationService>(
        database, open->accounts.get(), open->transactions.get(), open->reconciliations.get());
    open->categoryService->ensureDefaults();

    const CloudConfiguration configuration = resolveCloudConfiguration(
        QProcessEnvironment(), origin.toString(QUrl::StripTrailingSlash), QStringLiteral("1.0.0"));
    open->client =
        std::make_unique<Client>(configuration.client, std::make_unique<HeldTokenStore>(&m_tokens));
    open->client->syncApi()->setBaseUrl(QUrl(configuration.syncApiUrl));
    open->client->tokenManager()->loadTokens();
    open->engine = std::make_unique<SyncEngine>(
        open->client->syncApi(), open->accounts.get(), open->transactions.get(), open->categories.get(),
        open->recurring.get(), open->reconciliations.get(), open->preferences.get());
    m_open = std::move(open);
    return true;
}

void SyncDevice::close()
{
    m_open.reset();
}

SyncDevice::SyncOutcome SyncDevice::sync(int maxCycles)
{
    SyncOutcome outcome;
    SyncEngine *engine = m_open->engine.get();
    for (int cycle = 0; cycle < maxCycles; ++cycle) {
        QEventLoop loop;
        bool failed = false;
        const QObject scope;
        QObject::connect(engine, &SyncEngine::syncCompleted, &scope, [&loop] { loop.quit(); });
        QObject::connect(engine, &SyncEngine::syncFailed, &scope, [&loop, &failed] {
            failed = true;
            loop.quit();
        });
        // A dropped connection is reported by the network stack; a cycle that never ends is a
        // finding of its own.
        bool timedOut = false;
        QTimer::singleShot(120000, &scope, [&loop, &timedOut] {
            timedOut = true;
            loop.quit();
        });
        engine->syncNow();
        loop.exec();
        ++outcome.cycles;
        if (timedOut) {
            outcome.error = QStringLiteral("a sync cycle did not end");
            return outcome;
        }
        const SyncCycleResult result = engine->lastCycleResult();
        outcome.totals.pushed += result.pushed;
        outcome.totals.rejected += result.rejected;
        outcome.totals.pulled += result.pulled;
        if (failed) {
            outcome.error = engine->lastError();
            return outcome;
        }
        if (!result.morePages) {
            outcome.ok = true;
            return outcome;
        }
    }
    outcome.error = QStringLiteral("still more to pull after %1 cycles").arg(maxCycles);
    return outcome;
}

QMap<QString, QJsonObject> SyncDevice::liveRows() const
{
    QMap<QString, QJsonObject> rows;
    // The ids come from the table; the rows themselves through the repositories, as the engine reads them.
    QSqlQuery ids(m_open->database->connection());
    const auto idsOf = [&](const QString &table) {
        QStringList list;
        ids.exec(QStringLiteral("SELECT id FROM %1 WHERE deleted_at IS NULL ORDER BY id").arg(table));
        while (ids.next())
            list.append(ids.value(0).toString());
        return list;
    };
    QList<Account> accounts;
    for (const QString &id : idsOf(QStringLiteral("accounts")))
        accounts.append(*m_open->accounts->findById(id));
    addLive(&rows, QStringLiteral("account"), accounts);
    QList<Category> categories;
    for (const QString &id : idsOf(QStringLiteral("categories")))
        categories.append(*m_open->categories->findById(id));
    addLive(&rows, QStringLiteral("category"), categories);
    QList<RecurringTransaction> recurring;
    for (const QString &id : idsOf(QStringLiteral("recurring_transactions")))
        recurring.append(*m_open->recurring->findById(id));
    addLive(&rows, QStringLiteral("recurring"), recurring);
    QList<Transaction> transactions;
    for (const QString &id : idsOf(QStringLiteral("transactions")))
        transactions.append(*m_open->transactions->findById(id));
    addLive(&rows, QStringLiteral("transaction"), transactions);
    QList<Reconciliation> reconciliations;
    for (const QString &id : idsOf(QStringLiteral("reconciliations")))
        reconciliations.append(*m_open->reconciliations->findById(id));
    addLive(&rows, QStringLiteral("reconciliation"), reconciliations);
    return rows;
}

int SyncDevice::pendingTotal() const
{
    bool ok = false;
    int total = 0;
    for (const auto &[table, count] : SyncEngine::pendingCounts(&ok))
        total += count;
    return ok ? total : -1;
}

Database *SyncDevice::database() const
{
    return m_open->database.get();
}
AccountRepository *SyncDevice::accounts() const
{
    return m_open->accounts.get();
}
TransactionRepository *SyncDevice::transactions() const
{
    return m_open->transactions.get();
}
CategoryRepository *SyncDevice::categories() const
{
    return m_open->categories.get();
}
RecurringRepository *SyncDevice::recurring() const
{
    return m_open->recurring.get();
}
ReconciliationRepository *SyncDevice::reconciliations() const
{
    return m_open->reconciliations.get();
}
AccountService *SyncDevice::accountService() const
{
    return m_open->accountService.get();
}
TransactionService *SyncDevice::transactionService() const
{
    return m_open->transactionService.get();
}
CategoryService *SyncDevice::categoryService() const
{
    return m_open->categoryService.get();
}
RecurringService *SyncDevice::recurringService() const
{
    return m_open->recurringService.get();
}
ReconciliationService *SyncDevice::reconciliationService() const
{
    return m_open->reconciliationService.get();
}
SyncEngine *SyncDevice::engine() const
{
    return m_open->engine.get();
}
