#include "app/appstate.h"
#include "app/welcomescreen.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "ui/widgets/thememanager.h"

#include <QApplication>
#include <QCheckBox>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStyleOptionSlider>
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
    void colorsReadOnTheirBackgrounds_data();
    void colorsReadOnTheirBackgrounds();
    void scrollBarHandleStandsOutFromItsTrack_data();
    void scrollBarHandleStandsOutFromItsTrack();
    void uncheckedIndicatorsStandOut_data();
    void uncheckedIndicatorsStandOut();
    void welcomeButtonsShowTheKeyboardFocus_data();
    void welcomeButtonsShowTheKeyboardFocus();

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

    QTest::newRow("light") << "light" << true << ThemeManager::Theme::Light << "#fafbfa"
                           << "light";
    QTest::newRow("dark") << "dark" << false << ThemeManager::Theme::Dark << "#0f1e19"
                          << "dark";
    QTest::newRow("system on a dark platform") << "system" << true << ThemeManager::Theme::System << "#0f1e19"
                                               << "system";
    QTest::newRow("system on a light platform")
        << "system" << false << ThemeManager::Theme::System << "#fafbfa"
        << "system";
    QTest::newRow("upper-case Dark is system") << "Dark" << false << ThemeManager::Theme::System << "#fafbfa"
                                               << "system";
    QTest::newRow("empty is system") << "" << true << ThemeManager::Theme::System << "#0f1e19"
                                     << "system";
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
        QCOMPARE(state.preferencesRepository()->value(QStringLiteral("theme")),
                 std::optional<QString>(QStringLiteral("system")));
        state.themeManager()->setTheme(QStringLiteral("dark"));
    }
    AppState state(directory.path());
    QVERIFY(state.initialize());
    QCOMPARE(state.themeManager()->currentTheme(), ThemeManager::Theme::Dark);
    QCOMPARE(QApplication::palette().color(QPalette::Window), QColor(u"#0F1E19"));
}

// Text and icons against what they are drawn on, in the theme they are drawn in: 4.5 for text,
// 3 for icons and large figures.
void TestThemeManager::colorsReadOnTheirBackgrounds_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QColor>("foreground");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<double>("minimum");
    const auto color = [](ThemeColor which, bool dark) {
        return ThemeManager::color(which, dark);
    };
    for (const bool dark : {false, true}) {
        const QPalette palette = dark ? ThemeManager::darkPalette() : ThemeManager::lightPalette();
        const char *theme = dark ? "dark" : "light";
        QTest::addRow("%s: link on base", theme)
            << dark << palette.color(QPalette::Link) << palette.color(QPalette::Base) << 4.5;
        QTest::addRow("%s: link on window", theme)
            << dark << palette.color(QPalette::Link) << palette.color(QPalette::Window) << 4.5;
        QTest::addRow("%s: balance on the selected account", theme)
            << dark << color(ThemeColor::SidebarSelectedPositive, dark)
            << color(ThemeColor::SidebarSelected, dark) << 4.5;
        QTest::addRow("%s: negative balance on the selected account", theme)
            << dark << color(ThemeColor::SidebarSelectedNegative, dark)
            << color(ThemeColor::SidebarSelected, dark) << 4.5;
        QTest::addRow("%s: balance in the sidebar", theme)
            << dark << color(ThemeColor::SidebarPositive, dark) << color(ThemeColor::SidebarBackground, dark)
            << 4.5;
        QTest::addRow("%s: selected preferences icon", theme)
            << dark << color(ThemeColor::PageListSelectedText, dark)
            << color(ThemeColor::PageListSelected, dark) << 3.0;
        QTest::addRow("%s: preferences icon", theme) << dark << color(ThemeColor::PageListIcon, dark)
                                                     << color(ThemeColor::PageListBackground, dark) << 3.0;
        QTest::addRow("%s: keyboard hint", theme)
            << dark << color(ThemeColor::KeysHint, dark) << palette.color(QPalette::Window) << 4.5;
        QTest::addRow("%s: negative amount", theme)
            << dark << color(ThemeColor::Negative, dark) << palette.color(QPalette::Base) << 4.5;
    }
}

void TestThemeManager::colorsReadOnTheirBackgrounds()
{
    QFETCH(bool, dark);
    QFETCH(QColor, foreground);
    QFETCH(QColor, background);
    QFETCH(double, minimum);
    Q_UNUSED(dark);
    const double ratio = ThemeManager::contrast(foreground, background);
    QVERIFY2(
        ratio >= minimum,
        qPrintable(
            QStringLiteral("%1 on %2: %3").arg(foreground.name(), background.name()).arg(ratio, 0, 'f', 2)));
}

void TestThemeManager::scrollBarHandleStandsOutFromItsTrack_data()
{
    QTest::addColumn<QString>("theme");
    QTest::newRow("light") << QStringLiteral("light");
    QTest::newRow("dark") << QStringLiteral("dark");
}

// Painted, then read back: the handle is darker than the track on the light theme and lighter on
// the dark one, and clearly apart from it on both.
void TestThemeManager::scrollBarHandleStandsOutFromItsTrack()
{
    QFETCH(QString, theme);
    ThemeManager manager(m_preferences.get(), nullptr, [] { return false; });
    manager.setTheme(theme);
    QScrollBar bar(Qt::Vertical);
    bar.setRange(0, 100);
    bar.setPageStep(20);
    bar.resize(bar.sizeHint().width(), 300);
    const QImage image = bar.grab().toImage();
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = Qt::Vertical;
    option.minimum = 0;
    option.maximum = 100;
    option.pageStep = 20;
    option.sliderPosition = option.sliderValue = 0;
    const QRect handle =
        bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, &bar);
    const QRect groove =
        bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, &bar);
    QVERIFY(handle.isValid());
    const qreal ratio = image.devicePixelRatio();
    const QColor handleColor = image.pixelColor((QPointF(handle.center()) * ratio).toPoint());
    const QColor trackColor =
        image.pixelColor((QPointF(groove.center().x(), groove.bottom() - 10) * ratio).toPoint());
    if (theme == u"light")
        QVERIFY2(handleColor.lightness() < trackColor.lightness(),
                 qPrintable(handleColor.name() + trackColor.name()));
    else
        QVERIFY2(handleColor.lightness() > trackColor.lightness(),
                 qPrintable(handleColor.name() + trackColor.name()));
    QVERIFY2(ThemeManager::contrast(handleColor, trackColor) >= 1.5,
             qPrintable(handleColor.name() + trackColor.name()));
}

void TestThemeManager::uncheckedIndicatorsStandOut_data()
{
    QTest::addColumn<QString>("theme");
    QTest::addColumn<bool>("radio");
    for (const char *theme : {"light", "dark"}) {
        QTest::addRow("%s check box", theme) << QString::fromLatin1(theme) << false;
        QTest::addRow("%s radio button", theme) << QString::fromLatin1(theme) << true;
    }
}

// An unchecked box or radio button is drawn with an edge that stands out from the window.
void TestThemeManager::uncheckedIndicatorsStandOut()
{
    QFETCH(QString, theme);
    QFETCH(bool, radio);
    ThemeManager manager(m_preferences.get(), nullptr, [] { return false; });
    manager.setTheme(theme);
    std::unique_ptr<QAbstractButton> button;
    if (radio)
        button = std::make_unique<QRadioButton>(QStringLiteral("CSV"));
    else
        button = std::make_unique<QCheckBox>(QStringLiteral("Cleared"));
    button->resize(button->sizeHint());
    const QImage image = button->grab().toImage();
    const QColor window = QApplication::palette().color(QPalette::Window);
    // The indicator sits at the left, as tall as the text; its edge is the strongest contrast there.
    double strongest = 1.0;
    const int height = image.height();
    for (int x = 0; x < std::min(image.width(), height); ++x) {
        for (int y = 0; y < height; ++y)
            strongest = std::max(strongest, ThemeManager::contrast(image.pixelColor(x, y), window));
    }
    QVERIFY2(strongest >= 3.0, qPrintable(QString::number(strongest, 'f', 2)));
}

void TestThemeManager::welcomeButtonsShowTheKeyboardFocus_data()
{
    QTest::addColumn<QString>("theme");
    QTest::addColumn<QString>("button");
    for (const char *theme : {"light", "dark"}) {
        QTest::addRow("%s, continue", theme)
            << QString::fromLatin1(theme) << QStringLiteral("continueButton");
        QTest::addRow("%s, sign in", theme) << QString::fromLatin1(theme) << QStringLiteral("accountButton");
    }
}

// Tab moves between the two buttons; the one with the focus looks different from itself without.
void TestThemeManager::welcomeButtonsShowTheKeyboardFocus()
{
    QFETCH(QString, theme);
    QFETCH(QString, button);
    ThemeManager manager(m_preferences.get(), nullptr, [] { return false; });
    manager.setTheme(theme);
    WelcomeScreen screen;
    screen.resize(600, 400);
    screen.show();
    QApplication::setActiveWindow(&screen);
    QVERIFY(QTest::qWaitForWindowActive(&screen));
    auto *target = screen.findChild<QPushButton *>(button);
    QVERIFY(target);
    auto *other = screen.findChild<QPushButton *>(
        button == u"continueButton" ? QStringLiteral("accountButton") : QStringLiteral("continueButton"));
    other->setFocus(Qt::TabFocusReason);
    QVERIFY(other->hasFocus());
    const QImage without = target->grab().toImage();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(target->hasFocus());
    const QImage with = target->grab().toImage();
    QVERIFY(with != without);
}

QTEST_MAIN(TestThemeManager)
#include "tst_thememanager.moc"
