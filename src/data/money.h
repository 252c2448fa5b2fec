#pragma once

#include "enums.h"

#include <QString>
#include <QtGlobal>

// A signed count of minor units: cents, or whole yen for JPY. Positive raises a balance.
using Money = qint64;

// Always English grouping (comma thousands, point decimals), whatever the user's language.
QString formatAmount(Money amount, Currency currency);
QString formatMoney(Money amount, Currency currency);

// Returns 0 for anything it cannot read, including values that do not fit in Money.
Money parseMoney(const QString &text, Currency currency);

QString currencySymbol(Currency currency);

// Number of decimal places of the currency's minor unit (0 for JPY, 2 otherwise).
int currencyDecimals(Currency currency);
