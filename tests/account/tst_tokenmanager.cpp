#include "account/tokenmanager.h"
#include "account/tokenstore.h"

#include "memorytokenstore.h"
#include "testtokens.h"

#include <QTest>

using namespace CorvantisAccount;

class TestTokenManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void validity_data();
    void validity();
    void injectedClockDecidesExpiry();
    void concurrentRefreshesShareOne();
    void failedRefreshKeepsTokens();
    void refreshWithoutRefreshTokenFailsAtOnce();
    void callbackMayStartAnotherRefresh();
    void lateRefreshAfterClearKeepsNothing();
    void tokensSurviveThroughTheStore();

private:
    struct PendingRefresh
    {
        QString refreshToken;
        TokenManager::RefreshSucceeded succeeded;
        TokenManager::RefreshFailed failed;
    };
    std::unique_ptr<TokenManager> newManager();

    QHash<QString, QString> m_stored;
    QList<PendingRefresh> m_pending;
};

void TestTokenManager::init()
{
    m_stored.clear();
    m_pending.clear();
}

std::unique_ptr<TokenManager> TestTokenManager::newManager()
{
    auto manager = std::make_unique<TokenManager>(std::make_unique<MemoryTokenStore>(&m_stored));
    manager->setRefreshHandler([this](const QString &token, TokenManager::RefreshSucceeded succeeded,
                                      TokenManager::RefreshFailed failed) {
        m_pending.append({token, std::move(succeeded), std::move(failed)});
    });
    return manager;
}

void TestTokenManager::validity_data()
{
    QTest::addColumn<QString>("access");
    QTest::addColumn<QString>("refresh");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<bool>("needsRefresh");

    QTest::newRow("valid for ten minutes") << tokenExpiringIn(600) << "r" << true << false;
    QTest::newRow("29 seconds left counts as expired") << tokenExpiringIn(29) << "r" << false << true;
    QTest::newRow("31 seconds left is still valid") << tokenExpiringIn(31) << "r" << true << false;
    QTest::newRow("expired without refresh token") << tokenExpiringIn(-5) << "" << false << false;
    QTest::newRow("no access token, refresh token") << ""
                                                    << "r" << false << true;
    QTest::newRow("nothing stored") << ""
                                    << "" << false << false;
    QTest::newRow("unreadable access token, refresh token") << "garbage"
                                                            << "r" << false << true;
    QTest::newRow("unreadable access token alone") << "garbage"
                                                   << "" << false << false;
}

void TestTokenManager::validity()
{
    QFETCH(QString, access);
    QFETCH(QString, refresh);
    QFETCH(bool, usable);
    const auto manager = newManager();
    manager->setTokens(access, refresh);
    QCOMPARE(manager->accessToken(), usable ? access : QString());
    QTEST(manager->needsRefresh(), "needsRefresh");
}

void TestTokenManager::injectedClockDecidesExpiry()
{
    const auto manager = newManager();
    manager->setTokens(tokenExpiringIn(900), QStringLiteral("r"));
    QVERIFY(!manager->needsRefresh());
    manager->setClock([] { return QDateTime::currentSecsSinceEpoch() + 880; });
    QVERIFY(manager->accessToken().isEmpty());
    QVERIFY(manager->needsRefresh());
}

void TestTokenManager::concurrentRefreshesShareOne()
{
    const auto manager = newManager();
    manager->setTokens(tokenExpiringIn(-1), QStringLiteral("r1"));
    QList<bool> results;
    manager->refresh([&](bool ok) { results.append(ok); });
    manager->refresh([&](bool ok) { results.append(ok); });
    manager->refresh({});
    QCOMPARE(m_pending.size(), 1);
    QCOMPARE(m_pending.first().refreshToken, QStringLiteral("r1"));
    QVERIFY(results.isEmpty());

    const QString fresh = tokenExpiringIn(900);
    m_pending.first().succeeded(fresh, QStringLiteral("r2"));
    QCOMPARE(results, (QList<bool>{true, true}));
    QCOMPARE(manager->accessToken(), fresh);
    QCOMPARE(manager->refreshToken(), QStringLiteral("r2"));
    QCOMPARE(m_stored.value(TokenStore::accessTokenKey), fresh);
    QCOMPARE(m_stored.value(TokenStore::refreshTokenKey), QStringLiteral("r2"));
}

void TestTokenManager::failedRefreshKeepsTokens()
{
    const auto manager = newManager();
    const QString expired = tokenExpiringIn(-1);
    manager->setTokens(expired, QStringLiteral("r1"));
    QList<bool> results;
    manager->refresh([&](bool ok) { results.append(ok); });
    m_pending.first().failed();
    QCOMPARE(results, QList<bool>{false});
    QCOMPARE(manager->refreshToken(), QStringLiteral("r1"));
    QCOMPARE(m_stored.value(TokenStore::accessTokenKey), expired);
}

void TestTokenManager::refreshWithoutRefreshTokenFailsAtOnce()
{
    const auto manager = newManager();
    manager->setTokens(tokenExpiringIn(-1), QString());
    QList<bool> results;
    manager->refresh([&](bool ok) { results.append(ok); });
    manager->refresh([&](bool ok) { results.append(ok); });
    QCOMPARE(results, (QList<bool>{false, false}));
    QVERIFY(m_pending.isEmpty());
}

void TestTokenManager::callbackMayStartAnotherRefresh()
{
    const auto manager = newManager();
    manager->setTokens(tokenExpiringIn(-1), QStringLiteral("r1"));
    bool secondDone = false;
    manager->refresh([&](bool) { manager->refresh([&](bool ok) { secondDone = ok; }); });
    m_pending.takeFirst().succeeded(tokenExpiringIn(-1), QStringLiteral("r2"));
    // The first callback ran outside the lock and its refresh started a new round trip.
    QCOMPARE(m_pending.size(), 1);
    QCOMPARE(m_pending.first().refreshToken, QStringLiteral("r2"));
    m_pending.first().succeeded(tokenExpiringIn(900), QStringLiteral("r3"));
    QVERIFY(secondDone);
}

void TestTokenManager::lateRefreshAfterClearKeepsNothing()
{
    // Signing out while a refresh is on its way: its answer must not bring the tokens back.
    const auto manager = newManager();
    manager->setTokens(tokenExpiringIn(-1), QStringLiteral("r1"));
    QList<bool> results;
    manager->refresh([&](bool ok) { results.append(ok); });
    manager->clear();
    m_pending.first().succeeded(tokenExpiringIn(900), QStringLiteral("r2"));
    QCOMPARE(results, QList<bool>{false});
    QVERIFY(manager->accessToken().isEmpty());
    QVERIFY(manager->refreshToken().isEmpty());
    QVERIFY(m_stored.isEmpty());
    // And the next refresh is not stuck behind the old one.
    manager->setTokens(tokenExpiringIn(-1), QStringLiteral("r5"));
    manager->refresh({});
    QCOMPARE(m_pending.size(), 2);
    QCOMPARE(m_pending.last().refreshToken, QStringLiteral("r5"));
}

void TestTokenManager::tokensSurviveThroughTheStore()
{
    const QString access = tokenExpiringIn(600);
    newManager()->setTokens(access, QStringLiteral("r1"));
    const auto restarted = newManager();
    QVERIFY(restarted->accessToken().isEmpty());
    restarted->loadTokens();
    QCOMPARE(restarted->accessToken(), access);
    QCOMPARE(restarted->refreshToken(), QStringLiteral("r1"));

    restarted->clear();
    QVERIFY(m_stored.isEmpty());
    const auto afterSignOut = newManager();
    afterSignOut->loadTokens();
    QVERIFY(afterSignOut->refreshToken().isEmpty());
}

QTEST_GUILESS_MAIN(TestTokenManager)
#include "tst_tokenmanager.moc"
