#include "ui/screens/settingsscreen.h"

#include "app/application.h"
#include "app/appsettingshost.h"
#include "app/guitesthelpers.h"
#include "app/mainwindow.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/weekstartday.h"
#include "services/updatestartup.h"
#include "support/recordbuilders.h"
#include "ui/widgets/registerstyle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTest>
#include <QTranslator>

class TestSettingsScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void generalSettingsTakeEffect();
    void registerSettingsAreStored();
    void startupUpdateCheckCanBeSwitchedOff();
    void languageChangeAsksForARestartOnce();
    void syncShowsSignedOut();
    void backupRoundTrip_data();
    void backupRoundTrip();
    void unreadableArchiveIsAFailure();
    void deleteAndRestoreAnAccount();
    void everyPageFitsInEveryLanguage_data();
    void everyPageFitsInEveryLanguage();
};

namespace {

// Types the path into the next file dialog and accepts it; then runs `next`, if any, for the
// dialog that follows.
void answerFileDialog(const QString &path, std::function<void()> next = {})
{
    whenModalShown([path, next](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY2(dialog, qPrintable(QString::fromLatin1(modal->metaObject()->className()) + u' ' +
                                    modal->windowTitle()));
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        if (next)
            next();
        static_cast<QDialog *>(dialog)->accept();
    });
}

void answerMessageBox(QString *title, QString *text)
{
    whenModalShown([title, text](QWidget *modal) {
        *title = modal->windowTitle();
        *text = static_cast<QMessageBox *>(modal)->text();
        pressInModal(modal, Qt::Key_Return);
    });
}

void click(QPushButton *button)
{
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
}

} // namespace

void TestSettingsScreen::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
}

void TestSettingsScreen::generalSettingsTakeEffect()
{
    TestState state;
    SettingsScreen screen(screenServicesOf(state.get()), std::make_unique<AppSettingsHost>(state.get()));
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QCOMPARE(screen.currentPage(), int(SettingsScreen::GeneralPage));

    auto *theme = child<QComboBox>(&screen, "themeCombo");
    theme->setFocus();
    QTest::keyClick(theme, Qt::Key_End); // Dark
    QCOMPARE(state->preferencesRepository()->value(QStringLiteral("theme"), QString()),
             QStringLiteral("dark"));
    QVERIFY(isDarkPalette());
    QTest::keyClick(theme, Qt::Key_Up); // Light
    QVERIFY(!isDarkPalette());

    auto *week = child<QComboBox>(&screen, "weekStartCombo");
    week->setFocus();
    week->setCurrentIndex(week->findData(7));
    QTest::keyClick(week, Qt::Key_Down); // Monday
    QCOMPARE(state->preferencesRepository()->value(QStringLiteral("weekStartDay"), QString()),
             QStringLiteral("1"));
    QCOMPARE(weekStartDay(), 1);
    QTest::keyClick(week, Qt::Key_Down); // Saturday
    QCOMPARE(weekStartDay(), 6);

    // A new screen starts from what is stored.
    SettingsScreen again(screenServicesOf(state.get()), std::make_unique<AppSettingsHost>(state.get()));
    QCOMPARE(child<QComboBox>(&again, "themeCombo")->currentData().toString(), QStringLiteral("light"));
    QCOMPARE(child<QComboBox>(&again, "weekStartCombo")->currentData().toInt(), 6);
}

void TestSettingsScreen::registerSettingsAreStored()
{
    TestState state;
    SettingsScreen screen(screenServicesOf(state.get()), std::make_unique<AppSettingsHost>(state.get()));
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto *sidebar = child<QListWidget>(&screen, "settingsSidebar");
    sidebar->setFocus();
    QTest::keyClick(sidebar, Qt::Key_Down);
    QCOMPARE(screen.currentPage(), int(SettingsScreen::RegisterPage));

    QSignalSpy changes(state->preferencesRepository(), &PreferencesRepository::changed);
    auto *twoLine = child<QCheckBox>(&screen, "twoLineCheck");
    twoLine->setFocus();
    QTest::keyClick(twoLine, Qt::Key_Space);
    auto *newestFirst = child<QCheckBox>(&screen, "newestFirstCheck");
    newestFirst->setFocus();
    QTest::keyClick(newestFirst, Qt::Key_Space);
    QVERIFY(state->preferencesRepository()->boolValue(QStringLiteral("registerTwoLine"), false));
    QVERIFY(state->preferencesRepository()->boolValue(QStringLiteral("registerNewestFirst"), false));
    QCOMPARE(changes.count(), 2);
}

void TestSettingsScreen::startupUpdateCheckCanBeSwitchedOff()
{
    TestState state;
    SettingsScreen screen(screenServicesOf(state.get()), std::make_unique<AppSettingsHost>(state.get()));
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto *check = child<QCheckBox>(&screen, "updateCheckAtStartupCheck");
    QVERIFY(check->isChecked());

    check->setFocus();
    QTest::keyClick(check, Qt::Key_Space);
    QCOMPARE(state->preferencesRepository()->value(QStringLiteral("update_check_at_startup"), QString()),
             QStringLiteral("0"));
    // A new screen starts from what is stored.
    SettingsScreen again(screenServicesOf(state.get()), std::make_unique<AppSettingsHost>(state.get()));
    QVERIFY(!child<QCheckBox>(&again, "updateCheckAtStartupCheck")->isChecked());

    QTest::keyClick(check, Qt::Key_Space);
    QVERIFY(UpdateStartup::isCheckAtStartupEnabled(state->preferencesRepository()));
}

void TestSettingsScreen::languageChangeAsksForARestartOnce()
{
    TestState state;
    Application::setLanguage(QStringLiteral("de"));
    SettingsScreen screen(screenServicesOf(state.get()), std::make_unique<AppSettingsHost>(state.get()));
    auto *language = child<QComboBox>(&screen, "languageCombo");
    QCOMPARE(language->currentData().toString(), QStringLiteral("de"));

    QString title;
    QString text;
    answerMessageBox(&title, &text);
    language->setFocus();
    QTest::keyClick(language, Qt::Key_Down); // de -> fr
    QCOMPARE(title, QStringLiteral("Language Changed"));
    QCOMPARE(Application::resolveLanguage(false), QStringLiteral("fr"));

    // Choosing the active language again says nothing.
    auto asked = std::make_shared<bool>(false);
    // Fires at the first event processing: inside exec() if a dialog opens, else right below.
    QTimer::singleShot(0, qApp, [asked] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            *asked = true;
            static_cast<QDialog *>(modal)->reject();
        }
    });
    screen.onLanguageChanged(language->findData(QStringLiteral("fr")));
    QCoreApplication::processEvents();
    QVERIFY(!*asked);
    Application::setLanguage(QStringLiteral("system"));
}

void TestSettingsScreen::syncShowsSignedOut()
{
    TestState state;
    SettingsScreen screen(screenServicesOf(state.get()), std::make_unique<AppSettingsHost>(state.get()));
    QCOMPARE(child<QLabel>(&screen, "syncStatusLabel")->text(),
             QStringLiteral("Not signed in.\nSign in via File › Sign In to enable sync."));
    QCOMPARE(child<QLabel>(&screen, "lastSyncLabel")->text(), QStringLiteral("Never synced"));
    QVERIFY(!child<QPushButton>(&screen, "syncNowButton")->isEnabled());
    QVERIFY(!child<QPushButton>(&screen, "fullSyncButton")->isEnabled());
    // No deleted accounts, no section.
    QVERIFY(child<QWidget>(&screen, "deletedAccountsSection")->isHidden());
}

void TestSettingsScreen::backupRoundTrip_data()
{
    QTest::addColumn<int>("modeRow");
    QTest::addColumn<bool>("categoriesReplaced");
    QTest::newRow("replace all") << 0 << true;
    QTest::newRow("keep newer") << 1 << false;
    QTest::newRow("skip existing") << 2 << false;
}

void TestSettingsScreen::backupRoundTrip()
{
    QFETCH(int, modeRow);
    QFETCH(bool, categoriesReplaced);
    TestState source;
    const Account checking =
        Records::account(QStringLiteral("Checking")).startingBalance(5000).addTo(source.core());
    Records::transaction(checking.id, QDate(2026, 1, 2), -450)
        .payee(QStringLiteral("Cafe"))
        .addTo(source.core());
    Records::transaction(checking.id, QDate(2026, 1, 3), 100000)
        .payee(QStringLiteral("Pay"))
        .addTo(source.core());
    const QString archive = source.directory.filePath(QStringLiteral("backup.zip"));
    {
        SettingsScreen screen(screenServicesOf(source.get()),
                              std::make_unique<AppSettingsHost>(source.get()));
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QString title;
        QString text;
        answerFileDialog(archive, [&title, &text] { answerMessageBox(&title, &text); });
        click(child<QPushButton>(&screen, "exportBackupButton"));
        QCOMPARE(title, QStringLiteral("Backup Complete"));
        QCOMPARE(text, QStringLiteral("Backup saved to:\n%1").arg(archive));
        QCOMPARE(child<QPushButton>(&screen, "exportBackupButton")->text(), QStringLiteral("Export Backup"));
    }

    // A fresh data directory: only its own default categories, the same rows as the source's.
    TestState target;
    const int defaults = target->categoryRepository()->countLive();
    SettingsScreen screen(screenServicesOf(target.get()), std::make_unique<AppSettingsHost>(target.get()));
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QSignalSpy restored(&screen, &SettingsScreen::deletedAccountRestored);
    QString modeTitle;
    QString title;
    QString text;
    answerFileDialog(archive, [&] {
        whenModalShown([&](QWidget *modal) {
            modeTitle = modal->windowTitle();
            auto *combo = modal->findChild<QComboBox *>();
            combo->setCurrentIndex(modeRow);
            answerMessageBox(&title, &text);
            pressInModal(modal, Qt::Key_Return);
        });
    });
    click(child<QPushButton>(&screen, "importBackupButton"));
    QCOMPARE(modeTitle, QStringLiteral("Import Mode"));
    QCOMPARE(title, QStringLiteral("Import Complete"));
    const int imported = 3 + (categoriesReplaced ? defaults : 0);
    const int skipped = categoriesReplaced ? 0 : defaults;
    QCOMPARE(text, QStringLiteral("Imported %1 items, skipped %2.").arg(imported).arg(skipped));
    QCOMPARE(restored.count(), 1);
    QCOMPARE(target->accountRepository()->all().size(), 1);
    QCOMPARE(target->transactionRepository()->balance(checking.id), Money(5000 - 450 + 100000));
}

void TestSettingsScreen::unreadableArchiveIsAFailure()
{
    TestState state;
    const QString notAZip = state.directory.filePath(QStringLiteral("notes.zip"));
    QFile file(notAZip);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("just some text");
    file.close();
    SettingsScreen screen(screenServicesOf(state.get()), std::make_unique<AppSettingsHost>(state.get()));
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QSignalSpy restored(&screen, &SettingsScreen::deletedAccountRestored);
    QString title;
    QString text;
    answerFileDialog(notAZip, [&] {
        whenModalShown([&](QWidget *modal) {
            answerMessageBox(&title, &text);
            pressInModal(modal, Qt::Key_Return);
        });
    });
    click(child<QPushButton>(&screen, "importBackupButton"));
    QCOMPARE(title, QStringLiteral("Import Failed"));
    QCOMPARE(restored.count(), 0);
}

void TestSettingsScreen::deleteAndRestoreAnAccount()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    const Account savings = Records::account(QStringLiteral("Savings")).sortOrder(1).addTo(state.core());
    Records::transaction(checking.id, QDate(2026, 1, 2), -450)
        .payee(QStringLiteral("Cafe"))
        .addTo(state.core());
    const Transaction removedEarlier = Records::transaction(checking.id, QDate(2026, 1, 3), -1)
                                           .payee(QStringLiteral("Typo"))
                                           .addTo(state.core());
    QVERIFY(state->transactionRepository()->softDelete(removedEarlier.id));
    // Deleted an hour before the account: the user's own deletion, not the cascade's.
    QSqlQuery query(state->database()->connection());
    QVERIFY(query.exec(
        QStringLiteral("UPDATE transactions SET deleted_at = '2020-01-01T00:00:00Z' WHERE id = '%1'")
            .arg(removedEarlier.id)));

    MainWindow window(state.get());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    whenModalShown(
        [](QWidget *modal) { static_cast<QMessageBox *>(modal)->button(QMessageBox::Yes)->click(); });
    window.deleteAccount(checking.id);
    QCOMPARE(state->accountRepository()->all().size(), 1);
    QCOMPARE(window.shortcutAccountIds(), QStringList{savings.id});

    window.showSettingsWindow();
    SettingsScreen *screen = window.settingsScreen();
    QVERIFY(screen);
    QVERIFY(!child<QWidget>(screen, "deletedAccountsSection")->isHidden());
    auto *list = child<QListWidget>(screen, "deletedAccountsList");
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Checking"));
    auto *restore = child<QPushButton>(screen, "restoreButton");
    QVERIFY(!restore->isEnabled());
    list->setFocus();
    list->setCurrentRow(0);
    QVERIFY(restore->isEnabled());
    click(restore);

    QCOMPARE(state->accountRepository()->all().size(), 2);
    QCOMPARE(state->transactionRepository()->byAccount(checking.id).size(), 1);
    QCOMPARE(state->transactionRepository()->byAccount(checking.id).first().payee, QStringLiteral("Cafe"));
    QCOMPARE(window.shortcutAccountIds().size(), 2);
    QVERIFY(child<QWidget>(screen, "deletedAccountsSection")->isHidden());
}

void TestSettingsScreen::everyPageFitsInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"en", "de", "es", "fr", "ja"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

// Opened at the size it asks for, no page scrolls sideways and every page name reads whole.
void TestSettingsScreen::everyPageFitsInEveryLanguage()
{
    QFETCH(QString, language);
    QTranslator translator;
    if (language != QLatin1String("en")) {
        QVERIFY(translator.load(QStringLiteral(":/i18n/zimbrel_%1.qm").arg(language)));
        QCoreApplication::installTranslator(&translator);
    }
    TestState state;
    SettingsScreen screen(screenServicesOf(state.get()), std::make_unique<AppSettingsHost>(state.get()));
    QCoreApplication::removeTranslator(&translator);
    screen.resize(screen.sizeHint().expandedTo(QSize(500, 550)));
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto *sidebar = screen.findChild<QListWidget *>(QStringLiteral("settingsSidebar"));
    QVERIFY(sidebar);
    QCOMPARE(sidebar->horizontalScrollBar()->isVisible(), false);
    for (int row = 0; row < sidebar->count(); ++row) {
        const QRect text = sidebar->visualItemRect(sidebar->item(row));
        QVERIFY2(sidebar->fontMetrics().horizontalAdvance(sidebar->item(row)->text()) +
                         sidebar->iconSize().width() <
                     text.width(),
                 qPrintable(sidebar->item(row)->text()));
        sidebar->setCurrentRow(row);
        auto *page = qobject_cast<QScrollArea *>(screen.findChild<QStackedWidget *>()->currentWidget());
        QVERIFY(page);
        QTest::qWait(50);
        QVERIFY2(!page->horizontalScrollBar()->isVisible(),
                 qPrintable(QStringLiteral("%1: %2 wide for %3")
                                .arg(sidebar->item(row)->text())
                                .arg(page->viewport()->width())
                                .arg(page->widget()->minimumSizeHint().width())));
    }
}

QTEST_MAIN(TestSettingsScreen)
#include "tst_settingsscreen.moc"
