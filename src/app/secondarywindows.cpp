#include "secondarywindows.h"

#include "account/widgets/accountscreen.h"
#include "appsettingshost.h"
#include "appstate.h"
#include "screenservicesof.h"
#include "windowclosekeys.h"

#include "data/account.h"
#include "data/recurringrepository.h"
#include "ui/screens/categoriesscreen.h"
#include "ui/screens/importscreen.h"
#include "ui/screens/payeescreen.h"
#include "ui/screens/reconciliationhistoryscreen.h"
#include "ui/screens/reconciliationscreen.h"
#include "ui/screens/recurringscreen.h"
#include "ui/screens/reportsscreen.h"
#include "ui/screens/searchscreen.h"
#include "ui/screens/settingsscreen.h"

#include <QScreen>
#include <QWidget>

SecondaryWindows::SecondaryWindows(AppState *state, QWidget *owner)
    : QObject(owner)
    , m_state(state)
    , m_owner(owner)
{}

ReportsScreen *SecondaryWindows::reportsScreen() const
{
    return m_reportsScreen;
}

RecurringScreen *SecondaryWindows::recurringScreen() const
{
    return m_recurringScreen;
}

SearchScreen *SecondaryWindows::searchScreen() const
{
    return m_searchScreen;
}

CategoriesScreen *SecondaryWindows::categoriesScreen() const
{
    return m_categoriesScreen;
}

SettingsScreen *SecondaryWindows::settingsScreen() const
{
    return m_settingsScreen;
}

ImportScreen *SecondaryWindows::importScreen() const
{
    return m_importScreen;
}

PayeeScreen *SecondaryWindows::payeeScreen() const
{
    return m_payeeScreen;
}

void SecondaryWindows::showWindow(QWidget *screen, const QString &title, const QSize &defaultSize,
                                  CloseKeys closeKeys)
{
    screen->setWindowTitle(title);
    if (!screen->parentWidget()) {
        screen->setParent(m_owner, Qt::Window);
        // At least as wide as the screen asks for (the reports' tab bar), never larger than the
        // screen the window opens on.
        QSize size = defaultSize.expandedTo(QSize(screen->sizeHint().width(), 0));
        if (const QScreen *display = m_owner->screen())
            size = size.boundedTo(display->availableGeometry().size());
        screen->resize(size);
        if (closeKeys == CloseKeys::EscapeAndCtrlW)
            WindowCloseKeys::install(screen);
    }
    if (screen->isMinimized())
        screen->setWindowState(screen->windowState() & ~Qt::WindowMinimized);
    if (screen->isHidden())
        screen->show();
    screen->raise();
    screen->activateWindow();
}

void SecondaryWindows::showReconciliation(const Account &account)
{
    // A fresh screen each time: a half-finished reconciliation is not resumed.
    auto *screen = new ReconciliationScreen(screenServicesOf(m_state));
    screen->setObjectName(QStringLiteral("reconciliationScreen"));
    screen->setAttribute(Qt::WA_DeleteOnClose);
    connect(screen, &ReconciliationScreen::reconciliationCompleted, this, [this, screen] {
        emit accountDataChanged();
        screen->close();
    });
    connect(screen, &ReconciliationScreen::cancelled, screen, &QWidget::close);
    screen->setAccount(account.id);
    // A stray Esc must not throw away the rows ticked so far.
    showWindow(screen, tr("Reconcile — %1").arg(account.name), QSize(1100, 720), CloseKeys::None);
}

void SecondaryWindows::showReconciliationHistory(const QString &accountId)
{
    if (!m_reconciliationHistoryScreen) {
        m_reconciliationHistoryScreen = new ReconciliationHistoryScreen(screenServicesOf(m_state));
        m_reconciliationHistoryScreen->setObjectName(QStringLiteral("reconciliationHistoryScreen"));
    }
    m_reconciliationHistoryScreen->setAccount(accountId);
    showWindow(m_reconciliationHistoryScreen, tr("Reconciliation History"), QSize(750, 500));
}

void SecondaryWindows::showReports()
{
    if (!m_reportsScreen) {
        m_reportsScreen = new ReportsScreen(screenServicesOf(m_state));
        m_reportsScreen->setObjectName(QStringLiteral("reportsScreen"));
    }
    m_reportsScreen->refresh();
    showWindow(m_reportsScreen, tr("Reports"), QSize(800, 600));
}

void SecondaryWindows::showRecurring()
{
    if (!m_recurringScreen) {
        m_recurringScreen = new RecurringScreen(screenServicesOf(m_state));
        m_recurringScreen->setObjectName(QStringLiteral("recurringScreen"));
        connect(m_recurringScreen, &RecurringScreen::transactionsChanged, this,
                &SecondaryWindows::accountDataChanged);
        RecurringScreen *screen = m_recurringScreen;
        connect(m_state->recurringRepository(), &RecurringRepository::recurringChanged, screen, [screen] {
            if (screen->isVisible())
                screen->reload();
        });
    }
    m_recurringScreen->reload();
    showWindow(m_recurringScreen, tr("Recurring Transactions"), QSize(700, 500));
}

void SecondaryWindows::showSearch()
{
    if (!m_searchScreen) {
        m_searchScreen = new SearchScreen(screenServicesOf(m_state));
        m_searchScreen->setObjectName(QStringLiteral("searchScreen"));
        connect(m_searchScreen, &SearchScreen::editTransactionRequested, this,
                &SecondaryWindows::transactionActivated);
    }
    m_searchScreen->refresh();
    showWindow(m_searchScreen, tr("Search Transactions"), QSize(800, 550));
    m_searchScreen->focusQuery();
}

void SecondaryWindows::showCategories()
{
    if (!m_categoriesScreen) {
        m_categoriesScreen = new CategoriesScreen(m_state->categoryRepository());
        m_categoriesScreen->setObjectName(QStringLiteral("categoriesScreen"));
    }
    m_categoriesScreen->reload();
    showWindow(m_categoriesScreen, tr("Categories"), QSize(600, 500));
}

void SecondaryWindows::showSettings()
{
    if (!m_settingsScreen) {
        m_settingsScreen =
            new SettingsScreen(screenServicesOf(m_state), std::make_unique<AppSettingsHost>(m_state));
        m_settingsScreen->setObjectName(QStringLiteral("settingsScreen"));
        connect(m_settingsScreen, &SettingsScreen::deletedAccountRestored, this,
                &SecondaryWindows::deletedAccountRestored);
    }
    m_settingsScreen->refresh();
    showWindow(m_settingsScreen, tr("Preferences"), QSize(500, 550));
}

void SecondaryWindows::showImport()
{
    if (!m_importScreen) {
        m_importScreen = new ImportScreen(screenServicesOf(m_state));
        m_importScreen->setObjectName(QStringLiteral("importScreen"));
        connect(m_importScreen, &ImportScreen::importCompleted, this, &SecondaryWindows::accountDataChanged);
    }
    m_importScreen->reset();
    showWindow(m_importScreen, tr("Import Transactions"), QSize(650, 600));
}

void SecondaryWindows::showPayees()
{
    if (!m_payeeScreen) {
        m_payeeScreen = new PayeeScreen(screenServicesOf(m_state));
        m_payeeScreen->setObjectName(QStringLiteral("payeeScreen"));
        connect(m_payeeScreen, &PayeeScreen::payeesChanged, this, &SecondaryWindows::payeesChanged);
    }
    m_payeeScreen->reload();
    showWindow(m_payeeScreen, tr("Payee Management"), QSize(550, 500));
}

void SecondaryWindows::showAccountScreen(int tab)
{
    using CorvantisAccount::AccountScreen;
    if (!m_accountScreen) {
        m_accountScreen = new AccountScreen(m_state->cloudClient());
        m_accountScreen->setObjectName(QStringLiteral("corvantisAccountScreen"));
        connect(m_accountScreen, &AccountScreen::logoutRequested, this, &SecondaryWindows::signOutRequested);
    }
    showWindow(m_accountScreen, tr("Corvantis Account"), QSize(600, 550));
    m_accountScreen->showTab(
        static_cast<AccountScreen::Tab>(qBound(0, tab, static_cast<int>(AccountScreen::Tab::Privacy))));
}

void SecondaryWindows::closeAccountScreen()
{
    if (m_accountScreen)
        m_accountScreen->deleteLater();
}
