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
        if (!ok || !isAmountInRange(value))
            return 0;
    } else {
        // Read the decimal text exactly rather than through a double: 0.285 must be 29 cents,
        // and a value that does not fit must not reach an undefined float-to-integer cast.
        const std::optional<Money> exact = amountFromDecimal(cleaned, 2);
        if (!exact)
            return 0;
        value = *exact;
    }
    return negative ? -value : value;
}

std::optional<Money> amountFromDecimal(QStringView text, int decimals)
{
    const std::optional<qint64> value = decimalToMinorUnits(text, decimals);
    if (!value || !isAmountInRange(*value))
        return std::nullopt;
    return *value;
}

std::optional<Money> readAmount(const QString &text, Currency currency)
{
    QString cleaned = text;
    cleaned.remove(currencySymbol(currency));
    cleaned = cleaned.trimmed();
    bool negative = false;
    if (cleaned.startsWith(QLatin1Char('-'))) {
        negative = true;
        cleaned = cleaned.mid(1).trimmed();
    }
    // Grouping commas only between digits, in groups of three before the point.
    const qsizetype point = cleaned.indexOf(QLatin1Char('.'));
    const QString integerPart = point >= 0 ? cleaned.left(point) : cleaned;
    if (integerPart.contains(QLatin1Char(','))) {
        const QStringList groups = integerPart.split(QLatin1Char(','));
        if (groups.first().isEmpty() || groups.first().size() > 3)
            return std::nullopt;
        for (qsizetype i = 1; i < groups.size(); ++i) {
            if (groups.at(i).size() != 3)
                return std::nullopt;
        }
        cleaned.remove(QLatin1Char(','));
    }
    const int decimals = currencyDecimals(currency);
    const qsizetype decimalPoint = cleaned.indexOf(QLatin1Char('.'));
    if (decimalPoint >= 0 && cleaned.size() - decimalPoint - 1 > decimals)
        return std::nullopt;
    for (const QChar c : std::as_const(cleaned)) {
        if (!(c.isDigit() && c.unicode() < 128) && c != QLatin1Char('.'))
            return std::nullopt;
    }
    const std::optional<Money> value = amountFromDecimal(cleaned, decimals);
    if (!value)
        return std::nullopt;
    return negative ? -*value : *value;
}

std::optional<Money> addAmounts(Money a, Money b)
{
    Money sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return std::nullopt;
    return sum;
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
