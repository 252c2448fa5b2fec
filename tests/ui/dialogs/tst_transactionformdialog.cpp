#include "ui/dialogs/transactionformdialog.h"

#include "app/guitesthelpers.h"
#include "support/recordbuilders.h"
#include "ui/widgets/datefield.h"
#include "ui/widgets/dateinput.h"
#include "ui/widgets/dateshortcutrows.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTest>

class TestTransactionFormDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void amountRounding_data();
    void amountRounding();
    void enteredFromTheKeyboard();
    void secondFormStartsOnTheLastDate();
    void cancelledFormLeavesTheDateAlone();
    void dateFieldShortcuts_data();
    void dateFieldShortcuts();
    void payeeCompletionFillsFromTheNewestTransaction();
    void categoriesShowTheirParent();
    void editModeLoadsAndKeepsIdentity();
};

void TestTransactionFormDialog::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestTransactionFormDialog::init()
{
    TransactionFormDialog::resetLastDate();
}

void TestTransactionFormDialog::amountRounding_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("payment");
    QTest::addColumn<int>("currency");
    QTest::addColumn<qint64>("amount");

    QTest::newRow("half cent rounds away from zero") << 12.345 << false << int(Currency::USD) << qint64(1235);
    QTest::newRow("payment negates") << 12.345 << true << int(Currency::USD) << qint64(-1235);
    QTest::newRow("0.29 is not 28 cents") << 0.29 << true << int(Currency::USD) << qint64(-29);
    QTest::newRow("largest amount") << 99999999.99 << false << int(Currency::EUR) << qint64(9999999999);
    QTest::newRow("yen are whole units") << 1234.0 << true << int(Currency::JPY) << qint64(-1234);
}

void TestTransactionFormDialog::amountRounding()
{
    QFETCH(double, value);
    QFETCH(bool, payment);
    QFETCH(int, currency);
    QFETCH(qint64, amount);

    TestState state;
    const Account account =
        Records::account(QStringLiteral("A")).currency(Currency(currency)).addTo(state.core());
    TransactionFormDialog form(state.services(), account.id);
    child<QDoubleSpinBox>(&form, "amountField")->setValue(value);
    (payment ? child<QRadioButton>(&form, "paymentRadio") : child<QRadioButton>(&form, "depositRadio"))
        ->setChecked(true);
    QCOMPARE(form.transaction().amount, amount);
}

// The whole form can be filled without the mouse: the date has the focus, Tab walks the fields
// and Enter accepts.
void TestTransactionFormDialog::enteredFromTheKeyboard()
{
    TestState state;
    const Account account = Records::account(QStringLiteral("Checking")).addTo(state.core());
    const Category treats = Records::category(QStringLiteral("Bakery Treats")).addTo(state.core());
    TransactionFormDialog form(state.services(), account.id);
    QCOMPARE(form.windowTitle(), QStringLiteral("New Transaction"));
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *dateField = child<DateField>(&form, "dateField");
    QCOMPARE(QApplication::focusWidget(), dateField);
    QCOMPARE(dateField->date(), QDate::currentDate());

    QTest::keyClick(dateField, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(dateField, QStringLiteral("3/15/2024"));
    QTest::keyClick(dateField, Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Corner Shop"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("42.5"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Bakery Treats"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral(" milk "));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1001"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), child<QCheckBox>(&form, "clearedCheck"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    QCOMPARE(form.result(), int(QDialog::Accepted));
    const Transaction transaction = form.transaction();
    QCOMPARE(transaction.accountId, account.id);
    QCOMPARE(transaction.id.size(), 36);
    QCOMPARE(transaction.date, QDate(2024, 3, 15));
    QCOMPARE(transaction.payee, QStringLiteral("Corner Shop"));
    QCOMPARE(transaction.amount, Money(-4250));
    QCOMPARE(transaction.categoryId, treats.id);
    QCOMPARE(transaction.memo, QStringLiteral("milk"));
    QCOMPARE(transaction.checkNumber, QStringLiteral("1001"));
    QVERIFY(transaction.cleared);
    QVERIFY(!transaction.reconciled);
    QVERIFY(transaction.createdAt.isValid());
    QCOMPARE(transaction.syncStatus, SyncStatus::Pending);
}

void TestTransactionFormDialog::secondFormStartsOnTheLastDate()
{
    TestState state;
    const Account account = Records::account(QStringLiteral("Checking")).addTo(state.core());
    {
        TransactionFormDialog first(state.services(), account.id);
        first.show();
        auto *dateField = child<DateField>(&first, "dateField");
        dateField->setFocus();
        QTest::keyClick(dateField, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(dateField, QStringLiteral("1/31/2025"));
        QTest::keyClick(dateField, Qt::Key_Return);
        QCOMPARE(first.result(), int(QDialog::Accepted));
    }
    TransactionFormDialog second(state.services(), account.id);
    QCOMPARE(child<DateField>(&second, "dateField")->date(), QDate(2025, 1, 31));
}

void TestTransactionFormDialog::cancelledFormLeavesTheDateAlone()
{
    TestState state;
    const Account account = Records::account(QStringLiteral("Checking")).addTo(state.core());
    {
        TransactionFormDialog first(state.services(), account.id);
        first.show();
        auto *dateField = child<DateField>(&first, "dateField");
        dateField->setFocus();
        QTest::keyClick(dateField, Qt::Key_Y);
        QTest::keyClick(dateField, Qt::Key_Escape);
        QCOMPARE(first.result(), int(QDialog::Rejected));
    }
    TransactionFormDialog second(state.services(), account.id);
    QCOMPARE(child<DateField>(&second, "dateField")->date(), QDate::currentDate());
}

void TestTransactionFormDialog::dateFieldShortcuts_data()
{
    addDateShortcutRows();
}

// The same table drives the register's date cell.
void TestTransactionFormDialog::dateFieldShortcuts()
{
    QFETCH(QDate, shown);
    QFETCH(QString, key);
    QFETCH(QDate, expected);

    TestState state;
    const Account account = Records::account(QStringLiteral("Checking")).addTo(state.core());
    Transaction stored;
    stored.accountId = account.id;
    stored.date = shown;
    stored.payee = QStringLiteral("Corner Grocer");
    TransactionFormDialog form(state.services(), account.id);
    form.setTransaction(stored);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    auto *dateField = child<DateField>(&form, "dateField");
    QCOMPARE(QApplication::focusWidget(), dateField);
    QCOMPARE(dateField->text(), dateToEditText(shown));

    QTest::keyClick(dateField, key.front().toLatin1());
    QCOMPARE(dateField->text(), dateToEditText(expected));
    QCOMPARE(form.transaction().date, expected);
}

void TestTransactionFormDialog::payeeCompletionFillsFromTheNewestTransaction()
{
    TestState state;
    const Account account = Records::account(QStringLiteral("Checking")).addTo(state.core());
    const Account other = Records::account(QStringLiteral("Savings")).addTo(state.core());
    const Category fuel = Records::category(QStringLiteral("Fuel")).addTo(state.core());
    Records::transaction(account.id, QDate(2025, 1, 1), -4000)
        .payee(QStringLiteral("Hilltop Gas"))
        .memo(QStringLiteral("old memo"))
        .category(fuel.id)
        .addTo(state.core());
    // The newest one has no memo: choosing the payee must clear a memo already typed.
    Records::transaction(account.id, QDate(2025, 2, 1), 1999)
        .payee(QStringLiteral("Hilltop Gas"))
        .category(fuel.id)
        .addTo(state.core());
    // Another account's newer row with this payee is not where the form looks.
    Records::transaction(other.id, QDate(2025, 3, 1), -99999)
        .payee(QStringLiteral("Hilltop Gas"))
        .addTo(state.core());

    TransactionFormDialog form(state.services(), account.id);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    child<QLineEdit>(&form, "memoEdit")->setText(QStringLiteral("typed first"));
    auto *payee = child<QLineEdit>(&form, "payeeEdit");
    payee->setFocus();
    QTest::keyClicks(payee, QStringLiteral("top g"));
    QAbstractItemView *popup = payee->completer()->popup();
    QTRY_VERIFY(popup->isVisible());
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);

    QCOMPARE(payee->text(), QStringLiteral("Hilltop Gas"));
    QCOMPARE(child<QDoubleSpinBox>(&form, "amountField")->value(), 19.99);
    QVERIFY(child<QRadioButton>(&form, "depositRadio")->isChecked());
    QCOMPARE(child<QLineEdit>(&form, "memoEdit")->text(), QString());
    QCOMPARE(form.transaction().categoryId, fuel.id);
    QCOMPARE(form.transaction().amount, Money(1999));
}

void TestTransactionFormDialog::categoriesShowTheirParent()
{
    TestState state;
    const Account account = Records::account(QStringLiteral("Checking")).addTo(state.core());
    const Category hobbies = Records::category(QStringLiteral("Hobbies")).addTo(state.core());
    Records::category(QStringLiteral("Pottery")).parent(hobbies.id).addTo(state.core());

    TransactionFormDialog form(state.services(), account.id);
    auto *combo = child<QComboBox>(&form, "categoryCombo");
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    QCOMPARE(texts.first(), QStringLiteral("(none)"));
    QVERIFY(texts.contains(QStringLiteral("Hobbies > Pottery")));
    QVERIFY(texts.contains(QStringLiteral("Hobbies")));
    QCOMPARE(combo->itemData(0).toString(), QString());
    QCOMPARE(form.transaction().categoryId, QString());
}

void TestTransactionFormDialog::editModeLoadsAndKeepsIdentity()
{
    TestState state;
    const Account account = Records::account(QStringLiteral("Checking")).addTo(state.core());
    const Category rent = Records::category(QStringLiteral("Rent")).addTo(state.core());
    const Transaction stored = Records::transaction(account.id, QDate(2024, 2, 29), -145000)
                                   .payee(QStringLiteral("Landlord"))
                                   .cleared()
                                   .memo(QStringLiteral("March"))
                                   .category(rent.id)
                                   .addTo(state.core());

    TransactionFormDialog form(state.services(), account.id);
    form.setTransaction(stored);
    QCOMPARE(form.windowTitle(), QStringLiteral("Edit Transaction"));
    QCOMPARE(child<DateField>(&form, "dateField")->date(), QDate(2024, 2, 29));
    QCOMPARE(child<QDoubleSpinBox>(&form, "amountField")->value(), 1450.0);
    QVERIFY(child<QRadioButton>(&form, "paymentRadio")->isChecked());
    QCOMPARE(child<QComboBox>(&form, "categoryCombo")->currentData().toString(), rent.id);
    QVERIFY(child<QCheckBox>(&form, "clearedCheck")->isChecked());

    child<QRadioButton>(&form, "depositRadio")->setChecked(true);
    const Transaction edited = form.transaction();
    QCOMPARE(edited.id, stored.id);
    QCOMPARE(edited.createdAt, stored.createdAt);
    QCOMPARE(edited.amount, Money(145000));
    QCOMPARE(edited.memo, QStringLiteral("March"));
    QCOMPARE(edited.categoryId, rent.id);
    QCOMPARE(edited.version, stored.version + 1);
}

QTEST_MAIN(TestTransactionFormDialog)
#include "tst_transactionformdialog.moc"
