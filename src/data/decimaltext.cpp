#include "decimaltext.h"

#include <QString>

#include <limits>

std::optional<qint64> decimalToMinorUnits(QStringView text, int decimals)
{
    text = text.trimmed();
    qsizetype pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == QLatin1Char('-') || text[pos] == QLatin1Char('+'))) {
        negative = text[pos] == QLatin1Char('-');
        ++pos;
    }
    QString digits;
    qsizetype integerDigits = 0;
    bool seenPoint = false;
    for (; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            digits.append(c);
            if (!seenPoint)
                ++integerDigits;
        } else if (c == QLatin1Char('.') && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    if (digits.isEmpty())
        return std::nullopt;

    qint64 exponent = 0;
    if (pos < text.size() && (text[pos] == QLatin1Char('e') || text[pos] == QLatin1Char('E'))) {
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == QLatin1Char('-') || text[pos] == QLatin1Char('+'))) {
            negativeExponent = text[pos] == QLatin1Char('-');
            ++pos;
        }
        const qsizetype exponentStart = pos;
        for (; pos < text.size() && text[pos].isDigit() && text[pos].unicode() < 128; ++pos) {
            if (exponent < 100000)
                exponent = exponent * 10 + (text[pos].unicode() - '0');
        }
        if (pos == exponentStart)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
    }
    if (pos != text.size())
        return std::nullopt;

    // Drop leading zeros so the position arithmetic below stays small.
    qsizetype firstNonZero = 0;
    while (firstNonZero < digits.size() && digits[firstNonZero] == QLatin1Char('0'))
        ++firstNonZero;
    if (firstNonZero == digits.size())
        return 0;
    digits.remove(0, firstNonZero);
    integerDigits -= firstNonZero;

    // `point` is where the decimal point falls in `digits` once scaled to minor units.
    const qint64 point = qint64(integerDigits) + exponent + decimals;
    if (point > 19)
        return std::nullopt;

    quint64 magnitude = 0;
    constexpr quint64 limit = static_cast<quint64>(std::numeric_limits<qint64>::max());
    for (qint64 i = 0; i < point; ++i) {
        const quint64 digit = i < digits.size() ? quint64(digits[i].unicode() - '0') : 0;
        if (magnitude > (limit - digit) / 10)
            return std::nullopt;
        magnitude = magnitude * 10 + digit;
    }
    const bool roundUp = point >= 0 && point < digits.size() && digits[point] >= QLatin1Char('5');
    if (roundUp) {
        if (magnitude == limit)
            return std::nullopt;
        ++magnitude;
    }
    const qint64 value = static_cast<qint64>(magnitude);
    return negative ? -value : value;
}
