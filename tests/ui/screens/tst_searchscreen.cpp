#include "ui/screens/searchscreen.h"

#include "app/guitesthelpers.h"
#include "ui/register/registermodel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

class TestSearchScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void typingRunsOneSearchPerBurst();
    void wordBeingTypedMatchesAsPrefix();
    void filtersNarrowTheResults();
    void datesOnlyCountWhileTheRangeIsOn();
    void emptyQueryListsTheNewest();
    void doubleClickAsksToEdit();
};

namespace {

QStringList payees(RegisterModel *model)
{
    QStringList result;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (const RegisterRow *record = model->registerRow(row))
            result.append(record->transaction.payee);
    }
    return result;
}

} // namespace

void TestSearchScreen::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestSearchScreen::typingRunsOneSearchPerBurst()
{
    TestState state;
    const Account checking = state.addAccount(QStringLiteral("Checking"));
    state.addTransaction(checking.id, QDate(2026, 1, 2), QStringLiteral("Grocer"), -100);
    state.addTransaction(checking.id, QDate(2026, 1, 3), QStringLiteral("Garage"), -200);
    SearchScreen screen(state.get());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QSignalSpy searches(&screen, &SearchScreen::searchFinished);

    screen.focusQuery();
    QTest::keyClicks(child<QLineEdit>(&screen, "queryEdit"), QStringLiteral("grocer"));
    QCOMPARE(searches.count(), 0);
    QTRY_COMPARE(searches.count(), 1);
    QCOMPARE(searches.first().first().toInt(), 1);
    QCOMPARE(payees(screen.model()), QStringList{QStringLiteral("Grocer")});

    // Enter searches at once, without waiting for the debounce.
    auto *query = child<QLineEdit>(&screen, "queryEdit");
    query->selectAll();
    QTest::keyClicks(query, QStringLiteral("garage"));
    QTest::keyClick(query, Qt::Key_Return);
    QCOMPARE(searches.count(), 2);
    QCOMPARE(payees(screen.model()), QStringList{QStringLiteral("Garage")});
}

// "green" found nothing while "Greenleaf" found the shop: the word being typed is a prefix, a
// finished word (a blank after it) and a phrase match whole words.
void TestSearchScreen::wordBeingTypedMatchesAsPrefix()
{
    TestState state;
    const Account checking = state.addAccount(QStringLiteral("Checking"));
    state.addTransaction(checking.id, QDate(2026, 1, 2), QStringLiteral("Greenleaf Market"), -100);
    state.addTransaction(checking.id, QDate(2026, 1, 3), QStringLiteral("Green Grocer"), -200);
    state.addTransaction(checking.id, QDate(2026, 1, 4), QStringLiteral("Evergreen"), -300);
    SearchScreen screen(state.get());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto *query = child<QLineEdit>(&screen, "queryEdit");
    screen.focusQuery();

    QTest::keyClicks(query, QStringLiteral("green"));
    QTest::keyClick(query, Qt::Key_Return);
    QCOMPARE(payees(screen.model()),
             (QStringList{QStringLiteral("Green Grocer"), QStringLiteral("Greenleaf Market")}));

    QTest::keyClick(query, Qt::Key_Space);
    QTest::keyClick(query, Qt::Key_Return);
    QCOMPARE(payees(screen.model()), QStringList{QStringLiteral("Green Grocer")});

    query->selectAll();
    QTest::keyClicks(query, QStringLiteral("\"green gro"));
    QTest::keyClick(query, Qt::Key_Return);
    QCOMPARE(payees(screen.model()), QStringList());
    QTest::keyClicks(query, QStringLiteral("cer\" OR ever"));
    QTest::keyClick(query, Qt::Key_Return);
    QCOMPARE(payees(screen.model()),
             (QStringList{QStringLiteral("Evergreen"), QStringLiteral("Green Grocer")}));
}

void TestSearchScreen::filtersNarrowTheResults()
{
    TestState state;
    const Account checking = state.addAccount(QStringLiteral("Checking"));
    const Account visa = state.addAccount(QStringLiteral("Visa"), 0, 1);
    const Category food = state.addCategory(QStringLiteral("Food"));
    state.addTransaction(checking.id, QDate(2026, 1, 2), QStringLiteral("Market"), -100, true, false, {}, food.id);
    state.addTransaction(checking.id, QDate(2026, 1, 3), QStringLiteral("Market"), -200, false, false, {}, food.id);
    state.addTransaction(visa.id, QDate(2026, 1, 4), QStringLiteral("Market"), -300, true);
    SearchScreen screen(state.get());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QSignalSpy searches(&screen, &SearchScreen::searchFinished);

    QTest::keyClicks(child<QLineEdit>(&screen, "queryEdit"), QStringLiteral("market"));
    QTRY_COMPARE(searches.count(), 1);
    QCOMPARE(screen.model()->transactionCount(), 3);

    auto *account = child<QComboBox>(&screen, "accountCombo");
    account->setFocus();
    QTest::keyClick(account, Qt::Key_Down); // Checking
    QCOMPARE(searches.count(), 2);
    QCOMPARE(screen.model()->transactionCount(), 2);

    auto *cleared = child<QCheckBox>(&screen, "clearedCheck");
    cleared->setFocus();
    QTest::keyClick(cleared, Qt::Key_Space);
    QCOMPARE(searches.count(), 3);
    QCOMPARE(screen.model()->transactionCount(), 1);
    QCOMPARE(screen.model()->registerRow(0)->transaction.amount, Money(-100));

    QTest::keyClick(cleared, Qt::Key_Space);
    auto *category = child<QComboBox>(&screen, "categoryCombo");
    QTest::keyClick(account, Qt::Key_Home); // All Accounts
    category->setCurrentIndex(category->findData(food.id));
    QCOMPARE(screen.model()->transactionCount(), 2);

    // Refreshing the lists keeps the choices and runs no search.
    const int before = int(searches.count());
    screen.refresh();
    QCOMPARE(category->currentData().toString(), food.id);
    QCOMPARE(searches.count(), before);
}

void TestSearchScreen::datesOnlyCountWhileTheRangeIsOn()
{
    TestState state;
    const Account checking = state.addAccount(QStringLiteral("Checking"));
    state.addTransaction(checking.id, QDate(2026, 1, 2), QStringLiteral("Early"), -100);
    state.addTransaction(checking.id, QDate(2026, 2, 2), QStringLiteral("Late"), -100);
    SearchScreen screen(state.get());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QSignalSpy searches(&screen, &SearchScreen::searchFinished);

    auto *from = child<QDateEdit>(&screen, "fromEdit");
    auto *to = child<QDateEdit>(&screen, "toEdit");
    QVERIFY(!from->isEnabled());
    from->setDate(QDate(2026, 1, 1));
    to->setDate(QDate(2026, 1, 31));
    QCOMPARE(searches.count(), 0);

    auto *range = child<QCheckBox>(&screen, "dateRangeCheck");
    range->setFocus();
    QTest::keyClick(range, Qt::Key_Space);
    QVERIFY(from->isEnabled());
    QCOMPARE(searches.count(), 1);
    QCOMPARE(payees(screen.model()), QStringList{QStringLiteral("Early")});
    to->setDate(QDate(2026, 2, 28));
    QCOMPARE(searches.count(), 2);
    QCOMPARE(screen.model()->transactionCount(), 2);
}

void TestSearchScreen::emptyQueryListsTheNewest()
{
    TestState state;
    const Account checking = state.addAccount(QStringLiteral("Checking"));
    for (int day = 0; day < 205; ++day)
        state.addTransaction(checking.id, QDate(2025, 1, 1).addDays(day), QStringLiteral("Shop"), -100);
    SearchScreen screen(state.get());
    screen.performSearch();
    QCOMPARE(screen.model()->transactionCount(), 200);
    QCOMPARE(screen.model()->registerRow(0)->transaction.date, QDate(2025, 1, 1).addDays(204));
    // The blank entry row is there but cannot be edited from here.
    QCOMPARE(screen.model()->rowCount(), 201);
    QCOMPARE(screen.view()->editTriggers(), QAbstractItemView::NoEditTriggers);
}

void TestSearchScreen::doubleClickAsksToEdit()
{
    TestState state;
    const Account checking = state.addAccount(QStringLiteral("Checking"));
    const Transaction shop = state.addTransaction(checking.id, QDate(2026, 1, 2), QStringLiteral("Shop"), -100);
    SearchScreen screen(state.get());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    screen.performSearch();
    QSignalSpy edits(&screen, &SearchScreen::editTransactionRequested);
    const QRect cell = screen.view()->visualRect(screen.model()->index(0, RegisterModel::PayeeColumn));
    // A real double-click starts with a press on the same cell.
    QTest::mouseClick(screen.view()->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(screen.view()->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(edits.count(), 1);
    QCOMPARE(edits.first().first().toString(), shop.id);
}

QTEST_MAIN(TestSearchScreen)
#include "tst_searchscreen.moc"
