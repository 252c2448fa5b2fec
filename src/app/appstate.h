#pragma once

#include "account/cloudconfiguration.h"
#include "services/core.h"

#include <QObject>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QUrl;

namespace CorvantisAccount {
class AccountSharingService;
class Client;
class TokenStore;
} // namespace CorvantisAccount

class AccountCloudSession;
class CloudSession;
class SyncEngine;
class ThemeManager;

// The GUI's composition root: owns the database and the Core of every repository and service on
// it for the whole run (as children), adds what only the GUI needs, and hands out plain pointers.
// Nothing that gets them from here owns them.
class AppState : public QObject
{
    Q_OBJECT

public:
    // `environment` supplies the cloud endpoints (AUTH_BASE_URL and the others); tests hand in their own.
    explicit AppState(const QString &dataDirectory, QObject *parent = nullptr,
                      const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());
    ~AppState() override;

    // Opens the login page in a browser; false when it could not.
    using UrlOpener = std::function<bool(const QUrl &url)>;
    // The token storage for one server's scope (CorvantisAccount::tokenStoreScope).
    using TokenStoreFactory =
        std::function<std::unique_ptr<CorvantisAccount::TokenStore>(const QString &scope)>;
    // Both apply to every cloud client built from then on; set them before initialize(). By
    // default the system browser and the platform's store (keyring, Credential Manager or the
    // private file in the data directory).
    void setUrlOpener(UrlOpener opener);
    void setTokenStoreFactory(TokenStoreFactory factory);

    // Opens and migrates the database, then builds everything on top of it. False when the
    // database cannot be opened or migrated; then nothing else is constructed.
    bool initialize();

    QString dataDirectory() const { return m_dataDirectory; }
    Database *database() const { return m_database; }
    // The repositories and services on the database, as the command line and the tools build them.
    Core *core() const { return m_core; }
    AccountRepository *accountRepository() const { return m_core ? m_core->accountRepository() : nullptr; }
    TransactionRepository *transactionRepository() const
    {
        return m_core ? m_core->transactionRepository() : nullptr;
    }
    CategoryRepository *categoryRepository() const { return m_core ? m_core->categoryRepository() : nullptr; }
    PreferencesRepository *preferencesRepository() const
    {
        return m_core ? m_core->preferencesRepository() : nullptr;
    }
    SplitLineRepository *splitLineRepository() const
    {
        return m_core ? m_core->splitLineRepository() : nullptr;
    }
    RecurringRepository *recurringRepository() const
    {
        return m_core ? m_core->recurringRepository() : nullptr;
    }
    ReconciliationRepository *reconciliationRepository() const
    {
        return m_core ? m_core->reconciliationRepository() : nullptr;
    }
    AccountService *accountService() const { return m_core ? m_core->accountService() : nullptr; }
    CategoryService *categoryService() const { return m_core ? m_core->categoryService() : nullptr; }
    PayeeService *payeeService() const { return m_core ? m_core->payeeService() : nullptr; }
    ReconciliationService *reconciliationService() const
    {
        return m_core ? m_core->reconciliationService() : nullptr;
    }
    RecurringService *recurringService() const { return m_core ? m_core->recurringService() : nullptr; }
    TransactionService *transactionService() const { return m_core ? m_core->transactionService() : nullptr; }
    ReportService *reportService() const { return m_core ? m_core->reportService() : nullptr; }
    ImportService *importService() const { return m_core ? m_core->importService() : nullptr; }
    BackupService *backupService() const { return m_core ? m_core->backupService() : nullptr; }
    ThemeManager *themeManager() const { return m_themeManager; }
    // Keeps the database and the cloud copy in step while signed in; follows the cloud client when
    // that is replaced.
    SyncEngine *syncEngine() const { return m_syncEngine; }
    // The cloud account client: endpoints from the environment, else the Server setting, else the
    // built-in service; tokens in the platform's store. Replaced when the Server setting changes
    // (cloudClientChanged); hold it no longer than that.
    CorvantisAccount::Client *cloudClient() const { return m_cloudClient; }
    // Account sharing through the cloud client's sync API; replaced with the client.
    CorvantisAccount::AccountSharingService *sharingService() const { return m_sharingService; }
    // The window's view of the sign-in; it follows the client when that is replaced.
    CloudSession *cloudSession() const;
    // The self-hosted origin of the Server setting; empty for the built-in service (or a stored
    // value that is no origin).
    QString cloudServerOrigin() const;
    // The origin the cloud client really talks to: the one origin its three endpoints share (the
    // Server setting, or environment variables pointing at one self-hosted service), else empty
    // (the built-in service). The update checker asks that server's download folder.
    QString effectiveServerOrigin() const;
    // The endpoint variables (AUTH_BASE_URL, ACCOUNT_API_URL, SYNC_API_URL) that are set and so
    // take precedence over the Server setting.
    QStringList cloudEndpointOverrides() const;
    // The endpoints the client uses now.
    CorvantisAccount::CloudConfiguration cloudConfiguration() const { return m_cloudConfiguration; }

    enum class ServerChange {
        Unchanged,     // the same origin as stored
        Saved,         // stored; the environment decides the endpoints, so the client stays
        Switched,      // stored; a client built for the new endpoints took over
        Invalid,       // not an http(s) origin; nothing changed
        StorageFailed, // the preference could not be written; nothing changed
    };
    // Changes the Server setting (`text` empty: the built-in service). When that changes the
    // endpoints, a new client takes over at once, restoring any session stored for the new
    // server; when it also changes the sign-in service, the session with the old one ends (signed
    // out there, its tokens erased): the app never keeps talking to a server the user has just
    // replaced.
    ServerChange setCloudServerOrigin(const QString &text);
    // Whether storing `origin` (normalised) would end the present session: it moves the sign-in
    // to another service.
    bool serverOriginEndsSession(const QString &origin) const;

    // The account the user viewed last; empty until known. Remembered in the preferences.
    QString currentAccountId() const { return m_currentAccountId; }
    void setCurrentAccount(const QString &accountId);

signals:
    void currentAccountChanged(const QString &accountId);
    void databaseReady();
    // A new client took over (the Server setting changed); the old one is gone or going.
    void cloudClientChanged();

private:
    CorvantisAccount::CloudConfiguration resolveCloudConfiguration(const QString &serverOrigin) const;
    CorvantisAccount::Client *createCloudClient(const CorvantisAccount::CloudConfiguration &configuration);

    QString m_dataDirectory;
    QProcessEnvironment m_environment;
    UrlOpener m_urlOpener;
    TokenStoreFactory m_tokenStoreFactory;
    CorvantisAccount::CloudConfiguration m_cloudConfiguration;
    SyncEngine *m_syncEngine = nullptr;
    CorvantisAccount::Client *m_cloudClient = nullptr;
    CorvantisAccount::AccountSharingService *m_sharingService = nullptr;
    AccountCloudSession *m_cloudSession = nullptr;
    Database *m_database = nullptr;
    Core *m_core = nullptr;
    ThemeManager *m_themeManager = nullptr;
    QString m_currentAccountId;
};
