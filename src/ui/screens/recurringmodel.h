#pragma once

#include "data/recurringtransaction.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

class AccountRepository;

// The recurring schedules of the recurring screen, one per row. An item is due when it is active
// and its next due date is today or earlier.
class RecurringModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        AccountColumn,
        PayeeColumn,
        AmountColumn,
        FrequencyColumn,
        NextDueColumn,
        AutoColumn,
        StatusColumn,
        ColumnCount
    };

    explicit RecurringModel(AccountRepository *accounts, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void load(const QList<RecurringTransaction> &items);
    // nullptr out of range.
    const RecurringTransaction *item(int row) const;
    static bool isDue(const RecurringTransaction &item, const QDate &today = QDate::currentDate());
    static QString frequencyText(Frequency frequency);

private:
    QString accountName(const QString &accountId) const;

    AccountRepository *m_accounts;
    QList<RecurringTransaction> m_items;
    // Built on first use after each load, so a renamed account shows its new name after a reload.
    mutable QHash<QString, QString> m_accountNames;
    mutable bool m_accountNamesLoaded = false;
};
