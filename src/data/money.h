#pragma once

#include "enums.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>

// A signed count of minor units: cents, or whole yen for JPY. Positive raises a balance.
using Money = qint64;

// The largest magnitude one amount may have, in minor units: 10^15 (ten trillion dollars). Every
// entry point (register, forms, command line, QIF, CSV, backup) refuses amounts beyond it, so a
// figure no household has can never be mistaken for one; sums of many amounts are still checked.
constexpr Money maxAmount = 1'000'000'000'000'000;

constexpr bool isAmountInRange(qint64 value)
{
    return value >= -maxAmount && value <= maxAmount;
}

// A plain decimal text ("-12.345", "1.5e3") read exactly, scaled to `decimals` minor units with
// rounding half away from zero. Empty when malformed or beyond maxAmount: the one gate every
// reader of amounts goes through.
std::optional<Money> amountFromDecimal(QStringView text, int decimals);

// The strict reader of a typed amount (register, forms, command line): an optional currency
// symbol, comma grouping, a leading minus, at most the currency's decimals, no exponent. Empty when
// the text is not such an amount or is beyond maxAmount, so a typo is never stored as zero.
std::optional<Money> readAmount(const QString &text, Currency currency);

// a + b, or empty when the sum does not fit in Money: balances and report totals must not wrap.
std::optional<Money> addAmounts(Money a, Money b);

// Always English grouping (comma thousands, point decimals), whatever the user's language.
QString formatAmount(Money amount, Currency currency);
QString formatMoney(Money amount, Currency currency);

// Returns 0 for anything it cannot read, including values beyond maxAmount.
Money parseMoney(const QString &text, Currency currency);

QString currencySymbol(Currency currency);

// Number of decimal places of the currency's minor unit (0 for JPY, 2 otherwise).
int currencyDecimals(Currency currency);
