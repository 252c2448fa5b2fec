#pragma once

#include "data/money.h"

class QDoubleSpinBox;

// The forms edit amounts in spin boxes (major units as a double) but store minor units.
// The conversion goes through the shortest decimal text of the value, so 12.345 becomes 1235 cents
// (half away from zero) instead of whatever the binary fraction happens to truncate to, and a
// zero-decimal currency (JPY) is not multiplied by 100.
Money moneyFromSpinValue(double value, Currency currency);
double spinValueFromMoney(Money amount, Currency currency);

// Sets decimals and prefix of an amount spin box for the currency, keeping its range.
void applyCurrencyToSpinBox(QDoubleSpinBox *spinBox, Currency currency);
