#pragma once

#include <QObject>
#include <QPointer>

class AppState;
class CategoriesScreen;
class ImportScreen;
class PayeeScreen;
class QSize;
class QWidget;
class ReconciliationHistoryScreen;
class RecurringScreen;
class ReportsScreen;
class SearchScreen;
class SettingsScreen;
struct Account;
namespace CorvantisAccount {
class AccountScreen;
}

// The main window's secondary windows. Each screen is created on first use and kept, a window of
// its own parented to the owner; only the reconciliation screen is new each time. What a screen
// changes is announced through the signals below, for the owner to bring itself up to date.
class SecondaryWindows : public QObject
{
    Q_OBJECT

public:
    SecondaryWindows(AppState *state, QWidget *owner);

    // Null until first shown.
    ReportsScreen *reportsScreen() const;
    RecurringScreen *recurringScreen() const;
    SearchScreen *searchScreen() const;
    CategoriesScreen *categoriesScreen() const;
    SettingsScreen *settingsScreen() const;
    ImportScreen *importScreen() const;
    PayeeScreen *payeeScreen() const;

    void showReports();
    void showRecurring();
    void showSearch();
    void showCategories();
    void showSettings();
    void showImport();
    void showPayees();
    void showReconciliationHistory(const QString &accountId);
    void showReconciliation(const Account &account);
    // `tab` is a CorvantisAccount::AccountScreen::Tab, clamped to the tabs there are.
    void showAccountScreen(int tab);
    // The account screen shows one user's account of one server: gone with the sign-in or the
    // server.
    void closeAccountScreen();

signals:
    // Transactions or balances changed: an import, posted recurring entries, a reconciliation.
    void accountDataChanged();
    void payeesChanged();
    void deletedAccountRestored();
    void transactionActivated(const QString &transactionId);
    void signOutRequested();

private:
    // Esc and Ctrl+W close a secondary window, except where closing would throw work away.
    enum class CloseKeys { EscapeAndCtrlW, None };
    void showWindow(QWidget *screen, const QString &title, const QSize &defaultSize,
                    CloseKeys closeKeys = CloseKeys::EscapeAndCtrlW);

    AppState *m_state;
    QWidget *m_owner;
    QPointer<ReconciliationHistoryScreen> m_reconciliationHistoryScreen;
    QPointer<ReportsScreen> m_reportsScreen;
    QPointer<RecurringScreen> m_recurringScreen;
    QPointer<SearchScreen> m_searchScreen;
    QPointer<CategoriesScreen> m_categoriesScreen;
    QPointer<SettingsScreen> m_settingsScreen;
    QPointer<ImportScreen> m_importScreen;
    QPointer<PayeeScreen> m_payeeScreen;
    QPointer<CorvantisAccount::AccountScreen> m_accountScreen;
};
