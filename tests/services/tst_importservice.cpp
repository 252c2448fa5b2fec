#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/datetext.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/csvreader.h"
#include "services/importservice.h"
#include "services/importtext.h"
#include "services/qifparser.h"
#include "support/recordbuilders.h"
#include "support/testdatabase.h"

#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <limits>

Q_DECLARE_METATYPE(ImportResult)
Q_DECLARE_METATYPE(CsvImportOptions)

namespace {

ImportResult counters(int imported, int duplicates = 0, int unparseable = 0)
{
    ImportResult result;
    result.imported = imported;
    result.duplicates = duplicates;
    result.unparseable = unparseable;
    return result;
}

const char checkingSavingsQif[] = "!Account\nNChecking\nTBank\n^\n!Type:Bank\n"
                                  "D03/01/2024\nPTo savings\nT-100.00\nMmonthly\nL[Savings]\n^\n"
                                  "D03/02/2024\nPRent\nT-800.00\nLHousing\n^\n"
                                  "!Account\nNSavings\nTBank\n^\n!Type:Bank\n"
                                  "D03/01/2024\nPFrom checking\nT100.00\nL[Checking]\n^\n";

} // namespace

class TestImportService : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void csvImport_data();
    void csvImport();
    void csvDuplicatesCountOccurrencesAcrossImports();
    void duplicateOfAStoredRowIsSameDateAmountAndPayee_data();
    void duplicateOfAStoredRowIsSameDateAmountAndPayee();
    void csvCreatesEachCategoryOnce();
    void csvMissingFileGivesZeroResult();
    void csvFailedInsertsAreCountedNotReportedAsImported();
    void qifPairsTransfersInsideTheBatch();
    void qifPairsEachLegWithTheFirstLaterPartner();
    void qifLinksRetroactivelyThroughTheHint();
    void qifReimportAddsAndLinksNothing();
    void qifDuplicateLegLeavesPartnerOneSided();
    void qifFailedInsertLeavesPartnerOneSided_data();
    void qifFailedInsertLeavesPartnerOneSided();
    void qifUnmappedAndSkippedSources();
    void qifTransferToOwnAccountIsPlain();
    void qifFieldsPayeeFallbackAndSplits();
    void qifYenAccountStoresWholeYen();
    void qifResolvesParentChildCategories_data();
    void qifResolvesParentChildCategories();
    void qifAbortRollsEverythingBack();
    void storageErrorAbortsTheWholeImport_data();
    void importIntoDeletedAccountIsRefused();
    void csvColumnsNearIntMaxAreUnparseableNotACrash_data();
    void csvColumnsNearIntMaxAreUnparseableNotACrash();
    void storageErrorAbortsTheWholeImport();
    void progressEvery100Records();
    void analyzeQif();
    void golden_data();
    void golden();
    void corpus();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);
    QString addAccount(const QString &name, Currency currency = Currency::USD);
    QStringList rows(const QString &accountId) const; // "date|amount|payee", sorted
    Transaction only(const QString &accountId, const QString &payee) const;
    QString categoryPath(const QString &categoryId) const; // "Parent > Child:type"

    std::unique_ptr<QTemporaryDir> m_files;
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<SplitLineRepository> m_splitLines;
    std::unique_ptr<ImportService> m_service;
};

void TestImportService::init()
{
    m_files = std::make_unique<QTemporaryDir>();
    m_db = std::make_unique<TestDatabase>();
    QVERIFY(m_db->isReady());
    m_accounts = std::make_unique<AccountRepository>(m_db->database());
    m_transactions = std::make_unique<TransactionRepository>(m_db->database());
    m_categories = std::make_unique<CategoryRepository>(m_db->database());
    m_splitLines = std::make_unique<SplitLineRepository>(m_db->database());
    m_service = std::make_unique<ImportService>(m_db->database(), m_transactions.get(), m_categories.get(),
                                                m_splitLines.get());
}

void TestImportService::cleanup()
{
    m_service.reset();
    m_splitLines.reset();
    m_categories.reset();
    m_transactions.reset();
    m_accounts.reset();
    m_db.reset();
    m_files.reset();
}

QString TestImportService::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_files->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

QString TestImportService::addAccount(const QString &name, Currency currency)
{
    const Account account = Records::account(name).currency(currency);
    return m_accounts->insert(account) ? account.id : QString();
}

QStringList TestImportService::rows(const QString &accountId) const
{
    QStringList result;
    for (const Transaction &transaction : m_transactions->byAccount(accountId))
        result.append(ImportService::duplicateKey(transaction.date, transaction.amount, transaction.payee));
    std::sort(result.begin(), result.end());
    return result;
}

Transaction TestImportService::only(const QString &accountId, const QString &payee) const
{
    Transaction found;
    int count = 0;
    for (const Transaction &transaction : m_transactions->byAccount(accountId)) {
        if (transaction.payee == payee) {
            found = transaction;
            ++count;
        }
    }
    return count == 1 ? found : Transaction();
}

QString TestImportService::categoryPath(const QString &categoryId) const
{
    const std::optional<Category> category = m_categories->findById(categoryId);
    if (!category)
        return QStringLiteral("none");
    QString path = category->name + QLatin1Char(':') + categoryTypeToString(category->type);
    if (category->parentId.isEmpty())
        return path;
    const std::optional<Category> parent = m_categories->findById(category->parentId);
    return (parent ? parent->name : QStringLiteral("missing")) + QStringLiteral(" > ") + path;
}

void TestImportService::csvImport_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<Currency>("currency");
    QTest::addColumn<CsvImportOptions>("options");
    QTest::addColumn<ImportResult>("expected");
    QTest::addColumn<QStringList>("stored");

    const CsvImportOptions defaults;
    CsvImportOptions shortYear;
    shortYear.dateFormat = QStringLiteral("MM/dd/yy");
    CsvImportOptions european;
    european.dateFormat = QStringLiteral("dd.MM.yyyy");
    european.delimiter = QLatin1Char(';');
    european.hasHeader = false;

    QTest::newRow("plain rows")
        << QByteArray("Date,Payee,Amount\n01/05/2024,Corner Store,-12.34\n01/06/2024,Employer,\"1,500.00\"\n")
        << Currency::USD << defaults << counters(2)
        << QStringList{"2024-01-05|-1234|Corner Store", "2024-01-06|150000|Employer"};
    QTest::newRow("fault: decimal comma is not grouping")
        << QByteArray("Date,Payee,Amount\n01/05/2024,Bakery,\"-10,00\"\n") << Currency::EUR << defaults
        << counters(1) << QStringList{"2024-01-05|-1000|Bakery"};
    QTest::newRow("fault: currency sign is read, not zero")
        << QByteArray("Date,Payee,Amount\n01/05/2024,Pub,£12.50\n01/06/2024,Shop,(3.00)\n") << Currency::GBP
        << defaults << counters(2) << QStringList{"2024-01-05|1250|Pub", "2024-01-06|-300|Shop"};
    QTest::newRow("fault: yen stored as whole yen")
        << QByteArray("Date,Payee,Amount\n01/05/2024,Ramen,-1500\n01/06/2024,Kiosk,\"-1,200\"\n")
        << Currency::JPY << defaults << counters(2)
        << QStringList{"2024-01-05|-1500|Ramen", "2024-01-06|-1200|Kiosk"};
    QTest::newRow("fault: two-digit years 00-69 are 20xx")
        << QByteArray("Date,Payee,Amount\n01/05/24,New,-1.00\n12/31/99,Old,-2.00\n02/29/00,Leap,-3.00\n")
        << Currency::USD << shortYear << counters(3)
        << QStringList{"1999-12-31|-200|Old", "2000-02-29|-300|Leap", "2024-01-05|-100|New"};
    QTest::newRow("fault: identical rows in one file both land")
        << QByteArray("Date,Payee,Amount\n01/05/2024,Coffee,-3.00\n01/05/2024,Coffee,-3.00\n")
        << Currency::USD << defaults << counters(2)
        << QStringList{"2024-01-05|-300|Coffee", "2024-01-05|-300|Coffee"};
    QTest::newRow("short row and bad date are unparseable")
        << QByteArray("Date,Payee,Amount\n01/05/2024,Only two\nPending,Shop,-1.00\n13/45/2024,Shop,-1.00\n")
        << Currency::USD << defaults << counters(0, 0, 3) << QStringList();
    QTest::newRow("empty payee is stored, not refused")
        << QByteArray("Date,Payee,Amount\n01/05/2024,,-1.00\n") << Currency::USD << defaults << counters(1)
        << QStringList{"2024-01-05|-100|"};
    QTest::newRow("unreadable amount imports as zero")
        << QByteArray("Date,Payee,Amount\n01/05/2024,Mystery,n/a\n") << Currency::USD << defaults
        << counters(1) << QStringList{"2024-01-05|0|Mystery"};
    QTest::newRow("semicolons, no header, day first")
        << QByteArray("27.02.2024;Miete;-850,00\n28.02.2024;\"Lohn; Februar\";2.500,00\n") << Currency::EUR
        << european << counters(2)
        << QStringList{"2024-02-27|-85000|Miete", "2024-02-28|250000|Lohn; Februar"};
    QTest::newRow("header only") << QByteArray("Date,Payee,Amount\n") << Currency::USD << defaults
                                 << counters(0) << QStringList();
    QTest::newRow("file ends inside a quoted field")
        << QByteArray("Date,Payee,Amount\n01/05/2024,\"Unfinished,-1.00\n") << Currency::USD << defaults
        << counters(0, 0, 1) << QStringList();
    QTest::newRow("binary bytes") << QByteArray("\x00\xFF\xFE\x01,\x02\n\x80", 8) << Currency::USD << defaults
                                  << counters(0, 0, 1) << QStringList();
}

void TestImportService::csvImport()
{
    QFETCH(QByteArray, csv);
    QFETCH(Currency, currency);
    QFETCH(CsvImportOptions, options);
    QFETCH(ImportResult, expected);
    QFETCH(QStringList, stored);

    const QString account = addAccount(QStringLiteral("Target"), currency);
    const ImportResult result =
        m_service->importCsv(writeFile(QStringLiteral("in.csv"), csv), account, options);
    QCOMPARE(result, expected);
    QCOMPARE(rows(account), stored);
}

// k identical records against m stored ones import max(0, k - m).
void TestImportService::csvDuplicatesCountOccurrencesAcrossImports()
{
    const QString account = addAccount(QStringLiteral("Checking"));
    const QByteArray twice(
        "Date,Payee,Amount\n01/05/2024,Coffee,-3.00\n01/05/2024,Coffee,-3.00\n01/06/2024,Tea,-2.00\n");
    QCOMPARE(m_service->importCsv(writeFile(QStringLiteral("a.csv"), twice), account, {}), counters(3));
    QCOMPARE(m_service->importCsv(writeFile(QStringLiteral("a.csv"), twice), account, {}), counters(0, 3));

    const QByteArray thrice(
        "Date,Payee,Amount\n01/05/2024,Coffee,-3.00\n01/05/2024,Coffee,-3.00\n01/05/2024,Coffee,-3.00\n");
    QCOMPARE(m_service->importCsv(writeFile(QStringLiteral("b.csv"), thrice), account, {}), counters(1, 2));
    QCOMPARE(rows(account).count(QStringLiteral("2024-01-05|-300|Coffee")), 3);
}

void TestImportService::duplicateOfAStoredRowIsSameDateAmountAndPayee_data()
{
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<bool>("duplicate");
    QTest::newRow("same") << QByteArray("01/05/2024,Café Ünö,-3.00") << true;
    QTest::newRow("payee in other case") << QByteArray("01/05/2024,café ünö,-3.00") << false;
    QTest::newRow("other payee") << QByteArray("01/05/2024,Tea,-3.00") << false;
    QTest::newRow("other amount") << QByteArray("01/05/2024,Café Ünö,-3.01") << false;
    QTest::newRow("opposite amount") << QByteArray("01/05/2024,Café Ünö,3.00") << false;
    QTest::newRow("other day") << QByteArray("01/06/2024,Café Ünö,-3.00") << false;
    QTest::newRow("same day, other year") << QByteArray("01/05/2025,Café Ünö,-3.00") << false;
}

// A record is a duplicate of a stored row when date, amount and payee (case-sensitive) are equal.
void TestImportService::duplicateOfAStoredRowIsSameDateAmountAndPayee()
{
    QFETCH(QByteArray, row);
    QFETCH(bool, duplicate);
    const QString account = addAccount(QStringLiteral("Checking"));
    QCOMPARE(m_service->importCsv(
                 writeFile(QStringLiteral("a.csv"), "Date,Payee,Amount\n01/05/2024,Café Ünö,-3.00\n"),
                 account, {}),
             counters(1));
    QCOMPARE(m_service->importCsv(writeFile(QStringLiteral("b.csv"), "Date,Payee,Amount\n" + row + '\n'),
                                  account, {}),
             duplicate ? counters(0, 1) : counters(1));
}

void TestImportService::csvCreatesEachCategoryOnce()
{
    const QString account = addAccount(QStringLiteral("Checking"));
    QVERIFY(m_categories->insert(Records::category(QStringLiteral("Groceries"))));
    CsvImportOptions options;
    options.memoColumn = 3;
    options.categoryColumn = 4;
    const QByteArray csv(
        "Date,Payee,Amount,Memo,Category\n01/05/2024,Shop,-1.00,milk,Groceries\n"
        "01/06/2024,Cinema,-9.00,,Fun\n01/07/2024,Theatre,-20.00,seats,Fun\n01/08/2024,Misc,-1.00\n");
    QCOMPARE(m_service->importCsv(writeFile(QStringLiteral("c.csv"), csv), account, options), counters(4));
    QCOMPARE(m_categories->all().size(), 2);
    const std::optional<Category> fun = m_categories->findByName(QStringLiteral("Fun"));
    QVERIFY(fun);
    QCOMPARE(fun->type, CategoryType::Expense);
    QCOMPARE(only(account, QStringLiteral("Cinema")).categoryId, fun->id);
    QCOMPARE(only(account, QStringLiteral("Theatre")).categoryId, fun->id);
    QCOMPARE(only(account, QStringLiteral("Theatre")).memo, QStringLiteral("seats"));
    QCOMPARE(only(account, QStringLiteral("Shop")).categoryId,
             m_categories->findByName(QStringLiteral("Groceries"))->id);
    QCOMPARE(only(account, QStringLiteral("Misc")).categoryId, QString());
}

void TestImportService::csvMissingFileGivesZeroResult()
{
    QSignalSpy started(m_service.get(), &ImportService::importStarted);
    const ImportResult result = m_service->importCsv(m_files->filePath(QStringLiteral("absent.csv")),
                                                     addAccount(QStringLiteral("Checking")), {});
    QCOMPARE(result, ImportResult());
    QCOMPARE(started.count(), 0);
}

// The staged write cannot tell which row failed; the import runs again row by row, and every
// failed row is counted instead of disappearing.
void TestImportService::csvFailedInsertsAreCountedNotReportedAsImported()
{
    const QString account = addAccount(QStringLiteral("Checking"));
    QVERIFY(m_db->exec(
        QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON transactions WHEN NEW.payee = 'Refused' "
                       "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                           "^CSV import: insert failed for 2024-01-06 Refused")));
    const QByteArray csv(
        "Date,Payee,Amount\n01/05/2024,Fine,-1.00\n01/06/2024,Refused,-2.00\n01/07/2024,Also fine,-3.00\n");
    ImportResult expected = counters(2);
    expected.databaseErrors = 1;
    QCOMPARE(m_service->importCsv(writeFile(QStringLiteral("f.csv"), csv), account, {}), expected);
    QCOMPARE(rows(account), (QStringList{QStringLiteral("2024-01-05|-100|Fine"),
                                         QStringLiteral("2024-01-07|-300|Also fine")}));
}

// Checking sends 100.00 to Savings; both legs are in the file and both accounts are mapped.
void TestImportService::qifPairsTransfersInsideTheBatch()
{
    const QString checking = addAccount(QStringLiteral("Everyday"));
    const QString savings = addAccount(QStringLiteral("Rainy Day"));
    const QString path = writeFile(QStringLiteral("both.qif"), checkingSavingsQif);
    const ImportResult result = m_service->importQif(
        {path}, {{QStringLiteral("checking"), checking}, {QStringLiteral("SAVINGS"), savings}});
    QCOMPARE(result.imported, 3);
    QCOMPARE(result.transfersLinked, 1);
    QCOMPARE(result.retroactiveLinks, 0);
    const Transaction out = only(checking, QStringLiteral("To savings"));
    const Transaction in = only(savings, QStringLiteral("From checking"));
    QCOMPARE(out.transferLinkId, in.id);
    QCOMPARE(out.transferDestAccountId, savings);
    QCOMPARE(in.transferLinkId, out.id);
    QCOMPARE(in.transferDestAccountId, checking);
    QCOMPARE(out.memo, QStringLiteral("monthly"));
    QCOMPARE(in.memo, QString());
}

// The hash-based pairing must find the same partner as a scan of the later items would: the
// first unpaired later leg.
void TestImportService::qifPairsEachLegWithTheFirstLaterPartner()
{
    const QString checking = addAccount(QStringLiteral("Checking"));
    const QString savings = addAccount(QStringLiteral("Savings"));
    const QByteArray qif("!Account\nNChecking\n^\n!Type:Bank\n"
                         "D1/1/24\nPOut 1\nT-5.00\nL[Savings]\n^\nD1/1/24\nPOut 2\nT-5.00\nL[Savings]\n^\n"
                         "!Account\nNSavings\n^\n!Type:Bank\n"
                         "D1/1/24\nPIn 1\nT5.00\nL[Checking]\n^\nD1/1/24\nPIn 2\nT5.00\nL[Checking]\n^\n"
                         "D1/1/24\nPIn 3\nT5.00\nL[Checking]\n^\n");
    const ImportResult result =
        m_service->importQif({writeFile(QStringLiteral("t.qif"), qif)},
                             {{QStringLiteral("Checking"), checking}, {QStringLiteral("Savings"), savings}});
    QCOMPARE(result.imported, 5);
    QCOMPARE(result.transfersLinked, 2);
    QCOMPARE(only(checking, QStringLiteral("Out 1")).transferLinkId,
             only(savings, QStringLiteral("In 1")).id);
    QCOMPARE(only(checking, QStringLiteral("Out 2")).transferLinkId,
             only(savings, QStringLiteral("In 2")).id);
    const Transaction third = only(savings, QStringLiteral("In 3"));
    QCOMPARE(third.transferLinkId, QString());
    QCOMPARE(third.memo, QStringLiteral("[\u2192 Checking]"));
}

// Checking is imported alone first; a later import of both links the new Savings leg to the
// stored Checking row and takes the hint off it.
void TestImportService::qifLinksRetroactivelyThroughTheHint()
{
    const QString checking = addAccount(QStringLiteral("Checking"));
    const QString savings = addAccount(QStringLiteral("Savings"));
    const QString path = writeFile(QStringLiteral("both.qif"), checkingSavingsQif);

    ImportResult first = m_service->importQif({path}, {{QStringLiteral("Checking"), checking}});
    QCOMPARE(first.imported, 2);
    QCOMPARE(first.unmappedSkipped, 1);
    QCOMPARE(first.transfersLinked, 0);
    const Transaction hinted = only(checking, QStringLiteral("To savings"));
    QCOMPARE(hinted.memo, QStringLiteral("[\u2192 Savings] monthly"));
    QCOMPARE(hinted.transferLinkId, QString());

    QSignalSpy changed(m_transactions.get(), &TransactionRepository::transactionsChanged);
    const ImportResult second = m_service->importQif(
        {path}, {{QStringLiteral("Checking"), checking}, {QStringLiteral("Savings"), savings}});
    QCOMPARE(second.imported, 1);
    QCOMPARE(second.duplicates, 2);
    QCOMPARE(second.transfersLinked, 1);
    QCOMPARE(second.retroactiveLinks, 1);
    QVERIFY(!second.aborted);
    const Transaction linkedOut = only(checking, QStringLiteral("To savings"));
    const Transaction in = only(savings, QStringLiteral("From checking"));
    QCOMPARE(linkedOut.memo, QStringLiteral("monthly"));
    QCOMPARE(linkedOut.transferLinkId, in.id);
    QCOMPARE(linkedOut.transferDestAccountId, savings);
    QCOMPARE(linkedOut.version, hinted.version + 1);
    QCOMPARE(in.transferLinkId, linkedOut.id);
    QCOMPARE(in.transferDestAccountId, checking);
    QVERIFY(changed.contains(QVariantList{savings}));
}

void TestImportService::qifReimportAddsAndLinksNothing()
{
    const QString checking = addAccount(QStringLiteral("Checking"));
    const QString savings = addAccount(QStringLiteral("Savings"));
    const QString path = writeFile(QStringLiteral("both.qif"), checkingSavingsQif);
    const QifMapping mapping{{QStringLiteral("Checking"), checking}, {QStringLiteral("Savings"), savings}};
    QCOMPARE(m_service->importQif({path}, mapping).transfersLinked, 1);
    const QStringList before = rows(checking) + rows(savings);

    const ImportResult again = m_service->importQif({path}, mapping);
    QCOMPARE(again.imported, 0);
    QCOMPARE(again.duplicates, 3);
    QCOMPARE(again.transfersLinked, 0); // fault: pairs of duplicates were reported as linked
    QCOMPARE(rows(checking) + rows(savings), before);
}

// One leg was stored before, the other is new: the new leg must not point at the reserved id of
// the skipped duplicate (a row that never exists) but link to the stored row.
void TestImportService::qifDuplicateLegLeavesPartnerOneSided()
{
    const QString checking = addAccount(QStringLiteral("Checking"));
    const QString savings = addAccount(QStringLiteral("Savings"));
    Transaction stored =
        Records::transaction(checking, QDate(2024, 3, 1), -10000).payee(QStringLiteral("To savings"));
    QVERIFY(m_transactions->insert(stored));
    const ImportResult result =
        m_service->importQif({writeFile(QStringLiteral("both.qif"), checkingSavingsQif)},
                             {{QStringLiteral("Checking"), checking}, {QStringLiteral("Savings"), savings}});
    QCOMPARE(result.duplicates, 1);
    QCOMPARE(result.imported, 2);
    QCOMPARE(result.transfersLinked, 0);
    const Transaction in = only(savings, QStringLiteral("From checking"));
    QCOMPARE(in.transferLinkId, QString());
    QCOMPARE(in.memo, QStringLiteral("[\u2192 Checking]"));
    QVERIFY(!m_transactions->findById(in.transferLinkId));
}

void TestImportService::qifFailedInsertLeavesPartnerOneSided_data()
{
    QTest::addColumn<QString>("refusedPayee");
    QTest::addColumn<QString>("survivorPayee");
    QTest::addColumn<QString>("survivorHint");
    QTest::newRow("first leg fails") << "To savings"
                                     << "From checking"
                                     << "[\u2192 Checking]";
    QTest::newRow("second leg fails, first is repaired") << "From checking"
                                                         << "To savings"
                                                         << "[\u2192 Savings] monthly";
}

void TestImportService::qifFailedInsertLeavesPartnerOneSided()
{
    QFETCH(QString, refusedPayee);
    QFETCH(QString, survivorPayee);
    QFETCH(QString, survivorHint);
    const QString checking = addAccount(QStringLiteral("Checking"));
    const QString savings = addAccount(QStringLiteral("Savings"));
    QVERIFY(
        m_db->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON transactions WHEN NEW.payee = '%1' "
                                  "BEGIN SELECT RAISE(ABORT, 'refused'); END")
                       .arg(refusedPayee)));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^QIF import: insert failed for")));
    const ImportResult result =
        m_service->importQif({writeFile(QStringLiteral("both.qif"), checkingSavingsQif)},
                             {{QStringLiteral("Checking"), checking}, {QStringLiteral("Savings"), savings}});
    QCOMPARE(result.databaseErrors, 1);
    QCOMPARE(result.imported, 2);
    QCOMPARE(result.transfersLinked, 0);
    QVERIFY(!result.aborted);
    const QString survivorAccount = survivorPayee == QLatin1String("To savings") ? checking : savings;
    const Transaction survivor = only(survivorAccount, survivorPayee);
    QCOMPARE(survivor.transferLinkId, QString());
    QCOMPARE(survivor.transferDestAccountId, QString());
    QCOMPARE(survivor.memo, survivorHint);
}

void TestImportService::qifUnmappedAndSkippedSources()
{
    const QString checking = addAccount(QStringLiteral("Checking"));
    const QString loose = addAccount(QStringLiteral("Loose"));
    const QString accounts =
        writeFile(QStringLiteral("accounts.qif"),
                  "!Account\nNChecking\n^\n!Type:Bank\nD1/1/24\nT-1.00\nPa\n^\n"
                  "!Account\nNSkipped\n^\n!Type:Bank\nD1/1/24\nT-2.00\nPb\n^\n"
                  "!Account\nNMissing\n^\n!Type:Bank\nD1/1/24\nT-3.00\nPc\n^\nPno date\n^\n"
                  "!Type:Memorized\nPRent\n^\n");
    const QString headerless =
        writeFile(QStringLiteral("headerless.qif"), "!Type:Bank\nD1/2/24\nT-4.00\nPd\n^\n");
    const ImportResult result =
        m_service->importQif({accounts, headerless, m_files->filePath(QStringLiteral("absent.qif"))},
                             {{QStringLiteral("Checking"), checking},
                              {QStringLiteral("Skipped"), QString()},
                              {headerless, loose}});
    QCOMPARE(result.imported, 2);
    QCOMPARE(result.unmappedSkipped, 2);
    QCOMPARE(result.unparseable, 1);
    QCOMPARE(result.metadataSkipped, 1);
    QCOMPARE(rows(loose), QStringList{QStringLiteral("2024-01-02|-400|d")});
}

void TestImportService::qifTransferToOwnAccountIsPlain()
{
    const QString checking = addAccount(QStringLiteral("Checking"));
    const ImportResult result = m_service->importQif(
        {writeFile(QStringLiteral("own.qif"),
                   "!Account\nNChecking\n^\n!Type:Bank\nD1/1/24\nPOpening Balance\nT50.00\n"
                   "L[checking]\n^\n")},
        {{QStringLiteral("Checking"), checking}});
    QCOMPARE(result.imported, 1);
    const Transaction opening = only(checking, QStringLiteral("Opening Balance"));
    QCOMPARE(opening.memo, QString());
    QCOMPARE(opening.transferLinkId, QString());
}

void TestImportService::qifFieldsPayeeFallbackAndSplits()
{
    const QString brokerage = addAccount(QStringLiteral("Brokerage"));
    const QString qif =
        writeFile(QStringLiteral("fields.qif"),
                  "!Type:Cat\nNBonus\nI\n^\nNGroceries\nE\n^\n"
                  "!Account\nNBrokerage\n^\n!Type:Invst\nD6/1/24\nNBuy\nYACME\nT50.00\n^\n"
                  "!Type:Bank\nD6/2/24\nN1001\nT-1.00\nCR\n^\n"
                  "D6/3/24\nT-2.00\n^\n"
                  "D6/4/24\nPSupermarket\nT-60.00\nSGroceries\nEFood\n$-45.00\nS[Savings]\n$-15.00\n^\n");
    const ImportResult result = m_service->importQif({qif}, {{QStringLiteral("Brokerage"), brokerage}});
    QCOMPARE(result.imported, 4);
    QCOMPARE(only(brokerage, QStringLiteral("Buy: ACME")).amount, Money(5000));
    const Transaction check = only(brokerage, QStringLiteral("1001"));
    QCOMPARE(check.checkNumber, QStringLiteral("1001"));
    QVERIFY(check.cleared);
    QVERIFY(check.reconciled);
    QVERIFY(!only(brokerage, QStringLiteral("Imported transaction")).id.isEmpty());

    const std::optional<Category> bonus = m_categories->findByName(QStringLiteral("Bonus"));
    QVERIFY(bonus);
    QCOMPARE(bonus->type, CategoryType::Income);
    const Transaction split = only(brokerage, QStringLiteral("Supermarket"));
    QVERIFY(split.isSplit);
    QCOMPARE(
        m_db->scalar(QStringLiteral(
                         "SELECT COUNT(*) FROM split_lines WHERE transaction_id = '%1' AND amount = -4500 "
                         "AND memo = 'Food' AND category_id = '%2'")
                         .arg(split.id, m_categories->findByName(QStringLiteral("Groceries"))->id))
            .toInt(),
        1);
    // A transfer leg of a split has no category of its own; it must still be stored, with the hint.
    const std::optional<Category> transfer = m_categories->findByName(QStringLiteral("Transfer"));
    QVERIFY(transfer);
    QCOMPARE(transfer->type, CategoryType::Transfer);
    QCOMPARE(
        m_db->scalar(QStringLiteral(
                         "SELECT COUNT(*) FROM split_lines WHERE transaction_id = '%1' AND amount = -1500 "
                         "AND memo = '[\u2192 Savings]' AND category_id = '%2'")
                         .arg(split.id, transfer->id))
            .toInt(),
        1);
}

void TestImportService::qifYenAccountStoresWholeYen()
{
    const QString yen = addAccount(QStringLiteral("Tokyo"), Currency::JPY);
    const ImportResult result = m_service->importQif(
        {writeFile(QStringLiteral("yen.qif"), "!Account\nNTokyo\n^\n!Type:Bank\nD1/1/24\nPRamen\nT-1,500\n^\n"
                                              "D1/2/24\nPSalary\nT250000\n^\n")},
        {{QStringLiteral("Tokyo"), yen}});
    QCOMPARE(result.imported, 2);
    QCOMPARE(rows(yen), (QStringList{QStringLiteral("2024-01-01|-1500|Ramen"),
                                     QStringLiteral("2024-01-02|250000|Salary")}));
}

// Quicken names a subcategory "Parent:Child". Every row of a case is imported twice (two payees),
// so each case also shows that one text is resolved to one category, created at most once.
void TestImportService::qifResolvesParentChildCategories_data()
{
    QTest::addColumn<QByteArray>("categoryList");
    QTest::addColumn<QByteArray>("fields");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("categoriesAfter"); // the fixture holds three

    QTest::newRow("fault: Parent:Child made a flat category beside the existing child")
        << QByteArray() << QByteArray("LShopping:Electronics\n") << "Shopping > Electronics:expense" << 3;
    QTest::newRow("blanks around the separator")
        << QByteArray() << QByteArray("LShopping : Electronics\n") << "Shopping > Electronics:expense" << 3;
    QTest::newRow("missing child goes under the existing parent")
        << QByteArray() << QByteArray("LShopping:Gadgets\n") << "Shopping > Gadgets:expense" << 4;
    QTest::newRow("child of an income parent is income")
        << QByteArray() << QByteArray("LSalary:Bonus\n") << "Salary > Bonus:income" << 4;
    QTest::newRow("missing parent and child are both created")
        << QByteArray() << QByteArray("LHobbies:Models\n") << "Hobbies > Models:expense" << 5;
    QTest::newRow("deeper levels stay one child of the first")
        << QByteArray() << QByteArray("LAuto:Fuel:Diesel\n") << "Auto > Fuel:Diesel:expense" << 5;
    QTest::newRow("fault: split line made a flat category too")
        << QByteArray() << QByteArray("SShopping:Electronics\n$-10.00\n") << "Shopping > Electronics:expense"
        << 3;
    QTest::newRow("plain name still finds the child")
        << QByteArray() << QByteArray("LElectronics\n") << "Shopping > Electronics:expense" << 3;
    QTest::newRow("category list builds the tree with its income flag")
        << QByteArray("!Type:Cat\nNGifts:Received\nI\n^\n") << QByteArray("LGifts:Received\n")
        << "Gifts > Received:income" << 5;
}

void TestImportService::qifResolvesParentChildCategories()
{
    QFETCH(QByteArray, categoryList);
    QFETCH(QByteArray, fields);
    QFETCH(QString, expected);
    QFETCH(int, categoriesAfter);

    Category shopping = Records::category(QStringLiteral("Shopping"));
    Category salary = Records::category(QStringLiteral("Salary"));
    salary.type = CategoryType::Income;
    QVERIFY(m_categories->insert(shopping));
    QVERIFY(m_categories->insert(Records::category(QStringLiteral("Electronics")).parent(shopping.id)));
    QVERIFY(m_categories->insert(salary));
    const QString checking = addAccount(QStringLiteral("Checking"));

    QByteArray qif = categoryList + "!Account\nNChecking\n^\n!Type:Bank\n";
    for (const char *payee : {"Shop 1", "Shop 2"})
        qif += QByteArray("D1/5/24\nP") + payee + "\nT-10.00\n" + fields + "^\n";
    QCOMPARE(m_service
                 ->importQif({writeFile(QStringLiteral("tree.qif"), qif)},
                             {{QStringLiteral("Checking"), checking}})
                 .imported,
             2);

    for (const QString &payee : {QStringLiteral("Shop 1"), QStringLiteral("Shop 2")}) {
        const Transaction transaction = only(checking, payee);
        const QString categoryId =
            transaction.isSplit
                ? m_db->scalar(
                          QStringLiteral("SELECT category_id FROM split_lines WHERE transaction_id = '%1'")
                              .arg(transaction.id))
                      .toString()
                : transaction.categoryId;
        QCOMPARE(categoryPath(categoryId), expected);
    }
    QCOMPARE(int(m_categories->all().size()), categoriesAfter);
}

// A retroactive link whose update fails stops the import: nothing of it remains, categories
// included.
void TestImportService::qifAbortRollsEverythingBack()
{
    const QString checking = addAccount(QStringLiteral("Checking"));
    const QString savings = addAccount(QStringLiteral("Savings"));
    const QString path = writeFile(QStringLiteral("both.qif"), checkingSavingsQif);
    QCOMPARE(m_service->importQif({path}, {{QStringLiteral("Checking"), checking}}).imported, 2);
    const QStringList before = rows(checking);
    const int categoriesBefore = int(m_categories->all().size());

    QVERIFY(m_db->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE UPDATE ON transactions "
                                      "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    const QString more =
        writeFile(QStringLiteral("more.qif"), "!Account\nNSavings\n^\n!Type:Bank\n"
                                              "D02/01/2024\nPInterest\nT1.00\nLBrand New Category\n^\n");
    QSignalSpy progress(m_service.get(), &ImportService::importProgress);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("TransactionRepository::update failed")));
    QTest::ignoreMessage(QtWarningMsg, "QIF import aborted: failed to update retroactive partner");
    const ImportResult result = m_service->importQif(
        {more, path}, {{QStringLiteral("Checking"), checking}, {QStringLiteral("Savings"), savings}});
    QVERIFY(result.aborted);
    QCOMPARE(rows(checking), before);
    QCOMPARE(rows(savings), QStringList());
    QCOMPARE(int(m_categories->all().size()), categoriesBefore);
    QCOMPARE(progress.last(), (QVariantList{4, 4}));
}

// A storage error (full disk, read-only file) is no row's fault: the import stops, rolls back
// everything it wrote and says why, whether it was writing in bulk or row by row. A trigger that
// refuses the first record sends the import down the row-by-row path.
void TestImportService::storageErrorAbortsTheWholeImport_data()
{
    QTest::addColumn<bool>("qif");
    QTest::addColumn<bool>("rowByRow");
    QTest::addColumn<QString>("fault");
    for (const bool qif : {false, true}) {
        for (const bool rowByRow : {false, true}) {
            for (const QString &fault : {QStringLiteral("full"), QStringLiteral("read-only")}) {
                const QString name =
                    QStringLiteral("%1 %2 %3")
                        .arg(qif ? QStringLiteral("qif") : QStringLiteral("csv"),
                             rowByRow ? QStringLiteral("row by row") : QStringLiteral("staged"), fault);
                QTest::newRow(qPrintable(name)) << qif << rowByRow << fault;
            }
        }
    }
}

void TestImportService::storageErrorAbortsTheWholeImport()
{
    QFETCH(bool, qif);
    QFETCH(bool, rowByRow);
    QFETCH(QString, fault);

    const QString checking = addAccount(QStringLiteral("Checking"));
    const QString savings = addAccount(QStringLiteral("Savings"));
    constexpr int records = 3000;
    const QString memo(200, QLatin1Char('m'));
    QByteArray bytes = qif ? QByteArray("!Account\nNChecking\n^\n!Type:Bank\n")
                           : QByteArray("Date,Payee,Amount,Memo,Category\n");
    for (int i = 0; i < records; ++i) {
        const QString payee = i == 0 ? QStringLiteral("Refused") : QStringLiteral("Payee %1").arg(i);
        const QString category = QStringLiteral("Category %1").arg(i % 50);
        if (qif) {
            bytes +=
                QStringLiteral("D1/2/24\nP%1\nT-%2.00\nM%3\n%4\n^\n")
                    .arg(payee)
                    .arg(i + 1)
                    .arg(memo, i % 10 == 0 ? QStringLiteral("L[Savings]") : QStringLiteral("L") + category)
                    .toUtf8();
        } else {
            bytes += QStringLiteral("01/02/2024,%1,-%2.00,%3,%4\n")
                         .arg(payee)
                         .arg(i + 1)
                         .arg(memo, category)
                         .toUtf8();
        }
    }
    const QString path = writeFile(QStringLiteral("big.txt"), bytes);
    if (rowByRow) {
        QVERIFY(
            m_db->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON transactions WHEN NEW.payee = "
                                      "'Refused' BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    }
    const int categoriesBefore = int(m_categories->all().size());
    if (fault == QLatin1String("full")) {
        const qint64 pages = m_db->scalar(QStringLiteral("PRAGMA page_count")).toLongLong();
        QVERIFY(m_db->exec(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 8)));
    } else {
        QVERIFY(m_db->exec(QStringLiteral("PRAGMA query_only = 1")));
    }

    const QifMapping mapping{{QStringLiteral("Checking"), checking}, {QStringLiteral("Savings"), savings}};
    const auto runImport = [&] {
        return qif ? m_service->importQif({path}, mapping)
                   : m_service->importCsv(path, checking, CsvImportOptions{0, 1, 2, 3, 4});
    };
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("import aborted: ")));
    const ImportResult failed = runImport();
    QVERIFY(failed.aborted);
    QVERIFY(!failed.failure.isEmpty());
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 0);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM split_lines")).toInt(), 0);
    QCOMPARE(int(m_categories->all().size()), categoriesBefore);

    // The connection is whole again once the fault is gone: the same import stores every record.
    QVERIFY(m_db->exec(QStringLiteral("PRAGMA max_page_count = 1073741823")));
    QVERIFY(m_db->exec(QStringLiteral("PRAGMA query_only = 0")));
    if (rowByRow)
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("insert failed for 2024-01-02 Refused")));
    const ImportResult stored = runImport();
    QVERIFY(!stored.aborted);
    QCOMPARE(stored.imported, rowByRow ? records - 1 : records);
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), stored.imported);
    QCOMPARE(m_db->scalar(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
}

// Rows written into a deleted account are seen by nobody: both imports refuse it and write nothing.
void TestImportService::importIntoDeletedAccountIsRefused()
{
    const QString live = addAccount(QStringLiteral("Checking"));
    const QString gone = addAccount(QStringLiteral("Savings"));
    QVERIFY(m_accounts->softDelete(gone));
    const QString csv = writeFile(QStringLiteral("f.csv"), "Date,Payee,Amount\n01/05/2024,Shop,-1.00\n");
    const QString qif = writeFile(QStringLiteral("both.qif"), checkingSavingsQif);

    const ImportResult csvResult = m_service->importCsv(csv, gone, {});
    QVERIFY(csvResult.aborted);
    QVERIFY(csvResult.failure.contains(gone));
    const ImportResult qifResult =
        m_service->importQif({qif}, {{QStringLiteral("Checking"), live}, {QStringLiteral("Savings"), gone}});
    QVERIFY(qifResult.aborted);
    QVERIFY(qifResult.failure.contains(gone));
    QCOMPARE(m_db->scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 0);
}

void TestImportService::csvColumnsNearIntMaxAreUnparseableNotACrash_data()
{
    QTest::addColumn<CsvImportOptions>("options");
    CsvImportOptions date;
    date.dateColumn = std::numeric_limits<int>::max();
    CsvImportOptions payee;
    payee.payeeColumn = std::numeric_limits<int>::max();
    CsvImportOptions amount;
    amount.amountColumn = std::numeric_limits<int>::max();
    QTest::newRow("fault: date column INT_MAX wrapped the field count") << date;
    QTest::newRow("fault: payee column INT_MAX") << payee;
    QTest::newRow("fault: amount column INT_MAX") << amount;
}

void TestImportService::csvColumnsNearIntMaxAreUnparseableNotACrash()
{
    QFETCH(CsvImportOptions, options);
    const QString account = addAccount(QStringLiteral("Checking"));
    const QString csv = writeFile(QStringLiteral("f.csv"), "Date,Payee,Amount\n01/05/2024,Shop,-1.00\n");
    QCOMPARE(m_service->importCsv(csv, account, options), counters(0, 0, 1));
}

void TestImportService::progressEvery100Records()
{
    const QString account = addAccount(QStringLiteral("Checking"));
    QByteArray qif("!Type:Bank\n");
    for (int i = 0; i < 250; ++i)
        qif += QStringLiteral("D1/1/24\nPPayee %1\nT-1.00\n^\n").arg(i).toUtf8();
    const QString path = writeFile(QStringLiteral("many.qif"), qif);
    QSignalSpy started(m_service.get(), &ImportService::importStarted);
    QSignalSpy progress(m_service.get(), &ImportService::importProgress);
    const ImportResult result = m_service->importQif({path}, {{path, account}});
    QCOMPARE(result.imported, 250);
    QCOMPARE(started.count(), 1);
    QCOMPARE(started.first(), QVariantList{250});
    QCOMPARE(progress.count(), 3);
    QCOMPARE(progress.at(0), (QVariantList{100, 250}));
    QCOMPARE(progress.at(1), (QVariantList{200, 250}));
    QCOMPARE(progress.at(2), (QVariantList{250, 250}));
}

void TestImportService::analyzeQif()
{
    const QString a =
        writeFile(QStringLiteral("a.qif"), "!Account\nNMy Savings\n^\n!Type:Bank\nD1/1/24\nT1\n^\n"
                                           "!Account\nNVisa\n^\n!Type:CCard\nD1/1/24\nT1\n^\n"
                                           "!Account\nNHouse\n^\n!Type:Oth A\nD1/1/24\nT1\n^\n");
    const QString b =
        writeFile(QStringLiteral("b.qif"), "!Account\nNMY SAVINGS\n^\n!Type:Bank\nD1/2/24\nT1\n^\n");
    const QString c =
        writeFile(QStringLiteral("normalTransactions.qif"), "!Type:Bank\nD1/2/24\nT1\n^\nD1/3/24\nT1\n^\n");
    const QString d = writeFile(QStringLiteral("bank.2024-03.qif"), "D1/4/24\nT1\n^\n");
    const QifAnalysis analysis =
        m_service->analyzeQif({a, m_files->filePath(QStringLiteral("absent.qif")), b, c, d});
    QCOMPARE(analysis.totalTransactions, 7);
    // A file without account blocks offers an account named after the file, without its
    // extension (it offered "normalTransactions.qif").
    const QList<QifSourceEntry> expected{
        {QStringLiteral("My Savings"), QStringLiteral("My Savings"), false, AccountType::Savings,
         QStringLiteral("My Savings")},
        {QStringLiteral("Visa"), QStringLiteral("Visa"), false, AccountType::CreditCard,
         QStringLiteral("Visa")},
        {QStringLiteral("House"), QStringLiteral("House"), false, AccountType::Other,
         QStringLiteral("House")},
        {c, QStringLiteral("normalTransactions.qif (no account header)"), true, AccountType::Checking,
         QStringLiteral("normalTransactions")},
        {d, QStringLiteral("bank.2024-03.qif (no account header)"), true, AccountType::Checking,
         QStringLiteral("bank")},
    };
    QCOMPARE(analysis.entries, expected);
}

// Each folder holds QIF files and case.json: the accounts to create, the imports to run in order
// (files, mapping from source key to account name or "" for skip, the expected counters) and the
// rows every account holds at the end, as "date|amount|payee|memo|linked account:linked payee".
void TestImportService::golden_data()
{
    QTest::addColumn<QString>("folder");
    const QString root = QFINDTESTDATA("../fixtures/import/qif-import");
    QVERIFY(!root.isEmpty());
    const QStringList cases = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QVERIFY(!cases.isEmpty());
    for (const QString &name : cases)
        QTest::newRow(qPrintable(name)) << root + QLatin1Char('/') + name;
}

void TestImportService::golden()
{
    QFETCH(QString, folder);
    QFile caseFile(folder + QStringLiteral("/case.json"));
    QVERIFY(caseFile.open(QIODevice::ReadOnly));
    const QJsonObject caseDefinition = QJsonDocument::fromJson(caseFile.readAll()).object();
    QVERIFY(!caseDefinition.isEmpty());

    QHash<QString, QString> accountIds;
    QHash<QString, QString> accountNames;
    for (const QJsonValue &name : caseDefinition.value(QStringLiteral("accounts")).toArray()) {
        const QString id = addAccount(name.toString());
        accountIds.insert(name.toString(), id);
        accountNames.insert(id, name.toString());
    }
    int step = 0;
    for (const QJsonValue &stepValue : caseDefinition.value(QStringLiteral("steps")).toArray()) {
        ++step;
        const QJsonObject stepObject = stepValue.toObject();
        QStringList files;
        for (const QJsonValue &file : stepObject.value(QStringLiteral("files")).toArray())
            files.append(folder + QLatin1Char('/') + file.toString());
        QifMapping mapping;
        const QJsonObject map = stepObject.value(QStringLiteral("mapping")).toObject();
        for (auto it = map.begin(); it != map.end(); ++it) {
            const QString key = QFile::exists(folder + QLatin1Char('/') + it.key())
                                    ? folder + QLatin1Char('/') + it.key()
                                    : it.key();
            mapping.insert(key, accountIds.value(it.value().toString()));
        }
        const ImportResult result = m_service->importQif(files, mapping);
        const QJsonObject expected = stepObject.value(QStringLiteral("result")).toObject();
        const QJsonObject actual{
            {QStringLiteral("imported"), result.imported},
            {QStringLiteral("duplicates"), result.duplicates},
            {QStringLiteral("unparseable"), result.unparseable},
            {QStringLiteral("metadata_skipped"), result.metadataSkipped},
            {QStringLiteral("unmapped_skipped"), result.unmappedSkipped},
            {QStringLiteral("transfers_linked"), result.transfersLinked},
            {QStringLiteral("retroactive_links"), result.retroactiveLinks},
            {QStringLiteral("database_errors"), result.databaseErrors},
            {QStringLiteral("aborted"), result.aborted},
        };
        QVERIFY2(
            actual == expected,
            qPrintable(QStringLiteral("step %1: %2")
                           .arg(step)
                           .arg(QString::fromUtf8(QJsonDocument(actual).toJson(QJsonDocument::Compact)))));
    }

    const QJsonObject expectedRows = caseDefinition.value(QStringLiteral("rows")).toObject();
    QStringList names = accountIds.keys();
    std::sort(names.begin(), names.end());
    QCOMPARE(expectedRows.keys(), names);
    for (auto it = expectedRows.begin(); it != expectedRows.end(); ++it) {
        QStringList actual;
        for (const Transaction &transaction : m_transactions->byAccount(accountIds.value(it.key()))) {
            QString link;
            if (!transaction.transferLinkId.isEmpty()) {
                const std::optional<Transaction> partner =
                    m_transactions->findById(transaction.transferLinkId);
                link = partner ? accountNames.value(partner->accountId) + QLatin1Char(':') + partner->payee
                               : QStringLiteral("missing");
                if (partner && (partner->transferLinkId != transaction.id ||
                                partner->accountId != transaction.transferDestAccountId))
                    link += QStringLiteral(" (not mutual)");
            }
            actual.append(QStringLiteral("%1|%2|%3|%4|%5")
                              .arg(dateToText(transaction.date), QString::number(transaction.amount),
                                   transaction.payee, transaction.memo, link));
        }
        std::sort(actual.begin(), actual.end());
        QStringList expected;
        for (const QJsonValue &row : it.value().toArray())
            expected.append(row.toString());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(actual, expected);
    }
}

// Real files from other projects: every transaction is accounted for as imported, duplicate,
// unmapped or failed, and unparseable records are counted as the parser counts them.
void TestImportService::corpus()
{
    const QString corpusDir = qEnvironmentVariable("ZIMBREL_CORPUS_DIR");
    if (corpusDir.isEmpty() || !QDir(corpusDir).exists())
        QSKIP("ZIMBREL_CORPUS_DIR is not set or absent");
    int files = 0;
    QDirIterator it(corpusDir, {QStringLiteral("*.qif"), QStringLiteral("*.QIF"), QStringLiteral("*.csv")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        ++files;
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QString text = decodeImportText(file.readAll());
        if (path.endsWith(QLatin1String(".csv"))) {
            const QString account = addAccount(path);
            CsvImportOptions options;
            options.delimiter = detectCsvDelimiter(text);
            const int rowCount = int(splitCsv(text, options.delimiter).size());
            const ImportResult result = m_service->importCsv(path, account, options);
            QVERIFY2(!result.aborted, qPrintable(path));
            QCOMPARE(result.imported + result.duplicates + result.unparseable + result.databaseErrors,
                     std::max(0, rowCount - 1));
            QCOMPARE(int(m_transactions->byAccount(account).size()), result.imported);
            continue;
        }
        const QifParseResult parsed = QifParser::parse(text);
        const QifAnalysis analysis = m_service->analyzeQif({path});
        QifMapping mapping;
        for (const QifSourceEntry &entry : analysis.entries)
            mapping.insert(entry.key, addAccount(entry.displayName));
        const ImportResult result = m_service->importQif({path}, mapping);
        QVERIFY2(!result.aborted, qPrintable(path));
        QCOMPARE(result.imported + result.duplicates + result.unmappedSkipped + result.databaseErrors,
                 int(parsed.transactions.size()));
        QCOMPARE(result.unparseable, parsed.unparseableCount);
        QCOMPARE(result.databaseErrors, 0);
        int stored = 0;
        for (const QString &account : std::as_const(mapping))
            stored += int(m_transactions->byAccount(account).size());
        QCOMPARE(stored, result.imported);

        // A second import of the same file adds nothing.
        const ImportResult again = m_service->importQif({path}, mapping);
        QCOMPARE(again.imported, 0);
        QCOMPARE(again.transfersLinked, 0);
    }
    QVERIFY(files > 0);
}

QTEST_GUILESS_MAIN(TestImportService)
#include "tst_importservice.moc"
