#include "accountformdialog.h"

#include "ui/widgets/spinboxmoney.h"

#include "data/datetext.h"
#include "data/enums.h"
#include "data/identifiers.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

AccountFormDialog::AccountFormDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("New Account"));
    setMinimumWidth(400);

    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    m_nameEdit->setPlaceholderText(tr("Account name"));

    m_typeCombo = new QComboBox(this);
    m_typeCombo->setObjectName(QStringLiteral("typeCombo"));
    m_typeCombo->addItem(tr("Checking"), QStringLiteral("checking"));
    m_typeCombo->addItem(tr("Savings"), QStringLiteral("savings"));
    m_typeCombo->addItem(tr("Credit Card"), QStringLiteral("credit_card"));
    m_typeCombo->addItem(tr("Cash"), QStringLiteral("cash"));
    m_typeCombo->addItem(tr("Investment"), QStringLiteral("investment"));
    m_typeCombo->addItem(tr("Other"), QStringLiteral("other"));

    m_currencyCombo = new QComboBox(this);
    m_currencyCombo->setObjectName(QStringLiteral("currencyCombo"));
    m_currencyCombo->addItem(tr("USD ($)"), QStringLiteral("USD"));
    m_currencyCombo->addItem(tr("EUR (€)"), QStringLiteral("EUR"));
    m_currencyCombo->addItem(tr("GBP (£)"), QStringLiteral("GBP"));
    m_currencyCombo->addItem(tr("CAD ($)"), QStringLiteral("CAD"));
    m_currencyCombo->addItem(tr("AUD ($)"), QStringLiteral("AUD"));
    m_currencyCombo->addItem(tr("JPY (¥)"), QStringLiteral("JPY"));

    m_balanceSpin = new QDoubleSpinBox(this);
    m_balanceSpin->setObjectName(QStringLiteral("balanceSpin"));
    m_balanceSpin->setDecimals(2);
    m_balanceSpin->setRange(-99999999.99, 99999999.99);
    m_balanceSpin->setPrefix(QStringLiteral("$ "));
    m_balanceSpin->setValue(0);

    m_asOfEdit = new QDateEdit(QDate::currentDate(), this);
    m_asOfEdit->setObjectName(QStringLiteral("asOfEdit"));
    const QLocale systemLocale = QLocale::system();
    m_asOfEdit->setDisplayFormat(systemLocale.dateFormat(QLocale::ShortFormat));
    m_asOfEdit->setCalendarPopup(true);
    auto *calendar = new QCalendarWidget(m_asOfEdit);
    calendar->setLocale(systemLocale);
    calendar->setFirstDayOfWeek(systemLocale.firstDayOfWeek());
    m_asOfEdit->setCalendarWidget(calendar);

    m_institutionEdit = new QLineEdit(this);
    m_institutionEdit->setObjectName(QStringLiteral("institutionEdit"));
    m_institutionEdit->setPlaceholderText(tr("Bank name (optional)"));

    m_numberEdit = new QLineEdit(this);
    m_numberEdit->setObjectName(QStringLiteral("numberEdit"));
    m_numberEdit->setMaxLength(4);
    m_numberEdit->setPlaceholderText(tr("Last 4 digits (optional)"));

    auto *form = new QFormLayout;
    form->addRow(tr("&Name:"), m_nameEdit);
    form->addRow(tr("&Type:"), m_typeCombo);
    form->addRow(tr("&Currency:"), m_currencyCombo);
    form->addRow(tr("Starting &Balance:"), m_balanceSpin);
    form->addRow(tr("&As of:"), m_asOfEdit);
    form->addRow(tr("&Institution:"), m_institutionEdit);
    form->addRow(tr("Account &Number:"), m_numberEdit);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_buttons);

    connect(m_nameEdit, &QLineEdit::textChanged, this, &AccountFormDialog::updateOkButton);
    connect(m_currencyCombo, &QComboBox::currentIndexChanged, this, &AccountFormDialog::onCurrencyChanged);
    updateOkButton();
    m_nameEdit->setFocus();
}

void AccountFormDialog::setAccount(const Account &account)
{
    m_account = account;
    m_editMode = true;
    setWindowTitle(tr("Edit Account"));
    m_nameEdit->setText(account.name);
    m_institutionEdit->setText(account.institution);
    m_numberEdit->setText(account.accountNumberLast4);
    const int typeIndex = m_typeCombo->findData(accountTypeToString(account.type));
    if (typeIndex >= 0)
        m_typeCombo->setCurrentIndex(typeIndex);
    const int currencyIndex = m_currencyCombo->findData(currencyCode(account.currency));
    if (currencyIndex >= 0)
        m_currencyCombo->setCurrentIndex(currencyIndex);
    applyCurrencyToSpinBox(m_balanceSpin, account.currency);
    m_balanceSpin->setValue(spinValueFromMoney(account.startingBalance, account.currency));
}

Account AccountFormDialog::account() const
{
    Account result = m_account;
    if (!m_editMode) {
        result.id = newId();
        result.createdAt = currentTimestamp();
    }
    result.name = m_nameEdit->text().trimmed();
    result.type = accountTypeFromString(m_typeCombo->currentData().toString());
    result.currency = currencyFromCode(m_currencyCombo->currentData().toString());
    result.startingBalance = moneyFromSpinValue(m_balanceSpin->value(), result.currency);
    result.institution = m_institutionEdit->text().trimmed();
    result.accountNumberLast4 = m_numberEdit->text().trimmed();
    result.updatedAt = currentTimestamp();
    result.syncStatus = SyncStatus::Pending;
    return result;
}

QDate AccountFormDialog::asOfDate() const
{
    return m_asOfEdit->date();
}

// An account without a name cannot be told apart in the list, so OK waits for one.
void AccountFormDialog::updateOkButton()
{
    m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!m_nameEdit->text().trimmed().isEmpty());
}

// A yen balance has no cents: the spin box follows the currency so the stored minor units match.
void AccountFormDialog::onCurrencyChanged()
{
    applyCurrencyToSpinBox(m_balanceSpin, currencyFromCode(m_currencyCombo->currentData().toString()));
}
