#include "appstate.h"

#include "account/accountclient.h"
#include "account/accountsharingservice.h"
#include "account/apiclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/cloudconfiguration.h"
#include "account/tokenmanager.h"
#include "account/tokenstore.h"
#include "accountcloudsession.h"

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
#include "sync/syncengine.h"
#include "ui/widgets/thememanager.h"

#include <QCoreApplication>
#include <QDebug>
#include <QPointer>
#include <QUrl>

#include <memory>
#include <optional>

namespace {

const QString weekStartDayKey = QStringLiteral("weekStartDay");
// Automatic sync while signed in: every five minutes, besides the syncs after edits.
constexpr int autoSyncIntervalMs = 300000;
const QString lastViewedAccountKey = QStringLiteral("lastViewedAccountId");
const QString serverOriginKey = QString::fromLatin1(CorvantisAccount::serverOriginPreference);

// "scheme://host[:port]" of an http(s) address; empty for anything else.
QString originOf(const QString &address)
{
    const QUrl url(address);
    if (!url.isValid() || url.host().isEmpty() ||
        (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
        return {};
    return url.adjusted(QUrl::RemoveUserInfo | QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment)
        .toString(QUrl::FullyEncoded);
}

} // namespace

AppState::AppState(const QString &dataDirectory, QObject *parent, const QProcessEnvironment &environment)
    : QObject(parent)
    , m_dataDirectory(dataDirectory)
    , m_environment(environment)
{}

AppState::~AppState() = default;

void AppState::setUrlOpener(UrlOpener opener)
{
    m_urlOpener = std::move(opener);
    if (m_cloudClient && m_urlOpener)
        m_cloudClient->authClient()->setUrlOpener(m_urlOpener);
}

void AppState::setTokenStoreFactory(TokenStoreFactory factory)
{
    m_tokenStoreFactory = std::move(factory);
}

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

    m_core = new Core(m_database, this);

    m_themeManager = new ThemeManager(preferencesRepository(), this);
    m_themeManager->setTheme(
        preferencesRepository()->value(QStringLiteral("theme"), QStringLiteral("system")));

    if (const std::optional<QString> stored = preferencesRepository()->value(weekStartDayKey)) {
        bool isNumber = false;
        const int day = stored->toInt(&isNumber);
        if (isNumber)
            setWeekStartDay(day);
    }

    m_cloudConfiguration = resolveCloudConfiguration(cloudServerOrigin());
    m_cloudClient = createCloudClient(m_cloudConfiguration);
    m_sharingService = new CorvantisAccount::AccountSharingService(m_cloudClient->syncApi(), m_cloudClient);
    m_cloudSession = new AccountCloudSession(m_cloudClient, m_sharingService, this);

    m_syncEngine = new SyncEngine(m_cloudClient->syncApi(), accountRepository(), transactionRepository(),
                                  categoryRepository(), recurringRepository(), reconciliationRepository(),
                                  preferencesRepository(), this);
    m_syncEngine->setSyncAllowedCheck([this] {
        if (!m_cloudClient)
            return false;
        // The refresh token counts too: an access token about to expire is renewed on the way.
        const CorvantisAccount::TokenManager *tokens = m_cloudClient->tokenManager();
        return !tokens->accessToken().isEmpty() || !tokens->refreshToken().isEmpty();
    });
    m_cloudSession->setSyncEngine(m_syncEngine);
    // Every synchronised table: a schedule or a reconciliation made here must not wait for the
    // five-minute timer either.
    connect(accountRepository(), &AccountRepository::accountsChanged, m_syncEngine, &SyncEngine::requestSync);
    connect(transactionRepository(), &TransactionRepository::transactionsChanged, m_syncEngine,
            &SyncEngine::requestSync);
    connect(categoryRepository(), &CategoryRepository::categoriesChanged, m_syncEngine,
            &SyncEngine::requestSync);
    connect(recurringRepository(), &RecurringRepository::recurringChanged, m_syncEngine,
            &SyncEngine::requestSync);
    connect(reconciliationRepository(), &ReconciliationRepository::reconciliationsChanged, m_syncEngine,
            &SyncEngine::requestSync);
    connect(m_cloudSession, &CloudSession::sharingChanged, m_syncEngine, &SyncEngine::requestSync);

    if (const std::optional<QString> stored = preferencesRepository()->value(lastViewedAccountKey))
        m_currentAccountId = *stored;

    emit databaseReady();
    return true;
}

CloudSession *AppState::cloudSession() const
{
    return m_cloudSession;
}

QString AppState::cloudServerOrigin() const
{
    const QString stored = preferencesRepository()->value(serverOriginKey, QString());
    return CorvantisAccount::normalizedServerOrigin(stored).value_or(QString());
}

QString AppState::effectiveServerOrigin() const
{
    const QString auth = originOf(m_cloudConfiguration.client.authBaseUrl);
    if (auth.isEmpty() || auth != originOf(m_cloudConfiguration.client.accountApiUrl) ||
        auth != originOf(m_cloudConfiguration.syncApiUrl))
        return {};
    return auth;
}

QStringList AppState::cloudEndpointOverrides() const
{
    QStringList overrides;
    for (const QString &variable : {QStringLiteral("AUTH_BASE_URL"), QStringLiteral("ACCOUNT_API_URL"),
                                    QStringLiteral("SYNC_API_URL")}) {
        if (!m_environment.value(variable).isEmpty())
            overrides.append(variable);
    }
    return overrides;
}

CorvantisAccount::CloudConfiguration AppState::resolveCloudConfiguration(const QString &serverOrigin) const
{
    return CorvantisAccount::resolveCloudConfiguration(m_environment, serverOrigin,
                                                       QCoreApplication::applicationVersion());
}

bool AppState::serverOriginEndsSession(const QString &origin) const
{
    const CorvantisAccount::CloudConfiguration configuration = resolveCloudConfiguration(origin);
    return configuration != m_cloudConfiguration &&
           CorvantisAccount::tokenStoreScope(configuration.client) !=
               CorvantisAccount::tokenStoreScope(m_cloudConfiguration.client);
}

AppState::ServerChange AppState::setCloudServerOrigin(const QString &text)
{
    const QString trimmed = text.trimmed();
    const std::optional<QString> origin = trimmed.isEmpty()
                                              ? std::optional<QString>(QString())
                                              : CorvantisAccount::normalizedServerOrigin(trimmed);
    if (!origin)
        return ServerChange::Invalid;
    if (*origin == cloudServerOrigin())
        return ServerChange::Unchanged;
    if (!preferencesRepository()->setValue(serverOriginKey, *origin))
        return ServerChange::StorageFailed;
    const CorvantisAccount::CloudConfiguration configuration = resolveCloudConfiguration(*origin);
    if (configuration == m_cloudConfiguration)
        return ServerChange::Saved;

    CorvantisAccount::Client *previous = m_cloudClient;
    // The same sign-in service (AUTH_BASE_URL holds it while the other endpoints move): the
    // session and its stored tokens are the new client's too, and stay.
    const bool sameSignIn = CorvantisAccount::tokenStoreScope(configuration.client) ==
                            CorvantisAccount::tokenStoreScope(m_cloudConfiguration.client);
    m_cloudConfiguration = configuration;
    m_cloudClient = createCloudClient(configuration);
    m_sharingService = new CorvantisAccount::AccountSharingService(m_cloudClient->syncApi(), m_cloudClient);
    m_cloudSession->setClient(m_cloudClient, m_sharingService);
    // The old server's timer stops; a session restored for the new one starts it again.
    m_syncEngine->stopAutoSync();
    m_syncEngine->setSyncApi(m_cloudClient->syncApi());
    emit cloudClientChanged();
    // Signed out of the old server: its session ends there too, and its tokens are erased here,
    // so nothing is left behind that could still act for the user on a server no longer in use.
    // The old client lives until that request is answered (or times out).
    if (!sameSignIn && previous->isAuthenticated())
        previous->authClient()->logout([previous = QPointer<CorvantisAccount::Client>(previous)] {
            if (previous)
                previous->deleteLater();
        });
    else
        previous->deleteLater();
    return ServerChange::Switched;
}

CorvantisAccount::Client *
AppState::createCloudClient(const CorvantisAccount::CloudConfiguration &configuration)
{
    qInfo().noquote() << "Auth:" << configuration.client.authBaseUrl
                      << "Account:" << configuration.client.accountApiUrl
                      << "Sync:" << configuration.syncApiUrl;
    const QString scope = CorvantisAccount::tokenStoreScope(configuration.client);
    std::unique_ptr<CorvantisAccount::TokenStore> store =
        m_tokenStoreFactory ? m_tokenStoreFactory(scope) : nullptr;
    if (!store)
        store = CorvantisAccount::createTokenStore(scope, m_dataDirectory);
    auto *client = new CorvantisAccount::Client(configuration.client, std::move(store), this);
    client->syncApi()->setBaseUrl(QUrl(configuration.syncApiUrl));

    CorvantisAccount::AuthClient *auth = client->authClient();
    if (m_urlOpener)
        auth->setUrlOpener(m_urlOpener);
    connect(auth, &CorvantisAccount::AuthClient::loginSucceeded, client, [this, client] {
        qInfo() << "loginSucceeded: signed in to the cloud service";
        // The account's device list shows this machine from the first sign-in on.
        client->accountClient()->registerDevice();
        if (m_syncEngine && client == m_cloudClient) {
            qInfo() << "loginSucceeded: starting auto-sync + immediate sync";
            m_syncEngine->startAutoSync(autoSyncIntervalMs);
            m_syncEngine->requestSync();
        }
    });
    connect(auth, &CorvantisAccount::AuthClient::logoutCompleted, this, [this, client] {
        if (m_syncEngine && client == m_cloudClient)
            m_syncEngine->stopAutoSync();
    });
    client->initialize();
    if (auth->isAuthenticated()) {
        // Through the token manager rather than the auth client, whose failed refresh signs out: a
        // start without network (a train, a captive portal) must not cost the user their sign-in.
        // A session the service has ended is still found out, at the first request's 401.
        client->tokenManager()->refresh([this, client = QPointer<CorvantisAccount::Client>(client)](bool ok) {
            qInfo().noquote() << "Startup token refresh:" << (ok ? "ok" : "failed");
            if (!ok || !m_syncEngine || !client || client != m_cloudClient)
                return;
            qInfo() << "Startup: starting auto-sync + immediate sync";
            m_syncEngine->startAutoSync(autoSyncIntervalMs);
            m_syncEngine->requestSync();
        });
    }
    return client;
}

void AppState::setCurrentAccount(const QString &accountId)
{
    if (accountId == m_currentAccountId)
        return;
    m_currentAccountId = accountId;
    if (preferencesRepository())
        preferencesRepository()->setValue(lastViewedAccountKey, accountId);
    emit currentAccountChanged(accountId);
}
