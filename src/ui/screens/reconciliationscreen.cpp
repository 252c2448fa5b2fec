#include "reconciliationscreen.h"

#include "data/accountrepository.h"
#include "data/datetext.h"
#include "data/reconciliation.h"
#include "data/reconciliationrepository.h"
#include "data/transactionrepository.h"
#include "services/reconciliationservice.h"
#include "services/transactionservice.h"
#include "ui/dialogs/transactionformdialog.h"
#include "ui/widgets/datefield.h"
#include "ui/widgets/registerstyle.h"
#include "ui/widgets/spinboxmoney.h"

#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QHash>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { TickColumn, DateColumn, PayeeColumn, AmountColumn, ClearedColumn, ColumnCount };

const char *const mutedStyle = "color: %1;";

QFrame *separatorLine(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

} // namespace

ReconciliationScreen::ReconciliationScreen(const ScreenServices &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);

    auto *title = new QLabel(tr("Reconcile Account"), this);
    QFont titleFont = title->font();
    titleFont.setPointSize(14);
    titleFont.setWeight(QFont::Bold);
    title->setFont(titleFont);
    layout->addWidget(title);

    auto *statementRow = new QHBoxLayout;
    m_statementDateField = new DateField(this);
    m_statementDateField->setObjectName(QStringLiteral("statementDateField"));
    m_statementBalanceSpin = new QDoubleSpinBox(this);
    m_statementBalanceSpin->setObjectName(QStringLiteral("statementBalanceSpin"));
    m_statementBalanceSpin->setDecimals(2);
    m_statementBalanceSpin->setRange(-99999999.99, 99999999.99);
    m_statementBalanceSpin->setPrefix(QStringLiteral("$ "));
    m_statementBalanceSpin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_statementBalanceSpin->setMinimumWidth(160);
    auto *dateLabel = new QLabel(tr("Statement Date:"), this);
    dateLabel->setBuddy(m_statementDateField);
    auto *balanceLabel = new QLabel(tr("Statement Balance:"), this);
    balanceLabel->setBuddy(m_statementBalanceSpin);
    statementRow->addWidget(dateLabel);
    statementRow->addWidget(m_statementDateField);
    statementRow->addSpacing(16);
    statementRow->addWidget(balanceLabel);
    statementRow->addWidget(m_statementBalanceSpin);
    statementRow->addStretch(1);
    layout->addLayout(statementRow);
    connect(m_statementBalanceSpin, &QDoubleSpinBox::valueChanged, this,
            &ReconciliationScreen::updateDifference);

    auto *summary = new QGridLayout;
    summary->setColumnStretch(2, 1);
    m_previousBalanceValue = addSummaryRow(summary, 0, tr("Previous Balance"), true, false);
    m_clearedDepositsValue = addSummaryRow(summary, 1, tr("Cleared Deposits"), false, false);
    m_clearedWithdrawalsValue = addSummaryRow(summary, 2, tr("Cleared Withdrawals"), false, false);
    summary->addWidget(separatorLine(this), 3, 0, 1, 2);
    m_clearedBalanceValue = addSummaryRow(summary, 4, tr("Cleared Balance"), false, false);
    m_statementBalanceValue = addSummaryRow(summary, 5, tr("Statement Balance"), true, false);
    summary->addWidget(separatorLine(this), 6, 0, 1, 2);
    m_differenceValue = addSummaryRow(summary, 7, tr("Difference"), false, true);
    layout->addLayout(summary);

    auto *buttonRow = new QHBoxLayout;
    m_finishButton = new QPushButton(tr("Finish Reconciliation"), this);
    m_finishButton->setObjectName(QStringLiteral("finishButton"));
    m_finishButton->setEnabled(false);
    auto *cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    // The screen is a window, not a dialog: Enter presses the focused button only when asked to.
    m_finishButton->setAutoDefault(true);
    cancelButton->setAutoDefault(true);
    buttonRow->addWidget(m_finishButton);
    buttonRow->addWidget(cancelButton);
    buttonRow->addStretch(1);
    layout->addLayout(buttonRow);
    connect(m_finishButton, &QPushButton::clicked, this, &ReconciliationScreen::finish);
    connect(cancelButton, &QPushButton::clicked, this, &ReconciliationScreen::cancelled);

    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setObjectName(QStringLiteral("transactionTable"));
    m_table->setHorizontalHeaderLabels({QString(), tr("Date"), tr("Payee"), tr("Amount"), tr("Clr")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    // Arrows move between rows; Tab leaves the table for the Finish button.
    m_table->setTabKeyNavigation(false);
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(TickColumn, QHeaderView::Fixed);
    header->resizeSection(TickColumn, 30);
    header->setSectionResizeMode(PayeeColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(AmountColumn, QHeaderView::Fixed);
    header->resizeSection(AmountColumn, 100);
    header->setSectionResizeMode(ClearedColumn, QHeaderView::ResizeToContents);
    m_table->installEventFilter(this);
    layout->addWidget(m_table, 1);
    connect(m_table, &QTableWidget::itemChanged, this, &ReconciliationScreen::onItemChanged);

    auto *toolRow = new QHBoxLayout;
    auto *addButton = new QPushButton(tr("Add Transaction"), this);
    addButton->setToolTip(tr("Add a transaction (Ctrl+N)"));
    auto *editButton = new QPushButton(tr("Edit"), this);
    editButton->setToolTip(tr("Edit selected transaction (F2)"));
    auto *deleteButton = new QPushButton(tr("Delete"), this);
    deleteButton->setToolTip(tr("Delete selected transaction (Del)"));
    for (QPushButton *button : {addButton, editButton, deleteButton})
        button->setAutoDefault(true);
    toolRow->addWidget(addButton);
    toolRow->addWidget(editButton);
    toolRow->addWidget(deleteButton);
    toolRow->addStretch(1);
    layout->addLayout(toolRow);
    connect(addButton, &QPushButton::clicked, this, &ReconciliationScreen::addTransaction);
    connect(editButton, &QPushButton::clicked, this, &ReconciliationScreen::editSelectedTransaction);
    connect(deleteButton, &QPushButton::clicked, this, &ReconciliationScreen::deleteSelectedTransaction);

    // On most platforms the Delete key sequence is Del itself; two shortcuts on one key would be
    // ambiguous and neither would fire.
    const auto addShortcut = [this](const QKeySequence &keys, void (ReconciliationScreen::*slot)()) {
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, slot);
    };
    QList<QKeySequence> addKeys = QKeySequence::keyBindings(QKeySequence::New);
    addKeys.append(QKeySequence(Qt::Key_Insert));
    QList<QKeySequence> deleteKeys = QKeySequence::keyBindings(QKeySequence::Delete);
    deleteKeys.append(QKeySequence(Qt::Key_Delete));
    QList<QKeySequence> seen;
    for (const QKeySequence &keys : std::as_const(addKeys)) {
        if (!seen.contains(keys)) {
            seen.append(keys);
            addShortcut(keys, &ReconciliationScreen::addTransaction);
        }
    }
    addShortcut(QKeySequence(Qt::Key_F2), &ReconciliationScreen::editSelectedTransaction);
    for (const QKeySequence &keys : std::as_const(deleteKeys)) {
        if (!seen.contains(keys)) {
            seen.append(keys);
            addShortcut(keys, &ReconciliationScreen::deleteSelectedTransaction);
        }
    }

    setTabOrder(m_statementDateField, m_statementBalanceSpin);
    setTabOrder(m_statementBalanceSpin, m_table);
    setTabOrder(m_table, m_finishButton);
    setTabOrder(m_finishButton, cancelButton);
    setTabOrder(cancelButton, addButton);
    setTabOrder(addButton, editButton);
    setTabOrder(editButton, deleteButton);
    m_statementDateField->setFocus();
    updateDifference();
}

QLabel *ReconciliationScreen::addSummaryRow(QGridLayout *grid, int row, const QString &caption, bool muted,
                                            bool bold)
{
    auto *captionLabel = new QLabel(caption, this);
    auto *valueLabel = new QLabel(this);
    valueLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    valueLabel->setMinimumWidth(140);
    if (muted) {
        const QString style = QString::fromLatin1(mutedStyle).arg(secondaryTextColor().name());
        captionLabel->setStyleSheet(style);
        valueLabel->setStyleSheet(style);
    }
    if (bold) {
        QFont font = captionLabel->font();
        font.setWeight(QFont::Bold);
        captionLabel->setFont(font);
        valueLabel->setFont(font);
    }
    grid->addWidget(captionLabel, row, 0);
    grid->addWidget(valueLabel, row, 1);
    return valueLabel;
}

void ReconciliationScreen::setAccount(const QString &accountId)
{
    m_accountId = accountId;
    const std::optional<Account> account = m_services.accountRepository->findById(accountId);
    if (!account)
        return;
    m_currency = account->currency;
    applyCurrencyToSpinBox(m_statementBalanceSpin, account->currency);

    m_previousBalance = m_services.reconciliationService->previousBalance(accountId).value_or(0);
    QDate latestReconciledDate;
    const QList<Transaction> transactions = m_services.transactionRepository->byAccount(accountId);
    for (const Transaction &transaction : transactions) {
        if (!transaction.reconciled)
            continue;
        if (!latestReconciledDate.isValid() || transaction.date > latestReconciledDate)
            latestReconciledDate = transaction.date;
    }

    // The next statement usually closes a month after the last one.
    const std::optional<Reconciliation> latest =
        m_services.reconciliationRepository->latestForAccount(accountId);
    if (latest && (!latestReconciledDate.isValid() || latest->statementDate >= latestReconciledDate))
        m_statementDateField->setDate(latest->statementDate.addMonths(1));
    else if (latestReconciledDate.isValid())
        m_statementDateField->setDate(latestReconciledDate.addMonths(1));

    reloadTable();
}

void ReconciliationScreen::reloadTable()
{
    QHash<QString, bool> remembered;
    for (qsizetype i = 0; i < m_transactions.size(); ++i)
        remembered.insert(m_transactions.at(i).id, m_ticked.at(i));

    m_transactions = m_services.transactionRepository->unreconciled(m_accountId);
    m_ticked.clear();
    for (const Transaction &transaction : std::as_const(m_transactions))
        m_ticked.append(remembered.value(transaction.id, transaction.cleared));

    const Currency accountCurrency = currency();
    m_filling = true;
    m_table->setRowCount(int(m_transactions.size()));
    for (int row = 0; row < m_transactions.size(); ++row) {
        const Transaction &transaction = m_transactions.at(row);
        auto *tick = new QTableWidgetItem;
        tick->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        tick->setCheckState(m_ticked.at(row) ? Qt::Checked : Qt::Unchecked);
        m_table->setItem(row, TickColumn, tick);

        const auto addText = [this, row](int column, const QString &text, Qt::Alignment alignment) {
            auto *item = new QTableWidgetItem(text);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
            item->setTextAlignment(alignment | Qt::AlignVCenter);
            m_table->setItem(row, column, item);
            return item;
        };
        addText(DateColumn, transaction.date.toString(QStringLiteral("MM/dd/yyyy")), Qt::AlignLeft);
        addText(PayeeColumn, transaction.payee, Qt::AlignLeft);
        QTableWidgetItem *amount =
            addText(AmountColumn, formatMoney(transaction.amount, accountCurrency), Qt::AlignRight);
        if (transaction.amount < 0)
            amount->setForeground(negativeColor());
        addText(ClearedColumn, transaction.cleared ? QStringLiteral("C") : QString(), Qt::AlignCenter);
    }
    m_filling = false;
    updateDifference();
}

void ReconciliationScreen::onItemChanged(QTableWidgetItem *item)
{
    if (m_filling || item->column() != TickColumn)
        return;
    onTransactionToggled(item->row(), item->checkState() == Qt::Checked);
}

void ReconciliationScreen::onTransactionToggled(int row, bool ticked)
{
    if (row < 0 || row >= m_ticked.size())
        return;
    m_ticked[row] = ticked;
    if (QTableWidgetItem *item = m_table->item(row, TickColumn)) {
        const Qt::CheckState state = ticked ? Qt::Checked : Qt::Unchecked;
        if (item->checkState() != state) {
            m_filling = true;
            item->setCheckState(state);
            m_filling = false;
        }
    }
    updateDifference();
}

Money ReconciliationScreen::statementBalance() const
{
    return moneyFromSpinValue(m_statementBalanceSpin->value(), currency());
}

Currency ReconciliationScreen::currency() const
{
    return m_currency;
}

Money ReconciliationScreen::difference() const
{
    Money cleared = m_previousBalance;
    for (qsizetype i = 0; i < m_transactions.size(); ++i) {
        if (m_ticked.at(i))
            cleared += m_transactions.at(i).amount;
    }
    return statementBalance() - cleared;
}

void ReconciliationScreen::updateDifference()
{
    Money deposits = 0;
    Money withdrawals = 0;
    for (qsizetype i = 0; i < m_transactions.size(); ++i) {
        if (!m_ticked.at(i))
            continue;
        const Money amount = m_transactions.at(i).amount;
        (amount >= 0 ? deposits : withdrawals) += amount;
    }
    const Money clearedBalance = m_previousBalance + deposits + withdrawals;
    const Money statement = statementBalance();
    const Money difference = statement - clearedBalance;
    const Currency accountCurrency = currency();

    m_previousBalanceValue->setText(formatMoney(m_previousBalance, accountCurrency));
    m_clearedDepositsValue->setText(formatMoney(deposits, accountCurrency));
    m_clearedWithdrawalsValue->setText(formatMoney(withdrawals, accountCurrency));
    m_clearedBalanceValue->setText(formatMoney(clearedBalance, accountCurrency));
    m_statementBalanceValue->setText(formatMoney(statement, accountCurrency));
    m_differenceValue->setText(formatMoney(difference, accountCurrency));
    const QColor colour = difference == 0 ? positiveColor() : negativeColor();
    m_differenceValue->setStyleSheet(QStringLiteral("color: %1;").arg(colour.name()));
    m_finishButton->setEnabled(difference == 0 && !m_accountId.isEmpty());
}

void ReconciliationScreen::finish()
{
    // The button is disabled otherwise, but finish() is a public slot.
    if (m_accountId.isEmpty() || difference() != 0)
        return;
    QStringList ticked;
    for (qsizetype i = 0; i < m_transactions.size(); ++i) {
        if (m_ticked.at(i))
            ticked.append(m_transactions.at(i).id);
    }
    const ReconciliationService::Outcome outcome = m_services.reconciliationService->finish(
        m_accountId, m_statementDateField->date(), statementBalance(), ticked);
    if (outcome != ReconciliationService::Outcome::Finished) {
        reloadTable();
        QMessageBox::warning(this, tr("Reconciliation Failed"),
                             tr("The reconciliation could not be saved. Nothing was changed."));
        return;
    }
    QMessageBox::information(this, tr("Reconciliation Complete"), tr("Account reconciled successfully."));
    emit reconciliationCompleted();
}

void ReconciliationScreen::addTransaction()
{
    if (m_accountId.isEmpty())
        return;
    TransactionFormDialog form(m_services, m_accountId, this);
    if (form.exec() != QDialog::Accepted)
        return;
    TransactionEntry entry;
    entry.transaction = form.transaction();
    m_services.transactionService->create(entry);
    reloadTable();
}

void ReconciliationScreen::editSelectedTransaction()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    TransactionFormDialog form(m_services, m_accountId, this);
    form.setTransaction(m_transactions.at(row));
    if (form.exec() != QDialog::Accepted)
        return;
    // Through the service, so the other leg of a transfer changes with this one.
    TransactionEntry entry;
    entry.transaction = form.transaction();
    m_services.transactionService->update(entry);
    reloadTable();
}

void ReconciliationScreen::deleteSelectedTransaction()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const Transaction transaction = m_transactions.at(row);
    const QString question =
        transaction.transferLinkId.isEmpty()
            ? tr("Delete the transaction for %1?").arg(transaction.payee)
            : tr("Delete the transfer for %1?\n\nBoth sides of the transfer will be deleted.")
                  .arg(transaction.payee);
    const auto answer = QMessageBox::question(this, tr("Delete Transaction"), question,
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    m_services.transactionService->remove(transaction.id);
    reloadTable();
}

int ReconciliationScreen::selectedRow() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    if (!rows.isEmpty())
        return rows.first().row();
    const int current = m_table->currentRow();
    return current >= 0 && current < m_transactions.size() ? current : -1;
}

void ReconciliationScreen::toggleCurrentRow()
{
    const int row = m_table->currentRow();
    if (row >= 0 && row < m_ticked.size())
        onTransactionToggled(row, !m_ticked.at(row));
}

bool ReconciliationScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const auto *keyEvent = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers modifiers = keyEvent->modifiers() & ~Qt::KeypadModifier;
        const int key = keyEvent->key();
        if ((modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier) &&
            (key == Qt::Key_Space || key == Qt::Key_C || key == Qt::Key_R)) {
            toggleCurrentRow();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
