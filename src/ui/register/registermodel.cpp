#include "registermodel.h"

#include "ui/widgets/dateinput.h"
#include "ui/widgets/registerstyle.h"

#include "data/money.h"
#include "data/transactionrepository.h"

#include <QBrush>
#include <QTimer>

#include <algorithm>

RegisterModel::RegisterModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    clearPendingEdit();
}

int RegisterModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : transactionCount() + 1;
}

int RegisterModel::transactionCount() const
{
    if (!m_source)
        return int(m_rows.size());
    return int(m_index.rowIds.size()) + (m_index.openingRow ? 1 : 0);
}

int RegisterModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case DateColumn:
        return tr("Date");
    case CheckNumberColumn:
        return tr("Chk #");
    case PayeeColumn:
        return m_twoLine ? tr("Payee / Memo") : tr("Payee");
    case CategoryColumn:
        return tr("Category");
    case MemoColumn:
        return tr("Memo");
    case PaymentColumn:
        return tr("Payment");
    case DepositColumn:
        return tr("Deposit");
    case ClearedColumn:
        return tr("Clr");
    case BalanceColumn:
        return tr("Balance");
    default:
        return {};
    }
}

Qt::ItemFlags RegisterModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags readOnly = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    if (index.column() == BalanceColumn)
        return readOnly;
    // The opening-balance row exists only in memory: there is no stored transaction to edit.
    const RegisterRow *row = registerRow(index.row());
    if (row && row->transaction.id.isEmpty())
        return readOnly;
    if (isBlankRow(index.row()) || index.row() == m_editingRow)
        return readOnly | Qt::ItemIsEditable;
    return readOnly;
}

bool RegisterModel::isPendingRow(int row) const
{
    return row == m_editingRow || isIdleBlankRow(row);
}

bool RegisterModel::isIdleBlankRow(int row) const
{
    return m_editingRow == -1 && isBlankRow(row);
}

QString RegisterModel::pendingText(int column) const
{
    switch (column) {
    case DateColumn:
        return m_pending.date;
    case CheckNumberColumn:
        return m_pending.checkNumber;
    case PayeeColumn:
        return m_pending.payee;
    case CategoryColumn:
        return m_pending.category;
    case MemoColumn:
        return m_pending.memo;
    case PaymentColumn:
        return m_pending.payment;
    case DepositColumn:
        return m_pending.deposit;
    case ClearedColumn:
        return m_pending.cleared;
    default:
        return {};
    }
}

QString RegisterModel::displayText(const RegisterRow &row, int column) const
{
    const Transaction &transaction = row.transaction;
    switch (column) {
    case DateColumn:
        return dateToEditText(transaction.date);
    case CheckNumberColumn:
        return transaction.checkNumber;
    case PayeeColumn:
        return transaction.payee;
    case CategoryColumn:
        return row.categoryName;
    case MemoColumn:
        return transaction.memo;
    case PaymentColumn:
        return transaction.amount < 0 ? formatAmount(-transaction.amount, m_currency) : QString();
    case DepositColumn:
        return transaction.amount >= 0 ? formatAmount(transaction.amount, m_currency) : QString();
    case ClearedColumn:
        return transaction.reconciled ? QStringLiteral("R")
                                      : (transaction.cleared ? QStringLiteral("C") : QString());
    case BalanceColumn:
        return formatAmount(row.runningBalance, m_currency);
    default:
        return {};
    }
}

QVariant RegisterModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const int row = index.row();
    const int column = index.column();

    if (isPendingRow(row)) {
        if ((role == Qt::DisplayRole || role == Qt::EditRole) && column != BalanceColumn) {
            const QString text = pendingText(column);
            if (role == Qt::DisplayRole && text.isEmpty() && isIdleBlankRow(row)) {
                static const char *const placeholders[] = {
                    QT_TR_NOOP("Date"), QT_TR_NOOP("Chk #"),   QT_TR_NOOP("Payee"),   QT_TR_NOOP("Category"),
                    QT_TR_NOOP("Memo"), QT_TR_NOOP("Payment"), QT_TR_NOOP("Deposit"), QT_TR_NOOP("Clr")};
                return tr(placeholders[column]);
            }
            return text;
        }
        if (role == Qt::ForegroundRole && isIdleBlankRow(row) && column != BalanceColumn &&
            pendingText(column).isEmpty())
            return QBrush(secondaryTextColor());
        if (role == Qt::BackgroundRole && !m_twoLine)
            return QBrush(pendingRowBackground());
    }

    // Font and alignment depend on the column only, so amounts typed into the blank row already
    // sit where they will stay once saved.
    if (role == Qt::FontRole) {
        if (column == PaymentColumn || column == DepositColumn || column == BalanceColumn)
            return monospaceFont();
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        if (column == PaymentColumn || column == DepositColumn || column == BalanceColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (column == ClearedColumn)
            return QVariant::fromValue(Qt::AlignCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }

    const RegisterRow *registerRowPointer = registerRow(row);
    if (!registerRowPointer)
        return {};
    const RegisterRow &record = *registerRowPointer;

    switch (role) {
    case Qt::DisplayRole:
        return displayText(record, column);
    case Qt::EditRole:
        return column == BalanceColumn ? QVariant() : QVariant(displayText(record, column));
    case Qt::BackgroundRole:
        if (row == m_editingRow && !m_twoLine)
            return QBrush(pendingRowBackground());
        return {};
    case Qt::ForegroundRole:
        if (column == MemoColumn || column == ClearedColumn)
            return QBrush(secondaryTextColor());
        if (column == PaymentColumn)
            return QBrush(negativeColor());
        if (column == DepositColumn && record.transaction.amount >= 0)
            return QBrush(positiveColor());
        if (column == BalanceColumn && record.runningBalance < 0)
            return QBrush(negativeColor());
        return {};
    default:
        return {};
    }
}

bool RegisterModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    const QString text = value.toString();
    switch (index.column()) {
    case DateColumn:
        m_pending.date = text;
        break;
    case CheckNumberColumn:
        m_pending.checkNumber = text;
        break;
    case PayeeColumn:
        m_pending.payee = text;
        break;
    case CategoryColumn:
        // A category id chosen earlier no longer applies to different text.
        if (text != m_pending.category)
            m_pending.categoryId.clear();
        m_pending.category = text;
        break;
    case MemoColumn:
        m_pending.memo = text;
        break;
    case PaymentColumn:
        m_pending.payment = text;
        break;
    case DepositColumn:
        m_pending.deposit = text;
        break;
    case ClearedColumn:
        m_pending.cleared = text;
        break;
    default:
        break;
    }
    emit dataChanged(index, index);
    return true;
}

void RegisterModel::load(QList<RegisterRow> rows, bool newestFirst, Currency currency)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_source = nullptr;
    m_index = {};
    m_pages.clear();
    m_pageUse.clear();
    m_newestFirst = newestFirst;
    m_currency = currency;
    m_editingRow = -1;
    clearPendingEdit();
    endResetModel();
}

void RegisterModel::loadIndex(RegisterIndex index, const TransactionRepository *transactions,
                              bool newestFirst, Currency currency)
{
    beginResetModel();
    m_rows.clear();
    m_source = transactions;
    m_index = std::move(index);
    m_pages.clear();
    m_pageUse.clear();
    m_newestFirst = newestFirst;
    m_currency = currency;
    m_editingRow = -1;
    clearPendingEdit();
    endResetModel();
}

void RegisterModel::setTwoLine(bool twoLine)
{
    m_twoLine = twoLine;
    emit headerDataChanged(Qt::Horizontal, PayeeColumn, PayeeColumn);
}

void RegisterModel::emitRowChanged(int row)
{
    if (row >= 0 && row < rowCount())
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void RegisterModel::setEditingRow(int row)
{
    const int previous = m_editingRow;
    m_editingRow = row;
    emitRowChanged(previous);
    emitRowChanged(row);
}

void RegisterModel::setPendingEdit(const PendingEdit &pending)
{
    m_pending = pending;
    emitRowChanged(m_editingRow >= 0 ? m_editingRow : blankRow());
}

void RegisterModel::clearPendingEdit()
{
    m_pending = PendingEdit();
    m_pending.date = m_lastDate.isEmpty() ? dateToEditText(QDate::currentDate()) : m_lastDate;
}

void RegisterModel::loadPendingEditFromRow(int row)
{
    const RegisterRow *record = registerRow(row);
    if (!record)
        return;
    const Transaction &transaction = record->transaction;
    PendingEdit pending;
    pending.date = dateToEditText(transaction.date);
    pending.checkNumber = transaction.checkNumber;
    pending.payee = transaction.payee;
    pending.memo = transaction.memo;
    pending.category = record->categoryName;
    pending.categoryId = transaction.categoryId;
    if (transaction.amount < 0)
        pending.payment = formatAmount(-transaction.amount, m_currency);
    else
        pending.deposit = formatAmount(transaction.amount, m_currency);
    pending.cleared = transaction.reconciled ? QStringLiteral("R")
                                             : (transaction.cleared ? QStringLiteral("C") : QString());
    m_pending = pending;
}

const RegisterRow *RegisterModel::registerRow(int row) const
{
    const int count = transactionCount();
    // Positions count oldest first; the display order runs the other way when newest-first.
    const int position = m_newestFirst ? count - row : row;
    if (row < 0 || isBlankRow(row) || position < 0 || position >= count)
        return nullptr;
    if (!m_source)
        return &m_rows.at(m_newestFirst ? row - 1 : row);
    return indexedRow(position);
}

const RegisterRow *RegisterModel::indexedRow(qsizetype position) const
{
    if (m_index.openingRow) {
        if (position == 0)
            return &*m_index.openingRow;
        --position;
    }
    const qsizetype page = position / pageSize;
    auto it = m_pages.find(page);
    if (it == m_pages.end()) {
        const QList<qint64> rowIds = m_index.rowIds.mid(page * pageSize, pageSize);
        QList<RegisterRow> rows = m_source->registerRowsByRowId(rowIds);
        // Every change reloads the model, so the rows are all there; should one have vanished in
        // between, the page is padded with an empty read-only row until that reload comes.
        rows.resize(rowIds.size());
        for (qsizetype i = 0; i < rows.size(); ++i)
            rows[i].runningBalance = m_index.runningBalances.at(page * pageSize + i);
        it = m_pages.insert(page, std::move(rows));
        if (m_pages.size() > keptPages && !m_trimScheduled) {
            // Later, so that pointers handed out in this pass stay valid.
            m_trimScheduled = true;
            QTimer::singleShot(0, this, &RegisterModel::trimPages);
        }
    }
    m_pageUse.removeOne(page);
    m_pageUse.append(page);
    return &it->at(position % pageSize);
}

void RegisterModel::trimPages()
{
    m_trimScheduled = false;
    while (m_pages.size() > keptPages && !m_pageUse.isEmpty())
        m_pages.remove(m_pageUse.takeFirst());
}

int RegisterModel::rowOfTransaction(const QString &transactionId) const
{
    if (transactionId.isEmpty())
        return -1;
    if (!m_source) {
        for (qsizetype position = 0; position < m_rows.size(); ++position) {
            if (m_rows.at(position).transaction.id == transactionId)
                return m_newestFirst ? int(position) + 1 : int(position);
        }
        return -1;
    }
    const qint64 rowId = m_source->rowIdOf(transactionId);
    const qsizetype found = rowId < 0 ? -1 : m_index.rowIds.indexOf(rowId);
    if (found < 0)
        return -1;
    const int position = int(found) + (m_index.openingRow ? 1 : 0);
    return m_newestFirst ? transactionCount() - position : position;
}

Money RegisterModel::accountBalance(Money startingBalance) const
{
    if (m_source) {
        if (!m_index.runningBalances.isEmpty())
            return m_index.runningBalances.constLast();
        return m_index.openingRow ? m_index.openingRow->runningBalance : startingBalance;
    }
    if (m_rows.isEmpty())
        return startingBalance;
    return m_newestFirst ? m_rows.constFirst().runningBalance : m_rows.constLast().runningBalance;
}

QStringList RegisterModel::widestAmountTexts(int column) const
{
    Money largestPayment = 0;
    Money largestDeposit = 0;
    Money lowestBalance = 0;
    Money highestBalance = 0;
    const auto note = [&](Money amount, Money balance) {
        if (amount < 0)
            largestPayment = std::max(largestPayment, -amount);
        else
            largestDeposit = std::max(largestDeposit, amount);
        lowestBalance = std::min(lowestBalance, balance);
        highestBalance = std::max(highestBalance, balance);
    };
    if (m_source) {
        Money previous = 0;
        if (m_index.openingRow) {
            note(m_index.openingRow->transaction.amount, m_index.openingRow->runningBalance);
            previous = m_index.openingRow->runningBalance;
        }
        for (const Money balance : m_index.runningBalances) {
            // Each balance was summed from the one before without overflow, so the difference fits.
            note(balance - previous, balance);
            previous = balance;
        }
    } else {
        for (const RegisterRow &row : m_rows)
            note(row.transaction.amount, row.runningBalance);
    }
    switch (column) {
    case PaymentColumn:
        return {formatAmount(largestPayment, m_currency)};
    case DepositColumn:
        return {formatAmount(largestDeposit, m_currency)};
    case BalanceColumn:
        return {formatAmount(lowestBalance, m_currency), formatAmount(highestBalance, m_currency)};
    default:
        return {};
    }
}
