#pragma once

#include <QObject>
#include <QProcessEnvironment>
#include <QString>

namespace CorvantisAccount {
class Client;
}

class AccountRepository;
class AccountService;
class BackupService;
class CategoryRepository;
class CategoryService;
class Database;
class ImportService;
class PayeeService;
class PreferencesRepository;
class ReconciliationRepository;
class ReconciliationService;
class RecurringRepository;
class RecurringService;
class ReportService;
class SplitLineRepository;
class ThemeManager;
class TransactionRepository;
class TransactionService;

// The composition root: owns the database and every repository and service for the whole run
// (as children) and hands out plain pointers. Screens never own what they get from here.
class AppState : public QObject
{
    Q_OBJECT

public:
    // `environment` supplies the cloud endpoints (AUTH_BASE_URL and the others); tests hand in their own.
    explicit AppState(const QString &dataDirectory, QObject *parent = nullptr,
                      const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());
    ~AppState() override;

    // Opens and migrates the database, then builds everything on top of it. False when the
    // database cannot be opened or migrated; then nothing else is constructed.
    bool initialize();

    QString dataDirectory() const { return m_dataDirectory; }
    Database *database() const { return m_database; }
    AccountRepository *accountRepository() const { return m_accountRepository; }
    TransactionRepository *transactionRepository() const { return m_transactionRepository; }
    CategoryRepository *categoryRepository() const { return m_categoryRepository; }
    PreferencesRepository *preferencesRepository() const { return m_preferencesRepository; }
    SplitLineRepository *splitLineRepository() const { return m_splitLineRepository; }
    RecurringRepository *recurringRepository() const { return m_recurringRepository; }
    ReconciliationRepository *reconciliationRepository() const { return m_reconciliationRepository; }
    AccountService *accountService() const { return m_accountService; }
    CategoryService *categoryService() const { return m_categoryService; }
    PayeeService *payeeService() const { return m_payeeService; }
    ReconciliationService *reconciliationService() const { return m_reconciliationService; }
    RecurringService *recurringService() const { return m_recurringService; }
    TransactionService *transactionService() const { return m_transactionService; }
    ReportService *reportService() const { return m_reportService; }
    ImportService *importService() const { return m_importService; }
    BackupService *backupService() const { return m_backupService; }
    ThemeManager *themeManager() const { return m_themeManager; }
    // The cloud account client: endpoints from the environment, else the Server setting, else the
    // built-in service; tokens in the platform's store.
    CorvantisAccount::Client *cloudClient() const { return m_cloudClient; }
    // The self-hosted origin of the Server setting; empty for the built-in service (or a stored
    // value that is no origin).
    QString cloudServerOrigin() const;

    // The account the user viewed last; empty until known. Remembered in the preferences.
    QString currentAccountId() const { return m_currentAccountId; }
    void setCurrentAccount(const QString &accountId);

signals:
    void currentAccountChanged(const QString &accountId);
    void databaseReady();

private:
    void createCloudClient();

    QString m_dataDirectory;
    QProcessEnvironment m_environment;
    CorvantisAccount::Client *m_cloudClient = nullptr;
    Database *m_database = nullptr;
    AccountRepository *m_accountRepository = nullptr;
    TransactionRepository *m_transactionRepository = nullptr;
    CategoryRepository *m_categoryRepository = nullptr;
    PreferencesRepository *m_preferencesRepository = nullptr;
    SplitLineRepository *m_splitLineRepository = nullptr;
    RecurringRepository *m_recurringRepository = nullptr;
    ReconciliationRepository *m_reconciliationRepository = nullptr;
    AccountService *m_accountService = nullptr;
    CategoryService *m_categoryService = nullptr;
    PayeeService *m_payeeService = nullptr;
    ReconciliationService *m_reconciliationService = nullptr;
    RecurringService *m_recurringService = nullptr;
    TransactionService *m_transactionService = nullptr;
    ReportService *m_reportService = nullptr;
    ImportService *m_importService = nullptr;
    BackupService *m_backupService = nullptr;
    ThemeManager *m_themeManager = nullptr;
    QString m_currentAccountId;
};
