#include "qifjson.h"

#include <QJsonArray>

QJsonObject qifParseResultToJson(const QifParseResult &result)
{
    QJsonArray accounts;
    for (const QifAccountInfo &account : result.accounts) {
        accounts.append(QJsonObject{{QStringLiteral("name"), account.name},
                                    {QStringLiteral("type"), qifAccountTypeText(account.type)}});
    }
    QJsonArray categories;
    for (const QifCategory &category : result.categories) {
        categories.append(QJsonObject{{QStringLiteral("name"), category.name},
                                      {QStringLiteral("description"), category.description},
                                      {QStringLiteral("is_income"), category.isIncome}});
    }
    QJsonArray transactions;
    for (const QifTransaction &transaction : result.transactions) {
        QJsonArray splits;
        for (const QifSplit &split : transaction.splits) {
            splits.append(QJsonObject{{QStringLiteral("category"), split.category},
                                      {QStringLiteral("transfer_account"), split.transferAccount},
                                      {QStringLiteral("memo"), split.memo},
                                      {QStringLiteral("amount"), split.amount}});
        }
        transactions.append(QJsonObject{
            {QStringLiteral("date"), transaction.date.toString(Qt::ISODate)},
            {QStringLiteral("payee"), transaction.payee},
            {QStringLiteral("amount"), transaction.amount},
            {QStringLiteral("memo"), transaction.memo},
            {QStringLiteral("category"), transaction.category},
            {QStringLiteral("transfer_account"), transaction.transferAccount},
            {QStringLiteral("check_number"), transaction.checkNumber},
            {QStringLiteral("security"), transaction.security},
            {QStringLiteral("cleared"), transaction.cleared},
            {QStringLiteral("reconciled"), transaction.reconciled},
            {QStringLiteral("account_name"), transaction.accountName},
            {QStringLiteral("splits"), splits},
        });
    }
    return QJsonObject{
        {QStringLiteral("date_order"), result.dateOrder == QifDateOrder::DayFirst
                                           ? QStringLiteral("day-first")
                                           : QStringLiteral("month-first")},
        {QStringLiteral("unparseable_count"), result.unparseableCount},
        {QStringLiteral("skipped_count"), result.skippedCount},
        {QStringLiteral("accounts"), accounts},
        {QStringLiteral("categories"), categories},
        {QStringLiteral("transactions"), transactions},
    };
}
