#include "ui/dialogs/recurringformdialog.h"

#include "app/guitesthelpers.h"
#include "support/recordbuilders.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>

class TestRecurringFormDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void newFormFromTheKeyboard();
    void editDates_data();
    void editDates();
    void startBefore2000FallsBackToToday();
    void memorizeCreatesANewSchedule();
    void endDateFollowsItsCheckBox();
};

namespace {

RecurringTransaction schedule(const QString &accountId)
{
    RecurringTransaction recurring = Records::recurring(accountId, QDate(2026, 7, 15), -145000)
                                         .payee(QStringLiteral("Rent"))
                                         .frequency(Frequency::Quarterly)
                                         .startDate(QDate(2026, 1, 15))
                                         .createdAt(QDateTime(QDate(2026, 1, 1), QTime(8, 0), Qt::UTC));
    recurring.version = 4;
    return recurring;
}

void typeInto(QWidget *widget, const QString &text)
{
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(widget, text);
}

} // namespace

void TestRecurringFormDialog::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestRecurringFormDialog::newFormFromTheKeyboard()
{
    TestState state;
    Records::account(QStringLiteral("Checking")).addTo(state.core());
    const Account savings = Records::account(QStringLiteral("Savings")).sortOrder(1).addTo(state.core());
    const Category food = Records::category(QStringLiteral("Food")).addTo(state.core());
    Records::transaction(savings.id, QDate(2026, 1, 2), -3000)
        .payee(QStringLiteral("Gym Corp"))
        .addTo(state.core());
    RecurringFormDialog form(state.services());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowTitle(), QStringLiteral("New Recurring Transaction"));
    QVERIFY(child<QRadioButton>(&form, "paymentButton")->isChecked());
    QVERIFY(child<QCheckBox>(&form, "activeCheck")->isChecked());
    QVERIFY(!child<QCheckBox>(&form, "autoPostCheck")->isChecked());

    // No payee yet: nothing to save.
    auto *ok = form.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok);
    QVERIFY(!ok->isEnabled());
    auto *account = child<QComboBox>(&form, "accountCombo");
    account->setFocus();
    QTest::keyClick(account, Qt::Key_Down);
    typeInto(child<QLineEdit>(&form, "payeeEdit"), QStringLiteral("   "));
    QVERIFY(!ok->isEnabled());
    typeInto(child<QLineEdit>(&form, "payeeEdit"), QStringLiteral("  Gym  "));
    QVERIFY(ok->isEnabled());
    typeInto(child<QDoubleSpinBox>(&form, "amountSpin"), QStringLiteral("1234.56"));
    typeInto(child<QComboBox>(&form, "categoryCombo")->lineEdit(), QStringLiteral("food"));
    typeInto(child<QLineEdit>(&form, "memoEdit"), QStringLiteral("monthly fee"));

    // Payees of every account are offered, matched anywhere in the name.
    QCompleter *completer = child<QLineEdit>(&form, "payeeEdit")->completer();
    QCOMPARE(completer->model()->rowCount(), 1);
    QCOMPARE(completer->filterMode(), Qt::MatchContains);

    const RecurringTransaction result = form.recurring();
    QVERIFY(!result.id.isEmpty());
    QVERIFY(!result.id.contains(QLatin1Char('{')));
    QCOMPARE(result.accountId, savings.id);
    QCOMPARE(result.payee, QStringLiteral("Gym"));
    QCOMPARE(result.amount, Money(-123456));
    QCOMPARE(result.categoryId, food.id);
    QCOMPARE(result.memo, QStringLiteral("monthly fee"));
    QCOMPARE(result.frequency, Frequency::Monthly);
    QCOMPARE(result.startDate, QDate::currentDate());
    QCOMPARE(result.nextDueDate, QDate::currentDate());
    QVERIFY(!result.endDate);
    QCOMPARE(result.version, 1);
    QVERIFY(result.createdAt.isValid());

    // Deposit keeps the amount positive.
    QTest::keyClick(child<QRadioButton>(&form, "depositButton"), Qt::Key_Space);
    QCOMPARE(form.recurring().amount, Money(123456));
}

void TestRecurringFormDialog::editDates_data()
{
    QTest::addColumn<QDate>("fieldDate");
    QTest::addColumn<QDate>("expectedStart");
    QTest::addColumn<QDate>("expectedNextDue");

    QTest::newRow("start untouched keeps the next due date")
        << QDate(2026, 1, 15) << QDate(2026, 1, 15) << QDate(2026, 7, 15);
    QTest::newRow("a new start moves the next due date")
        << QDate(2026, 2, 1) << QDate(2026, 2, 1) << QDate(2026, 2, 1);
}

void TestRecurringFormDialog::editDates()
{
    QFETCH(QDate, fieldDate);
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    const RecurringTransaction original = schedule(checking.id);
    RecurringFormDialog form(state.services());
    form.setRecurring(original);
    QCOMPARE(form.windowTitle(), QStringLiteral("Edit Recurring Transaction"));
    QCOMPARE(child<QComboBox>(&form, "frequencyCombo")->currentData().toString(),
             QStringLiteral("quarterly"));
    QCOMPARE(child<QDoubleSpinBox>(&form, "amountSpin")->value(), 1450.0);
    typeInto(child<QLineEdit>(&form, "payeeEdit"), QStringLiteral("New Landlord"));
    child<QDateEdit>(&form, "startDateEdit")->setDate(fieldDate);

    const RecurringTransaction result = form.recurring();
    QCOMPARE(result.id, original.id);
    QCOMPARE(result.createdAt, original.createdAt);
    QCOMPARE(result.payee, QStringLiteral("New Landlord"));
    QCOMPARE(result.amount, Money(-145000));
    QTEST(result.startDate, "expectedStart");
    QTEST(result.nextDueDate, "expectedNextDue");
    QCOMPARE(result.version, 5);
    QCOMPARE(result.syncStatus, SyncStatus::Pending);
}

void TestRecurringFormDialog::startBefore2000FallsBackToToday()
{
    TestState state;
    Records::account(QStringLiteral("Checking")).addTo(state.core());
    RecurringFormDialog form(state.services());
    child<QDateEdit>(&form, "startDateEdit")->setDate(QDate(1999, 12, 31));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("rejecting invalid startDate")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("rejecting invalid nextDueDate")));
    const RecurringTransaction result = form.recurring();
    QCOMPARE(result.startDate, QDate::currentDate());
    QCOMPARE(result.nextDueDate, QDate::currentDate());
}

void TestRecurringFormDialog::memorizeCreatesANewSchedule()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    RecurringTransaction seed = schedule(checking.id);
    seed.id.clear();
    seed.startDate = QDate(2026, 3, 3);
    seed.nextDueDate = seed.startDate;
    seed.amount = 250000;
    RecurringFormDialog form(state.services());
    form.setSeed(seed);
    QCOMPARE(form.windowTitle(), QStringLiteral("Memorize Transaction"));
    QVERIFY(!form.isEditMode());
    QVERIFY(child<QRadioButton>(&form, "depositButton")->isChecked());
    const RecurringTransaction result = form.recurring();
    QVERIFY(!result.id.isEmpty());
    QCOMPARE(result.startDate, QDate(2026, 3, 3));
    QCOMPARE(result.nextDueDate, QDate(2026, 3, 3));
    QCOMPARE(result.amount, Money(250000));
    QCOMPARE(result.version, seed.version);
}

void TestRecurringFormDialog::endDateFollowsItsCheckBox()
{
    TestState state;
    Records::account(QStringLiteral("Checking")).addTo(state.core());
    RecurringFormDialog form(state.services());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    auto *hasEnd = child<QCheckBox>(&form, "hasEndDateCheck");
    auto *end = child<QDateEdit>(&form, "endDateEdit");
    QVERIFY(!end->isEnabled());
    hasEnd->setFocus();
    QTest::keyClick(hasEnd, Qt::Key_Space);
    QVERIFY(end->isEnabled());
    end->setDate(QDate(2027, 6, 30));
    QCOMPARE(form.recurring().endDate, std::optional<QDate>(QDate(2027, 6, 30)));
    QTest::keyClick(hasEnd, Qt::Key_Space);
    QVERIFY(!form.recurring().endDate);
}

QTEST_MAIN(TestRecurringFormDialog)
#include "tst_recurringformdialog.moc"
