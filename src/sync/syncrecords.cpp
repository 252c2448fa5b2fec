#include "syncrecords.h"

#include "data/datetext.h"
#include "data/money.h"

#include <QDateTime>

#include <cmath>
#include <limits>

namespace SyncRecords {

namespace {

constexpr int maxIdentifierLength = 64;
constexpr int maxTextLength = 64 * 1024;

const char *const identifierMembers[] = {
    "id",          "client_id", "server_id",        "account_id",
    "category_id", "parent_id", "transfer_link_id", "transfer_dest_account_id",
    "recurring_id"};
const char *const moneyMembers[] = {"amount", "starting_balance", "statement_balance", "reconciled_balance"};

int flag(bool value)
{
    return value ? 1 : 0;
}

// The members every payload starts with.
QJsonObject payloadStart(const QString &id, const QString &serverId)
{
    QJsonObject payload{{QStringLiteral("client_id"), id}};
    if (!serverId.isEmpty())
        payload.insert(QStringLiteral("server_id"), serverId);
    return payload;
}

// The members every payload ends with, and the change object around it.
template<typename Record>
QJsonObject finishChange(const QString &entityType, const Record &record, QJsonObject payload)
{
    payload.insert(QStringLiteral("created_at"), timestampToText(record.createdAt));
    payload.insert(QStringLiteral("updated_at"), timestampToText(record.updatedAt));
    if (record.deletedAt)
        payload.insert(QStringLiteral("deleted_at"), timestampToText(*record.deletedAt));
    return {
        {QStringLiteral("entity_type"), entityType},
        {QStringLiteral("entity_id"), record.id},
        {QStringLiteral("action"), record.deletedAt ? QStringLiteral("delete") : QStringLiteral("upsert")},
        {QStringLiteral("version"), record.version},
        {QStringLiteral("payload"), payload}};
}

QString text(const QJsonObject &record, const char *key)
{
    return record.value(QLatin1String(key)).toString();
}

Money money(const QJsonObject &record, const char *key)
{
    return record.value(QLatin1String(key)).toInteger();
}

int integer(const QJsonObject &record, const char *key)
{
    return record.value(QLatin1String(key)).toInt();
}

bool boolean(const QJsonObject &record, const char *key)
{
    const QJsonValue value = record.value(QLatin1String(key));
    if (value.isBool())
        return value.toBool();
    return value.toDouble() != 0;
}

QDate date(const QJsonObject &record, const char *key)
{
    return parseSyncDate(text(record, key));
}

QDateTime timestamp(const QJsonObject &record, const char *key)
{
    const QString value = text(record, key);
    if (value.isEmpty())
        return {};
    const QDateTime parsed = QDateTime::fromString(value, Qt::ISODate);
    if (!parsed.isValid())
        return {};
    // Stored at second precision, as every local writer does.
    return QDateTime::fromSecsSinceEpoch(parsed.toSecsSinceEpoch(), Qt::UTC);
}

// Absent or empty: live. A deletion time that cannot be read still means deleted.
std::optional<QDateTime> deletion(const QJsonObject &record)
{
    if (text(record, "deleted_at").isEmpty())
        return std::nullopt;
    const QDateTime when = timestamp(record, "deleted_at");
    return when.isValid() ? when : currentTimestamp();
}

template<typename Record> void readBookkeeping(const QJsonObject &record, Record *row)
{
    row->version = integer(record, "version");
    row->syncStatus = SyncStatus::Synced;
    row->serverId = text(record, "id");
    row->createdAt = timestamp(record, "created_at");
    row->updatedAt = timestamp(record, "updated_at");
    row->deletedAt = deletion(record);
}

} // namespace

QJsonObject changeFor(const Account &account)
{
    QJsonObject payload = payloadStart(account.id, account.serverId);
    payload.insert(QStringLiteral("name"), account.name);
    payload.insert(QStringLiteral("account_type"), accountTypeToString(account.type));
    payload.insert(QStringLiteral("currency"), currencyCode(account.currency));
    payload.insert(QStringLiteral("is_shared"), flag(account.isShared));
    payload.insert(QStringLiteral("institution"), account.institution);
    payload.insert(QStringLiteral("account_number_last4"), account.accountNumberLast4);
    payload.insert(QStringLiteral("starting_balance"), qint64(account.startingBalance));
    payload.insert(QStringLiteral("sort_order"), account.sortOrder);
    payload.insert(QStringLiteral("version"), account.version);
    return finishChange(accountType, account, payload);
}

QJsonObject changeFor(const Category &category)
{
    QJsonObject payload = payloadStart(category.id, category.serverId);
    payload.insert(QStringLiteral("name"), category.name);
    payload.insert(QStringLiteral("category_type"), categoryTypeToString(category.type));
    payload.insert(QStringLiteral("parent_id"), category.parentId);
    payload.insert(QStringLiteral("is_tax_relevant"), flag(category.isTaxRelevant));
    payload.insert(QStringLiteral("tax_category"), category.taxCategory);
    payload.insert(QStringLiteral("icon"), category.icon);
    payload.insert(QStringLiteral("color"), category.color);
    payload.insert(QStringLiteral("is_default"), flag(category.isDefault));
    payload.insert(QStringLiteral("account_id"), category.accountId);
    payload.insert(QStringLiteral("version"), category.version);
    return finishChange(categoryType, category, payload);
}

QJsonObject changeFor(const RecurringTransaction &recurring)
{
    QJsonObject payload = payloadStart(recurring.id, recurring.serverId);
    payload.insert(QStringLiteral("account_id"), recurring.accountId);
    payload.insert(QStringLiteral("payee"), recurring.payee);
    payload.insert(QStringLiteral("memo"), recurring.memo);
    payload.insert(QStringLiteral("amount"), qint64(recurring.amount));
    payload.insert(QStringLiteral("category_id"), recurring.categoryId);
    payload.insert(QStringLiteral("transfer_dest_account_id"), recurring.transferDestAccountId);
    payload.insert(QStringLiteral("frequency"), frequencyToString(recurring.frequency));
    payload.insert(QStringLiteral("start_date"), dateToText(recurring.startDate));
    if (recurring.endDate)
        payload.insert(QStringLiteral("end_date"), dateToText(*recurring.endDate));
    payload.insert(QStringLiteral("next_due_date"), dateToText(recurring.nextDueDate));
    payload.insert(QStringLiteral("auto_post"), flag(recurring.autoPost));
    payload.insert(QStringLiteral("is_active"), flag(recurring.isActive));
    return finishChange(recurringType, recurring, payload);
}

QJsonObject changeFor(const Transaction &transaction)
{
    QJsonObject payload = payloadStart(transaction.id, transaction.serverId);
    payload.insert(QStringLiteral("account_id"), transaction.accountId);
    payload.insert(QStringLiteral("date"), dateToText(transaction.date));
    payload.insert(QStringLiteral("payee"), transaction.payee);
    payload.insert(QStringLiteral("memo"), transaction.memo);
    payload.insert(QStringLiteral("amount"), qint64(transaction.amount));
    payload.insert(QStringLiteral("category_id"), transaction.categoryId);
    payload.insert(QStringLiteral("check_number"), transaction.checkNumber);
    payload.insert(QStringLiteral("cleared"), flag(transaction.cleared));
    payload.insert(QStringLiteral("reconciled"), flag(transaction.reconciled));
    payload.insert(QStringLiteral("transfer_link_id"), transaction.transferLinkId);
    payload.insert(QStringLiteral("transfer_dest_account_id"), transaction.transferDestAccountId);
    payload.insert(QStringLiteral("is_split"), flag(transaction.isSplit));
    payload.insert(QStringLiteral("recurring_id"), transaction.recurringId);
    payload.insert(QStringLiteral("version"), transaction.version);
    return finishChange(transactionType, transaction, payload);
}

QJsonObject changeFor(const Reconciliation &reconciliation)
{
    QJsonObject payload = payloadStart(reconciliation.id, reconciliation.serverId);
    payload.insert(QStringLiteral("account_id"), reconciliation.accountId);
    payload.insert(QStringLiteral("statement_date"), dateToText(reconciliation.statementDate));
    payload.insert(QStringLiteral("statement_balance"), qint64(reconciliation.statementBalance));
    payload.insert(QStringLiteral("reconciled_balance"), qint64(reconciliation.reconciledBalance));
    payload.insert(QStringLiteral("completed_at"), timestampToText(reconciliation.completedAt));
    payload.insert(QStringLiteral("version"), reconciliation.version);
    return finishChange(reconciliationType, reconciliation, payload);
}

Account accountFromPulled(const QJsonObject &record)
{
    Account account;
    account.name = text(record, "name");
    account.type = accountTypeFromString(text(record, "account_type"));
    account.currency = currencyFromCode(text(record, "currency"));
    account.institution = text(record, "institution");
    account.accountNumberLast4 = text(record, "account_number_last4");
    account.startingBalance = money(record, "starting_balance");
    account.sortOrder = integer(record, "sort_order");
    account.isShared = boolean(record, "is_shared");
    readBookkeeping(record, &account);
    return account;
}

Category categoryFromPulled(const QJsonObject &record)
{
    Category category;
    category.name = text(record, "name");
    category.type = categoryTypeFromString(text(record, "category_type"));
    category.parentId = text(record, "parent_id");
    category.isTaxRelevant = boolean(record, "is_tax_relevant");
    category.taxCategory = text(record, "tax_category");
    category.icon = text(record, "icon");
    category.color = text(record, "color");
    category.isDefault = boolean(record, "is_default");
    category.accountId = text(record, "account_id");
    readBookkeeping(record, &category);
    return category;
}

RecurringTransaction recurringFromPulled(const QJsonObject &record)
{
    RecurringTransaction recurring;
    recurring.accountId = text(record, "account_id");
    recurring.payee = text(record, "payee");
    recurring.memo = text(record, "memo");
    recurring.amount = money(record, "amount");
    recurring.categoryId = text(record, "category_id");
    recurring.transferDestAccountId = text(record, "transfer_dest_account_id");
    recurring.frequency = frequencyFromString(text(record, "frequency"));
    recurring.startDate = date(record, "start_date");
    const QDate endDate = date(record, "end_date");
    if (endDate.isValid())
        recurring.endDate = endDate;
    recurring.nextDueDate = date(record, "next_due_date");
    recurring.autoPost = boolean(record, "auto_post");
    recurring.isActive = boolean(record, "is_active");
    readBookkeeping(record, &recurring);
    return recurring;
}

Transaction transactionFromPulled(const QJsonObject &record)
{
    Transaction transaction;
    transaction.accountId = text(record, "account_id");
    transaction.date = date(record, "date");
    transaction.payee = text(record, "payee");
    transaction.memo = text(record, "memo");
    transaction.amount = money(record, "amount");
    transaction.categoryId = text(record, "category_id");
    transaction.checkNumber = text(record, "check_number");
    transaction.cleared = boolean(record, "cleared");
    transaction.reconciled = boolean(record, "reconciled");
    transaction.transferLinkId = text(record, "transfer_link_id");
    transaction.transferDestAccountId = text(record, "transfer_dest_account_id");
    transaction.isSplit = boolean(record, "is_split");
    transaction.recurringId = text(record, "recurring_id");
    readBookkeeping(record, &transaction);
    return transaction;
}

Reconciliation reconciliationFromPulled(const QJsonObject &record)
{
    Reconciliation reconciliation;
    reconciliation.accountId = text(record, "account_id");
    reconciliation.statementDate = date(record, "statement_date");
    reconciliation.statementBalance = money(record, "statement_balance");
    reconciliation.reconciledBalance = money(record, "reconciled_balance");
    reconciliation.completedAt = timestamp(record, "completed_at");
    readBookkeeping(record, &reconciliation);
    return reconciliation;
}

QDate parseSyncDate(const QString &text)
{
    if (text.isEmpty())
        return {};
    const QDate plain = QDate::fromString(text, Qt::ISODate);
    if (plain.isValid())
        return plain;
    return QDateTime::fromString(text, Qt::ISODate).date();
}

QString invalidMember(const QJsonObject &record)
{
    for (auto member = record.begin(); member != record.end(); ++member) {
        if (member->isString() && member->toString().size() > maxTextLength)
            return QStringLiteral("\"%1\" is longer than %2 characters").arg(member.key()).arg(maxTextLength);
    }
    for (const char *key : identifierMembers) {
        if (record.value(QLatin1String(key)).toString().size() > maxIdentifierLength)
            return QStringLiteral("\"%1\" is longer than %2 characters")
                .arg(QLatin1String(key))
                .arg(maxIdentifierLength);
    }
    for (const char *key : moneyMembers) {
        const QJsonValue value = record.value(QLatin1String(key));
        if (value.isUndefined() || value.isNull())
            continue;
        const double number = value.toDouble(std::nan(""));
        if (!value.isDouble() || std::trunc(number) != number ||
            !isAmountInRange(value.toInteger(maxAmount + 1)))
            return QStringLiteral("\"%1\" is not an amount in range").arg(QLatin1String(key));
    }
    const QJsonValue version = record.value(QStringLiteral("version"));
    if (!version.isUndefined()) {
        const double number = version.toDouble(-1);
        if (!version.isDouble() || std::trunc(number) != number || number < 1 ||
            number > std::numeric_limits<int>::max())
            return QStringLiteral("\"version\" is not a positive whole number");
    }
    return {};
}

} // namespace SyncRecords
