#include "app/guitesthelpers.h"
#include "ui/dialogs/accountformdialog.h"

#include "data/datetext.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

class TestAccountFormDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void createFromTheKeyboard();
    void startingBalance_data();
    void startingBalance();
    void okWaitsForAName();
    void accountNumberTakesFourCharacters();
    void editKeepsIdentityAndRefreshesUpdatedTime();
};

void TestAccountFormDialog::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

// Everything a new account needs can be typed: the name field has the focus, Tab walks the form
// and Enter accepts.
void TestAccountFormDialog::createFromTheKeyboard()
{
    AccountFormDialog dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("New Account"));
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(&dialog, "nameEdit"));

    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("  Household  "));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    // Type combo: Down moves from Checking to Savings.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget *balance = QApplication::focusWidget();
    QTest::keyClick(balance, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(balance, QStringLiteral("1234.56"));
    QTest::keyClick(balance, Qt::Key_Tab);
    // Tab walks the sections of the date before it leaves the field.
    auto *asOf = child<QWidget>(&dialog, "asOfEdit");
    QCOMPARE(QApplication::focusWidget(), asOf);
    for (int i = 0; i < 4 && QApplication::focusWidget() == asOf; ++i)
        QTest::keyClick(asOf, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(&dialog, "institutionEdit"));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Riverbend"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("123456"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const Account account = dialog.account();
    QCOMPARE(account.name, QStringLiteral("Household"));
    QCOMPARE(account.type, AccountType::Savings);
    QCOMPARE(account.currency, Currency::USD);
    QCOMPARE(account.startingBalance, Money(123456));
    QCOMPARE(account.institution, QStringLiteral("Riverbend"));
    QCOMPARE(account.accountNumberLast4, QStringLiteral("1234"));
    QCOMPARE(account.id.size(), 36);
    QVERIFY(account.createdAt.isValid());
    QCOMPARE(account.syncStatus, SyncStatus::Pending);
    QCOMPARE(dialog.asOfDate(), QDate::currentDate());
}

void TestAccountFormDialog::startingBalance_data()
{
    QTest::addColumn<QString>("currency");
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("minorUnits");

    QTest::newRow("negative cents") << QStringLiteral("USD") << -250.10 << qint64(-25010);
    QTest::newRow("binary fraction rounds to the typed cents") << QStringLiteral("EUR") << 0.29 << qint64(29);
    QTest::newRow("largest value") << QStringLiteral("GBP") << 99999999.99 << qint64(9999999999);
    QTest::newRow("yen has no minor unit") << QStringLiteral("JPY") << 1500.0 << qint64(1500);
}

void TestAccountFormDialog::startingBalance()
{
    QFETCH(QString, currency);
    QFETCH(double, value);
    QFETCH(qint64, minorUnits);

    AccountFormDialog dialog;
    auto *currencyCombo = child<QComboBox>(&dialog, "currencyCombo");
    currencyCombo->setCurrentIndex(currencyCombo->findData(currency));
    child<QDoubleSpinBox>(&dialog, "balanceSpin")->setValue(value);
    child<QLineEdit>(&dialog, "nameEdit")->setText(QStringLiteral("A"));
    QCOMPARE(dialog.account().currency, currencyFromCode(currency));
    QCOMPARE(dialog.account().startingBalance, minorUnits);
}

void TestAccountFormDialog::okWaitsForAName()
{
    AccountFormDialog dialog;
    QPushButton *ok = child<QDialogButtonBox>(&dialog, "")->button(QDialogButtonBox::Ok);
    QVERIFY(!ok->isEnabled());
    child<QLineEdit>(&dialog, "nameEdit")->setText(QStringLiteral("   "));
    QVERIFY(!ok->isEnabled());
    child<QLineEdit>(&dialog, "nameEdit")->setText(QStringLiteral("Cash"));
    QVERIFY(ok->isEnabled());
}

void TestAccountFormDialog::accountNumberTakesFourCharacters()
{
    AccountFormDialog dialog;
    dialog.show();
    auto *number = child<QLineEdit>(&dialog, "numberEdit");
    number->setFocus();
    QTest::keyClicks(number, QStringLiteral("98765"));
    QCOMPARE(number->text(), QStringLiteral("9876"));
}

void TestAccountFormDialog::editKeepsIdentityAndRefreshesUpdatedTime()
{
    Account stored;
    stored.id = QStringLiteral("2b0f4f7e-5a8e-4d7c-9a53-2f4f7e5a8e4d");
    stored.name = QStringLiteral("Visa");
    stored.type = AccountType::CreditCard;
    stored.currency = Currency::CAD;
    stored.startingBalance = -4200;
    stored.sortOrder = 3;
    stored.version = 7;
    stored.syncStatus = SyncStatus::Synced;
    stored.createdAt = QDateTime(QDate(2024, 1, 2), QTime(3, 4, 5), Qt::UTC);
    stored.updatedAt = stored.createdAt;

    AccountFormDialog dialog;
    dialog.setAccount(stored);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Account"));
    QCOMPARE(child<QDoubleSpinBox>(&dialog, "balanceSpin")->value(), -42.0);
    child<QLineEdit>(&dialog, "nameEdit")->setText(QStringLiteral("Visa Gold"));

    const Account edited = dialog.account();
    QCOMPARE(edited.id, stored.id);
    QCOMPARE(edited.createdAt, stored.createdAt);
    QVERIFY(edited.updatedAt > stored.updatedAt);
    QCOMPARE(edited.name, QStringLiteral("Visa Gold"));
    QCOMPARE(edited.type, AccountType::CreditCard);
    QCOMPARE(edited.currency, Currency::CAD);
    QCOMPARE(edited.startingBalance, Money(-4200));
    QCOMPARE(edited.sortOrder, 3);
    QCOMPARE(edited.syncStatus, SyncStatus::Pending);
}

QTEST_MAIN(TestAccountFormDialog)
#include "tst_accountformdialog.moc"
