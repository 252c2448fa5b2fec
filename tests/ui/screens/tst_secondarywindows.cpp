#include "app/mainwindow.h"

#include "app/guitesthelpers.h"
#include "support/recordbuilders.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"
#include "ui/screens/categoriesscreen.h"
#include "ui/screens/importscreen.h"
#include "ui/screens/payeescreen.h"
#include "ui/screens/recurringscreen.h"
#include "ui/screens/reportsscreen.h"
#include "ui/screens/searchresultsmodel.h"
#include "ui/screens/searchscreen.h"
#include "ui/screens/settingsscreen.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

class TestSecondaryWindows : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void showFunctions_data();
    void showFunctions();
    void shortcutsOpenTheirWindows_data();
    void shortcutsOpenTheirWindows();
    void closeKeysCloseTheWindow_data();
    void closeKeysCloseTheWindow();
    void escapeClosesAnOpenPopupFirst();
    void reconciliationIgnoresEscape();
    void importClosedOnItsSummaryFinishes();
    void searchResultOpensItsRegister();
    void payeeRenameReloadsTheRegister();
};

using ShowFunction = void (MainWindow::*)();
using ScreenGetter = QWidget *(*)(const MainWindow &);
Q_DECLARE_METATYPE(ShowFunction)
Q_DECLARE_METATYPE(ScreenGetter)

namespace {

template<typename Screen, Screen *(MainWindow::*getter)() const> QWidget *screenOf(const MainWindow &window)
{
    return (window.*getter)();
}

// A fresh state with one account, its main window shown with that account current.
struct ShownWindow
{
    TestState state;
    Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    MainWindow window{state.get()};

    ShownWindow()
    {
        window.show();
        window.selectAccount(checking.id);
    }

    bool isExposed() { return QTest::qWaitForWindowExposed(&window); }
};

QWidget *historyScreen(const MainWindow &window)
{
    return window.findChild<QWidget *>(QStringLiteral("reconciliationHistoryScreen"));
}

// Where a key typed now would go: the focused widget of the active window.
QWidget *keyTarget(QWidget *window)
{
    QWidget *focus = QApplication::focusWidget();
    return focus && focus->window() == window ? focus : window;
}

} // namespace

void TestSecondaryWindows::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestSecondaryWindows::showFunctions_data()
{
    QTest::addColumn<ShowFunction>("show");
    QTest::addColumn<ScreenGetter>("screen");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("size");

    QTest::newRow("reports") << &MainWindow::showReportsWindow
                             << &screenOf<ReportsScreen, &MainWindow::reportsScreen> << "Reports"
                             << QSize(800, 600);
    QTest::newRow("recurring")
        << &MainWindow::showRecurringWindow
        << &screenOf<RecurringScreen, &MainWindow::recurringScreen> << "Recurring Transactions"
        << QSize(700, 500);
    QTest::newRow("search") << &MainWindow::showSearchWindow
                            << &screenOf<SearchScreen, &MainWindow::searchScreen> << "Search Transactions"
                            << QSize(800, 550);
    QTest::newRow("categories") << &MainWindow::showCategoriesWindow
                                << &screenOf<CategoriesScreen, &MainWindow::categoriesScreen> << "Categories"
                                << QSize(600, 500);
    QTest::newRow("preferences") << &MainWindow::showSettingsWindow
                                 << &screenOf<SettingsScreen, &MainWindow::settingsScreen> << "Preferences"
                                 << QSize(500, 550);
    QTest::newRow("import") << &MainWindow::showImportWindow
                            << &screenOf<ImportScreen, &MainWindow::importScreen> << "Import Transactions"
                            << QSize(650, 600);
    QTest::newRow("payees") << &MainWindow::showPayeesWindow
                            << &screenOf<PayeeScreen, &MainWindow::payeeScreen> << "Payee Management"
                            << QSize(550, 500);
}

void TestSecondaryWindows::showFunctions()
{
    QFETCH(ShowFunction, show);
    QFETCH(ScreenGetter, screen);
    TestState state;
    Records::account(QStringLiteral("Checking")).addTo(state.core());
    MainWindow window(state.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!screen(window));

    (window.*show)();
    QWidget *first = screen(window);
    QVERIFY(first);
    QVERIFY(first->isVisible());
    QCOMPARE(first->parentWidget(), &window);
    QVERIFY(first->isWindow());
    QTEST(first->windowTitle(), "title");
    QTEST(first->size(), "size");

    // One instance for the life of the window; a second show brings it back at the size the
    // user left it.
    first->resize(first->width() + 40, first->height());
    const int width = first->width();
    first->close();
    (window.*show)();
    QCOMPARE(screen(window), first);
    QVERIFY(first->isVisible());
    QCOMPARE(first->width(), width);
}

void TestSecondaryWindows::shortcutsOpenTheirWindows_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<ScreenGetter>("screen");
    QTest::newRow("Ctrl+2 reports") << QKeySequence(Qt::CTRL | Qt::Key_2)
                                    << &screenOf<ReportsScreen, &MainWindow::reportsScreen>;
    QTest::newRow("Ctrl+3 recurring")
        << QKeySequence(Qt::CTRL | Qt::Key_3) << &screenOf<RecurringScreen, &MainWindow::recurringScreen>;
    QTest::newRow("Ctrl+4 categories")
        << QKeySequence(Qt::CTRL | Qt::Key_4) << &screenOf<CategoriesScreen, &MainWindow::categoriesScreen>;
    QTest::newRow("Ctrl+F search") << QKeySequence(QKeySequence::Find)
                                   << &screenOf<SearchScreen, &MainWindow::searchScreen>;
}

void TestSecondaryWindows::shortcutsOpenTheirWindows()
{
    QFETCH(QKeySequence, keys);
    QFETCH(ScreenGetter, screen);
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    MainWindow window(state.get());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    window.selectAccount(checking.id);
    QTest::keySequence(&window, keys);
    QVERIFY(screen(window));
    QVERIFY(screen(window)->isVisible());
    if (auto *search = qobject_cast<SearchScreen *>(screen(window)))
        QCOMPARE(search->focusWidget(), search->findChild<QLineEdit *>(QStringLiteral("queryEdit")));
}

void TestSecondaryWindows::closeKeysCloseTheWindow_data()
{
    QTest::addColumn<ShowFunction>("show");
    QTest::addColumn<ScreenGetter>("screen");
    QTest::addColumn<QKeySequence>("keys");

    const struct
    {
        const char *name;
        ShowFunction show;
        ScreenGetter screen;
    } windows[] = {
        {"reports", &MainWindow::showReportsWindow, &screenOf<ReportsScreen, &MainWindow::reportsScreen>},
        {"recurring", &MainWindow::showRecurringWindow,
         &screenOf<RecurringScreen, &MainWindow::recurringScreen>},
        {"categories", &MainWindow::showCategoriesWindow,
         &screenOf<CategoriesScreen, &MainWindow::categoriesScreen>},
        {"search", &MainWindow::showSearchWindow, &screenOf<SearchScreen, &MainWindow::searchScreen>},
        {"payees", &MainWindow::showPayeesWindow, &screenOf<PayeeScreen, &MainWindow::payeeScreen>},
        {"import", &MainWindow::showImportWindow, &screenOf<ImportScreen, &MainWindow::importScreen>},
        {"history", &MainWindow::showReconciliationHistoryWindow, &historyScreen},
        {"preferences", &MainWindow::showSettingsWindow,
         &screenOf<SettingsScreen, &MainWindow::settingsScreen>},
    };
    for (const auto &window : windows) {
        QTest::addRow("%s Esc", window.name) << window.show << window.screen << QKeySequence(Qt::Key_Escape);
        QTest::addRow("%s Ctrl+W", window.name)
            << window.show << window.screen << QKeySequence(Qt::CTRL | Qt::Key_W);
    }
}

void TestSecondaryWindows::closeKeysCloseTheWindow()
{
    QFETCH(ShowFunction, show);
    QFETCH(ScreenGetter, screen);
    QFETCH(QKeySequence, keys);
    ShownWindow shown;
    QVERIFY(shown.isExposed());
    MainWindow &window = shown.window;

    (window.*show)();
    QWidget *secondary = screen(window);
    QVERIFY(secondary);
    QVERIFY(QTest::qWaitForWindowActive(secondary));
    QTest::keySequence(keyTarget(secondary), keys);
    QVERIFY(!secondary->isVisible());
    QVERIFY(window.isVisible());

    // Shown again, it closes again the same way.
    (window.*show)();
    QVERIFY(QTest::qWaitForWindowActive(secondary));
    QTest::keySequence(keyTarget(secondary), keys);
    QVERIFY(!secondary->isVisible());
}

// Esc closes an open list first; only the next one closes the window.
void TestSecondaryWindows::escapeClosesAnOpenPopupFirst()
{
    ShownWindow shown;
    QVERIFY(shown.isExposed());
    MainWindow &window = shown.window;
    window.showSearchWindow();
    SearchScreen *search = window.searchScreen();
    QVERIFY(QTest::qWaitForWindowActive(search));
    auto *account = search->findChild<QComboBox *>(QStringLiteral("accountCombo"));
    account->setFocus();
    QTest::keyClick(account, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QVERIFY(search->isVisible());

    QTest::keyClick(keyTarget(search), Qt::Key_Escape);
    QVERIFY(!search->isVisible());

    // The reports' period list handles its keys itself; the Esc it does not use still closes.
    window.showReportsWindow();
    ReportsScreen *reports = window.reportsScreen();
    QVERIFY(QTest::qWaitForWindowActive(reports));
    auto *period = reports->findChild<QComboBox *>(QStringLiteral("periodCombo"));
    period->setFocus();
    QTest::keyClick(period, Qt::Key_Escape);
    QVERIFY(!reports->isVisible());
}

// Closing the reconciliation would throw away the rows ticked so far: Esc leaves it open.
void TestSecondaryWindows::reconciliationIgnoresEscape()
{
    ShownWindow shown;
    QVERIFY(shown.isExposed());
    MainWindow &window = shown.window;
    window.showReconciliationWindow();
    auto *reconcile = window.findChild<QWidget *>(QStringLiteral("reconciliationScreen"));
    QVERIFY(reconcile);
    QVERIFY(QTest::qWaitForWindowActive(reconcile));
    QTest::keyClick(keyTarget(reconcile), Qt::Key_Escape);
    QVERIFY(reconcile->isVisible());
}

// Closing the import window on its summary page finishes the import as Done does.
void TestSecondaryWindows::importClosedOnItsSummaryFinishes()
{
    ShownWindow shown;
    QVERIFY(shown.isExposed());
    MainWindow &window = shown.window;
    window.showImportWindow();
    ImportScreen *import = window.importScreen();
    QVERIFY(QTest::qWaitForWindowActive(import));
    const QString csv = shown.state.directory.filePath(QStringLiteral("in.csv"));
    QFile file(csv);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Date,Payee,Amount\n01/02/2026,Cafe,-4.50\n");
    file.close();
    import->chooseCsvFile(csv);
    import->runImport();
    QCOMPARE(import->currentPage(), int(ImportScreen::SummaryPage));
    QSignalSpy completed(import, &ImportScreen::importCompleted);

    QTest::keyClick(keyTarget(import), Qt::Key_Escape);
    QVERIFY(!import->isVisible());
    QCOMPARE(completed.count(), 1);
    QCOMPARE(import->currentPage(), int(ImportScreen::InputPage));
    QCOMPARE(window.registerScreen()->model()->transactionCount(), 1);
}

void TestSecondaryWindows::searchResultOpensItsRegister()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    const Account visa = Records::account(QStringLiteral("Visa")).sortOrder(1).addTo(state.core());
    Records::transaction(checking.id, QDate(2026, 1, 2), -100)
        .payee(QStringLiteral("Cafe"))
        .addTo(state.core());
    const Transaction target = Records::transaction(visa.id, QDate(2026, 1, 3), -200)
                                   .payee(QStringLiteral("Bookshop"))
                                   .addTo(state.core());
    MainWindow window(state.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.selectAccount(checking.id);
    window.showSearchWindow();
    SearchScreen *search = window.searchScreen();
    search->performSearch();
    const int row = 0; // newest first: the bookshop
    const QRect cell =
        search->view()->visualRect(search->model()->index(row, SearchResultsModel::PayeeColumn));
    QTest::mouseClick(search->view()->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(search->view()->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(window.registerScreen()->accountId(), visa.id);
    const QModelIndex current = window.registerScreen()->view()->currentIndex();
    QCOMPARE(window.registerScreen()->model()->registerRow(current.row())->transaction.id, target.id);
}

void TestSecondaryWindows::payeeRenameReloadsTheRegister()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    Records::transaction(checking.id, QDate(2026, 1, 2), -100)
        .payee(QStringLiteral("AMZN"))
        .addTo(state.core());
    MainWindow window(state.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.selectAccount(checking.id);
    window.showPayeesWindow();
    PayeeScreen *payees = window.payeeScreen();
    payees->list()->item(0)->setSelected(true);
    payees->findChild<QLineEdit *>(QStringLiteral("renameEdit"))->setText(QStringLiteral("Amazon"));
    whenModalShown([](QWidget *modal) { pressInModal(modal, Qt::Key_Return); });
    payees->onRename();
    RegisterModel *model = window.registerScreen()->model();
    QCOMPARE(model->index(0, RegisterModel::PayeeColumn).data().toString(), QStringLiteral("Amazon"));
}

QTEST_MAIN(TestSecondaryWindows)
#include "tst_secondarywindows.moc"
