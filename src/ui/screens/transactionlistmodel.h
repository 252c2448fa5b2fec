#pragma once

#include "services/transactionlistrow.h"

#include <QAbstractTableModel>
#include <QList>

// The rows of the transactions report. Cells are formatted when the view asks for them, so a
// period of a million transactions costs one query, not a million formatted table items.
class TransactionListModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        DateColumn,
        AccountColumn,
        PayeeColumn,
        CategoryColumn,
        MemoColumn,
        AmountColumn,
        ColumnCount
    };

    explicit TransactionListModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void load(QList<TransactionListRow> rows);
    // The amount cells of the largest payment and the largest deposit: what the column must fit.
    QStringList widestAmountTexts() const;

private:
    QList<TransactionListRow> m_rows;
};
