#include "searchresultsmodel.h"

#include "data/account.h"
#include "data/money.h"
#include "ui/widgets/dateinput.h"
#include "ui/widgets/registerstyle.h"

#include <QBrush>

SearchResultsModel::SearchResultsModel(QObject *parent)
    : QAbstractTableModel(parent)
{}

int SearchResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int SearchResultsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant SearchResultsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case DateColumn:
        return tr("Date");
    case AccountColumn:
        return tr("Account");
    case CheckNumberColumn:
        return tr("Chk #");
    case PayeeColumn:
        return tr("Payee");
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
    default:
        return {};
    }
}

QString SearchResultsModel::displayText(const RegisterRow &row, int column) const
{
    const Transaction &transaction = row.transaction;
    const AccountInfo account = m_accounts.value(transaction.accountId);
    switch (column) {
    case DateColumn:
        return dateToEditText(transaction.date);
    case AccountColumn:
        return account.name;
    case CheckNumberColumn:
        return transaction.checkNumber;
    case PayeeColumn:
        return transaction.payee;
    case CategoryColumn:
        return row.categoryName;
    case MemoColumn:
        return transaction.memo;
    case PaymentColumn:
        return transaction.amount < 0 ? formatAmount(-transaction.amount, account.currency) : QString();
    case DepositColumn:
        return transaction.amount >= 0 ? formatAmount(transaction.amount, account.currency) : QString();
    case ClearedColumn:
        return transaction.reconciled ? QStringLiteral("R")
                                      : (transaction.cleared ? QStringLiteral("C") : QString());
    default:
        return {};
    }
}

QVariant SearchResultsModel::data(const QModelIndex &index, int role) const
{
    const RegisterRow *row = index.isValid() ? resultRow(index.row()) : nullptr;
    if (!row)
        return {};
    const int column = index.column();
    const bool amount = column == PaymentColumn || column == DepositColumn;
    switch (role) {
    case Qt::DisplayRole:
        return displayText(*row, column);
    case Qt::FontRole:
        return amount ? QVariant(monospaceFont()) : QVariant();
    case Qt::TextAlignmentRole:
        if (amount)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (column == ClearedColumn)
            return QVariant::fromValue(Qt::AlignCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (column == MemoColumn || column == ClearedColumn)
            return QBrush(secondaryTextColor());
        if (column == PaymentColumn)
            return QBrush(negativeColor());
        if (column == DepositColumn)
            return QBrush(positiveColor());
        return {};
    default:
        return {};
    }
}

void SearchResultsModel::load(QList<RegisterRow> rows, const QList<Account> &accounts)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_accounts.clear();
    for (const Account &account : accounts)
        m_accounts.insert(account.id, {account.name, account.currency});
    endResetModel();
}

const RegisterRow *SearchResultsModel::resultRow(int row) const
{
    return row >= 0 && row < m_rows.size() ? &m_rows[row] : nullptr;
}
