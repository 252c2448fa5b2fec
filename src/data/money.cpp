#include "money.h"

#include "decimaltext.h"

#include <QLocale>

namespace {

QString groupedDigits(quint64 value)
{
    static const QLocale english(QLocale::English, QLocale::UnitedStates);
    return english.toString(value);
}

} // namespace

QString formatAmount(Money amount, Currency currency)
{
    const bool negative = amount < 0;
    // Negate in unsigned arithmetic so that the most negative value has a magnitude too.
    const quint64 magnitude = negative ? 0ULL - static_cast<quint64>(amount) : static_cast<quint64>(amount);
    QString body;
    if (currencyDecimals(currency) == 0) {
        body = groupedDigits(magnitude);
    } else {
        body = QStringLiteral("%1.%2")
                   .arg(groupedDigits(magnitude / 100))
                   .arg(static_cast<uint>(magnitude % 100), 2, 10, QLatin1Char('0'));
    }
    return negative ? QStringLiteral("-%1").arg(body) : body;
}

QString formatMoney(Money amount, Currency currency)
{
    const QString body = formatAmount(amount, currency);
    const QString symbol = currencySymbol(currency);
    if (amount < 0)
        return QStringLiteral("-%1%2").arg(symbol, body.mid(1));
    return QStringLiteral("%1%2").arg(symbol, body);
}

Money parseMoney(const QString &text, Currency currency)
{
    QString cleaned = text;
    cleaned.remove(currencySymbol(currency));
    cleaned.remove(QLatin1Char(','));
    cleaned = cleaned.trimmed();
    if (cleaned.isEmpty())
        return 0;
    bool negative = false;
    if (cleaned.startsWith(QLatin1Char('-'))) {
        negative = true;
        cleaned.remove(0, 1);
    }
    Money value = 0;
    if (currency == Currency::JPY) {
        bool ok = false;
        value = cleaned.toLongLong(&ok, 10);
        if (!ok)
            return 0;
    } else {
        // Read the decimal text exactly rather than through a double: 0.285 must be 29 cents,
        // and a value that does not fit must not reach an undefined float-to-integer cast.
        const std::optional<Money> exact = decimalToMinorUnits(cleaned, 2);
        if (!exact)
            return 0;
        value = *exact;
    }
    if (negative)
        value = value == std::numeric_limits<Money>::min() ? 0 : -value;
    return value;
}

QString currencySymbol(Currency currency)
{
    switch (currency) {
    case Currency::EUR:
        return QStringLiteral("€");
    case Currency::GBP:
        return QStringLiteral("£");
    case Currency::JPY:
        return QStringLiteral("¥");
    case Currency::USD:
    case Currency::CAD:
    case Currency::AUD:
        break;
    }
    return QStringLiteral("$");
}

int currencyDecimals(Currency currency)
{
    return currency == Currency::JPY ? 0 : 2;
}
