#include "services/csvcolumnguess.h"

#include <QTest>

Q_DECLARE_METATYPE(CsvColumnGuess)

namespace {

CsvColumnGuess columns(int date, int payee, int amount, int memo = -1, int category = -1,
                       int checkNumber = -1)
{
    return {date, payee, amount, memo, category, checkNumber};
}

} // namespace

class TestCsvColumnGuess : public QObject
{
    Q_OBJECT

private slots:
    void guess_data();
    void guess();
};

void TestCsvColumnGuess::guess_data()
{
    QTest::addColumn<QStringList>("header");
    QTest::addColumn<CsvColumnGuess>("expected");

    QTest::newRow("plain english export") << QStringList{"Date", "Description", "Amount"} << columns(0, 1, 2);
    QTest::newRow("fault: columns were taken by position, not by name")
        << QStringList{"Amount", "Payee", "Date"} << columns(2, 1, 0);
    QTest::newRow("check number, category and memo")
        << QStringList{"Check Number", "Date", "Description", "Amount", "Category", "Comments"}
        << columns(1, 2, 3, 5, 4, 0);
    QTest::newRow("budget export with outflow and inflow has no amount column")
        << QStringList{"Account",         "Flag",         "Check Number", "Date",    "Payee",  "Category",
                       "Master Category", "Sub Category", "Memo",         "Outflow", "Inflow", "Cleared",
                       "Running Balance"}
        << columns(3, 4, -1, 8, 5, 2);
    QTest::newRow("name written as one word")
        << QStringList{"Date",        "Status",     "Type",    "CheckNumber",
                       "Description", "Withdrawal", "Deposit", "RunningBalance"}
        << columns(0, 4, -1, -1, -1, 3);
    QTest::newRow("exact name wins over a longer one")
        << QStringList{"Date",         "Description",      "Original Description",
                       "Amount",       "Transaction Type", "Category",
                       "Account Name", "Labels",           "Notes"}
        << columns(0, 1, 3, 8, 5);
    QTest::newRow("name that only contains the word")
        << QStringList{"Date Processed", "Description", "Amount", ""} << columns(0, 1, 2);
    QTest::newRow("german savings bank") << QStringList{"Auftragskonto",
                                                        "Buchungstag",
                                                        "Valutadatum",
                                                        "Buchungstext",
                                                        "Verwendungszweck",
                                                        "Beguenstigter/Zahlungspflichtiger",
                                                        "Kontonummer/IBAN",
                                                        "BIC (SWIFT-Code)",
                                                        "Betrag",
                                                        "Waehrung",
                                                        "Info"}
                                         << columns(1, 5, 8, 4);
    QTest::newRow("german with umlauts and numbered purpose lines")
        << QStringList{"Kontonummer",  "Buchungstag", "Wertstellung", "Auftraggeber/Empfänger",
                       "Buchungstext", "VWZ1",        "VWZ2",         "Betrag",
                       "Kontostand",   "Währung"}
        << columns(1, 3, 7, 5);
    QTest::newRow("spanish") << QStringList{"Fecha", "Concepto", "Importe", "Observaciones", "Categoría"}
                             << columns(0, 1, 2, 3, 4);
    QTest::newRow("spanish booking date before value date")
        << QStringList{"Fecha operación", "Fecha valor", "Concepto", "Importe", "Saldo"} << columns(0, 2, 3);
    QTest::newRow("french upper case without accents")
        << QStringList{"ANNEE + REFERENCE", "DATE DE L'EXECUTION",         "DATE VALEUR", "MONTANT",
                       "DEVISE DU COMPTE",  "CONTREPARTIE DE L'OPERATION", "DETAIL",      "NUMERO DE COMPTE"}
        << columns(1, 6, 3);
    QTest::newRow("french remark is the only text, so it is the payee")
        << QStringList{"Date", "Remarque", "Montant"} << columns(0, 1, 2);
    QTest::newRow("french cheque and category")
        << QStringList{"Date opération", "Libellé", "Montant (EUR)", "Catégorie", "N° de chèque"}
        << columns(0, 1, 2, -1, 3, 4);
    QTest::newRow("japanese card statement")
        << QStringList{"利用日", "利用店名", "利用金額", "支払区分"} << columns(0, 1, 2);
    QTest::newRow("japanese with memo and full-width letters")
        << QStringList{"日付", "内容", "金額", "メモ", "カテゴリー", "ＣＨＥＣＫ　ＮＵＭＢＥＲ"}
        << columns(0, 1, 2, 3, 4, 5);
    QTest::newRow("a data row names nothing")
        << QStringList{"01/05/2024", "Corner Store", "-12.34"} << columns(-1, -1, -1);
    QTest::newRow("empty row") << QStringList{} << columns(-1, -1, -1);
}

void TestCsvColumnGuess::guess()
{
    QFETCH(QStringList, header);
    QFETCH(CsvColumnGuess, expected);
    const CsvColumnGuess actual = guessCsvColumns(header);
    const auto text = [](const CsvColumnGuess &guess) {
        return QStringLiteral("date %1 payee %2 amount %3 memo %4 category %5 check %6")
            .arg(guess.dateColumn)
            .arg(guess.payeeColumn)
            .arg(guess.amountColumn)
            .arg(guess.memoColumn)
            .arg(guess.categoryColumn)
            .arg(guess.checkNumberColumn);
    };
    QCOMPARE(text(actual), text(expected));
}

QTEST_GUILESS_MAIN(TestCsvColumnGuess)
#include "tst_csvcolumnguess.moc"
