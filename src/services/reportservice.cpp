#include "reportservice.h"

#include "data/database.h"
#include "data/datetext.h"
#include "data/money.h"

#include <QMap>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

// Prepares the statement, binds the values in order and runs it; false, with the reason in
// `error`, leaves the caller to return an empty report.
bool run(QSqlQuery &query, const QString &sql, const QVariantList &values, QString *error)
{
    error->clear();
    query.setForwardOnly(true);
    bool ok = query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    ok = ok && query.exec();
    if (!ok)
        *error = query.lastError().text();
    return ok;
}

// After the last row: false, with the reason in `error`, when stepping stopped on an error (a SUM
// past 64 bits fails with "integer overflow" while the rows are read) rather than at the end.
bool endedCleanly(const QSqlQuery &query, QString *error)
{
    if (!query.lastError().isValid())
        return true;
    *error = query.lastError().text();
    return false;
}

// Sums in C++ are checked like SQLite's SUM: a total past 64 bits is an error, never a wrapped figure.
Money checkedSum(Money a, Money b, QString *error)
{
    const std::optional<Money> sum = addAmounts(a, b);
    if (!sum)
        *error = QStringLiteral("integer overflow");
    return sum.value_or(0);
}

// The two dates, then the account id when one is given; the filter clause goes before the
// grouping clause so the bind order matches the placeholders.
QVariantList periodValues(const QDate &from, const QDate &to, const QString &accountId)
{
    QVariantList values{dateToText(from), dateToText(to)};
    if (!accountId.isEmpty())
        values.append(accountId);
    return values;
}

// A transfer between two of the user's own accounts is neither income nor spending: every report
// that sums income or spending leaves both legs out, as income vs expenses always did. Cash flow,
// the account summary and the transaction list show money moving, so they keep them.
const QString notLinkedTransfer =
    QStringLiteral(" AND (t.transfer_link_id IS NULL OR t.transfer_link_id = '')");

QString accountClause(const QString &accountId)
{
    return accountId.isEmpty() ? QString() : QStringLiteral(" AND t.account_id = ?");
}

QList<MonthlyFlow> monthlyFlows(const Database *database, const QString &sql, const QVariantList &values,
                                QString *error)
{
    QSqlQuery query(database->connection());
    if (!run(query, sql, values, error))
        return {};
    QList<MonthlyFlow> rows;
    while (query.next()) {
        MonthlyFlow row;
        row.month = query.value(0).toString();
        row.inflows = query.value(1).toLongLong();
        row.outflows = query.value(2).toLongLong();
        row.net = checkedSum(row.inflows, row.outflows, error);
        rows.append(row);
    }
    if (!endedCleanly(query, error) || !error->isEmpty())
        return {};
    return rows;
}

QString csvLine(const QStringList &cells)
{
    QString line;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            line += QLatin1Char(',');
        QString cell = cells.at(i);
        cell.replace(QLatin1Char('"'), QLatin1String("\"\""));
        line += QLatin1Char('"') + cell + QLatin1Char('"');
    }
    line += QLatin1Char('\n');
    return line;
}

} // namespace

ReportService::ReportService(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{}

QList<CategoryTotal> ReportService::categorySpending(const QDate &from, const QDate &to,
                                                     const QString &accountId) const
{
    const QString sql =
        QStringLiteral("SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount) FROM transactions t "
                       "LEFT JOIN categories c ON t.category_id = c.id WHERE t.deleted_at IS NULL") +
        notLinkedTransfer + QStringLiteral(" AND t.amount < 0 AND t.date >= ? AND t.date <= ?") +
        accountClause(accountId) +
        QStringLiteral(" GROUP BY COALESCE(c.name, 'Uncategorized') ORDER BY SUM(t.amount) ASC");
    QSqlQuery query(m_database->connection());
    if (!run(query, sql, periodValues(from, to, accountId), &m_lastError))
        return {};
    QList<CategoryTotal> rows;
    while (query.next())
        rows.append({query.value(0).toString(), query.value(1).toLongLong()});
    if (!endedCleanly(query, &m_lastError))
        return {};
    return rows;
}

QList<PayeeTotal> ReportService::payeeSummary(const QDate &from, const QDate &to,
                                              const QString &accountId) const
{
    const QString sql = QStringLiteral("SELECT t.payee, SUM(t.amount), COUNT(*) FROM transactions t WHERE "
                                       "t.deleted_at IS NULL") +
                        notLinkedTransfer + QStringLiteral(" AND t.date >= ? AND t.date <= ?") +
                        accountClause(accountId) +
                        QStringLiteral(" GROUP BY t.payee ORDER BY SUM(t.amount) ASC");
    QSqlQuery query(m_database->connection());
    if (!run(query, sql, periodValues(from, to, accountId), &m_lastError))
        return {};
    QList<PayeeTotal> rows;
    while (query.next())
        rows.append({query.value(0).toString(), query.value(1).toLongLong(), query.value(2).toInt()});
    if (!endedCleanly(query, &m_lastError))
        return {};
    return rows;
}

QList<TaxLine> ReportService::taxReport(const QDate &from, const QDate &to) const
{
    const QString sql =
        QStringLiteral("SELECT c.name, c.tax_category, SUM(t.amount) FROM transactions t JOIN "
                       "categories c ON t.category_id = c.id WHERE t.deleted_at IS NULL") +
        notLinkedTransfer +
        QStringLiteral(" AND c.is_tax_relevant = 1 AND t.date >= ? AND t.date <= ? GROUP BY c.name, "
                       "c.tax_category ORDER BY c.tax_category, c.name");
    QSqlQuery query(m_database->connection());
    if (!run(query, sql, periodValues(from, to, QString()), &m_lastError))
        return {};
    QList<TaxLine> rows;
    while (query.next())
        rows.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toLongLong()});
    if (!endedCleanly(query, &m_lastError))
        return {};
    return rows;
}

QList<MonthlyFlow> ReportService::incomeVsExpenses(const QDate &from, const QDate &to,
                                                   const QString &accountId) const
{
    const QString sql =
        QStringLiteral("SELECT strftime('%Y-%m', t.date) AS month, SUM(CASE WHEN t.amount > 0 THEN "
                       "t.amount ELSE 0 END) AS income, SUM(CASE WHEN t.amount < 0 THEN t.amount "
                       "ELSE 0 END) AS expenses FROM transactions t WHERE t.deleted_at IS NULL   "
                       "AND (t.transfer_link_id IS NULL OR t.transfer_link_id = '')   AND t.date >= ? "
                       "AND t.date <= ?") +
        accountClause(accountId) + QStringLiteral(" GROUP BY month ORDER BY month");
    return monthlyFlows(m_database, sql, periodValues(from, to, accountId), &m_lastError);
}

QList<MonthlyFlow> ReportService::cashFlow(const QDate &from, const QDate &to, const QString &accountId) const
{
    const QString sql =
        QStringLiteral("SELECT strftime('%Y-%m', t.date) AS month, SUM(CASE WHEN t.amount > 0 THEN "
                       "t.amount ELSE 0 END) AS inflows, SUM(CASE WHEN t.amount < 0 THEN t.amount "
                       "ELSE 0 END) AS outflows FROM transactions t WHERE t.deleted_at IS NULL AND "
                       "t.date >= ? AND t.date <= ?") +
        accountClause(accountId) + QStringLiteral(" GROUP BY month ORDER BY month");
    return monthlyFlows(m_database, sql, periodValues(from, to, accountId), &m_lastError);
}

QList<YearOverYearRow> ReportService::yearOverYear(const QDate &from1, const QDate &to1, const QDate &from2,
                                                   const QDate &to2, const QString &accountId) const
{
    const QString sql =
        QStringLiteral("SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount) FROM transactions t "
                       "LEFT JOIN categories c ON t.category_id = c.id WHERE t.deleted_at IS NULL") +
        notLinkedTransfer + QStringLiteral(" AND t.date >= ? AND t.date <= ?") + accountClause(accountId) +
        QStringLiteral(" GROUP BY COALESCE(c.name, 'Uncategorized')");

    // QMap orders its keys with QString's operator<, which compares UTF-16 code units.
    QMap<QString, YearOverYearRow> byName;
    const auto collect = [&](const QDate &from, const QDate &to, Money YearOverYearRow::*period) {
        QSqlQuery query(m_database->connection());
        if (!run(query, sql, periodValues(from, to, accountId), &m_lastError))
            return false;
        while (query.next()) {
            const QString name = query.value(0).toString();
            YearOverYearRow &row = byName[name];
            row.category = name;
            row.*period = checkedSum(row.*period, query.value(1).toLongLong(), &m_lastError);
        }
        return endedCleanly(query, &m_lastError) && m_lastError.isEmpty();
    };
    if (!collect(from1, to1, &YearOverYearRow::period1) || !collect(from2, to2, &YearOverYearRow::period2))
        return {};

    QList<YearOverYearRow> rows;
    rows.reserve(byName.size());
    for (YearOverYearRow &row : byName) {
        if (__builtin_sub_overflow(row.period2, row.period1, &row.change)) {
            m_lastError = QStringLiteral("integer overflow");
            return {};
        }
        rows.append(row);
    }
    return rows;
}

QList<AccountSummaryRow> ReportService::accountSummary() const
{
    const QString sql = QStringLiteral(
        "SELECT a.name, a.account_type, a.starting_balance, COALESCE(SUM(CASE WHEN t.cleared = 1 THEN "
        "t.amount ELSE 0 "
        "END), 0) AS cleared_sum, COALESCE(SUM(CASE WHEN t.cleared = 0 THEN t.amount ELSE 0 END), 0) AS "
        "uncleared_sum, "
        "COALESCE(SUM(t.amount), 0) AS total_sum FROM accounts a LEFT JOIN transactions t ON t.account_id = "
        "a.id AND "
        "t.deleted_at IS NULL WHERE a.deleted_at IS NULL GROUP BY a.id ORDER BY a.sort_order, a.name");
    QSqlQuery query(m_database->connection());
    if (!run(query, sql, {}, &m_lastError))
        return {};
    QList<AccountSummaryRow> rows;
    while (query.next()) {
        const Money startingBalance = query.value(2).toLongLong();
        AccountSummaryRow row;
        row.name = query.value(0).toString();
        row.accountType = query.value(1).toString();
        row.clearedBalance = checkedSum(startingBalance, query.value(3).toLongLong(), &m_lastError);
        row.unclearedTotal = query.value(4).toLongLong();
        row.balance = checkedSum(startingBalance, query.value(5).toLongLong(), &m_lastError);
        rows.append(row);
    }
    if (!endedCleanly(query, &m_lastError) || !m_lastError.isEmpty())
        return {};
    return rows;
}

QList<TransactionListRow> ReportService::transactionList(const QDate &from, const QDate &to,
                                                         const QString &accountId,
                                                         const QString &categoryId) const
{
    QList<TransactionListRow> rows;
    const bool complete =
        forEachTransactionListRow(from, to, accountId, categoryId, [&rows](const TransactionListRow &row) {
            rows.append(row);
            return true;
        });
    if (!complete)
        return {};
    return rows;
}

bool ReportService::forEachTransactionListRow(
    const QDate &from, const QDate &to, const QString &accountId, const QString &categoryId,
    const std::function<bool(const TransactionListRow &row)> &visit) const
{
    QString sql =
        QStringLiteral("SELECT t.date, a.name AS account_name, t.payee,        COALESCE(c.name, '') AS "
                       "category_name,        COALESCE(t.memo, ''), t.amount FROM transactions t LEFT JOIN "
                       "accounts a ON t.account_id = a.id LEFT JOIN categories c ON t.category_id = c.id "
                       "WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?") +
        accountClause(accountId);
    QVariantList values = periodValues(from, to, accountId);
    if (!categoryId.isEmpty()) {
        sql += QStringLiteral(" AND t.category_id = ?");
        values.append(categoryId);
    }
    sql += QStringLiteral(" ORDER BY t.date, t.payee");

    QSqlQuery query(m_database->connection());
    if (!run(query, sql, values, &m_lastError))
        return false;
    TransactionListRow row;
    while (query.next()) {
        row.date = dateFromText(query.value(0).toString());
        row.accountName = query.value(1).toString();
        row.payee = query.value(2).toString();
        row.categoryName = query.value(3).toString();
        row.memo = query.value(4).toString();
        row.amount = query.value(5).toLongLong();
        if (!visit(row))
            return true;
    }
    return endedCleanly(query, &m_lastError);
}

QString ReportService::toCsv(const QStringList &headers, const QList<QStringList> &rows)
{
    QString text = csvLine(headers);
    for (const QStringList &row : rows)
        text += csvLine(row);
    return text;
}
