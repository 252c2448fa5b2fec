#include "services/searchquery.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

class TestSearchQuery : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void searchAsYouType_data();
    void searchAsYouType();
};

// The same full-text table as the transactions', on its own in-memory database.
void TestSearchQuery::initTestCase()
{
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fts"));
    database.setDatabaseName(QStringLiteral(":memory:"));
    QVERIFY(database.open());
    QSqlQuery query(database);
    QVERIFY(query.exec(QStringLiteral("CREATE VIRTUAL TABLE search USING fts5(payee, memo, check_number)")));
    QVERIFY(
        query.exec(QStringLiteral("INSERT INTO search VALUES ('Greenleaf Market', 'green leaf', '1001')")));
}

void TestSearchQuery::cleanupTestCase()
{
    QSqlDatabase::database(QStringLiteral("fts")).close();
    QSqlDatabase::removeDatabase(QStringLiteral("fts"));
}

void TestSearchQuery::searchAsYouType_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("query");

    QTest::newRow("fault: a word being typed only matched whole words") << "green"
                                                                        << "green*";
    QTest::newRow("only the last word is a prefix") << "corner gre"
                                                    << "corner gre*";
    QTest::newRow("a word followed by a blank is finished") << "green "
                                                            << "green";
    QTest::newRow("check number") << "1001"
                                  << "1001*";
    QTest::newRow("non-ASCII word") << "café"
                                    << "café*";
    QTest::newRow("closed phrase stays exact") << "\"green leaf\""
                                               << "\"green leaf\"";
    QTest::newRow("unclosed phrase is closed, not a prefix") << "\"green le"
                                                             << "\"green le\"";
    QTest::newRow("phrase with a doubled quote") << "\"say \"\"hi\"\"\" x"
                                                 << "\"say \"\"hi\"\"\" x*";
    QTest::newRow("word after a phrase") << "\"corner store\" mil"
                                         << "\"corner store\" mil*";
    QTest::newRow("explicit star is kept") << "gre*"
                                           << "gre*";
    QTest::newRow("OR") << "green OR blu"
                        << "green OR blu*";
    QTest::newRow("NOT") << "coffee NOT sta"
                         << "coffee NOT sta*";
    QTest::newRow("lower-case or is a word") << "green or"
                                             << "green or*";
    QTest::newRow("operator still waiting for its operand") << "green OR"
                                                            << "green";
    QTest::newRow("operator alone") << "AND"
                                    << "";
    QTest::newRow("column filter") << "payee:gre"
                                   << "payee:gre*";
    QTest::newRow("column filter with blanks") << "memo : rent"
                                               << "memo : rent*";
    QTest::newRow("column set") << "{payee memo}: rent"
                                << "{payee memo}: rent*";
    QTest::newRow("column filter still waiting for its query") << "rent payee:"
                                                               << "rent";
    QTest::newRow("column set still waiting for its query") << "rent {payee memo}:"
                                                            << "rent";
    QTest::newRow("unclosed group is closed") << "(green OR blu"
                                              << "(green OR blu*)";
    QTest::newRow("closed group is left alone") << "(green OR blue) AND rent"
                                                << "(green OR blue) AND rent*";
    QTest::newRow("fault: apostrophe made the query invalid") << "o'bri"
                                                              << "\"o'bri\"*";
    QTest::newRow("ampersand") << "AT&T"
                               << "\"AT&T\"*";
    QTest::newRow("hyphen") << "7-eleven store"
                            << "\"7-eleven\" store*";
    QTest::newRow("blank text") << "   "
                                << "";
}

void TestSearchQuery::searchAsYouType()
{
    QFETCH(QString, typed);
    QFETCH(QString, query);
    QCOMPARE(searchAsYouTypeQuery(typed), query);
    if (query.isEmpty())
        return;
    // Whatever the user typed on the way, the query must be one the database accepts.
    QSqlQuery match(QSqlDatabase::database(QStringLiteral("fts")));
    QVERIFY(match.prepare(QStringLiteral("SELECT COUNT(*) FROM search WHERE search MATCH ?")));
    match.addBindValue(query);
    QVERIFY2(match.exec(), qPrintable(match.lastError().text()));
}

QTEST_GUILESS_MAIN(TestSearchQuery)
#include "tst_searchquery.moc"
