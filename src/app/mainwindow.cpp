#include "mainwindow.h"

#include "accountsidebar.h"
#include "appstate.h"
#include "cloudsession.h"
#include "emptystatescreen.h"
#include "mainmenubar.h"
#include "screenservicesof.h"
#include "secondarywindows.h"
#include "statusbar.h"
#include "sync/syncengine.h"
#include "ui/widgets/thememanager.h"
#include "welcomescreen.h"

#include "data/accountrepository.h"
#include "data/database.h"
#include "data/datetext.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "services/recurringservice.h"
#include "services/sampledataservice.h"
#include "services/transactionservice.h"
#include "ui/dialogs/accountformdialog.h"
#include "ui/dialogs/recurringformdialog.h"
#include "ui/dialogs/transactionformdialog.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"
#include "update/updateflows.h"
#include "update/zimbrelupdateconfig.h"

#include <QAction>
#include <QCloseEvent>
#include <QDebug>
#include <QListWidgetItem>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>

#include <algorithm>

namespace {

const QString geometryKey = QStringLiteral("mainwindow/geometry");
const QString splitterKey = QStringLiteral("mainwindow/splitter");

bool developerItemsEnabled()
{
    return !qEnvironmentVariable("ZIMBREL_DEV").isEmpty();
}

} // namespace

MainWindow::MainWindow(AppState *state, CloudSession *session, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_session(session ? session : state->cloudSession())
    , m_updateConfig(CorvantisUpdate::zimbrelUpdateConfig(state->effectiveServerOrigin()))
{
    Q_ASSERT(m_session);
    setWindowTitle(tr("Corvantis Zimbrel"));
    const QByteArray geometry = QSettings().value(geometryKey).toByteArray();
    // Never larger than the screen it opens on: a laptop's 1366×768, a scaled display, or a
    // smaller monitor than the one the window was last closed on.
    const QSize available = screen() ? screen()->availableGeometry().size() : QSize(1280, 900);
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(QSize(1280, 900).boundedTo(available));
    else if (width() > available.width() || height() > available.height())
        resize(size().boundedTo(available));

    setupMenuBar();

    m_registerScreen = new RegisterScreen(screenServicesOf(m_state), this);
    connect(m_registerScreen, &RegisterScreen::reconcileRequested, this,
            &MainWindow::showReconciliationWindow);
    connect(m_registerScreen, &RegisterScreen::errorMessage, this,
            [this](const QString &text) { m_statusBar->showMessage(text, 5000); });
    connect(m_registerScreen, &RegisterScreen::newTransactionRequested, this,
            &MainWindow::newTransactionForm);
    connect(m_registerScreen, &RegisterScreen::memorizeRequested, this, &MainWindow::memorizeTransaction);

    m_windows = new SecondaryWindows(m_state, this);
    connect(m_windows, &SecondaryWindows::accountDataChanged, this, [this] {
        m_registerScreen->reload();
        onAccountsChanged();
    });
    connect(m_windows, &SecondaryWindows::payeesChanged, m_registerScreen, &RegisterScreen::reload);
    connect(m_windows, &SecondaryWindows::deletedAccountRestored, this, &MainWindow::onAccountsChanged);
    connect(m_windows, &SecondaryWindows::transactionActivated, this, &MainWindow::goToTransaction);
    connect(m_windows, &SecondaryWindows::signOutRequested, m_session, &CloudSession::signOut);

    connect(
        m_state->preferencesRepository(), &PreferencesRepository::changed, this, [this](const QString &key) {
            static const QStringList registerKeys = {QStringLiteral("registerTwoLine"),
                                                     QStringLiteral("registerNewestFirst"),
                                                     QStringLiteral("weekStartDay"), QStringLiteral("theme")};
            if (registerKeys.contains(key))
                m_registerScreen->reload();
        });

    m_welcomeScreen = new WelcomeScreen(this);
    connect(m_welcomeScreen, &WelcomeScreen::signInRequested, m_session, &CloudSession::signIn);
    connect(m_welcomeScreen, &WelcomeScreen::signOutRequested, m_session, &CloudSession::signOut);
    connect(m_welcomeScreen, &WelcomeScreen::dismissRequested, this, &MainWindow::onWelcomeDismissed);

    m_emptyStateScreen = new EmptyStateScreen(this);
    connect(m_emptyStateScreen, &EmptyStateScreen::createAccountRequested, this,
            &MainWindow::showNewAccountDialog);

    m_stack = new QStackedWidget(this);
    m_stack->addWidget(m_welcomeScreen);
    m_stack->addWidget(m_registerScreen);
    m_stack->addWidget(m_emptyStateScreen);

    m_sidebar = new AccountSidebar(m_state->accountRepository(), m_state->transactionRepository(), this);
    m_sidebar->setCurrentAccount(m_state->currentAccountId());
    connect(m_state, &AppState::currentAccountChanged, m_sidebar, &AccountSidebar::setCurrentAccount);
    connect(m_sidebar, &AccountSidebar::accountActivated, this, &MainWindow::selectAccount);
    connect(m_sidebar, &AccountSidebar::contextMenuRequested, this, &MainWindow::onAccountContextMenu);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->addWidget(m_sidebar);
    m_splitter->addWidget(m_stack);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    // The account list can be dragged shut, leaving the register the whole width.
    m_splitter->setCollapsible(0, true);
    m_splitter->setCollapsible(1, false);
    const QSettings settings;
    m_splitterSizesPending = !settings.contains(splitterKey) ||
                             !m_splitter->restoreState(settings.value(splitterKey).toByteArray());
    if (m_splitterSizesPending)
        m_splitter->setSizes({280, 1000});
    connect(m_splitter, &QSplitter::splitterMoved, m_sidebar, &AccountSidebar::fitRowsToWidth);
    setCentralWidget(m_splitter);

    m_statusBar = new StatusBar(this);
    setStatusBar(m_statusBar);
    connect(m_state->themeManager(), &ThemeManager::themeChanged, m_statusBar, &StatusBar::applyColors);
    connect(m_sidebar, &AccountSidebar::accountsListed, m_statusBar, &StatusBar::setAccountCount);

    connect(m_session, &CloudSession::stateChanged, this, &MainWindow::updateAuthUI);
    connect(m_session, &CloudSession::loginSucceeded, this,
            [this] { m_statusBar->showMessage(tr("Signed in successfully"), 3000); });
    connect(m_session, &CloudSession::loginFailed, this, [this](const QString &message) {
        m_statusBar->showMessage(tr("Sign-in failed: %1").arg(message), 5000);
    });
    // Another server: its download folder is where What's New and Check for Updates look now, and
    // the account window of the old one closes.
    connect(m_state, &AppState::cloudClientChanged, this, [this] {
        if (!m_updateConfigSet)
            m_updateConfig = CorvantisUpdate::zimbrelUpdateConfig(m_state->effectiveServerOrigin());
        m_windows->closeAccountScreen();
    });
    updateAuthUI();

    m_sidebar->installAccountShortcuts(this);

    onAccountsChanged();
    runDueRecurring();
    connect(m_state->recurringService(), &RecurringService::pendingCountChanged, this,
            &MainWindow::updateRecurringDue);
    connect(m_state->recurringRepository(), &RecurringRepository::recurringChanged, this,
            &MainWindow::updateRecurringDue);
    chooseStartPage();

    if (SyncEngine *engine = m_state->syncEngine()) {
        connect(engine, &SyncEngine::stateChanged, this, [this] {
            if (m_session->isSignedIn())
                m_statusBar->setSyncStateText(m_session->syncStateText());
        });
        connect(engine, &SyncEngine::syncCompleted, this, [this] {
            m_statusBar->showMessage(tr("Sync complete"), 2000);
            // A first sync may bring the accounts a new device did not have.
            if (m_state->currentAccountId().isEmpty() || m_stack->currentIndex() != RegisterPage)
                chooseStartPage();
        });
        connect(engine, &SyncEngine::syncFailed, this, [this](const QString &message) {
            m_statusBar->showMessage(tr("Sync failed: %1").arg(message), 5000);
        });
        connect(engine, &SyncEngine::dataChanged, this, [this] {
            m_sidebar->rebuild();
            m_registerScreen->reload();
        });
    }
}

MainWindow::~MainWindow() = default;

int MainWindow::currentPage() const
{
    return m_stack->currentIndex();
}

void MainWindow::setupMenuBar()
{
    m_menuBar = new MainMenuBar(developerItemsEnabled(), this);
    setMenuBar(m_menuBar);
    connect(m_menuBar, &MainMenuBar::newTransactionRequested, this, [this] {
        if (m_stack->currentIndex() == RegisterPage)
            m_registerScreen->insertNewEntry();
    });
    connect(m_menuBar, &MainMenuBar::newAccountRequested, this, &MainWindow::showNewAccountDialog);
    connect(m_menuBar, &MainMenuBar::importRequested, this, &MainWindow::showImportWindow);
    connect(m_menuBar, &MainMenuBar::cloudAccountRequested, this, [this] { showCorvantisAccountScreen(0); });
    connect(m_menuBar, &MainMenuBar::signInRequested, this, [this] {
        m_stack->setCurrentIndex(WelcomePage);
        // The user asked to sign in: Enter or Space on the page does it.
        m_welcomeScreen->focusAccountButton();
    });
    connect(m_menuBar, &MainMenuBar::signOutRequested, m_session, &CloudSession::signOut);
    connect(m_menuBar, &MainMenuBar::quitRequested, this, &QWidget::close);
    connect(m_menuBar, &MainMenuBar::findRequested, this, &MainWindow::showSearchWindow);
    connect(m_menuBar, &MainMenuBar::preferencesRequested, this, &MainWindow::showSettingsWindow);
    connect(m_menuBar, &MainMenuBar::editAccountRequested, this, &MainWindow::showEditAccountDialog);
    connect(m_menuBar, &MainMenuBar::reconcileRequested, this, &MainWindow::showReconciliationWindow);
    connect(m_menuBar, &MainMenuBar::reconciliationHistoryRequested, this,
            &MainWindow::showReconciliationHistoryWindow);
    connect(m_menuBar, &MainMenuBar::payeesRequested, this, &MainWindow::showPayeesWindow);
    connect(m_menuBar, &MainMenuBar::shareAccountRequested, this, &MainWindow::showShareAccountDialog);
    connect(m_menuBar, &MainMenuBar::deleteAccountRequested, this, &MainWindow::deleteCurrentAccount);
    connect(m_menuBar, &MainMenuBar::reportsRequested, this, &MainWindow::showReportsWindow);
    connect(m_menuBar, &MainMenuBar::recurringRequested, this, &MainWindow::showRecurringWindow);
    connect(m_menuBar, &MainMenuBar::categoriesRequested, this, &MainWindow::showCategoriesWindow);
    connect(m_menuBar, &MainMenuBar::whatsNewRequested, this, [this] {
        CorvantisUpdate::showReleaseNotes(m_updateConfig, QStringLiteral("Corvantis Zimbrel"), this,
                                          updateProgress());
    });
    connect(m_menuBar, &MainMenuBar::checkForUpdatesRequested, this, [this] {
        CorvantisUpdate::checkForUpdatesInteractive(m_updateConfig, QStringLiteral("Corvantis Zimbrel"), this,
                                                    updateProgress());
    });
    connect(m_menuBar, &MainMenuBar::loadSampleDataRequested, this, &MainWindow::loadSampleData);
    connect(m_menuBar, &MainMenuBar::clearSampleDataRequested, this, &MainWindow::clearSampleData);
}

CorvantisUpdate::UpdateProgress MainWindow::updateProgress()
{
    return {[this](const QString &text) { m_statusBar->showProgress(text); },
            [this] { m_statusBar->hideProgress(); },
            [this](const QString &text, int timeoutMs) {
                m_statusBar->showMessage(text, timeoutMs);
            }};
}

void MainWindow::updateAuthUI()
{
    const bool signedIn = m_session->isSignedIn();
    if (!signedIn)
        m_windows->closeAccountScreen();
    m_menuBar->setSignedIn(signedIn);
    m_welcomeScreen->setSignedIn(signedIn);
    if (!m_statusBar)
        return;
    if (signedIn) {
        m_statusBar->setSyncStateText(m_session->syncStateText());
        if (m_stack->currentIndex() == WelcomePage) {
            if (m_state->currentAccountId().isEmpty())
                m_stack->setCurrentIndex(EmptyStatePage);
            else
                selectAccount(m_state->currentAccountId());
        }
    } else {
        m_statusBar->setSyncStateText(tr("Not signed in"));
    }
}

void MainWindow::onAccountsChanged()
{
    // Called after writes that announce nothing (sample data), so every balance is read afresh.
    m_sidebar->reload();
}

void MainWindow::onAccountClicked(QListWidgetItem *item)
{
    const QString id = item ? item->data(Qt::UserRole).toString() : QString();
    if (!id.isEmpty())
        selectAccount(id);
}

void MainWindow::selectAccount(const QString &accountId)
{
    m_state->setCurrentAccount(accountId);
    m_registerScreen->setAccount(accountId);
    m_stack->setCurrentIndex(RegisterPage);
    m_sidebar->setCurrentAccount(accountId);
    // Typing starts in the register's blank row, without a click.
    m_registerScreen->focusNewEntryRow();
    m_registerScreen->view()->setFocus(Qt::OtherFocusReason);
}

void MainWindow::chooseStartPage()
{
    // The choice reads the list: a rebuild still waiting (accounts a sync has just brought in)
    // must come first.
    m_sidebar->rebuildIfPending();
    const QString current = m_state->currentAccountId();
    const std::optional<Account> remembered =
        current.isEmpty() ? std::nullopt : m_state->accountRepository()->findById(current);
    if (remembered && !remembered->deletedAt) {
        selectAccount(current);
        return;
    }
    const QStringList ids = m_sidebar->accountIds();
    if (!ids.isEmpty()) {
        selectAccount(ids.first());
        return;
    }
    m_stack->setCurrentIndex(m_session->isSignedIn() ? EmptyStatePage : WelcomePage);
    m_stack->currentWidget()->setFocus();
}

void MainWindow::runDueRecurring()
{
    const int posted = m_state->recurringService()->processDue();
    if (posted > 0) {
        m_statusBar->showMessage(tr("Auto-posted %n recurring transaction(s)", nullptr, posted), 5000);
        onAccountsChanged();
    }
    updateRecurringDue();
}

void MainWindow::updateRecurringDue()
{
    m_statusBar->setRecurringDue(m_state->recurringService()->pendingCount());
}

void MainWindow::onWelcomeDismissed()
{
    const QString current = m_state->currentAccountId();
    if (current.isEmpty()) {
        m_stack->setCurrentIndex(EmptyStatePage);
        m_emptyStateScreen->setFocus();
    } else {
        selectAccount(current);
    }
}

void MainWindow::newTransactionForm(const QString &accountId)
{
    if (accountId.isEmpty())
        return;
    TransactionFormDialog form(screenServicesOf(m_state), accountId, this);
    if (form.exec() != QDialog::Accepted)
        return;
    TransactionEntry entry;
    entry.transaction = form.transaction();
    m_state->transactionService()->create(entry);
    m_registerScreen->reload();
    m_registerScreen->focusNewEntryRow();
}

bool MainWindow::hasCurrentAccount()
{
    if (!m_state->currentAccountId().isEmpty())
        return true;
    m_statusBar->showMessage(tr("Select an account first"), 3000);
    return false;
}

void MainWindow::showNewAccountDialog()
{
    AccountFormDialog form(this);
    if (form.exec() != QDialog::Accepted)
        return;
    const Account entered = form.account();
    if (entered.name.isEmpty())
        return;
    const std::optional<Account> account = m_state->accountService()->createAccount(entered, form.asOfDate());
    if (!account) {
        m_statusBar->showMessage(tr("The account could not be created"), 5000);
        onAccountsChanged();
        return;
    }
    selectAccount(account->id);
}

void MainWindow::showEditAccountDialog()
{
    if (!hasCurrentAccount())
        return;
    const std::optional<Account> account =
        m_state->accountRepository()->findById(m_state->currentAccountId());
    if (!account)
        return;
    AccountFormDialog form(this);
    form.setAccount(*account);
    if (form.exec() != QDialog::Accepted)
        return;
    if (m_state->accountService()->updateAccount(form.account()) == AccountService::Outcome::StorageFailed)
        m_statusBar->showMessage(tr("The account could not be saved"), 5000);
    m_registerScreen->reload();
}

void MainWindow::showReconciliationWindow()
{
    if (!hasCurrentAccount())
        return;
    const std::optional<Account> account =
        m_state->accountRepository()->findById(m_state->currentAccountId());
    if (!account)
        return;
    m_windows->showReconciliation(*account);
}

void MainWindow::showReconciliationHistoryWindow()
{
    if (!hasCurrentAccount())
        return;
    m_windows->showReconciliationHistory(m_state->currentAccountId());
}

void MainWindow::memorizeTransaction(const RecurringTransaction &seed)
{
    auto *form = new RecurringFormDialog(screenServicesOf(m_state), this);
    form->setSeed(seed);
    if (form->exec() == QDialog::Accepted) {
        const RecurringService::Memorized memorized =
            m_state->recurringService()->memorize(form->recurring());
        if (memorized.recurring)
            m_registerScreen->showHint(tr("Transaction memorized as recurring"), 3000);
        else
            m_statusBar->showMessage(memorized.error, 5000);
    }
    form->deleteLater();
}

// A search result opens where it lives: its account's register, with the row current.
void MainWindow::goToTransaction(const QString &transactionId)
{
    const std::optional<Transaction> transaction = m_state->transactionRepository()->findById(transactionId);
    if (!transaction || transaction->deletedAt)
        return;
    selectAccount(transaction->accountId);
    const int row = m_registerScreen->model()->rowOfTransaction(transactionId);
    if (row >= 0) {
        m_registerScreen->view()->setCurrentIndex(
            m_registerScreen->model()->index(row, RegisterModel::PayeeColumn));
        m_registerScreen->view()->scrollTo(m_registerScreen->view()->currentIndex());
    }
    raise();
    activateWindow();
}

void MainWindow::showCorvantisAccountScreen(int tab)
{
    if (!m_session->isSignedIn()) {
        m_stack->setCurrentIndex(WelcomePage);
        m_welcomeScreen->setFocus();
        return;
    }
    m_windows->showAccountScreen(tab);
}

void MainWindow::showShareAccountDialog()
{
    if (!hasCurrentAccount())
        return;
    const std::optional<Account> account =
        m_state->accountRepository()->findById(m_state->currentAccountId());
    if (!account)
        return;
    if (!m_session->isSignedIn()) {
        QMessageBox::information(this, tr("Sign In Required"),
                                 tr("Sharing an account needs a signed-in Corvantis account.\n\n"
                                    "Sign in via File › Sign In, then share the account again."));
        return;
    }
    m_session->shareAccount(*account, this);
}

void MainWindow::onAccountContextMenu(const QPoint &position)
{
    QMenu menu(this);
    connect(menu.addAction(tr("New Account...")), &QAction::triggered, this,
            &MainWindow::showNewAccountDialog);
    const QString id = m_sidebar->accountIdAt(position);
    if (!id.isEmpty()) {
        const std::optional<Account> account = m_state->accountRepository()->findById(id);
        const QString name = account ? account->name : QString();
        const auto selectThen = [this, id](void (MainWindow::*show)()) {
            return [this, id, show] {
                selectAccount(id);
                (this->*show)();
            };
        };
        menu.addSeparator();
        connect(menu.addAction(tr("Edit \"%1\"...").arg(name)), &QAction::triggered, this,
                selectThen(&MainWindow::showEditAccountDialog));
        connect(menu.addAction(tr("Reconcile...")), &QAction::triggered, this,
                selectThen(&MainWindow::showReconciliationWindow));
        connect(menu.addAction(tr("Reconciliation History...")), &QAction::triggered, this,
                selectThen(&MainWindow::showReconciliationHistoryWindow));
        connect(menu.addAction(tr("Rename Payees...")), &QAction::triggered, this,
                selectThen(&MainWindow::showPayeesWindow));
        menu.addSeparator();
        connect(menu.addAction(tr("Share...")), &QAction::triggered, this,
                selectThen(&MainWindow::showShareAccountDialog));
        menu.addSeparator();
        connect(menu.addAction(tr("Delete \"%1\"").arg(name)), &QAction::triggered, this,
                [this, id] { deleteAccount(id); });
    }
    menu.exec(m_sidebar->listPositionToGlobal(position));
}

void MainWindow::deleteAccount(const QString &accountId)
{
    const std::optional<Account> account = m_state->accountRepository()->findById(accountId);
    if (!account)
        return;
    const auto answer =
        QMessageBox::warning(this, tr("Delete Account"),
                             tr("Delete \"%1\"?\n\nAll transactions, recurring entries, and reconciliation "
                                "history for this account will "
                                "be removed. You can restore it from Preferences → Data & Sync.")
                                 .arg(account->name),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;

    if (m_state->accountService()->deleteAccount(accountId) != AccountService::Outcome::Done) {
        m_statusBar->showMessage(tr("The account could not be deleted"), 5000);
        onAccountsChanged();
        return;
    }

    if (m_state->currentAccountId() == accountId) {
        m_state->setCurrentAccount(QString());
        m_stack->setCurrentIndex(WelcomePage);
        m_welcomeScreen->setFocus();
    }
    onAccountsChanged();
}

void MainWindow::deleteCurrentAccount()
{
    if (!hasCurrentAccount())
        return;
    deleteAccount(m_state->currentAccountId());
}

void MainWindow::loadSampleData()
{
    SampleDataService sampleData(m_state->database());
    if (sampleData.hasSampleData()) {
        QMessageBox::information(this, tr("Sample Data"), tr("Sample data is already loaded."));
        return;
    }
    sampleData.loadSampleData();
    onAccountsChanged();
    if (m_state->currentAccountId().isEmpty())
        chooseStartPage();
    m_statusBar->showMessage(tr("Sample data loaded"), 3000);
}

void MainWindow::clearSampleData()
{
    SampleDataService sampleData(m_state->database());
    if (!sampleData.hasSampleData()) {
        QMessageBox::information(this, tr("Sample Data"), tr("No sample data to clear."));
        return;
    }
    sampleData.clearSampleData();
    // A sample account that was current is gone; the register must not keep showing it.
    const QString current = m_state->currentAccountId();
    const std::optional<Account> account = m_state->accountRepository()->findById(current);
    if (!current.isEmpty() && (!account || account->deletedAt))
        m_state->setCurrentAccount(QString());
    onAccountsChanged();
    m_stack->setCurrentIndex(WelcomePage);
    m_welcomeScreen->setFocus();
    m_statusBar->showMessage(tr("Sample data cleared"), 3000);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_splitterSizesPending)
        return;
    m_splitterSizesPending = false;
    const int sidebar = AccountSidebar::preferredWidth(width());
    m_splitter->setSizes({sidebar, std::max(1, width() - sidebar)});
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    QSettings settings;
    settings.setValue(geometryKey, saveGeometry());
    settings.setValue(splitterKey, m_splitter->saveState());
    QMainWindow::closeEvent(event);
}
