#include "data/accountrepository.h"
#include "data/sqltransaction.h"
#include "data/transactionrepository.h"
#include "support/recordbuilders.h"
#include "support/testdatabase.h"
#include "ui/register/registermodel.h"
#include "ui/widgets/registerstyle.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QBrush>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

namespace {

RegisterRow makeRow(const QString &id, const QDate &date, Money amount, Money balance, bool cleared = false,
                    bool reconciled = false)
{
    RegisterRow row;
    row.transaction.id = id;
    row.transaction.accountId = QStringLiteral("acc");
    row.transaction.date = date;
    row.transaction.payee = QStringLiteral("Payee ") + id;
    row.transaction.memo = QStringLiteral("Memo ") + id;
    row.transaction.checkNumber = QStringLiteral("10") + id;
    row.transaction.amount = amount;
    row.transaction.cleared = cleared;
    row.transaction.reconciled = reconciled;
    row.transaction.categoryId = QStringLiteral("cat-") + id;
    row.categoryName = QStringLiteral("Category ") + id;
    row.runningBalance = balance;
    return row;
}

// Oldest first: a payment, a zero deposit, a reconciled deposit that takes the balance negative
// to positive, the way the repository hands them over.
QList<RegisterRow> sampleRows()
{
    return {makeRow(QStringLiteral("1"), QDate(2024, 1, 5), -123456, -123456),
            makeRow(QStringLiteral("2"), QDate(2024, 1, 6), 0, -123456, true),
            makeRow(QStringLiteral("3"), QDate(2024, 1, 7), 200000, 76544, true, true)};
}

QPalette windowPalette(const char16_t *window)
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(QStringView(window)));
    return palette;
}

QList<RegisterRow> reversed(QList<RegisterRow> rows)
{
    std::reverse(rows.begin(), rows.end());
    return rows;
}

QString text(const RegisterModel &model, int row, int column, int role = Qt::DisplayRole)
{
    return model.data(model.index(row, column), role).toString();
}

} // namespace

class TestRegisterModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void headers();
    void emptyAccountShowsOnlyTheBlankRow();
    void displayTextsOfTheNineColumns_data();
    void displayTextsOfTheNineColumns();
    void rowMappingInBothOrders_data();
    void rowMappingInBothOrders();
    void flagsAllowEditsOnlyOnTheBlankAndEditingRows();
    void setDataStoresPendingTextsAndRepaintsThatCell();
    void editingRowShowsItsPendingEdit();
    void clearPendingEditStartsOnTheLastDate();
    void rolesForAmountsAndColours();
    void yenAmountsHaveNoDecimals();
    void openingBalanceRowIsReadOnly();
    void indexedLoadShowsTheSameCellsAsAFullLoad_data();
    void indexedLoadShowsTheSameCellsAsAFullLoad();
};

void TestRegisterModel::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setPalette(windowPalette(u"#FAFBFA"));
}

void TestRegisterModel::headers()
{
    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QStringList expected = {"Date",    "Chk #",   "Payee", "Category", "Memo",
                                  "Payment", "Deposit", "Clr",   "Balance"};
    QCOMPARE(model.columnCount(), 9);
    for (int column = 0; column < 9; ++column)
        QCOMPARE(model.headerData(column, Qt::Horizontal).toString(), expected.at(column));
    QVERIFY(!model.headerData(0, Qt::Vertical).isValid());
    QVERIFY(!model.headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());

    QSignalSpy headerChanged(&model, &QAbstractItemModel::headerDataChanged);
    model.setTwoLine(true);
    QCOMPARE(headerChanged.count(), 1);
    QCOMPARE(headerChanged.at(0).at(1).toInt(), 2);
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Payee / Memo"));
}

void TestRegisterModel::emptyAccountShowsOnlyTheBlankRow()
{
    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.load({}, false);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.blankRow(), 0);
    const QStringList placeholders = {"Date", "Chk #",   "Payee",   "Category",
                                      "Memo", "Payment", "Deposit", "Clr"};
    // The pending date is filled (today), so its placeholder does not show.
    QCOMPARE(text(model, 0, 0), QDate::currentDate().toString(QStringLiteral("M/d/yyyy")));
    for (int column = 1; column < 8; ++column) {
        QCOMPARE(text(model, 0, column), placeholders.at(column));
        QCOMPARE(model.data(model.index(0, column), Qt::ForegroundRole).value<QBrush>().color(),
                 QColor(u"#6E8A7E"));
        QCOMPARE(text(model, 0, column, Qt::EditRole), QString());
    }
    QVERIFY(!model.data(model.index(0, 8)).isValid());
    QVERIFY(model.rowCount(model.index(0, 0)) == 0);
}

void TestRegisterModel::displayTextsOfTheNineColumns_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("payment") << 0 << QStringList{"1/5/2024", "101", "Payee 1", "Category 1", "Memo 1",
                                                 "1,234.56", "",    "",        "-1,234.56"};
    QTest::newRow("zero amount is a deposit")
        << 1
        << QStringList{"1/6/2024", "102", "Payee 2", "Category 2", "Memo 2", "", "0.00", "C", "-1,234.56"};
    QTest::newRow("reconciled shows R though cleared")
        << 2
        << QStringList{"1/7/2024", "103", "Payee 3", "Category 3", "Memo 3", "", "2,000.00", "R", "765.44"};
}

void TestRegisterModel::displayTextsOfTheNineColumns()
{
    QFETCH(int, position);
    QFETCH(QStringList, expected);
    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.load(sampleRows(), false);
    for (int column = 0; column < 9; ++column)
        QCOMPARE(text(model, position, column), expected.at(column));
    for (int column = 0; column < 8; ++column)
        QCOMPARE(text(model, position, column, Qt::EditRole), expected.at(column));
    QVERIFY(!model.data(model.index(position, 8), Qt::EditRole).isValid());
}

void TestRegisterModel::rowMappingInBothOrders_data()
{
    QTest::addColumn<bool>("newestFirst");
    QTest::addColumn<int>("blankRow");
    QTest::addColumn<QStringList>("idsByRow");
    QTest::newRow("oldest first") << false << 3 << QStringList{"1", "2", "3", ""};
    QTest::newRow("newest first") << true << 0 << QStringList{"", "3", "2", "1"};
}

void TestRegisterModel::rowMappingInBothOrders()
{
    QFETCH(bool, newestFirst);
    QFETCH(int, blankRow);
    QFETCH(QStringList, idsByRow);
    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.load(newestFirst ? reversed(sampleRows()) : sampleRows(), newestFirst);

    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.blankRow(), blankRow);
    QVERIFY(!model.registerRow(blankRow));
    QVERIFY(!model.registerRow(4));
    QVERIFY(!model.registerRow(-1));
    for (int row = 0; row < 4; ++row) {
        const QString id = idsByRow.at(row);
        if (id.isEmpty())
            continue;
        QCOMPARE(model.registerRow(row)->transaction.id, id);
        QCOMPARE(model.rowOfTransaction(id), row);
    }
    QCOMPARE(model.rowOfTransaction(QString()), -1);
    QCOMPARE(model.rowOfTransaction(QStringLiteral("missing")), -1);
    // Balances stay with their rows: the newest row carries the account's balance either way.
    QCOMPARE(model.accountBalance(0), Money(76544));
    QCOMPARE(text(model, model.rowOfTransaction(QStringLiteral("3")), 8), QStringLiteral("765.44"));
}

void TestRegisterModel::flagsAllowEditsOnlyOnTheBlankAndEditingRows()
{
    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.load(sampleRows(), false);
    const Qt::ItemFlags readOnly = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const Qt::ItemFlags editable = readOnly | Qt::ItemIsEditable;

    QCOMPARE(model.flags(QModelIndex()), Qt::NoItemFlags);
    QCOMPARE(model.flags(model.index(3, 2)), editable);
    QCOMPARE(model.flags(model.index(3, 8)), readOnly);
    QCOMPARE(model.flags(model.index(1, 2)), readOnly);

    model.setEditingRow(1);
    for (int column = 0; column < 8; ++column)
        QCOMPARE(model.flags(model.index(1, column)), editable);
    QCOMPARE(model.flags(model.index(1, 8)), readOnly);
    QCOMPARE(model.flags(model.index(0, 2)), readOnly);
    QCOMPARE(model.flags(model.index(3, 2)), editable);
}

void TestRegisterModel::setDataStoresPendingTextsAndRepaintsThatCell()
{
    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.load(sampleRows(), false);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    const QStringList texts = {"3/15/2024", "1001", "Grocer", "Food",   "weekly",
                               "12.50",     "1.00", "c",      "ignored"};
    for (int column = 0; column < 9; ++column)
        QVERIFY(model.setData(model.index(3, column), texts.at(column)));
    QVERIFY(!model.setData(model.index(3, 2), QStringLiteral("x"), Qt::DisplayRole));
    QCOMPARE(changed.count(), 9);
    QCOMPARE(changed.at(2).at(0).value<QModelIndex>(), model.index(3, 2));
    QCOMPARE(changed.at(2).at(1).value<QModelIndex>(), model.index(3, 2));

    const RegisterModel::PendingEdit expected{"3/15/2024", "1001", "Grocer", "weekly", "Food",
                                              "12.50",     "1.00", "c",      ""};
    QCOMPARE(model.pendingEdit(), expected);
    QCOMPARE(text(model, 3, 2), QStringLiteral("Grocer"));
    QVERIFY(!model.data(model.index(3, 2), Qt::ForegroundRole).isValid());
}

void TestRegisterModel::editingRowShowsItsPendingEdit()
{
    RegisterModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.load(sampleRows(), false);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.loadPendingEditFromRow(0);
    model.setEditingRow(0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(model.pendingEdit().payment, QStringLiteral("1,234.56"));
    QCOMPARE(model.pendingEdit().categoryId, QStringLiteral("cat-1"));

    QVERIFY(model.setData(model.index(0, 2), QStringLiteral("Changed")));
    QCOMPARE(text(model, 0, 2), QStringLiteral("Changed"));
    // The balance still comes from the stored row, and the blank row is no longer pending.
    QCOMPARE(text(model, 0, 8), QStringLiteral("-1,234.56"));
    QVERIFY(!model.data(model.index(3, 2)).isValid());
    QCOMPARE(model.data(model.index(0, 2), Qt::BackgroundRole).value<QBrush>().color(), QColor(u"#E8F5E9"));

    model.setEditingRow(-1);
    QCOMPARE(changed.count(), 3);
    QCOMPARE(text(model, 0, 2), QStringLiteral("Payee 1"));
}

void TestRegisterModel::clearPendingEditStartsOnTheLastDate()
{
    RegisterModel model;
    model.load({}, false);
    QCOMPARE(model.pendingEdit().date, QDate::currentDate().toString(QStringLiteral("M/d/yyyy")));
    model.setData(model.index(0, 2), QStringLiteral("Grocer"));
    model.setPendingCategoryId(QStringLiteral("cat"));
    model.setLastDate(QStringLiteral("3/15/2024"));
    model.load({}, false);
    RegisterModel::PendingEdit expected;
    expected.date = QStringLiteral("3/15/2024");
    QCOMPARE(model.pendingEdit(), expected);
}

void TestRegisterModel::rolesForAmountsAndColours()
{
    RegisterModel model;
    model.load(sampleRows(), false);
    const auto brush = [&model](int row, int column) {
        return model.data(model.index(row, column), Qt::ForegroundRole).value<QBrush>().color();
    };
    QCOMPARE(brush(0, 5), negativeColor());
    QCOMPARE(brush(1, 6), positiveColor());
    QCOMPARE(brush(0, 8), negativeColor());
    QVERIFY(!model.data(model.index(2, 8), Qt::ForegroundRole).isValid());
    QCOMPARE(brush(0, 4), QColor(u"#6E8A7E"));
    QCOMPARE(brush(0, 7), QColor(u"#6E8A7E"));
    QVERIFY(!model.data(model.index(0, 2), Qt::ForegroundRole).isValid());

    QCOMPARE(model.data(model.index(0, 5), Qt::FontRole).value<QFont>().styleHint(), QFont::Monospace);
    QVERIFY(!model.data(model.index(0, 2), Qt::FontRole).isValid());
    QCOMPARE(model.data(model.index(0, 8), Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(model.data(model.index(0, 7), Qt::TextAlignmentRole).value<Qt::Alignment>(), Qt::AlignCenter);
    QCOMPARE(model.data(model.index(0, 0), Qt::TextAlignmentRole).value<Qt::Alignment>(),
             Qt::AlignLeft | Qt::AlignVCenter);
    QVERIFY(!model.data(model.index(0, 0), Qt::BackgroundRole).isValid());

    QApplication::setPalette(windowPalette(u"#0F1E19"));
    QCOMPARE(brush(0, 5), QColor(u"#FF8A80"));
    QCOMPARE(model.data(model.index(3, 0), Qt::BackgroundRole).value<QBrush>().color(), QColor(u"#1A2E28"));
    model.setTwoLine(true);
    QVERIFY(!model.data(model.index(3, 0), Qt::BackgroundRole).isValid());
    QApplication::setPalette(windowPalette(u"#FAFBFA"));
}

void TestRegisterModel::yenAmountsHaveNoDecimals()
{
    RegisterModel model;
    model.load({makeRow(QStringLiteral("1"), QDate(2024, 1, 5), -1500, 98500)}, false, Currency::JPY);
    QCOMPARE(text(model, 0, 5), QStringLiteral("1,500"));
    QCOMPARE(text(model, 0, 8), QStringLiteral("98,500"));
}

void TestRegisterModel::openingBalanceRowIsReadOnly()
{
    RegisterRow opening = makeRow(QString(), QDate(2024, 1, 1), 10000, 10000, true, true);
    opening.transaction.payee = QStringLiteral("Opening Balance");
    RegisterModel model;
    model.load({opening, makeRow(QStringLiteral("1"), QDate(2024, 1, 5), -2500, 7500)}, false);
    model.setEditingRow(0);
    QCOMPARE(model.flags(model.index(0, 2)), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    QCOMPARE(model.rowOfTransaction(QString()), -1);
}

void TestRegisterModel::indexedLoadShowsTheSameCellsAsAFullLoad_data()
{
    QTest::addColumn<bool>("newestFirst");
    QTest::newRow("oldest first") << false;
    QTest::newRow("newest first") << true;
}

// An account of several pages, with an opening row and one deleted transaction, read cell by cell
// through its index must look exactly like the same account loaded whole.
void TestRegisterModel::indexedLoadShowsTheSameCellsAsAFullLoad()
{
    QFETCH(bool, newestFirst);
    TestDatabase db;
    QVERIFY(db.isReady());
    AccountRepository accounts(db.database());
    TransactionRepository transactions(db.database());
    const Account account = Records::account(QStringLiteral("Checking")).startingBalance(10000);
    QVERIFY(accounts.insert(account));
    QString deletedId;
    QString middleId;
    {
        SqlTransaction guard(db.database()->connection());
        for (int i = 0; i < 600; ++i) {
            Transaction t =
                Records::transaction(account.id, QDate(2026, 1, 1).addDays(i / 3), (i % 7 - 3) * 1234)
                    .payee(QStringLiteral("Payee %1").arg(i))
                    .createdAt(QDateTime(QDate(2026, 1, 1), QTime(0, 0).addSecs(i), Qt::UTC));
            t.cleared = i % 2;
            QVERIFY(transactions.insert(t));
            if (i == 77)
                deletedId = t.id;
            if (i == 300)
                middleId = t.id;
        }
        QVERIFY(guard.commit());
    }
    QVERIFY(transactions.softDelete(deletedId));

    QList<RegisterRow> rows = transactions.registerRows(account.id);
    if (newestFirst)
        std::reverse(rows.begin(), rows.end());
    RegisterModel whole;
    whole.load(rows, newestFirst);
    RegisterModel indexed;
    QAbstractItemModelTester tester(&indexed, QAbstractItemModelTester::FailureReportingMode::QtTest);
    indexed.loadIndex(transactions.registerIndex(account.id), &transactions, newestFirst);

    QCOMPARE(indexed.rowCount(), 601); // 599 transactions, the opening row, the blank row
    QCOMPARE(indexed.rowCount(), whole.rowCount());
    QCOMPARE(indexed.blankRow(), whole.blankRow());
    for (int row = 0; row < whole.rowCount(); ++row) {
        for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
            for (int role : {int(Qt::DisplayRole), int(Qt::EditRole), int(Qt::ForegroundRole)})
                QCOMPARE(indexed.index(row, column).data(role), whole.index(row, column).data(role));
        }
        QCOMPARE(indexed.flags(indexed.index(row, 0)), whole.flags(whole.index(row, 0)));
    }
    QCOMPARE(indexed.rowOfTransaction(middleId), whole.rowOfTransaction(middleId));
    QCOMPARE(indexed.rowOfTransaction(deletedId), -1);
    QCOMPARE(indexed.accountBalance(account.startingBalance), transactions.balance(account.id));
}

QTEST_MAIN(TestRegisterModel)
#include "tst_registermodel.moc"
