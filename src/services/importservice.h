#pragma once

#include "importrecords.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

class CategoryRepository;
class Database;
class SplitLineRepository;
class SqlTransaction;
class TransactionRepository;

// Brings CSV and QIF files into the database. Each import runs inside one SQL transaction that is
// rolled back unless it completes, and reports its counters in an ImportResult. Runs on the GUI
// thread: every 100 records it reports progress and lets the event loop repaint (user input
// excluded, at most 5 ms), so a progress dialog stays alive during large imports.
//
// The bulk writes (transactions, split lines) are collected in temporary tables and moved into
// their tables in large chunks; should that fail, the import is rolled back and run again row by
// row, which tells the failing rows apart and counts them. Either way the repositories' change
// signals are emitted once per touched account after the commit instead of once per row.
class ImportService : public QObject
{
    Q_OBJECT

public:
    ImportService(Database *database, TransactionRepository *transactions, CategoryRepository *categories,
                  SplitLineRepository *splitLines, QObject *parent = nullptr);

    // Larger import files are refused unread.
    static constexpr qint64 maxFileSize = 256 * 1024 * 1024;

    // An all-zero result when the file cannot be opened; aborted, with the reason, when it is too
    // large or a row breaks the CSV reader's bounds.
    ImportResult importCsv(const QString &filePath, const QString &accountId,
                           const CsvImportOptions &options);
    // Files that cannot be opened are passed over; one that is too large or breaks the QIF parser's
    // bounds refuses the whole import.
    ImportResult importQif(const QStringList &filePaths, const QifMapping &mapping);
    QifAnalysis analyzeQif(const QStringList &filePaths);

    // "date|amount|payee": what makes two transactions of one account the same record.
    static QString duplicateKey(const QDate &date, qint64 amount, const QString &payee);

    // The marker of a transfer left unlinked: "[→ Name]" in front of the memo, so that a later
    // import that brings the other side can find and link it.
    static QString withTransferHint(const QString &accountName, const QString &memo);
    struct TransferHint
    {
        QString accountName;
        QString rest; // the memo without the marker
    };
    static std::optional<TransferHint> transferHint(const QString &memo);

signals:
    // Once the work list is known; once more when a staged run falls back to row by row.
    void importStarted(int totalRecords);
    void importProgress(int currentRecord, int totalRecords);

private:
    // A staged run that cannot tell which row failed asks through `retryRowByRow` to be run again
    // row by row; its own work is rolled back by then.
    // `text` is read one row at a time: memory follows the file's text, not its count of fields.
    ImportResult writeCsvRows(const QString &text, int rowCount, const QString &accountId,
                              const CsvImportOptions &options, bool staged, bool *retryRowByRow);
    ImportResult runQifImport(const QStringList &filePaths, const QifMapping &mapping, bool staged,
                              bool *retryRowByRow);
    // Logs "<kind> import aborted: <reason>", rolls everything back, reports the end of the
    // progress and returns `result` marked aborted with the reason.
    ImportResult abortImport(const char *kind, ImportResult result, const QString &reason,
                             SqlTransaction &guard, int total);
    void reportProgress(int current, int total);

    Database *m_database;
    TransactionRepository *m_transactions;
    CategoryRepository *m_categories;
    SplitLineRepository *m_splitLines;
};
