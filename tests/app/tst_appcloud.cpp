// The app's sign-in against a real zimbrel-cloud: File › Sign In opens the login page in the
// (test's) browser, the redirect signs the window in, the Server setting is kept, and the tokens
// carry the session across a restart.

#include "account/authclient.h"
#include "account/client.h"
#include "account/cloudconfiguration.h"
#include "app/accountcloudsession.h"
#include "app/appstate.h"
#include "app/mainwindow.h"
#include "app/statusbar.h"
#include "data/preferencesrepository.h"
#include "browsersession.h"
#include "cloudfixture.h"
#include "ui/screens/settingsscreen.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

class TestAppCloud : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void signInThroughTheMenuAndOut();
    void serverSetting_data();
    void serverSetting();
    // Last: it stops the service.
    void startWithoutNetworkKeepsTheSession();

private:
    QProcessEnvironment environment() const;
    static QAction *fileAction(MainWindow *window, const QString &text);

    CloudFixture m_fixture;
};

void TestAppCloud::initTestCase()
{
    QString reason;
    QString error;
    if (!m_fixture.start(&reason, &error)) {
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QSKIP(qPrintable(reason));
    }
}

QProcessEnvironment TestAppCloud::environment() const
{
    // The endpoints of the service under test, as a user pointing the app at it would set them.
    const QString origin = m_fixture.service.baseUrl().toString(QUrl::RemovePath | QUrl::StripTrailingSlash);
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("AUTH_BASE_URL"), origin);
    environment.insert(QStringLiteral("ACCOUNT_API_URL"), origin + QStringLiteral("/account/v1"));
    environment.insert(QStringLiteral("SYNC_API_URL"), origin + QStringLiteral("/zimbrel/v1"));
    return environment;
}

QAction *TestAppCloud::fileAction(MainWindow *window, const QString &text)
{
    for (QAction *menu : window->menuBar()->actions()) {
        if (!menu->menu())
            continue;
        for (QAction *action : menu->menu()->actions()) {
            if (action->text() == text)
                return action;
        }
    }
    return nullptr;
}

void TestAppCloud::signInThroughTheMenuAndOut()
{
    QTemporaryDir dataDir;
    QList<QUrl> opened;
    {
        AppState state(dataDir.path(), nullptr, environment());
        QVERIFY(state.initialize());
        state.cloudClient()->authClient()->setUrlOpener([&opened](const QUrl &url) {
            opened.append(url);
            return true;
        });
        MainWindow window(&state, new AccountCloudSession(state.cloudClient(), &state));
        window.show();
        auto *accountButton = window.findChild<QPushButton *>(QStringLiteral("accountButton"));
        QVERIFY(accountButton);
        QCOMPARE(window.statusBarWidget()->syncStateText(), QStringLiteral("Not signed in"));
        QCOMPARE(accountButton->text(), QStringLiteral("Already have an account? Sign In"));

        QAction *signIn = fileAction(&window, QStringLiteral("&Sign In..."));
        QVERIFY(signIn && signIn->isVisible());
        // The menu item leads to the welcome page, whose button starts the browser sign-in.
        signIn->trigger();
        QVERIFY(accountButton->isVisible());
        QVERIFY(opened.isEmpty());
        accountButton->setFocus();
        QTest::keyClick(accountButton, Qt::Key_Space);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first().path(), QStringLiteral("/corvantis/account/login"));

        // The test is the browser: the login page, the form, and the redirect to the listener.
        BrowserSession browser(m_fixture.http.get());
        QCOMPARE(browser.openUrl(opened.first()).status, 200);
        const SignInResult result = browser.submit(QStringLiteral("signup"), QStringLiteral("app@example.org"),
                                                   QStringLiteral("correct horse 1"), QStringLiteral("App User"));
        QCOMPARE(result.status, 303);
        CloudHttp listener(result.redirect.adjusted(QUrl::RemovePath | QUrl::RemoveQuery));
        QCOMPARE(listener.get(result.redirect.path() + QLatin1Char('?') + result.redirect.query(QUrl::FullyEncoded)).status,
                 200);

        QTRY_VERIFY(window.statusBarWidget()->syncStateText() != QStringLiteral("Not signed in"));
        QCOMPARE(accountButton->text(), QStringLiteral("Sign Out"));
        QVERIFY(!signIn->isVisible());
        QVERIFY(fileAction(&window, QStringLiteral("Sign &Out"))
                || fileAction(&window, QStringLiteral("&Sign Out")));
    }

    // The session survives a restart through the token store.
    {
        AppState state(dataDir.path(), nullptr, environment());
        QVERIFY(state.initialize());
        QVERIFY(state.cloudClient()->authClient()->isAuthenticated());
        MainWindow window(&state, new AccountCloudSession(state.cloudClient(), &state));
        window.show();
        auto *accountButton = window.findChild<QPushButton *>(QStringLiteral("accountButton"));
        QCOMPARE(accountButton->text(), QStringLiteral("Sign Out"));

        accountButton->click();
        QTRY_COMPARE(window.statusBarWidget()->syncStateText(), QStringLiteral("Not signed in"));
        QCOMPARE(accountButton->text(), QStringLiteral("Already have an account? Sign In"));
    }
    {
        AppState state(dataDir.path(), nullptr, environment());
        QVERIFY(state.initialize());
        QVERIFY(!state.cloudClient()->authClient()->isAuthenticated());
    }
}

void TestAppCloud::serverSetting_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("origin") << "https://cloud.example.org/" << "https://cloud.example.org" << true;
    QTest::newRow("with port") << "http://192.168.1.20:8080" << "http://192.168.1.20:8080" << true;
    QTest::newRow("not an origin") << "cloud example" << "" << false;
    QTest::newRow("other scheme") << "ftp://cloud.example.org" << "" << false;
}

void TestAppCloud::serverSetting()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(bool, accepted);
    QTemporaryDir dataDir;
    AppState state(dataDir.path(), nullptr, QProcessEnvironment());
    QVERIFY(state.initialize());
    SettingsScreen screen(&state);
    screen.show();
    auto *edit = screen.findChild<QLineEdit *>(QStringLiteral("serverOriginEdit"));
    auto *note = screen.findChild<QLabel *>(QStringLiteral("serverOriginNote"));
    QVERIFY(edit && note);
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(state.cloudServerOrigin(), stored);
    QCOMPARE(note->text().startsWith(QStringLiteral("Not a server address")), !accepted);

    // The next start builds the client on the stored origin.
    AppState next(dataDir.path(), nullptr, QProcessEnvironment());
    QVERIFY(next.initialize());
    if (accepted)
        QCOMPARE(next.cloudClient()->config().authBaseUrl, stored);
}

void TestAppCloud::startWithoutNetworkKeepsTheSession()
{
    QTemporaryDir dataDir;
    {
        AppState state(dataDir.path(), nullptr, environment());
        QVERIFY(state.initialize());
        CorvantisAccount::AuthClient *auth = state.cloudClient()->authClient();
        QUrl opened;
        auth->setUrlOpener([&opened](const QUrl &url) {
            opened = url;
            return true;
        });
        auth->login();
        BrowserSession browser(m_fixture.http.get());
        QCOMPARE(browser.openUrl(opened).status, 200);
        const SignInResult result = browser.submit(QStringLiteral("signup"), QStringLiteral("offline@example.org"),
                                                   QStringLiteral("correct horse 1"));
        QCOMPARE(result.status, 303);
        CloudHttp listener(result.redirect.adjusted(QUrl::RemovePath | QUrl::RemoveQuery));
        listener.get(result.redirect.path() + QLatin1Char('?') + result.redirect.query(QUrl::FullyEncoded));
        QTRY_VERIFY(auth->isAuthenticated());
    }

    // A laptop opened on a train: the refresh at start fails, the sign-in stays.
    m_fixture.service.stop();
    QTest::ignoreMessage(QtInfoMsg, "Startup token refresh: failed");
    AppState state(dataDir.path(), nullptr, environment());
    QVERIFY(state.initialize());
    QVERIFY(state.cloudClient()->authClient()->isAuthenticated());
    QTest::qWait(2000);
    QVERIFY(state.cloudClient()->authClient()->isAuthenticated());
}

QTEST_MAIN(TestAppCloud)
#include "tst_appcloud.moc"
