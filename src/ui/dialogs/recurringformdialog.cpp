#include "recurringformdialog.h"

#include "data/account.h"
#include "data/accountrepository.h"
#include "data/category.h"
#include "data/categoryrepository.h"
#include "data/datetext.h"
#include "data/identifiers.h"
#include "data/transactionrepository.h"
#include "ui/widgets/spinboxmoney.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDebug>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHash>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QVBoxLayout>

#include <cmath>

namespace {

QDate earliestDate()
{
    return QDate(2000, 1, 1);
}

QDateEdit *newDateEdit(QWidget *parent)
{
    auto *edit = new QDateEdit(parent);
    edit->setDisplayFormat(QLocale::system().dateFormat(QLocale::ShortFormat));
    edit->setCalendarPopup(true);
    return edit;
}

} // namespace

RecurringFormDialog::RecurringFormDialog(const ScreenServices &services, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_accountCombo(new QComboBox(this))
    , m_paymentButton(new QRadioButton(tr("Payment"), this))
    , m_depositButton(new QRadioButton(tr("Deposit"), this))
    , m_payeeEdit(new QLineEdit(this))
    , m_payeeCompleter(new QCompleter(this))
    , m_payeeModel(new QStringListModel(this))
    , m_amountSpin(new QDoubleSpinBox(this))
    , m_categoryCombo(new QComboBox(this))
    , m_memoEdit(new QLineEdit(this))
    , m_frequencyCombo(new QComboBox(this))
    , m_startDateEdit(newDateEdit(this))
    , m_hasEndDateCheck(new QCheckBox(tr("Has end date"), this))
    , m_endDateEdit(newDateEdit(this))
    , m_autoPostCheck(new QCheckBox(tr("Auto-post when due"), this))
    , m_activeCheck(new QCheckBox(tr("Active"), this))
{
    setWindowTitle(tr("New Recurring Transaction"));
    setMinimumWidth(480);

    m_accountCombo->setObjectName(QStringLiteral("accountCombo"));
    m_paymentButton->setObjectName(QStringLiteral("paymentButton"));
    m_depositButton->setObjectName(QStringLiteral("depositButton"));
    m_payeeEdit->setObjectName(QStringLiteral("payeeEdit"));
    m_amountSpin->setObjectName(QStringLiteral("amountSpin"));
    m_categoryCombo->setObjectName(QStringLiteral("categoryCombo"));
    m_memoEdit->setObjectName(QStringLiteral("memoEdit"));
    m_frequencyCombo->setObjectName(QStringLiteral("frequencyCombo"));
    m_startDateEdit->setObjectName(QStringLiteral("startDateEdit"));
    m_hasEndDateCheck->setObjectName(QStringLiteral("hasEndDateCheck"));
    m_endDateEdit->setObjectName(QStringLiteral("endDateEdit"));
    m_autoPostCheck->setObjectName(QStringLiteral("autoPostCheck"));
    m_activeCheck->setObjectName(QStringLiteral("activeCheck"));

    for (const Account &account : m_services.accountRepository->all())
        m_accountCombo->addItem(account.name, account.id);

    auto *typeGroup = new QButtonGroup(this);
    typeGroup->addButton(m_paymentButton);
    typeGroup->addButton(m_depositButton);
    m_paymentButton->setChecked(true);
    auto *typeRow = new QHBoxLayout;
    typeRow->addWidget(m_paymentButton);
    typeRow->addWidget(m_depositButton);
    typeRow->addStretch(1);

    m_payeeEdit->setPlaceholderText(tr("Start typing to search payees..."));
    m_payeeCompleter->setCaseSensitivity(Qt::CaseInsensitive);
    m_payeeCompleter->setFilterMode(Qt::MatchContains);
    m_payeeCompleter->setCompletionMode(QCompleter::PopupCompletion);
    m_payeeCompleter->setMaxVisibleItems(10);
    m_payeeCompleter->setModel(m_payeeModel);
    m_payeeEdit->setCompleter(m_payeeCompleter);

    m_amountSpin->setRange(0, 99999999.99);
    m_amountSpin->setDecimals(2);
    m_amountSpin->setPrefix(QStringLiteral("$ "));
    m_amountSpin->setAlignment(Qt::AlignRight);

    m_categoryCombo->setEditable(true);
    m_categoryCombo->setInsertPolicy(QComboBox::NoInsert);
    const QList<Category> categories = m_services.categoryRepository->all();
    QHash<QString, QString> names;
    for (const Category &category : categories)
        names.insert(category.id, category.name);
    m_categoryCombo->addItem(tr("(none)"), QString());
    for (const Category &category : categories) {
        const auto parentName = names.constFind(category.parentId);
        const QString text = !category.parentId.isEmpty() && parentName != names.cend()
                                 ? QStringLiteral("%1 > %2").arg(*parentName, category.name)
                                 : category.name;
        m_categoryCombo->addItem(text, category.id);
    }
    m_categoryCombo->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    m_categoryCombo->completer()->setFilterMode(Qt::MatchContains);
    m_categoryCombo->completer()->setCompletionMode(QCompleter::PopupCompletion);

    m_memoEdit->setPlaceholderText(tr("Optional"));

    const QList<QPair<QString, Frequency>> frequencies = {
        {tr("Daily"), Frequency::Daily},         {tr("Weekly"), Frequency::Weekly},
        {tr("Bi-weekly"), Frequency::Biweekly},  {tr("Monthly"), Frequency::Monthly},
        {tr("Quarterly"), Frequency::Quarterly}, {tr("Semi-annual"), Frequency::SemiAnnual},
        {tr("Annual"), Frequency::Annual}};
    for (const auto &[text, frequency] : frequencies)
        m_frequencyCombo->addItem(text, frequencyToString(frequency));
    m_frequencyCombo->setCurrentIndex(m_frequencyCombo->findData(frequencyToString(Frequency::Monthly)));

    m_startDateEdit->setDate(QDate::currentDate());
    m_endDateEdit->setDate(QDate::currentDate());
    m_endDateEdit->setEnabled(false);
    connect(m_hasEndDateCheck, &QCheckBox::toggled, m_endDateEdit, &QWidget::setEnabled);
    m_activeCheck->setChecked(true);

    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(tr("Account:"), m_accountCombo);
    form->addRow(tr("Type:"), typeRow);
    form->addRow(tr("Payee:"), m_payeeEdit);
    form->addRow(tr("Amount:"), m_amountSpin);
    form->addRow(tr("Category:"), m_categoryCombo);
    form->addRow(tr("Memo:"), m_memoEdit);
    form->addRow(tr("Frequency:"), m_frequencyCombo);
    form->addRow(tr("Start Date:"), m_startDateEdit);
    auto *endRow = new QHBoxLayout;
    endRow->addWidget(m_hasEndDateCheck);
    endRow->addWidget(new QLabel(tr("End Date:"), this));
    endRow->addWidget(m_endDateEdit, 1);
    form->addRow(endRow);
    form->addRow(m_autoPostCheck);
    form->addRow(m_activeCheck);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_okButton = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(m_accountCombo, &QComboBox::currentIndexChanged, this, &RecurringFormDialog::onAccountChanged);
    connect(m_payeeEdit, &QLineEdit::textChanged, this, &RecurringFormDialog::updateOkButton);
    onAccountChanged();
    updateOkButton();
    m_payeeEdit->setFocus();
}

RecurringFormDialog::~RecurringFormDialog() = default;

// A schedule needs an account to post into and a payee to show in the list.
void RecurringFormDialog::updateOkButton()
{
    m_okButton->setEnabled(!m_accountCombo->currentData().toString().isEmpty() &&
                           !m_payeeEdit->text().trimmed().isEmpty());
}

void RecurringFormDialog::onAccountChanged()
{
    updateOkButton();
    if (m_accountCombo->currentData().toString().isEmpty())
        return;
    m_payeeModel->setStringList(m_services.transactionRepository->payees());
}

void RecurringFormDialog::selectCategory(const QString &categoryId)
{
    const int index = m_categoryCombo->findData(categoryId);
    m_categoryCombo->setCurrentIndex(index >= 0 ? index : 0);
}

QString RecurringFormDialog::selectedCategoryId() const
{
    // The edit text decides: a name typed over a selection without picking it must not save the
    // category that was selected before.
    const QString text = m_categoryCombo->currentText();
    int index = m_categoryCombo->currentIndex();
    if (m_categoryCombo->itemText(index) != text)
        index = m_categoryCombo->findText(text, Qt::MatchFixedString);
    return index >= 0 ? m_categoryCombo->itemData(index).toString() : QString();
}

void RecurringFormDialog::fill(const RecurringTransaction &recurring)
{
    m_original = recurring;
    const int account = m_accountCombo->findData(recurring.accountId);
    if (account >= 0)
        m_accountCombo->setCurrentIndex(account);
    (recurring.amount < 0 ? m_paymentButton : m_depositButton)->setChecked(true);
    m_payeeEdit->setText(recurring.payee);
    m_amountSpin->setValue(
        spinValueFromMoney(recurring.amount < 0 ? -recurring.amount : recurring.amount, Currency::USD));
    selectCategory(recurring.categoryId);
    m_memoEdit->setText(recurring.memo);
    const int frequency = m_frequencyCombo->findData(frequencyToString(recurring.frequency));
    if (frequency >= 0)
        m_frequencyCombo->setCurrentIndex(frequency);
    m_startDateEdit->setDate(recurring.startDate);
    m_hasEndDateCheck->setChecked(recurring.endDate.has_value());
    if (recurring.endDate)
        m_endDateEdit->setDate(*recurring.endDate);
    m_autoPostCheck->setChecked(recurring.autoPost);
    m_activeCheck->setChecked(recurring.isActive);
}

void RecurringFormDialog::setRecurring(const RecurringTransaction &recurring)
{
    setWindowTitle(tr("Edit Recurring Transaction"));
    m_editMode = true;
    m_createdFromSeed = false;
    fill(recurring);
    // A schedule stays with its account: posted occurrences and the stored row both name it.
    m_accountCombo->setEnabled(false);
}

void RecurringFormDialog::setSeed(const RecurringTransaction &seed)
{
    setWindowTitle(tr("Memorize Transaction"));
    m_editMode = false;
    m_createdFromSeed = true;
    fill(seed);
}

RecurringTransaction RecurringFormDialog::recurring() const
{
    RecurringTransaction result = m_original;
    const QDateTime now = currentTimestamp();
    if (!m_editMode) {
        result.id = newId();
        result.createdAt = now;
    }
    result.accountId = m_accountCombo->currentData().toString();
    result.payee = m_payeeEdit->text().trimmed();
    const Money cents = moneyFromSpinValue(m_amountSpin->value(), Currency::USD);
    result.amount = m_paymentButton->isChecked() ? -cents : cents;
    result.categoryId = selectedCategoryId();
    result.memo = m_memoEdit->text().trimmed();
    result.frequency = frequencyFromString(m_frequencyCombo->currentData().toString());

    const QDate fieldDate = m_startDateEdit->date();
    qInfo() << "RecurringFormDialog::recurring() — m_editMode=" << m_editMode
            << "isCreateFromSeed=" << m_createdFromSeed << "widget.date=" << fieldDate
            << "m_original.startDate=" << m_original.startDate
            << "m_original.nextDueDate=" << m_original.nextDueDate;

    result.endDate =
        m_hasEndDateCheck->isChecked() ? std::optional<QDate>(m_endDateEdit->date()) : std::nullopt;
    if (!(m_editMode && fieldDate == m_original.startDate)) {
        result.startDate = fieldDate;
        result.nextDueDate = fieldDate;
    }
    if (!result.startDate.isValid() || result.startDate < earliestDate()) {
        qWarning() << "RecurringFormDialog: rejecting invalid startDate" << result.startDate
                   << "— falling back to today";
        result.startDate = QDate::currentDate();
    }
    if (!result.nextDueDate.isValid() || result.nextDueDate < earliestDate()) {
        qWarning() << "RecurringFormDialog: rejecting invalid nextDueDate" << result.nextDueDate
                   << "— falling back to startDate" << result.startDate;
        result.nextDueDate = result.startDate;
    }
    result.autoPost = m_autoPostCheck->isChecked();
    result.isActive = m_activeCheck->isChecked();
    result.syncStatus = SyncStatus::Pending;
    result.updatedAt = now;
    if (m_editMode)
        result.version = m_original.version + 1;
    return result;
}
