#pragma once

#include "data/enums.h"
#include "data/registerrow.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QString>

struct Account;

// The rows found by a search, across accounts: each with the account it belongs to and its
// amount in that account's currency. Read-only, one row per transaction; there is no running
// balance and no entry row, as a search result is no register.
class SearchResultsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        DateColumn,
        AccountColumn,
        CheckNumberColumn,
        PayeeColumn,
        CategoryColumn,
        MemoColumn,
        PaymentColumn,
        DepositColumn,
        ClearedColumn,
        ColumnCount
    };

    explicit SearchResultsModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // `accounts` names the accounts of the rows and gives their currencies.
    void load(QList<RegisterRow> rows, const QList<Account> &accounts);
    // nullptr out of range.
    const RegisterRow *resultRow(int row) const;

private:
    struct AccountInfo
    {
        QString name;
        Currency currency = Currency::USD;
    };

    QString displayText(const RegisterRow &row, int column) const;

    QList<RegisterRow> m_rows;
    QHash<QString, AccountInfo> m_accounts;
};
