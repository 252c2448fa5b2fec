#include "clirecords.h"

#include "data/datetext.h"
#include "data/enums.h"

#include <QRegularExpression>

QJsonValue textOrNull(const QString &text)
{
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}

QJsonValue timestampOrNull(const std::optional<QDateTime> &timestamp)
{
    return timestamp ? QJsonValue(timestampToText(*timestamp)) : QJsonValue(QJsonValue::Null);
}

QJsonObject accountJson(const Account &account, Money balance)
{
    return {
        {QStringLiteral("id"), account.id},
        {QStringLiteral("name"), account.name},
        {QStringLiteral("account_type"), accountTypeToString(account.type)},
        {QStringLiteral("currency"), currencyCode(account.currency)},
        {QStringLiteral("institution"), account.institution},
        {QStringLiteral("account_number_last4"), account.accountNumberLast4},
        {QStringLiteral("starting_balance"), qint64(account.startingBalance)},
        {QStringLiteral("sort_order"), account.sortOrder},
        {QStringLiteral("is_shared"), account.isShared},
        {QStringLiteral("version"), account.version},
        {QStringLiteral("sync_status"), syncStatusToString(account.syncStatus)},
        {QStringLiteral("server_id"), textOrNull(account.serverId)},
        {QStringLiteral("created_at"), timestampToText(account.createdAt)},
        {QStringLiteral("updated_at"), timestampToText(account.updatedAt)},
        {QStringLiteral("deleted_at"), timestampOrNull(account.deletedAt)},
        {QStringLiteral("balance"), qint64(balance)},
    };
}

QJsonObject transactionJson(const Transaction &transaction)
{
    return {
        {QStringLiteral("id"), textOrNull(transaction.id)},
        {QStringLiteral("account_id"), transaction.accountId},
        {QStringLiteral("date"), dateToText(transaction.date)},
        {QStringLiteral("payee"), transaction.payee},
        {QStringLiteral("memo"), transaction.memo},
        {QStringLiteral("amount"), qint64(transaction.amount)},
        {QStringLiteral("category_id"), textOrNull(transaction.categoryId)},
        {QStringLiteral("check_number"), transaction.checkNumber},
        {QStringLiteral("cleared"), transaction.cleared},
        {QStringLiteral("reconciled"), transaction.reconciled},
        {QStringLiteral("transfer_link_id"), textOrNull(transaction.transferLinkId)},
        {QStringLiteral("transfer_dest_account_id"), textOrNull(transaction.transferDestAccountId)},
        {QStringLiteral("is_split"), transaction.isSplit},
        {QStringLiteral("recurring_id"), textOrNull(transaction.recurringId)},
        {QStringLiteral("version"), transaction.version},
        {QStringLiteral("sync_status"), syncStatusToString(transaction.syncStatus)},
        {QStringLiteral("server_id"), textOrNull(transaction.serverId)},
        {QStringLiteral("created_at"), timestampToText(transaction.createdAt)},
        {QStringLiteral("updated_at"), timestampToText(transaction.updatedAt)},
        {QStringLiteral("deleted_at"), timestampOrNull(transaction.deletedAt)},
    };
}

void writeRegisterRow(IndentedJsonWriter &out, const Transaction &transaction, const QString &categoryName,
                      std::optional<Money> runningBalance)
{
    // Ascending key order, as a QJsonObject keeps them.
    out.text(QLatin1String("account_id"), transaction.accountId);
    out.integer(QLatin1String("amount"), qint64(transaction.amount));
    out.textOrNull(QLatin1String("category_id"), transaction.categoryId);
    out.text(QLatin1String("category_name"), categoryName);
    out.text(QLatin1String("check_number"), transaction.checkNumber);
    out.boolean(QLatin1String("cleared"), transaction.cleared);
    out.text(QLatin1String("created_at"), timestampToText(transaction.createdAt));
    out.text(QLatin1String("date"), dateToText(transaction.date));
    if (transaction.deletedAt)
        out.text(QLatin1String("deleted_at"), timestampToText(*transaction.deletedAt));
    else
        out.null(QLatin1String("deleted_at"));
    out.textOrNull(QLatin1String("id"), transaction.id);
    out.boolean(QLatin1String("is_split"), transaction.isSplit);
    out.text(QLatin1String("memo"), transaction.memo);
    out.text(QLatin1String("payee"), transaction.payee);
    out.boolean(QLatin1String("reconciled"), transaction.reconciled);
    out.textOrNull(QLatin1String("recurring_id"), transaction.recurringId);
    if (runningBalance)
        out.integer(QLatin1String("running_balance"), qint64(*runningBalance));
    out.textOrNull(QLatin1String("server_id"), transaction.serverId);
    out.text(QLatin1String("sync_status"), syncStatusToString(transaction.syncStatus));
    out.textOrNull(QLatin1String("transfer_dest_account_id"), transaction.transferDestAccountId);
    out.textOrNull(QLatin1String("transfer_link_id"), transaction.transferLinkId);
    out.text(QLatin1String("updated_at"), timestampToText(transaction.updatedAt));
    out.integer(QLatin1String("version"), transaction.version);
}

QJsonObject categoryJson(const Category &category)
{
    return {
        {QStringLiteral("id"), category.id},
        {QStringLiteral("name"), category.name},
        {QStringLiteral("category_type"), categoryTypeToString(category.type)},
        {QStringLiteral("parent_id"), textOrNull(category.parentId)},
        {QStringLiteral("is_tax_relevant"), category.isTaxRelevant},
        {QStringLiteral("tax_category"), textOrNull(category.taxCategory)},
        {QStringLiteral("is_default"), category.isDefault},
        {QStringLiteral("version"), category.version},
        {QStringLiteral("sync_status"), syncStatusToString(category.syncStatus)},
        {QStringLiteral("created_at"), timestampToText(category.createdAt)},
        {QStringLiteral("updated_at"), timestampToText(category.updatedAt)},
    };
}

// A strict yyyy-MM-dd date; anything else is invalid.
QDate parseDate(const QString &text)
{
    static const QRegularExpression shape(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    if (!shape.match(text).hasMatch())
        return {};
    return dateFromText(text);
}

QJsonObject recurringJson(const RecurringTransaction &recurring)
{
    return {
        {QStringLiteral("id"), recurring.id},
        {QStringLiteral("account_id"), recurring.accountId},
        {QStringLiteral("payee"), recurring.payee},
        {QStringLiteral("memo"), recurring.memo},
        {QStringLiteral("amount"), qint64(recurring.amount)},
        {QStringLiteral("category_id"), textOrNull(recurring.categoryId)},
        {QStringLiteral("frequency"), frequencyToString(recurring.frequency)},
        {QStringLiteral("start_date"), dateToText(recurring.startDate)},
        {QStringLiteral("end_date"),
         recurring.endDate ? QJsonValue(dateToText(*recurring.endDate)) : QJsonValue()},
        {QStringLiteral("next_due_date"), dateToText(recurring.nextDueDate)},
        {QStringLiteral("auto_post"), recurring.autoPost},
        {QStringLiteral("is_active"), recurring.isActive},
        {QStringLiteral("transfer_dest_account_id"), textOrNull(recurring.transferDestAccountId)},
        {QStringLiteral("version"), recurring.version},
        {QStringLiteral("sync_status"), syncStatusToString(recurring.syncStatus)},
        {QStringLiteral("created_at"), timestampToText(recurring.createdAt)},
        {QStringLiteral("updated_at"), timestampToText(recurring.updatedAt)},
    };
}
