#include "app/application.h"
#include "app/appstate.h"
#include "data/database.h"

#include <QFileInfo>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestAppState : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dataDirectoryIsCreatedWithItsParents();
    void initializeCreatesAndMigratesTheDatabase();
    void initializeFailsWhereNoDatabaseCanLive();
    void resolveLanguage();
};

void TestAppState::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestAppState::dataDirectoryIsCreatedWithItsParents()
{
    QTemporaryDir root;
    const QString nested = root.filePath(QStringLiteral("a/b/c"));
    qputenv("ZIMBREL_DATA_DIR", nested.toUtf8());
    QCOMPARE(Application::dataDirectory(), nested);
    QVERIFY(QFileInfo(nested).isDir());
    QCOMPARE(Application::databasePath(), nested + QStringLiteral("/zimbrel.db"));
}

void TestAppState::initializeCreatesAndMigratesTheDatabase()
{
    QTemporaryDir root;
    AppState state(root.path());
    QSignalSpy ready(&state, &AppState::databaseReady);
    QVERIFY(state.initialize());
    QCOMPARE(ready.count(), 1);
    QVERIFY(QFileInfo::exists(root.filePath(QStringLiteral("zimbrel.db"))));
    QSqlQuery query(state.database()->connection());
    QVERIFY(query.exec(QStringLiteral("SELECT MAX(version) FROM schema_version")) && query.next());
    QCOMPARE(query.value(0).toInt(), 2);
}

void TestAppState::initializeFailsWhereNoDatabaseCanLive()
{
    QTemporaryDir root;
    // A plain file where the data directory should be: nothing can be created inside it.
    const QString blocked = root.filePath(QStringLiteral("not-a-directory"));
    QFile file(blocked);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    AppState state(blocked);
    QSignalSpy ready(&state, &AppState::databaseReady);
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Failed to open database:")));
    QVERIFY(!state.initialize());
    QCOMPARE(ready.count(), 0);
    QCOMPARE(state.database(), nullptr);
}

void TestAppState::resolveLanguage()
{
    QSettings().setValue(QStringLiteral("ui/language"), QStringLiteral("fr"));
    QCOMPARE(Application::resolveLanguage(true), QStringLiteral("fr"));
    Application::setLanguage(QStringLiteral("system"));
    QCOMPARE(Application::resolveLanguage(false), QStringLiteral("system"));
    const QString resolved = Application::resolveLanguage(true);
    QVERIFY2(Application::supportedLanguages().contains(resolved), qPrintable(resolved));
}

QTEST_MAIN(TestAppState)
#include "tst_appstate.moc"
