#pragma once

#include "data/enums.h"
#include "data/registerindex.h"
#include "data/registerrow.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QString>

// The rows of one account's register, each with its running balance, plus one blank entry row.
// It also holds the texts being typed into the row under edit (the pending edit) until the
// register screen commits them; the model itself never writes to the database.
//
// The blank row is model row 0 when newest-first, otherwise the last row. Every cell is computed
// from the loaded rows on demand. An account loaded through its index holds only rowids and
// running balances; the full rows are fetched a page at a time as they are shown, so opening an
// account of half a million rows reads two integers a row and keeps a few pages in memory.
class TransactionRepository;

class RegisterModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        DateColumn,
        CheckNumberColumn,
        PayeeColumn,
        CategoryColumn,
        MemoColumn,
        PaymentColumn,
        DepositColumn,
        ClearedColumn,
        BalanceColumn,
        ColumnCount
    };

    // What the user has typed into the row under edit, one text per editable column.
    struct PendingEdit
    {
        QString date; // M/d/yyyy
        QString checkNumber;
        QString payee;
        QString memo;
        QString category; // as shown, "Parent > Child" included
        QString payment;
        QString deposit;
        QString cleared;    // "", "C" or "R" as typed
        QString categoryId; // chosen in the category editor; empty when the text must be resolved

        bool operator==(const PendingEdit &) const = default;
    };

    explicit RegisterModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Only Qt::EditRole: stores the text into the pending field of the column.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // `rows` in display order (reversed already when newest-first). Ends any edit.
    void load(QList<RegisterRow> rows, bool newestFirst, Currency currency = Currency::USD);
    // The register as its index (oldest first); rows come from `transactions` as they are needed.
    void loadIndex(RegisterIndex index, const TransactionRepository *transactions, bool newestFirst,
                   Currency currency = Currency::USD);

    bool isNewestFirst() const { return m_newestFirst; }
    bool isTwoLine() const { return m_twoLine; }
    void setTwoLine(bool twoLine);
    Currency currency() const { return m_currency; }

    int blankRow() const { return m_newestFirst ? 0 : transactionCount(); }
    bool isBlankRow(int row) const { return row == blankRow(); }
    int transactionCount() const;

    // -1 when no existing row is being edited (then the blank row holds the pending edit).
    int editingRow() const { return m_editingRow; }
    void setEditingRow(int row);

    const PendingEdit &pendingEdit() const { return m_pending; }
    // Replaces the pending edit and repaints the row that shows it.
    void setPendingEdit(const PendingEdit &pending);
    void setPendingCategoryId(const QString &categoryId) { m_pending.categoryId = categoryId; }
    // Empty except the date: the last committed entry's date, or today.
    void clearPendingEdit();
    void loadPendingEditFromRow(int row);

    QString lastDate() const { return m_lastDate; }
    void setLastDate(const QString &dateText) { m_lastDate = dateText; }

    // The register row behind a model row; nullptr for the blank row and out of range. The pointer
    // stays valid until control returns to the event loop or the model is loaded again.
    const RegisterRow *registerRow(int row) const;
    // The first model row holding the transaction; -1 for an empty id or no match.
    int rowOfTransaction(const QString &transactionId) const;
    // The running balance of the newest row, or `startingBalance` when there are no rows.
    Money accountBalance(Money startingBalance) const;
    // The texts of the largest payment, deposit or balances (highest and lowest) of the whole
    // register, for PaymentColumn, DepositColumn and BalanceColumn: what those columns must fit.
    // Read from the running balances, without fetching a row.
    QStringList widestAmountTexts(int column) const;

private:
    bool isPendingRow(int row) const;
    bool isIdleBlankRow(int row) const;
    QString pendingText(int column) const;
    QString displayText(const RegisterRow &row, int column) const;
    void emitRowChanged(int row);
    const RegisterRow *indexedRow(qsizetype position) const;
    void trimPages();

    static constexpr qsizetype pageSize = 256;
    static constexpr qsizetype keptPages = 64;

    QList<RegisterRow> m_rows; // every row in display order, when loaded without an index
    const TransactionRepository *m_source = nullptr; // set when loaded through an index
    RegisterIndex m_index;
    mutable QHash<qsizetype, QList<RegisterRow>> m_pages; // page number → rows, oldest first
    mutable QList<qsizetype> m_pageUse;                   // least recently used first
    mutable bool m_trimScheduled = false;
    bool m_newestFirst = false;
    bool m_twoLine = false;
    Currency m_currency = Currency::USD;
    int m_editingRow = -1;
    PendingEdit m_pending;
    QString m_lastDate;
};
