// The app's sign-in against a real zimbrel-cloud: File › Sign In leads to the welcome page, whose
// button opens the login page in the (test's) browser; the redirect signs the window in; a stored
// session is refreshed at start; the Server setting is validated, kept and taken into use at once.

#include "account/accountclient.h"
#include "account/authclient.h"
#include "account/client.h"
#include "account/cloudconfiguration.h"
#include "account/memorytokenstore.h"
#include "account/tokenmanager.h"
#include "account/tokenstore.h"
#include "account/widgets/accountscreen.h"
#include "account/widgets/sharemembersdialog.h"
#include "app/appsettingshost.h"
#include "app/appstate.h"
#include "app/cloudsession.h"
#include "app/mainwindow.h"
#include "app/screenservicesof.h"
#include "app/statusbar.h"
#include "browsersession.h"
#include "cloudfixture.h"
#include "data/account.h"
#include "data/accountrepository.h"
#include "data/preferencesrepository.h"
#include "services/accountservice.h"
#include "ui/screens/settingsscreen.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <map>
#include <memory>
#include <optional>

class TestAppCloud : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void signInThroughTheMenuAndOut();
    void startupRefreshesStoredTokens();
    void serverSetting_data();
    void serverSetting();
    void serverSettingUnderEnvironment();
    void changingServerWhileSignedIn_data();
    void changingServerWhileSignedIn();
    void changingServerUnderTheSameSignIn();
    void secondDeviceOpensTheSyncedAccount();
    // Last: it stops the service.
    void accountWindowAndSharingOnceSignedIn();
    // Stops the service: keep it last.
    void startWithoutNetworkKeepsTheSession();

private:
    QString origin() const;
    QProcessEnvironment environment() const;
    // An AppState on `dataDir` whose browser is the test's (`opened` collects what it was asked to
    // open) and whose tokens live in m_tokens.
    std::unique_ptr<AppState> newState(const QString &dataDir, const QProcessEnvironment &environment,
                                       QList<QUrl> *opened);
    // Plays the browser on `loginUrl`: signs up `email` and follows the redirect to the listener.
    void completeSignIn(const QUrl &loginUrl, const QString &email);
    QHash<QString, QString> &tokensOf(const AppState &state);
    static QAction *menuAction(MainWindow *window, const QString &text);
    // Answers the next modal message box with Alt+`key` once it is up, keeping its text in `text`,
    // for as long as the returned watch lives.
    static std::unique_ptr<QTimer> answerNextMessageBox(Qt::Key key, QString *text);

    CloudFixture m_fixture;
    // Token stores by server scope; a map, so the stores' pointers into it stay valid.
    std::map<QString, QHash<QString, QString>> m_tokens;
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

void TestAppCloud::init()
{
    m_tokens.clear();
}

QString TestAppCloud::origin() const
{
    return m_fixture.service.baseUrl().toString(QUrl::RemovePath | QUrl::StripTrailingSlash);
}

QProcessEnvironment TestAppCloud::environment() const
{
    // The endpoints of the service under test, as a user pointing the app at it would set them.
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("AUTH_BASE_URL"), origin());
    environment.insert(QStringLiteral("ACCOUNT_API_URL"), origin() + QStringLiteral("/account/v1"));
    environment.insert(QStringLiteral("SYNC_API_URL"), origin() + QStringLiteral("/zimbrel/v1"));
    return environment;
}

std::unique_ptr<AppState> TestAppCloud::newState(const QString &dataDir,
                                                 const QProcessEnvironment &environment, QList<QUrl> *opened)
{
    auto state = std::make_unique<AppState>(dataDir, nullptr, environment);
    state->setUrlOpener([opened](const QUrl &url) {
        if (opened)
            opened->append(url);
        return true;
    });
    state->setTokenStoreFactory(
        [this](const QString &scope) -> std::unique_ptr<CorvantisAccount::TokenStore> {
            return std::make_unique<MemoryTokenStore>(&m_tokens[scope]);
        });
    return state;
}

void TestAppCloud::completeSignIn(const QUrl &loginUrl, const QString &email)
{
    BrowserSession browser(m_fixture.http.get());
    QCOMPARE(browser.openUrl(loginUrl).status, 200);
    const SignInResult result = browser.submit(QStringLiteral("signup"), email,
                                               QStringLiteral("correct horse 1"), QStringLiteral("App User"));
    QCOMPARE(result.status, 303);
    CloudHttp listener(result.redirect.adjusted(QUrl::RemovePath | QUrl::RemoveQuery));
    QCOMPARE(
        listener.get(result.redirect.path() + QLatin1Char('?') + result.redirect.query(QUrl::FullyEncoded))
            .status,
        200);
}

QHash<QString, QString> &TestAppCloud::tokensOf(const AppState &state)
{
    return m_tokens[CorvantisAccount::tokenStoreScope(state.cloudClient()->config())];
}

QAction *TestAppCloud::menuAction(MainWindow *window, const QString &text)
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

std::unique_ptr<QTimer> TestAppCloud::answerNextMessageBox(Qt::Key key, QString *text)
{
    auto poll = std::make_unique<QTimer>();
    poll->setInterval(20);
    QObject::connect(poll.get(), &QTimer::timeout, poll.get(), [poll = poll.get(), key, text] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll->stop();
        *text = box->text();
        QTest::keyClick(box, key, Qt::AltModifier);
    });
    poll->start();
    return poll;
}

void TestAppCloud::signInThroughTheMenuAndOut()
{
    QTemporaryDir dataDir;
    QList<QUrl> opened;
    {
        std::unique_ptr<AppState> state = newState(dataDir.path(), environment(), &opened);
        QVERIFY(state->initialize());
        MainWindow window(state.get());
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *accountButton = window.findChild<QPushButton *>(QStringLiteral("accountButton"));
        QVERIFY(accountButton);
        QCOMPARE(window.statusBarWidget()->syncStateText(), QStringLiteral("Not signed in"));
        QCOMPARE(accountButton->text(), QStringLiteral("Already have an account? Sign In"));
        QVERIFY(!menuAction(&window, QStringLiteral("Sign &Out"))->isVisible());

        // The menu item leads to the welcome page with the sign-in button under the keyboard.
        QAction *signIn = menuAction(&window, QStringLiteral("&Sign In..."));
        QVERIFY(signIn && signIn->isVisible());
        signIn->trigger();
        QCOMPARE(window.currentPage(), int(MainWindow::WelcomePage));
        QTRY_COMPARE(QApplication::focusWidget(), accountButton);
        QVERIFY(opened.isEmpty());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first().path(), QStringLiteral("/corvantis/account/login"));
        QCOMPARE(opened.first().host(), m_fixture.service.baseUrl().host());

        completeSignIn(opened.first(), QStringLiteral("app@example.org"));

        // Signing in starts a sync with the service at once; the status bar follows it to its end.
        QTRY_COMPARE(window.statusBarWidget()->syncStateText(), QStringLiteral("Synced"));
        QCOMPARE(accountButton->text(), QStringLiteral("Sign Out"));
        QVERIFY(!signIn->isVisible());
        QVERIFY(menuAction(&window, QStringLiteral("Sign &Out"))->isVisible());
        QVERIFY(!tokensOf(*state).value(CorvantisAccount::TokenStore::refreshTokenKey).isEmpty());
    }

    // The session survives a restart; File › Sign Out ends it.
    {
        std::unique_ptr<AppState> state = newState(dataDir.path(), environment(), &opened);
        QVERIFY(state->initialize());
        QVERIFY(state->cloudSession()->isSignedIn());
        MainWindow window(state.get());
        window.show();
        auto *accountButton = window.findChild<QPushButton *>(QStringLiteral("accountButton"));
        QCOMPARE(accountButton->text(), QStringLiteral("Sign Out"));
        QTRY_COMPARE(window.statusBarWidget()->syncStateText(), QStringLiteral("Synced"));

        // Preferences › Data & Sync runs a sync on demand and then shows when it completed.
        window.showSettingsWindow();
        SettingsScreen *settings = window.settingsScreen();
        auto *syncNow = settings->findChild<QPushButton *>(QStringLiteral("syncNowButton"));
        QTRY_VERIFY(syncNow->isEnabled());
        QTest::mouseClick(syncNow, Qt::LeftButton);
        QCOMPARE(syncNow->text(), QStringLiteral("Syncing..."));
        QVERIFY(!syncNow->isEnabled());
        QTRY_COMPARE(syncNow->text(), QStringLiteral("Sync Now"));
        QVERIFY(syncNow->isEnabled());
        // A time, not the server's opaque sync position.
        QVERIFY2(QRegularExpression(
                     QStringLiteral("^Last synced: [A-Z][a-z]{2} \\d{1,2}, \\d{1,2}:\\d{2} [AaPp][Mm]$"))
                     .match(settings->findChild<QLabel *>(QStringLiteral("lastSyncLabel"))->text())
                     .hasMatch(),
                 qPrintable(settings->findChild<QLabel *>(QStringLiteral("lastSyncLabel"))->text()));
        QVERIFY(settings->findChild<QLabel *>(QStringLiteral("syncStatusLabel"))
                    ->text()
                    .contains(QStringLiteral(">Synced<")));
        settings->close();

        menuAction(&window, QStringLiteral("Sign &Out"))->trigger();
        QCOMPARE(window.statusBarWidget()->syncStateText(), QStringLiteral("Not signed in"));
        QCOMPARE(accountButton->text(), QStringLiteral("Already have an account? Sign In"));
        QVERIFY(menuAction(&window, QStringLiteral("&Sign In..."))->isVisible());
        QVERIFY(tokensOf(*state).isEmpty());
    }
    {
        std::unique_ptr<AppState> state = newState(dataDir.path(), environment(), &opened);
        QVERIFY(state->initialize());
        QVERIFY(!state->cloudSession()->isSignedIn());
    }
}

void TestAppCloud::startupRefreshesStoredTokens()
{
    QTemporaryDir dataDir;
    QList<QUrl> opened;
    QString refreshToken;
    {
        std::unique_ptr<AppState> state = newState(dataDir.path(), environment(), &opened);
        QVERIFY(state->initialize());
        state->cloudSession()->signIn();
        QCOMPARE(opened.size(), 1);
        completeSignIn(opened.first(), QStringLiteral("startup@example.org"));
        QTRY_VERIFY(state->cloudSession()->isSignedIn());
        refreshToken = tokensOf(*state).value(CorvantisAccount::TokenStore::refreshTokenKey);
        QVERIFY(!refreshToken.isEmpty());
    }

    QTest::ignoreMessage(QtInfoMsg, "Startup token refresh: ok");
    std::unique_ptr<AppState> state = newState(dataDir.path(), environment(), &opened);
    QVERIFY(state->initialize());
    QVERIFY(state->cloudSession()->isSignedIn());
    // The service rotates the refresh token at each refresh: the stored one is new. (The access
    // token may come out the same: it is issued at one-second resolution.)
    QTRY_VERIFY(tokensOf(*state).value(CorvantisAccount::TokenStore::refreshTokenKey) != refreshToken);
    QVERIFY(!tokensOf(*state).value(CorvantisAccount::TokenStore::accessTokenKey).isEmpty());
    QVERIFY(state->cloudSession()->isSignedIn());
    // The old refresh token is spent.
    QCOMPARE(m_fixture.http
                 ->post(QStringLiteral("/api/v1/realms/corvantis/auth/token/refresh"),
                        {{QStringLiteral("refresh_token"), refreshToken}})
                 .status,
             401);
}

void TestAppCloud::serverSetting_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("origin") << "https://cloud.example.org/"
                            << "https://cloud.example.org" << true;
    QTest::newRow("with port") << "  http://192.168.1.20:8080 "
                               << "http://192.168.1.20:8080" << true;
    QTest::newRow("not an origin") << "cloud example"
                                   << "" << false;
    QTest::newRow("other scheme") << "ftp://cloud.example.org"
                                  << "" << false;
    QTest::newRow("with a path") << "https://cloud.example.org/zimbrel"
                                 << "" << false;
    QTest::newRow("with a user") << "https://me@cloud.example.org"
                                 << "" << false;
}

void TestAppCloud::serverSetting()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QFETCH(bool, accepted);
    QTemporaryDir dataDir;
    std::unique_ptr<AppState> state = newState(dataDir.path(), QProcessEnvironment(), nullptr);
    QVERIFY(state->initialize());
    const CorvantisAccount::ClientConfig builtIn = state->cloudClient()->config();
    SettingsScreen screen(screenServicesOf(state.get()), std::make_unique<AppSettingsHost>(state.get()));
    screen.show();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    auto *edit = screen.findChild<QLineEdit *>(QStringLiteral("serverOriginEdit"));
    auto *note = screen.findChild<QLabel *>(QStringLiteral("serverOriginNote"));
    QVERIFY(edit && note);
    QVERIFY(edit->text().isEmpty());
    QVERIFY(note->text().isEmpty());
    edit->setFocus();
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(state->cloudServerOrigin(), stored);
    QCOMPARE(note->text().startsWith(QStringLiteral("Not a server address")), !accepted);
    if (accepted) {
        // At once: the client and the update check use the new server.
        QCOMPARE(edit->text(), stored);
        QCOMPARE(note->text(), QStringLiteral("Now using %1. Sign in via File › Sign In.").arg(stored));
        QCOMPARE(state->cloudClient()->config().authBaseUrl, stored);
        QCOMPARE(state->cloudClient()->config().accountApiUrl, stored + QStringLiteral("/account/v1"));
        QCOMPARE(state->effectiveServerOrigin(), stored);
    } else {
        QCOMPARE(edit->text(), typed);
        QCOMPARE(state->cloudClient()->config(), builtIn);
    }

    // Kept: the next start builds the client on it.
    std::unique_ptr<AppState> next = newState(dataDir.path(), QProcessEnvironment(), nullptr);
    QVERIFY(next->initialize());
    QCOMPARE(next->cloudClient()->config().authBaseUrl, accepted ? stored : builtIn.authBaseUrl);
    SettingsScreen nextScreen(screenServicesOf(next.get()), std::make_unique<AppSettingsHost>(next.get()));
    QCOMPARE(nextScreen.findChild<QLineEdit *>(QStringLiteral("serverOriginEdit"))->text(), stored);

    // Emptied: back to the built-in service.
    if (accepted) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(state->cloudServerOrigin(), QString());
        QCOMPARE(state->cloudClient()->config(), builtIn);
        QCOMPARE(state->effectiveServerOrigin(), QString());
    }
}

void TestAppCloud::serverSettingUnderEnvironment()
{
    QTemporaryDir dataDir;
    std::unique_ptr<AppState> state = newState(dataDir.path(), environment(), nullptr);
    QVERIFY(state->initialize());
    CorvantisAccount::Client *client = state->cloudClient();
    SettingsScreen screen(screenServicesOf(state.get()), std::make_unique<AppSettingsHost>(state.get()));
    screen.show();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    auto *edit = screen.findChild<QLineEdit *>(QStringLiteral("serverOriginEdit"));
    auto *note = screen.findChild<QLabel *>(QStringLiteral("serverOriginNote"));
    const QString overridden =
        QStringLiteral(
            "The environment overrides this setting (AUTH_BASE_URL, ACCOUNT_API_URL, SYNC_API_URL): "
            "signing in goes to %1.")
            .arg(origin());
    // Said as soon as the page is open, not only after an edit.
    QCOMPARE(note->text(), overridden);

    // Kept for when the variables are gone; the client stays on the environment's server.
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("https://cloud.example.org"));
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(state->cloudServerOrigin(), QStringLiteral("https://cloud.example.org"));
    QCOMPARE(state->cloudClient(), client);
    QCOMPARE(note->text(), overridden);
    QCOMPARE(state->effectiveServerOrigin(), origin());
}

void TestAppCloud::changingServerWhileSignedIn_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("confirmed") << true;
    QTest::newRow("declined") << false;
}

void TestAppCloud::changingServerWhileSignedIn()
{
    QFETCH(bool, confirm);
    QTemporaryDir dataDir;
    QList<QUrl> opened;
    std::unique_ptr<AppState> state = newState(dataDir.path(), QProcessEnvironment(), &opened);
    QVERIFY(state->initialize());
    QCOMPARE(state->setCloudServerOrigin(origin()), AppState::ServerChange::Switched);
    state->cloudSession()->signIn();
    QCOMPARE(opened.size(), 1);
    completeSignIn(opened.first(), QStringLiteral("switch-%1@example.org").arg(confirm ? "yes" : "no"));
    QTRY_VERIFY(state->cloudSession()->isSignedIn());
    const QString refreshToken = tokensOf(*state).value(CorvantisAccount::TokenStore::refreshTokenKey);
    const QString oldScope = CorvantisAccount::tokenStoreScope(state->cloudClient()->config());

    MainWindow window(state.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTRY_COMPARE(window.statusBarWidget()->syncStateText(), QStringLiteral("Synced"));
    QCOMPARE(window.updateConfig().manifestBaseUrl.toString(),
             origin() + QStringLiteral("/downloads/zimbrel/stable/"));
    window.showSettingsWindow();
    SettingsScreen *screen = window.settingsScreen();
    QVERIFY(QTest::qWaitForWindowActive(screen));
    auto *edit = screen->findChild<QLineEdit *>(QStringLiteral("serverOriginEdit"));
    auto *note = screen->findChild<QLabel *>(QStringLiteral("serverOriginNote"));
    QCOMPARE(edit->text(), origin());

    // Nothing listens there: the new server's sign-in page would not even load.
    const QString elsewhere = QStringLiteral("http://127.0.0.1:9");
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, elsewhere);
    QString question;
    const std::unique_ptr<QTimer> answer = answerNextMessageBox(confirm ? Qt::Key_Y : Qt::Key_N, &question);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(question,
             QStringLiteral("You are signed in to %1.\n\nChanging the server signs you out there. Change it?")
                 .arg(origin()));

    auto *accountButton = window.findChild<QPushButton *>(QStringLiteral("accountButton"));
    if (!confirm) {
        QCOMPARE(edit->text(), origin());
        QCOMPARE(state->cloudServerOrigin(), origin());
        QVERIFY(state->cloudSession()->isSignedIn());
        QTRY_COMPARE(window.statusBarWidget()->syncStateText(), QStringLiteral("Synced"));
        QCOMPARE(m_tokens[oldScope].value(CorvantisAccount::TokenStore::refreshTokenKey), refreshToken);
        return;
    }
    QCOMPARE(state->cloudServerOrigin(), elsewhere);
    QCOMPARE(state->cloudClient()->config().authBaseUrl, elsewhere);
    QVERIFY(!state->cloudSession()->isSignedIn());
    QCOMPARE(note->text(), QStringLiteral("Now using %1. Sign in via File › Sign In.").arg(elsewhere));
    QCOMPARE(window.statusBarWidget()->syncStateText(), QStringLiteral("Not signed in"));
    QCOMPARE(accountButton->text(), QStringLiteral("Already have an account? Sign In"));
    QVERIFY(menuAction(&window, QStringLiteral("&Sign In..."))->isVisible());
    QCOMPARE(window.updateConfig().manifestBaseUrl.toString(),
             elsewhere + QStringLiteral("/downloads/zimbrel/stable/"));
    // Signed out there as well: the old server's session is over and its tokens are gone here.
    QVERIFY(m_tokens[oldScope].isEmpty());
    QTRY_COMPARE(m_fixture.http
                     ->post(QStringLiteral("/api/v1/realms/corvantis/auth/token/refresh"),
                            {{QStringLiteral("refresh_token"), refreshToken}})
                     .status,
                 401);

    // Signing in now goes to the new server.
    accountButton->click();
    QCOMPARE(opened.size(), 2);
    QCOMPARE(opened.last().toString(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::StripTrailingSlash),
             elsewhere);
}

void TestAppCloud::changingServerUnderTheSameSignIn()
{
    // The sign-in service is fixed by the environment; the Server setting moves the other two.
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("AUTH_BASE_URL"), origin());
    QTemporaryDir dataDir;
    QList<QUrl> opened;
    std::unique_ptr<AppState> state = newState(dataDir.path(), environment, &opened);
    QVERIFY(state->initialize());
    QCOMPARE(state->setCloudServerOrigin(origin()), AppState::ServerChange::Switched);
    state->cloudSession()->signIn();
    QCOMPARE(opened.size(), 1);
    completeSignIn(opened.first(), QStringLiteral("same-sign-in@example.org"));
    QTRY_VERIFY(state->cloudSession()->isSignedIn());

    SettingsScreen screen(screenServicesOf(state.get()), std::make_unique<AppSettingsHost>(state.get()));
    screen.show();
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    auto *edit = screen.findChild<QLineEdit *>(QStringLiteral("serverOriginEdit"));
    auto *note = screen.findChild<QLabel *>(QStringLiteral("serverOriginNote"));
    const QString elsewhere = QStringLiteral("http://127.0.0.1:9");
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, elsewhere);
    QString question;
    const std::unique_ptr<QTimer> answer = answerNextMessageBox(Qt::Key_N, &question);
    QTest::keyClick(edit, Qt::Key_Return);

    // Nothing to ask: the session goes on with the new client.
    QCOMPARE(question, QString());
    QCOMPARE(state->cloudServerOrigin(), elsewhere);
    QCOMPARE(state->cloudClient()->config().authBaseUrl, origin());
    QCOMPARE(state->cloudClient()->config().accountApiUrl, elsewhere + QStringLiteral("/account/v1"));
    QVERIFY(state->cloudSession()->isSignedIn());
    QVERIFY(!tokensOf(*state).value(CorvantisAccount::TokenStore::refreshTokenKey).isEmpty());
    QCOMPARE(note->text(),
             QStringLiteral("Now using %1.\nThe environment overrides this setting (AUTH_BASE_URL): "
                            "signing in goes to %2.")
                 .arg(elsewhere, origin()));
    // The session is alive at the service: the new client's refresh (its own at start, joined, or
    // a new one) trades the refresh token for a new pair.
    std::optional<bool> refreshed;
    state->cloudClient()->tokenManager()->refresh([&refreshed](bool ok) { refreshed = ok; });
    QTRY_VERIFY(refreshed.has_value());
    QVERIFY(*refreshed);
    QVERIFY(state->cloudSession()->isSignedIn());
}

void TestAppCloud::secondDeviceOpensTheSyncedAccount()
{
    QList<QUrl> opened;
    QString accountId;
    {
        QTemporaryDir firstDevice;
        std::unique_ptr<AppState> state = newState(firstDevice.path(), environment(), &opened);
        QVERIFY(state->initialize());
        state->cloudSession()->signIn();
        QCOMPARE(opened.size(), 1);
        completeSignIn(opened.first(), QStringLiteral("two-devices@example.org"));
        QTRY_VERIFY(state->cloudSession()->isSignedIn());
        Account checking;
        checking.name = QStringLiteral("Joint Checking");
        const std::optional<Account> account =
            state->accountService()->createAccount(checking, QDate(2026, 12, 1));
        QVERIFY(account);
        accountId = account->id;
        QTRY_VERIFY_WITH_TIMEOUT(state->accountRepository()->pending().isEmpty(), 10000);
    }

    // The same sign-in on a computer without data: the window opens on the empty state and, once
    // the first sync has brought the account in, on its register.
    QTemporaryDir secondDevice;
    std::unique_ptr<AppState> state = newState(secondDevice.path(), environment(), &opened);
    QVERIFY(state->initialize());
    QVERIFY(state->cloudSession()->isSignedIn());
    MainWindow window(state.get());
    window.show();
    QCOMPARE(window.currentPage(), int(MainWindow::EmptyStatePage));
    QTRY_COMPARE_WITH_TIMEOUT(window.currentPage(), int(MainWindow::RegisterPage), 10000);
    QCOMPARE(state->currentAccountId(), accountId);
}

void TestAppCloud::startWithoutNetworkKeepsTheSession()
{
    QTemporaryDir dataDir;
    QList<QUrl> opened;
    {
        std::unique_ptr<AppState> state = newState(dataDir.path(), environment(), &opened);
        QVERIFY(state->initialize());
        state->cloudSession()->signIn();
        QCOMPARE(opened.size(), 1);
        completeSignIn(opened.first(), QStringLiteral("offline@example.org"));
        QTRY_VERIFY(state->cloudSession()->isSignedIn());
    }

    // A laptop opened on a train: the refresh at start fails, the sign-in stays.
    m_fixture.service.stop();
    QTest::ignoreMessage(QtInfoMsg, "Startup token refresh: failed");
    std::unique_ptr<AppState> state = newState(dataDir.path(), environment(), &opened);
    QVERIFY(state->initialize());
    QVERIFY(state->cloudSession()->isSignedIn());
    // Joins the start-up refresh under way (one refresh at a time) and hears its outcome.
    std::optional<bool> refreshed;
    state->cloudClient()->tokenManager()->refresh([&refreshed](bool ok) { refreshed = ok; });
    QTRY_VERIFY(refreshed.has_value());
    QVERIFY(!*refreshed);
    QVERIFY(state->cloudSession()->isSignedIn());
}

void TestAppCloud::accountWindowAndSharingOnceSignedIn()
{
    QTemporaryDir dataDir;
    QList<QUrl> opened;
    std::unique_ptr<AppState> state = newState(dataDir.path(), environment(), &opened);
    QVERIFY(state->initialize());
    Account checking;
    checking.name = QStringLiteral("Household");
    const std::optional<Account> account =
        state->accountService()->createAccount(checking, QDate(2026, 12, 1));
    QVERIFY(account);
    MainWindow window(state.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    // Signed out, the account window does not open.
    window.showCorvantisAccountScreen(0);
    QVERIFY(!window.findChild<CorvantisAccount::AccountScreen *>());

    state->cloudSession()->signIn();
    QTRY_COMPARE(opened.size(), 1);
    completeSignIn(opened.first(), QStringLiteral("household@example.org"));
    QTRY_VERIFY(state->cloudSession()->isSignedIn());

    // The sign-in registered this machine.
    QList<CorvantisAccount::Device> devices;
    QTRY_VERIFY_WITH_TIMEOUT(([&] {
                                 bool answered = false;
                                 state->cloudClient()->accountClient()->getDevices(
                                     [&](const QList<CorvantisAccount::Device> &list) {
                                         devices = list;
                                         answered = true;
                                     });
                                 return QTest::qWaitFor([&] { return answered; }, 5000) &&
                                        devices.size() == 1;
                             }()),
                             10000);
    QCOMPARE(devices.constFirst().platform,
             CorvantisAccount::AccountClient::devicePlatformName(QSysInfo::kernelType()));

    QAction *accountItem = nullptr;
    for (QAction *menu : window.menuBar()->actions()) {
        for (QAction *action : menu->menu() ? menu->menu()->actions() : QList<QAction *>()) {
            if (action->text().remove(QLatin1Char('&')) == QLatin1String("Corvantis Account..."))
                accountItem = action;
        }
    }
    QVERIFY(accountItem);
    accountItem->trigger();
    auto *screen = window.findChild<CorvantisAccount::AccountScreen *>();
    QVERIFY(screen);
    QVERIFY(screen->isVisible());
    QCOMPARE(screen->windowTitle(), QStringLiteral("Corvantis Account"));
    QCOMPARE(screen->currentTab(), CorvantisAccount::AccountScreen::Tab::Profile);
    QTRY_COMPARE_WITH_TIMEOUT(screen->findChild<QLabel *>(QStringLiteral("profileEmail"))
                                  ? screen->findChild<QLabel *>(QStringLiteral("profileEmail"))->text()
                                  : QString(),
                              QStringLiteral("household@example.org"), 10000);

    // Share... runs the sharing dialog for the current account; without a group only its notice shows.
    window.selectAccount(account->id);
    QString title;
    bool noticeShown = false;
    auto *poll = new QTimer(this);
    poll->setInterval(20);
    connect(poll, &QTimer::timeout, poll, [&, poll] {
        auto *dialog =
            qobject_cast<CorvantisAccount::ShareMembersDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        auto *notice = dialog->findChild<QLabel *>(QStringLiteral("shareNoGroupNotice"));
        if (!notice || !notice->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        title = dialog->windowTitle();
        noticeShown = true;
        dialog->reject();
    });
    poll->start();
    window.showShareAccountDialog();
    QVERIFY(noticeShown);
    QCOMPARE(title, QStringLiteral("Share Account"));

    // Signing out closes the window that showed the account.
    state->cloudSession()->signOut();
    QTRY_VERIFY(!window.findChild<CorvantisAccount::AccountScreen *>());
}

QTEST_MAIN(TestAppCloud)
#include "tst_appcloud.moc"
