#pragma once

#include "data/account.h"
#include "data/category.h"
#include "data/money.h"
#include "data/recurringtransaction.h"
#include "data/transaction.h"
#include "services/indentedjsonwriter.h"

#include <QDate>
#include <QJsonObject>
#include <QJsonValue>

#include <initializer_list>
#include <optional>

// The stored records as the commands print them (snake_case, amounts in minor units), and the
// strict readers of the values the commands take.

QJsonValue textOrNull(const QString &text);
QJsonValue timestampOrNull(const std::optional<QDateTime> &timestamp);
QJsonObject accountJson(const Account &account, Money balance);
QJsonObject transactionJson(const Transaction &transaction);
// The members of transactionJson, plus "category_name" and (when given) "running_balance" of a
// register or search row, written straight into `out`: the same text as the object would give.
void writeRegisterRow(IndentedJsonWriter &out, const Transaction &transaction, const QString &categoryName,
                      std::optional<Money> runningBalance);
QJsonObject categoryJson(const Category &category);
QJsonObject recurringJson(const RecurringTransaction &recurring);

// A strict yyyy-MM-dd date; anything else is invalid.
QDate parseDate(const QString &text);

template<typename Enum>
std::optional<Enum> enumFromText(const QString &text, QString (*toText)(Enum),
                                 std::initializer_list<Enum> values)
{
    for (Enum value : values) {
        if (toText(value) == text)
            return value;
    }
    return std::nullopt;
}
