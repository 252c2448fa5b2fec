#pragma once

#include "qifrecords.h"
#include "qifsource.h"

#include <QDate>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

// Reads the text of one Quicken Interchange Format file into plain records. Pure functions: no
// state between calls, no database. The parser never fails as a whole; what it cannot read is
// counted (unparseableCount, skippedCount) or dropped.
class QifParser
{
public:
    // What one line and one record may cost: no exporter comes near them, while a file of bare
    // "S" lines would otherwise become millions of splits of one record.
    static constexpr qsizetype maxLineLength = 4 * 1024 * 1024;
    static constexpr qsizetype maxSplitsPerRecord = 1000;

    // One pass over the lines (two with Auto: date-order detection first), so the cost grows
    // linearly with the text. A line or a record beyond the bounds above stops the parse with
    // `error` set.
    static QifParseResult parse(QStringView text, QifDateOrder dateOrder = QifDateOrder::Auto);

    // The same parse, handing each transaction to `visit` as soon as its record ends instead of
    // collecting them: memory then does not grow with the count of records. The result holds the
    // rest (categories, counts, accounts, date order, error) and no transactions. With `error`
    // set, what was handed over before is part of a file read only in part: the caller drops it.
    using TransactionVisitor = std::function<void(QifTransaction &&)>;
    static QifParseResult read(const QifSource &source, const TransactionVisitor &visit,
                               QifDateOrder dateOrder = QifDateOrder::Auto);

    // The amount rule: parentheses or a leading minus for negatives, currency signs and blanks
    // ignored, a decimal comma or point told apart from grouping separators. The value is read
    // exactly and scaled to `decimals` minor units (2 gives cents), rounding half away from zero.
    // Empty when the text is not an amount or the value is beyond maxAmount.
    // `beyondRange`, when given, tells a well-formed amount that is too large from malformed text.
    static std::optional<qint64> parseAmount(QStringView text, int decimals = 2, bool *beyondRange = nullptr);

    // The date rule: separators "/", "-", "." and "'", blanks ignored, a leading four-digit year,
    // short years 00-69 as 20xx and 70-99 as 19xx. Invalid date on failure. `order` must not be Auto.
    static QDate parseDate(QStringView text, QifDateOrder order);

    // DayFirst when some date line starts with a value above 12, MonthFirst otherwise.
    static QifDateOrder detectDateOrder(QStringView text);

    // The `L`/`S` field: a class after "/" is dropped; "[Name]" is a transfer to Name.
    static void splitCategoryField(QStringView text, QString *category, QString *transferAccount);
};
