#include "spinboxmoney.h"

#include <QDoubleSpinBox>
#include <QString>

#include <cmath>

namespace {

double scaleOf(Currency currency)
{
    return std::pow(10.0, currencyDecimals(currency));
}

} // namespace

Money moneyFromSpinValue(double value, Currency currency)
{
    // 15 significant digits give back the decimal that was typed for any value a spin box holds.
    const QString text = QString::number(value, 'g', 15);
    return amountFromDecimal(text, currencyDecimals(currency)).value_or(0);
}

double spinValueFromMoney(Money amount, Currency currency)
{
    return static_cast<double>(amount) / scaleOf(currency);
}

void applyCurrencyToSpinBox(QDoubleSpinBox *spinBox, Currency currency)
{
    spinBox->setDecimals(currencyDecimals(currency));
    spinBox->setPrefix(currencySymbol(currency) + QLatin1Char(' '));
}
