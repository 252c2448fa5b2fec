#include "ui/screens/reportsscreen.h"

#include "app/guitesthelpers.h"
#include "data/categoryrepository.h"
#include "services/reportservice.h"
#include "support/recordbuilders.h"
#include "ui/screens/reportcharts.h"
#include "ui/widgets/tablecolumnfitter.h"
#include "ui/widgets/thememanager.h"

#include <QAbstractItemModelTester>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPieSeries>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabBar>
#include <QTableWidget>
#include <QTabWidget>
#include <QTest>

#include <memory>

class TestReportsScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void periodPresets_data();
    void periodPresets();
    void comparePresets_data();
    void comparePresets();
    void periodChangeRunsTheReportsOnce();
    void periodRunsOnceTheChoiceSettles();
    void controlKeysStepThroughTheReports_data();
    void controlKeysStepThroughTheReports();
    void tablesShowTheFiguresWithTotals();
    void failedReportSaysWhy();
    void chartsFollowTheTables();
    void monthAxisKeepsEmptyMonths();
    void monthAxisSpansThePeriod_data();
    void monthAxisSpansThePeriod();
    void monthAxisLabelsAReadableNumber_data();
    void monthAxisLabelsAReadableNumber();
    void taxLinesReadByName();
    void tabsFitAndTotalsStayNearTheirNames();
    void exportWritesTheTableThroughTheDialog();
    void exportOfAnEmptyTabAsksNothing();
    void dataChangesRefreshAVisibleScreen();
    void benchmarkAllTime();
};

namespace {

QTableWidget *widgetTable(ReportsScreen &screen, ReportsScreen::Tab tab)
{
    return qobject_cast<QTableWidget *>(screen.table(tab));
}

} // namespace

void TestReportsScreen::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestReportsScreen::periodPresets_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");

    QTest::newRow("last month on 31 March clamps to February")
        << QDate(2026, 3, 31) << "Last Month" << QDate(2026, 2, 1) << QDate(2026, 2, 28);
    QTest::newRow("last month in a leap year")
        << QDate(2024, 3, 31) << "Last Month" << QDate(2024, 2, 1) << QDate(2024, 2, 29);
    QTest::newRow("last month in January is December")
        << QDate(2026, 1, 15) << "Last Month" << QDate(2025, 12, 1) << QDate(2025, 12, 31);
    QTest::newRow("this quarter") << QDate(2026, 8, 20) << "This Quarter" << QDate(2026, 7, 1)
                                  << QDate(2026, 8, 20);
    QTest::newRow("last quarter across the year")
        << QDate(2026, 1, 15) << "Last Quarter" << QDate(2025, 10, 1) << QDate(2025, 12, 31);
    QTest::newRow("last year") << QDate(2026, 6, 1) << "Last Year" << QDate(2025, 1, 1)
                               << QDate(2025, 12, 31);
    QTest::newRow("last 12 months on 29 February")
        << QDate(2024, 2, 29) << "Last 12 Months" << QDate(2023, 2, 28) << QDate(2024, 2, 29);
    QTest::newRow("all time") << QDate(2026, 6, 1) << "All Time" << QDate(2000, 1, 1) << QDate(2026, 6, 1);
}

void TestReportsScreen::periodPresets()
{
    QFETCH(QDate, today);
    QFETCH(QString, label);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    const QList<PeriodPreset> presets = ReportsScreen::periodPresets(today);
    QCOMPARE(presets.size(), 11);
    QCOMPARE(presets.last().label, QStringLiteral("Custom"));
    for (const PeriodPreset &preset : presets) {
        if (preset.label == label) {
            QCOMPARE(preset.from, from);
            QCOMPARE(preset.to, to);
            return;
        }
    }
    QFAIL("no such preset");
}

void TestReportsScreen::comparePresets_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("index");
    QTest::addColumn<QDate>("from1");
    QTest::addColumn<QDate>("to1");
    QTest::addColumn<QDate>("from2");
    QTest::addColumn<QDate>("to2");

    QTest::newRow("this year vs last year") << QDate(2026, 5, 10) << 0 << QDate(2025, 1, 1)
                                            << QDate(2025, 12, 31) << QDate(2026, 1, 1) << QDate(2026, 5, 10);
    QTest::newRow("last year vs year before")
        << QDate(2026, 5, 10) << 1 << QDate(2024, 1, 1) << QDate(2024, 12, 31) << QDate(2025, 1, 1)
        << QDate(2025, 12, 31);
    QTest::newRow("quarters on 15 January") << QDate(2026, 1, 15) << 2 << QDate(2025, 10, 1)
                                            << QDate(2025, 12, 31) << QDate(2026, 1, 1) << QDate(2026, 1, 15);
}

void TestReportsScreen::comparePresets()
{
    QFETCH(QDate, today);
    QFETCH(int, index);
    const ComparePeriods periods = ReportsScreen::comparePresets(today).at(index);
    QTEST(periods.from1, "from1");
    QTEST(periods.to1, "to1");
    QTEST(periods.from2, "from2");
    QTEST(periods.to2, "to2");
}

void TestReportsScreen::periodChangeRunsTheReportsOnce()
{
    TestState state;
    const Account account = Records::account(QStringLiteral("Checking")).addTo(state.core());
    Records::transaction(account.id, QDate::currentDate(), -1234)
        .payee(QStringLiteral("Grocer"))
        .addTo(state.core());
    ReportsScreen screen(state.services());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QSignalSpy runs(&screen, &ReportsScreen::reportsUpdated);

    auto *period = child<QComboBox>(&screen, "periodCombo");
    auto *from = child<QDateEdit>(&screen, "fromEdit");
    auto *range = child<QLabel>(&screen, "rangeLabel");
    QVERIFY(from->isHidden());
    period->setFocus();
    QTest::keyClick(period, Qt::Key_Down); // Last Month: both date edits move
    QTRY_COMPARE(runs.count(), 1);
    const PeriodPreset lastMonth = ReportsScreen::periodPresets(QDate::currentDate()).at(1);
    QCOMPARE(from->date(), lastMonth.from);
    QCOMPARE(range->text(),
             QStringLiteral("%1 – %2").arg(QLocale().toString(lastMonth.from, QLocale::ShortFormat),
                                           QLocale().toString(lastMonth.to, QLocale::ShortFormat)));
    QCOMPARE(screen.rowCount(ReportsScreen::PayeeSummaryTab), 0);

    QTest::keyClick(period, Qt::Key_End); // Custom: the edits show, the dates stay
    QTRY_COMPARE(runs.count(), 2);
    QVERIFY(!from->isHidden());
    QVERIFY(range->isHidden());

    // A date typed in a custom period runs the reports again, once per change.
    auto *to = child<QDateEdit>(&screen, "toEdit");
    to->setDate(QDate::currentDate());
    QCOMPARE(runs.count(), 3);
    from->setDate(QDate::currentDate().addDays(-1));
    QCOMPARE(runs.count(), 4);
    QCOMPARE(screen.rowCount(ReportsScreen::PayeeSummaryTab), 1);

    // The year-over-year periods move together: one run for four date edits.
    auto *compare = child<QComboBox>(&screen, "compareCombo");
    compare->setFocus();
    QTest::keyClick(compare, Qt::Key_Down);
    QCOMPARE(runs.count(), 5);
}

// Stepping through the closed list passes presets the user does not want: one run, for the preset
// the steps stop at, not one per step. A choice from the open list runs at once.
void TestReportsScreen::periodRunsOnceTheChoiceSettles()
{
    TestState state;
    ReportsScreen screen(state.services());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QSignalSpy runs(&screen, &ReportsScreen::reportsUpdated);
    auto *period = child<QComboBox>(&screen, "periodCombo");
    auto *range = child<QLabel>(&screen, "rangeLabel");
    period->setFocus();
    for (int step = 0; step < 4; ++step)
        QTest::keyClick(period, Qt::Key_Down);
    QCOMPARE(period->currentText(), QStringLiteral("This Year"));
    QCOMPARE(runs.count(), 0);
    QTRY_COMPARE(runs.count(), 1);
    QVERIFY(!runs.wait(600)); // and no late run for a step passed on the way
    const PeriodPreset thisYear = ReportsScreen::periodPresets(QDate::currentDate()).at(4);
    QCOMPARE(range->text(),
             QStringLiteral("%1 – %2").arg(QLocale().toString(thisYear.from, QLocale::ShortFormat),
                                           QLocale().toString(thisYear.to, QLocale::ShortFormat)));

    QTest::keyClick(period, Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(QApplication::activePopupWidget());
    QWidget *list = QApplication::activePopupWidget()->focusWidget();
    QVERIFY(list);
    QTest::keyClick(list, Qt::Key_Up);
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(runs.count(), 1); // moving in the open list chooses nothing yet
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(period->currentText(), QStringLiteral("This Quarter"));
    QCOMPARE(runs.count(), 2);
    QVERIFY(!runs.wait(600));
}

void TestReportsScreen::controlKeysStepThroughTheReports_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<int>("firstStep"); // from Category Spending
    QTest::addColumn<int>("secondStep");
    using Tab = ReportsScreen;
    QTest::newRow("Ctrl+Tab") << QKeySequence(Qt::CTRL | Qt::Key_Tab) << int(Tab::PayeeSummaryTab)
                              << int(Tab::TaxReportTab);
    QTest::newRow("Ctrl+PgDn") << QKeySequence(Qt::CTRL | Qt::Key_PageDown) << int(Tab::PayeeSummaryTab)
                               << int(Tab::TaxReportTab);
    QTest::newRow("Ctrl+Shift+Tab wraps to the last")
        << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab) << int(Tab::TransactionsTab)
        << int(Tab::AccountSummaryTab);
    QTest::newRow("Ctrl+PgUp wraps to the last") << QKeySequence(Qt::CTRL | Qt::Key_PageUp)
                                                 << int(Tab::TransactionsTab) << int(Tab::AccountSummaryTab);
}

// The keys work wherever the focus is in the window: in the filter row and in a report's table.
void TestReportsScreen::controlKeysStepThroughTheReports()
{
    QFETCH(QKeySequence, keys);
    QFETCH(int, firstStep);
    QFETCH(int, secondStep);
    TestState state;
    ReportsScreen screen(state.services());
    screen.show();
    screen.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    QCOMPARE(screen.tabs()->currentIndex(), int(ReportsScreen::CategorySpendingTab));

    auto *period = child<QComboBox>(&screen, "periodCombo");
    period->setFocus();
    QTest::keySequence(period, keys);
    QCOMPARE(screen.tabs()->currentIndex(), firstStep);
    QCOMPARE(period->currentIndex(), 0);

    QTableView *table = screen.table(ReportsScreen::Tab(firstStep));
    table->setFocus();
    QTest::keySequence(table, keys);
    QCOMPARE(screen.tabs()->currentIndex(), secondStep);
}

// Two amounts whose sum does not fit in 64 bits: the report is empty and says why, instead of
// looking like a period without spending.
void TestReportsScreen::failedReportSaysWhy()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    const Category food = Records::category(QStringLiteral("Food")).addTo(state.core());
    for (int i = 0; i < 2; ++i) {
        Records::transaction(checking.id, QDate::currentDate(), -6'000'000'000'000'000'000LL)
            .payee(QStringLiteral("Huge"))
            .category(food.id)
            .addTo(state.core());
    }
    ReportsScreen screen(state.services());
    auto *label = screen.findChild<QLabel *>(QStringLiteral("reportErrorLabel"));
    QVERIFY(label);
    QCOMPARE(screen.rowCount(ReportsScreen::CategorySpendingTab), 0);
    QVERIFY(!label->isHidden());
    QVERIFY2(label->text().startsWith(QStringLiteral("This report could not be computed")),
             qPrintable(label->text()));
}

void TestReportsScreen::tablesShowTheFiguresWithTotals()
{
    TestState state;
    const Account checking =
        Records::account(QStringLiteral("Checking")).startingBalance(10000).addTo(state.core());
    const Account visa = Records::account(QStringLiteral("Visa")).addTo(state.core());
    const Category food = Records::category(QStringLiteral("Food")).addTo(state.core());
    const QDate today = QDate::currentDate();
    Records::transaction(checking.id, today, 250000).payee(QStringLiteral("Employer")).addTo(state.core());
    Records::transaction(checking.id, today, -4550)
        .payee(QStringLiteral("Grocer \"Best\""))
        .cleared()
        .category(food.id)
        .addTo(state.core());
    Records::transaction(visa.id, today, -1000)
        .payee(QStringLiteral("Grocer \"Best\""))
        .category(food.id)
        .addTo(state.core());

    ReportsScreen screen(state.services());
    using Tab = ReportsScreen;
    QCOMPARE(screen.rowCount(Tab::CategorySpendingTab), 1);
    QCOMPARE(screen.cellText(Tab::CategorySpendingTab, 0, 0), QStringLiteral("Food"));
    QCOMPARE(screen.cellText(Tab::CategorySpendingTab, 0, 1), QStringLiteral("-$55.50"));
    QCOMPARE(widgetTable(screen, Tab::CategorySpendingTab)->item(0, 1)->textAlignment(),
             int(Qt::AlignRight | Qt::AlignVCenter));

    QCOMPARE(screen.rowCount(Tab::IncomeVsExpensesTab), 2);
    QCOMPARE(screen.cellText(Tab::IncomeVsExpensesTab, 1, 0), QStringLiteral("Total"));
    QCOMPARE(screen.cellText(Tab::IncomeVsExpensesTab, 1, 1), QStringLiteral("$2,500.00"));
    QCOMPARE(screen.cellText(Tab::IncomeVsExpensesTab, 1, 2), QStringLiteral("-$55.50"));
    QCOMPARE(screen.cellText(Tab::IncomeVsExpensesTab, 1, 3), QStringLiteral("$2,444.50"));
    QVERIFY(widgetTable(screen, Tab::IncomeVsExpensesTab)->item(1, 0)->font().bold());

    QCOMPARE(screen.rowCount(Tab::AccountSummaryTab), 2);
    QCOMPARE(screen.cellText(Tab::AccountSummaryTab, 0, 1), QStringLiteral("Checking"));
    QCOMPARE(screen.cellText(Tab::AccountSummaryTab, 0, 4), QStringLiteral("$2,554.50"));

    QCOMPARE(screen.rowCount(Tab::TransactionsTab), 3);
    QCOMPARE(screen.table(Tab::TransactionsTab)->model()->headerData(5, Qt::Horizontal).toString(),
             QStringLiteral("Amount"));

    // The account filter narrows the period reports but not the account summary.
    QAbstractItemModelTester tester(screen.table(Tab::TransactionsTab)->model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    auto *account = child<QComboBox>(&screen, "accountCombo");
    account->setCurrentIndex(account->findData(visa.id));
    QCOMPARE(screen.cellText(Tab::CategorySpendingTab, 0, 1), QStringLiteral("-$10.00"));
    QCOMPARE(screen.rowCount(Tab::TransactionsTab), 1);
    QCOMPARE(screen.cellText(Tab::TransactionsTab, 0, 5), QStringLiteral("-$10.00"));
    QCOMPARE(screen.rowCount(Tab::AccountSummaryTab), 2);
}

void TestReportsScreen::chartsFollowTheTables()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    const Category food = Records::category(QStringLiteral("Food")).addTo(state.core());
    const Category rent = Records::category(QStringLiteral("Rent")).addTo(state.core());
    const QDate today = QDate::currentDate();
    Records::transaction(checking.id, today, -2500)
        .payee(QStringLiteral("Grocer"))
        .category(food.id)
        .addTo(state.core());
    Records::transaction(checking.id, today, -7500)
        .payee(QStringLiteral("Landlord"))
        .category(rent.id)
        .addTo(state.core());
    Records::transaction(checking.id, today, 900)
        .payee(QStringLiteral("Refund"))
        .category(food.id)
        .addTo(state.core());

    ReportsScreen screen(state.services());
    QVERIFY(!screen.chartView(ReportsScreen::PayeeSummaryTab));
    const QList<QAbstractSeries *> series =
        screen.chartView(ReportsScreen::CategorySpendingTab)->chart()->series();
    QCOMPARE(series.size(), 1);
    auto *pie = qobject_cast<QPieSeries *>(series.first());
    QVERIFY(pie);
    // Only spending makes slices, largest first; the refund is income, not less spending.
    QCOMPARE(pie->count(), 2);
    QCOMPARE(pie->slices().at(0)->label(), QStringLiteral("Rent"));
    QCOMPARE(pie->slices().at(0)->value(), 75.0);
    QCOMPARE(pie->slices().at(1)->value(), 25.0);
    QCOMPARE(screen.chartView(ReportsScreen::IncomeVsExpensesTab)->chart()->series().size(), 2);

    // The charts are drawn again in the colours of a new theme.
    state->themeManager()->setTheme(QStringLiteral("dark"));
    QTRY_COMPARE(screen.chartView(ReportsScreen::CategorySpendingTab)->chart()->backgroundBrush().color(),
                 ThemeManager::darkPalette().color(QPalette::Base));
    state->themeManager()->setTheme(QStringLiteral("light"));
    QTRY_COMPARE(screen.chartView(ReportsScreen::CategorySpendingTab)->chart()->backgroundBrush().color(),
                 ThemeManager::lightPalette().color(QPalette::Base));
}

// A month without figures is a month of zero, not a gap: the axis runs Feb, Mar, Apr.
void TestReportsScreen::monthAxisKeepsEmptyMonths()
{
    const QList<MonthlyFlow> rows = {{QStringLiteral("2026-02"), 1000, -400, 600},
                                     {QStringLiteral("2026-04"), 2000, -500, 1500}};
    const QList<MonthlyFlow> filled = ReportCharts::everyMonth(rows);
    QCOMPARE(filled.size(), 3);
    QCOMPARE(filled[1], (MonthlyFlow{QStringLiteral("2026-03"), 0, 0, 0}));

    const std::unique_ptr<QChart> chart(
        ReportCharts::monthlyFlowChart(rows, QStringLiteral("In"), QStringLiteral("Out")));
    auto *bars = qobject_cast<QBarSeries *>(chart->series().first());
    QVERIFY(bars);
    QCOMPARE(bars->barSets().first()->count(), 3);
    QCOMPARE(bars->barSets().first()->at(1), 0.0);
    auto *axis = qobject_cast<QCategoryAxis *>(chart->axes(Qt::Horizontal).first());
    QVERIFY(axis);
    QCOMPARE(axis->categoriesLabels().size(), 3);
    // A year boundary is crossed month by month too.
    QCOMPARE(ReportCharts::everyMonth({{QStringLiteral("2025-11")}, {QStringLiteral("2026-02")}}).size(), 4);
}

void TestReportsScreen::monthAxisSpansThePeriod_data()
{
    QTest::addColumn<QStringList>("months");
    QTest::addColumn<QDate>("from");
    QTest::addColumn<QDate>("to");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<int>("count");
    const QStringList febApr{QStringLiteral("2026-02"), QStringLiteral("2026-04")};
    QTest::newRow("months before and after the figures")
        << febApr << QDate(2026, 1, 1) << QDate(2026, 5, 15) << "2026-01"
        << "2026-05" << 5;
    QTest::newRow("last 12 months, figures in the last three")
        << QStringList{QStringLiteral("2026-10"), QStringLiteral("2026-12")} << QDate(2025, 12, 11)
        << QDate(2026, 12, 11) << "2025-12"
        << "2026-12" << 13;
    QTest::newRow("all time starts with the figures")
        << febApr << QDate(2000, 1, 1) << QDate(2026, 12, 11) << "2026-02"
        << "2026-12" << 11;
    QTest::newRow("a quarter without figures")
        << QStringList() << QDate(2026, 1, 1) << QDate(2026, 3, 31) << "2026-01"
        << "2026-03" << 3;
    QTest::newRow("no period") << febApr << QDate() << QDate() << "2026-02"
                               << "2026-04" << 3;
}

// The axis of a period shows all its months, even those before the first and after the last
// month with figures.
void TestReportsScreen::monthAxisSpansThePeriod()
{
    QFETCH(QStringList, months);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(int, count);
    QList<MonthlyFlow> rows;
    for (const QString &month : months)
        rows.append({month, 100, -50, 50});
    const QList<MonthlyFlow> filled = ReportCharts::everyMonth(rows, from, to);
    QCOMPARE(filled.size(), count);
    QCOMPARE(filled.first().month, first);
    QCOMPARE(filled.last().month, last);
    for (int i = 1; i < filled.size(); ++i)
        QVERIFY(filled[i - 1].month < filled[i].month);
    const std::unique_ptr<QChart> chart(
        ReportCharts::monthlyFlowChart(rows, QStringLiteral("In"), QStringLiteral("Out"), from, to));
    auto *bars = qobject_cast<QBarSeries *>(chart->series().first());
    QVERIFY(bars);
    QCOMPARE(bars->barSets().first()->count(), count);
}

void TestReportsScreen::monthAxisLabelsAReadableNumber_data()
{
    QTest::addColumn<int>("months");
    QTest::addColumn<int>("step");
    QTest::newRow("a year: every month") << 12 << 1;
    QTest::newRow("13 months: every other") << 13 << 2;
    QTest::newRow("two years: every other") << 24 << 2;
    QTest::newRow("three years: quarters") << 36 << 3;
    QTest::newRow("six years: half years") << 72 << 6;
    QTest::newRow("ten years: years") << 120 << 12;
    QTest::newRow("since 2000: every other year") << 320 << 36;
}

void TestReportsScreen::monthAxisLabelsAReadableNumber()
{
    QFETCH(int, months);
    QFETCH(int, step);
    QCOMPARE(ReportCharts::monthLabelStep(months), step);

    QList<MonthlyFlow> rows;
    for (int i = 0; i < months; ++i)
        rows.append({QDate(2000, 1, 1).addMonths(i).toString(QStringLiteral("yyyy-MM")), 100, -50, 50});
    const std::unique_ptr<QChart> chart(
        ReportCharts::monthlyFlowChart(rows, QStringLiteral("In"), QStringLiteral("Out")));
    auto *axis = qobject_cast<QCategoryAxis *>(chart->axes(Qt::Horizontal).first());
    QVERIFY(axis);
    QVERIFY(axis->categoriesLabels().size() <= 12);
    QVERIFY(axis->categoriesLabels().size() >= std::min(months, 6));
}

void TestReportsScreen::taxLinesReadByName()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    const std::optional<Category> medical =
        state->categoryRepository()->findByName(QStringLiteral("Medical Expenses"));
    QVERIFY(medical);
    QCOMPARE(medical->taxCategory, QStringLiteral("medical_dental"));
    Records::transaction(checking.id, QDate::currentDate(), -12000)
        .payee(QStringLiteral("Clinic"))
        .category(medical->id)
        .addTo(state.core());
    ReportsScreen screen(state.services());
    QCOMPARE(screen.rowCount(ReportsScreen::TaxReportTab), 1);
    QCOMPARE(screen.cellText(ReportsScreen::TaxReportTab, 0, 1),
             QStringLiteral("Medical and dental expenses"));
}

void TestReportsScreen::tabsFitAndTotalsStayNearTheirNames()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    const Category food = Records::category(QStringLiteral("Food")).addTo(state.core());
    Records::transaction(checking.id, QDate::currentDate(), -2500)
        .payee(QStringLiteral("Grocer"))
        .category(food.id)
        .addTo(state.core());
    ReportsScreen screen(state.services());
    // The window opens wide enough for every report's tab, as far as the screen allows.
    const int available = screen.screen()->availableGeometry().width();
    QVERIFY(screen.sizeHint().width() >= std::min(available, screen.tabs()->tabBar()->sizeHint().width()));

    // On a screen 1920 wide the total stays beside its name.
    screen.resize(1920, 900);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QTableView *table = screen.table(ReportsScreen::CategorySpendingTab);
    QTRY_VERIFY(table->columnWidth(0) > table->fontMetrics().horizontalAdvance(QStringLiteral("Food")));
    const int nameToTotal = table->columnViewportPosition(1) + table->columnWidth(1);
    QVERIFY2(nameToTotal < 40 * table->fontMetrics().averageCharWidth() + 200,
             qPrintable(QString::number(nameToTotal)));
    QVERIFY(table->columnWidth(1) >= table->fontMetrics().horizontalAdvance(QStringLiteral("-$25.00")));
}

void TestReportsScreen::exportWritesTheTableThroughTheDialog()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    Records::transaction(checking.id, QDate::currentDate(), -1250)
        .payee(QStringLiteral("Joe's \"Diner\""))
        .addTo(state.core());
    ReportsScreen screen(state.services());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    screen.tabs()->setCurrentIndex(ReportsScreen::PayeeSummaryTab);

    const QString path = state.directory.filePath(QStringLiteral("payees.csv"));
    QString suggested;
    QString title;
    whenModalShown([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        title = dialog->windowTitle();
        suggested = dialog->selectedFiles().value(0);
        // The file name field decides what a save dialog returns.
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(path);
        static_cast<QDialog *>(dialog)->accept();
    });
    QTest::mouseClick(child<QPushButton>(&screen, "exportButton"), Qt::LeftButton);
    QCOMPARE(title, QStringLiteral("Export CSV"));
    QVERIFY(suggested.endsWith(QStringLiteral("payee_summary.csv")));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QCOMPARE(QString::fromUtf8(file.readAll()),
             QStringLiteral("\"Payee\",\"Total\",\"Count\"\n\"Joe's \"\"Diner\"\"\",\"-$12.50\",\"1\"\n"));
}

void TestReportsScreen::exportOfAnEmptyTabAsksNothing()
{
    TestState state;
    ReportsScreen screen(state.services());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    screen.tabs()->setCurrentIndex(ReportsScreen::TaxReportTab);
    QCOMPARE(screen.rowCount(ReportsScreen::TaxReportTab), 0);
    auto asked = std::make_shared<bool>(false);
    // Fires at the first event processing: inside exec() if a dialog opens, else right below.
    QTimer::singleShot(0, qApp, [asked] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            *asked = true;
            static_cast<QDialog *>(modal)->reject();
        }
    });
    screen.exportCurrentTab();
    QCoreApplication::processEvents();
    QVERIFY(!*asked);
    QVERIFY(
        !screen.exportTab(ReportsScreen::TaxReportTab, state.directory.filePath(QStringLiteral("tax.csv"))));
    QVERIFY(!QFile::exists(state.directory.filePath(QStringLiteral("tax.csv"))));
}

void TestReportsScreen::dataChangesRefreshAVisibleScreen()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    ReportsScreen screen(state.services());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto *account = child<QComboBox>(&screen, "accountCombo");
    account->setCurrentIndex(account->findData(checking.id));
    QSignalSpy runs(&screen, &ReportsScreen::reportsUpdated);

    Records::transaction(checking.id, QDate::currentDate(), -300)
        .payee(QStringLiteral("Cafe"))
        .addTo(state.core());
    QCOMPARE(runs.count(), 1);
    QCOMPARE(account->currentIndex(), 0);
    QCOMPARE(screen.rowCount(ReportsScreen::TransactionsTab), 1);

    screen.hide();
    Records::transaction(checking.id, QDate::currentDate(), -300)
        .payee(QStringLiteral("Cafe"))
        .addTo(state.core());
    QCOMPARE(runs.count(), 1);
}

// Prints how long the reports take over "All Time" on a large data directory
// (made by zimbrel-datagen), named by ZIMBREL_BENCH_DATA_DIR. Skipped without it.
void TestReportsScreen::benchmarkAllTime()
{
    const QString directory = qEnvironmentVariable("ZIMBREL_BENCH_DATA_DIR");
    if (directory.isEmpty())
        QSKIP("set ZIMBREL_BENCH_DATA_DIR to a generated data directory");
    AppState state(directory);
    QVERIFY(state.initialize());
    ReportsScreen screen(screenServicesOf(&state));
    auto *period = child<QComboBox>(&screen, "periodCombo");
    QElapsedTimer timer;
    timer.start();
    period->setCurrentIndex(period->count() - 2); // All Time
    qInfo().noquote()
        << QStringLiteral("All Time, the tab in view (Category Spending): %1 ms").arg(timer.elapsed());
    for (int tab = 1; tab < ReportsScreen::TabCount; ++tab) {
        timer.restart();
        screen.tabs()->setCurrentIndex(tab);
        qInfo().noquote() << QStringLiteral("  switching to %1: %2 ms, %3 rows")
                                 .arg(screen.tabs()->tabText(tab))
                                 .arg(timer.elapsed())
                                 .arg(screen.rowCount(ReportsScreen::Tab(tab)));
    }
    QVERIFY(screen.rowCount(ReportsScreen::TransactionsTab) > 0);
}

QTEST_MAIN(TestReportsScreen)
#include "tst_reportsscreen.moc"
