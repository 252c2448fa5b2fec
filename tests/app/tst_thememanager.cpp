#include "app/appstate.h"
#include "app/thememanager.h"
#include "data/database.h"
#include "data/preferencesrepository.h"

#include <QApplication>
#include <QPalette>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class TestThemeManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void setThemeAppliesStoresAndAnnounces_data();
    void setThemeAppliesStoresAndAnnounces();
    void settingTheSameThemeTwiceWritesAndEmitsTwice();
    void lightPaletteRoles();
    void darkPaletteRoles();
    void appStateAppliesTheStoredTheme();

private:
    std::unique_ptr<QTemporaryDir> m_directory;
    std::unique_ptr<Database> m_database;
    std::unique_ptr<PreferencesRepository> m_preferences;
};

void TestThemeManager::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestThemeManager::init()
{
    m_directory = std::make_unique<QTemporaryDir>();
    m_database = std::make_unique<Database>();
    QVERIFY(m_database->open(m_directory->filePath(QStringLiteral("zimbrel.db"))));
    QVERIFY(m_database->runMigrations());
    m_preferences = std::make_unique<PreferencesRepository>(m_database.get());
}

void TestThemeManager::cleanup()
{
    m_preferences.reset();
    m_database.reset();
    m_directory.reset();
}

void TestThemeManager::setThemeAppliesStoresAndAnnounces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("systemIsDark");
    QTest::addColumn<ThemeManager::Theme>("expectedTheme");
    QTest::addColumn<QString>("expectedWindow");
    QTest::addColumn<QString>("expectedStored");

    QTest::newRow("light") << "light" << true << ThemeManager::Theme::Light << "#fafbfa" << "light";
    QTest::newRow("dark") << "dark" << false << ThemeManager::Theme::Dark << "#0f1e19" << "dark";
    QTest::newRow("system on a dark platform") << "system" << true << ThemeManager::Theme::System
                                               << "#0f1e19" << "system";
    QTest::newRow("system on a light platform") << "system" << false << ThemeManager::Theme::System
                                                << "#fafbfa" << "system";
    QTest::newRow("upper-case Dark is system") << "Dark" << false << ThemeManager::Theme::System
                                               << "#fafbfa" << "system";
    QTest::newRow("empty is system") << "" << true << ThemeManager::Theme::System << "#0f1e19" << "system";
}

void TestThemeManager::setThemeAppliesStoresAndAnnounces()
{
    QFETCH(QString, name);
    QFETCH(bool, systemIsDark);
    QFETCH(ThemeManager::Theme, expectedTheme);
    QFETCH(QString, expectedWindow);
    QFETCH(QString, expectedStored);

    ThemeManager manager(m_preferences.get(), nullptr, [systemIsDark] { return systemIsDark; });
    QCOMPARE(manager.currentTheme(), ThemeManager::Theme::System);
    QSignalSpy changed(&manager, &ThemeManager::themeChanged);
    manager.setTheme(name);

    QCOMPARE(manager.currentTheme(), expectedTheme);
    QCOMPARE(QApplication::palette().color(QPalette::Window).name(), expectedWindow);
    QCOMPARE(m_preferences->value(QStringLiteral("theme")), std::optional<QString>(expectedStored));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).value<ThemeManager::Theme>(), expectedTheme);
}

void TestThemeManager::settingTheSameThemeTwiceWritesAndEmitsTwice()
{
    ThemeManager manager(m_preferences.get(), nullptr, [] { return false; });
    QSignalSpy changed(&manager, &ThemeManager::themeChanged);
    QSignalSpy written(m_preferences.get(), &PreferencesRepository::changed);
    manager.setTheme(QStringLiteral("dark"));
    manager.setTheme(QStringLiteral("dark"));
    QCOMPARE(changed.count(), 2);
    QCOMPARE(written.count(), 2);
}

void TestThemeManager::lightPaletteRoles()
{
    ThemeManager manager(m_preferences.get(), nullptr, [] { return true; });
    manager.setTheme(QStringLiteral("light"));
    const QPalette palette = QApplication::palette();
    QCOMPARE(palette.color(QPalette::Disabled, QPalette::Text), QColor(u"#A0B5A8"));
    QCOMPARE(palette.color(QPalette::Disabled, QPalette::WindowText), QColor(u"#A0B5A8"));
    QCOMPARE(palette.color(QPalette::Active, QPalette::Text), QColor(u"#1B2D26"));
    QCOMPARE(palette.color(QPalette::Active, QPalette::Highlight), QColor(u"#00897B"));
    QCOMPARE(palette.color(QPalette::Inactive, QPalette::Highlight), QColor(u"#00897B"));
    QCOMPARE(palette.color(QPalette::Active, QPalette::PlaceholderText), QColor(u"#6E8A7E"));
    QCOMPARE(palette.color(QPalette::Active, QPalette::AlternateBase), QColor(u"#F2F7F4"));
}

void TestThemeManager::darkPaletteRoles()
{
    ThemeManager manager(m_preferences.get(), nullptr, [] { return false; });
    manager.setTheme(QStringLiteral("dark"));
    const QPalette palette = QApplication::palette();
    QCOMPARE(palette.color(QPalette::Disabled, QPalette::ButtonText), QColor(u"#3A5A4A"));
    QCOMPARE(palette.color(QPalette::Active, QPalette::Base), QColor(u"#152420"));
    QCOMPARE(palette.color(QPalette::Active, QPalette::HighlightedText), QColor(u"#0F1E19"));
    QCOMPARE(palette.color(QPalette::Active, QPalette::Light), QColor(u"#2A4038"));
    QCOMPARE(palette.color(QPalette::Active, QPalette::Dark), QColor(u"#0A1510"));
    // Disabled text only: the disabled window colour is the common one.
    QCOMPARE(palette.color(QPalette::Disabled, QPalette::Window), QColor(u"#0F1E19"));
}

void TestThemeManager::appStateAppliesTheStoredTheme()
{
    QTemporaryDir directory;
    {
        AppState state(directory.path());
        QVERIFY(state.initialize());
        QCOMPARE(state.themeManager()->currentTheme(), ThemeManager::Theme::System);
        QCOMPARE(state.preferencesRepository()->value(QStringLiteral("theme")), std::optional<QString>(QStringLiteral("system")));
        state.themeManager()->setTheme(QStringLiteral("dark"));
    }
    AppState state(directory.path());
    QVERIFY(state.initialize());
    QCOMPARE(state.themeManager()->currentTheme(), ThemeManager::Theme::Dark);
    QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(u"#0F1E19"));
}

QTEST_MAIN(TestThemeManager)
#include "tst_thememanager.moc"
