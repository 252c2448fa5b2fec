#include "data/money.h"
#include "services/importtext.h"
#include "services/qifjson.h"
#include "services/qifparser.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <optional>

class TestQifParser : public QObject
{
    Q_OBJECT

private slots:
    void parseAmount_data();
    void parseAmount();
    void parseDate_data();
    void parseDate();
    void detectDateOrder_data();
    void detectDateOrder();
    void categoryField_data();
    void categoryField();
    void counters_data();
    void counters();
    void golden_data();
    void golden();
    void accountBlockKeepsItsAccountRecords();
    void hugeInputs();
    void boundsStopTheParse_data();
    void boundsStopTheParse();
    void readHandsOverWhatParseCollects_data();
    void readHandsOverWhatParseCollects();
    void corpus();
};

namespace {

// The streaming parse, its transactions collected as parse() collects them.
QifParseResult readCollected(const QByteArray &bytes, int *handedBack = nullptr)
{
    QList<QifTransaction> transactions;
    QifParseResult result = QifParser::read(QifSource(bytes), [&transactions](QifTransaction &&transaction) {
        transactions.append(std::move(transaction));
    });
    if (handedBack)
        *handedBack = int(result.transactions.size());
    if (result.error.isEmpty())
        result.transactions = std::move(transactions);
    return result;
}

} // namespace

void TestQifParser::parseAmount_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("point decimal with grouping") << "1,234.56" << 2 << true << qint64(123456);
    QTest::newRow("comma decimal with grouping") << "1.234,56" << 2 << true << qint64(123456);
    QTest::newRow("lone comma before three digits groups") << "1,234" << 2 << true << qint64(123400);
    QTest::newRow("lone comma before one digit is decimal") << "12,5" << 2 << true << qint64(1250);
    QTest::newRow("first group too long") << "1234,567" << 2 << false << qint64(0);
    QTest::newRow("irregular grouping") << "1,23,456" << 2 << false << qint64(0);
    QTest::newRow("repeated point groups") << "1.234.567" << 2 << true << qint64(123456700);
    QTest::newRow("parenthesised minus is positive") << "(-12.00)" << 2 << true << qint64(1200);
    QTest::newRow("parentheses negate") << "(12.00)" << 2 << true << qint64(-1200);
    QTest::newRow("dollar sign and minus") << "-$1,000.00" << 2 << true << qint64(-100000);
    QTest::newRow("pound sign") << "£12.50" << 2 << true << qint64(1250);
    QTest::newRow("euro with blank") << "€ 1.234,56" << 2 << true << qint64(123456);
    QTest::newRow("explicit plus") << "+5,00" << 2 << true << qint64(500);
    QTest::newRow("leading decimal comma") << ",5" << 2 << true << qint64(50);
    QTest::newRow("right-aligned blanks") << "     30.00" << 2 << true << qint64(3000);
    QTest::newRow("lone point") << "." << 2 << false << qint64(0);
    QTest::newRow("empty") << "" << 2 << false << qint64(0);
    QTest::newRow("only a sign") << "$" << 2 << false << qint64(0);
    QTest::newRow("letters glued on") << "42.32CX" << 2 << false << qint64(0);
    QTest::newRow("equals sign") << "=746.36" << 2 << false << qint64(0);
    QTest::newRow("three decimals after one digit group") << "0.285" << 2 << true << qint64(28500);
    QTest::newRow("half cent read exactly, not through a double")
        << "1,234.565" << 2 << true << qint64(123457);
    QTest::newRow("negative half cent read exactly") << "-1,000.005" << 2 << true << qint64(-100001);
    QTest::newRow("too large is refused, not wrapped") << "99999999999999999999" << 2 << false << qint64(0);
    QTest::newRow("largest amount") << "-10,000,000,000,000.00" << 2 << true << -maxAmount;
    QTest::newRow("fault: fits 64 bits, beyond the largest amount")
        << "60,000,000,000,000,000.00" << 2 << false << qint64(0);
    QTest::newRow("yen keeps whole units") << "1,500" << 0 << true << qint64(1500);
    QTest::newRow("yen rounds half away") << "-2.5" << 0 << true << qint64(-3);
}

void TestQifParser::parseAmount()
{
    QFETCH(QString, text);
    QFETCH(int, decimals);
    QFETCH(bool, ok);
    QFETCH(qint64, expected);
    const std::optional<qint64> amount = QifParser::parseAmount(text, decimals);
    QCOMPARE(amount.has_value(), ok);
    if (ok)
        QCOMPARE(*amount, expected);
}

void TestQifParser::parseDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QifDateOrder>("order");
    QTest::addColumn<QDate>("expected");

    const auto monthFirst = QifDateOrder::MonthFirst;
    const auto dayFirst = QifDateOrder::DayFirst;
    QTest::newRow("apostrophe year") << "12/25'23" << monthFirst << QDate(2023, 12, 25);
    QTest::newRow("short year above 31 is 19xx") << "1/2/85" << monthFirst << QDate(1985, 1, 2);
    QTest::newRow("short year 69 is 2069") << "1/2/69" << monthFirst << QDate(2069, 1, 2);
    QTest::newRow("short year below 32") << "1/2/31" << monthFirst << QDate(2031, 1, 2);
    QTest::newRow("iso month first") << "2023-12-25" << monthFirst << QDate(2023, 12, 25);
    QTest::newRow("iso day first") << "2023-12-25" << dayFirst << QDate(2023, 12, 25);
    QTest::newRow("day first") << "13/5/24" << dayFirst << QDate(2024, 5, 13);
    QTest::newRow("day first ambiguous") << "1/5/24" << dayFirst << QDate(2024, 5, 1);
    QTest::newRow("dotted day first") << "27.02.2007" << dayFirst << QDate(2007, 2, 27);
    QTest::newRow("blank inside") << "6/ 1/94" << monthFirst << QDate(1994, 6, 1);
    QTest::newRow("padded one-digit year") << "12/31' 2" << monthFirst << QDate(2002, 12, 31);
    QTest::newRow("apostrophe year 00") << "1/ 1'00" << monthFirst << QDate(2000, 1, 1);
    QTest::newRow("four-character year below 100") << "1/2/0099" << monthFirst << QDate(1999, 1, 2);
    QTest::newRow("extra parts ignored") << "1/2/2024/7" << monthFirst << QDate(2024, 1, 2);
    QTest::newRow("february 30") << "2/30/2024" << monthFirst << QDate();
    QTest::newRow("month 13") << "13/5/24" << monthFirst << QDate();
    QTest::newRow("no separators") << "20070122" << monthFirst << QDate();
    QTest::newRow("two parts") << "1/2" << monthFirst << QDate();
    QTest::newRow("words") << "Some Rubbish That ain't a date at all" << monthFirst << QDate();
    QTest::newRow("signed part") << "+1/2/2024" << monthFirst << QDate();
    QTest::newRow("huge part") << "1/2/99999999999999" << monthFirst << QDate();
}

void TestQifParser::parseDate()
{
    QFETCH(QString, text);
    QFETCH(QifDateOrder, order);
    QFETCH(QDate, expected);
    QCOMPARE(QifParser::parseDate(text, order), expected);
}

void TestQifParser::detectDateOrder_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QifDateOrder>("expected");

    QTest::newRow("no dates") << "!Type:Bank\nPx\n^\n" << QifDateOrder::MonthFirst;
    QTest::newRow("all ambiguous") << "D1/5/24\nD6/3/94\n" << QifDateOrder::MonthFirst;
    QTest::newRow("later line decides") << "D1/5/24\n^\nD13/5/24\n^\n" << QifDateOrder::DayFirst;
    QTest::newRow("year first never decides") << "D2024/13/01\n" << QifDateOrder::MonthFirst;
    QTest::newRow("second part above 12 is month first") << "D12/25/2023\n" << QifDateOrder::MonthFirst;
    QTest::newRow("bom and carriage returns")
        << QStringLiteral("\uFEFFD29/12/2010\r\n") << QifDateOrder::DayFirst;
    QTest::newRow("description lines ignored") << "DChecking account\nD5/6/2020\n"
                                               << QifDateOrder::MonthFirst;
}

void TestQifParser::detectDateOrder()
{
    QFETCH(QString, text);
    QFETCH(QifDateOrder, expected);
    QCOMPARE(QifParser::detectDateOrder(text), expected);
    QCOMPARE(QifParser::parse(text).dateOrder, expected);
}

void TestQifParser::categoryField_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("transfer");

    QTest::newRow("plain") << "  Groceries "
                           << "Groceries"
                           << "";
    QTest::newRow("transfer with class") << "[Savings]/Class"
                                         << ""
                                         << "Savings";
    QTest::newRow("class dropped") << "Dining/Sandwiches"
                                   << "Dining"
                                   << "";
    QTest::newRow("sub-category kept") << "Auto:Fuel"
                                       << "Auto:Fuel"
                                       << "";
    QTest::newRow("blank inside brackets") << "[Savings ]"
                                           << ""
                                           << "Savings";
    QTest::newRow("braces in name") << "[IF Cash ISA {G}]"
                                    << ""
                                    << "IF Cash ISA {G}";
    QTest::newRow("unclosed bracket is a category") << "[Savings"
                                                    << "[Savings"
                                                    << "";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
}

void TestQifParser::categoryField()
{
    QFETCH(QString, text);
    QFETCH(QString, category);
    QFETCH(QString, transfer);
    QString gotCategory = QStringLiteral("stale");
    QString gotTransfer = QStringLiteral("stale");
    QifParser::splitCategoryField(text, &gotCategory, &gotTransfer);
    QCOMPARE(gotCategory, category);
    QCOMPARE(gotTransfer, transfer);
}

void TestQifParser::counters_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("transactions");
    QTest::addColumn<int>("unparseable");
    QTest::addColumn<int>("skipped");
    QTest::addColumn<QStringList>("accounts");

    QTest::newRow("empty text") << "" << 0 << 0 << 0 << QStringList();
    QTest::newRow("only headers") << "!Type:Bank\n!Account\n!Type:Cat\n" << 0 << 0 << 0 << QStringList();
    QTest::newRow("no header, no account") << "D1/2/24\nT-1.00\n^\nD1/3/24\nT2.00\n"
                                           << 2 << 0 << 0 << QStringList();
    QTest::newRow("memorized record is skipped") << "!Type:Memorized\nPRent\nT-500.00\n^\n"
                                                 << 0 << 0 << 1 << QStringList();
    QTest::newRow("option and clear are skipped")
        << "!Option:AutoSwitch\n!Account\nNA\nTBank\n^\n!Clear:AutoSwitch\n"
        << 0 << 0 << 0 << QStringList();
    QTest::newRow("payee without date is unparseable") << "!Type:Bank\nPShop\nT-1.00\n^\n"
                                                       << 0 << 1 << 0 << QStringList();
    QTest::newRow("header completes a pending record") << "!Type:Bank\nD1/2/24\nT-1.00\n!Type:Memorized\nPx\n"
                                                       << 1 << 0 << 1 << QStringList();
    QTest::newRow("headers are case-insensitive, letters are not") << "!type:bank\nD1/2/24\nt100.00\n^\n"
                                                                   << 0 << 1 << 0 << QStringList();
    QTest::newRow("unknown letters alone are no content") << "!Type:Bank\n#comment\nZ1\n^\n"
                                                          << 0 << 0 << 0 << QStringList();
    QTest::newRow("same account in two cases")
        << "!Account\nNChecking\n^\n!Type:Bank\nD1/2/24\nT1\n^\n!Account\nNchecking\n^\n!Type:Bank\nD1/3/"
           "24\nT1\n^\n"
        << 2 << 0 << 0 << QStringList{QStringLiteral("Checking")};
    QTest::newRow("account without transactions is not listed")
        << "!Account\nNEmpty\n^\n!Account\nNFull\n^\n!Type:CCard\nD1/2/24\nT1\n^\n"
        << 1 << 0 << 0 << QStringList{QStringLiteral("Full")};
    QTest::newRow("fault: a line starting with ^ ends the record")
        << "!Type:Bank\nD1/2/24\nT-1.00\n^^\nD1/3/24\nT-2.00\n^^\nD1/4/24\nT-3.00\n^^\n"
        << 3 << 0 << 0 << QStringList();
    QTest::newRow("fault: register right after !Account without !Type")
        << "!Account\nNChecking\nTBank\n^\nD1/2/24\nT-1.00\nPShop\nN101\n^\nD1/3/24\nPNo amount\n^\n"
           "!Type:Bank\nD1/4/24\nT-3.00\n^\n"
        << 2 << 1 << 0 << QStringList{QStringLiteral("Checking")};
    QTest::newRow("lone carriage returns")
        << "!Type:Bank\rD1/2/24\rT-1.00\r^\rD1/3/24\rT2\r" << 2 << 0 << 0 << QStringList();
}

void TestQifParser::boundsStopTheParse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    const QString record = QStringLiteral("!Type:Bank\nD1/2/24\nPShop\nT-3.00\n");
    QTest::newRow("most splits")
        << record + QStringLiteral("SFood\n$-1.00\n").repeated(QifParser::maxSplitsPerRecord) +
               QStringLiteral("^\n")
        << QString();
    QTest::newRow("fault: bare S lines became millions of splits")
        << record + QStringLiteral("S\n").repeated(QifParser::maxSplitsPerRecord + 5)
        << QStringLiteral("line 1005: more than 1000 split lines in one record");
    QTest::newRow("fault: one endless line")
        << record + QStringLiteral("M") + QString(QifParser::maxLineLength, QLatin1Char('m')) +
               QStringLiteral("\n^\n")
        << QStringLiteral("line 5: longer than 4194304 characters");
}

// A file beyond the bounds is refused whole, naming the line: no records of a file read in part.
void TestQifParser::boundsStopTheParse()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    const QifParseResult result = QifParser::parse(text);
    QCOMPARE(result.error, error);
    QCOMPARE(result.transactions.size(), error.isEmpty() ? 1 : 0);
    if (error.isEmpty())
        QCOMPARE(result.transactions.first().splits.size(), QifParser::maxSplitsPerRecord);
}

void TestQifParser::counters()
{
    QFETCH(QString, text);
    QFETCH(int, transactions);
    QFETCH(int, unparseable);
    QFETCH(int, skipped);
    QFETCH(QStringList, accounts);
    const QifParseResult result = QifParser::parse(text);
    QCOMPARE(result.transactions.size(), transactions);
    QCOMPARE(result.unparseableCount, unparseable);
    QCOMPARE(result.skippedCount, skipped);
    QStringList names;
    for (const QifAccountInfo &account : result.accounts)
        names.append(account.name);
    QCOMPARE(names, accounts);
}

// Each folder holds input.qif and expected.json (the parse result as the command-line inspector
// prints it).
void TestQifParser::golden_data()
{
    QTest::addColumn<QString>("folder");
    const QString root = QFINDTESTDATA("../fixtures/import/qif");
    QVERIFY(!root.isEmpty());
    const QStringList cases = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    QVERIFY(!cases.isEmpty());
    for (const QString &name : cases)
        QTest::newRow(qPrintable(name)) << root + QLatin1Char('/') + name;
}

void TestQifParser::golden()
{
    QFETCH(QString, folder);
    QFile input(folder + QStringLiteral("/input.qif"));
    QVERIFY(input.open(QIODevice::ReadOnly));
    QFile expectedFile(folder + QStringLiteral("/expected.json"));
    QVERIFY(expectedFile.open(QIODevice::ReadOnly));
    QJsonParseError error;
    const QJsonDocument expected = QJsonDocument::fromJson(expectedFile.readAll(), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);

    const QByteArray bytes = input.readAll();
    const QifParseResult result = QifParser::parse(decodeImportText(bytes));
    QVERIFY(readCollected(bytes) == result);
    const QJsonObject actual = qifParseResultToJson(result);
    // Compare key by key so that a failure names the part that differs.
    for (const QString &key : expected.object().keys())
        QCOMPARE(QJsonDocument(QJsonObject{{key, actual.value(key)}}).toJson(),
                 QJsonDocument(QJsonObject{{key, expected.object().value(key)}}).toJson());
    QCOMPARE(actual.keys(), expected.object().keys());
}

// Account records keep their meaning inside an account block: a type word in T and a
// description in D make no transaction, and neither does a statement balance.
void TestQifParser::accountBlockKeepsItsAccountRecords()
{
    const QString text =
        QStringLiteral("!Account\nNHouse Loan\nTOth L\nDMortgage on 12/1/2020\n$1234.56\n/31/12/2025\n^\n"
                       "!Type:Oth L\nD1/2/24\nT-100.00\n^\n");
    const QifParseResult result = QifParser::parse(text);
    QCOMPARE(result.unparseableCount, 0);
    QCOMPARE(result.transactions.size(), 1);
    QCOMPARE(result.transactions.first().accountName, QStringLiteral("House Loan"));
    QCOMPARE(result.accounts,
             (QList<QifAccountInfo>{{QStringLiteral("House Loan"), QifAccountType::OtherLiability}}));
}

// Bad input gets a result and loses nothing: a megabyte line and a long register.
void TestQifParser::hugeInputs()
{
    QString text = QStringLiteral("!Type:Bank\nD1/2/24\nT-1.00\nM");
    text += QString(1 << 20, QLatin1Char('x'));
    text += QStringLiteral("\n^\n");
    const int records = 50000;
    text.reserve(text.size() + records * 24);
    for (int i = 0; i < records; ++i)
        text += QStringLiteral("D1/%1/24\nT-%2.00\n^\n").arg(1 + i % 28).arg(i);
    const QifParseResult result = QifParser::parse(text);
    QCOMPARE(result.transactions.size(), records + 1);
    QCOMPARE(result.transactions.first().memo.size(), 1 << 20);
    QCOMPARE(result.transactions.last().amount, qint64(-(records - 1)) * 100);
    QCOMPARE(result.unparseableCount, 0);
}

// The streaming parse reads the bytes a line at a time: it must see the text that decoding the
// whole file gives, whatever the encoding and line ends, and keep no transaction itself.
void TestQifParser::readHandsOverWhatParseCollects_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray records =
        "!Account\nNCaf\xC3\xA9 Card\nTCCard\n^\n!Type:CCard\nD31/1/24\nT-4.50\nPCaf\xC3\xA9 "
        "\xE2\x82\xAC\nLDining\n^\nD2/2/24\nU1,234.00\nPRefund\nSGifts\n$-1000\nS[Bank]\n$-234\n^";
    QTest::newRow("utf-8, last line unended") << records;
    QTest::newRow("utf-8 with a mark, CRLF")
        << QByteArray("\xEF\xBB\xBF" + QByteArray(records).replace("\n", "\r\n"));
    QTest::newRow("CR line ends") << QByteArray(records).replace("\n", "\r");
    QTest::newRow("mixed line ends, empty lines") << QByteArray(records).replace("^\n", "^\r\n\r\r\n");
    QTest::newRow("windows-1252") << QByteArray("!Type:Bank\nD1/2/24\nT-1.00\nPCaf\xE9 \x80 \x9D\n^\n");
    QByteArray utf16("\xFF\xFE");
    for (const QChar c : QString::fromUtf8(records))
        utf16.append(char(c.unicode() & 0xFF)).append(char(c.unicode() >> 8));
    QTest::newRow("utf-16 LE") << utf16;
    QTest::newRow("a mark on every line") << QByteArray("\xEF\xBB\xBF!Type:Bank\n\xEF\xBB\xBF"
                                                        "D1/2/24\nT-1\n^\n");
    QTest::newRow("beyond the bounds") << QByteArray("!Type:Bank\nD1/2/24\nT-1.00\n^\nD1/3/24\n" +
                                                     QByteArray(QifParser::maxLineLength + 1, 'x') + "\n^\n");
    QTest::newRow("empty") << QByteArray();
}

void TestQifParser::readHandsOverWhatParseCollects()
{
    QFETCH(QByteArray, bytes);
    int kept = -1;
    const QifParseResult read = readCollected(bytes, &kept);
    const QifParseResult parsed = QifParser::parse(decodeImportText(bytes));
    QCOMPARE(kept, 0);
    QCOMPARE(read.error, parsed.error);
    QCOMPARE(read.transactions.size(), parsed.transactions.size());
    QVERIFY(read == parsed);
}

// Real files from other projects: no crash, and every record of a file is either a transaction,
// a category, an account record, or counted.
void TestQifParser::corpus()
{
    const QString corpusDir = qEnvironmentVariable("ZIMBREL_CORPUS_DIR");
    if (corpusDir.isEmpty() || !QDir(corpusDir).exists())
        QSKIP("ZIMBREL_CORPUS_DIR is not set or absent");
    int files = 0;
    QDirIterator it(corpusDir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith(QLatin1String(".md")))
            continue;
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray bytes = file.readAll();
        const QString text = decodeImportText(bytes);
        const QifParseResult result = QifParser::parse(text);
        QVERIFY2(readCollected(bytes) == result, qPrintable(path));
        ++files;
        QVERIFY(result.dateOrder != QifDateOrder::Auto);
        QSet<QString> accountNames;
        for (const QifAccountInfo &account : result.accounts) {
            QVERIFY2(!account.name.isEmpty(), qPrintable(path));
            QVERIFY2(!accountNames.contains(account.name.toLower()), qPrintable(path));
            accountNames.insert(account.name.toLower());
        }
        for (const QifTransaction &transaction : result.transactions) {
            QVERIFY2(transaction.date.isValid(), qPrintable(path));
            QVERIFY2(transaction.accountName.isEmpty() ||
                         accountNames.contains(transaction.accountName.toLower()),
                     qPrintable(path));
        }
        // Every record ends at "^", at a header or at the end of the text, so no more records can
        // come out than there are such ends.
        int ends = 1;
        for (const QStringView line :
             QStringView(text).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")))) {
            const QStringView trimmed = line.trimmed();
            if (trimmed.startsWith(QLatin1Char('^')) || trimmed.startsWith(QLatin1Char('!')))
                ++ends;
        }
        QVERIFY2(result.transactions.size() + result.categories.size() + result.unparseableCount +
                         result.skippedCount <=
                     ends,
                 qPrintable(path));
    }
    QVERIFY(files > 0);
}

QTEST_GUILESS_MAIN(TestQifParser)
#include "tst_qifparser.moc"
