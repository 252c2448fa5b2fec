#include "mainmenubar.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>

MainMenuBar::MainMenuBar(bool developerItems, QWidget *parent)
    : QMenuBar(parent)
{
    QMenu *fileMenu = addMenu(tr("&File"));
    QAction *newTransaction = fileMenu->addAction(tr("&New Transaction"));
    newTransaction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(newTransaction, &QAction::triggered, this, &MainMenuBar::newTransactionRequested);
    QAction *newAccount = fileMenu->addAction(tr("New &Account"));
    newAccount->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    connect(newAccount, &QAction::triggered, this, &MainMenuBar::newAccountRequested);
    fileMenu->addSeparator();
    QAction *import = fileMenu->addAction(tr("&Import..."));
    // Not Ctrl+I: that is the register's "insert new", and the register has the keyboard.
    import->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
    connect(import, &QAction::triggered, this, &MainMenuBar::importRequested);
    fileMenu->addSeparator();
    // Every item of a menu needs a letter of its own, or Alt+letter reaches only the first of two.
    QAction *cloudAccount = fileMenu->addAction(tr("&Corvantis Account..."));
    connect(cloudAccount, &QAction::triggered, this, &MainMenuBar::cloudAccountRequested);
    fileMenu->addSeparator();
    m_signInAction = fileMenu->addAction(tr("&Sign In..."));
    connect(m_signInAction, &QAction::triggered, this, &MainMenuBar::signInRequested);
    m_signOutAction = fileMenu->addAction(tr("Sign &Out"));
    connect(m_signOutAction, &QAction::triggered, this, &MainMenuBar::signOutRequested);
    fileMenu->addSeparator();
    QAction *quit = fileMenu->addAction(tr("&Quit"));
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &MainMenuBar::quitRequested);

    QMenu *editMenu = addMenu(tr("&Edit"));
    QAction *find = editMenu->addAction(tr("&Find..."));
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, &MainMenuBar::findRequested);
    editMenu->addSeparator();
    QAction *preferences = editMenu->addAction(tr("&Preferences..."));
    connect(preferences, &QAction::triggered, this, &MainMenuBar::preferencesRequested);

    QMenu *accountMenu = addMenu(tr("&Account"));
    connect(accountMenu->addAction(tr("&Edit...")), &QAction::triggered, this,
            &MainMenuBar::editAccountRequested);
    QAction *reconcile = accountMenu->addAction(tr("&Reconcile..."));
    reconcile->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(reconcile, &QAction::triggered, this, &MainMenuBar::reconcileRequested);
    connect(accountMenu->addAction(tr("Reconciliation &History...")), &QAction::triggered, this,
            &MainMenuBar::reconciliationHistoryRequested);
    connect(accountMenu->addAction(tr("Rename &Payees...")), &QAction::triggered, this,
            &MainMenuBar::payeesRequested);
    accountMenu->addSeparator();
    connect(accountMenu->addAction(tr("&Share...")), &QAction::triggered, this,
            &MainMenuBar::shareAccountRequested);
    accountMenu->addSeparator();
    connect(accountMenu->addAction(tr("&Delete")), &QAction::triggered, this,
            &MainMenuBar::deleteAccountRequested);

    QMenu *viewMenu = addMenu(tr("&View"));
    QAction *reports = viewMenu->addAction(tr("&Reports"));
    reports->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_2));
    connect(reports, &QAction::triggered, this, &MainMenuBar::reportsRequested);
    QAction *recurring = viewMenu->addAction(tr("Re&curring Transactions"));
    recurring->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_3));
    connect(recurring, &QAction::triggered, this, &MainMenuBar::recurringRequested);
    QAction *categories = viewMenu->addAction(tr("C&ategories"));
    categories->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_4));
    connect(categories, &QAction::triggered, this, &MainMenuBar::categoriesRequested);

    QMenu *helpMenu = addMenu(tr("&Help"));
    connect(helpMenu->addAction(tr("&About Corvantis Zimbrel")), &QAction::triggered, this,
            &MainMenuBar::showAboutBox);
    QAction *whatsNew = helpMenu->addAction(tr("What's &New..."));
    whatsNew->setObjectName(QStringLiteral("whatsNewAction"));
    connect(whatsNew, &QAction::triggered, this, &MainMenuBar::whatsNewRequested);
    QAction *checkForUpdates = helpMenu->addAction(tr("Check for &Updates..."));
    checkForUpdates->setObjectName(QStringLiteral("checkForUpdatesAction"));
    connect(checkForUpdates, &QAction::triggered, this, &MainMenuBar::checkForUpdatesRequested);
    helpMenu->addSeparator();
    connect(helpMenu->addAction(tr("&Keyboard Shortcuts")), &QAction::triggered, this,
            &MainMenuBar::showShortcutsBox);
    if (developerItems) {
        helpMenu->addSeparator();
        connect(helpMenu->addAction(tr("Load &Sample Data")), &QAction::triggered, this,
                &MainMenuBar::loadSampleDataRequested);
        connect(helpMenu->addAction(tr("&Clear Sample Data")), &QAction::triggered, this,
                &MainMenuBar::clearSampleDataRequested);
    }
}

void MainMenuBar::setSignedIn(bool signedIn)
{
    m_signInAction->setVisible(!signedIn);
    m_signOutAction->setVisible(signedIn);
}

void MainMenuBar::showAboutBox()
{
    QMessageBox::about(
        window(), tr("About Corvantis Zimbrel"),
        tr("<h3>Corvantis Zimbrel</h3><p>Version %1</p>"
           "<p>A digital checkbook register for tracking household finances.</p>"
           "<p><small>This application uses the Qt framework, licensed under the GNU Lesser General Public "
           "License version 3 (LGPLv3). The Qt source code is available from "
           "<a href=\"https://download.qt.io/official_releases/qt/\">download.qt.io</a>; see "
           "<a href=\"https://www.qt.io/licensing/open-source-lgpl-obligations\">qt.io</a> for the licence "
           "terms.</small></p>")
            .arg(QCoreApplication::applicationVersion()));
}

void MainMenuBar::showShortcutsBox()
{
    QMessageBox::information(
        window(), tr("Keyboard Shortcuts"),
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
