#pragma once

#include <QJsonObject>
#include <QString>

// Checks each value of a backup row against what its column means before the row is believed: an
// amount is a whole number of minor units within the amount limit, a date a real yyyy-MM-dd date,
// a flag 0/1 or true/false, an enumeration one of its stored texts, a timestamp an ISO UTC time, a
// category never its own parent. SQLite's loose typing would store "12x" as an amount or 7 as a
// flag; the screens would then show nonsense or fall back to a default. Members that name no known
// column are left to the caller.
class BackupRowValidator
{
public:
    // Empty when every known column of `row` holds a value its column can mean; otherwise the
    // reason, naming the column. `table` is the SQL table name ("accounts", "split_lines", ...).
    static QString check(const QString &table, const QJsonObject &row);
};
