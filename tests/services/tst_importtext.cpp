#include "services/csvreader.h"
#include "services/importtext.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTest>

using Rows = QList<QStringList>;

class TestImportText : public QObject
{
    Q_OBJECT

private slots:
    void decode_data();
    void decode();
    void splitCsv_data();
    void splitCsv();
    void splitCsvBounds_data();
    void splitCsvBounds();
    void detectDelimiter_data();
    void detectDelimiter();
    void csvDate_data();
    void csvDate();
    void corpusCsv();
};

void TestImportText::decode_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("plain ascii") << QByteArray("PShop\n") << QStringLiteral("PShop\n");
    QTest::newRow("utf-8 bom dropped") << QByteArray("\xEF\xBB\xBF"
                                                     "P\xC2\xA3"
                                                     "5")
                                       << QStringLiteral("P£5");
    QTest::newRow("bom alone") << QByteArray("\xEF\xBB\xBF") << QString();
    QTest::newRow("two bom bytes are windows-1252") << QByteArray("\xEF\xBB") << QStringLiteral("ï»");
    QTest::newRow("utf-16 little-endian") << QByteArray("\xFF\xFE"
                                                        "P\0\xAC\x20",
                                                        6)
                                          << QStringLiteral("P€");
    QTest::newRow("utf-16 big-endian") << QByteArray("\xFE\xFF\0P\x20\xAC", 6) << QStringLiteral("P€");
    QTest::newRow("utf-8 without bom") << QByteArray("caf\xC3\xA9 \xE2\x84\xA2") << QStringLiteral("café ™");
    QTest::newRow("windows-1252 pound, trade mark, euro")
        << QByteArray("P\xA3\x99\x80") << QStringLiteral("P£™€");
    QTest::newRow("undefined 1252 positions keep their code point")
        << QByteArray("\x81\x8D\x8F\x90\x9D") << QStringLiteral("\u0081\u008D\u008F\u0090\u009D");
    QTest::newRow("overlong slash is not utf-8") << QByteArray("a\xC0\xAF") << QStringLiteral("aÀ¯");
    QTest::newRow("surrogate is not utf-8") << QByteArray("\xED\xA0\x80") << QStringLiteral("í\u00A0€");
    QTest::newRow("cut-off sequence is not utf-8") << QByteArray("ab\xE2\x82") << QStringLiteral("abâ‚");
    QTest::newRow("above U+10FFFF is not utf-8")
        << QByteArray("\xF4\x90\x80\x80") << QStringLiteral("ô\u0090€€");
    QTest::newRow("four-byte utf-8") << QByteArray("\xF0\x9F\x92\xB6") << QStringLiteral("💶");
    QTest::newRow("binary zeros survive")
        << QByteArray("a\0b", 3) << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b"));
}

void TestImportText::decode()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    QCOMPARE(decodeImportText(bytes), expected);
}

void TestImportText::splitCsv_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("delimiter");
    QTest::addColumn<Rows>("expected");

    const QChar comma = QLatin1Char(',');
    QTest::newRow("empty") << "" << comma << Rows();
    QTest::newRow("trimmed fields") << " a , b ,c\n" << comma << Rows{{"a", "b", "c"}};
    QTest::newRow("no final line break") << "a,b\nc,d" << comma << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("blank lines dropped") << "a\n\n\nb\n" << comma << Rows{{"a"}, {"b"}};
    QTest::newRow("empty fields kept") << ",\n,,x\n" << comma << Rows{{"", ""}, {"", "", "x"}};
    QTest::newRow("quoted comma and line break") << "\"Smith, J\",\"two\nlines\",3\n"
                                                 << comma << Rows{{"Smith, J", "two\nlines", "3"}};
    QTest::newRow("doubled quote") << "\"say \"\"hi\"\"\",x\n" << comma << Rows{{"say \"hi\"", "x"}};
    QTest::newRow("crlf") << "a,b\r\nc,d\r\n" << comma << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("fault: lone carriage return ends a row")
        << "a,b\rc,d\r" << comma << Rows{{"a", "b"}, {"c", "d"}};
    QTest::newRow("cr cr lf gives no extra row") << "a\r\r\nb\n" << comma << Rows{{"a"}, {"b"}};
    QTest::newRow("ends inside a quoted field")
        << "a,\"unfinished\nrest" << comma << Rows{{"a", "unfinished\nrest"}};
    QTest::newRow("quote at the very end") << "a,\"b\"" << comma << Rows{{"a", "b"}};
    QTest::newRow("semicolon") << "1;\"x;y\";2,50\n" << QChar(QLatin1Char(';')) << Rows{{"1", "x;y", "2,50"}};
    QTest::newRow("tab") << "1\t2,5\t\n" << QChar(QLatin1Char('\t')) << Rows{{"1", "2,5", ""}};
}

void TestImportText::splitCsv()
{
    QFETCH(QString, text);
    QFETCH(QChar, delimiter);
    QFETCH(Rows, expected);
    QCOMPARE(::splitCsv(text, delimiter), expected);
}

void TestImportText::splitCsvBounds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("error");
    const QString widest = QString(maxCsvFields - 1, QLatin1Char(','));
    QTest::newRow("widest row") << QStringLiteral("a,b\n") + widest + QStringLiteral("\n") << 2 << QString();
    QTest::newRow("fault: a file of commas became millions of fields")
        << QStringLiteral("a,b\r\nc,d\r\n") + widest + QLatin1Char(',') << 2
        << QStringLiteral("line 3: more than 256 fields");
    QTest::newRow("longest row") << QString(maxCsvRecordLength - 1, QLatin1Char('x')) + QLatin1Char('\n') << 1
                                 << QString();
    QTest::newRow("fault: one endless row")
        << QStringLiteral("a\n") + QString(maxCsvRecordLength + 1, QLatin1Char('x')) << 1
        << QStringLiteral("line 2: a row longer than 65536 characters");
    QTest::newRow("fault: a quote never closed runs over the lines")
        << QStringLiteral("a\n\"") + QStringLiteral("x\n").repeated(maxCsvRecordLength) << 1
        << QStringLiteral("line 2: a row longer than 65536 characters");
}

// A row beyond the bounds stops the split, names its first line and keeps the rows before it.
void TestImportText::splitCsvBounds()
{
    QFETCH(QString, text);
    QFETCH(int, rows);
    QFETCH(QString, error);
    QString actual = QStringLiteral("not cleared");
    QCOMPARE(int(::splitCsv(text, QLatin1Char(','), &actual).size()), rows);
    QCOMPARE(actual, error);
}

void TestImportText::detectDelimiter_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QChar>("expected");

    QTest::newRow("empty") << "" << QChar(QLatin1Char(','));
    QTest::newRow("one column") << "a\nb\n" << QChar(QLatin1Char(','));
    QTest::newRow("comma") << "Date,Payee,Amount\n1/2/24,Shop,-1.00\n" << QChar(QLatin1Char(','));
    QTest::newRow("semicolon with decimal commas") << "Datum;Omschrijving;Bedrag;Saldo\n01-02-2024;Winkel;-1,"
                                                      "50;100,25\n02-02-2024;Loon;+2500,00;2600,25\n"
                                                   << QChar(QLatin1Char(';'));
    QTest::newRow("tab with decimal commas") << "01.02.2024\tShop\t-1,50\n02.02.2024\tPay\t2,00\n"
                                             << QChar(QLatin1Char('\t'));
    QTest::newRow("quoted semicolons do not count") << "\"a;b\",c\n\"d;e\",f\n" << QChar(QLatin1Char(','));
    QTest::newRow("preamble before the table")
        << "Account statement\nPeriod: January\n\nDate,Payee,Amount\n1/2/24,Shop,-1.00\n1/3/24,Cafe,-2.00\n"
        << QChar(QLatin1Char(','));
}

void TestImportText::detectDelimiter()
{
    QFETCH(QString, text);
    QFETCH(QChar, expected);
    QCOMPARE(detectCsvDelimiter(text), expected);
}

void TestImportText::csvDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("us") << "12/25/2023"
                        << "MM/dd/yyyy" << QDate(2023, 12, 25);
    QTest::newRow("european") << "25/12/2023"
                              << "dd/MM/yyyy" << QDate(2023, 12, 25);
    QTest::newRow("iso") << "2023-12-25"
                         << "yyyy-MM-dd" << QDate(2023, 12, 25);
    QTest::newRow("short parts") << "1/5/2024"
                                 << "M/d/yyyy" << QDate(2024, 1, 5);
    QTest::newRow("leading zeros missing") << "1/5/2024"
                                           << "MM/dd/yyyy" << QDate(2024, 1, 5);
    QTest::newRow("three-digit day") << "01/123/2024"
                                     << "MM/dd/yyyy" << QDate();
    QTest::newRow("blanks around") << " 01/05/2024 "
                                   << "MM/dd/yyyy" << QDate(2024, 1, 5);
    QTest::newRow("two-digit year 24 is 2024") << "01/05/24"
                                               << "MM/dd/yy" << QDate(2024, 1, 5);
    QTest::newRow("two-digit year 69 is 2069") << "01/05/69"
                                               << "MM/dd/yy" << QDate(2069, 1, 5);
    QTest::newRow("two-digit year 70 is 1970") << "01/05/70"
                                               << "MM/dd/yy" << QDate(1970, 1, 5);
    QTest::newRow("leap day of 2000") << "02/29/00"
                                      << "MM/dd/yy" << QDate(2000, 2, 29);
    QTest::newRow("dotted") << "27.02.2007"
                            << "dd.MM.yyyy" << QDate(2007, 2, 27);
    QTest::newRow("month name") << "12-Dec-2019"
                                << "dd-MMM-yyyy" << QDate(2019, 12, 12);
    QTest::newRow("month name short year") << "12-Dec-19"
                                           << "dd-MMM-yy" << QDate(2019, 12, 12);
    QTest::newRow("wrong separator") << "12-25-2023"
                                     << "MM/dd/yyyy" << QDate();
    QTest::newRow("trailing text") << "12/25/2023x"
                                   << "MM/dd/yyyy" << QDate();
    QTest::newRow("not a date") << "Pending"
                                << "MM/dd/yyyy" << QDate();
    QTest::newRow("invalid day") << "02/30/2024"
                                 << "MM/dd/yyyy" << QDate();
    QTest::newRow("empty") << ""
                           << "MM/dd/yyyy" << QDate();
}

void TestImportText::csvDate()
{
    QFETCH(QString, text);
    QFETCH(QString, pattern);
    QFETCH(QDate, expected);
    QCOMPARE(parseCsvDate(text, pattern), expected);
}

// Real bank exports: decoding, delimiter detection and splitting never lose a byte's worth of
// text into nothing, and the known delimiters are found.
void TestImportText::corpusCsv()
{
    const QString corpusDir = qEnvironmentVariable("ZIMBREL_CORPUS_DIR");
    if (corpusDir.isEmpty() || !QDir(corpusDir + QStringLiteral("/csv")).exists())
        QSKIP("ZIMBREL_CORPUS_DIR is not set or absent");
    QDirIterator it(corpusDir + QStringLiteral("/csv"), QDir::Files, QDirIterator::Subdirectories);
    int files = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
        const QByteArray bytes = file.readAll();
        const QString text = decodeImportText(bytes);
        QVERIFY2(bytes.isEmpty() || !text.isEmpty(), qPrintable(path));
        const QChar delimiter = detectCsvDelimiter(text);
        const QList<QStringList> rows = ::splitCsv(text, delimiter);
        for (const QStringList &row : rows)
            QVERIFY2(!row.isEmpty(), qPrintable(path));
        if (path.endsWith(QLatin1String("test_delimiter_tab.csv")))
            QCOMPARE(delimiter, QLatin1Char('\t'));
        if (path.endsWith(QLatin1String("export_BE11123456789012_20180304_1422.csv")))
            QCOMPARE(delimiter, QLatin1Char(';'));
        ++files;
    }
    QVERIFY(files > 0);
}

QTEST_GUILESS_MAIN(TestImportText)
#include "tst_importtext.moc"
