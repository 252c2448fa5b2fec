#include "ui/screens/reconciliationhistoryscreen.h"
#include "ui/screens/reconciliationscreen.h"

#include "app/guitesthelpers.h"
#include "data/database.h"
#include "data/reconciliationrepository.h"
#include "support/recordbuilders.h"
#include "ui/dialogs/transactionformdialog.h"
#include "ui/widgets/datefield.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>

class TestReconciliationScreens : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void reconcileFromTheKeyboard();
    void nothingTickedMatchesThePreviousBalance();
    void failedFinishChangesNothing();
    void ticksSurviveAddingATransaction();
    void deleteAsksFirst();
    void transferLegChangesMoveBothLegs_data();
    void transferLegChangesMoveBothLegs();
    void statementDateDefault_data();
    void statementDateDefault();
    void historyListsNewestFirst();
    void historyShowsTheEmptyText();
};

namespace {

bool isTicked(QTableWidget *table, int row)
{
    return table->item(row, 0)->checkState() == Qt::Checked;
}

void typeStatementBalance(ReconciliationScreen *screen, const QString &text)
{
    auto *spin = child<QDoubleSpinBox>(screen, "statementBalanceSpin");
    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(spin, text);
}

} // namespace

void TestReconciliationScreens::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestReconciliationScreens::reconcileFromTheKeyboard()
{
    TestState state;
    const Account account =
        Records::account(QStringLiteral("Checking")).startingBalance(100000).addTo(state.core());
    Records::transaction(account.id, QDate(2025, 1, 5), 50000)
        .payee(QStringLiteral("Old"))
        .cleared()
        .reconciled()
        .addTo(state.core());
    const Transaction paycheck = Records::transaction(account.id, QDate(2025, 2, 1), 30000)
                                     .payee(QStringLiteral("Paycheck"))
                                     .addTo(state.core());
    const Transaction rent = Records::transaction(account.id, QDate(2025, 2, 2), -20000)
                                 .payee(QStringLiteral("Rent"))
                                 .cleared()
                                 .addTo(state.core());
    const Transaction later = Records::transaction(account.id, QDate(2025, 2, 20), -1234)
                                  .payee(QStringLiteral("Later"))
                                  .addTo(state.core());

    ReconciliationScreen screen(state.services());
    screen.setAccount(account.id);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QCOMPARE(screen.previousBalance(), Money(150000));
    auto *table = child<QTableWidget>(&screen, "transactionTable");
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->item(0, 2)->text(), QStringLiteral("Paycheck"));
    QCOMPARE(table->item(1, 1)->text(), QStringLiteral("02/02/2025"));
    QCOMPARE(table->item(1, 3)->text(), QStringLiteral("-$200.00"));
    // A transaction cleared in the register starts ticked.
    QVERIFY(!isTicked(table, 0));
    QVERIFY(isTicked(table, 1));
    QCOMPARE(table->item(1, 4)->text(), QStringLiteral("C"));

    typeStatementBalance(&screen, QStringLiteral("1600"));
    auto *finish = child<QPushButton>(&screen, "finishButton");
    QCOMPARE(screen.difference(), Money(30000));
    QVERIFY(!finish->isEnabled());

    // Space, C and R toggle the current row.
    table->setFocus();
    table->setCurrentCell(0, 2);
    QTest::keyClick(table, Qt::Key_Space);
    QVERIFY(isTicked(table, 0));
    QCOMPARE(screen.difference(), Money(0));
    QVERIFY(finish->isEnabled());
    QTest::keyClick(table, Qt::Key_R);
    QVERIFY(!finish->isEnabled());
    QTest::keyClick(table, Qt::Key_C);
    QVERIFY(finish->isEnabled());

    QSignalSpy completed(&screen, &ReconciliationScreen::reconciliationCompleted);
    QString boxTitle;
    whenModalShown([&boxTitle](QWidget *modal) {
        boxTitle = modal->windowTitle();
        pressInModal(modal, Qt::Key_Return);
    });
    finish->setFocus();
    QTest::keyClick(finish, Qt::Key_Space);
    QCOMPARE(boxTitle, QStringLiteral("Reconciliation Complete"));
    QCOMPARE(completed.count(), 1);

    TransactionRepository *transactions = state->transactionRepository();
    QVERIFY(transactions->findById(paycheck.id)->reconciled);
    QVERIFY(transactions->findById(paycheck.id)->cleared);
    QVERIFY(transactions->findById(rent.id)->reconciled);
    QVERIFY(!transactions->findById(later.id)->reconciled);
    const QList<Reconciliation> history = state->reconciliationRepository()->byAccount(account.id);
    QCOMPARE(history.size(), 1);
    QCOMPARE(history.first().statementBalance, Money(160000));
    QCOMPARE(history.first().reconciledBalance, Money(160000));
    QCOMPARE(history.first().statementDate, child<DateField>(&screen, "statementDateField")->date());

    // The next visit starts from the reconciled balance and lists only what is left.
    ReconciliationScreen next(state.services());
    next.setAccount(account.id);
    QCOMPARE(next.previousBalance(), Money(160000));
    QCOMPARE(child<QTableWidget>(&next, "transactionTable")->rowCount(), 1);
}

void TestReconciliationScreens::nothingTickedMatchesThePreviousBalance()
{
    TestState state;
    const Account account =
        Records::account(QStringLiteral("Cash")).startingBalance(2500).addTo(state.core());
    const Transaction open = Records::transaction(account.id, QDate(2025, 3, 1), -500)
                                 .payee(QStringLiteral("Shop"))
                                 .addTo(state.core());
    ReconciliationScreen screen(state.services());
    screen.setAccount(account.id);
    typeStatementBalance(&screen, QStringLiteral("25"));
    QCOMPARE(screen.difference(), Money(0));
    QVERIFY(child<QPushButton>(&screen, "finishButton")->isEnabled());

    whenModalShown([](QWidget *modal) { pressInModal(modal, Qt::Key_Return); });
    screen.finish();
    const QList<Reconciliation> history = state->reconciliationRepository()->byAccount(account.id);
    QCOMPARE(history.size(), 1);
    QCOMPARE(history.first().statementBalance, Money(2500));
    QCOMPARE(history.first().reconciledBalance, Money(2500));
    QCOMPARE(*state->transactionRepository()->findById(open.id), open);
}

// Regression: the rows were marked reconciled even when the history row could not be stored, and
// the screen still said the account was reconciled.
void TestReconciliationScreens::failedFinishChangesNothing()
{
    TestState state;
    const Account account = Records::account(QStringLiteral("Checking")).addTo(state.core());
    const Transaction cleared = Records::transaction(account.id, QDate(2025, 1, 1), -500)
                                    .payee(QStringLiteral("Shop"))
                                    .cleared()
                                    .addTo(state.core());
    QSqlQuery trigger(state->database()->connection());
    QVERIFY(trigger.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON reconciliations "
                                        "BEGIN SELECT RAISE(ABORT, 'refused'); END")));

    ReconciliationScreen screen(state.services());
    screen.setAccount(account.id);
    typeStatementBalance(&screen, QStringLiteral("-5"));
    QCOMPARE(screen.difference(), Money(0));
    QSignalSpy completed(&screen, &ReconciliationScreen::reconciliationCompleted);
    QString title;
    whenModalShown([&title](QWidget *box) {
        title = box->windowTitle();
        QTest::keyClick(box, Qt::Key_Return);
    });
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^ReconciliationRepository::insert failed:")));
    screen.finish();
    QCOMPARE(title, QStringLiteral("Reconciliation Failed"));
    QCOMPARE(completed.count(), 0);
    QVERIFY(!state->transactionRepository()->findById(cleared.id)->reconciled);
    QVERIFY(state->reconciliationRepository()->byAccount(account.id).isEmpty());
    QCOMPARE(child<QTableWidget>(&screen, "transactionTable")->rowCount(), 1);
}

// Insert opens the transaction form; the tick given before survives the reload, and the new row
// starts with its own cleared flag.
void TestReconciliationScreens::ticksSurviveAddingATransaction()
{
    TestState state;
    const Account account = Records::account(QStringLiteral("Checking")).addTo(state.core());
    Records::transaction(account.id, QDate(2025, 1, 1), -100)
        .payee(QStringLiteral("First"))
        .addTo(state.core());
    TransactionFormDialog::resetLastDate();

    ReconciliationScreen screen(state.services());
    screen.setAccount(account.id);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto *table = child<QTableWidget>(&screen, "transactionTable");
    table->setFocus();
    table->setCurrentCell(0, 1);
    QTest::keyClick(table, Qt::Key_Space);
    QVERIFY(isTicked(table, 0));

    whenModalShown([](QWidget *modal) {
        auto *date = modal->findChild<DateField *>(QStringLiteral("dateField"));
        date->setFocus();
        QTest::keyClick(date, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(date, QStringLiteral("1/2/2025"));
        QTest::keyClick(date, Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Second"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("7"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    });
    QTest::keyClick(table, Qt::Key_Insert);

    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->item(1, 2)->text(), QStringLiteral("Second"));
    QVERIFY(isTicked(table, 0));
    QVERIFY(!isTicked(table, 1));
    QCOMPARE(screen.previousBalance(), Money(0));
}

void TestReconciliationScreens::deleteAsksFirst()
{
    TestState state;
    const Account account = Records::account(QStringLiteral("Checking")).addTo(state.core());
    const Transaction doomed = Records::transaction(account.id, QDate(2025, 1, 1), -100)
                                   .payee(QStringLiteral("Typo"))
                                   .addTo(state.core());
    ReconciliationScreen screen(state.services());
    screen.setAccount(account.id);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto *table = child<QTableWidget>(&screen, "transactionTable");
    table->setFocus();
    table->selectRow(0);

    QString question;
    whenModalShown([&question](QWidget *modal) {
        question = static_cast<QMessageBox *>(modal)->text();
        pressInModal(modal, Qt::Key_Escape);
    });
    QTest::keyClick(table, Qt::Key_Delete);
    QCOMPARE(question, QStringLiteral("Delete the transaction for Typo?"));
    QCOMPARE(table->rowCount(), 1);
    screen.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&screen));

    whenModalShown(
        [](QWidget *modal) { static_cast<QMessageBox *>(modal)->button(QMessageBox::Yes)->click(); });
    QTest::keyClick(table, Qt::Key_Delete);
    QCOMPARE(table->rowCount(), 0);
    QVERIFY(state->transactionRepository()->findById(doomed.id)->deletedAt.has_value());
}

// A transfer shows here as one leg; deleting or editing it must not leave the other account's leg
// dangling or different.
void TestReconciliationScreens::transferLegChangesMoveBothLegs_data()
{
    QTest::addColumn<bool>("deleting");
    QTest::newRow("delete left the other leg behind") << true;
    QTest::newRow("edit left the other leg's amount as it was") << false;
}

void TestReconciliationScreens::transferLegChangesMoveBothLegs()
{
    QFETCH(bool, deleting);
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    const Account savings = Records::account(QStringLiteral("Savings")).addTo(state.core());
    Records::transfer(checking.id, savings.id, QDate(2025, 3, 1), -5000).addTo(state.core());
    TransactionRepository *transactions = state->transactionRepository();
    const Transaction leg = transactions->byAccount(checking.id).first();
    const Transaction otherLeg = transactions->byAccount(savings.id).first();

    ReconciliationScreen screen(state.services());
    screen.setAccount(checking.id);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto *table = child<QTableWidget>(&screen, "transactionTable");
    table->setFocus();
    table->selectRow(0);

    if (deleting) {
        QString question;
        whenModalShown([&question](QWidget *modal) {
            question = static_cast<QMessageBox *>(modal)->text();
            static_cast<QMessageBox *>(modal)->button(QMessageBox::Yes)->click();
        });
        QTest::keyClick(table, Qt::Key_Delete);
        QVERIFY(transactions->findById(leg.id)->deletedAt.has_value());
        QVERIFY(transactions->findById(otherLeg.id)->deletedAt.has_value());
        QCOMPARE(table->rowCount(), 0);
        QCOMPARE(question, QStringLiteral("Delete the transfer for Transfer to Savings?\n\n"
                                          "Both sides of the transfer will be deleted."));
        return;
    }
    whenModalShown([](QWidget *modal) {
        auto *amount = modal->findChild<QDoubleSpinBox *>(QStringLiteral("amountField"));
        amount->setFocus();
        QTest::keyClick(amount, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(amount, QStringLiteral("75"));
        QTest::keyClick(amount, Qt::Key_Return);
    });
    QTest::keyClick(table, Qt::Key_F2);
    QCOMPARE(transactions->findById(leg.id)->amount, Money(-7500));
    const Transaction followed = *transactions->findById(otherLeg.id);
    QCOMPARE(followed.amount, Money(7500));
    QCOMPARE(followed.version, 2);
    QCOMPARE(followed.syncStatus, SyncStatus::Pending);
    QCOMPARE(table->item(0, 3)->text(), QStringLiteral("-$75.00"));
}

void TestReconciliationScreens::statementDateDefault_data()
{
    QTest::addColumn<QDate>("lastStatement");
    QTest::addColumn<QDate>("lastReconciledTransaction");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("month end clamps in a leap year") << QDate(2024, 1, 31) << QDate() << QDate(2024, 2, 29);
    QTest::newRow("month end clamps") << QDate(2025, 1, 31) << QDate(2025, 1, 20) << QDate(2025, 2, 28);
    QTest::newRow("newer reconciled transaction wins")
        << QDate(2025, 1, 15) << QDate(2025, 3, 3) << QDate(2025, 4, 3);
    QTest::newRow("only reconciled transactions") << QDate() << QDate(2025, 6, 30) << QDate(2025, 7, 30);
    QTest::newRow("nothing reconciled keeps today") << QDate() << QDate() << QDate::currentDate();
}

void TestReconciliationScreens::statementDateDefault()
{
    QFETCH(QDate, lastStatement);
    QFETCH(QDate, lastReconciledTransaction);
    QFETCH(QDate, expected);

    TestState state;
    const Account account = Records::account(QStringLiteral("Checking")).addTo(state.core());
    if (lastReconciledTransaction.isValid())
        Records::transaction(account.id, lastReconciledTransaction, 100)
            .payee(QStringLiteral("Done"))
            .cleared()
            .reconciled()
            .addTo(state.core());
    if (lastStatement.isValid()) {
        QVERIFY(
            state->reconciliationRepository()->insert(Records::reconciliation(account.id, lastStatement, 0)));
    }
    ReconciliationScreen screen(state.services());
    screen.setAccount(account.id);
    QCOMPARE(child<DateField>(&screen, "statementDateField")->date(), expected);
}

void TestReconciliationScreens::historyListsNewestFirst()
{
    TestState state;
    const Account account = Records::account(QStringLiteral("Visa")).addTo(state.core());
    const auto add = [&](const QDate &date, Money balance) {
        QVERIFY(state->reconciliationRepository()->insert(
            Records::reconciliation(account.id, date, balance)
                .completedAt(QDateTime(date, QTime(14, 5), Qt::UTC))));
    };
    add(QDate(2025, 1, 31), 123456);
    add(QDate(2025, 2, 28), -98765);

    ReconciliationHistoryScreen screen(state.services());
    screen.setAccount(account.id);
    auto *table = child<QTableWidget>(&screen, "historyTable");
    QVERIFY(!table->isHidden());
    QVERIFY(child<QLabel>(&screen, "emptyLabel")->isHidden());
    QCOMPARE(child<QLabel>(&screen, "headerLabel")->text(), QStringLiteral("Reconciliation History — Visa"));
    QCOMPARE(table->rowCount(), 2);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Feb 28, 2025"));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("-$987.65"));
    QCOMPARE(table->item(1, 2)->text(), QStringLiteral("$1,234.56"));
    const QDateTime completed = QDateTime(QDate(2025, 1, 31), QTime(14, 5), Qt::UTC).toLocalTime();
    QCOMPARE(table->item(1, 3)->text(),
             QLocale(QLocale::English).toString(completed, QStringLiteral("MMM d, yyyy h:mm ap")));
}

void TestReconciliationScreens::historyShowsTheEmptyText()
{
    TestState state;
    const Account account = Records::account(QStringLiteral("New")).addTo(state.core());
    ReconciliationHistoryScreen screen(state.services());
    screen.setAccount(account.id);
    QVERIFY(child<QTableWidget>(&screen, "historyTable")->isHidden());
    QVERIFY(!child<QLabel>(&screen, "emptyLabel")->isHidden());
}

QTEST_MAIN(TestReconciliationScreens)
#include "tst_reconciliationscreens.moc"
