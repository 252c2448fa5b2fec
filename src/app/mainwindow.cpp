#include "mainwindow.h"

#include "accountsidebar.h"
#include "appstate.h"
#include "cloudsession.h"
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
#include "ui/widgets/registerstyle.h"
#include "update/updateflows.h"
#include "update/zimbrelupdateconfig.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidgetItem>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString geometryKey = QStringLiteral("mainwindow/geometry");
const QString splitterKey = QStringLiteral("mainwindow/splitter");

QString colorStyle(ThemeColor color)
{
    return QStringLiteral("color: %1;").arg(ThemeManager::color(color).name());
}

qreal smallerPointSize(int less)
{
    return qMax<qreal>(7, QApplication::font().pointSizeF() - less);
}

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

    m_emptyStatePage = buildEmptyStatePage();

    m_stack = new QStackedWidget(this);
    m_stack->addWidget(m_welcomeScreen);
    m_stack->addWidget(m_registerScreen);
    m_stack->addWidget(m_emptyStatePage);

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

QStringList MainWindow::shortcutAccountIds() const
{
    return m_sidebar->shortcutAccountIds();
}

QString MainWindow::totalText() const
{
    return m_sidebar->totalText();
}

void MainWindow::setupMenuBar()
{
    QMenuBar *bar = menuBar();

    QMenu *fileMenu = bar->addMenu(tr("&File"));
    QAction *newTransaction = fileMenu->addAction(tr("&New Transaction"));
    newTransaction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(newTransaction, &QAction::triggered, this, [this] {
        if (m_stack->currentIndex() == RegisterPage)
            m_registerScreen->insertNewEntry();
    });
    QAction *newAccount = fileMenu->addAction(tr("New &Account"));
    newAccount->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    connect(newAccount, &QAction::triggered, this, &MainWindow::showNewAccountDialog);
    fileMenu->addSeparator();
    QAction *import = fileMenu->addAction(tr("&Import..."));
    // Not Ctrl+I: that is the register's "insert new", and the register has the keyboard.
    import->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
    connect(import, &QAction::triggered, this, &MainWindow::showImportWindow);
    fileMenu->addSeparator();
    // Every item of a menu needs a letter of its own, or Alt+letter reaches only the first of two.
    QAction *cloudAccount = fileMenu->addAction(tr("&Corvantis Account..."));
    connect(cloudAccount, &QAction::triggered, this, [this] { showCorvantisAccountScreen(0); });
    fileMenu->addSeparator();
    m_signInAction = fileMenu->addAction(tr("&Sign In..."));
    connect(m_signInAction, &QAction::triggered, this, [this] {
        m_stack->setCurrentIndex(WelcomePage);
        // The user asked to sign in: Enter or Space on the page does it.
        m_welcomeScreen->focusAccountButton();
    });
    m_signOutAction = fileMenu->addAction(tr("Sign &Out"));
    connect(m_signOutAction, &QAction::triggered, m_session, &CloudSession::signOut);
    fileMenu->addSeparator();
    QAction *quit = fileMenu->addAction(tr("&Quit"));
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    QMenu *editMenu = bar->addMenu(tr("&Edit"));
    QAction *find = editMenu->addAction(tr("&Find..."));
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, &MainWindow::showSearchWindow);
    editMenu->addSeparator();
    QAction *preferences = editMenu->addAction(tr("&Preferences..."));
    connect(preferences, &QAction::triggered, this, &MainWindow::showSettingsWindow);

    QMenu *accountMenu = bar->addMenu(tr("&Account"));
    connect(accountMenu->addAction(tr("&Edit...")), &QAction::triggered, this,
            &MainWindow::showEditAccountDialog);
    QAction *reconcile = accountMenu->addAction(tr("&Reconcile..."));
    reconcile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(reconcile, &QAction::triggered, this, &MainWindow::showReconciliationWindow);
    connect(accountMenu->addAction(tr("Reconciliation &History...")), &QAction::triggered, this,
            &MainWindow::showReconciliationHistoryWindow);
    connect(accountMenu->addAction(tr("Rename &Payees...")), &QAction::triggered, this,
            &MainWindow::showPayeesWindow);
    accountMenu->addSeparator();
    connect(accountMenu->addAction(tr("&Share...")), &QAction::triggered, this,
            &MainWindow::showShareAccountDialog);
    accountMenu->addSeparator();
    connect(accountMenu->addAction(tr("&Delete")), &QAction::triggered, this,
            &MainWindow::deleteCurrentAccount);

    QMenu *viewMenu = bar->addMenu(tr("&View"));
    QAction *reports = viewMenu->addAction(tr("&Reports"));
    reports->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
    connect(reports, &QAction::triggered, this, &MainWindow::showReportsWindow);
    QAction *recurring = viewMenu->addAction(tr("Re&curring Transactions"));
    recurring->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_3));
    connect(recurring, &QAction::triggered, this, &MainWindow::showRecurringWindow);
    QAction *categories = viewMenu->addAction(tr("C&ategories"));
    categories->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_4));
    connect(categories, &QAction::triggered, this, &MainWindow::showCategoriesWindow);

    QMenu *helpMenu = bar->addMenu(tr("&Help"));
    connect(helpMenu->addAction(tr("&About Corvantis Zimbrel")), &QAction::triggered, this,
            &MainWindow::showAboutBox);
    QAction *whatsNew = helpMenu->addAction(tr("What's &New..."));
    whatsNew->setObjectName(QStringLiteral("whatsNewAction"));
    connect(whatsNew, &QAction::triggered, this, [this] {
        CorvantisUpdate::showReleaseNotes(m_updateConfig, QStringLiteral("Corvantis Zimbrel"), this,
                                          updateProgress());
    });
    QAction *checkForUpdates = helpMenu->addAction(tr("Check for &Updates..."));
    checkForUpdates->setObjectName(QStringLiteral("checkForUpdatesAction"));
    connect(checkForUpdates, &QAction::triggered, this, [this] {
        CorvantisUpdate::checkForUpdatesInteractive(m_updateConfig, QStringLiteral("Corvantis Zimbrel"), this,
                                                    updateProgress());
    });
    helpMenu->addSeparator();
    connect(helpMenu->addAction(tr("&Keyboard Shortcuts")), &QAction::triggered, this,
            &MainWindow::showShortcutsBox);
    if (developerItemsEnabled()) {
        helpMenu->addSeparator();
        connect(helpMenu->addAction(tr("Load &Sample Data")), &QAction::triggered, this,
                &MainWindow::loadSampleData);
        connect(helpMenu->addAction(tr("&Clear Sample Data")), &QAction::triggered, this,
                &MainWindow::clearSampleData);
    }
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
    m_signInAction->setVisible(!signedIn);
    m_signOutAction->setVisible(signedIn);
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

QWidget *MainWindow::buildEmptyStatePage()
{
    auto *page = new QWidget(this);
    auto *layout = new QVBoxLayout(page);
    layout->setSpacing(12);
    layout->addStretch(1);

    auto *glyph = new QLabel(QString(QChar(0xE850)), page);
    QFont glyphFont = iconFont();
    glyphFont.setPixelSize(96);
    glyph->setFont(glyphFont);
    glyph->setStyleSheet(colorStyle(ThemeColor::SidebarIcon));
    glyph->setAlignment(Qt::AlignCenter);
    layout->addWidget(glyph);
    layout->addSpacing(8);

    auto *title = new QLabel(tr("Welcome to Corvantis Zimbrel"), page);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(QApplication::font().pointSizeF() + 8);
    titleFont.setWeight(QFont::DemiBold);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    layout->addWidget(title);

    auto *subtitle = new QLabel(tr("Create your first account to get started."), page);
    QFont subtitleFont = subtitle->font();
    subtitleFont.setPointSizeF(QApplication::font().pointSizeF() + 1);
    subtitleFont.setWeight(QFont::Medium);
    subtitle->setFont(subtitleFont);
    subtitle->setStyleSheet(colorStyle(ThemeColor::SecondaryText));
    subtitle->setAlignment(Qt::AlignCenter);
    layout->addWidget(subtitle);
    layout->addSpacing(16);

    auto *create = new QPushButton(tr("Create Account"), page);
    create->setObjectName(QStringLiteral("createAccountButton"));
    create->setMinimumSize(180, 40);
    create->setCursor(Qt::PointingHandCursor);
    // Enter presses it, as in a dialog: the page is reached from the keyboard.
    create->setAutoDefault(true);
    create->setStyleSheet(
        QStringLiteral("QPushButton {  background-color: %1;  color: %4;  border: 2px solid transparent;  "
                       "border-radius: 4px;  padding: 6px 16px;  font-weight: 600;  min-width: 80px;}"
                       "QPushButton:hover {  background-color: %2;}"
                       "QPushButton:pressed {  background-color: %3;}"
                       // The keyboard's place on the page, which the accent hides.
                       "QPushButton:focus {  border-color: palette(window-text);}")
            .arg(ThemeManager::color(ThemeColor::Accent).name(),
                 ThemeManager::color(ThemeColor::AccentHover).name(),
                 ThemeManager::color(ThemeColor::AccentPressed).name(),
                 ThemeManager::color(ThemeColor::OnAccent).name()));
    connect(create, &QPushButton::clicked, this, &MainWindow::showNewAccountDialog);
    layout->addWidget(create, 0, Qt::AlignHCenter);
    layout->addSpacing(12);

    auto *hint = new QLabel(tr("You can also import transactions from a CSV file via File › Import."), page);
    hint->setWordWrap(true);
    hint->setMaximumWidth(480);
    QFont hintFont = hint->font();
    hintFont.setPointSizeF(smallerPointSize(2));
    hint->setFont(hintFont);
    hint->setStyleSheet(colorStyle(ThemeColor::SecondaryText));
    hint->setAlignment(Qt::AlignCenter);
    // Centred through stretches rather than an alignment flag, so the layout gives the wrapped
    // text the height it needs.
    auto *hintRow = new QHBoxLayout;
    hintRow->addStretch(1);
    hintRow->addWidget(hint, 4);
    hintRow->addStretch(1);
    layout->addLayout(hintRow);
    layout->addStretch(1);
    page->setFocusProxy(create);
    return page;
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
        m_emptyStatePage->setFocus();
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

ReportsScreen *MainWindow::reportsScreen() const
{
    return m_windows->reportsScreen();
}

RecurringScreen *MainWindow::recurringScreen() const
{
    return m_windows->recurringScreen();
}

SearchScreen *MainWindow::searchScreen() const
{
    return m_windows->searchScreen();
}

CategoriesScreen *MainWindow::categoriesScreen() const
{
    return m_windows->categoriesScreen();
}

SettingsScreen *MainWindow::settingsScreen() const
{
    return m_windows->settingsScreen();
}

ImportScreen *MainWindow::importScreen() const
{
    return m_windows->importScreen();
}

PayeeScreen *MainWindow::payeeScreen() const
{
    return m_windows->payeeScreen();
}

void MainWindow::showReportsWindow()
{
    m_windows->showReports();
}

void MainWindow::showRecurringWindow()
{
    m_windows->showRecurring();
}

void MainWindow::showSearchWindow()
{
    m_windows->showSearch();
}

void MainWindow::showCategoriesWindow()
{
    m_windows->showCategories();
}

void MainWindow::showSettingsWindow()
{
    m_windows->showSettings();
}

void MainWindow::showImportWindow()
{
    m_windows->showImport();
}

void MainWindow::showPayeesWindow()
{
    m_windows->showPayees();
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

void MainWindow::showAboutBox()
{
    QMessageBox::about(
        this, tr("About Corvantis Zimbrel"),
        tr("<h3>Corvantis Zimbrel</h3><p>Version %1</p>"
           "<p>A digital checkbook register for tracking household finances.</p>"
           "<p><small>This application uses the Qt framework, licensed under the GNU Lesser General Public "
           "License version 3 (LGPLv3). The Qt source code is available from "
           "<a href=\"https://download.qt.io/official_releases/qt/\">download.qt.io</a>; see "
           "<a href=\"https://www.qt.io/licensing/open-source-lgpl-obligations\">qt.io</a> for the licence "
           "terms.</small></p>")
            .arg(QCoreApplication::applicationVersion()));
}

void MainWindow::showShortcutsBox()
{
    QMessageBox::information(
        this, tr("Keyboard Shortcuts"),
        tr("<h3>Register</h3><table cellspacing='6'><tr><td><b>Ctrl+Enter</b></td><td>Save "
           "transaction</td></tr>"
           "<tr><td><b>Ctrl+I</b></td><td>Insert new "
           "transaction</td></tr><tr><td><b>Ctrl+D</b></td><td>Delete "
           "current transaction</td></tr><tr><td><b>Tab / Shift+Tab</b></td><td>Next / previous "
           "field</td></tr>"
           "<tr><td><b>' (apostrophe)</b></td><td>Copy value from field above</td></tr></table><h3>Date "
           "Field</h3>"
           "<table cellspacing='6'><tr><td><b>t</b></td><td>Today</td></tr><tr><td><b>+ / -</b></td><td>Next "
           "/ "
           "previous day</td></tr><tr><td><b>m / h</b></td><td>First / last day of "
           "month</td></tr><tr><td><b>y / "
           "r</b></td><td>First / last day of year</td></tr><tr><td><b>w / k</b></td><td>First / last day of "
           "week</td></tr></table><h3>General</h3><table cellspacing='6'><tr><td><b>Ctrl+N</b></td><td>New "
           "transaction</td></tr><tr><td><b>Ctrl+Shift+N</b></td><td>New "
           "account</td></tr><tr><td><b>Ctrl+R</b>"
           "</td><td>Reconcile account</td></tr><tr><td><b>Ctrl+F</b></td><td>Search "
           "transactions</td></tr><tr>"
           "<td><b>Ctrl+Shift+I</b></td><td>Import</td></tr><tr><td><b>Ctrl+2</b></td><td>Reports</td></"
           "tr><tr><td><b>"
           "Ctrl+3</b></td><td>Recurring "
           "transactions</td></tr><tr><td><b>Ctrl+4</b></td><td>Categories</td></tr>"
           "</table><h3>Accounts</h3><table cellspacing='6'><tr><td><b>Alt+1 &ndash; "
           "Alt+9</b></td><td>Switch to "
           "account 1&ndash;9</td></tr><tr><td><b>Alt+0</b></td><td>Switch to account 10</td></tr></table>"),
        QMessageBox::Ok);
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
