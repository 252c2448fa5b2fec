#pragma once

#include <QStringList>

// Which column of a CSV file holds which field, 0-based; -1 where no column does.
struct CsvColumnGuess
{
    int dateColumn = -1;
    int payeeColumn = -1;
    int amountColumn = -1;
    int memoColumn = -1;
    int categoryColumn = -1;
    int checkNumberColumn = -1;

    bool operator==(const CsvColumnGuess &) const = default;
};

// Reads the header row of a bank export: a column is taken for a field when its name is one of
// the common words for it in English, German, Spanish, French or Japanese ("Date", "Buchungstag",
// "Importe", "Libellé", "金額", ...), compared without case, accents, blanks and punctuation. A
// name that only contains such a word ("Transaction Date", "Betrag (EUR)") counts when no column
// is named exactly. Each column serves one field at most; a file whose only text column reads as
// a memo gets it as payee. A row that names nothing (a file without header) gives all -1.
CsvColumnGuess guessCsvColumns(const QStringList &header);
