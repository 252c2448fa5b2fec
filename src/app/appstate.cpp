#include "appstate.h"

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

#include <QDebug>

#include <memory>
#include <optional>

namespace {

const QString weekStartDayKey = QStringLiteral("weekStartDay");
const QString lastViewedAccountKey = QStringLiteral("lastViewedAccountId");

} // namespace

AppState::AppState(const QString &dataDirectory, QObject *parent)
    : QObject(parent)
    , m_dataDirectory(dataDirectory)
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

    if (const std::optional<QString> stored = m_preferencesRepository->value(lastViewedAccountKey))
        m_currentAccountId = *stored;

    emit databaseReady();
    return true;
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
