#include "app/application.h"
#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/datetext.h"
#include "data/identifiers.h"
#include "data/preferencesrepository.h"
#include "data/weekstartday.h"
#include "support/recordbuilders.h"

#include <QFileInfo>
#include <QProcessEnvironment>
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
    void freshStartSeedsDefaultCategoriesOnce();
    void weekStartDayPreference_data();
    void weekStartDayPreference();
    void currentAccountIsRememberedAcrossStarts();
    void effectiveServerOrigin_data();
    void effectiveServerOrigin();
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

void TestAppState::freshStartSeedsDefaultCategoriesOnce()
{
    QTemporaryDir root;
    for (int start = 0; start < 2; ++start) {
        AppState state(root.path());
        QVERIFY(state.initialize());
        QCOMPARE(state.categoryRepository()->countLive(), 56);
        QVERIFY(state.categoryRepository()->findById(QStringLiteral("a3be4c14-fe7e-514c-b45e-22f112551974")));
        QVERIFY(state.categoryRepository()->findById(QStringLiteral("df7ff46f-2565-5c9d-831c-e01e79747397")));
        QSqlQuery query(state.database()->connection());
        QVERIFY(query.exec(QStringLiteral("SELECT COUNT(*) FROM categories")) && query.next());
        QCOMPARE(query.value(0).toInt(), 56);
    }
}

void TestAppState::weekStartDayPreference_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("applied");
    QTest::newRow("wednesday") << QStringLiteral("3") << true;
    QTest::newRow("sunday") << QStringLiteral("7") << true;
    QTest::newRow("zero ignored") << QStringLiteral("0") << false;
    QTest::newRow("eight ignored") << QStringLiteral("8") << false;
    QTest::newRow("text ignored") << QStringLiteral("x") << false;
}

void TestAppState::weekStartDayPreference()
{
    QFETCH(QString, stored);
    QFETCH(bool, applied);
    QTemporaryDir root;
    {
        AppState first(root.path());
        QVERIFY(first.initialize());
        QVERIFY(first.preferencesRepository()->setValue(QStringLiteral("weekStartDay"), stored));
    }
    // A value no preference can hold, so an ignored preference shows as "unchanged".
    QVERIFY(setWeekStartDay(stored == QLatin1String("3") ? 5 : 3));
    const int before = weekStartDay();
    AppState state(root.path());
    QVERIFY(state.initialize());
    QCOMPARE(weekStartDay(), applied ? stored.toInt() : before);
}

void TestAppState::currentAccountIsRememberedAcrossStarts()
{
    QTemporaryDir root;
    const Account account = Records::account(QStringLiteral("Checking"));
    {
        AppState state(root.path());
        QVERIFY(state.initialize());
        QVERIFY(state.currentAccountId().isEmpty());
        QVERIFY(state.accountRepository()->insert(account));
        QSignalSpy changed(&state, &AppState::currentAccountChanged);
        state.setCurrentAccount(account.id);
        state.setCurrentAccount(account.id);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().toString(), account.id);
    }
    AppState state(root.path());
    QVERIFY(state.initialize());
    QCOMPARE(state.currentAccountId(), account.id);
}

void TestAppState::effectiveServerOrigin_data()
{
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QStringList>("variables"); // NAME=value
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("overrides");

    const QStringList selfHosted = {QStringLiteral("AUTH_BASE_URL=http://10.0.0.5:8080"),
                                    QStringLiteral("ACCOUNT_API_URL=http://10.0.0.5:8080/account/v1"),
                                    QStringLiteral("SYNC_API_URL=http://10.0.0.5:8080/zimbrel/v1")};
    const QStringList all = {QStringLiteral("AUTH_BASE_URL"), QStringLiteral("ACCOUNT_API_URL"),
                             QStringLiteral("SYNC_API_URL")};
    QTest::newRow("built-in") << QString() << QStringList() << QString() << QStringList();
    QTest::newRow("setting") << QStringLiteral("https://cloud.example.org") << QStringList()
                             << QStringLiteral("https://cloud.example.org") << QStringList();
    QTest::newRow("a setting that is no origin")
        << QStringLiteral("cloud example") << QStringList() << QString() << QStringList();
    QTest::newRow("variables on one server")
        << QString() << selfHosted << QStringLiteral("http://10.0.0.5:8080") << all;
    QTest::newRow("variables win over the setting")
        << QStringLiteral("https://cloud.example.org") << selfHosted << QStringLiteral("http://10.0.0.5:8080")
        << all;
    QTest::newRow("auth alone elsewhere")
        << QStringLiteral("https://cloud.example.org")
        << QStringList{QStringLiteral("AUTH_BASE_URL=https://auth.example.net")} << QString()
        << QStringList{QStringLiteral("AUTH_BASE_URL")};
    QTest::newRow("empty variables count as unset")
        << QStringLiteral("https://cloud.example.org") << QStringList{QStringLiteral("AUTH_BASE_URL=")}
        << QStringLiteral("https://cloud.example.org") << QStringList();
}

void TestAppState::effectiveServerOrigin()
{
    QFETCH(QString, setting);
    QFETCH(QStringList, variables);
    QFETCH(QString, expected);
    QFETCH(QStringList, overrides);
    QTemporaryDir root;
    {
        AppState state(root.path(), nullptr, QProcessEnvironment());
        QVERIFY(state.initialize());
        QVERIFY(state.preferencesRepository()->setValue(QStringLiteral("cloudServerOrigin"), setting));
    }
    QProcessEnvironment environment;
    for (const QString &variable : variables)
        environment.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
    AppState state(root.path(), nullptr, environment);
    QVERIFY(state.initialize());
    QCOMPARE(state.effectiveServerOrigin(), expected);
    QCOMPARE(state.cloudEndpointOverrides(), overrides);
}

QTEST_MAIN(TestAppState)
#include "tst_appstate.moc"
