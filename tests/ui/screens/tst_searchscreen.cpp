#include "ui/screens/searchscreen.h"

#include "app/guitesthelpers.h"
#include "support/recordbuilders.h"
#include "ui/screens/searchresultsmodel.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
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
    void resultsNameTheirAccount();
    void doubleClickAsksToEdit();
    void syntaxErrorIsShownUnderTheField();
};

namespace {

QStringList payees(SearchResultsModel *model)
{
    QStringList result;
    for (int row = 0; row < model->rowCount(); ++row)
        result.append(model->resultRow(row)->transaction.payee);
    return result;
}

// A row as the table shows it, cells joined by "|".
QString rowText(const SearchResultsModel *model, int row)
{
    QStringList cells;
    for (int column = 0; column < model->columnCount(); ++column)
        cells.append(model->index(row, column).data().toString());
    return cells.join(QLatin1Char('|'));
}

} // namespace

void TestSearchScreen::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestSearchScreen::typingRunsOneSearchPerBurst()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    Records::transaction(checking.id, QDate(2026, 1, 2), -100)
        .payee(QStringLiteral("Grocer"))
        .addTo(state.core());
    Records::transaction(checking.id, QDate(2026, 1, 3), -200)
        .payee(QStringLiteral("Garage"))
        .addTo(state.core());
    SearchScreen screen(state.services());
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
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    Records::transaction(checking.id, QDate(2026, 1, 2), -100)
        .payee(QStringLiteral("Greenleaf Market"))
        .addTo(state.core());
    Records::transaction(checking.id, QDate(2026, 1, 3), -200)
        .payee(QStringLiteral("Green Grocer"))
        .addTo(state.core());
    Records::transaction(checking.id, QDate(2026, 1, 4), -300)
        .payee(QStringLiteral("Evergreen"))
        .addTo(state.core());
    SearchScreen screen(state.services());
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
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    const Account visa = Records::account(QStringLiteral("Visa")).sortOrder(1).addTo(state.core());
    const Category food = Records::category(QStringLiteral("Food")).addTo(state.core());
    Records::transaction(checking.id, QDate(2026, 1, 2), -100)
        .payee(QStringLiteral("Market"))
        .cleared()
        .category(food.id)
        .addTo(state.core());
    Records::transaction(checking.id, QDate(2026, 1, 3), -200)
        .payee(QStringLiteral("Market"))
        .category(food.id)
        .addTo(state.core());
    Records::transaction(visa.id, QDate(2026, 1, 4), -300)
        .payee(QStringLiteral("Market"))
        .cleared()
        .addTo(state.core());
    SearchScreen screen(state.services());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QSignalSpy searches(&screen, &SearchScreen::searchFinished);

    QTest::keyClicks(child<QLineEdit>(&screen, "queryEdit"), QStringLiteral("market"));
    QTRY_COMPARE(searches.count(), 1);
    QCOMPARE(screen.model()->rowCount(), 3);

    auto *account = child<QComboBox>(&screen, "accountCombo");
    account->setFocus();
    QTest::keyClick(account, Qt::Key_Down); // Checking
    QCOMPARE(searches.count(), 2);
    QCOMPARE(screen.model()->rowCount(), 2);

    auto *cleared = child<QCheckBox>(&screen, "clearedCheck");
    cleared->setFocus();
    QTest::keyClick(cleared, Qt::Key_Space);
    QCOMPARE(searches.count(), 3);
    QCOMPARE(screen.model()->rowCount(), 1);
    QCOMPARE(screen.model()->resultRow(0)->transaction.amount, Money(-100));

    QTest::keyClick(cleared, Qt::Key_Space);
    auto *category = child<QComboBox>(&screen, "categoryCombo");
    QTest::keyClick(account, Qt::Key_Home); // All Accounts
    category->setCurrentIndex(category->findData(food.id));
    QCOMPARE(screen.model()->rowCount(), 2);

    // Refreshing the lists keeps the choices and runs no search.
    const int before = int(searches.count());
    screen.refresh();
    QCOMPARE(category->currentData().toString(), food.id);
    QCOMPARE(searches.count(), before);
}

void TestSearchScreen::datesOnlyCountWhileTheRangeIsOn()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    Records::transaction(checking.id, QDate(2026, 1, 2), -100)
        .payee(QStringLiteral("Early"))
        .addTo(state.core());
    Records::transaction(checking.id, QDate(2026, 2, 2), -100)
        .payee(QStringLiteral("Late"))
        .addTo(state.core());
    SearchScreen screen(state.services());
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
    QCOMPARE(screen.model()->rowCount(), 2);
}

void TestSearchScreen::emptyQueryListsTheNewest()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    for (int day = 0; day < 205; ++day)
        Records::transaction(checking.id, QDate(2025, 1, 1).addDays(day), -100)
            .payee(QStringLiteral("Shop"))
            .addTo(state.core());
    SearchScreen screen(state.services());
    screen.performSearch();
    // Only results: no blank entry row of a register.
    QCOMPARE(screen.model()->rowCount(), 200);
    QCOMPARE(screen.model()->resultRow(0)->transaction.date, QDate(2025, 1, 1).addDays(204));
    QCOMPARE(screen.view()->editTriggers(), QAbstractItemView::NoEditTriggers);
    // The list is cut, and says so.
    QCOMPARE(screen.resultCountText(), QStringLiteral("200 newest of 205"));

    auto *query = child<QLineEdit>(&screen, "queryEdit");
    query->setText(QStringLiteral("shop"));
    QTest::keyClick(query, Qt::Key_Return);
    QCOMPARE(screen.resultCountText(), QStringLiteral("200 newest of 205"));
    // Exactly as many matches as the limit: nothing was cut.
    for (int row = 0; row < 5; ++row)
        QVERIFY(state->transactionRepository()->softDelete(screen.model()->resultRow(row)->transaction.id));
    QTest::keyClick(query, Qt::Key_Return);
    QCOMPARE(screen.resultCountText(), QStringLiteral("200 transaction(s)"));
}

// Results come from every account: each row names its account and shows its amount in that
// account's currency; there is no running balance to show.
void TestSearchScreen::resultsNameTheirAccount()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    const Account tokyo =
        Records::account(QStringLiteral("Tokyo")).sortOrder(1).currency(Currency::JPY).addTo(state.core());
    Records::transaction(checking.id, QDate(2026, 1, 2), -1250)
        .payee(QStringLiteral("Book Shop"))
        .cleared()
        .addTo(state.core());
    Records::transaction(tokyo.id, QDate(2026, 1, 3), 1500)
        .payee(QStringLiteral("Book Shop"))
        .cleared()
        .reconciled()
        .memo(QStringLiteral("refund"))
        .addTo(state.core());
    SearchScreen screen(state.services());
    SearchResultsModel *model = screen.model();
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    screen.performSearch();
    QStringList headers;
    for (int column = 0; column < model->columnCount(); ++column)
        headers.append(model->headerData(column, Qt::Horizontal).toString());
    QCOMPARE(headers, (QStringList{"Date", "Account", "Chk #", "Payee", "Category", "Memo", "Payment",
                                   "Deposit", "Clr"}));
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(rowText(model, 0), QStringLiteral("1/3/2026|Tokyo||Book Shop||refund||1,500|R"));
    QCOMPARE(rowText(model, 1), QStringLiteral("1/2/2026|Checking||Book Shop|||12.50||C"));
    QCOMPARE(screen.resultCountText(), QStringLiteral("2 transaction(s)"));
}

void TestSearchScreen::doubleClickAsksToEdit()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    const Transaction shop = Records::transaction(checking.id, QDate(2026, 1, 2), -100)
                                 .payee(QStringLiteral("Shop"))
                                 .addTo(state.core());
    SearchScreen screen(state.services());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    screen.performSearch();
    QSignalSpy edits(&screen, &SearchScreen::editTransactionRequested);
    const QRect cell = screen.view()->visualRect(screen.model()->index(0, SearchResultsModel::PayeeColumn));
    // A real double-click starts with a press on the same cell.
    QTest::mouseClick(screen.view()->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(screen.view()->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(edits.count(), 1);
    QCOMPARE(edits.first().first().toString(), shop.id);
}

// An operator with nothing before it is no search the full-text index can run (an unclosed quote
// is closed while typing): the screen says so under the field instead of showing an empty list as
// if nothing matched.
void TestSearchScreen::syntaxErrorIsShownUnderTheField()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    Records::transaction(checking.id, QDate(2026, 1, 2), -100)
        .payee(QStringLiteral("Grocer"))
        .addTo(state.core());
    SearchScreen screen(state.services());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto *query = child<QLineEdit>(&screen, "queryEdit");
    auto *hint = child<QLabel>(&screen, "syntaxErrorLabel");
    QVERIFY(!hint->isVisible());

    QTest::keyClicks(query, QStringLiteral("AND gro"));
    QTest::keyClick(query, Qt::Key_Return);
    QVERIFY(hint->isVisible());
    QVERIFY(hint->text().startsWith(QLatin1String("Search syntax error: ")));
    QCOMPARE(screen.model()->rowCount(), 0);

    QTest::keyClick(query, Qt::Key_Home);
    for (int i = 0; i < 4; ++i)
        QTest::keyClick(query, Qt::Key_Delete);
    QTest::keyClick(query, Qt::Key_Return);
    QVERIFY(!hint->isVisible());
    QCOMPARE(screen.model()->rowCount(), 1);
}

QTEST_MAIN(TestSearchScreen)
#include "tst_searchscreen.moc"
