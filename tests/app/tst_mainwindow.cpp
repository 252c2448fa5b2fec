#include "app/mainwindow.h"

#include "app/accountlistwidget.h"
#include "app/cloudsession.h"
#include "app/guitesthelpers.h"
#include "app/statusbar.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/recurringtransaction.h"
#include "loopbackhttpserver.h"
#include "manifestjson.h"
#include "services/updatestartup.h"
#include "support/recordbuilders.h"
#include "ui/dialogs/transactionformdialog.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"
#include "ui/screens/importscreen.h"
#include "update/client.h"
#include "update/whatsnewdialog.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QWindow>

class SignedInSession : public CloudSession
{
public:
    using CloudSession::CloudSession;
    bool isSignedIn() const override { return true; }
    QString syncStateText() const override { return QStringLiteral("Synced"); }
};

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void startPageWithoutAccounts_data();
    void startPageWithoutAccounts();
    void opensOnTheLastViewedAccountWithFocusInTheBlankRow();
    void forgottenAccountFallsBackToTheFirst();
    void newAccountWithStartingBalance_data();
    void newAccountWithStartingBalance();
    void refusedOpeningBalanceCreatesNoAccount();
    void cliAndAppCreateTheSameRows();
    void altDigitSwitchesAccounts();
    void movedRowsStoreTheSortOrder();
    void dragReordersAndStoresTheSortOrder();
    void editAccountKeepsItsOpeningTransaction();
    void contextMenuOffersTheAccountActions();
    void deleteCurrentAccountLandsOnTheWelcomePage();
    void deleteOtherAccountKeepsTheRegister();
    void actionsWithoutAccountAskForOne();
    void reconcileThroughTheWindow();
    void registerCtrlNOpensTheTransactionForm();
    void dueRecurringIsPostedAtStart();
    void shareNeedsSignIn();
    void geometryAndSplitterPersist();
    void windowNeverOpensLargerThanTheScreen();
    void sidebarRowsShowWholeAndNamesElideFirst();
    void sidebarCanBeNarrowedAndCollapsed();
    void listShowsBalancesAndTotal();
    void balancePastTheRangeIsShownAsSuch();
    void noSampleItemsWithoutDeveloperMode();
    void sampleDataItemsInDeveloperMode();
    void importShortcutWorksFromTheRegister();
    void helpMenuUpdateItemsWorkWithTheStartupCheckOff();
    void noMenuSharesAMnemonic_data();
    void noMenuSharesAMnemonic();
};

namespace {

void pressInWindow(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QTest::keyClick(target, key, modifiers);
}

QAction *menuItem(MainWindow &window, const QString &text)
{
    for (QAction *menu : window.menuBar()->actions()) {
        if (!menu->menu())
            continue;
        for (QAction *item : menu->menu()->actions()) {
            if (item->text() == text)
                return item;
        }
    }
    return nullptr;
}

QListWidget *accountList(MainWindow &window)
{
    return window.findChild<QListWidget *>(QStringLiteral("accountList"));
}

bool showAndActivate(MainWindow &window)
{
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

} // namespace

void TestMainWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestMainWindow::init()
{
    QSettings().clear();
    TransactionFormDialog::resetLastDate();
}

void TestMainWindow::startPageWithoutAccounts_data()
{
    QTest::addColumn<bool>("signedIn");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("syncText");
    QTest::newRow("signed out") << false << int(MainWindow::WelcomePage) << QStringLiteral("Not signed in");
    QTest::newRow("signed in") << true << int(MainWindow::EmptyStatePage) << QStringLiteral("Synced");
}

void TestMainWindow::startPageWithoutAccounts()
{
    QFETCH(bool, signedIn);
    QFETCH(int, page);
    QFETCH(QString, syncText);

    TestState state;
    SignedInSession signedInSession;
    MainWindow window(state.get(), signedIn ? &signedInSession : nullptr);
    QCOMPARE(window.currentPage(), page);
    QCOMPARE(window.totalText(), QStringLiteral("No accounts"));
    QVERIFY(window.shortcutAccountIds().isEmpty());
    QCOMPARE(window.statusBarWidget()->syncStateText(), syncText);
    QCOMPARE(window.statusBarWidget()->accountCountText(), QStringLiteral("0 account(s)"));
}

// The user never needs the mouse: the window opens on the account viewed last, with the keyboard
// in the register's blank row.
void TestMainWindow::opensOnTheLastViewedAccountWithFocusInTheBlankRow()
{
    TestState state;
    Records::account(QStringLiteral("First")).addTo(state.core());
    const Account second = Records::account(QStringLiteral("Second")).sortOrder(1).addTo(state.core());
    Records::transaction(second.id, QDate(2025, 1, 2), -500)
        .payee(QStringLiteral("Shop"))
        .addTo(state.core());
    state->setCurrentAccount(second.id);

    MainWindow window(state.get());
    QVERIFY(showAndActivate(window));
    QCOMPARE(window.currentPage(), int(MainWindow::RegisterPage));
    QCOMPARE(window.registerScreen()->accountId(), second.id);
    QCOMPARE(accountList(window)->currentRow(), 1);
    RegisterTableView *view = window.registerScreen()->view();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(view));
    QCOMPARE(view->currentIndex().row(), window.registerScreen()->model()->blankRow());
    QCOMPARE(view->currentIndex().column(), 0);
}

void TestMainWindow::forgottenAccountFallsBackToTheFirst()
{
    TestState state;
    const Account first = Records::account(QStringLiteral("Alpha")).addTo(state.core());
    Records::account(QStringLiteral("Beta")).sortOrder(1).addTo(state.core());
    state->setCurrentAccount(newId());
    MainWindow window(state.get());
    QCOMPARE(window.currentPage(), int(MainWindow::RegisterPage));
    QCOMPARE(state->currentAccountId(), first.id);
}

void TestMainWindow::newAccountWithStartingBalance_data()
{
    QTest::addColumn<QString>("balance");
    QTest::addColumn<qint64>("opening");
    QTest::newRow("non-zero balance becomes a transaction") << QStringLiteral("1234.56") << qint64(123456);
    QTest::newRow("negative balance") << QStringLiteral("-75") << qint64(-7500);
    QTest::newRow("zero balance has no transaction") << QStringLiteral("0") << qint64(0);
}

void TestMainWindow::newAccountWithStartingBalance()
{
    QFETCH(QString, balance);
    QFETCH(qint64, opening);

    TestState state;
    const Account existing = Records::account(QStringLiteral("Existing")).sortOrder(4).addTo(state.core());
    MainWindow window(state.get());
    QVERIFY(showAndActivate(window));

    whenModalShown([balance](QWidget *form) {
        QTest::keyClicks(form->focusWidget(), QStringLiteral("Household"));
        auto *spin = form->findChild<QDoubleSpinBox *>(QStringLiteral("balanceSpin"));
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, balance);
        QTest::keyClick(spin, Qt::Key_Return);
    });
    pressInWindow(&window, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);

    const QList<Account> accounts = state->accountRepository()->all();
    QCOMPARE(accounts.size(), 2);
    // The new account goes after the existing one, whose sort order is 4.
    const Account created = accounts.last();
    QCOMPARE(created.name, QStringLiteral("Household"));
    QCOMPARE(created.startingBalance, Money(0));
    QCOMPARE(created.sortOrder, 5);
    QCOMPARE(state->currentAccountId(), created.id);
    QCOMPARE(window.currentPage(), int(MainWindow::RegisterPage));
    QVERIFY(existing.id != created.id);

    const QList<Transaction> transactions = state->transactionRepository()->byAccount(created.id);
    if (opening == 0) {
        QVERIFY(transactions.isEmpty());
        return;
    }
    QCOMPARE(transactions.size(), 1);
    const Transaction &row = transactions.first();
    QCOMPARE(row.payee, QStringLiteral("Opening Balance"));
    QCOMPARE(row.amount, Money(opening));
    QVERIFY(row.cleared);
    QVERIFY(row.reconciled);
    QCOMPARE(row.date, QDate::currentDate());
    QVERIFY(row.memo.isEmpty() && row.categoryId.isEmpty() && row.checkNumber.isEmpty());
    const QList<RegisterRow> rows = state->transactionRepository()->registerRows(created.id);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().transaction.payee, QStringLiteral("Opening Balance"));
    QCOMPARE(rows.first().transaction.id, row.id);
}

// Regression: the account was stored even when its opening transaction was refused, and the
// entered balance was lost without a trace.
void TestMainWindow::refusedOpeningBalanceCreatesNoAccount()
{
    TestState state;
    QSqlQuery trigger(state->database()->connection());
    QVERIFY(trigger.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON transactions "
                                        "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    MainWindow window(state.get());
    whenModalShown([](QWidget *form) {
        form->findChild<QLineEdit *>(QStringLiteral("nameEdit"))->setText(QStringLiteral("Lost"));
        form->findChild<QDoubleSpinBox *>(QStringLiteral("balanceSpin"))->setValue(250);
        static_cast<QDialog *>(form)->accept();
    });
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^TransactionRepository::insert failed:")));
    window.showNewAccountDialog();
    QVERIFY(state->accountRepository()->all().isEmpty());
    QCOMPARE(window.currentPage(), int(MainWindow::WelcomePage));
    QTRY_COMPARE(window.totalText(), QStringLiteral("No accounts"));
}

void TestMainWindow::altDigitSwitchesAccounts()
{
    TestState state;
    QList<Account> accounts;
    for (int i = 0; i < 11; ++i)
        accounts.append(Records::account(QStringLiteral("Account %1").arg(i + 1, 2, 10, QLatin1Char('0')))
                            .sortOrder(i)
                            .addTo(state.core()));
    MainWindow window(state.get());
    QVERIFY(showAndActivate(window));
    QCOMPARE(window.shortcutAccountIds().size(), 10);

    pressInWindow(&window, Qt::Key_3, Qt::AltModifier);
    QCOMPARE(state->currentAccountId(), accounts.at(2).id);
    QCOMPARE(window.registerScreen()->accountId(), accounts.at(2).id);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window.registerScreen()->view()));
    pressInWindow(&window, Qt::Key_0, Qt::AltModifier);
    QCOMPARE(state->currentAccountId(), accounts.at(9).id);
    pressInWindow(&window, Qt::Key_1, Qt::AltModifier);
    QCOMPARE(state->currentAccountId(), accounts.at(0).id);
    QCOMPARE(accountList(window)->currentRow(), 0);
    QVERIFY(!window.shortcutAccountIds().contains(accounts.at(10).id));
}

// After the list has moved a row, the whole order is stored.
void TestMainWindow::movedRowsStoreTheSortOrder()
{
    TestState state;
    const Account a = Records::account(QStringLiteral("A")).addTo(state.core());
    const Account b = Records::account(QStringLiteral("B")).sortOrder(1).addTo(state.core());
    const Account c = Records::account(QStringLiteral("C")).sortOrder(2).addTo(state.core());
    MainWindow window(state.get());
    auto *list = window.findChild<AccountListWidget *>(QStringLiteral("accountList"));
    QVERIFY(list->model()->moveRow(QModelIndex(), 2, QModelIndex(), 0));
    emit list->rowsReordered();
    QTRY_COMPARE(window.shortcutAccountIds(), QStringList({c.id, a.id, b.id}));
    const QList<Account> stored = state->accountRepository()->all();
    QCOMPARE(stored.at(0).id, c.id);
    QCOMPARE(stored.at(0).sortOrder, 0);
    QCOMPARE(stored.at(1).id, a.id);
    QCOMPARE(stored.at(2).id, b.id);
    QCOMPARE(stored.at(2).sortOrder, 2);
    QCOMPARE(window.shortcutAccountIds(), QStringList({c.id, a.id, b.id}));
}

// A real drag of the first row below the third. Needs a platform with drag and drop (run it with
// -platform xcb on an X display); the offscreen platform ends every drag at once.
void TestMainWindow::dragReordersAndStoresTheSortOrder()
{
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        QSKIP("drag and drop needs a windowing system");
    TestState state;
    const Account a = Records::account(QStringLiteral("A")).addTo(state.core());
    const Account b = Records::account(QStringLiteral("B")).sortOrder(1).addTo(state.core());
    const Account c = Records::account(QStringLiteral("C")).sortOrder(2).addTo(state.core());
    MainWindow window(state.get());
    QVERIFY(showAndActivate(window));
    QListWidget *list = accountList(window);
    QWidget *viewport = list->viewport();
    const QPoint from = list->visualItemRect(list->item(0)).center();
    const QRect last = list->visualItemRect(list->item(2));
    const QPoint to(last.center().x(), last.bottom() - 2);

    // The drag runs its own event loop and listens to the window: the move and the release over
    // the third row are queued before the move that starts the drag.
    QWindow *handle = window.windowHandle();
    const QPoint target = viewport->mapTo(&window, to);
    QTimer::singleShot(50, &window, [handle, target] {
        QTest::mouseMove(handle, target - QPoint(0, 4));
        QTest::mouseMove(handle, target);
        QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, target);
    });
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, from);
    const auto moveHeld = [viewport](const QPoint &position) {
        QMouseEvent move(QEvent::MouseMove, position, viewport->mapToGlobal(position), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    };
    moveHeld(from + QPoint(0, QApplication::startDragDistance() + 5));
    moveHeld(from + QPoint(0, 2 * QApplication::startDragDistance() + 10));

    QTRY_COMPARE(state->accountRepository()->all().first().id, b.id);
    const QList<Account> stored = state->accountRepository()->all();
    QCOMPARE(stored.at(0).id, b.id);
    QCOMPARE(stored.at(1).id, c.id);
    QCOMPARE(stored.at(2).id, a.id);
    QCOMPARE(stored.at(2).sortOrder, 2);
    QCOMPARE(window.shortcutAccountIds(), QStringList({b.id, c.id, a.id}));
}

// The balance entered at creation lives in the opening transaction, so the edit form shows 0 and
// saving it does not add the amount a second time.
namespace {

// Every row of `table` as column → value, without the columns that differ by nature between two
// databases (ids, the account reference, timestamps).
QList<QVariantMap> rowsWithoutIdentity(const QSqlDatabase &connection, const QString &table)
{
    static const QStringList identity{QStringLiteral("id"), QStringLiteral("account_id"),
                                      QStringLiteral("created_at"), QStringLiteral("updated_at")};
    QList<QVariantMap> rows;
    QSqlQuery query(connection);
    if (!query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table)))
        return rows;
    while (query.next()) {
        QVariantMap row;
        const QSqlRecord record = query.record();
        for (int column = 0; column < record.count(); ++column) {
            if (!identity.contains(record.fieldName(column)))
                row.insert(record.fieldName(column), record.value(column));
        }
        rows.append(row);
    }
    return rows;
}

} // namespace

// Regression: zimbrel-cli account-add kept a starting balance on the account, where the app stores
// it as an "Opening Balance" transaction; the same account looked different in every report.
void TestMainWindow::cliAndAppCreateTheSameRows()
{
    TestState state;
    MainWindow window(state.get());
    QVERIFY(showAndActivate(window));
    whenModalShown([](QWidget *form) {
        QTest::keyClicks(form->focusWidget(), QStringLiteral("Household"));
        QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(form->focusWidget(), QStringLiteral("Sa"));
        QTest::keyClick(form->focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(form->focusWidget(), QStringLiteral("EUR"));
        auto *spin = form->findChild<QDoubleSpinBox *>(QStringLiteral("balanceSpin"));
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, QStringLiteral("1234.56"));
        QTest::keyClick(spin, Qt::Key_Return);
    });
    pressInWindow(&window, Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(state->accountRepository()->all().size(), 1);

    QTemporaryDir cliDirectory;
    QProcess cli;
    cli.start(QStringLiteral(ZIMBREL_CLI_PATH),
              {QStringLiteral("--data-dir"), cliDirectory.path(), QStringLiteral("account-add"),
               QStringLiteral("Household"), QStringLiteral("--type"), QStringLiteral("savings"),
               QStringLiteral("--currency"), QStringLiteral("EUR"), QStringLiteral("--starting-balance"),
               QStringLiteral("1234.56")});
    QVERIFY(cli.waitForFinished(60000));
    QCOMPARE(cli.exitCode(), 0);

    QList<QVariantMap> cliAccounts;
    QList<QVariantMap> cliTransactions;
    {
        QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("cli"));
        connection.setDatabaseName(cliDirectory.filePath(QStringLiteral("zimbrel.db")));
        QVERIFY(connection.open());
        cliAccounts = rowsWithoutIdentity(connection, QStringLiteral("accounts"));
        cliTransactions = rowsWithoutIdentity(connection, QStringLiteral("transactions"));
        connection.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("cli"));

    const QSqlDatabase app = state->database()->connection();
    const QList<QVariantMap> appAccounts = rowsWithoutIdentity(app, QStringLiteral("accounts"));
    const QList<QVariantMap> appTransactions = rowsWithoutIdentity(app, QStringLiteral("transactions"));
    QCOMPARE(appAccounts.size(), 1);
    QCOMPARE(appAccounts.first().value(QStringLiteral("account_type")).toString(), QStringLiteral("savings"));
    QCOMPARE(appAccounts.first().value(QStringLiteral("currency")).toString(), QStringLiteral("EUR"));
    QCOMPARE(appTransactions.size(), 1);
    QCOMPARE(appTransactions.first().value(QStringLiteral("amount")).toLongLong(), 123456);
    QCOMPARE(cliAccounts, appAccounts);
    QCOMPARE(cliTransactions, appTransactions);
}

void TestMainWindow::editAccountKeepsItsOpeningTransaction()
{
    TestState state;
    MainWindow window(state.get());
    QVERIFY(showAndActivate(window));
    whenModalShown([](QWidget *form) {
        QTest::keyClicks(form->focusWidget(), QStringLiteral("Wallet"));
        auto *spin = form->findChild<QDoubleSpinBox *>(QStringLiteral("balanceSpin"));
        spin->setFocus();
        QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(spin, QStringLiteral("80"));
        QTest::keyClick(spin, Qt::Key_Return);
    });
    window.showNewAccountDialog();
    const Account created = state->accountRepository()->all().first();

    double shownBalance = -1;
    whenModalShown([&shownBalance](QWidget *form) {
        shownBalance = form->findChild<QDoubleSpinBox *>(QStringLiteral("balanceSpin"))->value();
        auto *name = form->findChild<QLineEdit *>(QStringLiteral("nameEdit"));
        name->setFocus();
        QTest::keyClick(name, Qt::Key_End);
        QTest::keyClicks(name, QStringLiteral(" Cash"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    window.showEditAccountDialog();
    QCOMPARE(shownBalance, 0.0);
    const Account edited = *state->accountRepository()->findById(created.id);
    QCOMPARE(edited.name, QStringLiteral("Wallet Cash"));
    QCOMPARE(edited.startingBalance, Money(0));
    QCOMPARE(edited.version, created.version + 1);
    QCOMPARE(edited.createdAt, created.createdAt);
    QCOMPARE(state->transactionRepository()->balance(created.id), Money(8000));
}

void TestMainWindow::contextMenuOffersTheAccountActions()
{
    TestState state;
    Records::account(QStringLiteral("Checking")).addTo(state.core());
    MainWindow window(state.get());
    QVERIFY(showAndActivate(window));
    QListWidget *list = accountList(window);
    QStringList onItem;
    QTimer::singleShot(100, &window, [&onItem] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (QAction *action : menu->actions())
                onItem.append(action->isSeparator() ? QStringLiteral("-") : action->text());
            menu->close();
        }
    });
    window.onAccountContextMenu(list->visualItemRect(list->item(0)).center());
    QCOMPARE(onItem,
             QStringList({QStringLiteral("New Account..."), QStringLiteral("-"),
                          QStringLiteral("Edit \"Checking\"..."), QStringLiteral("Reconcile..."),
                          QStringLiteral("Reconciliation History..."), QStringLiteral("Rename Payees..."),
                          QStringLiteral("-"), QStringLiteral("Share..."), QStringLiteral("-"),
                          QStringLiteral("Delete \"Checking\"")}));

    QStringList offList;
    QTimer::singleShot(100, &window, [&offList] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (QAction *action : menu->actions())
                offList.append(action->text());
            menu->close();
        }
    });
    window.onAccountContextMenu(QPoint(5, list->viewport()->height() - 5));
    QCOMPARE(offList, QStringList({QStringLiteral("New Account...")}));
}

void TestMainWindow::deleteCurrentAccountLandsOnTheWelcomePage()
{
    TestState state;
    const Account keep = Records::account(QStringLiteral("Keep")).addTo(state.core());
    const Account doomed = Records::account(QStringLiteral("Doomed")).sortOrder(1).addTo(state.core());
    Records::transaction(doomed.id, QDate(2025, 1, 1), -100).payee(QStringLiteral("One")).addTo(state.core());
    Records::transaction(doomed.id, QDate(2025, 1, 2), -200).payee(QStringLiteral("Two")).addTo(state.core());
    state->setCurrentAccount(doomed.id);
    MainWindow window(state.get());
    QVERIFY(showAndActivate(window));

    // No first: nothing happens.
    whenModalShown([](QWidget *box) { QTest::keyClick(box, Qt::Key_Escape); });
    window.deleteCurrentAccount();
    QCOMPARE(state->accountRepository()->all().size(), 2);

    QString question;
    whenModalShown([&question](QWidget *box) {
        question = static_cast<QMessageBox *>(box)->text();
        static_cast<QMessageBox *>(box)->button(QMessageBox::Yes)->click();
    });
    QTest::ignoreMessage(
        QtInfoMsg,
        QRegularExpression(
            QStringLiteral("^Cascade delete account %1 → transactions: 2 recurrings: 0 reconciliations: 0$")
                .arg(doomed.id)));
    window.deleteCurrentAccount();
    QVERIFY(question.startsWith(QStringLiteral("Delete \"Doomed\"?\n\n")));
    QCOMPARE(window.currentPage(), int(MainWindow::WelcomePage));
    QCOMPARE(state->currentAccountId(), QString());
    QCOMPARE(state->accountRepository()->all().size(), 1);
    QCOMPARE(state->accountRepository()->all().first().id, keep.id);
    QVERIFY(state->transactionRepository()->byAccount(doomed.id).isEmpty());
    QCOMPARE(window.shortcutAccountIds(), QStringList({keep.id}));
}

void TestMainWindow::deleteOtherAccountKeepsTheRegister()
{
    TestState state;
    const Account keep = Records::account(QStringLiteral("Keep")).addTo(state.core());
    const Account other = Records::account(QStringLiteral("Other")).sortOrder(1).addTo(state.core());
    state->setCurrentAccount(keep.id);
    MainWindow window(state.get());
    whenModalShown([](QWidget *box) { static_cast<QMessageBox *>(box)->button(QMessageBox::Yes)->click(); });
    QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QStringLiteral("^Cascade delete account")));
    window.deleteAccount(other.id);
    QCOMPARE(window.currentPage(), int(MainWindow::RegisterPage));
    QCOMPARE(state->currentAccountId(), keep.id);
    QCOMPARE(window.registerScreen()->accountId(), keep.id);
}

void TestMainWindow::actionsWithoutAccountAskForOne()
{
    TestState state;
    MainWindow window(state.get());
    QVERIFY(showAndActivate(window));
    pressInWindow(&window, Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(window.statusBarWidget()->currentMessage(), QStringLiteral("Select an account first"));
    window.statusBarWidget()->clearMessage();
    window.deleteCurrentAccount();
    QCOMPARE(window.statusBarWidget()->currentMessage(), QStringLiteral("Select an account first"));
    window.statusBarWidget()->clearMessage();
    window.showEditAccountDialog();
    QCOMPARE(window.statusBarWidget()->currentMessage(), QStringLiteral("Select an account first"));
}

void TestMainWindow::reconcileThroughTheWindow()
{
    TestState state;
    const Account account =
        Records::account(QStringLiteral("Checking")).startingBalance(10000).addTo(state.core());
    const Transaction pay = Records::transaction(account.id, QDate(2025, 1, 3), 50000)
                                .payee(QStringLiteral("Pay"))
                                .addTo(state.core());
    const Transaction rent = Records::transaction(account.id, QDate(2025, 1, 4), -30000)
                                 .payee(QStringLiteral("Rent"))
                                 .addTo(state.core());
    const Transaction open = Records::transaction(account.id, QDate(2025, 1, 5), -999)
                                 .payee(QStringLiteral("Open"))
                                 .addTo(state.core());
    MainWindow window(state.get());
    QVERIFY(showAndActivate(window));

    pressInWindow(&window, Qt::Key_R, Qt::ControlModifier);
    auto *screen = window.findChild<QWidget *>(QStringLiteral("reconciliationScreen"));
    QVERIFY(screen);
    QVERIFY(screen->isVisible());
    QCOMPARE(screen->windowTitle(), QStringLiteral("Reconcile — Checking"));
    QVERIFY(QTest::qWaitForWindowActive(screen));

    auto *spin = screen->findChild<QDoubleSpinBox *>(QStringLiteral("statementBalanceSpin"));
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spin, QStringLiteral("300"));
    QTest::keyClick(spin, Qt::Key_Tab);
    auto *table = screen->findChild<QTableWidget *>(QStringLiteral("transactionTable"));
    QCOMPARE(screen->focusWidget(), static_cast<QWidget *>(table));
    auto *finish = screen->findChild<QPushButton *>(QStringLiteral("finishButton"));
    table->setCurrentCell(0, 1);
    QTest::keyClick(table, Qt::Key_Space);
    QVERIFY(!finish->isEnabled());
    QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_Space);
    QVERIFY(finish->isEnabled());

    QPointer<QWidget> guard(screen);
    whenModalShown([](QWidget *box) { QTest::keyClick(box, Qt::Key_Return); });
    QTest::keyClick(table, Qt::Key_Tab);
    QCOMPARE(screen->focusWidget(), static_cast<QWidget *>(finish));
    QTest::keyClick(finish, Qt::Key_Return);
    QTRY_VERIFY(guard.isNull());

    QVERIFY(state->transactionRepository()->findById(pay.id)->reconciled);
    QVERIFY(state->transactionRepository()->findById(rent.id)->reconciled);
    QVERIFY(!state->transactionRepository()->findById(open.id)->reconciled);
    const QList<Reconciliation> history = state->reconciliationRepository()->byAccount(account.id);
    QCOMPARE(history.size(), 1);
    QCOMPARE(history.first().reconciledBalance, Money(30000));

    window.showReconciliationHistoryWindow();
    auto *historyScreen = window.findChild<QWidget *>(QStringLiteral("reconciliationHistoryScreen"));
    QVERIFY(historyScreen && historyScreen->isVisible());
    QCOMPARE(historyScreen->windowTitle(), QStringLiteral("Reconciliation History"));
    auto *historyTable = historyScreen->findChild<QTableWidget *>(QStringLiteral("historyTable"));
    QCOMPARE(historyTable->rowCount(), 1);
    QCOMPARE(historyTable->item(0, 1)->text(), QStringLiteral("$300.00"));
}

void TestMainWindow::registerCtrlNOpensTheTransactionForm()
{
    TestState state;
    const Account account = Records::account(QStringLiteral("Checking")).addTo(state.core());
    MainWindow window(state.get());
    QVERIFY(showAndActivate(window));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(window.registerScreen()->view()));

    whenModalShown([](QWidget *form) {
        QCOMPARE(form->windowTitle(), QStringLiteral("New Transaction"));
        auto *payee = form->findChild<QLineEdit *>(QStringLiteral("payeeEdit"));
        payee->setFocus();
        QTest::keyClicks(payee, QStringLiteral("Bakery"));
        QTest::keyClick(payee, Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("3.5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    QTest::keyClick(window.registerScreen()->view(), Qt::Key_N, Qt::ControlModifier);
    const QList<Transaction> transactions = state->transactionRepository()->byAccount(account.id);
    QCOMPARE(transactions.size(), 1);
    QCOMPARE(transactions.first().payee, QStringLiteral("Bakery"));
    QCOMPARE(transactions.first().amount, Money(-350));
}

void TestMainWindow::dueRecurringIsPostedAtStart()
{
    TestState state;
    const Account account = Records::account(QStringLiteral("Checking")).addTo(state.core());
    QVERIFY(state->recurringRepository()->insert(
        Records::recurring(account.id, QDate::currentDate().addDays(-1), -100000)
            .payee(QStringLiteral("Rent"))
            .autoPost()));

    MainWindow window(state.get());
    QCOMPARE(window.statusBarWidget()->currentMessage(),
             QStringLiteral("Auto-posted 1 recurring transaction(s)"));
    QCOMPARE(state->transactionRepository()->byAccount(account.id).size(), 1);
    QCOMPARE(window.statusBarWidget()->recurringDueText(), QString());
}

void TestMainWindow::shareNeedsSignIn()
{
    TestState state;
    Records::account(QStringLiteral("Checking")).addTo(state.core());
    MainWindow window(state.get());
    QString title;
    whenModalShown([&title](QWidget *box) {
        title = box->windowTitle();
        QTest::keyClick(box, Qt::Key_Return);
    });
    window.showShareAccountDialog();
    QCOMPARE(title, QStringLiteral("Sign In Required"));
}

void TestMainWindow::geometryAndSplitterPersist()
{
    TestState state;
    {
        MainWindow window(state.get());
        // The preferred first size, cut to the screen when that is smaller.
        const QSize available = window.screen()->availableGeometry().size();
        QCOMPARE(window.size(), QSize(1280, 900).boundedTo(available));
        QVERIFY(window.width() <= available.width() && window.height() <= available.height());
        // At the preferred size, the sidebar has its preferred width.
        window.resize(1280, 900);
        auto *splitter = window.findChild<QSplitter *>();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(splitter->sizes().first(), 280);
        // A size the screen holds, so that it comes back as it was.
        window.resize(available - QSize(40, 40));
        splitter->setSizes({250, available.width() - 290});
        window.close();
    }
    QVERIFY(QSettings().contains(QStringLiteral("mainwindow/geometry")));
    MainWindow again(state.get());
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    QCOMPARE(again.size(), again.screen()->availableGeometry().size() - QSize(40, 40));
    QCOMPARE(again.findChild<QSplitter *>()->sizes().first(), 250);
}

void TestMainWindow::windowNeverOpensLargerThanTheScreen()
{
    TestState state;
    const Account account =
        Records::account(QStringLiteral("Joint Household Checking at the Riverbend Credit Union"))
            .addTo(state.core());
    Records::transaction(account.id, QDate(2025, 1, 1), 250000)
        .payee(QStringLiteral("Employer"))
        .addTo(state.core());
    {
        MainWindow window(state.get());
        const QSize available = window.screen()->availableGeometry().size();
        // Nothing in it asks for more than the screen, not even a long account name.
        QVERIFY2(window.minimumSizeHint().width() <= available.width(),
                 qPrintable(
                     QStringLiteral("%1 > %2").arg(window.minimumSizeHint().width()).arg(available.width())));
        QVERIFY(window.minimumSizeHint().height() <= available.height());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.width() <= available.width() && window.height() <= available.height());
        // Last closed on a larger monitor.
        window.setGeometry(0, 0, available.width() * 2, available.height() * 2);
        window.close();
    }
    MainWindow again(state.get());
    again.show();
    QVERIFY(QTest::qWaitForWindowExposed(&again));
    const QRect available = again.screen()->availableGeometry();
    QVERIFY2(again.width() <= available.width() && again.height() <= available.height(),
             qPrintable(QStringLiteral("%1x%2").arg(again.width()).arg(again.height())));
}

void TestMainWindow::sidebarRowsShowWholeAndNamesElideFirst()
{
    TestState state;
    const Account account =
        Records::account(QStringLiteral("Joint Household Checking at the Riverbend Credit Union"))
            .addTo(state.core());
    Records::transaction(account.id, QDate(2025, 1, 1), -12345678)
        .payee(QStringLiteral("Builder"))
        .addTo(state.core());
    Records::account(QStringLiteral("Savings")).sortOrder(1).addTo(state.core());
    MainWindow window(state.get());
    window.resize(1024, 700);
    QVERIFY(showAndActivate(window));
    auto *list = window.findChild<AccountListWidget *>(QStringLiteral("accountList"));
    for (int row = 0; row < list->count(); ++row) {
        QWidget *rowWidget = list->itemWidget(list->item(row));
        // The widget gets the height it asks for: its descenders are not cut off.
        QTRY_VERIFY(rowWidget->height() >= rowWidget->sizeHint().height());
        for (QLabel *label : rowWidget->findChildren<QLabel *>())
            QVERIFY2(rowWidget->rect().contains(label->geometry()), qPrintable(label->text()));
    }
    // The sidebar at its narrowest: the long name gives way, the balance stays whole.
    auto *splitter = window.findChild<QSplitter *>();
    splitter->setSizes({1, 1023});
    QTRY_VERIFY(list->width() < 200);
    QWidget *row = list->itemWidget(list->item(0));
    auto *balance = row->findChild<QLabel *>(QStringLiteral("balanceLabel"));
    QCOMPARE(balance->text(), QStringLiteral("-$123,456.78"));
    QTRY_VERIFY(balance->width() >= balance->fontMetrics().horizontalAdvance(balance->text()));
    QVERIFY(row->rect().contains(balance->geometry()));
}

void TestMainWindow::sidebarCanBeNarrowedAndCollapsed()
{
    TestState state;
    Records::account(QStringLiteral("Checking")).addTo(state.core());
    MainWindow window(state.get());
    window.resize(1024, 700);
    QVERIFY(showAndActivate(window));
    auto *splitter = window.findChild<QSplitter *>();
    // A window narrower than 1280 gives the register the room.
    QVERIFY(splitter->sizes().first() < 280);
    QVERIFY(splitter->sizes().first() >= 200);
    QVERIFY(splitter->isCollapsible(0));
    QVERIFY(!splitter->isCollapsible(1));
    splitter->setSizes({0, 1024});
    QCOMPARE(splitter->sizes().first(), 0);
}

// Rows that arrived before amounts were bounded (or from a foreign tool) can sum past 64 bits: the
// list says so instead of showing 0 or a wrapped figure, and the total does the same.
void TestMainWindow::balancePastTheRangeIsShownAsSuch()
{
    TestState state;
    const Account huge = Records::account(QStringLiteral("Huge")).addTo(state.core());
    Records::account(QStringLiteral("Visa")).sortOrder(1).addTo(state.core());
    for (int i = 0; i < 2; ++i)
        Records::transaction(huge.id, QDate(2025, 1, 1), 6'000'000'000'000'000'000LL)
            .payee(QStringLiteral("Big"))
            .addTo(state.core());
    MainWindow window(state.get());
    QListWidget *list = accountList(window);
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->itemWidget(list->item(0))->findChild<QLabel *>(QStringLiteral("balanceLabel"))->text(),
             QStringLiteral("Out of range"));
    QCOMPARE(list->itemWidget(list->item(1))->findChild<QLabel *>(QStringLiteral("balanceLabel"))->text(),
             QStringLiteral("$0.00"));
    QCOMPARE(window.totalText(), QStringLiteral("Total: Out of range"));
}

void TestMainWindow::listShowsBalancesAndTotal()
{
    TestState state;
    const Account checking =
        Records::account(QStringLiteral("Checking")).startingBalance(100000).addTo(state.core());
    const Account visa = Records::account(QStringLiteral("Visa")).sortOrder(1).addTo(state.core());
    Records::transaction(checking.id, QDate(2025, 1, 1), -2550)
        .payee(QStringLiteral("Shop"))
        .addTo(state.core());
    Records::transaction(visa.id, QDate(2025, 1, 1), -12345)
        .payee(QStringLiteral("Gadget"))
        .addTo(state.core());
    MainWindow window(state.get());
    QListWidget *list = accountList(window);
    QCOMPARE(list->count(), 2);
    const auto balanceOf = [list](int row) {
        return list->itemWidget(list->item(row))->findChild<QLabel *>(QStringLiteral("balanceLabel"))->text();
    };
    QCOMPARE(balanceOf(0), QStringLiteral("$974.50"));
    QCOMPARE(balanceOf(1), QStringLiteral("-$123.45"));
    QCOMPARE(window.totalText(), QStringLiteral("Total: $851.05"));
    QCOMPARE(window.statusBarWidget()->accountCountText(), QStringLiteral("2 account(s)"));

    // A new transaction anywhere updates the list.
    Records::transaction(visa.id, QDate(2025, 1, 2), 12345)
        .payee(QStringLiteral("Payment"))
        .addTo(state.core());
    QTRY_COMPARE(window.totalText(), QStringLiteral("Total: $974.50"));
    QCOMPARE(balanceOf(1), QStringLiteral("$0.00"));

    // So does a changed starting balance.
    Account changed = *state->accountRepository()->findById(checking.id);
    changed.startingBalance = 0;
    QVERIFY(state->accountRepository()->update(changed));
    QTRY_COMPARE(window.totalText(), QStringLiteral("Total: -$25.50"));
    QCOMPARE(balanceOf(0), QStringLiteral("-$25.50"));
}

void TestMainWindow::noSampleItemsWithoutDeveloperMode()
{
    qputenv("ZIMBREL_DEV", "");
    TestState state;
    MainWindow window(state.get());
    QStringList texts;
    for (QAction *menu : window.menuBar()->actions()) {
        if (menu->menu()) {
            for (QAction *item : menu->menu()->actions())
                texts.append(item->text());
        }
    }
    QVERIFY(texts.contains(QStringLiteral("&Keyboard Shortcuts")));
    QVERIFY(!texts.contains(QStringLiteral("Load &Sample Data")));
    QVERIFY(!texts.contains(QStringLiteral("&Clear Sample Data")));
}

void TestMainWindow::sampleDataItemsInDeveloperMode()
{
    qputenv("ZIMBREL_DEV", "1");
    TestState state;
    MainWindow window(state.get());
    qunsetenv("ZIMBREL_DEV");
    QAction *load = nullptr;
    QAction *clear = nullptr;
    for (QAction *menu : window.menuBar()->actions()) {
        if (!menu->menu())
            continue;
        for (QAction *item : menu->menu()->actions()) {
            if (item->text() == QStringLiteral("Load &Sample Data"))
                load = item;
            else if (item->text() == QStringLiteral("&Clear Sample Data"))
                clear = item;
        }
    }
    QVERIFY(load && clear);

    load->trigger();
    QCOMPARE(window.statusBarWidget()->currentMessage(), QStringLiteral("Sample data loaded"));
    QCOMPARE(accountList(window)->count(), 3);
    QCOMPARE(window.currentPage(), int(MainWindow::RegisterPage));
    QCOMPARE(state->currentAccountId(), QStringLiteral("sample-acct-checking"));

    QString text;
    whenModalShown([&text](QWidget *box) {
        text = static_cast<QMessageBox *>(box)->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    load->trigger();
    QCOMPARE(text, QStringLiteral("Sample data is already loaded."));

    clear->trigger();
    QCOMPARE(window.statusBarWidget()->currentMessage(), QStringLiteral("Sample data cleared"));
    QCOMPARE(accountList(window)->count(), 0);
    QCOMPARE(window.currentPage(), int(MainWindow::WelcomePage));
    QCOMPARE(state->currentAccountId(), QString());

    whenModalShown([&text](QWidget *box) {
        text = static_cast<QMessageBox *>(box)->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    clear->trigger();
    QCOMPARE(text, QStringLiteral("No sample data to clear."));
}

// The start-up setting only keeps the program quiet at start; both Help items still ask the
// download server and report through the status bar.
void TestMainWindow::helpMenuUpdateItemsWorkWithTheStartupCheckOff()
{
    TestState state;
    QVERIFY(UpdateStartup::setCheckAtStartupEnabled(state->preferencesRepository(), false));
    LoopbackHttpServer server([](const LoopbackRequest &request) {
        if (request.path == "/zimbrel/stable/latest.json") {
            const QJsonObject artifacts{
                {CorvantisUpdate::Client::platformKey(), ManifestJson::artifact("1.0.5")}};
            return LoopbackResponse{200, ManifestJson::manifest(artifacts), {}};
        }
        if (request.path == "/zimbrel/1.0.5/release-notes.md")
            return LoopbackResponse{200, "## Zimbrel 1.0.5", {}};
        return LoopbackResponse{404, {}, {}};
    });
    QVERIFY(server.listen());
    MainWindow window(state.get());
    window.setUpdateConfig({QStringLiteral("zimbrel"), QStringLiteral("stable"),
                            server.url(QStringLiteral("/zimbrel/stable/")), QStringLiteral("1.0.5")});
    QVERIFY(showAndActivate(window));

    QAction *check = menuItem(window, QStringLiteral("Check for &Updates..."));
    QVERIFY(check);
    check->trigger();
    QVERIFY(window.statusBarWidget()->isProgressVisible());
    QTRY_COMPARE(window.statusBarWidget()->currentMessage(),
                 QStringLiteral("Corvantis Zimbrel is up to date (version 1.0.5)"));
    QVERIFY(!window.statusBarWidget()->isProgressVisible());

    QAction *whatsNew = menuItem(window, QStringLiteral("What's &New..."));
    QVERIFY(whatsNew);
    whatsNew->trigger();
    QVERIFY(window.statusBarWidget()->isProgressVisible());
    QTRY_COMPARE(window.findChildren<CorvantisUpdate::WhatsNewDialog *>().size(), 1);
    QVERIFY(!window.statusBarWidget()->isProgressVisible());
    QCOMPARE(window.findChild<CorvantisUpdate::WhatsNewDialog *>()->windowTitle(),
             QStringLiteral("What's New in Corvantis Zimbrel 1.0.5"));
}

// Regression: File › Import had Ctrl+I, which the register takes for "insert new", so the menu's
// shortcut never worked where the keyboard lives.
void TestMainWindow::importShortcutWorksFromTheRegister()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    MainWindow window(state.get());
    QVERIFY(showAndActivate(window));
    window.selectAccount(checking.id);
    RegisterTableView *view = window.registerScreen()->view();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(view));

    pressInWindow(&window, Qt::Key_I, Qt::ControlModifier);
    QVERIFY(!window.importScreen());
    QVERIFY(view->isAncestorOf(QApplication::focusWidget()));
    pressInWindow(&window, Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(window.importScreen());
    QTRY_VERIFY(window.importScreen()->isVisible());

    QString shortcuts;
    whenModalShown([&shortcuts](QWidget *box) {
        shortcuts = static_cast<QMessageBox *>(box)->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    for (QAction *menu : window.menuBar()->actions()) {
        for (QAction *item : menu->menu()->actions()) {
            if (item->text() == QStringLiteral("&Import..."))
                QCOMPARE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_I));
            if (item->text() == QStringLiteral("&Keyboard Shortcuts"))
                item->trigger();
        }
    }
    QVERIFY(shortcuts.contains(QStringLiteral("<b>Ctrl+Shift+I</b></td><td>Import</td>")));
    QVERIFY(shortcuts.contains(QStringLiteral("<b>Ctrl+I</b></td><td>Insert new transaction</td>")));
    QVERIFY(!shortcuts.contains(QStringLiteral("<b>Ctrl+I</b></td><td>Import</td>")));
}

namespace {

// The letter after a single "&" in a menu text, upper-cased; a null QChar when there is none.
QChar mnemonic(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != u'&')
            continue;
        if (text.at(i + 1) == u'&') {
            ++i;
            continue;
        }
        return text.at(i + 1).toUpper();
    }
    return {};
}

// "<menu>: <item> and <item> share Alt+<letter>" for every clash among `actions`, submenus included.
QStringList mnemonicClashes(const QString &menu, const QList<QAction *> &actions)
{
    QStringList clashes;
    QHash<QChar, QString> taken;
    for (QAction *action : actions) {
        if (action->isSeparator())
            continue;
        const QChar letter = mnemonic(action->text());
        if (!letter.isNull()) {
            if (taken.contains(letter)) {
                clashes.append(QStringLiteral("%1: %2 and %3 share Alt+%4")
                                   .arg(menu, taken.value(letter), action->text(), letter));
            }
            taken.insert(letter, action->text());
        }
        if (action->menu())
            clashes += mnemonicClashes(action->text(), action->menu()->actions());
    }
    return clashes;
}

} // namespace

// Two items of one menu on the same letter: Alt+letter picks the first, the other never opens.
// Hidden items count too (sign in and sign out take turns), and so do the developer items.
void TestMainWindow::noMenuSharesAMnemonic_data()
{
    QTest::addColumn<QByteArray>("developerMode");
    QTest::addColumn<QString>("language");
    for (const char *language : {"en", "de", "es", "fr", "ja"}) {
        QTest::addRow("user, %s", language) << QByteArray() << QString::fromLatin1(language);
        QTest::addRow("developer items, %s", language) << QByteArray("1") << QString::fromLatin1(language);
    }
}

void TestMainWindow::noMenuSharesAMnemonic()
{
    QFETCH(QByteArray, developerMode);
    QFETCH(QString, language);
    // The app's own catalogue, as the application loads it.
    QTranslator translator;
    if (language != QLatin1String("en")) {
        QVERIFY(translator.load(QStringLiteral(":/i18n/zimbrel_%1.qm").arg(language)));
        QVERIFY(QCoreApplication::installTranslator(&translator));
    }
    qputenv("ZIMBREL_DEV", developerMode);
    TestState state;
    MainWindow window(state.get());
    qunsetenv("ZIMBREL_DEV");
    QCoreApplication::removeTranslator(&translator);
    const QList<QAction *> menus = window.menuBar()->actions();
    QCOMPARE(menus.size(), 5);
    QCOMPARE(menus.constFirst()->text() == QLatin1String("&File"), language == QLatin1String("en"));
    const QStringList clashes = mnemonicClashes(QStringLiteral("menu bar"), menus);
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("; "))));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
