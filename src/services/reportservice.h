#pragma once

#include "accountsummaryrow.h"
#include "categorytotal.h"
#include "monthlyflow.h"
#include "payeetotal.h"
#include "taxline.h"
#include "transactionlistrow.h"
#include "yearoveryearrow.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QStringList>

#include <functional>

class Database;

// The eight reports, each one grouped statement on the database (two for year over year) plus a
// linear pass over its rows. Periods are inclusive at both ends; an empty account or category id
// means no filter. Amounts keep their stored signs. A statement that fails, or a total that does
// not fit in 64 bits, gives an empty list and sets lastError().
class ReportService : public QObject
{
    Q_OBJECT

public:
    explicit ReportService(Database *database, QObject *parent = nullptr);

    QList<CategoryTotal> categorySpending(const QDate &from, const QDate &to,
                                          const QString &accountId = {}) const;
    QList<PayeeTotal> payeeSummary(const QDate &from, const QDate &to, const QString &accountId = {}) const;
    QList<TaxLine> taxReport(const QDate &from, const QDate &to) const;
    // Transfers are left out: moving money between one's own accounts is neither income nor expense.
    QList<MonthlyFlow> incomeVsExpenses(const QDate &from, const QDate &to,
                                        const QString &accountId = {}) const;
    QList<MonthlyFlow> cashFlow(const QDate &from, const QDate &to, const QString &accountId = {}) const;
    // Rows sorted by category name, case-sensitively by code unit.
    QList<YearOverYearRow> yearOverYear(const QDate &from1, const QDate &to1, const QDate &from2,
                                        const QDate &to2, const QString &accountId = {}) const;
    QList<AccountSummaryRow> accountSummary() const;
    QList<TransactionListRow> transactionList(const QDate &from, const QDate &to,
                                              const QString &accountId = {},
                                              const QString &categoryId = {}) const;
    // The same rows handed to `visit` as they are read, so that a million of them cost one row's
    // memory; `visit` returns false to stop early. False, with lastError() set, when the statement
    // failed, before or part way through the rows.
    bool forEachTransactionListRow(const QDate &from, const QDate &to, const QString &accountId,
                                   const QString &categoryId,
                                   const std::function<bool(const TransactionListRow &row)> &visit) const;

    // Every cell quoted, inner quotes doubled, one line per row ending in a line break.
    static QString toCsv(const QStringList &headers, const QList<QStringList> &rows);

    // Why the last report came back empty when it failed ("integer overflow" for totals past 64
    // bits); empty after a report that succeeded.
    QString lastError() const { return m_lastError; }

private:
    Database *m_database;
    mutable QString m_lastError;
};
