#include "registerfixture.h"

#include "services/categoryservice.h"
#include "support/recordbuilders.h"
#include "ui/widgets/dateinput.h"
#include "ui/widgets/dateshortcutrows.h"
#include "ui/widgets/smartdateedit.h"

#include "ui/widgets/thememanager.h"
#include <QAbstractItemModelTester>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStandardPaths>

namespace {

const QDate march15(2024, 3, 15);

QList<Transaction> liveTransactions(TransactionRepository *repository, const QString &accountId)
{
    return repository->byAccount(accountId);
}

// Keys as the platform delivers them: to the window, which hands them to an open completion list
// first, as a user's typing would go.
void typeIntoWindow(RegisterFixture &f, const QString &text)
{
    for (const QChar character : text)
        QTest::keyClick(f.screen()->windowHandle(), character.toLatin1());
}

void pressInWindow(RegisterFixture &f, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(f.screen()->windowHandle(), key, modifiers);
}

} // namespace

class TestRegisterScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void typesAPaymentIntoTheBlankRowAndCommits();
    void nextBlankRowStartsOnTheLastCommittedDate();
    void twoDigitYearInTheRegisterIsThisCentury();
    void dateShortcutsWorkInTheDateCell();
    void dateCellShortcuts_data();
    void dateCellShortcuts();
    void refusesAnEmptyPayeeOrAmountWithHints_data();
    void refusesAnEmptyPayeeOrAmountWithHints();
    void zeroAmountIsSavedAsADeposit();
    void yenAmountsAreWholeYen();
    void autofillsFromTheLastTransactionOfThePayee();
    void autofillDoesNotTouchAnExistingRow();
    void autofillKeepsAMemoTypedInTheTwoLineEditor();
    void commitsATransferWithBothLegs();
    void refusesTransfers_data();
    void refusesTransfers();
    void editingARowRecomputesTheRunningBalances();
    void editingATransferKeepsTheOtherLegInStep();
    void editingARowIntoATransferAddsTheOtherLeg();
    void deletingOneLegOfATransferDeletesBoth();
    void deleteQuestionUsesTheAccountCurrency();
    void deleteOnTheBlankRowClearsTheFields();
    void tabMovesThroughTheOneLineLayout();
    void tabMovesThroughTheTwoLineLayout();
    void enterMovesOnAndCommitsFromTheClearedColumn();
    void balanceColumnIsNeverReachedByArrowKeys();
    void copyFromAboveAndApostropheInText();
    void newestFirstPutsTheBlankRowOnTopAndDeletesWork();
    void reloadKeepsTheCurrentTransaction();
    void shortcutSeamsAreSignals();
    void clearedToggleFlipsOnlyThatRow();
    void externalChangesKeepTheCursorOnTheEntryRow();
    void switchingAccountsWhileEditingShowsTheNewAccount();
    void escapeDiscardsTheEntryAndInsertNewStartsClean();
    void escapeDiscardsWhatWasTypedInTheBlankRow_data();
    void escapeDiscardsWhatWasTypedInTheBlankRow();
    void escapeInAStoredRowOnlyClosesTheEditor();
    void openingBalanceRowCannotBeEditedOrDeleted();
    void clickingACellStartsEditingItsRow();
    void balanceColourFollowsTheTheme();
    void leavingTheCategoryTakesTheCompletion_data();
    void leavingTheCategoryTakesTheCompletion();
    void unknownCategoryIsCreatedOrKept_data();
    void unknownCategoryIsCreatedOrKept();
    void ctrlEndLandsOnTheDateOfTheLastRow_data();
    void ctrlEndLandsOnTheDateOfTheLastRow();
    void clearedCellTakesOnlyItsFlagKeys_data();
    void clearedCellTakesOnlyItsFlagKeys();

private:
    std::unique_ptr<RegisterFixture> m_fixture;
    QString m_checking;
};

void TestRegisterScreen::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestRegisterScreen::init()
{
    m_fixture = std::make_unique<RegisterFixture>();
    QVERIFY(m_fixture->start());
    m_checking = Records::account(QStringLiteral("Checking")).addTo(m_fixture->core()).id;
    QVERIFY(!m_checking.isEmpty());
}

void TestRegisterScreen::cleanup()
{
    m_fixture.reset();
}

void TestRegisterScreen::typesAPaymentIntoTheBlankRowAndCommits()
{
    RegisterFixture &f = *m_fixture;
    Records::transaction(m_checking, QDate(2024, 3, 1), 250000)
        .payee(QStringLiteral("Employer"))
        .addTo(f.core());
    QVERIFY(f.open(m_checking));
    QAbstractItemModelTester tester(f.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(f.view()->currentIndex(), f.model()->index(1, 0));

    f.type(QStringLiteral("3/15/2024"));
    QVERIFY(qobject_cast<SmartDateEdit *>(f.focus()));
    f.press(Qt::Key_Tab);
    QCOMPARE(f.currentColumn(), 1);
    f.type(QStringLiteral("1001"));
    f.press(Qt::Key_Tab);
    QCOMPARE(f.currentColumn(), 2);
    f.type(QStringLiteral("Corner Grocer"));
    f.press(Qt::Key_Tab);
    QCOMPARE(f.currentColumn(), 3);
    QVERIFY(qobject_cast<QComboBox *>(f.view()->editorAt(f.view()->currentIndex())));
    f.type(QStringLiteral("Groceries"));
    f.press(Qt::Key_Tab);
    QCOMPARE(f.currentColumn(), 4);
    f.type(QStringLiteral("weekly shop"));
    f.press(Qt::Key_Tab);
    QCOMPARE(f.currentColumn(), 5);
    f.type(QStringLiteral("1,234.56"));
    f.press(Qt::Key_Return, Qt::ControlModifier);

    const QList<Transaction> stored = liveTransactions(f.transactions(), m_checking);
    QCOMPARE(stored.size(), 2);
    const Transaction &payment = stored.first();
    QCOMPARE(payment.date, march15);
    QCOMPARE(payment.checkNumber, QStringLiteral("1001"));
    QCOMPARE(payment.payee, QStringLiteral("Corner Grocer"));
    QCOMPARE(payment.memo, QStringLiteral("weekly shop"));
    QCOMPARE(payment.amount, Money(-123456));
    QCOMPARE(payment.categoryId,
             f.state()->categoryRepository()->findByName(QStringLiteral("Groceries"))->id);
    QCOMPARE(payment.version, 1);
    QCOMPARE(payment.syncStatus, SyncStatus::Pending);
    QVERIFY(!payment.cleared);

    QCOMPARE(f.model()->rowCount(), 3);
    QCOMPARE(f.cell(1, RegisterModel::BalanceColumn), QStringLiteral("1,265.44"));
    QCOMPARE(f.cell(1, RegisterModel::CategoryColumn), QStringLiteral("Groceries"));
    QCOMPARE(f.screen()->balanceText(), QStringLiteral("$1,265.44"));
    QCOMPARE(f.view()->currentIndex(), f.model()->index(2, 0));
}

void TestRegisterScreen::nextBlankRowStartsOnTheLastCommittedDate()
{
    RegisterFixture &f = *m_fixture;
    QVERIFY(f.open(m_checking));
    f.type(QStringLiteral("3/15/2024"));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("Bakery"));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    QCOMPARE(f.currentColumn(), 6);
    f.type(QStringLiteral("20"));
    f.press(Qt::Key_Return, Qt::ControlModifier);

    QCOMPARE(f.transactions()->byAccount(m_checking).size(), 1);
    QCOMPARE(f.transactions()->byAccount(m_checking).first().amount, Money(2000));
    const int blank = f.model()->blankRow();
    QCOMPARE(blank, 1);
    QCOMPARE(f.model()->pendingEdit().date, QStringLiteral("3/15/2024"));
    QCOMPARE(f.cell(blank, RegisterModel::DateColumn), QStringLiteral("3/15/2024"));
    QCOMPARE(f.cell(blank, RegisterModel::PayeeColumn), QStringLiteral("Payee"));
}

void TestRegisterScreen::twoDigitYearInTheRegisterIsThisCentury()
{
    RegisterFixture &f = *m_fixture;
    QVERIFY(f.open(m_checking));
    f.type(QStringLiteral("1/5/24"));
    f.press(Qt::Key_Tab);
    QCOMPARE(f.model()->pendingEdit().date, QStringLiteral("1/5/2024"));
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("Cafe"));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("4.50"));
    f.press(Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    const QList<Transaction> stored = f.transactions()->byAccount(m_checking);
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.first().date, QDate(2024, 1, 5));
    QCOMPARE(stored.first().amount, Money(-450));
}

void TestRegisterScreen::dateShortcutsWorkInTheDateCell()
{
    RegisterFixture &f = *m_fixture;
    QVERIFY(f.open(m_checking));
    f.type(QStringLiteral("1/31/2024"));
    // A shortcut starts from the date the cell holds, so the typed date is read in first.
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Backtab, Qt::ShiftModifier);
    f.press(Qt::Key_Plus);
    QCOMPARE(qobject_cast<QLineEdit *>(f.focus())->text(), QStringLiteral("2/1/2024"));
    f.press(Qt::Key_H);
    f.press(Qt::Key_Tab);
    QCOMPARE(f.model()->pendingEdit().date, QStringLiteral("2/29/2024"));
    f.press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(f.currentColumn(), 0);
    f.press(Qt::Key_T);
    f.press(Qt::Key_Tab);
    QCOMPARE(f.model()->pendingEdit().date, QDate::currentDate().toString(QStringLiteral("M/d/yyyy")));
}

void TestRegisterScreen::dateCellShortcuts_data()
{
    addDateShortcutRows();
}

// The same table drives the transaction form's date field.
void TestRegisterScreen::dateCellShortcuts()
{
    QFETCH(QDate, shown);
    QFETCH(QString, key);
    QFETCH(QDate, expected);

    RegisterFixture &f = *m_fixture;
    Records::transaction(m_checking, shown, -100).payee(QStringLiteral("Corner Grocer")).addTo(f.core());
    QVERIFY(f.open(m_checking));
    f.press(Qt::Key_Up);
    f.press(Qt::Key_Return);
    auto *editor = qobject_cast<SmartDateEdit *>(f.focus());
    QVERIFY(editor);
    QCOMPARE(editor->text(), dateToEditText(shown));

    f.type(key);
    QCOMPARE(editor->text(), dateToEditText(expected));
    f.press(Qt::Key_Tab);
    QCOMPARE(f.model()->pendingEdit().date, dateToEditText(expected));
}

void TestRegisterScreen::refusesAnEmptyPayeeOrAmountWithHints_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("hint");
    QTest::newRow("empty payee") << ""
                                 << "12.00"
                                 << "Payee is required";
    QTest::newRow("blank payee") << "   "
                                 << "12.00"
                                 << "Payee is required";
    QTest::newRow("no amount") << "Grocer"
                               << ""
                               << "Enter a payment or deposit amount";
    QTest::newRow("unreadable amount saved as zero") << "Grocer"
                                                     << "12x"
                                                     << "Enter a valid amount";
}

void TestRegisterScreen::refusesAnEmptyPayeeOrAmountWithHints()
{
    QFETCH(QString, payee);
    QFETCH(QString, amount);
    QFETCH(QString, hint);
    RegisterFixture &f = *m_fixture;
    QVERIFY(f.open(m_checking));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(payee);
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(amount);
    f.press(Qt::Key_Return, Qt::ControlModifier);

    QCOMPARE(f.screen()->hintText(), hint);
    QVERIFY(f.transactions()->byAccount(m_checking).isEmpty());
    // What was typed stays, and the cursor too, so the user can correct it.
    QCOMPARE(f.model()->pendingEdit().payee, payee);
    QCOMPARE(f.model()->pendingEdit().payment, amount);
    QCOMPARE(f.view()->currentIndex(), f.model()->index(0, RegisterModel::PaymentColumn));
    QTRY_COMPARE_WITH_TIMEOUT(f.screen()->hintText(), QString(), 5000);
}

void TestRegisterScreen::zeroAmountIsSavedAsADeposit()
{
    RegisterFixture &f = *m_fixture;
    QVERIFY(f.open(m_checking));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("Adjustment"));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("0"));
    f.press(Qt::Key_Return, Qt::ControlModifier);
    const QList<Transaction> stored = f.transactions()->byAccount(m_checking);
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.first().amount, Money(0));
    QCOMPARE(f.cell(0, RegisterModel::DepositColumn), QStringLiteral("0.00"));
    QCOMPARE(f.cell(0, RegisterModel::PaymentColumn), QString());
}

void TestRegisterScreen::yenAmountsAreWholeYen()
{
    RegisterFixture &f = *m_fixture;
    const QString yen = Records::account(QStringLiteral("Tokyo")).currency(Currency::JPY).addTo(f.core()).id;
    QVERIFY(f.open(yen));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("Ramen"));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("12.50"));
    f.press(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(f.screen()->hintText(), QStringLiteral("Enter a valid amount"));
    QVERIFY(f.transactions()->byAccount(yen).isEmpty());

    f.press(Qt::Key_Return);
    f.press(Qt::Key_A, Qt::ControlModifier);
    f.type(QStringLiteral("1,500"));
    f.press(Qt::Key_Return, Qt::ControlModifier);
    const QList<Transaction> stored = f.transactions()->byAccount(yen);
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.first().amount, Money(-1500));
    QCOMPARE(f.cell(0, RegisterModel::PaymentColumn), QStringLiteral("1,500"));
    QCOMPARE(f.screen()->balanceText(), QStringLiteral("-¥1,500"));
}

void TestRegisterScreen::autofillsFromTheLastTransactionOfThePayee()
{
    RegisterFixture &f = *m_fixture;
    Records::transaction(m_checking, QDate(2024, 1, 1), -5000)
        .payee(QStringLiteral("Power Co"))
        .categoryNamed(QStringLiteral("Gas"))
        .memo(QStringLiteral("old memo"))
        .addTo(f.core());
    Records::transaction(m_checking, QDate(2024, 2, 1), -8125)
        .payee(QStringLiteral("Power Co"))
        .categoryNamed(QStringLiteral("Electric"))
        .memo(QStringLiteral("February bill"))
        .addTo(f.core());
    QVERIFY(f.open(m_checking));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("Power Co"));
    f.press(Qt::Key_Tab);

    const RegisterModel::PendingEdit &pending = f.model()->pendingEdit();
    QCOMPARE(pending.payment, QStringLiteral("81.25"));
    QCOMPARE(pending.deposit, QString());
    QCOMPARE(pending.category, QStringLiteral("Electric"));
    QCOMPARE(pending.memo, QStringLiteral("February bill"));
    QCOMPARE(pending.checkNumber, QString());

    // Typing over the filled amount survives leaving the payee again.
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("90.10"));
    f.press(Qt::Key_Backtab, Qt::ShiftModifier);
    f.press(Qt::Key_Backtab, Qt::ShiftModifier);
    f.press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(f.currentColumn(), 2);
    f.press(Qt::Key_Tab);
    QCOMPARE(f.model()->pendingEdit().payment, QStringLiteral("90.10"));

    f.press(Qt::Key_Return, Qt::ControlModifier);
    const Transaction newest = f.transactions()->byAccount(m_checking).first();
    QCOMPARE(newest.amount, Money(-9010));
    QCOMPARE(newest.memo, QStringLiteral("February bill"));
    QCOMPARE(newest.categoryId, f.state()->categoryRepository()->findByName(QStringLiteral("Electric"))->id);
}

void TestRegisterScreen::autofillDoesNotTouchAnExistingRow()
{
    RegisterFixture &f = *m_fixture;
    Records::transaction(m_checking, QDate(2024, 1, 1), -5000)
        .payee(QStringLiteral("Power Co"))
        .categoryNamed(QStringLiteral("Gas"))
        .addTo(f.core());
    Records::transaction(m_checking, QDate(2024, 1, 2), -300).payee(QStringLiteral("Bakery")).addTo(f.core());
    QVERIFY(f.open(m_checking));
    f.press(Qt::Key_Up);
    QCOMPARE(f.model()->editingRow(), 1);
    f.press(Qt::Key_Return);
    QCOMPARE(f.currentColumn(), 0);
    QVERIFY(qobject_cast<SmartDateEdit *>(f.focus()));
    f.press(Qt::Key_Return);
    f.press(Qt::Key_Return);
    QCOMPARE(f.currentColumn(), 2);
    f.type(QStringLiteral("Power Co"));
    f.press(Qt::Key_Tab);
    QCOMPARE(f.model()->pendingEdit().payee, QStringLiteral("Power Co"));
    QCOMPARE(f.model()->pendingEdit().payment, QStringLiteral("3.00"));
    QCOMPARE(f.model()->pendingEdit().category, QString());
}

void TestRegisterScreen::autofillKeepsAMemoTypedInTheTwoLineEditor()
{
    RegisterFixture &f = *m_fixture;
    f.state()->preferencesRepository()->setBool(QStringLiteral("registerTwoLine"), true);
    Records::transaction(m_checking, QDate(2024, 2, 1), -8125)
        .payee(QStringLiteral("Power Co"))
        .categoryNamed(QStringLiteral("Electric"))
        .memo(QStringLiteral("February bill"))
        .addTo(f.core());
    QVERIFY(f.open(m_checking));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("Power Co"));
    f.press(Qt::Key_Tab);
    QCOMPARE(f.focus()->objectName(), QStringLiteral("memoEdit"));
    f.type(QStringLiteral("March bill"));
    f.press(Qt::Key_Tab);
    QCOMPARE(f.currentColumn(), RegisterModel::CategoryColumn);
    QCOMPARE(f.model()->pendingEdit().memo, QStringLiteral("March bill"));
    QCOMPARE(f.model()->pendingEdit().payment, QStringLiteral("81.25"));
    QCOMPARE(f.model()->pendingEdit().category, QStringLiteral("Electric"));
}

void TestRegisterScreen::commitsATransferWithBothLegs()
{
    RegisterFixture &f = *m_fixture;
    const QString savings = Records::account(QStringLiteral("Savings")).addTo(f.core()).id;
    QVERIFY(f.open(m_checking));
    // The main window reloads the register on every change; the two legs still cost one load.
    connect(f.transactions(), &TransactionRepository::transactionsChanged, f.screen(),
            &RegisterScreen::reload);
    QSignalSpy loads(f.model(), &QAbstractItemModel::modelReset);
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("[Transfer] Savings"));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("50.00"));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("c"));
    f.press(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(loads.count(), 1);

    const QList<Transaction> checking = f.transactions()->byAccount(m_checking);
    const QList<Transaction> other = f.transactions()->byAccount(savings);
    QCOMPARE(checking.size(), 1);
    QCOMPARE(other.size(), 1);
    QCOMPARE(checking.first().payee, QStringLiteral("Transfer to Savings"));
    QCOMPARE(checking.first().amount, Money(-5000));
    QCOMPARE(other.first().payee, QStringLiteral("Transfer from Checking"));
    QCOMPARE(other.first().amount, Money(5000));
    QCOMPARE(checking.first().transferLinkId, other.first().id);
    QCOMPARE(other.first().transferLinkId, checking.first().id);
    QCOMPARE(checking.first().transferDestAccountId, savings);
    QCOMPARE(other.first().transferDestAccountId, m_checking);
    QVERIFY(checking.first().cleared && other.first().cleared);
    QCOMPARE(f.cell(0, RegisterModel::PayeeColumn), QStringLiteral("Transfer to Savings"));

    // The other leg shows in the other account's register.
    f.screen()->setAccount(savings);
    QCOMPARE(f.cell(0, RegisterModel::PayeeColumn), QStringLiteral("Transfer from Checking"));
    QCOMPARE(f.cell(0, RegisterModel::DepositColumn), QStringLiteral("50.00"));
}

void TestRegisterScreen::refusesTransfers_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("currencyError");
    QTest::newRow("name differs in case") << "[Transfer] savings"
                                          << "Transfer account not found" << false;
    QTest::newRow("no such account") << "[Transfer] Brokerage"
                                     << "Transfer account not found" << false;
    QTest::newRow("other currency") << "[Transfer] Euro Account"
                                    << "" << true;
    QTest::newRow("to itself") << "[Transfer] Checking"
                               << "Cannot transfer to the same account" << false;
}

void TestRegisterScreen::refusesTransfers()
{
    QFETCH(QString, payee);
    QFETCH(QString, hint);
    QFETCH(bool, currencyError);
    RegisterFixture &f = *m_fixture;
    Records::account(QStringLiteral("Savings")).addTo(f.core());
    const QString euro =
        Records::account(QStringLiteral("Euro Account")).currency(Currency::EUR).addTo(f.core()).id;
    QSignalSpy errors(f.screen(), &RegisterScreen::errorMessage);
    QVERIFY(f.open(m_checking));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(payee);
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("10"));
    f.press(Qt::Key_Return, Qt::ControlModifier);

    QCOMPARE(f.screen()->hintText(), hint);
    QCOMPARE(errors.count(), currencyError ? 1 : 0);
    if (currencyError)
        QCOMPARE(errors.at(0).at(0).toString(),
                 QStringLiteral("Transfers require both accounts to use the same currency"));
    QVERIFY(f.transactions()->byAccount(m_checking).isEmpty());
    QVERIFY(f.transactions()->byAccount(euro).isEmpty());
}

void TestRegisterScreen::editingARowRecomputesTheRunningBalances()
{
    RegisterFixture &f = *m_fixture;
    const QString salary = Records::transaction(m_checking, QDate(2024, 1, 1), 100000)
                               .payee(QStringLiteral("Employer"))
                               .addTo(f.core())
                               .id;
    Records::transaction(m_checking, QDate(2024, 1, 2), -60000).payee(QStringLiteral("Rent")).addTo(f.core());
    Records::transaction(m_checking, QDate(2024, 1, 3), -500).payee(QStringLiteral("Cafe")).addTo(f.core());
    QVERIFY(f.open(m_checking));
    QCOMPARE(f.cell(2, RegisterModel::BalanceColumn), QStringLiteral("395.00"));

    f.view()->setCurrentIndex(f.model()->index(0, RegisterModel::DepositColumn));
    QCOMPARE(f.model()->editingRow(), 0);
    f.press(Qt::Key_Return);
    QVERIFY(qobject_cast<QLineEdit *>(f.focus()));
    f.type(QStringLiteral("1200.50"));
    f.press(Qt::Key_Return, Qt::ControlModifier);

    const Transaction edited = *f.transactions()->findById(salary);
    QCOMPARE(edited.amount, Money(120050));
    QCOMPARE(edited.version, 2);
    QCOMPARE(edited.syncStatus, SyncStatus::Pending);
    QCOMPARE(f.cell(0, RegisterModel::BalanceColumn), QStringLiteral("1,200.50"));
    QCOMPARE(f.cell(1, RegisterModel::BalanceColumn), QStringLiteral("600.50"));
    QCOMPARE(f.cell(2, RegisterModel::BalanceColumn), QStringLiteral("595.50"));
    QCOMPARE(f.screen()->balanceText(), QStringLiteral("$595.50"));
    // The cursor moves on to the next row, ready for the next edit.
    QCOMPARE(f.view()->currentIndex(), f.model()->index(1, 0));
    QCOMPARE(f.model()->editingRow(), 1);
}

void TestRegisterScreen::editingATransferKeepsTheOtherLegInStep()
{
    RegisterFixture &f = *m_fixture;
    const QString savings = Records::account(QStringLiteral("Savings")).addTo(f.core()).id;
    QVERIFY(f.open(m_checking));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("[Transfer] Savings"));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("50"));
    f.press(Qt::Key_Return, Qt::ControlModifier);

    f.view()->setCurrentIndex(f.model()->index(0, RegisterModel::PaymentColumn));
    f.press(Qt::Key_Return);
    f.type(QStringLiteral("75"));
    f.press(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(f.transactions()->byAccount(m_checking).first().amount, Money(-7500));
    QCOMPARE(f.transactions()->byAccount(savings).first().amount, Money(7500));
}

void TestRegisterScreen::editingARowIntoATransferAddsTheOtherLeg()
{
    RegisterFixture &f = *m_fixture;
    const QString savings = Records::account(QStringLiteral("Savings")).addTo(f.core()).id;
    const QString id = Records::transaction(m_checking, QDate(2024, 4, 2), -2500)
                           .payee(QStringLiteral("Savings top-up"))
                           .addTo(f.core())
                           .id;
    QVERIFY(f.open(m_checking));
    f.view()->setCurrentIndex(f.model()->index(0, RegisterModel::PayeeColumn));
    f.press(Qt::Key_Return);
    f.press(Qt::Key_A, Qt::ControlModifier);
    f.type(QStringLiteral("[Transfer] Savings"));
    f.press(Qt::Key_Return, Qt::ControlModifier);

    const Transaction edited = *f.transactions()->findById(id);
    QCOMPARE(edited.payee, QStringLiteral("Transfer to Savings"));
    const QList<Transaction> other = f.transactions()->byAccount(savings);
    QCOMPARE(other.size(), 1);
    QCOMPARE(other.first().amount, Money(2500));
    QCOMPARE(other.first().date, QDate(2024, 4, 2));
    QCOMPARE(other.first().transferLinkId, id);
    QCOMPARE(edited.transferLinkId, other.first().id);
    QCOMPARE(edited.transferDestAccountId, savings);
}

void TestRegisterScreen::deletingOneLegOfATransferDeletesBoth()
{
    RegisterFixture &f = *m_fixture;
    const QString savings = Records::account(QStringLiteral("Savings")).addTo(f.core()).id;
    Records::transaction(m_checking, QDate(2024, 1, 1), 100000)
        .payee(QStringLiteral("Employer"))
        .addTo(f.core());
    QVERIFY(f.open(m_checking));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("[Transfer] Savings"));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("50"));
    f.press(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(f.transactions()->byAccount(savings).size(), 1);

    // Delete from the other side: the Savings leg.
    f.screen()->setAccount(savings);
    f.press(Qt::Key_Up);
    f.answerNextQuestion(QMessageBox::Yes);
    f.press(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(f.lastQuestion(), QStringLiteral("Delete transfer \"Transfer from Checking\" for $50.00?\n\n"
                                              "Both sides of the transfer will be deleted."));
    QVERIFY(f.transactions()->byAccount(savings).isEmpty());
    QCOMPARE(f.transactions()->byAccount(m_checking).size(), 1);
    QCOMPARE(f.model()->rowCount(), 1);
}

void TestRegisterScreen::deleteQuestionUsesTheAccountCurrency()
{
    RegisterFixture &f = *m_fixture;
    const QString euro =
        Records::account(QStringLiteral("Euro Account")).currency(Currency::EUR).addTo(f.core()).id;
    Records::transaction(euro, QDate(2024, 1, 1), -1250).payee(QStringLiteral("Boulangerie")).addTo(f.core());
    QVERIFY(f.open(euro));
    f.press(Qt::Key_Up);

    f.answerNextQuestion(QMessageBox::No);
    f.press(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(f.lastQuestion(), QStringLiteral("Delete \"Boulangerie\" for €12.50?"));
    QCOMPARE(f.transactions()->byAccount(euro).size(), 1);

    f.answerNextQuestion(QMessageBox::Yes);
    f.press(Qt::Key_D, Qt::ControlModifier);
    QVERIFY(f.transactions()->byAccount(euro).isEmpty());
}

void TestRegisterScreen::deleteOnTheBlankRowClearsTheFields()
{
    RegisterFixture &f = *m_fixture;
    QVERIFY(f.open(m_checking));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("Typo"));
    f.press(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(f.model()->pendingEdit().payee, QString());
    QCOMPARE(f.screen()->hintText(), QStringLiteral("Fields cleared"));
    QCOMPARE(f.view()->currentIndex(), f.model()->index(0, 0));
    QVERIFY(qobject_cast<SmartDateEdit *>(f.focus()));
}

void TestRegisterScreen::tabMovesThroughTheOneLineLayout()
{
    RegisterFixture &f = *m_fixture;
    QVERIFY(f.open(m_checking));
    const QList<int> expected = {1, 2, 3, 4, 5, 6, 7, 7};
    for (const int column : expected) {
        f.press(Qt::Key_Tab);
        QCOMPARE(f.currentColumn(), column);
        QVERIFY(f.view()->isAncestorOf(f.focus()));
    }
    // Tab on Clr does nothing: the cell stays current and open for typing.
    QCOMPARE(f.view()->currentIndex(), f.model()->index(0, RegisterModel::ClearedColumn));
    QVERIFY(f.view()->editorAt(f.view()->currentIndex()));
    QCOMPARE(f.focus(), f.view()->editorAt(f.view()->currentIndex()));
    const QList<int> back = {6, 5, 4, 3, 2, 1, 0, 0};
    for (const int column : back) {
        f.press(Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(f.currentColumn(), column);
    }
    QVERIFY(qobject_cast<SmartDateEdit *>(f.focus()));
}

void TestRegisterScreen::tabMovesThroughTheTwoLineLayout()
{
    RegisterFixture &f = *m_fixture;
    f.state()->preferencesRepository()->setBool(QStringLiteral("registerTwoLine"), true);
    QVERIFY(f.open(m_checking));
    QVERIFY(f.view()->isColumnHidden(RegisterModel::MemoColumn));
    QCOMPARE(f.view()->rowHeight(0), 52);
    QCOMPARE(f.model()->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Payee / Memo"));

    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    QCOMPARE(f.currentColumn(), 2);
    QCOMPARE(f.focus()->objectName(), QStringLiteral("payeeEdit"));
    f.type(QStringLiteral("Bookshop"));
    f.press(Qt::Key_Tab);
    QCOMPARE(f.focus()->objectName(), QStringLiteral("memoEdit"));
    QCOMPARE(f.currentColumn(), 2);
    f.type(QStringLiteral("gift"));
    f.press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(f.focus()->objectName(), QStringLiteral("payeeEdit"));
    f.press(Qt::Key_Tab);
    QCOMPARE(f.focus()->objectName(), QStringLiteral("memoEdit"));
    f.press(Qt::Key_Tab);
    QCOMPARE(f.currentColumn(), 3);
    QCOMPARE(f.model()->pendingEdit().payee, QStringLiteral("Bookshop"));
    QCOMPARE(f.model()->pendingEdit().memo, QStringLiteral("gift"));
    // The hidden Memo column is skipped both ways.
    f.press(Qt::Key_Tab);
    QCOMPARE(f.currentColumn(), 5);
    f.press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(f.currentColumn(), 3);
    f.press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(f.currentColumn(), 2);
    QCOMPARE(f.focus()->objectName(), QStringLiteral("memoEdit"));

    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("15"));
    f.press(Qt::Key_Return, Qt::ControlModifier);
    const QList<Transaction> stored = f.transactions()->byAccount(m_checking);
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.first().memo, QStringLiteral("gift"));
    QCOMPARE(stored.first().amount, Money(-1500));
}

void TestRegisterScreen::enterMovesOnAndCommitsFromTheClearedColumn()
{
    RegisterFixture &f = *m_fixture;
    QVERIFY(f.open(m_checking));
    f.press(Qt::Key_Return);
    QVERIFY(qobject_cast<SmartDateEdit *>(f.focus()));
    f.press(Qt::Key_Return);
    QCOMPARE(f.currentColumn(), 1);
    f.press(Qt::Key_Return);
    f.type(QStringLiteral("Library"));
    for (int column = 3; column <= 6; ++column) {
        f.press(Qt::Key_Return);
        QCOMPARE(f.currentColumn(), column);
    }
    f.type(QStringLiteral("7.25"));
    f.press(Qt::Key_Return);
    QCOMPARE(f.currentColumn(), 7);
    f.type(QStringLiteral("r"));
    f.press(Qt::Key_Return);
    const QList<Transaction> stored = f.transactions()->byAccount(m_checking);
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.first().amount, Money(725));
    QVERIFY(stored.first().cleared && stored.first().reconciled);
    QCOMPARE(f.cell(0, RegisterModel::ClearedColumn), QStringLiteral("R"));
}

void TestRegisterScreen::balanceColumnIsNeverReachedByArrowKeys()
{
    RegisterFixture &f = *m_fixture;
    Records::transaction(m_checking, QDate(2024, 1, 1), 100000)
        .payee(QStringLiteral("Employer"))
        .addTo(f.core());
    QVERIFY(f.open(m_checking));
    f.press(Qt::Key_Up);
    for (int step = 0; step < 10; ++step)
        f.press(Qt::Key_Right);
    QCOMPARE(f.currentColumn(), RegisterModel::ClearedColumn);
    f.press(Qt::Key_End);
    QCOMPARE(f.currentColumn(), RegisterModel::ClearedColumn);
}

void TestRegisterScreen::copyFromAboveAndApostropheInText()
{
    RegisterFixture &f = *m_fixture;
    Records::transaction(m_checking, QDate(2024, 1, 1), 100000)
        .payee(QStringLiteral("Employer"))
        .categoryNamed(QStringLiteral("Groceries"))
        .addTo(f.core());
    QVERIFY(f.open(m_checking));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("'"));
    QCOMPARE(qobject_cast<QLineEdit *>(f.focus())->text(), QStringLiteral("Employer"));
    f.press(Qt::Key_A, Qt::ControlModifier);
    f.press(Qt::Key_Backspace);
    f.type(QStringLiteral("Trader Joe's"));
    f.press(Qt::Key_Tab);
    QCOMPARE(f.model()->pendingEdit().payee, QStringLiteral("Trader Joe's"));
    // The copied category text drops any category chosen before it.
    f.type(QStringLiteral("'"));
    f.press(Qt::Key_Tab);
    QCOMPARE(f.model()->pendingEdit().category, QStringLiteral("Groceries"));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    QCOMPARE(f.currentColumn(), RegisterModel::DepositColumn);
    f.type(QStringLiteral("'"));
    QCOMPARE(f.model()->pendingEdit().deposit, QStringLiteral("1,000.00"));
}

void TestRegisterScreen::newestFirstPutsTheBlankRowOnTopAndDeletesWork()
{
    RegisterFixture &f = *m_fixture;
    f.state()->preferencesRepository()->setBool(QStringLiteral("registerNewestFirst"), true);
    Records::transaction(m_checking, QDate(2024, 1, 1), 100000)
        .payee(QStringLiteral("Employer"))
        .addTo(f.core());
    Records::transaction(m_checking, QDate(2024, 1, 2), -60000).payee(QStringLiteral("Rent")).addTo(f.core());
    QVERIFY(f.open(m_checking));
    QCOMPARE(f.model()->blankRow(), 0);
    QCOMPARE(f.view()->currentIndex(), f.model()->index(0, 0));
    QCOMPARE(f.cell(1, RegisterModel::PayeeColumn), QStringLiteral("Rent"));
    QCOMPARE(f.cell(1, RegisterModel::BalanceColumn), QStringLiteral("400.00"));
    QCOMPARE(f.screen()->balanceText(), QStringLiteral("$400.00"));

    f.press(Qt::Key_Down);
    f.press(Qt::Key_Down);
    QCOMPARE(f.cell(2, RegisterModel::PayeeColumn), QStringLiteral("Employer"));
    f.answerNextQuestion(QMessageBox::Yes);
    f.press(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(f.transactions()->byAccount(m_checking).size(), 1);
    QCOMPARE(f.cell(1, RegisterModel::BalanceColumn), QStringLiteral("-600.00"));
}

void TestRegisterScreen::reloadKeepsTheCurrentTransaction()
{
    RegisterFixture &f = *m_fixture;
    for (int day = 1; day <= 28; ++day)
        Records::transaction(m_checking, QDate(2024, 2, day), -100 * day)
            .payee(QStringLiteral("Shop %1").arg(day))
            .addTo(f.core());
    QVERIFY(f.open(m_checking));
    f.view()->setCurrentIndex(f.model()->index(10, RegisterModel::CategoryColumn));
    const QString currentId = f.model()->registerRow(10)->transaction.id;
    // A row dated before it lands above it and shifts it down by one.
    Records::transaction(m_checking, QDate(2024, 1, 15), -1).payee(QStringLiteral("Earlier")).addTo(f.core());
    f.screen()->reload();
    QCOMPARE(f.view()->currentIndex(), f.model()->index(11, RegisterModel::CategoryColumn));
    QCOMPARE(f.model()->registerRow(11)->transaction.id, currentId);
}

void TestRegisterScreen::shortcutSeamsAreSignals()
{
    RegisterFixture &f = *m_fixture;
    Records::transaction(m_checking, QDate(1999, 12, 31), -100).payee(QStringLiteral("Old")).addTo(f.core());
    Records::transaction(m_checking, QDate(2024, 1, 5), -4000)
        .payee(QStringLiteral("Gym"))
        .categoryNamed(QStringLiteral("Groceries"))
        .addTo(f.core());
    QSignalSpy newTransaction(f.screen(), &RegisterScreen::newTransactionRequested);
    QSignalSpy memorize(f.screen(), &RegisterScreen::memorizeRequested);
    QVERIFY(f.open(m_checking));

    f.press(Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(newTransaction.count(), 1);
    QCOMPARE(newTransaction.at(0).at(0).toString(), m_checking);

    f.press(Qt::Key_Up);
    f.press(Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(memorize.count(), 1);
    const auto recurring = memorize.at(0).at(0).value<RecurringTransaction>();
    QCOMPARE(recurring.payee, QStringLiteral("Gym"));
    QCOMPARE(recurring.amount, Money(-4000));
    QCOMPARE(recurring.startDate, QDate(2024, 1, 5));
    QCOMPARE(recurring.nextDueDate, QDate(2024, 1, 5));
    QCOMPARE(recurring.frequency, Frequency::Monthly);

    f.press(Qt::Key_Up);
    f.press(Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(memorize.count(), 1);
    QCOMPARE(f.screen()->hintText(),
             QStringLiteral("Cannot memorize: source transaction has an invalid date"));
}

void TestRegisterScreen::clearedToggleFlipsOnlyThatRow()
{
    RegisterFixture &f = *m_fixture;
    const QString first = Records::transaction(m_checking, QDate(2024, 1, 1), -100)
                              .payee(QStringLiteral("A"))
                              .addTo(f.core())
                              .id;
    const QString second = Records::transaction(m_checking, QDate(2024, 1, 2), -200)
                               .payee(QStringLiteral("B"))
                               .addTo(f.core())
                               .id;
    QVERIFY(f.open(m_checking));
    f.screen()->toggleCleared(0);
    QVERIFY(f.transactions()->findById(first)->cleared);
    QVERIFY(!f.transactions()->findById(second)->cleared);
    QCOMPARE(f.cell(0, RegisterModel::ClearedColumn), QStringLiteral("C"));
    f.screen()->toggleCleared(0);
    QVERIFY(!f.transactions()->findById(first)->cleared);
    QCOMPARE(f.transactions()->findById(first)->syncStatus, SyncStatus::Pending);
}

void TestRegisterScreen::externalChangesKeepTheCursorOnTheEntryRow()
{
    RegisterFixture &f = *m_fixture;
    Records::transaction(m_checking, QDate(2024, 1, 1), -100).payee(QStringLiteral("A")).addTo(f.core());
    QVERIFY(f.open(m_checking));
    QCOMPARE(f.view()->currentIndex(), f.model()->index(1, 0));
    // A change from elsewhere (a sync, another window) while the cursor waits on the entry row.
    Records::transaction(m_checking, QDate(2024, 1, 2), -200).payee(QStringLiteral("B")).addTo(f.core());
    f.screen()->reload();
    QCOMPARE(f.view()->currentIndex(), f.model()->index(2, 0));
    QCOMPARE(f.model()->editingRow(), -1);

    // While a cell is being edited the reload waits until the editor closes.
    f.type(QStringLiteral("3/1/2024"));
    Records::transaction(m_checking, QDate(2024, 1, 3), -300).payee(QStringLiteral("C")).addTo(f.core());
    f.screen()->reload();
    QCOMPARE(f.model()->rowCount(), 3);
    f.press(Qt::Key_Escape);
    QTRY_COMPARE(f.model()->rowCount(), 4);
    QCOMPARE(f.view()->currentIndex(), f.model()->index(3, 0));
}

void TestRegisterScreen::switchingAccountsWhileEditingShowsTheNewAccount()
{
    RegisterFixture &f = *m_fixture;
    const QString savings = Records::account(QStringLiteral("Savings")).addTo(f.core()).id;
    Records::transaction(savings, QDate(2024, 1, 1), 12).payee(QStringLiteral("Interest")).addTo(f.core());
    QVERIFY(f.open(m_checking));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("Half typed"));
    f.screen()->setAccount(savings);
    QCOMPARE(f.model()->rowCount(), 2);
    QCOMPARE(f.cell(0, RegisterModel::PayeeColumn), QStringLiteral("Interest"));
    QCOMPARE(f.model()->pendingEdit().payee, QString());
}

void TestRegisterScreen::escapeDiscardsTheEntryAndInsertNewStartsClean()
{
    RegisterFixture &f = *m_fixture;
    Records::transaction(m_checking, QDate(2024, 1, 1), -100).payee(QStringLiteral("Stored")).addTo(f.core());
    QVERIFY(f.open(m_checking));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("Typed"));
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("Dropped"));
    f.press(Qt::Key_Escape);
    QCOMPARE(f.model()->pendingEdit().payee, QString());
    QCOMPARE(f.model()->pendingEdit().category, QString());
    QCOMPARE(f.view()->currentIndex(), f.model()->index(1, RegisterModel::CategoryColumn));

    // Ctrl+I from an open editor on a stored row starts an empty entry; the stored row's text
    // does not leak into it.
    f.press(Qt::Key_Up);
    f.press(Qt::Key_Home);
    f.press(Qt::Key_Return);
    f.press(Qt::Key_Return);
    f.press(Qt::Key_Return);
    QCOMPARE(f.currentColumn(), RegisterModel::PayeeColumn);
    f.press(Qt::Key_I, Qt::ControlModifier);
    QCOMPARE(f.view()->currentIndex(), f.model()->index(1, 0));
    QCOMPARE(f.model()->editingRow(), -1);
    QCOMPARE(f.model()->pendingEdit().payee, QString());
    QVERIFY(qobject_cast<SmartDateEdit *>(f.focus()));
    QCOMPARE(f.transactions()->byAccount(m_checking).first().payee, QStringLiteral("Stored"));
}

void TestRegisterScreen::openingBalanceRowCannotBeEditedOrDeleted()
{
    RegisterFixture &f = *m_fixture;
    const QString funded =
        Records::account(QStringLiteral("Funded")).startingBalance(50000).addTo(f.core()).id;
    Records::transaction(funded, QDate(2024, 1, 5), -500).payee(QStringLiteral("Cafe")).addTo(f.core());
    QVERIFY(f.open(funded));
    QCOMPARE(f.cell(0, RegisterModel::PayeeColumn), QStringLiteral("Opening Balance"));
    QCOMPARE(f.cell(0, RegisterModel::DateColumn), QStringLiteral("1/5/2024"));
    QCOMPARE(f.screen()->balanceText(), QStringLiteral("$495.00"));
    f.view()->setCurrentIndex(f.model()->index(0, RegisterModel::PayeeColumn));
    f.press(Qt::Key_Return);
    QCOMPARE(f.model()->editingRow(), -1);
    QVERIFY(!f.view()->editorAt(f.view()->currentIndex()));
    f.view()->setCurrentIndex(f.model()->index(0, RegisterModel::PayeeColumn));
    f.press(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(f.model()->rowCount(), 3);
    QVERIFY(!f.screen()->hintText().isEmpty());
}

void TestRegisterScreen::clickingACellStartsEditingItsRow()
{
    RegisterFixture &f = *m_fixture;
    Records::transaction(m_checking, QDate(2024, 1, 1), -100)
        .payee(QStringLiteral("Library"))
        .addTo(f.core());
    Records::transaction(m_checking, QDate(2024, 1, 2), -200).payee(QStringLiteral("Museum")).addTo(f.core());
    QVERIFY(f.open(m_checking));
    const QModelIndex payee = f.model()->index(0, RegisterModel::PayeeColumn);
    QTest::mouseClick(f.view()->viewport(), Qt::LeftButton, {}, f.view()->visualRect(payee).center());
    QCOMPARE(f.model()->editingRow(), 0);
    auto *editor = qobject_cast<QLineEdit *>(f.view()->editorAt(payee));
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("Library"));

    const QModelIndex balance = f.model()->index(1, RegisterModel::BalanceColumn);
    QTest::mouseClick(f.view()->viewport(), Qt::LeftButton, {}, f.view()->visualRect(balance).center());
    QCOMPARE(f.model()->editingRow(), 1);
    QVERIFY(!f.view()->editorAt(balance));
}

void TestRegisterScreen::balanceColourFollowsTheTheme()
{
    RegisterFixture &f = *m_fixture;
    Records::transaction(m_checking, QDate(2024, 1, 1), -100)
        .payee(QStringLiteral("Overdraft"))
        .addTo(f.core());
    f.state()->themeManager()->setTheme(QStringLiteral("light"));
    QVERIFY(f.open(m_checking));
    const auto labels = f.screen()->findChildren<QLabel *>();
    const auto balance =
        std::find_if(labels.begin(), labels.end(), [](QLabel *label) { return label->text() == u"-$1.00"; });
    QVERIFY(balance != labels.end());
    QCOMPARE((*balance)->styleSheet(), QStringLiteral("color: #c62828;"));
    f.state()->themeManager()->setTheme(QStringLiteral("dark"));
    QCOMPARE((*balance)->styleSheet(), QStringLiteral("color: #ff8a80;"));
}

// Regression: "Gro" with Groceries offered, then Tab, saved the row without a category.
void TestRegisterScreen::leavingTheCategoryTakesTheCompletion_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("downPresses");        // highlights in the completion list before leaving
    QTest::addColumn<bool>("commitFromTheCell"); // Ctrl+Enter in the category cell instead of Tab
    QTest::addColumn<QString>("expected");       // as the category editor shows it
    QTest::newRow("fragment with one offer dropped on Tab") << "Gro" << 0 << false << "Groceries";
    QTest::newRow("lower case fragment") << "dining" << 0 << false << "Dining & Restaurants";
    QTest::newRow("highlighted second offer")
        << "Maintenance" << 2 << false << "Transportation > Maintenance";
    QTest::newRow("a name offered whole beats the first offer") << "Fees" << 0 << false << "Fees";
    QTest::newRow("fragment dropped on Ctrl+Enter") << "Gro" << 0 << true << "Groceries";
}

void TestRegisterScreen::leavingTheCategoryTakesTheCompletion()
{
    QFETCH(QString, typed);
    QFETCH(int, downPresses);
    QFETCH(bool, commitFromTheCell);
    QFETCH(QString, expected);
    RegisterFixture &f = *m_fixture;
    QVERIFY(f.state()->categoryRepository()->insert(Records::category(QStringLiteral("Fees"))));
    QVERIFY(f.open(m_checking));
    pressInWindow(f, Qt::Key_Tab);
    pressInWindow(f, Qt::Key_Tab);
    typeIntoWindow(f, QStringLiteral("Shop"));
    for (int column = RegisterModel::CategoryColumn; column <= RegisterModel::PaymentColumn; ++column)
        pressInWindow(f, Qt::Key_Tab);
    typeIntoWindow(f, QStringLiteral("12"));
    pressInWindow(f, Qt::Key_Backtab, Qt::ShiftModifier);
    pressInWindow(f, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(f.currentColumn(), RegisterModel::CategoryColumn);
    typeIntoWindow(f, typed);
    auto *combo = qobject_cast<QComboBox *>(f.view()->editorAt(f.view()->currentIndex()));
    QVERIFY(combo);
    QTRY_VERIFY(combo->completer()->popup()->isVisible());
    for (int press = 0; press < downPresses; ++press)
        pressInWindow(f, Qt::Key_Down);
    if (commitFromTheCell) {
        pressInWindow(f, Qt::Key_Return, Qt::ControlModifier);
    } else {
        pressInWindow(f, Qt::Key_Tab);
        QCOMPARE(f.currentColumn(), RegisterModel::MemoColumn);
        QCOMPARE(f.model()->pendingEdit().category, expected);
        pressInWindow(f, Qt::Key_Return, Qt::ControlModifier);
    }
    const QList<Transaction> stored = f.transactions()->byAccount(m_checking);
    QCOMPARE(stored.size(), 1);
    const std::optional<Category> category = f.state()->categoryService()->findByTypedName(expected);
    QVERIFY(category);
    QCOMPARE(stored.first().categoryId, category->id);
}

// Regression: a category name that names no category ("Pet Food") was dropped without a word.
void TestRegisterScreen::unknownCategoryIsCreatedOrKept_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("amountColumn");
    QTest::addColumn<bool>("create");
    QTest::addColumn<QString>("name");   // of the created category
    QTest::addColumn<QString>("parent"); // of the created category; empty for top level
    QTest::addColumn<CategoryType>("type");
    QTest::newRow("payment creates an expense category")
        << "Pet Food" << int(RegisterModel::PaymentColumn) << true << "Pet Food"
        << "" << CategoryType::Expense;
    QTest::newRow("deposit creates an income category")
        << "Side Gigs" << int(RegisterModel::DepositColumn) << true << "Side Gigs"
        << "" << CategoryType::Income;
    QTest::newRow("under a known parent")
        << "Pets > Pet Food" << int(RegisterModel::PaymentColumn) << true << "Pet Food"
        << "Pets" << CategoryType::Expense;
    QTest::newRow("no keeps the editor open and saves nothing")
        << "Pet Food" << int(RegisterModel::PaymentColumn) << false << ""
        << "" << CategoryType::Expense;
}

void TestRegisterScreen::unknownCategoryIsCreatedOrKept()
{
    QFETCH(QString, typed);
    QFETCH(int, amountColumn);
    QFETCH(bool, create);
    QFETCH(QString, name);
    QFETCH(QString, parent);
    QFETCH(CategoryType, type);
    RegisterFixture &f = *m_fixture;
    const int categoriesBefore = f.state()->categoryRepository()->countLive();
    QVERIFY(f.open(m_checking));
    pressInWindow(f, Qt::Key_Tab);
    pressInWindow(f, Qt::Key_Tab);
    typeIntoWindow(f, QStringLiteral("Corner Pet Shop"));
    pressInWindow(f, Qt::Key_Tab);
    typeIntoWindow(f, typed);
    while (f.currentColumn() < amountColumn)
        pressInWindow(f, Qt::Key_Tab);
    typeIntoWindow(f, QStringLiteral("30"));
    f.answerNextQuestion(create ? QMessageBox::Yes : QMessageBox::No);
    pressInWindow(f, Qt::Key_Return, Qt::ControlModifier);
    const QString kind = type == CategoryType::Income ? QStringLiteral("income") : QStringLiteral("expense");
    QCOMPARE(f.lastQuestion(),
             QStringLiteral("There is no category \"%1\". Create it as an %2 category?").arg(typed, kind));

    const QList<Transaction> stored = f.transactions()->byAccount(m_checking);
    if (!create) {
        QVERIFY(stored.isEmpty());
        QCOMPARE(f.state()->categoryRepository()->countLive(), categoriesBefore);
        QCOMPARE(f.view()->currentIndex(),
                 f.model()->index(f.model()->blankRow(), RegisterModel::CategoryColumn));
        auto *combo = qobject_cast<QComboBox *>(f.view()->editorAt(f.view()->currentIndex()));
        QVERIFY(combo);
        QCOMPARE(combo->currentText(), typed);
        QCOMPARE(f.model()->pendingEdit().payee, QStringLiteral("Corner Pet Shop"));
        QCOMPARE(f.model()->pendingEdit().payment, QStringLiteral("30"));
        return;
    }
    QCOMPARE(stored.size(), 1);
    const std::optional<Category> created =
        f.state()->categoryRepository()->findById(stored.first().categoryId);
    QVERIFY(created);
    QCOMPARE(created->name, name);
    QCOMPARE(created->type, type);
    const QString parentId =
        parent.isEmpty() ? QString() : f.state()->categoryRepository()->findByName(parent)->id;
    QCOMPARE(created->parentId, parentId);
    QCOMPARE(f.state()->categoryRepository()->countLive(), categoriesBefore + 1);
}

// Regression: Ctrl+End landed on the Clr cell of the blank row instead of where an entry starts.
void TestRegisterScreen::ctrlEndLandsOnTheDateOfTheLastRow_data()
{
    QTest::addColumn<bool>("newestFirst");
    QTest::addColumn<QString>("payee"); // of the row landed on; empty for the blank row
    QTest::newRow("oldest first: the blank row") << false << "";
    QTest::newRow("newest first: the oldest row") << true << "Employer";
}

void TestRegisterScreen::ctrlEndLandsOnTheDateOfTheLastRow()
{
    QFETCH(bool, newestFirst);
    QFETCH(QString, payee);
    RegisterFixture &f = *m_fixture;
    f.state()->preferencesRepository()->setBool(QStringLiteral("registerNewestFirst"), newestFirst);
    Records::transaction(m_checking, QDate(2024, 1, 1), 100000)
        .payee(QStringLiteral("Employer"))
        .addTo(f.core());
    Records::transaction(m_checking, QDate(2024, 1, 2), -60000).payee(QStringLiteral("Rent")).addTo(f.core());
    QVERIFY(f.open(m_checking));
    f.view()->setCurrentIndex(f.model()->index(1, RegisterModel::PaymentColumn));
    f.press(Qt::Key_Home, Qt::ControlModifier);
    f.press(Qt::Key_Right);
    f.press(Qt::Key_End, Qt::ControlModifier);
    const int lastRow = f.model()->rowCount() - 1;
    QCOMPARE(f.view()->currentIndex(), f.model()->index(lastRow, RegisterModel::DateColumn));
    const RegisterRow *row = f.model()->registerRow(lastRow);
    QCOMPARE(row ? row->transaction.payee : QString(), payee);
}

// Regression: the Clr cell took any character, and "3" was saved as a flag.
void TestRegisterScreen::clearedCellTakesOnlyItsFlagKeys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("reconciled");
    QTest::newRow("a digit is no flag") << "3"
                                        << "" << false << false;
    QTest::newRow("a letter other than C or R") << "x"
                                                << "" << false << false;
    QTest::newRow("c clears") << "c"
                              << "C" << true << false;
    QTest::newRow("R reconciles") << "R"
                                  << "R" << true << true;
    QTest::newRow("r replaces c") << "cr"
                                  << "R" << true << true;
    QTest::newRow("space takes the flag away") << "r "
                                               << "" << false << false;
    QTest::newRow("junk after a flag keeps it") << "c7"
                                                << "C" << true << false;
}

void TestRegisterScreen::clearedCellTakesOnlyItsFlagKeys()
{
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(bool, cleared);
    QFETCH(bool, reconciled);
    RegisterFixture &f = *m_fixture;
    QVERIFY(f.open(m_checking));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("Cafe"));
    for (int column = RegisterModel::CategoryColumn; column <= RegisterModel::PaymentColumn; ++column)
        f.press(Qt::Key_Tab);
    f.type(QStringLiteral("4"));
    f.press(Qt::Key_Tab);
    f.press(Qt::Key_Tab);
    QCOMPARE(f.currentColumn(), RegisterModel::ClearedColumn);
    // The first key opens the editor; every key after it goes to the editor.
    f.type(keys);
    auto *edit = qobject_cast<QLineEdit *>(f.view()->editorAt(f.view()->currentIndex()));
    QVERIFY(edit);
    QCOMPARE(edit->text(), shown);
    f.press(Qt::Key_Return);
    const QList<Transaction> stored = f.transactions()->byAccount(m_checking);
    QCOMPARE(stored.size(), 1);
    QCOMPARE(stored.first().cleared, cleared);
    QCOMPARE(stored.first().reconciled, reconciled);
}

// Regression: Esc in the blank row closed only the cell; what was typed before stayed in the row
// and a later Ctrl+Enter saved it.
void TestRegisterScreen::escapeDiscardsWhatWasTypedInTheBlankRow_data()
{
    QTest::addColumn<bool>("twoLine");
    QTest::addColumn<bool>("fromTheCompletionList");
    QTest::newRow("one-line, in the memo cell") << false << false;
    QTest::newRow("two-line, in the memo line of the payee cell") << true << false;
    QTest::newRow("first Esc closes the completion list, the second the entry") << false << true;
}

void TestRegisterScreen::escapeDiscardsWhatWasTypedInTheBlankRow()
{
    QFETCH(bool, twoLine);
    QFETCH(bool, fromTheCompletionList);
    RegisterFixture &f = *m_fixture;
    f.state()->preferencesRepository()->setBool(QStringLiteral("registerTwoLine"), twoLine);
    Records::transaction(m_checking, QDate(2024, 1, 1), -100).payee(QStringLiteral("Stored")).addTo(f.core());
    QVERIFY(f.open(m_checking));
    const RegisterModel::PendingEdit blank = f.model()->pendingEdit();
    typeIntoWindow(f, QStringLiteral("3/15/2024"));
    pressInWindow(f, Qt::Key_Tab);
    typeIntoWindow(f, QStringLiteral("1001"));
    pressInWindow(f, Qt::Key_Tab);
    typeIntoWindow(f, QStringLiteral("Corner Grocer"));
    pressInWindow(f, Qt::Key_Tab);
    int column = RegisterModel::PayeeColumn;
    if (fromTheCompletionList) {
        column = RegisterModel::CategoryColumn;
        typeIntoWindow(f, QStringLiteral("Gro"));
        auto *combo = qobject_cast<QComboBox *>(f.view()->editorAt(f.view()->currentIndex()));
        QVERIFY(combo);
        QTRY_VERIFY(combo->completer()->popup()->isVisible());
        pressInWindow(f, Qt::Key_Escape);
        QVERIFY(!combo->completer()->popup()->isVisible());
        QCOMPARE(f.view()->editorAt(f.view()->currentIndex()), static_cast<QWidget *>(combo));
        QCOMPARE(f.model()->pendingEdit().payee, QStringLiteral("Corner Grocer"));
    } else if (!twoLine) {
        pressInWindow(f, Qt::Key_Tab);
        column = RegisterModel::MemoColumn;
    }
    QCOMPARE(f.currentColumn(), column);
    typeIntoWindow(f, QStringLiteral("note"));
    pressInWindow(f, Qt::Key_Escape);

    QCOMPARE(f.model()->pendingEdit(), blank);
    const int blankRow = f.model()->blankRow();
    QCOMPARE(f.view()->currentIndex(), f.model()->index(blankRow, column));
    QVERIFY(!f.view()->editorAt(f.view()->currentIndex()));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(f.view()));
    QCOMPARE(f.cell(blankRow, RegisterModel::PayeeColumn), QStringLiteral("Payee"));
    QCOMPARE(f.cell(blankRow, RegisterModel::CheckNumberColumn), QStringLiteral("Chk #"));
    pressInWindow(f, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(f.screen()->hintText(), QStringLiteral("Payee is required"));
    QCOMPARE(f.transactions()->byAccount(m_checking).size(), 1);
}

// Only the entry row is given up by Esc: in a stored row it closes the editor, and the other
// fields already moved through stay changed until the row is saved or left.
void TestRegisterScreen::escapeInAStoredRowOnlyClosesTheEditor()
{
    RegisterFixture &f = *m_fixture;
    Records::transaction(m_checking, QDate(2024, 1, 1), -100).payee(QStringLiteral("Stored")).addTo(f.core());
    QVERIFY(f.open(m_checking));
    f.press(Qt::Key_Up);
    f.press(Qt::Key_Right);
    f.press(Qt::Key_Right);
    f.press(Qt::Key_Return);
    f.press(Qt::Key_A, Qt::ControlModifier);
    f.type(QStringLiteral("Renamed"));
    f.press(Qt::Key_Tab);
    f.type(QStringLiteral("Dropped"));
    f.press(Qt::Key_Escape);
    QCOMPARE(f.model()->editingRow(), 0);
    QCOMPARE(f.model()->pendingEdit().payee, QStringLiteral("Renamed"));
    QCOMPARE(f.model()->pendingEdit().category, QString());
    QCOMPARE(f.view()->currentIndex(), f.model()->index(0, RegisterModel::CategoryColumn));
}

QTEST_MAIN(TestRegisterScreen)
#include "tst_registerscreen.moc"
