#include "app/mainwindow.h"

#include "app/guitesthelpers.h"
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

#include <QLineEdit>
#include <QListWidget>
#include <QTableView>
#include <QStandardPaths>
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
    void searchResultOpensItsRegister();
    void payeeRenameReloadsTheRegister();
};

using ShowFunction = void (MainWindow::*)();
using ScreenGetter = QWidget *(*)(const MainWindow &);
Q_DECLARE_METATYPE(ShowFunction)
Q_DECLARE_METATYPE(ScreenGetter)

namespace {

template<typename Screen, Screen *(MainWindow::*getter)() const>
QWidget *screenOf(const MainWindow &window)
{
    return (window.*getter)();
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
                             << &screenOf<ReportsScreen, &MainWindow::reportsScreen> << "Reports" << QSize(800, 600);
    QTest::newRow("recurring") << &MainWindow::showRecurringWindow
                               << &screenOf<RecurringScreen, &MainWindow::recurringScreen> << "Recurring Transactions"
                               << QSize(700, 500);
    QTest::newRow("search") << &MainWindow::showSearchWindow << &screenOf<SearchScreen, &MainWindow::searchScreen>
                            << "Search Transactions" << QSize(800, 550);
    QTest::newRow("categories") << &MainWindow::showCategoriesWindow
                                << &screenOf<CategoriesScreen, &MainWindow::categoriesScreen> << "Categories"
                                << QSize(600, 500);
    QTest::newRow("preferences") << &MainWindow::showSettingsWindow
                                 << &screenOf<SettingsScreen, &MainWindow::settingsScreen> << "Preferences"
                                 << QSize(500, 550);
    QTest::newRow("import") << &MainWindow::showImportWindow << &screenOf<ImportScreen, &MainWindow::importScreen>
                            << "Import Transactions" << QSize(650, 600);
    QTest::newRow("payees") << &MainWindow::showPayeesWindow << &screenOf<PayeeScreen, &MainWindow::payeeScreen>
                            << "Payee Management" << QSize(550, 500);
}

void TestSecondaryWindows::showFunctions()
{
    QFETCH(ShowFunction, show);
    QFETCH(ScreenGetter, screen);
    TestState state;
    state.addAccount(QStringLiteral("Checking"));
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
    QTest::newRow("Ctrl+3 recurring") << QKeySequence(Qt::CTRL | Qt::Key_3)
                                      << &screenOf<RecurringScreen, &MainWindow::recurringScreen>;
    QTest::newRow("Ctrl+4 categories") << QKeySequence(Qt::CTRL | Qt::Key_4)
                                       << &screenOf<CategoriesScreen, &MainWindow::categoriesScreen>;
    QTest::newRow("Ctrl+F search") << QKeySequence(QKeySequence::Find)
                                   << &screenOf<SearchScreen, &MainWindow::searchScreen>;
}

void TestSecondaryWindows::shortcutsOpenTheirWindows()
{
    QFETCH(QKeySequence, keys);
    QFETCH(ScreenGetter, screen);
    TestState state;
    const Account checking = state.addAccount(QStringLiteral("Checking"));
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

void TestSecondaryWindows::searchResultOpensItsRegister()
{
    TestState state;
    const Account checking = state.addAccount(QStringLiteral("Checking"));
    const Account visa = state.addAccount(QStringLiteral("Visa"), 0, 1);
    state.addTransaction(checking.id, QDate(2026, 1, 2), QStringLiteral("Cafe"), -100);
    const Transaction target = state.addTransaction(visa.id, QDate(2026, 1, 3), QStringLiteral("Bookshop"), -200);
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
    const Account checking = state.addAccount(QStringLiteral("Checking"));
    state.addTransaction(checking.id, QDate(2026, 1, 2), QStringLiteral("AMZN"), -100);
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
