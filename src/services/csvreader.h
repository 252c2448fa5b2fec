#pragma once

#include <QChar>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

// What one row may cost. No bank export comes near them; a file of nothing but delimiters would
// otherwise become millions of empty fields (a 40 MB file of commas took 1.1 GB).
constexpr qsizetype maxCsvFields = 256;
constexpr qsizetype maxCsvRecordLength = 64 * 1024; // characters, line breaks inside quotes included

// Splits CSV text into rows of fields. A quoted field may hold delimiters, line breaks and
// doubled quotes; every field is trimmed; blank lines give no row. A row ends at a line feed, a
// carriage return followed by a line feed, or a lone carriage return (old Mac files). Text that
// ends inside a quoted field keeps what was read as the last field. A row beyond maxCsvFields or
// maxCsvRecordLength stops the split there: the rows before it are returned and `error`, when
// given, names the line ("line 12: more than 256 fields").
QList<QStringList> splitCsv(QStringView text, QChar delimiter = QLatin1Char(','), QString *error = nullptr);

// The same rows one at a time, so that a reader keeps only the row at hand; `visit` returns false
// to stop early. False when a row broke the bounds (then `error`, when given, names the line).
bool forEachCsvRow(QStringView text, QChar delimiter, const std::function<bool(const QStringList &)> &visit,
                   QString *error = nullptr);

// Guesses the field delimiter (comma, semicolon or tab) from the first rows of a file: the one
// that splits the most of those rows into the same number of fields, more than one. Comma when
// nothing else fits.
QChar detectCsvDelimiter(QStringView text);

// Reads a date with a pattern in the toolkit's notation ("MM/dd/yyyy", "dd.MM.yy", ...). A
// two-digit year reads 00-69 as 2000-2069 and 70-99 as 1900-1999. Invalid date on failure.
QDate parseCsvDate(const QString &text, const QString &pattern);
