#include "screenservicesof.h"

#include "appstate.h"

ScreenServices screenServicesOf(const AppState *state)
{
    ScreenServices services;
    services.accountRepository = state->accountRepository();
    services.transactionRepository = state->transactionRepository();
    services.categoryRepository = state->categoryRepository();
    services.preferencesRepository = state->preferencesRepository();
    services.recurringRepository = state->recurringRepository();
    services.reconciliationRepository = state->reconciliationRepository();
    services.accountService = state->accountService();
    services.categoryService = state->categoryService();
    services.payeeService = state->payeeService();
    services.reconciliationService = state->reconciliationService();
    services.recurringService = state->recurringService();
    services.transactionService = state->transactionService();
    services.reportService = state->reportService();
    services.importService = state->importService();
    services.backupService = state->backupService();
    services.themeManager = state->themeManager();
    return services;
}
