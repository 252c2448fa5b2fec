#include "transactionformdialog.h"

#include "ui/widgets/spinboxmoney.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/datetext.h"
#include "data/identifiers.h"
#include "data/transactionrepository.h"
#include "ui/widgets/datefield.h"
#include "ui/widgets/dateinput.h"
#include "ui/widgets/smartamountfield.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHash>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cstdlib>

namespace {

// Shared by every form of the process, so a run of entries keeps its date.
QDate s_lastDate;

} // namespace

TransactionFormDialog::TransactionFormDialog(const ScreenServices &services, const QString &accountId,
                                             QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_accountId(accountId)
{
    setWindowTitle(tr("New Transaction"));
    setMinimumWidth(480);
    if (const std::optional<Account> account = m_services.accountRepository->findById(accountId))
        m_currency = account->currency;

    m_paymentRadio = new QRadioButton(tr("Payment"), this);
    m_paymentRadio->setObjectName(QStringLiteral("paymentRadio"));
    m_depositRadio = new QRadioButton(tr("Deposit"), this);
    m_depositRadio->setObjectName(QStringLiteral("depositRadio"));
    auto *direction = new QButtonGroup(this);
    direction->addButton(m_paymentRadio);
    direction->addButton(m_depositRadio);
    m_paymentRadio->setChecked(true);
    auto *typeRow = new QHBoxLayout;
    typeRow->addWidget(m_paymentRadio);
    typeRow->addWidget(m_depositRadio);
    typeRow->addStretch(1);

    m_dateField = new DateField(this);
    m_dateField->setObjectName(QStringLiteral("dateField"));
    if (s_lastDate.isValid())
        m_dateField->setDate(s_lastDate);

    m_payeeEdit = new QLineEdit(this);
    m_payeeEdit->setObjectName(QStringLiteral("payeeEdit"));
    m_payeeEdit->setPlaceholderText(tr("Start typing to search payees..."));
    auto *payeeCompleter = new QCompleter(m_services.transactionRepository->payees(), this);
    payeeCompleter->setCaseSensitivity(Qt::CaseInsensitive);
    payeeCompleter->setFilterMode(Qt::MatchContains);
    payeeCompleter->setCompletionMode(QCompleter::PopupCompletion);
    payeeCompleter->setMaxVisibleItems(10);
    m_payeeEdit->setCompleter(payeeCompleter);
    connect(payeeCompleter, qOverload<const QString &>(&QCompleter::activated), this,
            &TransactionFormDialog::onPayeeSelected);

    m_amountField = new SmartAmountField(this);
    m_amountField->setObjectName(QStringLiteral("amountField"));
    m_amountField->setRange(0, 99999999.99);
    applyCurrencyToSpinBox(m_amountField, m_currency);

    m_categoryCombo = new QComboBox(this);
    m_categoryCombo->setObjectName(QStringLiteral("categoryCombo"));
    m_categoryCombo->setEditable(true);
    m_categoryCombo->setInsertPolicy(QComboBox::NoInsert);
    loadCategories();
    m_categoryCombo->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    m_categoryCombo->completer()->setFilterMode(Qt::MatchContains);
    m_categoryCombo->completer()->setCompletionMode(QCompleter::PopupCompletion);

    m_memoEdit = new QLineEdit(this);
    m_memoEdit->setObjectName(QStringLiteral("memoEdit"));
    m_memoEdit->setPlaceholderText(tr("Optional"));
    m_checkNumberEdit = new QLineEdit(this);
    m_checkNumberEdit->setObjectName(QStringLiteral("checkNumberEdit"));
    m_checkNumberEdit->setPlaceholderText(tr("Optional"));
    m_clearedCheck = new QCheckBox(tr("Cleared"), this);
    m_clearedCheck->setObjectName(QStringLiteral("clearedCheck"));

    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(tr("Type:"), typeRow);
    form->addRow(tr("Date:"), m_dateField);
    form->addRow(tr("Payee:"), m_payeeEdit);
    form->addRow(tr("Amount:"), m_amountField);
    form->addRow(tr("Category:"), m_categoryCombo);
    form->addRow(tr("Memo:"), m_memoEdit);
    form->addRow(tr("Check #:"), m_checkNumberEdit);
    form->addRow(QString(), m_clearedCheck);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TransactionFormDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    // The date is where a new entry starts; the type row is one Shift+Tab away.
    m_dateField->setFocus();
}

void TransactionFormDialog::setTransaction(const Transaction &transaction)
{
    m_transaction = transaction;
    m_accountId = transaction.accountId;
    m_editMode = true;
    setWindowTitle(tr("Edit Transaction"));
    if (const std::optional<Account> account = m_services.accountRepository->findById(m_accountId)) {
        m_currency = account->currency;
        applyCurrencyToSpinBox(m_amountField, m_currency);
    }
    m_dateField->setDate(transaction.date);
    m_payeeEdit->setText(transaction.payee);
    m_memoEdit->setText(transaction.memo);
    m_checkNumberEdit->setText(transaction.checkNumber);
    m_clearedCheck->setChecked(transaction.cleared);
    setAmount(transaction.amount);
    selectCategory(transaction.categoryId);
}

Transaction TransactionFormDialog::transaction() const
{
    Transaction result = m_transaction;
    const QDateTime now = currentTimestamp();
    if (!m_editMode) {
        result.id = newId();
        result.accountId = m_accountId;
        result.createdAt = now;
    } else {
        // A local change must outrank the copy other devices hold.
        result.version = m_transaction.version + 1;
    }
    result.date = enteredDate();
    result.payee = m_payeeEdit->text().trimmed();
    result.memo = m_memoEdit->text().trimmed();
    result.checkNumber = m_checkNumberEdit->text().trimmed();
    const Money magnitude = moneyFromSpinValue(m_amountField->value(), m_currency);
    result.amount = m_paymentRadio->isChecked() ? -magnitude : magnitude;
    // The edit text decides: a category name typed over a selection without picking it would
    // otherwise leave the previous item's id behind.
    const QString categoryText = m_categoryCombo->currentText();
    int categoryIndex = m_categoryCombo->currentIndex();
    if (m_categoryCombo->itemText(categoryIndex) != categoryText)
        categoryIndex = m_categoryCombo->findText(categoryText, Qt::MatchFixedString);
    result.categoryId = categoryIndex >= 0 ? m_categoryCombo->itemData(categoryIndex).toString() : QString();
    result.cleared = m_clearedCheck->isChecked();
    result.updatedAt = now;
    result.syncStatus = SyncStatus::Pending;
    return result;
}

void TransactionFormDialog::accept()
{
    s_lastDate = enteredDate();
    QDialog::accept();
}

QDate TransactionFormDialog::lastDate()
{
    return s_lastDate;
}

void TransactionFormDialog::resetLastDate()
{
    s_lastDate = QDate();
}

void TransactionFormDialog::onPayeeSelected(const QString &payee)
{
    const std::optional<Transaction> last = m_services.transactionRepository->lastByPayee(payee, m_accountId);
    if (!last)
        return;
    setAmount(last->amount);
    m_memoEdit->setText(last->memo);
    if (!last->categoryId.isEmpty())
        selectCategory(last->categoryId);
}

QDate TransactionFormDialog::enteredDate() const
{
    const QDate typed = dateFromEditText(m_dateField->text());
    return typed.isValid() ? typed : m_dateField->date();
}

void TransactionFormDialog::loadCategories()
{
    const QList<Category> categories = m_services.categoryRepository->all();
    QHash<QString, QString> names;
    for (const Category &category : categories)
        names.insert(category.id, category.name);
    m_categoryCombo->addItem(tr("(none)"), QString());
    for (const Category &category : categories) {
        const auto parent = names.constFind(category.parentId);
        const QString text = !category.parentId.isEmpty() && parent != names.cend()
                                 ? QStringLiteral("%1 > %2").arg(*parent, category.name)
                                 : category.name;
        m_categoryCombo->addItem(text, category.id);
    }
}

void TransactionFormDialog::selectCategory(const QString &categoryId)
{
    const int index = m_categoryCombo->findData(categoryId);
    if (index >= 0)
        m_categoryCombo->setCurrentIndex(index);
}

void TransactionFormDialog::setAmount(Money amount)
{
    m_amountField->setValue(spinValueFromMoney(std::llabs(amount), m_currency));
    (amount < 0 ? m_paymentRadio : m_depositRadio)->setChecked(true);
}
