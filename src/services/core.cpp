#include "core.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "services/backupservice.h"
#include "services/categoryservice.h"
#include "services/importservice.h"
#include "services/payeeservice.h"
#include "services/reconciliationservice.h"
#include "services/recurringservice.h"
#include "services/reportservice.h"
#include "services/transactionservice.h"

Core::Core(Database *database, QObject *parent, Clock clock)
    : QObject(parent)
    , m_database(database)
    , m_accountRepository(new AccountRepository(database, this))
    , m_transactionRepository(new TransactionRepository(database, this))
    , m_categoryRepository(new CategoryRepository(database, this))
    , m_preferencesRepository(new PreferencesRepository(database, this))
    , m_splitLineRepository(new SplitLineRepository(database, this))
    , m_recurringRepository(new RecurringRepository(database, this))
    , m_reconciliationRepository(new ReconciliationRepository(database, this))
    , m_accountService(new AccountService(database, m_accountRepository, m_transactionRepository,
                                          m_recurringRepository, m_reconciliationRepository, this, clock.now))
    , m_categoryService(new CategoryService(m_categoryRepository, this))
    , m_payeeService(new PayeeService(database, m_transactionRepository, this, clock.now))
    , m_reconciliationService(new ReconciliationService(database, m_accountRepository,
                                                        m_transactionRepository, m_reconciliationRepository,
                                                        this, clock.now))
    , m_recurringService(new RecurringService(database, m_recurringRepository, m_transactionRepository,
                                              m_accountRepository, this, clock.today))
    , m_transactionService(new TransactionService(database, m_transactionRepository, m_accountRepository,
                                                  m_categoryRepository, this, clock.now))
    , m_reportService(new ReportService(database, this))
    , m_importService(new ImportService(database, m_transactionRepository, m_categoryRepository,
                                        m_splitLineRepository, this))
    , m_backupService(new BackupService(database, this))
{
    if (!database->isReadOnly())
        m_categoryService->ensureDefaults();
}

Core::~Core() = default;
