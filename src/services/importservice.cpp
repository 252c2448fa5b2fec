#include "importservice.h"

#include "categoryresolver.h"
#include "csvreader.h"
#include "importpragmas.h"
#include "importtext.h"
#include "qifparser.h"
#include "qifsource.h"

#include "data/database.h"
#include "data/datetext.h"
#include "data/identifiers.h"
#include "data/money.h"
#include "data/repositorysupport.h"
#include "data/splitline.h"
#include "data/splitlinerepository.h"
#include "data/sqltransaction.h"
#include "data/storageerror.h"
#include "data/transaction.h"
#include "data/transactionrepository.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <deque>
#include <functional>
#include <vector>

namespace {

constexpr int progressInterval = 100;

const QString hintPrefix = QStringLiteral("[\u2192 ");

const QString transactionColumns = QStringLiteral("id, account_id, date, payee, memo, amount, category_id, "
                                                  "check_number, cleared, reconciled, transfer_link_id, "
                                                  "transfer_dest_account_id, is_split, recurring_id, "
                                                  "version, sync_status, server_id, created_at, updated_at");
const QString splitLineColumns =
    QStringLiteral("id, transaction_id, category_id, amount, memo, created_at, updated_at");

QString placeholders(int count)
{
    QString text = QStringLiteral("?");
    for (int i = 1; i < count; ++i)
        text += QStringLiteral(", ?");
    return text;
}

// Where an import's rows go. Row by row, each row is inserted into its table at once (the
// statement of the transaction repository, prepared once) and a failure is known at once. Staged,
// rows are collected in temporary tables and moved with one INSERT ... SELECT per table and chunk
// in finish(): the database then does its index and full-text work per chunk instead of per
// statement, which roughly halves its share of a large import. A staged import cannot tell which
// row failed, so when finish() fails the caller rolls back and runs the import again row by row.
class RowWriter
{
public:
    enum class Mode { RowByRow, Staged };

    RowWriter(const QSqlDatabase &connection, Mode mode, SplitLineRepository *splitLines)
        : m_connection(connection)
        , m_mode(mode)
        , m_splitLines(splitLines)
        , m_transactionInsert(connection)
        , m_splitLineInsert(connection)
    {
        if (m_mode == Mode::Staged) {
            QSqlQuery create(m_connection);
            m_ready = create.exec(QStringLiteral(
                                      "CREATE TEMP TABLE import_transactions (seq INTEGER PRIMARY KEY, %1)")
                                      .arg(transactionColumns)) &&
                      create.exec(
                          QStringLiteral("CREATE TEMP TABLE import_split_lines (seq INTEGER PRIMARY KEY, %1)")
                              .arg(splitLineColumns));
            m_ready = m_ready && m_splitLineInsert.prepare(
                                     QStringLiteral("INSERT INTO temp.import_split_lines (%1) VALUES (%2)")
                                         .arg(splitLineColumns, placeholders(7)));
        }
        const QString target = m_mode == Mode::Staged ? QStringLiteral("temp.import_transactions")
                                                      : QStringLiteral("transactions");
        m_ready = (m_mode == Mode::RowByRow || m_ready) &&
                  m_transactionInsert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                                  .arg(target, transactionColumns, placeholders(19)));
    }

    ~RowWriter()
    {
        if (m_mode != Mode::Staged)
            return;
        m_transactionInsert.finish();
        m_splitLineInsert.finish();
        m_transactionInsert = QSqlQuery();
        m_splitLineInsert = QSqlQuery();
        QSqlQuery drop(m_connection);
        drop.exec(QStringLiteral("DROP TABLE IF EXISTS temp.import_transactions"));
        drop.exec(QStringLiteral("DROP TABLE IF EXISTS temp.import_split_lines"));
    }

    RowWriter(const RowWriter &) = delete;
    RowWriter &operator=(const RowWriter &) = delete;

    // False when the statements could not be prepared (or the staging tables not created).
    bool isReady() const { return m_ready; }
    Mode mode() const { return m_mode; }

    bool insertTransaction(const Transaction &transaction)
    {
        const QVariant values[] = {
            transaction.id,
            transaction.accountId,
            dateToText(transaction.date),
            RepositorySupport::nonNullText(transaction.payee),
            transaction.memo,
            qint64(transaction.amount),
            transaction.categoryId.isEmpty() ? QVariant(QMetaType::fromType<QString>())
                                             : QVariant(transaction.categoryId),
            transaction.checkNumber,
            transaction.cleared ? 1 : 0,
            transaction.reconciled ? 1 : 0,
            transaction.transferLinkId,
            transaction.transferDestAccountId,
            transaction.isSplit ? 1 : 0,
            transaction.recurringId,
            transaction.version,
            syncStatusToString(transaction.syncStatus),
            transaction.serverId,
            timestampText(transaction.createdAt),
            timestampText(transaction.updatedAt),
        };
        for (int i = 0; i < int(std::size(values)); ++i)
            m_transactionInsert.bindValue(i, values[i]);
        if (!m_transactionInsert.exec())
            return false;
        ++m_stagedTransactions;
        return true;
    }

    bool insertSplitLine(const SplitLine &line)
    {
        if (m_mode == Mode::RowByRow)
            return m_splitLines->insert(line);
        const QVariant values[] = {
            line.id,
            line.transactionId,
            line.categoryId,
            qint64(line.amount),
            line.memo,
            timestampText(line.createdAt),
            timestampText(line.updatedAt),
        };
        for (int i = 0; i < int(std::size(values)); ++i)
            m_splitLineInsert.bindValue(i, values[i]);
        if (!m_splitLineInsert.exec())
            return false;
        ++m_stagedSplitLines;
        return true;
    }

    QSqlError lastTransactionError() const { return m_transactionInsert.lastError(); }
    QSqlError lastSplitLineError() const { return m_splitLineInsert.lastError(); }

    // Moves the staged rows into their tables, in the order they were staged, calling
    // `betweenChunks` after each chunk so that the event loop keeps running. Row by row it has
    // nothing to do. False, with the driver's error in `error`, when a statement fails.
    bool finish(const std::function<void()> &betweenChunks, QSqlError *error)
    {
        if (m_mode == Mode::RowByRow)
            return true;
        return move(QStringLiteral("transactions"), QStringLiteral("import_transactions"), transactionColumns,
                    m_stagedTransactions, betweenChunks, error) &&
               move(QStringLiteral("split_lines"), QStringLiteral("import_split_lines"), splitLineColumns,
                    m_stagedSplitLines, betweenChunks, error);
    }

private:
    // The rows of one import share their time: it is formatted once, not twice per row.
    QString timestampText(const QDateTime &timestamp)
    {
        if (timestamp != m_lastTimestamp || m_lastTimestampText.isNull()) {
            m_lastTimestamp = timestamp;
            m_lastTimestampText = timestampToText(timestamp);
        }
        return m_lastTimestampText;
    }

    bool move(const QString &table, const QString &stagingTable, const QString &columns, qint64 rows,
              const std::function<void()> &betweenChunks, QSqlError *error)
    {
        constexpr qint64 chunk = 10000;
        QSqlQuery query(m_connection);
        if (!query.prepare(
                QStringLiteral(
                    "INSERT INTO %1 (%3) SELECT %3 FROM temp.%2 WHERE seq > ? AND seq <= ? ORDER BY seq")
                    .arg(table, stagingTable, columns))) {
            *error = query.lastError();
            return false;
        }
        for (qint64 first = 0; first < rows; first += chunk) {
            query.bindValue(0, first);
            query.bindValue(1, first + chunk);
            if (!query.exec()) {
                *error = query.lastError();
                return false;
            }
            betweenChunks();
        }
        return true;
    }

    QSqlDatabase m_connection;
    Mode m_mode;
    SplitLineRepository *m_splitLines;
    QSqlQuery m_transactionInsert;
    QSqlQuery m_splitLineInsert;
    bool m_ready = false;
    qint64 m_stagedTransactions = 0;
    qint64 m_stagedSplitLines = 0;
    QDateTime m_lastTimestamp;
    QString m_lastTimestampText;
};

// Amounts are read in cents; an account in a currency without minor units (JPY) stores whole units.
qint64 centsToMinorUnits(qint64 cents, int decimals)
{
    if (decimals >= 2)
        return cents;
    qint64 units = cents / 100;
    const qint64 remainder = cents % 100;
    if (remainder >= 50)
        ++units;
    else if (remainder <= -50)
        --units;
    return units;
}

int accountDecimals(const QSqlDatabase &connection, const QString &accountId)
{
    QSqlQuery query(connection);
    query.prepare(QStringLiteral("SELECT currency FROM accounts WHERE id = ?"));
    query.addBindValue(accountId);
    if (query.exec() && query.next())
        return currencyDecimals(currencyFromCode(query.value(0).toString()));
    return 2;
}

// Imports go only into live accounts: rows written into a deleted account are seen by nobody.
// Empty when every id names one, else the refusal to report.
QString refusedTarget(const QSqlDatabase &connection, const QStringList &accountIds)
{
    QSqlQuery query(connection);
    query.prepare(QStringLiteral("SELECT 1 FROM accounts WHERE id = ? AND deleted_at IS NULL"));
    for (const QString &accountId : accountIds) {
        if (accountId.isEmpty())
            continue;
        query.bindValue(0, accountId);
        if (!query.exec())
            return query.lastError().text();
        const bool live = query.next();
        query.finish();
        if (!live)
            return QCoreApplication::translate("ImportService",
                                               "The account %1 does not exist or has been deleted.")
                .arg(accountId);
    }
    return {};
}

ImportResult refusal(const QString &reason)
{
    ImportResult result;
    result.aborted = true;
    result.failure = reason;
    return result;
}

void processEventsBriefly()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
}

// Nothing when the file cannot be opened, or (with `refusal` set) when it is larger than any
// bank export: an import holds the whole text in memory.
std::optional<QByteArray> readFile(const QString &path, QString *refusal)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    if (file.size() > ImportService::maxFileSize) {
        *refusal = QCoreApplication::translate("ImportService", "%1 is larger than %2 MiB")
                       .arg(path)
                       .arg(ImportService::maxFileSize / (1024 * 1024));
        return std::nullopt;
    }
    return file.readAll();
}

// The date of a duplicate key as a number (yyyymmdd), -1 for no valid date. Stored dates are read
// straight from their text: a re-import compares against every row of the account.
qint32 dayNumber(const QDate &date)
{
    return date.isValid() ? qint32(date.year() * 10000 + date.month() * 100 + date.day()) : -1;
}

qint32 dayNumber(QStringView text)
{
    const auto digit = [&text](qsizetype i) {
        return text.at(i).unicode() - u'0';
    };
    const auto isDigit = [&text](qsizetype i) {
        return text.at(i) >= u'0' && text.at(i) <= u'9';
    };
    if (text.size() == 10 && text.at(4) == u'-' && text.at(7) == u'-' && isDigit(0) && isDigit(1) &&
        isDigit(2) && isDigit(3) && isDigit(5) && isDigit(6) && isDigit(8) && isDigit(9)) {
        const int year = digit(0) * 1000 + digit(1) * 100 + digit(2) * 10 + digit(3);
        const int month = digit(5) * 10 + digit(6);
        const int day = digit(8) * 10 + digit(9);
        if (QDate::isValid(year, month, day))
            return qint32(year * 10000 + month * 100 + day);
    }
    return dayNumber(dateFromText(text.toString()));
}

// Counts of the duplicate keys (date, amount, payee) of an account's stored transactions. Each
// stored row absorbs one identical imported record, so k identical records against m stored ones
// import max(0, k - m): a re-import adds nothing, and two genuine identical purchases both land.
// Keys are numbers, the payee its index among the distinct payees: an account of half a million
// rows has a few thousand payees, and a key of texts per row cost more than reading the rows.
class DuplicateCounter
{
public:
    void addStored(qint32 day, qint64 amount, const QString &payee)
    {
        const auto found = m_payees.constFind(payee);
        const qint32 index = found != m_payees.cend()
                                 ? found.value()
                                 : m_payees.insert(payee, qint32(m_payees.size())).value();
        ++m_remaining[Key{amount, day, index}];
    }

    bool absorb(const QDate &date, qint64 amount, const QString &payee)
    {
        const auto payeeIndex = m_payees.constFind(payee);
        if (payeeIndex == m_payees.cend())
            return false;
        const auto it = m_remaining.find(Key{amount, dayNumber(date), payeeIndex.value()});
        if (it == m_remaining.end() || it.value() == 0)
            return false;
        --it.value();
        return true;
    }

private:
    struct Key
    {
        qint64 amount;
        qint32 day;
        qint32 payee;

        friend bool operator==(const Key &, const Key &) = default;
        friend size_t qHash(const Key &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.amount, key.day, key.payee);
        }
    };

    QHash<QString, qint32> m_payees;
    QHash<Key, int> m_remaining;
};

struct Candidate
{
    QString id;
    QString accountId;
    QString key; // its bucket in AccountState::candidates
};

// What one import needs to know about a target account, read once per account and import.
struct AccountState
{
    QString error; // why the stored rows could not be read; the import cannot go on
    int decimals = 2;
    DuplicateCounter duplicates;
    // One-sided transfers left by an earlier import, keyed by lower-cased hint name, date and
    // amount, each list in the repository's order (newest first). Linked ones are taken out.
    QHash<QString, std::deque<QString>> candidates;
    QHash<QString, Transaction> candidateRows;
};

QString candidateKey(const QString &hintName, const QDate &date, qint64 amount)
{
    // Concatenated, not filled in with arg(): a "%2" inside an account name must stay text.
    const QChar separator(0x1F);
    return hintName.toLower() + separator + dateToText(date) + separator + QString::number(amount);
}

AccountState loadAccountState(const QSqlDatabase &connection, TransactionRepository *repository,
                              const QString &accountId)
{
    AccountState state;
    state.decimals = accountDecimals(connection, accountId);
    // Only the key columns of every row; whole rows only for the few that wait for a partner.
    QSqlQuery keys(connection);
    keys.setForwardOnly(true);
    if (!keys.prepare(QStringLiteral(
            "SELECT date, amount, payee FROM transactions WHERE account_id = ? AND deleted_at IS NULL"))) {
        state.error = keys.lastError().text();
        return state;
    }
    keys.addBindValue(accountId);
    if (!keys.exec()) {
        state.error = keys.lastError().text();
        return state;
    }
    while (keys.next())
        state.duplicates.addStored(dayNumber(keys.value(0).toString()), keys.value(1).toLongLong(),
                                   keys.value(2).toString());
    if (keys.lastError().isValid()) {
        state.error = keys.lastError().text();
        return state;
    }

    QSqlQuery waiting(connection);
    waiting.setForwardOnly(true);
    if (!waiting.prepare(QStringLiteral(
            "SELECT id FROM transactions WHERE account_id = ? AND deleted_at IS NULL "
            "AND (transfer_link_id IS NULL OR transfer_link_id = '') AND substr(memo, 1, ?) = ? "
            "ORDER BY date DESC, created_at DESC, rowid DESC"))) {
        state.error = waiting.lastError().text();
        return state;
    }
    waiting.addBindValue(accountId);
    waiting.addBindValue(hintPrefix.size());
    waiting.addBindValue(hintPrefix);
    if (!waiting.exec()) {
        state.error = waiting.lastError().text();
        return state;
    }
    QStringList ids;
    while (waiting.next())
        ids.append(waiting.value(0).toString());
    for (const QString &id : std::as_const(ids)) {
        std::optional<Transaction> transaction = repository->findById(id);
        if (!transaction) {
            state.error = QStringLiteral("cannot read the transaction %1").arg(id);
            return state;
        }
        const std::optional<ImportService::TransferHint> hint =
            ImportService::transferHint(transaction->memo);
        if (!hint)
            continue;
        state.candidates[candidateKey(hint->accountName, transaction->date, transaction->amount)].push_back(
            transaction->id);
        state.candidateRows.insert(transaction->id, std::move(*transaction));
    }
    return state;
}

QString qifPayee(const QifTransaction &transaction)
{
    if (!transaction.payee.isEmpty())
        return transaction.payee;
    if (!transaction.checkNumber.isEmpty() && !transaction.security.isEmpty())
        return QStringLiteral("%1: %2").arg(transaction.checkNumber, transaction.security);
    if (!transaction.security.isEmpty())
        return transaction.security;
    if (!transaction.checkNumber.isEmpty())
        return transaction.checkNumber;
    if (!transaction.transferAccount.isEmpty())
        return transaction.transferAccount;
    return QCoreApplication::translate("ImportService", "Imported transaction");
}

// A split line must have a category. One that names none (a transfer leg, or a blank "S") is filed
// under a fallback category instead of being refused by the database and lost.
QString splitCategoryName(const QifSplit &split)
{
    if (!split.category.isEmpty())
        return split.category;
    if (!split.transferAccount.isEmpty())
        return QCoreApplication::translate("ImportService", "Transfer");
    return QCoreApplication::translate("ImportService", "Uncategorized");
}

CategoryType splitCategoryType(const QifSplit &split)
{
    return split.category.isEmpty() && !split.transferAccount.isEmpty() ? CategoryType::Transfer
                                                                        : CategoryType::Expense;
}

enum class Outcome : quint8 { Waiting, Unmapped, Duplicate, Inserted, Failed };

// The parts of a record that a transfer leg is resolved by, kept while the leg waits for its partner.
struct LegInfo
{
    QString accountName;     // the source account
    QString transferAccount; // the account the record names as its other side
    QDate date;
    qint64 cents = 0;
    QString targetAccountId;
};

// Whether a record names a transfer to an account other than its own source.
bool namesOtherAccount(const QString &accountName, const QString &transferAccount)
{
    return !transferAccount.isEmpty() && transferAccount.compare(accountName, Qt::CaseInsensitive) != 0;
}

// Pairs the two legs of each transfer inside the batch: for every leg, the first later leg in
// another target with the same date, the opposite amount and the two account names crossed.
// Legs are found through a hash on (date, amount, source, transfer account), so the pairing is
// linear however far apart the two accounts' blocks are in the files. Keys are numbers (names by
// their index among the distinct lower-cased names) and each bucket is a chain through the legs,
// so a leg costs a few words whatever the count of records. All legs of one bucket share their
// source name and therefore their target.
class TransferPairing
{
public:
    // Legs are added in the order of the records; `target` tells target accounts apart.
    void addLeg(int index, const QDate &date, qint64 cents, const QString &source, const QString &transfer,
                int target)
    {
        const qint32 day = dayNumber(date);
        const qint32 sourceName = nameIndex(source);
        const qint32 transferName = nameIndex(transfer);
        const int position = int(m_legs.size());
        m_legs.push_back(Leg{Key{cents, day, sourceName, transferName},
                             Key{-cents, day, transferName, sourceName}, index, target, -1});
        Bucket &bucket = m_buckets[m_legs.back().key];
        if (bucket.tail >= 0)
            m_legs[bucket.tail].next = position;
        else
            bucket.head = position;
        bucket.tail = position;
    }

    // Sets `partners` (by record index, -1 for none) of every leg paired.
    void pair(std::vector<qint32> &partners)
    {
        for (const Leg &leg : m_legs) {
            const int i = leg.index;
            if (partners[i] != -1)
                continue;
            const auto bucket = m_buckets.find(leg.reverse);
            if (bucket == m_buckets.end())
                continue;
            int &head = bucket.value().head;
            // Earlier legs can never be chosen again (partners are always later), and paired ones are done.
            while (head >= 0 && (m_legs[head].index <= i || partners[m_legs[head].index] != -1))
                head = m_legs[head].next;
            if (head < 0 || m_legs[head].target == leg.target)
                continue;
            const int j = m_legs[head].index;
            head = m_legs[head].next;
            partners[i] = j;
            partners[j] = i;
        }
    }

    // The record indexes of the legs, in order.
    template<typename Visit> void forEachLeg(Visit visit) const
    {
        for (const Leg &leg : m_legs)
            visit(leg.index);
    }

    // The target of the leg at record `index`, -1 when it is no leg.
    int targetOf(int index) const
    {
        const auto found = std::lower_bound(m_legs.cbegin(), m_legs.cend(), index,
                                            [](const Leg &leg, int value) { return leg.index < value; });
        return found != m_legs.cend() && found->index == index ? found->target : -1;
    }

private:
    struct Key
    {
        qint64 amount;
        qint32 day;
        qint32 source;
        qint32 transfer;

        friend bool operator==(const Key &, const Key &) = default;
        friend size_t qHash(const Key &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.amount, key.day, key.source, key.transfer);
        }
    };
    struct Leg
    {
        Key key;
        Key reverse; // the key its partner has
        qint32 index;
        qint32 target;
        qint32 next; // the next leg of its bucket, -1 at the end
    };
    struct Bucket
    {
        qint32 head = -1; // the first leg not yet passed over
        qint32 tail = -1;
    };

    qint32 nameIndex(const QString &name)
    {
        const QString lower = name.toLower();
        const auto found = m_names.constFind(lower);
        return found != m_names.cend() ? found.value()
                                       : m_names.insert(lower, qint32(m_names.size())).value();
    }

    std::vector<Leg> m_legs;
    QHash<Key, Bucket> m_buckets;
    QHash<QString, qint32> m_names;
};

} // namespace

ImportService::ImportService(Database *database, TransactionRepository *transactions,
                             CategoryRepository *categories, SplitLineRepository *splitLines, QObject *parent)
    : QObject(parent)
    , m_database(database)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_splitLines(splitLines)
{}

QString ImportService::duplicateKey(const QDate &date, qint64 amount, const QString &payee)
{
    return QStringLiteral("%1|%2|%3").arg(dateToText(date)).arg(amount).arg(payee);
}

QString ImportService::withTransferHint(const QString &accountName, const QString &memo)
{
    const QString hint = hintPrefix + accountName + QLatin1Char(']');
    return memo.isEmpty() ? hint : hint + QLatin1Char(' ') + memo;
}

std::optional<ImportService::TransferHint> ImportService::transferHint(const QString &memo)
{
    if (!memo.startsWith(hintPrefix))
        return std::nullopt;
    const qsizetype close = memo.indexOf(QLatin1Char(']'), hintPrefix.size());
    if (close < 0)
        return std::nullopt;
    TransferHint hint;
    hint.accountName = memo.mid(hintPrefix.size(), close - hintPrefix.size());
    if (hint.accountName.isEmpty())
        return std::nullopt;
    qsizetype restStart = close + 1;
    if (restStart < memo.size() && memo.at(restStart) == QLatin1Char(' '))
        ++restStart;
    hint.rest = memo.mid(restStart);
    return hint;
}

ImportResult ImportService::abortImport(const char *kind, ImportResult result, const QString &reason,
                                        SqlTransaction &guard, int total)
{
    qWarning().noquote() << QLatin1String(kind) + QStringLiteral(" import aborted:") << reason;
    result.aborted = true;
    result.failure = reason;
    guard.rollback();
    emit importProgress(total, total);
    return result;
}

void ImportService::reportProgress(int current, int total)
{
    emit importProgress(current, total);
    processEventsBriefly();
}

ImportResult ImportService::importCsv(const QString &filePath, const QString &accountId,
                                      const CsvImportOptions &options)
{
    if (const QString refused = refusedTarget(m_database->connection(), {accountId}); !refused.isEmpty())
        return refusal(refused);
    QString refused;
    const std::optional<QByteArray> bytes = readFile(filePath, &refused);
    if (!bytes)
        return refused.isEmpty() ? ImportResult() : refusal(refused);
    const QString text = decodeImportText(*bytes);
    int rowCount = 0;
    QString splitError;
    const auto count = [&rowCount](const QStringList &) {
        ++rowCount;
        return true;
    };
    if (!forEachCsvRow(text, options.delimiter, count, &splitError))
        return refusal(QStringLiteral("%1: %2").arg(filePath, splitError));
    bool retryRowByRow = false;
    const ImportResult result = writeCsvRows(text, rowCount, accountId, options, true, &retryRowByRow);
    return retryRowByRow ? writeCsvRows(text, rowCount, accountId, options, false, &retryRowByRow) : result;
}

ImportResult ImportService::writeCsvRows(const QString &text, int rowCount, const QString &accountId,
                                         const CsvImportOptions &options, bool staged, bool *retryRowByRow)
{
    ImportResult result;
    const int firstRow = options.hasHeader ? 1 : 0;
    const int total = std::max(0, rowCount - firstRow);

    const QSqlDatabase connection = m_database->connection();
    const ImportPragmas pragmas(connection, !staged);
    RowWriter writer(connection, staged ? RowWriter::Mode::Staged : RowWriter::Mode::RowByRow, m_splitLines);
    if (staged && !writer.isReady()) {
        *retryRowByRow = true;
        return result;
    }

    emit importStarted(total);
    SqlTransaction guard(connection);
    const auto stop = [&](const QString &reason) {
        return abortImport("CSV", result, reason, guard, total);
    };
    if (!guard.isActive())
        return stop(guard.lastError());
    AccountState state = loadAccountState(connection, m_transactions, accountId);
    if (!state.error.isEmpty())
        return stop(state.error);
    // One time for the whole import, formatted once.
    const QDateTime importedAt = currentTimestamp();
    CategoryResolver categories(m_categories);

    // Counted in qsizetype: a column index near INT_MAX must not wrap to a negative field count.
    const qsizetype requiredFields =
        qsizetype(std::max({options.dateColumn, options.payeeColumn, options.amountColumn})) + 1;
    // Set when the walk over the rows must end the import with this result.
    std::optional<ImportResult> ended;
    int rowNumber = 0;
    const auto importRow = [&](const QStringList &row) -> bool {
        if (++rowNumber <= firstRow)
            return true;
        const int n = rowNumber - firstRow;
        if (n % progressInterval == 0)
            reportProgress(n, total);
        if (options.dateColumn < 0 || options.payeeColumn < 0 || options.amountColumn < 0 ||
            row.size() < requiredFields) {
            ++result.unparseable;
            return true;
        }
        const QDate date = parseCsvDate(row.at(options.dateColumn), options.dateFormat);
        if (!date.isValid()) {
            ++result.unparseable;
            return true;
        }
        Transaction transaction;
        transaction.payee = row.at(options.payeeColumn);
        // An amount that cannot be read imports as 0 rather than dropping the row; one beyond the
        // largest amount is no figure to keep at all.
        bool beyondRange = false;
        transaction.amount =
            QifParser::parseAmount(row.at(options.amountColumn), state.decimals, &beyondRange).value_or(0);
        if (beyondRange) {
            ++result.unparseable;
            return true;
        }
        transaction.date = date;
        if (state.duplicates.absorb(date, transaction.amount, transaction.payee)) {
            ++result.duplicates;
            return true;
        }
        transaction.id = newId();
        transaction.accountId = accountId;
        transaction.createdAt = importedAt;
        transaction.updatedAt = transaction.createdAt;
        if (options.memoColumn >= 0 && options.memoColumn < row.size())
            transaction.memo = row.at(options.memoColumn);
        if (options.checkNumberColumn >= 0 && options.checkNumberColumn < row.size())
            transaction.checkNumber = row.at(options.checkNumberColumn);
        if (options.categoryColumn >= 0 && options.categoryColumn < row.size()) {
            transaction.categoryId = categories.idFor(row.at(options.categoryColumn));
            if (!categories.failedName().isEmpty()) {
                ended = stop(QStringLiteral("cannot create the category %1").arg(categories.failedName()));
                return false;
            }
        }
        if (!writer.insertTransaction(transaction)) {
            const QSqlError error = writer.lastTransactionError();
            if (StorageError::isStorageError(error) || !guard.isIntact()) {
                ended = stop(error.text());
                return false;
            }
            if (staged) {
                *retryRowByRow = true;
                ended = ImportResult();
                return false;
            }
            qWarning().noquote() << "CSV import: insert failed for" << dateToText(date) << transaction.payee
                                 << "amount" << transaction.amount << "account" << accountId << ":"
                                 << error.text();
            ++result.databaseErrors;
            return true;
        }
        ++result.imported;
        return true;
    };
    forEachCsvRow(text, options.delimiter, importRow);
    if (ended)
        return *ended;
    QSqlError moveError;
    if (!writer.finish(processEventsBriefly, &moveError)) {
        if (StorageError::isStorageError(moveError) || !guard.isIntact())
            return stop(moveError.text());
        qInfo().noquote() << "CSV import: bulk insert failed, importing row by row:" << moveError.text();
        *retryRowByRow = true;
        return {};
    }
    if (!guard.commit())
        return stop(QStringLiteral("commit failed: %1").arg(guard.lastError()));
    if (result.imported > 0)
        emit m_transactions->transactionsChanged(accountId);
    emit importProgress(total, total);
    return result;
}

QifAnalysis ImportService::analyzeQif(const QStringList &filePaths)
{
    QifAnalysis analysis;
    QSet<QString> seen;
    for (const QString &path : filePaths) {
        QString refused;
        std::optional<QByteArray> bytes = readFile(path, &refused);
        if (!bytes && refused.isEmpty())
            continue;
        // Counted as they are read: an analysis keeps no record.
        int count = 0;
        const QifParseResult parsed =
            bytes ? QifParser::read(QifSource(std::move(*bytes)), [&count](QifTransaction &&) { ++count; })
                  : QifParseResult();
        if (!bytes || !parsed.error.isEmpty()) {
            QifAnalysis failed;
            failed.error = bytes ? QStringLiteral("%1: %2").arg(path, parsed.error) : refused;
            return failed;
        }
        analysis.totalTransactions += count;
        if (parsed.accounts.isEmpty()) {
            QifSourceEntry entry;
            entry.key = path;
            const QFileInfo file(path);
            entry.displayName = tr("%1 (no account header)").arg(file.fileName());
            entry.noAccountHeader = true;
            entry.suggestedType = AccountType::Checking;
            entry.accountName = file.baseName().isEmpty() ? file.fileName() : file.baseName();
            analysis.entries.append(entry);
        }
        for (const QifAccountInfo &account : parsed.accounts) {
            const QString lower = account.name.toLower();
            if (seen.contains(lower))
                continue;
            seen.insert(lower);
            QifSourceEntry entry;
            entry.key = account.name;
            entry.displayName = account.name;
            entry.accountName = account.name;
            switch (account.type) {
            case QifAccountType::CreditCard:
                entry.suggestedType = AccountType::CreditCard;
                break;
            case QifAccountType::Investment:
                entry.suggestedType = AccountType::Investment;
                break;
            case QifAccountType::Cash:
                entry.suggestedType = AccountType::Cash;
                break;
            case QifAccountType::OtherAsset:
            case QifAccountType::OtherLiability:
                entry.suggestedType = AccountType::Other;
                break;
            case QifAccountType::Bank:
                entry.suggestedType =
                    lower.contains(QLatin1String("saving")) ? AccountType::Savings : AccountType::Checking;
                break;
            }
            analysis.entries.append(entry);
        }
        processEventsBriefly();
    }
    return analysis;
}

ImportResult ImportService::importQif(const QStringList &filePaths, const QifMapping &mapping)
{
    if (const QString refused = refusedTarget(m_database->connection(), mapping.values()); !refused.isEmpty())
        return refusal(refused);
    bool retryRowByRow = false;
    const ImportResult result = runQifImport(filePaths, mapping, true, &retryRowByRow);
    return retryRowByRow ? runQifImport(filePaths, mapping, false, &retryRowByRow) : result;
}

ImportResult ImportService::runQifImport(const QStringList &filePaths, const QifMapping &mapping, bool staged,
                                         bool *retryRowByRow)
{
    const QSqlDatabase connection = m_database->connection();
    const ImportPragmas pragmas(connection, !staged);
    RowWriter writer(connection, staged ? RowWriter::Mode::Staged : RowWriter::Mode::RowByRow, m_splitLines);
    if (staged && !writer.isReady()) {
        *retryRowByRow = true;
        return {};
    }

    ImportResult result;
    QHash<QString, QString> targets;
    for (auto it = mapping.cbegin(); it != mapping.cend(); ++it)
        targets.insert(it.key().toLower(), it.value());
    // The target of a record: a run of records of one account asks the mapping once.
    QString lastSourceKey;
    QString lastTarget;
    const auto targetOf = [&](const QString &path, const QifTransaction &transaction) -> const QString & {
        const QString &key = transaction.accountName.isEmpty() ? path : transaction.accountName;
        if (key != lastSourceKey || lastSourceKey.isNull()) {
            lastSourceKey = key;
            lastTarget = targets.value(key.toLower());
        }
        return lastTarget;
    };
    QStringList targetIds; // target accounts by their index in the transfer pairing
    const auto targetIndex = [&targetIds](const QString &accountId) {
        qsizetype index = targetIds.indexOf(accountId);
        if (index < 0) {
            index = targetIds.size();
            targetIds.append(accountId);
        }
        return int(index);
    };

    QHash<QString, AccountState> states;
    // An account whose rows could not be read has no duplicates to offer: importing into it
    // would double every record, so the import stops (checked before writing and before commit).
    QString unreadableAccount;
    const auto stateOf = [&](const QString &accountId) -> AccountState & {
        auto it = states.find(accountId);
        if (it == states.end()) {
            it = states.insert(accountId, loadAccountState(connection, m_transactions, accountId));
            if (unreadableAccount.isEmpty() && !it.value().error.isEmpty())
                unreadableAccount = it.value().error;
        }
        return it.value();
    };

    // The files are read twice, the records handed over one at a time and none of them kept: the
    // first reading decides each record's fate, the second writes. Duplicates are decided before
    // anything is written: they depend only on the stored rows and the order of the records, and
    // knowing them first lets a transfer whose other leg is a duplicate be imported as one-sided
    // instead of pointing at a row that will never exist. What the first reading keeps is a byte
    // per record and a few words per transfer leg.
    QList<QifCategory> parsedCategories;
    QSet<QString> parsedCategoryNames;
    struct SourceFile
    {
        QString path;
        QifSource source;
        int first = 0; // the index of its first record
        int end = 0;
    };
    std::vector<SourceFile> sources;
    std::vector<Outcome> outcomes;
    TransferPairing pairing;
    for (const QString &path : filePaths) {
        QString refused;
        std::optional<QByteArray> bytes = readFile(path, &refused);
        if (!bytes && refused.isEmpty())
            continue;
        if (!bytes)
            return refusal(refused);
        SourceFile &file =
            sources.emplace_back(SourceFile{path, QifSource(std::move(*bytes)), int(outcomes.size()), 0});
        bytes.reset();
        const auto decide = [&](QifTransaction &&transaction) {
            const int index = int(outcomes.size());
            const QString &target = targetOf(path, transaction);
            if (target.isEmpty()) {
                outcomes.push_back(Outcome::Unmapped);
                return;
            }
            if (!transaction.accountName.isEmpty() &&
                namesOtherAccount(transaction.accountName, transaction.transferAccount))
                pairing.addLeg(index, transaction.date, transaction.amount, transaction.accountName,
                               transaction.transferAccount, targetIndex(target));
            AccountState &state = stateOf(target);
            const bool duplicate = state.duplicates.absorb(
                transaction.date, centsToMinorUnits(transaction.amount, state.decimals),
                qifPayee(transaction));
            outcomes.push_back(duplicate ? Outcome::Duplicate : Outcome::Waiting);
        };
        QifParseResult parsed = QifParser::read(file.source, decide);
        if (!parsed.error.isEmpty())
            return refusal(QStringLiteral("%1: %2").arg(path, parsed.error));
        file.end = int(outcomes.size());
        result.unparseable += parsed.unparseableCount;
        result.metadataSkipped += parsed.skippedCount;
        for (QifCategory &category : parsed.categories) {
            if (!parsedCategoryNames.contains(category.name)) {
                parsedCategoryNames.insert(category.name);
                parsedCategories.append(std::move(category));
            }
        }
        processEventsBriefly(); // reading a large file takes a moment; let the window repaint
    }
    const int total = int(outcomes.size());
    std::vector<qint32> partners(outcomes.size(), -1);
    pairing.pair(partners);
    pairing.forEachLeg([&](int i) {
        const int partner = partners[i];
        if (partner >= 0 && outcomes[partner] != Outcome::Waiting)
            partners[i] = -1;
    });
    pairing.forEachLeg([&](int i) {
        if (outcomes[i] != Outcome::Waiting)
            partners[i] = -1;
    });

    // Ids are given when first needed (a re-import of duplicates needs none); a leg's id is kept
    // here from the moment its partner names it until both are written.
    QHash<qint32, QString> ids;
    const auto idOf = [&ids](int index) -> const QString & {
        QString &id = ids[index];
        if (id.isEmpty())
            id = newId();
        return id;
    };

    CategoryResolver categories(m_categories);
    emit importStarted(total);
    SqlTransaction guard(connection);
    QSet<QString> touchedAccounts;
    // Inserted legs whose partner comes later, by record index: should the partner fail, the leg
    // is rewritten as one-sided.
    QHash<int, std::pair<Transaction, LegInfo>> awaitingPartner;

    const auto abort = [&](const QString &reason) {
        return abortImport("QIF", result, reason, guard, total);
    };
    const auto categoryFailure = [&] {
        return QStringLiteral("cannot create the category %1").arg(categories.failedName());
    };
    if (!guard.isActive())
        return abort(guard.lastError());
    if (!unreadableAccount.isEmpty())
        return abort(unreadableAccount);
    // One time for the whole import, formatted once.
    const QDateTime importedAt = currentTimestamp();

    for (const QifCategory &category : std::as_const(parsedCategories))
        categories.idFor(category.name, category.isIncome ? CategoryType::Income : CategoryType::Expense);
    if (!categories.failedName().isEmpty())
        return abort(categoryFailure());

    // For a leg without a partner in the batch: finds the one-sided transfer an earlier import
    // left in the other account, or else marks this leg's memo with the hint for a later import.
    const auto resolveOneSided = [&](const LegInfo &leg,
                                     Transaction &transaction) -> std::optional<Candidate> {
        if (!namesOtherAccount(leg.accountName, leg.transferAccount))
            return std::nullopt;
        const QString otherTarget = targets.value(leg.transferAccount.toLower());
        if (!otherTarget.isEmpty() && otherTarget != leg.targetAccountId) {
            AccountState &other = stateOf(otherTarget);
            const qint64 otherAmount = -centsToMinorUnits(leg.cents, other.decimals);
            const auto bucket = other.candidates.find(candidateKey(leg.accountName, leg.date, otherAmount));
            if (bucket != other.candidates.end() && !bucket.value().empty()) {
                const QString candidateId = bucket.value().front();
                bucket.value().pop_front();
                transaction.transferLinkId = candidateId;
                transaction.transferDestAccountId = otherTarget;
                return Candidate{candidateId, otherTarget, bucket.key()};
            }
        }
        transaction.memo = withTransferHint(leg.transferAccount, transaction.memo);
        return std::nullopt;
    };

    // Points the earlier one-sided row at its new partner and takes its hint off. Empty on
    // success, else the reason the import must stop.
    const auto linkCandidate = [&](const Candidate &candidate, const QString &partnerId,
                                   const QString &partnerAccountId) -> QString {
        AccountState &other = stateOf(candidate.accountId);
        Transaction row = other.candidateRows.take(candidate.id);
        const std::optional<TransferHint> hint = transferHint(row.memo);
        if (row.id.isEmpty() || !hint)
            return QStringLiteral("retroactive candidate lost its hint");
        row.memo = hint->rest;
        row.transferLinkId = partnerId;
        row.transferDestAccountId = partnerAccountId;
        row.updatedAt = currentTimestamp();
        row.version += 1;
        row.syncStatus = SyncStatus::Pending;
        if (!m_transactions->update(row))
            return QStringLiteral("failed to update retroactive partner");
        ++result.transfersLinked;
        ++result.retroactiveLinks;
        return {};
    };

    // Writes the record at `index`; a result when the import ends there.
    const auto writeRecord = [&](const QString &path, const QifTransaction &parsed,
                                 int index) -> std::optional<ImportResult> {
        const int n = index + 1;
        if (n % progressInterval == 0)
            reportProgress(n, total);
        if (outcomes[index] == Outcome::Unmapped) {
            ++result.unmappedSkipped;
            return std::nullopt;
        }
        if (outcomes[index] == Outcome::Duplicate) {
            ++result.duplicates;
            return std::nullopt;
        }

        LegInfo leg{parsed.accountName, parsed.transferAccount, parsed.date, parsed.amount,
                    targetOf(path, parsed)};
        const int decimals = stateOf(leg.targetAccountId).decimals;
        Transaction transaction;
        transaction.id = idOf(index);
        transaction.accountId = leg.targetAccountId;
        transaction.date = parsed.date;
        transaction.payee = qifPayee(parsed);
        transaction.amount = centsToMinorUnits(parsed.amount, decimals);
        transaction.memo = parsed.memo;
        transaction.checkNumber = parsed.checkNumber;
        transaction.cleared = parsed.cleared;
        transaction.reconciled = parsed.reconciled;
        transaction.isSplit = !parsed.splits.isEmpty();
        transaction.createdAt = importedAt;
        transaction.updatedAt = transaction.createdAt;
        transaction.categoryId = categories.idFor(parsed.category);
        if (!categories.failedName().isEmpty())
            return abort(categoryFailure());

        std::optional<Candidate> candidate;
        const int partner = partners[index];
        if (partner >= 0) {
            transaction.transferLinkId = idOf(partner);
            transaction.transferDestAccountId = targetIds.value(pairing.targetOf(partner));
        } else {
            candidate = resolveOneSided(leg, transaction);
        }

        if (!writer.insertTransaction(transaction)) {
            const QSqlError error = writer.lastTransactionError();
            if (StorageError::isStorageError(error) || !guard.isIntact())
                return abort(error.text());
            if (staged) {
                *retryRowByRow = true;
                return ImportResult();
            }
            qWarning().noquote() << "QIF import: insert failed for" << dateToText(transaction.date)
                                 << transaction.payee << "amount" << transaction.amount << "account"
                                 << transaction.accountId;
            ++result.databaseErrors;
            outcomes[index] = Outcome::Failed;
            ids.remove(index);
            if (candidate) {
                // Not linked after all: a later leg may still claim it.
                stateOf(candidate->accountId).candidates[candidate->key].push_front(candidate->id);
            }
            if (partner >= 0) {
                partners[partner] = -1;
                if (outcomes[partner] == Outcome::Inserted) {
                    // The partner already points at this row, which does not exist: make it
                    // one-sided again, as if it never had a partner.
                    auto [repaired, partnerLeg] = awaitingPartner.take(partner);
                    repaired.transferLinkId.clear();
                    repaired.transferDestAccountId.clear();
                    const std::optional<Candidate> partnerCandidate = resolveOneSided(partnerLeg, repaired);
                    if (!m_transactions->update(repaired))
                        return abort(QStringLiteral("failed to repair transfer partner"));
                    if (partnerCandidate) {
                        const QString reason =
                            linkCandidate(*partnerCandidate, repaired.id, repaired.accountId);
                        if (!reason.isEmpty())
                            return abort(reason);
                    }
                }
                partners[index] = -1;
            }
            return std::nullopt;
        }
        touchedAccounts.insert(transaction.accountId);

        if (candidate) {
            const QString reason = linkCandidate(*candidate, transaction.id, transaction.accountId);
            if (!reason.isEmpty())
                return abort(reason);
        }

        for (const QifSplit &split : parsed.splits) {
            SplitLine line;
            line.id = newId();
            line.transactionId = transaction.id;
            line.categoryId = categories.idFor(splitCategoryName(split), splitCategoryType(split));
            line.amount = centsToMinorUnits(split.amount, decimals);
            line.memo = split.transferAccount.isEmpty() ? split.memo
                                                        : withTransferHint(split.transferAccount, split.memo);
            line.createdAt = transaction.createdAt;
            line.updatedAt = transaction.createdAt;
            if (!categories.failedName().isEmpty())
                return abort(categoryFailure());
            if (!writer.insertSplitLine(line)) {
                // Row by row, the only way a split line fails is through the storage: its
                // transaction was just written and its category exists. A transaction must not
                // be kept without one of its lines.
                const QSqlError error = writer.lastSplitLineError();
                if (!staged || StorageError::isStorageError(error) || !guard.isIntact())
                    return abort(staged ? error.text() : QStringLiteral("failed to store a split line"));
                *retryRowByRow = true;
                return ImportResult();
            }
        }

        outcomes[index] = Outcome::Inserted;
        if (partner > index) {
            awaitingPartner.insert(index, {std::move(transaction), std::move(leg)});
        } else {
            ids.remove(index);
            if (partner >= 0) {
                awaitingPartner.remove(partner);
                ids.remove(partner);
            }
        }
        ++result.imported;
        return std::nullopt;
    };

    int written = 0;
    std::optional<ImportResult> ended;
    for (const SourceFile &file : sources) {
        // A file with nothing to write (a re-import) is not read again: its counts are known.
        if (std::none_of(outcomes.cbegin() + file.first, outcomes.cbegin() + file.end,
                         [](Outcome outcome) { return outcome == Outcome::Waiting; })) {
            for (int index = file.first; index < file.end; ++index) {
                if ((index + 1) % progressInterval == 0)
                    reportProgress(index + 1, total);
                ++(outcomes[index] == Outcome::Unmapped ? result.unmappedSkipped : result.duplicates);
            }
            written = file.end;
            continue;
        }
        const auto write = [&](QifTransaction &&transaction) {
            if (ended)
                return;
            if (written >= file.end) {
                ended = abort(QStringLiteral("%1 changed while it was read").arg(file.path));
                return;
            }
            ended = writeRecord(file.path, transaction, written++);
        };
        const QifParseResult again = QifParser::read(file.source, write);
        if (ended)
            return *ended;
        if (!again.error.isEmpty() || written != file.end)
            return abort(QStringLiteral("%1 changed while it was read").arg(file.path));
    }
    // Only links that exist: both legs of an in-batch pair were written.
    pairing.forEachLeg([&](int i) {
        const int partner = partners[i];
        if (partner > i && outcomes[i] == Outcome::Inserted && outcomes[partner] == Outcome::Inserted)
            ++result.transfersLinked;
    });

    if (!unreadableAccount.isEmpty())
        return abort(unreadableAccount);
    QSqlError moveError;
    if (!writer.finish(processEventsBriefly, &moveError)) {
        if (StorageError::isStorageError(moveError) || !guard.isIntact())
            return abort(moveError.text());
        qInfo().noquote() << "QIF import: bulk insert failed, importing row by row:" << moveError.text();
        *retryRowByRow = true;
        return {};
    }
    if (!guard.commit())
        return abort(QStringLiteral("commit failed: %1").arg(guard.lastError()));
    for (const QString &accountId : std::as_const(touchedAccounts))
        emit m_transactions->transactionsChanged(accountId);
    emit importProgress(total, total);
    return result;
}
