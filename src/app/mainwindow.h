#pragma once

#include "accountsidebar.h"
#include "secondarywindows.h"
#include "update/updateconfig.h"

#include <QMainWindow>
#include <QStringList>

class AppState;
class CloudSession;
class EmptyStateScreen;
class MainMenuBar;
class QListWidgetItem;
class QSplitter;
class QStackedWidget;
class CategoriesScreen;
class ImportScreen;
class PayeeScreen;
class RecurringScreen;
class ReportsScreen;
class SearchScreen;
class SettingsScreen;
class RegisterScreen;
class StatusBar;
class WelcomeScreen;
struct RecurringTransaction;
namespace CorvantisUpdate {
struct UpdateProgress;
}

// The single top-level window: the account list on the left, and on the right the welcome page,
// the register of the current account or the empty-state page; the menu bar, the status bar and
// the Alt+digit account shortcuts. It keeps list and register in step with the repositories and
// opens every secondary window.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Stacked pages, in order.
    enum Page { WelcomePage = 0, RegisterPage = 1, EmptyStatePage = 2 };

    // `session` is the cloud sign-in state; the application state's when null.
    explicit MainWindow(AppState *state, CloudSession *session = nullptr, QWidget *parent = nullptr);
    ~MainWindow() override;

    int currentPage() const;
    RegisterScreen *registerScreen() const { return m_registerScreen; }
    // The secondary screens, null until first shown.
    ReportsScreen *reportsScreen() const { return m_windows->reportsScreen(); }
    RecurringScreen *recurringScreen() const { return m_windows->recurringScreen(); }
    SearchScreen *searchScreen() const { return m_windows->searchScreen(); }
    CategoriesScreen *categoriesScreen() const { return m_windows->categoriesScreen(); }
    SettingsScreen *settingsScreen() const { return m_windows->settingsScreen(); }
    ImportScreen *importScreen() const { return m_windows->importScreen(); }
    PayeeScreen *payeeScreen() const { return m_windows->payeeScreen(); }
    StatusBar *statusBarWidget() const { return m_statusBar; }
    // The account ids reachable through Alt+1 ... Alt+9, Alt+0, in that order.
    QStringList shortcutAccountIds() const { return m_sidebar->shortcutAccountIds(); }
    QString totalText() const { return m_sidebar->totalText(); }
    // Where Help › What's New and Check for Updates look: the download folder of the server the
    // cloud client uses (followed when the Server setting changes), unless set here.
    void setUpdateConfig(const CorvantisUpdate::UpdateConfig &config)
    {
        m_updateConfig = config;
        m_updateConfigSet = true;
    }
    CorvantisUpdate::UpdateConfig updateConfig() const { return m_updateConfig; }

public slots:
    void onAccountClicked(QListWidgetItem *item);
    void onAccountsChanged();
    void selectAccount(const QString &accountId);
    void showNewAccountDialog();
    void showEditAccountDialog();
    void showReportsWindow() { m_windows->showReports(); }
    void showRecurringWindow() { m_windows->showRecurring(); }
    void showSearchWindow() { m_windows->showSearch(); }
    void showCategoriesWindow() { m_windows->showCategories(); }
    void showSettingsWindow() { m_windows->showSettings(); }
    void showReconciliationWindow();
    void showReconciliationHistoryWindow();
    void showImportWindow() { m_windows->showImport(); }
    void showPayeesWindow() { m_windows->showPayees(); }
    void showShareAccountDialog();
    void onAccountContextMenu(const QPoint &position);
    void deleteAccount(const QString &accountId);
    void deleteCurrentAccount();
    void showCorvantisAccountScreen(int tab = 0);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void setupMenuBar();
    void updateAuthUI();
    void chooseStartPage();
    void runDueRecurring();
    void updateRecurringDue();
    void onWelcomeDismissed();
    void newTransactionForm(const QString &accountId);
    bool hasCurrentAccount();
    void loadSampleData();
    void memorizeTransaction(const RecurringTransaction &seed);
    void goToTransaction(const QString &transactionId);
    void clearSampleData();
    // The update flows report through the status bar: busy indicator, then a timed message.
    CorvantisUpdate::UpdateProgress updateProgress();

    AppState *m_state;
    CloudSession *m_session;
    CorvantisUpdate::UpdateConfig m_updateConfig;
    // Set from outside: a change of server leaves it alone.
    bool m_updateConfigSet = false;

    AccountSidebar *m_sidebar = nullptr;
    QSplitter *m_splitter = nullptr;
    // No stored splitter state: the sizes follow the window's width when it is first shown.
    bool m_splitterSizesPending = false;
    WelcomeScreen *m_welcomeScreen = nullptr;
    RegisterScreen *m_registerScreen = nullptr;
    EmptyStateScreen *m_emptyStateScreen = nullptr;
    QStackedWidget *m_stack = nullptr;
    MainMenuBar *m_menuBar = nullptr;
    StatusBar *m_statusBar = nullptr;

    SecondaryWindows *m_windows = nullptr;
};
