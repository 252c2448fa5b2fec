#include "registerfixture.h"

#include "support/recordbuilders.h"
#include "ui/register/tabcompleter.h"
#include "ui/widgets/registerstyle.h"
#include "ui/widgets/tablecolumnfitter.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QStandardPaths>

// The register's columns are sized from what they show, in the fonts they are drawn in, so that
// they read whatever the window size, font or display scale; and the completion lists are as wide
// as what they offer.
class TestRegisterColumns : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void columnsShowTheirValuesAtEveryWidth_data();
    void columnsShowTheirValuesAtEveryWidth();
    void largestFigureAmongUnsampledRowsFits();
    void oneLongPayeeDoesNotCrowdTheCommonOnes();
    void twoLineLayoutGivesTheMemoRoomToThePayee();
    void completionListIsAsWideAsItsLongestItem();
};

namespace {

int textWidth(const QFont &font, const QString &text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

// Sets the register's table to `tableWidth` and waits for the columns to settle.
bool fitTable(RegisterFixture &f, int tableWidth)
{
    // The screen's margins are 24 on each side.
    f.screen()->resize(tableWidth + 48, 600);
    QApplication::processEvents();
    f.screen()->columnFitter()->fit();
    return QTest::qWaitFor([&f] { return f.view()->viewport()->width() > 0; });
}

int totalColumnWidth(QTableView *view)
{
    int total = 0;
    for (int column = 0; column < view->model()->columnCount(); ++column) {
        if (!view->isColumnHidden(column))
            total += view->columnWidth(column);
    }
    return total;
}

} // namespace

void TestRegisterColumns::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestRegisterColumns::columnsShowTheirValuesAtEveryWidth_data()
{
    QTest::addColumn<int>("tableWidth");
    QTest::addColumn<bool>("textsInFull");
    QTest::addColumn<bool>("withoutScrolling");
    // What the main window leaves the table beside the account list.
    QTest::newRow("1024 x 700 window") << 745 << true << true;
    QTest::newRow("wide window") << 1400 << true << true;
    // 960 x 540 logical pixels: the memo and category give way, none down to a bare "...".
    QTest::newRow("1920 x 1080 at scale 2") << 697 << false << true;
    // Narrower than anything the main window opens at: the texts stop at their minimums, the
    // figures never give way.
    QTest::newRow("narrow") << 560 << false << false;
}

void TestRegisterColumns::columnsShowTheirValuesAtEveryWidth()
{
    QFETCH(int, tableWidth);
    QFETCH(bool, textsInFull);
    QFETCH(bool, withoutScrolling);

    RegisterFixture f;
    QVERIFY(f.start());
    const QString checking = Records::account(QStringLiteral("Checking")).addTo(f.core()).id;
    const QStringList payees = {QStringLiteral("Greenleaf Market"), QStringLiteral("Ridgeline Pharmacy"),
                                QStringLiteral("Maplewood Diner")};
    const QStringList categories = {QStringLiteral("Groceries"), QStringLiteral("Medical Expenses"),
                                    QStringLiteral("Dining & Restaurants")};
    for (int i = 0; i < 30; ++i) {
        Records::transaction(checking, QDate(2026, 1, 1).addDays(i), -(1000 + i))
            .payee(payees[i % 3])
            .categoryNamed(categories[i % 3])
            .memo(QStringLiteral("Weekly shopping for the household"))
            .addTo(f.core());
    }
    Records::transaction(checking, QDate(2025, 1, 1), 1234589)
        .payee(QStringLiteral("Employer"))
        .addTo(f.core());
    Records::transaction(checking, QDate(2025, 1, 2), -2876543)
        .payee(QStringLiteral("Builder"))
        .addTo(f.core());
    QVERIFY(f.open(checking));
    QVERIFY(fitTable(f, tableWidth));

    RegisterTableView *view = f.view();
    const QFont money = monospaceFont();
    const QFont text = view->font();
    const struct
    {
        int column;
        QFont font;
        QString widest;
    } figures[] = {
        {RegisterModel::DateColumn, text, QStringLiteral("12/28/2026")},
        {RegisterModel::PaymentColumn, money, QStringLiteral("28,765.43")},
        {RegisterModel::DepositColumn, money, QStringLiteral("12,345.89")},
        {RegisterModel::BalanceColumn, money, QStringLiteral("-16,419.54")},
        {RegisterModel::ClearedColumn, text, QStringLiteral("R")},
    };
    for (const auto &figure : figures) {
        QVERIFY2(view->columnWidth(figure.column) >= textWidth(figure.font, figure.widest),
                 qPrintable(QStringLiteral("column %1").arg(figure.column)));
        // The header reads in full too.
        QVERIFY(view->columnWidth(figure.column) >= view->horizontalHeader()->sectionSizeHint(figure.column));
    }

    TableColumnFitter *fitter = f.screen()->columnFitter();
    for (int column : {RegisterModel::PayeeColumn, RegisterModel::CategoryColumn, RegisterModel::MemoColumn})
        QVERIFY(view->columnWidth(column) >= fitter->minimumWidth(column));
    if (textsInFull) {
        for (const QString &payee : payees)
            QVERIFY2(view->columnWidth(RegisterModel::PayeeColumn) > textWidth(text, payee),
                     qPrintable(payee));
        for (const QString &category : categories)
            QVERIFY2(view->columnWidth(RegisterModel::CategoryColumn) > textWidth(text, category),
                     qPrintable(category));
    }
    if (withoutScrolling) {
        // No horizontal scroll bar, and the row ends at the table's edge.
        QTRY_COMPARE(view->horizontalScrollBar()->maximum(), 0);
        QTRY_COMPARE(totalColumnWidth(view), view->viewport()->width());
    }
}

// Only the rows at both ends are measured; the largest amount and balance come from the running
// balances of the whole register.
void TestRegisterColumns::largestFigureAmongUnsampledRowsFits()
{
    RegisterFixture f;
    QVERIFY(f.start());
    const QString checking = Records::account(QStringLiteral("Checking")).addTo(f.core()).id;
    for (int i = 0; i < 500; ++i)
        Records::transaction(checking, QDate(2020, 1, 1).addDays(i), i == 250 ? 99999999999 : -100)
            .payee(QStringLiteral("Cafe"))
            .addTo(f.core());
    QVERIFY(f.open(checking));
    QVERIFY(fitTable(f, 745));
    const QFont money = monospaceFont();
    QVERIFY(f.view()->columnWidth(RegisterModel::DepositColumn) >=
            textWidth(money, QStringLiteral("999,999,999.99")));
    QVERIFY(f.view()->columnWidth(RegisterModel::BalanceColumn) >=
            textWidth(money, QStringLiteral("999,999,999.74")));
}

void TestRegisterColumns::oneLongPayeeDoesNotCrowdTheCommonOnes()
{
    RegisterFixture f;
    QVERIFY(f.start());
    const QString checking = Records::account(QStringLiteral("Checking")).addTo(f.core()).id;
    for (int i = 0; i < 20; ++i)
        Records::transaction(checking, QDate(2026, 2, 1).addDays(i), -4200)
            .payee(QStringLiteral("Hilltop Gas"))
            .categoryNamed(QStringLiteral("Dining & Restaurants"))
            .addTo(f.core());
    Records::transaction(checking, QDate(2026, 3, 1), 100000)
        .payee(QStringLiteral("Transfer from the joint household savings account at the credit union"))
        .addTo(f.core());
    QVERIFY(f.open(checking));
    QVERIFY(fitTable(f, 700));
    const QFont text = f.view()->font();
    QTRY_COMPARE(f.view()->horizontalScrollBar()->maximum(), 0);
    QVERIFY(f.view()->columnWidth(RegisterModel::CategoryColumn) >
            textWidth(text, QStringLiteral("Dining & Restaurants")));
}

void TestRegisterColumns::twoLineLayoutGivesTheMemoRoomToThePayee()
{
    RegisterFixture f;
    QVERIFY(f.start());
    const QString checking = Records::account(QStringLiteral("Checking")).addTo(f.core()).id;
    Records::transaction(checking, QDate(2026, 2, 1), -4200)
        .payee(QStringLiteral("Greenleaf Market"))
        .categoryNamed(QStringLiteral("Groceries"))
        .memo(QStringLiteral("Weekly shopping"))
        .addTo(f.core());
    QVERIFY(f.open(checking));
    QVERIFY(fitTable(f, 745));
    const int oneLinePayee = f.view()->columnWidth(RegisterModel::PayeeColumn);

    f.state()->preferencesRepository()->setBool(QStringLiteral("registerTwoLine"), true);
    f.screen()->reload();
    QVERIFY(f.view()->isColumnHidden(RegisterModel::MemoColumn));
    f.screen()->columnFitter()->fit();
    QVERIFY(f.view()->columnWidth(RegisterModel::PayeeColumn) > oneLinePayee);
    QTRY_COMPARE(totalColumnWidth(f.view()), f.view()->viewport()->width());
}

void TestRegisterColumns::completionListIsAsWideAsItsLongestItem()
{
    QWidget window;
    auto *edit = new QLineEdit(&window);
    edit->setGeometry(10, 10, 80, 24);
    const QString longest = QStringLiteral("[Transfer] Joint Household Savings at the Credit Union");
    auto *completer =
        new TabCompleter(QStringList{QStringLiteral("Gas"), longest, QStringLiteral("Groceries")}, edit);
    edit->setCompleter(completer);
    window.resize(300, 200);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    edit->setFocus();

    QTest::keyClicks(edit, QStringLiteral("a"));
    QAbstractItemView *popup = completer->popup();
    QTRY_VERIFY(popup->isVisible());
    const int needed = textWidth(popup->font(), longest);
    QVERIFY2(popup->width() > needed, qPrintable(QStringLiteral("%1 <= %2").arg(popup->width()).arg(needed)));
    // Within the screen, whatever the width of the field it belongs to.
    const QRect screen = edit->screen()->availableGeometry();
    QVERIFY(screen.contains(popup->geometry()));
}

QTEST_MAIN(TestRegisterColumns)
#include "tst_registercolumns.moc"
