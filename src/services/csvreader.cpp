#include "csvreader.h"

#include <QHash>

#include <algorithm>

bool forEachCsvRow(QStringView text, QChar delimiter, const std::function<bool(const QStringList &)> &visit,
                   QString *error)
{
    bool visiting = true;
    qsizetype line = 1;        // of the character being read
    qsizetype recordLine = 1;  // where the row being read began
    qsizetype recordStart = 0; // its first character
    const auto refuse = [&](const QString &reason) {
        if (error)
            *error = QStringLiteral("line %1: %2").arg(recordLine).arg(reason);
        return false;
    };
    QStringList row;
    QString field;
    bool inQuotes = false;
    // A row counts as started once any field has ended or any character was read into one, so a
    // blank line (a single empty field) can be told apart from a row of empty fields.
    const auto endField = [&] {
        row.append(field.trimmed());
        field.clear();
    };
    const auto endRow = [&] {
        endField();
        if (!(row.size() == 1 && row.first().isEmpty()))
            visiting = visit(row);
        row.clear();
    };

    if (error)
        error->clear();
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        if (!visiting)
            return true;
        const QChar c = text[i];
        if (row.size() >= maxCsvFields)
            return refuse(QStringLiteral("more than %1 fields").arg(maxCsvFields));
        if (i - recordStart >= maxCsvRecordLength)
            return refuse(QStringLiteral("a row longer than %1 characters").arg(maxCsvRecordLength));
        if (c == QLatin1Char('\n') ||
            (c == QLatin1Char('\r') && !(i + 1 < size && text[i + 1] == QLatin1Char('\n'))))
            ++line;
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < size && text[i + 1] == QLatin1Char('"')) {
                    field.append(c);
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                field.append(c);
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            inQuotes = true;
        } else if (c == delimiter) {
            endField();
        } else if (c == QLatin1Char('\n')) {
            endRow();
            recordStart = i + 1;
            recordLine = line;
        } else if (c == QLatin1Char('\r')) {
            if (i + 1 < size && text[i + 1] == QLatin1Char('\n')) {
                ++i;
                ++line;
            }
            endRow();
            recordStart = i + 1;
            recordLine = line;
        } else {
            field.append(c);
        }
    }
    if (row.size() >= maxCsvFields)
        return refuse(QStringLiteral("more than %1 fields").arg(maxCsvFields));
    if (visiting && (!field.isEmpty() || !row.isEmpty()))
        endRow();
    return true;
}

QList<QStringList> splitCsv(QStringView text, QChar delimiter, QString *error)
{
    QList<QStringList> rows;
    forEachCsvRow(
        text, delimiter,
        [&rows](const QStringList &row) {
            rows.append(row);
            return true;
        },
        error);
    return rows;
}

QChar detectCsvDelimiter(QStringView text)
{
    // Twenty lines are enough to see past a bank's preamble; cutting at a line break keeps the
    // sample from ending inside a row.
    constexpr int sampleLines = 20;
    qsizetype end = 0;
    int lines = 0;
    while (end < text.size() && lines < sampleLines) {
        const QChar c = text[end++];
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            ++lines;
    }
    const QStringView sample = text.first(end);

    const QChar candidates[] = {QLatin1Char(','), QLatin1Char(';'), QLatin1Char('\t')};
    QChar best = QLatin1Char(',');
    qsizetype bestRows = 0;
    qsizetype bestFields = 0;
    for (const QChar candidate : candidates) {
        const QList<QStringList> rows = splitCsv(sample, candidate);
        QHash<qsizetype, qsizetype> rowsByFieldCount;
        for (const QStringList &row : rows) {
            if (row.size() > 1)
                ++rowsByFieldCount[row.size()];
        }
        qsizetype modalRows = 0;
        qsizetype modalFields = 0;
        for (auto it = rowsByFieldCount.cbegin(); it != rowsByFieldCount.cend(); ++it) {
            if (it.value() > modalRows || (it.value() == modalRows && it.key() > modalFields)) {
                modalRows = it.value();
                modalFields = it.key();
            }
        }
        if (modalRows > bestRows || (modalRows == bestRows && modalRows > 0 && modalFields > bestFields)) {
            best = candidate;
            bestRows = modalRows;
            bestFields = modalFields;
        }
    }
    return best;
}

namespace {

// Reads `minDigits` to `maxDigits` ASCII digits at `pos`. -1 when there are too few.
int readNumber(QStringView text, qsizetype &pos, int minDigits, int maxDigits)
{
    int value = 0;
    int digits = 0;
    while (pos < text.size() && digits < maxDigits && text[pos] >= QLatin1Char('0') &&
           text[pos] <= QLatin1Char('9')) {
        value = value * 10 + (text[pos].unicode() - '0');
        ++pos;
        ++digits;
    }
    return digits >= minDigits ? value : -1;
}

int expandShortYear(int year)
{
    return year < 70 ? 2000 + year : 1900 + year;
}

} // namespace

QDate parseCsvDate(const QString &text, const QString &pattern)
{
    const QString trimmed = text.trimmed();
    // Numeric patterns are read here so that a two-digit year never passes through the toolkit's
    // fixed 1900 base (where 02/29/00 would not even be a valid date).
    int year = -1;
    int month = -1;
    int day = -1;
    bool numeric = true;
    qsizetype pos = 0;
    for (qsizetype i = 0; i < pattern.size() && numeric;) {
        const QChar letter = pattern[i];
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern[i + run] == letter)
            ++run;
        // "dd" and "MM" also take a single digit: exports drop leading zeros more often than not.
        if (letter == QLatin1Char('d') && run <= 2) {
            day = readNumber(trimmed, pos, 1, 2);
        } else if (letter == QLatin1Char('M') && run <= 2) {
            month = readNumber(trimmed, pos, 1, 2);
        } else if (letter == QLatin1Char('y') && run == 2) {
            year = readNumber(trimmed, pos, 2, 2);
            if (year >= 0)
                year = expandShortYear(year);
        } else if (letter == QLatin1Char('y') && run == 4) {
            year = readNumber(trimmed, pos, 4, 4);
        } else if (letter.isLetter() || letter == QLatin1Char('\'')) {
            numeric = false;
            break;
        } else {
            for (qsizetype k = 0; k < run; ++k, ++pos) {
                if (pos >= trimmed.size() || trimmed[pos] != letter)
                    return {};
            }
        }
        i += run;
        if ((letter == QLatin1Char('d') && day < 0) || (letter == QLatin1Char('M') && month < 0) ||
            (letter == QLatin1Char('y') && year < 0))
            return {};
    }
    if (numeric) {
        if (pos != trimmed.size() || year < 0 || month < 0 || day < 0)
            return {};
        return QDate(year, month, day);
    }

    // Month names and other forms go through the toolkit; only the century of a short year is
    // corrected afterwards.
    QDate date = QDate::fromString(trimmed, pattern);
    const bool shortYear = pattern.contains(QLatin1String("yy")) && !pattern.contains(QLatin1String("yyyy"));
    if (date.isValid() && shortYear && date.year() < 1970)
        date = date.addYears(100);
    return date;
}
