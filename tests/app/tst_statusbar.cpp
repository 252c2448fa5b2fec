#include "app/statusbar.h"
#include "ui/widgets/thememanager.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QStandardPaths>
#include <QTest>

class TestStatusBar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void accountCountUsesTheSourcePluralWithoutTranslation_data();
    void accountCountUsesTheSourcePluralWithoutTranslation();
    void recurringDueShowsOnlyWhenSomethingIsDue();
    void recurringDueTakesTheWarningColourOfThePalette();
    void messageRemovesTheProgressDisplay();
    void colorsFollowThePalette();
};

void TestStatusBar::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestStatusBar::accountCountUsesTheSourcePluralWithoutTranslation_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("expected");
    QTest::newRow("none") << 0 << "0 account(s)";
    QTest::newRow("one") << 1 << "1 account(s)";
    QTest::newRow("many") << 12 << "12 account(s)";
}

void TestStatusBar::accountCountUsesTheSourcePluralWithoutTranslation()
{
    QFETCH(int, count);
    QFETCH(QString, expected);
    StatusBar bar;
    bar.setAccountCount(count);
    QCOMPARE(bar.accountCountText(), expected);
}

void TestStatusBar::recurringDueShowsOnlyWhenSomethingIsDue()
{
    StatusBar bar;
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    bar.setRecurringDue(3);
    QCOMPARE(bar.recurringDueText(), QStringLiteral("  •  3 recurring due"));
    bar.setRecurringDue(0);
    QCOMPARE(bar.recurringDueText(), QString());
    bar.setRecurringDue(-1);
    QCOMPARE(bar.recurringDueText(), QString());
}

void TestStatusBar::recurringDueTakesTheWarningColourOfThePalette()
{
    QApplication::setPalette(ThemeManager::darkPalette());
    StatusBar bar;
    bar.setRecurringDue(1);
    const auto labels = bar.findChildren<QLabel *>();
    const auto due = std::find_if(labels.begin(), labels.end(),
                                  [](QLabel *label) { return label->text().contains(u"recurring due"); });
    QVERIFY(due != labels.end());
    QCOMPARE((*due)->styleSheet(), QStringLiteral("color: #ffa726; font-weight: bold;"));

    QApplication::setPalette(ThemeManager::lightPalette());
    bar.setRecurringDue(2);
    QCOMPARE((*due)->styleSheet(), QStringLiteral("color: #e65100; font-weight: bold;"));
}

void TestStatusBar::messageRemovesTheProgressDisplay()
{
    StatusBar bar;
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QCOMPARE(bar.syncStateText(), QStringLiteral("Offline"));
    QVERIFY(!bar.isProgressVisible());

    bar.showProgress(QStringLiteral("Downloading update..."));
    QVERIFY(bar.isProgressVisible());
    auto *busy = bar.findChild<QProgressBar *>();
    QVERIFY(busy);
    QCOMPARE(busy->minimum(), 0);
    QCOMPARE(busy->maximum(), 0);

    bar.showMessage(QStringLiteral("Backup restored"), 2000);
    QVERIFY(!bar.isProgressVisible());
    QCOMPARE(bar.currentMessage(), QStringLiteral("Backup restored"));
    // The timed message clears itself.
    QTRY_COMPARE_WITH_TIMEOUT(bar.currentMessage(), QString(), 5000);
}

void TestStatusBar::colorsFollowThePalette()
{
    StatusBar bar;
    bar.setSyncStateText(QStringLiteral("Synced"));
    const auto labels = bar.findChildren<QLabel *>();
    const auto sync =
        std::find_if(labels.begin(), labels.end(), [](QLabel *label) { return label->text() == u"Synced"; });
    QVERIFY(sync != labels.end());

    QApplication::setPalette(ThemeManager::darkPalette());
    bar.applyColors();
    QCOMPARE((*sync)->styleSheet(), QStringLiteral("color: #8FAF9F;"));
    QApplication::setPalette(ThemeManager::lightPalette());
    bar.applyColors();
    QCOMPARE((*sync)->styleSheet(), QStringLiteral("color: #2A3D33;"));
}

QTEST_MAIN(TestStatusBar)
#include "tst_statusbar.moc"
