#include "account/filetokenstore.h"
#include "account/keychaintokenstore.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace CorvantisAccount;

// The private file store, and the keyring store's retreat to it. No test here reaches a real
// keyring: the keyring tests point D-Bus at an address where nothing listens.
class TestTokenStores : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void fileIsPrivateWhateverTheUmask();
    void fileReplacesAWorldReadableFile();
    void valuesSurviveANewStore();
    void scopesAreKeptApart();
    void unreadableFileCountsAsEmpty_data();
    void unreadableFileCountsAsEmpty();
    void keyringAbsentFallsBackToFile();
    void keyringStoreFindsTokensLeftInTheFile();

private:
    static mode_t modeOf(const QString &path);
    QString filePath() const { return m_dir->filePath(QStringLiteral("cloud-tokens.json")); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestTokenStores::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

mode_t TestTokenStores::modeOf(const QString &path)
{
    struct stat info;
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return info.st_mode & 07777;
}

void TestTokenStores::fileIsPrivateWhateverTheUmask()
{
    // With umask 0 a file created with default permissions would be world-readable from birth.
    const mode_t previous = ::umask(0);
    FileTokenStore store(QStringLiteral("app"), filePath());
    const bool saved = store.save(TokenStore::refreshTokenKey, QStringLiteral("secret"));
    ::umask(previous);
    QVERIFY(saved);
    QCOMPARE(modeOf(filePath()), mode_t(0600));
    // No temporary file is left beside it.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("cloud-tokens.json")});
}

void TestTokenStores::fileReplacesAWorldReadableFile()
{
    QFile old(filePath());
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write(R"({"app":{"corvantis_access_token":"a"}})");
    old.close();
    QVERIFY(old.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::ReadGroup));

    FileTokenStore store(QStringLiteral("app"), filePath());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("readable by others")));
    QCOMPARE(store.load(TokenStore::accessTokenKey), std::optional<QString>(QStringLiteral("a")));
    QCOMPARE(modeOf(filePath()), mode_t(0600));
    QVERIFY(store.save(TokenStore::refreshTokenKey, QStringLiteral("r")));
    QCOMPARE(modeOf(filePath()), mode_t(0600));
}

void TestTokenStores::valuesSurviveANewStore()
{
    {
        FileTokenStore store(QStringLiteral("app"), filePath());
        QVERIFY(store.save(TokenStore::accessTokenKey, QStringLiteral("a1")));
        QVERIFY(store.save(TokenStore::refreshTokenKey, QStringLiteral("r1")));
        QVERIFY(store.save(TokenStore::accessTokenKey, QStringLiteral("a2")));
    }
    FileTokenStore store(QStringLiteral("app"), filePath());
    QCOMPARE(store.load(TokenStore::accessTokenKey), std::optional<QString>(QStringLiteral("a2")));
    QCOMPARE(store.load(TokenStore::refreshTokenKey), std::optional<QString>(QStringLiteral("r1")));
    store.clear();
    QCOMPARE(store.load(TokenStore::accessTokenKey), std::nullopt);
    QCOMPARE(store.load(TokenStore::refreshTokenKey), std::nullopt);
    QVERIFY(store.remove(TokenStore::refreshTokenKey));
}

void TestTokenStores::scopesAreKeptApart()
{
    FileTokenStore builtIn(QStringLiteral("app"), filePath());
    FileTokenStore selfHosted(QStringLiteral("app@https://cloud.example.org"), filePath());
    QVERIFY(builtIn.save(TokenStore::refreshTokenKey, QStringLiteral("corvantis")));
    QCOMPARE(selfHosted.load(TokenStore::refreshTokenKey), std::nullopt);
    QVERIFY(selfHosted.save(TokenStore::refreshTokenKey, QStringLiteral("own")));
    selfHosted.clear();
    QCOMPARE(builtIn.load(TokenStore::refreshTokenKey), std::optional<QString>(QStringLiteral("corvantis")));
}

void TestTokenStores::unreadableFileCountsAsEmpty_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("not JSON") << QByteArray("corvantis_access_token=a");
    QTest::newRow("JSON array") << QByteArray("[1]");
    QTest::newRow("oversized") << QByteArray(100 * 1024, ' ');
}

void TestTokenStores::unreadableFileCountsAsEmpty()
{
    QFETCH(QByteArray, content);
    QFile file(filePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    FileTokenStore store(QStringLiteral("app"), filePath());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^FileTokenStore::load failed: ")));
    QCOMPARE(store.load(TokenStore::accessTokenKey), std::nullopt);
    // Saving starts a fresh, readable file.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^FileTokenStore::load failed: ")));
    QVERIFY(store.save(TokenStore::accessTokenKey, QStringLiteral("a")));
    QCOMPARE(store.load(TokenStore::accessTokenKey), std::optional<QString>(QStringLiteral("a")));
}

void TestTokenStores::keyringAbsentFallsBackToFile()
{
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zimbrel-test-bus");
    qunsetenv("DISPLAY");
    KeychainTokenStore store(QStringLiteral("zimbrel-test"),
                             std::make_unique<FileTokenStore>(QStringLiteral("zimbrel-test"), filePath()));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                           "^KeychainTokenStore::save failed: .*cloud-tokens\\.json")));
    QVERIFY(store.save(TokenStore::accessTokenKey, QStringLiteral("a")));
    QVERIFY(store.isUsingFile());
    QVERIFY(store.save(TokenStore::refreshTokenKey, QStringLiteral("r")));
    QCOMPARE(modeOf(filePath()), mode_t(0600));
    QCOMPARE(store.load(TokenStore::refreshTokenKey), std::optional<QString>(QStringLiteral("r")));
    store.clear();
    QCOMPARE(FileTokenStore(QStringLiteral("zimbrel-test"), filePath()).load(TokenStore::accessTokenKey),
             std::nullopt);
}

void TestTokenStores::keyringStoreFindsTokensLeftInTheFile()
{
    // Tokens saved on a run without a keyring are found on the next run.
    QVERIFY(FileTokenStore(QStringLiteral("zimbrel-test"), filePath())
                .save(TokenStore::refreshTokenKey, QStringLiteral("r")));
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/zimbrel-test-bus");
    qunsetenv("DISPLAY");
    KeychainTokenStore store(QStringLiteral("zimbrel-test"),
                             std::make_unique<FileTokenStore>(QStringLiteral("zimbrel-test"), filePath()));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^KeychainTokenStore::load failed: ")));
    QCOMPARE(store.load(TokenStore::refreshTokenKey), std::optional<QString>(QStringLiteral("r")));
}

QTEST_GUILESS_MAIN(TestTokenStores)
#include "tst_tokenstores.moc"
