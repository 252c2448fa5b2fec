#include "data/preferencesrepository.h"
#include "loopbackhttpserver.h"
#include "manifestjson.h"
#include "services/updatestartup.h"
#include "support/testdatabase.h"
#include "update/client.h"

#include <QSettings>
#include <QSignalSpy>
#include <QtTest>

#include <functional>
#include <memory>

using CorvantisUpdate::Artifact;
using CorvantisUpdate::Client;

namespace {

// The test's clock: scheduled tasks wait here until the test runs them.
struct ManualScheduler
{
    QList<int> delays;
    QList<std::function<void()>> tasks;

    UpdateStartup::Scheduler scheduler()
    {
        return [this](int delayMs, QObject *, std::function<void()> task) {
            delays.append(delayMs);
            tasks.append(std::move(task));
        };
    }
    void runAll()
    {
        const QList<std::function<void()>> due = std::exchange(tasks, {});
        for (const auto &task : due)
            task();
    }
};

} // namespace

class TestUpdateStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void whatsNewDue_data();
    void whatsNewDue();
    void whatsNewShownOnceAfterUpgrade();
    void offerRule_data();
    void offerRule();
    void checkRunsAfterTheDelay();
    void noNetworkAtStartWhenSwitchedOff();
    void versionOfferedOnce();
    void failedCheckOnlyLogs();
    void settingIsOnUntilSwitchedOff();

private:
    CorvantisUpdate::UpdateConfig config() const;
    std::unique_ptr<UpdateStartup> startup();
    // Runs the scheduled check of `startup` and waits for its answer.
    bool runScheduledCheck(UpdateStartup &startup);

    std::unique_ptr<TestDatabase> m_database;
    std::unique_ptr<PreferencesRepository> m_preferences;
    std::unique_ptr<QTemporaryDir> m_settingsDir;
    std::unique_ptr<LoopbackHttpServer> m_server;
    QString m_offered = QStringLiteral("1.0.7");
    ManualScheduler m_clock;
};

void TestUpdateStartup::init()
{
    m_database = std::make_unique<TestDatabase>();
    QVERIFY(m_database->isReady());
    m_preferences = std::make_unique<PreferencesRepository>(m_database->database());
    m_settingsDir = std::make_unique<QTemporaryDir>();
    m_offered = QStringLiteral("1.0.7");
    m_clock = {};
    m_server = std::make_unique<LoopbackHttpServer>([this](const LoopbackRequest &) {
        const QJsonObject artifacts{{Client::platformKey(), ManifestJson::artifact(m_offered)}};
        return LoopbackResponse{200, ManifestJson::manifest(artifacts), {}};
    });
    QVERIFY(m_server->listen());
}

void TestUpdateStartup::cleanup()
{
    m_server.reset();
    m_preferences.reset();
    m_database.reset();
}

CorvantisUpdate::UpdateConfig TestUpdateStartup::config() const
{
    return {QStringLiteral("zimbrel"), QStringLiteral("stable"),
            m_server->url(QStringLiteral("/zimbrel/stable/")), QStringLiteral("1.0.5")};
}

std::unique_ptr<UpdateStartup> TestUpdateStartup::startup()
{
    auto startup = std::make_unique<UpdateStartup>(config(), m_preferences.get());
    startup->setScheduler(m_clock.scheduler());
    return startup;
}

bool TestUpdateStartup::runScheduledCheck(UpdateStartup &startup)
{
    m_clock.runAll();
    Client *client = startup.findChild<Client *>();
    if (!client)
        return false;
    QSignalSpy available(client, &Client::updateAvailable);
    QSignalSpy upToDate(client, &Client::upToDate);
    QSignalSpy failed(client, &Client::checkFailed);
    return QTest::qWaitFor([&] { return available.size() + upToDate.size() + failed.size() > 0; }, 20000);
}

void TestUpdateStartup::whatsNewDue_data()
{
    QTest::addColumn<QString>("lastShown"); // the settings key; empty: absent
    QTest::addColumn<QString>("legacy");    // preference "last_whats_new_version"; empty: absent
    QTest::addColumn<bool>("due");
    QTest::addColumn<QString>("storedAfter"); // the settings key afterwards
    QTest::newRow("first start shows the notes") << ""
                                                 << "" << true << "1.0.5";
    QTest::newRow("upgrade shows the notes") << "1.0.4"
                                             << "" << true << "1.0.5";
    QTest::newRow("numeric order, 1.0.10 above 1.0.5") << "1.0.10"
                                                       << "" << false << "1.0.10";
    QTest::newRow("same version stays quiet") << "1.0.5"
                                              << "" << false << "1.0.5";
    QTest::newRow("downgrade stays quiet") << "1.1.0"
                                           << "" << false << "1.1.0";
    QTest::newRow("unreadable record counts as never shown") << "garbage"
                                                             << "" << true << "1.0.5";
    QTest::newRow("older record carried over, already shown") << ""
                                                              << "1.0.5" << false << "1.0.5";
    QTest::newRow("older record carried over, upgrade") << ""
                                                        << "1.0.2" << true << "1.0.5";
    QTest::newRow("settings key wins over the older record") << "1.0.5"
                                                             << "1.0.1" << false << "1.0.5";
}

void TestUpdateStartup::whatsNewDue()
{
    QFETCH(QString, lastShown);
    QFETCH(QString, legacy);
    QFETCH(bool, due);
    QFETCH(QString, storedAfter);
    const QString path = m_settingsDir->filePath(QStringLiteral("settings.ini"));
    {
        QSettings settings(path, QSettings::IniFormat);
        if (!lastShown.isEmpty())
            settings.setValue(QStringLiteral("whatsNew/lastShownVersion"), lastShown);
    }
    if (!legacy.isEmpty())
        QVERIFY(m_preferences->setValue(QStringLiteral("last_whats_new_version"), legacy));

    QSettings settings(path, QSettings::IniFormat);
    QCOMPARE(startup()->takeWhatsNewDue(settings), due);
    // Written through to the file at once: a crash right after start must not show them again.
    QCOMPARE(
        QSettings(path, QSettings::IniFormat).value(QStringLiteral("whatsNew/lastShownVersion")).toString(),
        storedAfter);
    QCOMPARE(m_preferences->value(QStringLiteral("last_whats_new_version"), QString()), legacy);
}

void TestUpdateStartup::whatsNewShownOnceAfterUpgrade()
{
    const QString path = m_settingsDir->filePath(QStringLiteral("settings.ini"));
    {
        QSettings settings(path, QSettings::IniFormat);
        settings.setValue(QStringLiteral("whatsNew/lastShownVersion"), QStringLiteral("1.0.4"));
    }
    QSettings first(path, QSettings::IniFormat);
    QVERIFY(startup()->takeWhatsNewDue(first));
    QVERIFY(!startup()->takeWhatsNewDue(first));
    // The next start of the program reads the same store.
    QSettings second(path, QSettings::IniFormat);
    QVERIFY(!startup()->takeWhatsNewDue(second));
}

void TestUpdateStartup::offerRule_data()
{
    QTest::addColumn<QString>("dismissed"); // empty: nothing offered yet
    QTest::addColumn<QString>("version");
    QTest::addColumn<bool>("offered");
    QTest::newRow("nothing dismissed") << ""
                                       << "1.0.6" << true;
    QTest::newRow("older than dismissed") << "1.0.6"
                                          << "1.0.4" << false;
    QTest::newRow("the dismissed version") << "1.0.6"
                                           << "1.0.6" << false;
    QTest::newRow("newer than dismissed") << "1.0.6"
                                          << "1.0.7" << true;
    QTest::newRow("numeric order") << "1.0.9"
                                   << "1.0.10" << true;
}

void TestUpdateStartup::offerRule()
{
    QFETCH(QString, dismissed);
    QFETCH(QString, version);
    QFETCH(bool, offered);
    if (!dismissed.isEmpty())
        QVERIFY(m_preferences->setValue(QStringLiteral("update_dismissed_version"), dismissed));
    QCOMPARE(startup()->shouldOffer(version), offered);
}

void TestUpdateStartup::checkRunsAfterTheDelay()
{
    if (Client::platformKey().isEmpty())
        QSKIP("no release is shipped for this system");
    auto updates = startup();
    QSignalSpy offered(updates.get(), &UpdateStartup::updateOffered);
    QVERIFY(updates->scheduleCheck());
    QCOMPARE(m_clock.delays, QList<int>{1500});
    // Nothing goes out before the delay is over.
    QVERIFY(!updates->findChild<Client *>());
    QCOMPARE(m_server->requests().size(), 0);

    m_clock.runAll();
    QTRY_COMPARE(offered.size(), 1);
    QCOMPARE(offered.first().first().value<Artifact>().version, QStringLiteral("1.0.7"));
    QCOMPARE(m_server->requests().size(), 1);
}

void TestUpdateStartup::noNetworkAtStartWhenSwitchedOff()
{
    QVERIFY(UpdateStartup::setCheckAtStartupEnabled(m_preferences.get(), false));
    auto updates = startup();
    // A first start would fetch the release notes; switched off, it does not, and does not later.
    const QString path = m_settingsDir->filePath(QStringLiteral("settings.ini"));
    QSettings settings(path, QSettings::IniFormat);
    QVERIFY(!updates->takeWhatsNewDue(settings));
    QCOMPARE(settings.value(QStringLiteral("whatsNew/lastShownVersion")).toString(), QStringLiteral("1.0.5"));
    QVERIFY(!updates->scheduleCheck());
    QVERIFY(m_clock.delays.isEmpty());
    QVERIFY(!updates->findChild<Client *>());
    QCoreApplication::processEvents();
    QCOMPARE(m_server->requests().size(), 0);
}

void TestUpdateStartup::versionOfferedOnce()
{
    if (Client::platformKey().isEmpty())
        QSKIP("no release is shipped for this system");
    {
        auto firstStart = startup();
        QSignalSpy offered(firstStart.get(), &UpdateStartup::updateOffered);
        QVERIFY(firstStart->scheduleCheck());
        QVERIFY(runScheduledCheck(*firstStart));
        QCOMPARE(offered.size(), 1);
        // The user closed the dialog.
        firstStart->markOffered(QStringLiteral("1.0.7"));
    }
    QCOMPARE(m_preferences->value(QStringLiteral("update_dismissed_version"), QString()),
             QStringLiteral("1.0.7"));
    {
        auto secondStart = startup();
        QSignalSpy offered(secondStart.get(), &UpdateStartup::updateOffered);
        QVERIFY(secondStart->scheduleCheck());
        QVERIFY(runScheduledCheck(*secondStart));
        QCOMPARE(offered.size(), 0);
    }
    m_offered = QStringLiteral("1.0.8");
    auto thirdStart = startup();
    QSignalSpy offered(thirdStart.get(), &UpdateStartup::updateOffered);
    QVERIFY(thirdStart->scheduleCheck());
    QVERIFY(runScheduledCheck(*thirdStart));
    QCOMPARE(offered.size(), 1);
    QCOMPARE(offered.first().first().value<Artifact>().version, QStringLiteral("1.0.8"));
    QCOMPARE(m_server->requests().size(), 3);
}

void TestUpdateStartup::failedCheckOnlyLogs()
{
    m_server = std::make_unique<LoopbackHttpServer>([](const LoopbackRequest &) {
        return LoopbackResponse{500, {}, {}};
    });
    QVERIFY(m_server->listen());
    auto updates = startup();
    QSignalSpy offered(updates.get(), &UpdateStartup::updateOffered);
    QVERIFY(updates->scheduleCheck());
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^update check failed: network error: ")));
    QVERIFY(runScheduledCheck(*updates));
    QCOMPARE(offered.size(), 0);
}

void TestUpdateStartup::settingIsOnUntilSwitchedOff()
{
    QVERIFY(UpdateStartup::isCheckAtStartupEnabled(m_preferences.get()));
    QVERIFY(UpdateStartup::setCheckAtStartupEnabled(m_preferences.get(), false));
    QVERIFY(!UpdateStartup::isCheckAtStartupEnabled(m_preferences.get()));
    QCOMPARE(m_preferences->value(QStringLiteral("update_check_at_startup"), QString()), QStringLiteral("0"));
    QVERIFY(UpdateStartup::setCheckAtStartupEnabled(m_preferences.get(), true));
    QVERIFY(UpdateStartup::isCheckAtStartupEnabled(m_preferences.get()));
}

QTEST_GUILESS_MAIN(TestUpdateStartup)
#include "tst_updatestartup.moc"
