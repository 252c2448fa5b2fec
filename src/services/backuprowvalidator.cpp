#include "backuprowvalidator.h"

#include "data/datetext.h"
#include "data/enums.h"
#include "data/money.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonValue>
#include <QVariant>

#include <limits>
#include <optional>

namespace {

enum class Kind {
    Text,              // NOT NULL text
    OptionalText,      // text or null
    Amount,            // whole minor units within the amount limit
    Integer,           // a 32-bit whole number
    Flag,              // 0/1 or false/true
    Date,              // yyyy-MM-dd, a real calendar date
    OptionalDate,      // a date or null
    Timestamp,         // ISO UTC time, or empty (an unknown time compares as oldest)
    OptionalTimestamp, // ISO UTC time or null
    AccountType,
    Currency,
    CategoryType,
    Frequency,
    SyncStatus,
};

using Rules = QHash<QString, Kind>;

Rules withSyncColumns(Rules rules)
{
    rules.insert(QStringLiteral("version"), Kind::Integer);
    rules.insert(QStringLiteral("sync_status"), Kind::SyncStatus);
    rules.insert(QStringLiteral("server_id"), Kind::OptionalText);
    rules.insert(QStringLiteral("created_at"), Kind::Timestamp);
    rules.insert(QStringLiteral("updated_at"), Kind::Timestamp);
    rules.insert(QStringLiteral("deleted_at"), Kind::OptionalTimestamp);
    return rules;
}

const QHash<QString, Rules> &rulesByTable()
{
    static const QHash<QString, Rules> rules{
        {QStringLiteral("accounts"),
         withSyncColumns({{QStringLiteral("id"), Kind::Text},
                          {QStringLiteral("name"), Kind::Text},
                          {QStringLiteral("account_type"), Kind::AccountType},
                          {QStringLiteral("currency"), Kind::Currency},
                          {QStringLiteral("institution"), Kind::OptionalText},
                          {QStringLiteral("account_number_last4"), Kind::OptionalText},
                          {QStringLiteral("starting_balance"), Kind::Amount},
                          {QStringLiteral("sort_order"), Kind::Integer},
                          {QStringLiteral("is_shared"), Kind::Flag}})},
        {QStringLiteral("categories"), withSyncColumns({{QStringLiteral("id"), Kind::Text},
                                                        {QStringLiteral("name"), Kind::Text},
                                                        {QStringLiteral("category_type"), Kind::CategoryType},
                                                        {QStringLiteral("parent_id"), Kind::OptionalText},
                                                        {QStringLiteral("is_tax_relevant"), Kind::Flag},
                                                        {QStringLiteral("tax_category"), Kind::OptionalText},
                                                        {QStringLiteral("icon"), Kind::OptionalText},
                                                        {QStringLiteral("color"), Kind::OptionalText},
                                                        {QStringLiteral("is_default"), Kind::Flag},
                                                        {QStringLiteral("account_id"), Kind::OptionalText}})},
        {QStringLiteral("transactions"),
         withSyncColumns({{QStringLiteral("id"), Kind::Text},
                          {QStringLiteral("account_id"), Kind::Text},
                          {QStringLiteral("date"), Kind::Date},
                          {QStringLiteral("payee"), Kind::Text},
                          {QStringLiteral("memo"), Kind::OptionalText},
                          {QStringLiteral("amount"), Kind::Amount},
                          {QStringLiteral("category_id"), Kind::OptionalText},
                          {QStringLiteral("check_number"), Kind::OptionalText},
                          {QStringLiteral("cleared"), Kind::Flag},
                          {QStringLiteral("reconciled"), Kind::Flag},
                          {QStringLiteral("transfer_link_id"), Kind::OptionalText},
                          {QStringLiteral("transfer_dest_account_id"), Kind::OptionalText},
                          {QStringLiteral("is_split"), Kind::Flag},
                          {QStringLiteral("recurring_id"), Kind::OptionalText}})},
        {QStringLiteral("split_lines"),
         {{QStringLiteral("id"), Kind::Text},
          {QStringLiteral("transaction_id"), Kind::Text},
          {QStringLiteral("category_id"), Kind::Text},
          {QStringLiteral("amount"), Kind::Amount},
          {QStringLiteral("memo"), Kind::OptionalText},
          {QStringLiteral("created_at"), Kind::Timestamp},
          {QStringLiteral("updated_at"), Kind::Timestamp}}},
        {QStringLiteral("recurring_transactions"),
         withSyncColumns({{QStringLiteral("id"), Kind::Text},
                          {QStringLiteral("account_id"), Kind::Text},
                          {QStringLiteral("payee"), Kind::Text},
                          {QStringLiteral("memo"), Kind::OptionalText},
                          {QStringLiteral("amount"), Kind::Amount},
                          {QStringLiteral("category_id"), Kind::OptionalText},
                          {QStringLiteral("frequency"), Kind::Frequency},
                          {QStringLiteral("start_date"), Kind::Date},
                          {QStringLiteral("end_date"), Kind::OptionalDate},
                          {QStringLiteral("next_due_date"), Kind::Date},
                          {QStringLiteral("auto_post"), Kind::Flag},
                          {QStringLiteral("is_active"), Kind::Flag},
                          {QStringLiteral("transfer_dest_account_id"), Kind::OptionalText}})},
        {QStringLiteral("reconciliations"),
         withSyncColumns({{QStringLiteral("id"), Kind::Text},
                          {QStringLiteral("account_id"), Kind::Text},
                          {QStringLiteral("statement_date"), Kind::Date},
                          {QStringLiteral("statement_balance"), Kind::Amount},
                          {QStringLiteral("reconciled_balance"), Kind::Amount},
                          {QStringLiteral("completed_at"), Kind::Timestamp}})},
    };
    return rules;
}

std::optional<qint64> wholeNumber(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const QVariant number = value.toVariant();
    if (number.typeId() == QMetaType::LongLong)
        return number.toLongLong();
    return std::nullopt;
}

bool isDateText(const QJsonValue &value)
{
    const QString text = value.toString();
    return value.isString() && text.size() == 10 && text.at(4) == QLatin1Char('-') &&
           text.at(7) == QLatin1Char('-') && dateFromText(text).isValid();
}

bool isTimestampText(const QString &text)
{
    return text.endsWith(QLatin1Char('Z')) && timestampFromText(text).isValid();
}

template<typename Enum>
bool isStoredText(const QJsonValue &value, QString (*toText)(Enum), Enum (*fromText)(const QString &))
{
    return value.isString() && toText(fromText(value.toString())) == value.toString();
}

bool holds(Kind kind, const QJsonValue &value)
{
    switch (kind) {
    case Kind::Text:
        return value.isString();
    case Kind::OptionalText:
        return value.isString() || value.isNull();
    case Kind::Amount: {
        const std::optional<qint64> number = wholeNumber(value);
        return number && isAmountInRange(*number);
    }
    case Kind::Integer: {
        const std::optional<qint64> number = wholeNumber(value);
        return number && *number >= std::numeric_limits<int>::min() &&
               *number <= std::numeric_limits<int>::max();
    }
    case Kind::Flag: {
        const std::optional<qint64> number = wholeNumber(value);
        return value.isBool() || (number && (*number == 0 || *number == 1));
    }
    case Kind::Date:
        return isDateText(value);
    case Kind::OptionalDate:
        return value.isNull() || isDateText(value);
    case Kind::Timestamp:
        return value.isString() && (value.toString().isEmpty() || isTimestampText(value.toString()));
    case Kind::OptionalTimestamp:
        return value.isNull() || (value.isString() && isTimestampText(value.toString()));
    case Kind::AccountType:
        return isStoredText(value, accountTypeToString, accountTypeFromString);
    case Kind::Currency:
        return isStoredText(value, currencyCode, currencyFromCode);
    case Kind::CategoryType:
        return isStoredText(value, categoryTypeToString, categoryTypeFromString);
    case Kind::Frequency:
        return isStoredText(value, frequencyToString, frequencyFromString);
    case Kind::SyncStatus:
        return isStoredText(value, syncStatusToString, syncStatusFromString);
    }
    return false;
}

QString describe(Kind kind)
{
    switch (kind) {
    case Kind::Text:
        return QCoreApplication::translate("BackupRowValidator", "text");
    case Kind::OptionalText:
        return QCoreApplication::translate("BackupRowValidator", "text or null");
    case Kind::Amount:
        return QCoreApplication::translate("BackupRowValidator", "a whole number of minor units within ±%1")
            .arg(maxAmount);
    case Kind::Integer:
        return QCoreApplication::translate("BackupRowValidator", "a whole number");
    case Kind::Flag:
        return QCoreApplication::translate("BackupRowValidator", "0, 1, true or false");
    case Kind::Date:
        return QCoreApplication::translate("BackupRowValidator", "a yyyy-MM-dd date");
    case Kind::OptionalDate:
        return QCoreApplication::translate("BackupRowValidator", "a yyyy-MM-dd date or null");
    case Kind::Timestamp:
    case Kind::OptionalTimestamp:
        return QCoreApplication::translate("BackupRowValidator", "an ISO 8601 UTC time");
    case Kind::AccountType:
    case Kind::Currency:
    case Kind::CategoryType:
    case Kind::Frequency:
    case Kind::SyncStatus:
        return QCoreApplication::translate("BackupRowValidator", "one of its known values");
    }
    return {};
}

} // namespace

QString BackupRowValidator::check(const QString &table, const QJsonObject &row)
{
    const auto rules = rulesByTable().constFind(table);
    if (rules == rulesByTable().cend())
        return {};
    for (auto member = row.constBegin(); member != row.constEnd(); ++member) {
        const auto rule = rules->constFind(member.key());
        if (rule == rules->cend())
            continue;
        if (!holds(rule.value(), member.value()))
            return QCoreApplication::translate("BackupRowValidator", "%1 must be %2")
                .arg(member.key(), describe(rule.value()));
    }
    if (table == QLatin1String("categories")) {
        const QJsonValue parent = row.value(QStringLiteral("parent_id"));
        if (parent.isString() && parent.toString() == row.value(QStringLiteral("id")).toString())
            return QCoreApplication::translate("BackupRowValidator", "a category cannot be its own parent");
    }
    return {};
}
