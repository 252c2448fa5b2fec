#pragma once

#include <QDate>
#include <QDateTime>
#include <QObject>

#include <functional>

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
class TransactionRepository;
class TransactionService;

// Every repository and service of one open database, wired one way for the app, the command line,
// the tools and the tests: the same rules whoever writes. Owns them (as children); does not own
// the database, which its opener keeps open for as long as the Core lives.
class Core : public QObject
{
    Q_OBJECT

public:
    // What decides "today" and "now" for the services; the system clock where empty.
    struct Clock
    {
        std::function<QDate()> today;
        std::function<QDateTime()> now;
    };

    // A writable database without a live category gets the default categories first, so category
    // names resolve from the first command or screen on.
    explicit Core(Database *database, QObject *parent = nullptr, Clock clock = {});
    ~Core() override;

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

private:
    Database *m_database;
    AccountRepository *m_accountRepository;
    TransactionRepository *m_transactionRepository;
    CategoryRepository *m_categoryRepository;
    PreferencesRepository *m_preferencesRepository;
    SplitLineRepository *m_splitLineRepository;
    RecurringRepository *m_recurringRepository;
    ReconciliationRepository *m_reconciliationRepository;
    AccountService *m_accountService;
    CategoryService *m_categoryService;
    PayeeService *m_payeeService;
    ReconciliationService *m_reconciliationService;
    RecurringService *m_recurringService;
    TransactionService *m_transactionService;
    ReportService *m_reportService;
    ImportService *m_importService;
    BackupService *m_backupService;
};
