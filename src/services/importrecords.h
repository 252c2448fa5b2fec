#pragma once

#include "data/enums.h"

#include <QChar>
#include <QHash>
#include <QList>
#include <QString>

// Counters of one import; the import screen turns them into its summary.
struct ImportResult
{
    int imported = 0;
    int duplicates = 0;
    int unparseable = 0;      // CSV: missing column or bad date; QIF: the parser's count
    int metadataSkipped = 0;  // QIF only
    int unmappedSkipped = 0;  // QIF only: source account without a target
    int transfersLinked = 0;  // QIF only: links that exist once the import is committed
    int retroactiveLinks = 0; // the part of transfersLinked made to rows stored before
    int databaseErrors = 0;   // inserts refused for the row's own fault (the rest still commits)
    bool aborted = false;     // stopped and rolled back: nothing of this import remains
    QString failure;          // why it was stopped or refused, for the user; empty otherwise

    bool operator==(const ImportResult &) const = default;
};

// Column indexes are 0-based; memo, category and check number use -1 for none. The date pattern
// is in the toolkit's notation ("MM/dd/yyyy").
struct CsvImportOptions
{
    int dateColumn = 0;
    int payeeColumn = 1;
    int amountColumn = 2;
    int memoColumn = -1;
    int categoryColumn = -1;
    int checkNumberColumn = -1;
    bool hasHeader = true;
    QString dateFormat = QStringLiteral("MM/dd/yyyy");
    QChar delimiter = QLatin1Char(',');

    bool operator==(const CsvImportOptions &) const = default;
};

// One source account of the analysed QIF files: a named account, or a whole file that has no
// account block (then the key is the file path).
struct QifSourceEntry
{
    QString key;
    QString displayName;
    bool noAccountHeader = false;
    AccountType suggestedType = AccountType::Checking;
    // The name offered for a new target account: the source account's name, or the file's name
    // without directory and without everything from its first ".".
    QString accountName;

    bool operator==(const QifSourceEntry &) const = default;
};

struct QifAnalysis
{
    QList<QifSourceEntry> entries;
    int totalTransactions = 0;
    QString error; // a file that is too large or breaks the parser's bounds; then the rest is empty

    bool operator==(const QifAnalysis &) const = default;
};

// Source key (compared case-insensitively) to target account id; an empty id skips that source.
using QifMapping = QHash<QString, QString>;
