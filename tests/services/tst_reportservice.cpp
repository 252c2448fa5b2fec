#include "data/database.h"
#include "services/reportservice.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QDate day(const char *text)
{
    return QDate::fromString(QString::fromLatin1(text), Qt::ISODate);
}

} // namespace

// One small ledger shared by every case:
//   checking (start 100.00, sort 1), savings (start 50.00, sort 0), empty (start 7.77, sort 2), and a
//   soft-deleted account; a transfer checking -> savings in February; one row whose category no
//   longer exists; one soft-deleted row; rows outside January-February 2026 on both sides.
class TestReportService : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void categorySpending_data();
    void categorySpending();
    void payeeSummaryNetsIncomeAndExpense();
    void taxReportGroupsTaxRelevantCategories();
    void monthlyFlows_data();
    void monthlyFlows();
    void yearOverYearFillsZerosAndSortsByCodeUnit();
    void accountSummary();
    void transactionList_data();
    void transactionList();
    void linkedTransferIsNeitherIncomeNorSpending_data();
    void linkedTransferIsNeitherIncomeNorSpending();
    void failingStatementGivesEmptyList();
    void totalsBeyond64BitsAreReported_data();
    void totalsBeyond64BitsAreReported();
    void toCsv_data();
    void toCsv();

private:
    void exec(const QString &sql);
    QStringList reportLines(const QString &report) const;
    void addTransaction(const QString &id, const QString &account, const char *date, const QString &payee,
                        Money amount, const QString &category, bool cleared,
                        const QString &transferLink = {});

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Database> m_database;
    std::unique_ptr<ReportService> m_service;
};

void TestReportService::exec(const QString &sql)
{
    QSqlQuery query(m_database->connection());
    QVERIFY2(query.exec(sql), qPrintable(query.lastError().text() + QLatin1String(": ") + sql));
}

void TestReportService::addTransaction(const QString &id, const QString &account, const char *date,
                                       const QString &payee, Money amount, const QString &category,
                                       bool cleared, const QString &transferLink)
{
    QSqlQuery query(m_database->connection());
    query.prepare(
        QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, "
                       "cleared, transfer_link_id, created_at, updated_at) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, '2026-01-01T00:00:00Z', '2026-01-01T00:00:00Z')"));
    query.addBindValue(id);
    query.addBindValue(account);
    query.addBindValue(QString::fromLatin1(date));
    query.addBindValue(payee);
    query.addBindValue(QStringLiteral("memo of %1").arg(id));
    query.addBindValue(amount);
    query.addBindValue(category.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(category));
    query.addBindValue(cleared ? 1 : 0);
    query.addBindValue(transferLink.isEmpty() ? QVariant(QMetaType::fromType<QString>())
                                              : QVariant(transferLink));
    QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
}

void TestReportService::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_database = std::make_unique<Database>();
    QVERIFY(m_database->open(m_dir->filePath(QStringLiteral("zimbrel.db"))));
    QVERIFY(m_database->runMigrations());
    m_service = std::make_unique<ReportService>(m_database.get());

    const QString stamp = QStringLiteral("'2026-01-01T00:00:00Z', '2026-01-01T00:00:00Z'");
    exec(QStringLiteral(
             "INSERT INTO accounts (id, name, account_type, starting_balance, sort_order, created_at, "
             "updated_at) VALUES ('chk', 'Checking', 'checking', 10000, 1, %1)")
             .arg(stamp));
    exec(QStringLiteral(
             "INSERT INTO accounts (id, name, account_type, starting_balance, sort_order, created_at, "
             "updated_at) VALUES ('sav', 'Savings', 'savings', 5000, 0, %1)")
             .arg(stamp));
    exec(QStringLiteral(
             "INSERT INTO accounts (id, name, account_type, starting_balance, sort_order, created_at, "
             "updated_at) VALUES ('empty', 'Wallet', 'cash', 777, 2, %1)")
             .arg(stamp));
    exec(QStringLiteral(
             "INSERT INTO accounts (id, name, account_type, starting_balance, sort_order, created_at, "
             "updated_at, deleted_at) VALUES ('gone', 'Closed', 'checking', 123, 3, %1, "
             "'2026-01-02T00:00:00Z')")
             .arg(stamp));
    exec(QStringLiteral(
             "INSERT INTO categories (id, name, category_type, is_tax_relevant, tax_category, created_at, "
             "updated_at) VALUES ('groc', 'Groceries', 'expense', 0, NULL, %1)")
             .arg(stamp));
    exec(QStringLiteral(
             "INSERT INTO categories (id, name, category_type, is_tax_relevant, tax_category, created_at, "
             "updated_at) VALUES ('sal', 'Salary', 'income', 1, 'W-2', %1)")
             .arg(stamp));
    exec(QStringLiteral(
             "INSERT INTO categories (id, name, category_type, is_tax_relevant, tax_category, created_at, "
             "updated_at) VALUES ('med', 'Medical', 'expense', 1, 'Schedule A', %1)")
             .arg(stamp));
    exec(QStringLiteral("INSERT INTO categories (id, name, category_type, created_at, updated_at) "
                        "VALUES ('apps', 'apps', 'expense', %1)")
             .arg(stamp));

    addTransaction(QStringLiteral("t1"), QStringLiteral("chk"), "2026-01-05", QStringLiteral("Market"), -2500,
                   QStringLiteral("groc"), true);
    addTransaction(QStringLiteral("t2"), QStringLiteral("chk"), "2026-01-20", QStringLiteral("Employer"),
                   300000, QStringLiteral("sal"), true);
    addTransaction(QStringLiteral("t3"), QStringLiteral("chk"), "2026-02-03", QStringLiteral("Market"), -1500,
                   QStringLiteral("groc"), false);
    addTransaction(QStringLiteral("t4"), QStringLiteral("chk"), "2026-02-10",
                   QStringLiteral("Transfer to Savings"), -10000, QString(), false, QStringLiteral("t5"));
    addTransaction(QStringLiteral("t5"), QStringLiteral("sav"), "2026-02-10",
                   QStringLiteral("Transfer from Checking"), 10000, QString(), false, QStringLiteral("t4"));
    addTransaction(QStringLiteral("t6"), QStringLiteral("sav"), "2026-01-15", QStringLiteral("Pharmacy"),
                   -4200, QStringLiteral("med"), true);
    addTransaction(QStringLiteral("t8"), QStringLiteral("chk"), "2026-01-26", QStringLiteral("Market"),
                   -99999, QStringLiteral("groc"), true);
    exec(QStringLiteral("UPDATE transactions SET deleted_at = '2026-01-27T00:00:00Z' WHERE id = 't8'"));
    addTransaction(QStringLiteral("t9"), QStringLiteral("chk"), "2025-12-31", QStringLiteral("Market"), -800,
                   QStringLiteral("groc"), true);
    addTransaction(QStringLiteral("t10"), QStringLiteral("sav"), "2026-03-01", QStringLiteral("Market"), -600,
                   QStringLiteral("groc"), false);
    addTransaction(QStringLiteral("t11"), QStringLiteral("chk"), "2025-06-01", QStringLiteral("App store"),
                   -300, QStringLiteral("apps"), false);
    addTransaction(QStringLiteral("t12"), QStringLiteral("gone"), "2026-01-10", QStringLiteral("Market"), -50,
                   QStringLiteral("groc"), true);
    exec(QStringLiteral("UPDATE transactions SET deleted_at = '2026-01-11T00:00:00Z' WHERE id = 't12'"));

    // A category removed behind the rows' back (an older build, or a peer) leaves a dangling id.
    exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
    addTransaction(QStringLiteral("t7"), QStringLiteral("chk"), "2026-01-25", QStringLiteral("Old shop"),
                   -700, QStringLiteral("no-such-category"), false);
    exec(QStringLiteral("PRAGMA foreign_keys = ON"));
}

void TestReportService::cleanup()
{
    m_service.reset();
    m_database.reset();
    m_dir.reset();
}

void TestReportService::categorySpending_data()
{
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QList<CategoryTotal>>("expected");

    // The transfer's outgoing leg is not spending: it used to fill most of "Uncategorized".
    QTest::newRow("all accounts") << QString()
                                  << QList<CategoryTotal>{{QStringLiteral("Medical"), -4200},
                                                          {QStringLiteral("Groceries"), -4000},
                                                          {QStringLiteral("Uncategorized"), -700}};
    QTest::newRow("account filter bound after the dates")
        << QStringLiteral("chk")
        << QList<CategoryTotal>{{QStringLiteral("Groceries"), -4000},
                                {QStringLiteral("Uncategorized"), -700}};
    QTest::newRow("other account") << QStringLiteral("sav")
                                   << QList<CategoryTotal>{{QStringLiteral("Medical"), -4200}};
    QTest::newRow("unknown account") << QStringLiteral("nope") << QList<CategoryTotal>{};
}

void TestReportService::categorySpending()
{
    QFETCH(QString, accountId);
    QFETCH(QList<CategoryTotal>, expected);
    QCOMPARE(m_service->categorySpending(day("2026-01-01"), day("2026-02-28"), accountId), expected);
}

void TestReportService::payeeSummaryNetsIncomeAndExpense()
{
    // The two legs of the transfer are no payee's income or spending.
    const QList<PayeeTotal> expected{
        {QStringLiteral("Pharmacy"), -4200, 1},
        {QStringLiteral("Market"), -4000, 2},
        {QStringLiteral("Old shop"), -700, 1},
        {QStringLiteral("Employer"), 300000, 1},
    };
    QCOMPARE(m_service->payeeSummary(day("2026-01-01"), day("2026-02-28")), expected);

    // Both bounds are inclusive.
    const QList<PayeeTotal> edges{{QStringLiteral("Market"), -3300, 2}};
    QCOMPARE(m_service->payeeSummary(day("2025-12-31"), day("2026-01-05"), QStringLiteral("chk")), edges);
}

void TestReportService::taxReportGroupsTaxRelevantCategories()
{
    const QList<TaxLine> expected{{QStringLiteral("Medical"), QStringLiteral("Schedule A"), -4200},
                                  {QStringLiteral("Salary"), QStringLiteral("W-2"), 300000}};
    QCOMPARE(m_service->taxReport(day("2026-01-01"), day("2026-02-28")), expected);
}

void TestReportService::monthlyFlows_data()
{
    QTest::addColumn<bool>("cashFlow");
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QList<MonthlyFlow>>("expected");

    QTest::newRow("income vs expenses leaves transfers out")
        << false << QString()
        << QList<MonthlyFlow>{{QStringLiteral("2026-01"), 300000, -7400, 292600},
                              {QStringLiteral("2026-02"), 0, -1500, -1500}};
    QTest::newRow("cash flow counts transfers")
        << true << QString()
        << QList<MonthlyFlow>{{QStringLiteral("2026-01"), 300000, -7400, 292600},
                              {QStringLiteral("2026-02"), 10000, -11500, -1500}};
    QTest::newRow("income vs expenses of one account")
        << false << QStringLiteral("sav") << QList<MonthlyFlow>{{QStringLiteral("2026-01"), 0, -4200, -4200}};
    QTest::newRow("cash flow of one account")
        << true << QStringLiteral("sav")
        << QList<MonthlyFlow>{{QStringLiteral("2026-01"), 0, -4200, -4200},
                              {QStringLiteral("2026-02"), 10000, 0, 10000}};
}

void TestReportService::monthlyFlows()
{
    QFETCH(bool, cashFlow);
    QFETCH(QString, accountId);
    QFETCH(QList<MonthlyFlow>, expected);
    const QDate from = day("2026-01-01");
    const QDate to = day("2026-02-28");
    QCOMPARE(cashFlow ? m_service->cashFlow(from, to, accountId)
                      : m_service->incomeVsExpenses(from, to, accountId),
             expected);
}

void TestReportService::yearOverYearFillsZerosAndSortsByCodeUnit()
{
    // "apps" sorts after "Uncategorized": upper-case letters come first by code unit.
    const QList<YearOverYearRow> expected{
        {QStringLiteral("Groceries"), -800, -4600, -3800},
        {QStringLiteral("Medical"), 0, -4200, -4200},
        {QStringLiteral("Salary"), 0, 300000, 300000},
        {QStringLiteral("Uncategorized"), 0, -700, -700},
        {QStringLiteral("apps"), -300, 0, 300},
    };
    QCOMPARE(
        m_service->yearOverYear(day("2025-01-01"), day("2025-12-31"), day("2026-01-01"), day("2026-12-31")),
        expected);

    // The incoming transfer is not income of the savings account.
    const QList<YearOverYearRow> savings{{QStringLiteral("Groceries"), 0, -600, -600},
                                         {QStringLiteral("Medical"), 0, -4200, -4200}};
    QCOMPARE(m_service->yearOverYear(day("2025-01-01"), day("2025-12-31"), day("2026-01-01"),
                                     day("2026-12-31"), QStringLiteral("sav")),
             savings);
}

void TestReportService::accountSummary()
{
    const QList<AccountSummaryRow> expected{
        {QStringLiteral("Savings"), QStringLiteral("savings"), 800, 9400, 10200},
        {QStringLiteral("Checking"), QStringLiteral("checking"), 306700, -12500, 294200},
        {QStringLiteral("Wallet"), QStringLiteral("cash"), 777, 0, 777},
    };
    QCOMPARE(m_service->accountSummary(), expected);
}

void TestReportService::transactionList_data()
{
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QString>("categoryId");
    QTest::addColumn<QStringList>("payees");

    QTest::newRow("all, by date then payee") << QString() << QString()
                                             << QStringList{QStringLiteral("Market"),
                                                            QStringLiteral("Pharmacy"),
                                                            QStringLiteral("Employer"),
                                                            QStringLiteral("Old shop"),
                                                            QStringLiteral("Market"),
                                                            QStringLiteral("Transfer from Checking"),
                                                            QStringLiteral("Transfer to Savings")};
    QTest::newRow("account and category") << QStringLiteral("chk") << QStringLiteral("groc")
                                          << QStringList{QStringLiteral("Market"), QStringLiteral("Market")};
    QTest::newRow("category alone") << QString() << QStringLiteral("med")
                                    << QStringList{QStringLiteral("Pharmacy")};
}

void TestReportService::transactionList()
{
    QFETCH(QString, accountId);
    QFETCH(QString, categoryId);
    QFETCH(QStringList, payees);
    const QList<TransactionListRow> rows =
        m_service->transactionList(day("2026-01-01"), day("2026-02-28"), accountId, categoryId);
    QStringList actual;
    for (const TransactionListRow &row : rows)
        actual.append(row.payee);
    QCOMPARE(actual, payees);
}

// Every report of January-February 2026 as text lines, so that two runs can be compared.
QStringList TestReportService::reportLines(const QString &report) const
{
    const QDate from = day("2026-01-01");
    const QDate to = day("2026-02-28");
    QStringList lines;
    const auto add = [&lines](const QStringList &cells) {
        lines.append(cells.join(QLatin1Char('|')));
    };
    const auto number = [](qint64 value) {
        return QString::number(value);
    };
    if (report == QLatin1String("category spending")) {
        for (const CategoryTotal &row : m_service->categorySpending(from, to))
            add({row.name, number(row.total)});
    } else if (report == QLatin1String("payee summary")) {
        for (const PayeeTotal &row : m_service->payeeSummary(from, to))
            add({row.payee, number(row.total), number(row.count)});
    } else if (report == QLatin1String("tax report")) {
        for (const TaxLine &row : m_service->taxReport(from, to))
            add({row.categoryName, row.taxCategory, number(row.total)});
    } else if (report == QLatin1String("income vs expenses") || report == QLatin1String("cash flow")) {
        const QList<MonthlyFlow> flows = report == QLatin1String("cash flow")
                                             ? m_service->cashFlow(from, to)
                                             : m_service->incomeVsExpenses(from, to);
        for (const MonthlyFlow &row : flows)
            add({row.month, number(row.inflows), number(row.outflows)});
    } else if (report == QLatin1String("year over year")) {
        for (const YearOverYearRow &row :
             m_service->yearOverYear(day("2025-01-01"), day("2025-12-31"), from, to))
            add({row.category, number(row.period1), number(row.period2)});
    } else if (report == QLatin1String("account summary")) {
        for (const AccountSummaryRow &row : m_service->accountSummary())
            add({row.name, number(row.clearedBalance), number(row.unclearedTotal), number(row.balance)});
    } else if (report == QLatin1String("transaction list")) {
        for (const TransactionListRow &row : m_service->transactionList(from, to))
            add({row.payee, number(row.amount)});
    }
    return lines;
}

// A move between two of the user's own accounts (both legs linked) is neither income nor
// spending. The reports that sum income or spending must not change when the transfer is taken
// away; those that show money moving must. The legs carry a tax-relevant category here, so a
// report that still counted them would show it under that category.
void TestReportService::linkedTransferIsNeitherIncomeNorSpending_data()
{
    QTest::addColumn<QString>("report");
    QTest::addColumn<bool>("showsTransfer");
    QTest::newRow("fault: category spending counted the outgoing leg") << "category spending" << false;
    QTest::newRow("payee summary") << "payee summary" << false;
    QTest::newRow("tax report") << "tax report" << false;
    QTest::newRow("income vs expenses") << "income vs expenses" << false;
    QTest::newRow("year over year") << "year over year" << false;
    QTest::newRow("cash flow moves money") << "cash flow" << true;
    QTest::newRow("account summary keeps balances") << "account summary" << true;
    QTest::newRow("transaction list lists every row") << "transaction list" << true;
}

void TestReportService::linkedTransferIsNeitherIncomeNorSpending()
{
    QFETCH(QString, report);
    QFETCH(bool, showsTransfer);
    exec(QStringLiteral("UPDATE transactions SET category_id = 'med' WHERE id IN ('t4', 't5')"));
    const QStringList withTransfer = reportLines(report);
    QVERIFY(!withTransfer.isEmpty());
    exec(QStringLiteral(
        "UPDATE transactions SET deleted_at = '2026-03-01T00:00:00Z' WHERE id IN ('t4', 't5')"));
    const QStringList withoutTransfer = reportLines(report);
    if (showsTransfer)
        QVERIFY(withTransfer != withoutTransfer);
    else
        QCOMPARE(withTransfer, withoutTransfer);
}

void TestReportService::failingStatementGivesEmptyList()
{
    const TransactionListRow dangling{
        day("2026-01-25"), QStringLiteral("Checking"),   QStringLiteral("Old shop"),
        QString(),         QStringLiteral("memo of t7"), -700};
    const QList<TransactionListRow> rows = m_service->transactionList(day("2026-01-25"), day("2026-01-25"));
    QCOMPARE(rows, QList<TransactionListRow>{dangling});

    exec(QStringLiteral("DROP TABLE split_lines"));
    exec(QStringLiteral("DROP TABLE transactions"));
    QVERIFY(m_service->transactionList(day("2026-01-01"), day("2026-12-31")).isEmpty());
    QVERIFY(
        m_service->yearOverYear(day("2025-01-01"), day("2025-12-31"), day("2026-01-01"), day("2026-12-31"))
            .isEmpty());
    QVERIFY(m_service->accountSummary().isEmpty());
}

void TestReportService::totalsBeyond64BitsAreReported_data()
{
    QTest::addColumn<int>("report");
    const char *names[] = {"category spending", "payee summary",  "tax report",     "income vs expenses",
                           "cash flow",         "year over year", "account summary"};
    for (int i = 0; i < int(std::size(names)); ++i)
        QTest::newRow(names[i]) << i;
}

// Rows written around the amount limit (by an older version, or by hand) can still add up past 64
// bits: the report then says so instead of coming back empty in silence, or wrapped.
void TestReportService::totalsBeyond64BitsAreReported()
{
    QFETCH(int, report);
    addTransaction(QStringLiteral("huge-1"), QStringLiteral("chk"), "2026-01-06", QStringLiteral("Market"),
                   Q_INT64_C(-6000000000000000000), QStringLiteral("med"), true);
    addTransaction(QStringLiteral("huge-2"), QStringLiteral("chk"), "2026-01-07", QStringLiteral("Market"),
                   Q_INT64_C(-6000000000000000000), QStringLiteral("med"), true);
    const QDate from = day("2026-01-01");
    const QDate to = day("2026-02-28");
    qsizetype rows = -1;
    switch (report) {
    case 0:
        rows = m_service->categorySpending(from, to).size();
        break;
    case 1:
        rows = m_service->payeeSummary(from, to).size();
        break;
    case 2:
        rows = m_service->taxReport(from, to).size();
        break;
    case 3:
        rows = m_service->incomeVsExpenses(from, to).size();
        break;
    case 4:
        rows = m_service->cashFlow(from, to).size();
        break;
    case 5:
        rows = m_service->yearOverYear(day("2025-01-01"), day("2025-12-31"), from, to).size();
        break;
    default:
        rows = m_service->accountSummary().size();
        break;
    }
    QCOMPARE(rows, 0);
    QVERIFY(m_service->lastError().contains(QLatin1String("overflow")));
    // The next report that succeeds clears it.
    QVERIFY(!m_service->transactionList(from, to).isEmpty());
    QCOMPARE(m_service->lastError(), QString());
}

void TestReportService::toCsv_data()
{
    QTest::addColumn<QStringList>("headers");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("expected");

    QTest::newRow("header only") << QStringList{QStringLiteral("Category"), QStringLiteral("Total")}
                                 << QList<QStringList>{} << QStringLiteral("\"Category\",\"Total\"\n");
    QTest::newRow("numbers are quoted too")
        << QStringList{QStringLiteral("Name"), QStringLiteral("Total")}
        << QList<QStringList>{{QStringLiteral("Rent"), QStringLiteral("-1,450.00")}}
        << QStringLiteral("\"Name\",\"Total\"\n\"Rent\",\"-1,450.00\"\n");
    QTest::newRow("quotes doubled, line breaks kept inside the cell")
        << QStringList{QStringLiteral("Payee")}
        << QList<QStringList>{{QStringLiteral("Joe's \"Best\" Diner")},
                              {QStringLiteral("two\nlines")},
                              {QString()}}
        << QStringLiteral("\"Payee\"\n\"Joe's \"\"Best\"\" Diner\"\n\"two\nlines\"\n\"\"\n");
}

void TestReportService::toCsv()
{
    QFETCH(QStringList, headers);
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, expected);
    QCOMPARE(ReportService::toCsv(headers, rows), expected);
}

QTEST_GUILESS_MAIN(TestReportService)
#include "tst_reportservice.moc"
