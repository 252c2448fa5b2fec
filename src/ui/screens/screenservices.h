#pragma once

class AccountRepository;
class AccountService;
class BackupService;
class CategoryRepository;
class CategoryService;
class ImportService;
class PayeeService;
class PreferencesRepository;
class ReconciliationRepository;
class ReconciliationService;
class RecurringRepository;
class RecurringService;
class ReportService;
class ThemeManager;
class TransactionRepository;
class TransactionService;

// The storage and services the register, the screens and the dialogs work through. The shell
// fills it from what it owns; a test fills in what the widget under test needs. Each pointer
// outlives the widgets given it.
struct ScreenServices
{
    AccountRepository *accountRepository = nullptr;
    TransactionRepository *transactionRepository = nullptr;
    CategoryRepository *categoryRepository = nullptr;
    PreferencesRepository *preferencesRepository = nullptr;
    RecurringRepository *recurringRepository = nullptr;
    ReconciliationRepository *reconciliationRepository = nullptr;
    AccountService *accountService = nullptr;
    CategoryService *categoryService = nullptr;
    PayeeService *payeeService = nullptr;
    ReconciliationService *reconciliationService = nullptr;
    RecurringService *recurringService = nullptr;
    TransactionService *transactionService = nullptr;
    ReportService *reportService = nullptr;
    ImportService *importService = nullptr;
    BackupService *backupService = nullptr;
    // Null where nothing switches themes (tests).
    ThemeManager *themeManager = nullptr;
};
