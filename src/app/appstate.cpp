#include "appstate.h"

#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/tokenmanager.h"
#include "account/cloudconfiguration.h"
#include "account/tokenstore.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/datadirectory.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "data/weekstartday.h"
#include "services/accountservice.h"
#include "services/backupservice.h"
#include "services/categoryservice.h"
#include "services/importservice.h"
#include "services/payeeservice.h"
#include "services/reconciliationservice.h"
#include "services/recurringservice.h"
#include "services/reportservice.h"
#include "services/transactionservice.h"
#include "thememanager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QUrl>

#include <memory>
#include <optional>

namespace {

const QString weekStartDayKey = QStringLiteral("weekStartDay");
const QString lastViewedAccountKey = QStringLiteral("lastViewedAccountId");

} // namespace

AppState::AppState(const QString &dataDirectory, QObject *parent, const QProcessEnvironment &environment)
    : QObject(parent)
    , m_dataDirectory(dataDirectory)
    , m_environment(environment)
{
}

AppState::~AppState() = default;

bool AppState::initialize()
{
    // Held outside the object tree until it is usable, so a failure leaves nothing behind.
    auto database = std::make_unique<Database>();
    const QString path = databasePath(m_dataDirectory);
    qInfo().noquote() << "Opening database at:" << path;
    if (!database->open(path) || !database->runMigrations())
        return false;
    m_database = database.release();
    m_database->setParent(this);

    m_accountRepository = new AccountRepository(m_database, this);
    m_transactionRepository = new TransactionRepository(m_database, this);
    m_categoryRepository = new CategoryRepository(m_database, this);
    m_preferencesRepository = new PreferencesRepository(m_database, this);
    m_splitLineRepository = new SplitLineRepository(m_database, this);
    m_recurringRepository = new RecurringRepository(m_database, this);
    m_reconciliationRepository = new ReconciliationRepository(m_database, this);
    m_accountService = new AccountService(m_database, m_accountRepository, m_transactionRepository,
                                          m_recurringRepository, m_reconciliationRepository, this);
    m_payeeService = new PayeeService(m_database, m_transactionRepository, this);
    m_reconciliationService = new ReconciliationService(m_database, m_accountRepository, m_transactionRepository,
                                                        m_reconciliationRepository, this);
    m_categoryService = new CategoryService(m_categoryRepository, this);
    m_recurringService =
        new RecurringService(m_recurringRepository, m_transactionRepository, m_accountRepository, this);
    m_transactionService = new TransactionService(m_database, m_transactionRepository, m_accountRepository,
                                                  m_categoryRepository, this);
    m_reportService = new ReportService(m_database, this);
    m_importService =
        new ImportService(m_database, m_transactionRepository, m_categoryRepository, m_splitLineRepository, this);
    m_backupService = new BackupService(m_database, this);

    m_themeManager = new ThemeManager(m_preferencesRepository, this);
    m_themeManager->setTheme(m_preferencesRepository->value(QStringLiteral("theme"), QStringLiteral("system")));

    if (const std::optional<QString> stored = m_preferencesRepository->value(weekStartDayKey)) {
        bool isNumber = false;
        const int day = stored->toInt(&isNumber);
        if (isNumber)
            setWeekStartDay(day);
    }

    m_categoryService->ensureDefaults();
    createCloudClient();

    if (const std::optional<QString> stored = m_preferencesRepository->value(lastViewedAccountKey))
        m_currentAccountId = *stored;

    emit databaseReady();
    return true;
}

QString AppState::cloudServerOrigin() const
{
    const QString stored =
        m_preferencesRepository->value(QString::fromLatin1(CorvantisAccount::serverOriginPreference), QString());
    return CorvantisAccount::normalizedServerOrigin(stored).value_or(QString());
}

void AppState::createCloudClient()
{
    const CorvantisAccount::CloudConfiguration configuration = CorvantisAccount::resolveCloudConfiguration(
        m_environment, cloudServerOrigin(), QCoreApplication::applicationVersion());
    qInfo().noquote() << "Auth:" << configuration.client.authBaseUrl << "Account:" << configuration.client.accountApiUrl
                      << "Sync:" << configuration.syncApiUrl;
    m_cloudClient = new CorvantisAccount::Client(
        configuration.client,
        CorvantisAccount::createTokenStore(CorvantisAccount::tokenStoreScope(configuration.client), m_dataDirectory),
        this);
    m_cloudClient->syncApi()->setBaseUrl(QUrl(configuration.syncApiUrl));

    CorvantisAccount::AuthClient *auth = m_cloudClient->authClient();
    auth->initialize();
    connect(auth, &CorvantisAccount::AuthClient::loginSucceeded, this,
            [] { qInfo() << "loginSucceeded: signed in to the cloud service"; });
    if (auth->isAuthenticated()) {
        // Through the token manager rather than the auth client, whose failed refresh signs out: a
        // start without network (a train, a captive portal) must not cost the user their sign-in.
        // A session the service has ended is still found out, at the first request's 401.
        m_cloudClient->tokenManager()->refresh(
            [](bool ok) { qInfo().noquote() << "Startup token refresh:" << (ok ? "ok" : "failed"); });
    }
}

void AppState::setCurrentAccount(const QString &accountId)
{
    if (accountId == m_currentAccountId)
        return;
    m_currentAccountId = accountId;
    if (m_preferencesRepository)
        m_preferencesRepository->setValue(lastViewedAccountKey, accountId);
    emit currentAccountChanged(accountId);
}
