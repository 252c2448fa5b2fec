#include "transactionlistmodel.h"

#include "data/money.h"
#include "ui/widgets/registerstyle.h"

#include <QLocale>

#include <algorithm>

TransactionListModel::TransactionListModel(QObject *parent)
    : QAbstractTableModel(parent)
{}

int TransactionListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TransactionListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TransactionListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return {};
    const TransactionListRow &row = m_rows[index.row()];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case DateColumn:
            return QLocale().toString(row.date, QLocale::ShortFormat);
        case AccountColumn:
            return row.accountName;
        case PayeeColumn:
            return row.payee;
        case CategoryColumn:
            return row.categoryName;
        case MemoColumn:
            return row.memo;
        case AmountColumn:
            return formatMoney(row.amount, Currency::USD);
        default:
            return {};
        }
    }
    if (index.column() == AmountColumn) {
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (role == Qt::ForegroundRole && row.amount < 0)
            return negativeColor();
    }
    return {};
}

QVariant TransactionListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case DateColumn:
        return tr("Date");
    case AccountColumn:
        return tr("Account");
    case PayeeColumn:
        return tr("Payee");
    case CategoryColumn:
        return tr("Category");
    case MemoColumn:
        return tr("Memo");
    case AmountColumn:
        return tr("Amount");
    default:
        return {};
    }
}

void TransactionListModel::load(QList<TransactionListRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

QStringList TransactionListModel::widestAmountTexts() const
{
    Money lowest = 0;
    Money highest = 0;
    for (const TransactionListRow &row : m_rows) {
        lowest = std::min(lowest, row.amount);
        highest = std::max(highest, row.amount);
    }
    return {formatMoney(lowest, Currency::USD), formatMoney(highest, Currency::USD)};
}
