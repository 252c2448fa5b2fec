#include "downloadfolder.h"
#include "manifestjson.h"
#include "update/client.h"
#include "update/releasenotesfetcher.h"
#include "update/updatedialog.h"
#include "update/updateflows.h"
#include "update/whatsnewdialog.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace CorvantisUpdate;

// Stands in for the system browser: the dialogs' downloads land here.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls.append(url); }
};

namespace {

const QString appName = QStringLiteral("Corvantis Zimbrel");

UpdateConfig configFor(const QUrl &base)
{
    return {QStringLiteral("zimbrel"), QStringLiteral("stable"), base, QStringLiteral("1.0.5")};
}

Artifact artifact(const QString &version = QStringLiteral("1.0.6"), const QUrl &notes = {},
                  bool mandatory = false)
{
    Artifact artifact;
    artifact.version = version;
    artifact.releasedAt = QDateTime(QDate(2024, 6, 1), QTime(10, 0), Qt::UTC);
    artifact.url = QUrl(QStringLiteral("https://downloads.corvantis.com/zimbrel/%1/").arg(version));
    artifact.size = 1000;
    artifact.sha256 = QString(64, QLatin1Char('a'));
    artifact.mandatory = mandatory;
    artifact.releaseNotesUrl = notes;
    return artifact;
}

QLabel *labelWithText(QWidget *parent, const QString &text)
{
    for (QLabel *label : parent->findChildren<QLabel *>()) {
        if (label->text() == text)
            return label;
    }
    return nullptr;
}

// What a flow reported through its callbacks, in order: "busy: ...", "finished", "message 5000: ...".
struct ProgressLog
{
    QStringList events;

    UpdateProgress callbacks()
    {
        return {[this](const QString &text) { events.append(QStringLiteral("busy: ") + text); },
                [this] { events.append(QStringLiteral("finished")); },
                [this](const QString &text, int timeoutMs) {
                    events.append(QStringLiteral("message %1: %2").arg(timeoutMs).arg(text));
                }};
    }
};

} // namespace

class TestUpdateDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void updateDialogTexts();
    void laterButtonUnlessMandatory_data();
    void laterButtonUnlessMandatory();
    void updateDialogWithoutNotesKeepsNaturalSize();
    void updateDialogShowsServedNotes_data();
    void updateDialogShowsServedNotes();
    void updateDialogKeys_data();
    void updateDialogKeys();
    void invalidDownloadAddressOpensNothing();
    void whatsNewDialog_data();
    void whatsNewDialog();

    void interactiveCheck_data();
    void interactiveCheck();
    void releaseNotesOnRequest_data();
    void releaseNotesOnRequest();
    void whatsNewAfterUpgrade_data();
    void whatsNewAfterUpgrade();

private:
    void serve(const QString &path, const QByteArray &content);

    DownloadFolder m_folder;
    UrlRecorder m_browser;
};

void TestUpdateDialogs::initTestCase()
{
    QString error;
    QVERIFY2(m_folder.start(&error), qPrintable(error));
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &m_browser, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &m_browser, "open");
}

void TestUpdateDialogs::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

void TestUpdateDialogs::cleanup()
{
    m_browser.urls.clear();
}

void TestUpdateDialogs::serve(const QString &path, const QByteArray &content)
{
    if (content.isNull())
        m_folder.remove(path);
    else
        QVERIFY(m_folder.write(path, content));
}

void TestUpdateDialogs::updateDialogTexts()
{
    UpdateDialog dialog(artifact(), QStringLiteral("1.0.5"), appName);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Update available"));
    QLabel *heading =
        labelWithText(&dialog, QStringLiteral("A new version of Corvantis Zimbrel is available."));
    QVERIFY(heading);
    QCOMPARE(heading->font().weight(), QFont::Bold);
    QCOMPARE(heading->font().pointSizeF(), dialog.font().pointSizeF() + 1);
    QVERIFY(labelWithText(&dialog, QStringLiteral("You have version 1.0.5. The latest version is 1.0.6.")));
    QCOMPARE(dialog.downloadButton()->text(), QStringLiteral("Download"));
    QVERIFY(dialog.downloadButton()->isDefault());
}

void TestUpdateDialogs::laterButtonUnlessMandatory_data()
{
    QTest::addColumn<bool>("mandatory");
    QTest::newRow("optional release can wait") << false;
    QTest::newRow("mandatory release has no Later") << true;
}

void TestUpdateDialogs::laterButtonUnlessMandatory()
{
    QFETCH(bool, mandatory);
    UpdateDialog dialog(artifact(QStringLiteral("1.0.6"), {}, mandatory), QStringLiteral("1.0.5"), appName);
    QStringList buttons;
    for (QPushButton *button : dialog.findChildren<QPushButton *>())
        buttons.append(button->text());
    const QStringList expected = mandatory ? QStringList{QStringLiteral("Download")}
                                           : QStringList{QStringLiteral("Download"), QStringLiteral("Later")};
    QCOMPARE(buttons, expected);
    QCOMPARE(dialog.laterButton() == nullptr, mandatory);
}

void TestUpdateDialogs::updateDialogWithoutNotesKeepsNaturalSize()
{
    UpdateDialog dialog(artifact(), QStringLiteral("1.0.5"), appName);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(!dialog.notesBrowser());
    QVERIFY(dialog.findChildren<QTextBrowser *>().isEmpty());
    QCOMPARE(dialog.size(), dialog.sizeHint());
    QVERIFY(dialog.height() < 420);
}

void TestUpdateDialogs::updateDialogShowsServedNotes_data()
{
    QTest::addColumn<QByteArray>("notes"); // null: not on the server
    QTest::addColumn<QString>("shown");
    QTest::newRow("notes rendered") << QByteArray("## Zimbrel 1.0.6\n\n- **Faster** register\n")
                                    << "Zimbrel 1.0.6\nFaster register";
    QTest::newRow("missing notes") << QByteArray() << "Release notes are not available for this version.";
    QTest::newRow("blank notes") << QByteArray("\n   \n")
                                 << "Release notes are not available for this version.";
}

void TestUpdateDialogs::updateDialogShowsServedNotes()
{
    QFETCH(QByteArray, notes);
    QFETCH(QString, shown);
    serve(QStringLiteral("zimbrel/1.0.6/release-notes.md"), notes);
    serve(QStringLiteral("zimbrel/1.0.6/release-notes.de.md"), QByteArray());

    UpdateDialog dialog(
        artifact(QStringLiteral("1.0.6"), m_folder.url(QStringLiteral("zimbrel/1.0.6/release-notes.md"))),
        QStringLiteral("1.0.5"), appName);
    QVERIFY(dialog.notesBrowser());
    QCOMPARE(dialog.notesBrowser()->toPlainText(), QStringLiteral("Loading release notes…"));
    QCOMPARE(dialog.notesBrowser()->minimumHeight(), 150);
    QVERIFY(dialog.notesBrowser()->openExternalLinks());
    QCOMPARE(dialog.size(), QSize(520, 420));
    QTRY_COMPARE(dialog.notesBrowser()->toPlainText(), shown);
}

void TestUpdateDialogs::updateDialogKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<int>("result");
    QTest::newRow("Enter downloads") << int(Qt::Key_Return) << true << int(QDialog::Accepted);
    QTest::newRow("Escape puts it off") << int(Qt::Key_Escape) << false << int(QDialog::Rejected);
}

void TestUpdateDialogs::updateDialogKeys()
{
    QFETCH(int, key);
    QFETCH(bool, opened);
    QFETCH(int, result);
    UpdateDialog dialog(artifact(), QStringLiteral("1.0.5"), appName);
    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(&dialog, Qt::Key(key));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().first().toInt(), result);
    QCOMPARE(m_browser.urls, opened ? QList<QUrl>{artifact().url} : QList<QUrl>{});
    QVERIFY(!dialog.isVisible());
}

void TestUpdateDialogs::invalidDownloadAddressOpensNothing()
{
    Artifact broken = artifact();
    broken.url = QUrl();
    UpdateDialog dialog(broken, QStringLiteral("1.0.5"), appName);
    QSignalSpy accepted(&dialog, &QDialog::accepted);
    dialog.show();
    QTest::ignoreMessage(QtWarningMsg, "CorvantisUpdate: download URL is empty or invalid");
    QTest::mouseClick(dialog.downloadButton(), Qt::LeftButton);
    QCOMPARE(accepted.size(), 1);
    QVERIFY(m_browser.urls.isEmpty());
}

void TestUpdateDialogs::whatsNewDialog_data()
{
    QTest::addColumn<QUrl>("download");
    QTest::newRow("after an upgrade, no download") << QUrl();
    QTest::newRow("newer release offers its download")
        << QUrl(QStringLiteral("https://downloads.corvantis.com/zimbrel/1.0.6/"));
}

void TestUpdateDialogs::whatsNewDialog()
{
    QFETCH(QUrl, download);
    WhatsNewDialog dialog(QStringLiteral("## Highlights\n\n- Reports [guide](https://example.com/guide)\n"),
                          QStringLiteral("1.0.6"), QStringLiteral("1.0.5"), appName, nullptr, download);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("What's New in Corvantis Zimbrel 1.0.6"));
    QCOMPARE(dialog.size(), QSize(520, 420));
    QLabel *heading = labelWithText(&dialog, QStringLiteral("What's new in Corvantis Zimbrel 1.0.6"));
    QVERIFY(heading);
    QCOMPARE(heading->font().weight(), QFont::Bold);
    QCOMPARE(heading->font().pointSizeF(), dialog.font().pointSizeF() + 2);
    QLabel *footer = labelWithText(&dialog, QStringLiteral("You are running version 1.0.5"));
    QVERIFY(footer);
    QCOMPARE(footer->styleSheet(), QStringLiteral("color: gray; font-size: 11px;"));
    QCOMPARE(dialog.notesBrowser()->toPlainText(), QStringLiteral("Highlights\nReports guide"));
    QVERIFY(dialog.notesBrowser()->openExternalLinks());
    // Links in the theme's colour: the toolkit's blue cannot be read on the dark palette.
    const QTextCursor link = dialog.notesBrowser()->document()->find(QStringLiteral("guide"));
    QVERIFY(link.charFormat().isAnchor());
    QCOMPARE(link.charFormat().foreground().color(), dialog.palette().color(QPalette::Highlight));

    QSignalSpy finished(&dialog, &QDialog::finished);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    if (download.isValid()) {
        QCOMPARE(dialog.downloadButton()->text(), QStringLiteral("Download 1.0.6"));
        QTest::mouseClick(dialog.downloadButton(), Qt::LeftButton);
        QCOMPARE(m_browser.urls, QList<QUrl>{download});
    } else {
        QVERIFY(!dialog.downloadButton());
        // Close is the default button, so Enter closes without opening anything.
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(m_browser.urls.isEmpty());
    }
    QCOMPARE(finished.size(), 1);
    QVERIFY(!dialog.isVisible());
}

void TestUpdateDialogs::interactiveCheck_data()
{
    QTest::addColumn<QString>("offered"); // version in latest.json; empty: no latest.json
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<bool>("dialog");
    const QString busy = QStringLiteral("busy: Checking for updates…");
    QTest::newRow("newer release opens the dialog") << "1.0.6" << QStringList{busy, "finished"} << true;
    QTest::newRow("up to date")
        << "1.0.5"
        << QStringList{busy, "finished", "message 5000: Corvantis Zimbrel is up to date (version 1.0.5)"}
        << false;
    QTest::newRow("failed check") << ""
                                  << QStringList{busy, "finished",
                                                 "message 5000: Update check failed: network error: *"}
                                  << false;
}

void TestUpdateDialogs::interactiveCheck()
{
    QFETCH(QString, offered);
    QFETCH(QStringList, events);
    QFETCH(bool, dialog);
    if (Client::platformKey().isEmpty())
        QSKIP("no release is shipped for this system");
    serve(QStringLiteral("zimbrel/stable/latest.json"),
          offered.isEmpty() ? QByteArray()
                            : ManifestJson::manifest(
                                  QJsonObject{{Client::platformKey(), ManifestJson::artifact(offered)}}));

    QWidget window;
    window.show();
    ProgressLog log;
    checkForUpdatesInteractive(configFor(m_folder.channelUrl()), appName, &window, log.callbacks());
    QCOMPARE(log.events.value(0), events.first());
    QTRY_COMPARE(log.events.size(), events.size());
    for (qsizetype i = 0; i < events.size(); ++i) {
        if (events.at(i).endsWith(QLatin1Char('*')))
            QVERIFY2(log.events.at(i).startsWith(events.at(i).chopped(1)), qPrintable(log.events.at(i)));
        else
            QCOMPARE(log.events.at(i), events.at(i));
    }
    // The client goes after its first answer.
    QTRY_VERIFY(window.findChildren<Client *>().isEmpty());

    const QList<UpdateDialog *> dialogs = window.findChildren<UpdateDialog *>();
    QCOMPARE(dialogs.size(), dialog ? 1 : 0);
    if (dialog) {
        UpdateDialog *shown = dialogs.first();
        QVERIFY(shown->isVisible());
        QVERIFY(!shown->isModal());
        QVERIFY(labelWithText(shown, QStringLiteral("You have version 1.0.5. The latest version is 1.0.6.")));
        QSignalSpy destroyed(shown, &QObject::destroyed);
        shown->close();
        QTRY_COMPARE(destroyed.size(), 1);
    }
}

void TestUpdateDialogs::releaseNotesOnRequest_data()
{
    QTest::addColumn<QByteArray>("runningNotes"); // null: none on the server
    QTest::addColumn<QString>("offered");         // version in latest.json; empty: no latest.json
    QTest::addColumn<bool>("offeredHasNotes");
    QTest::addColumn<QString>("dialogVersion"); // empty: no dialog, the "no notes" message instead
    QTest::addColumn<QString>("dialogText");
    QTest::newRow("running version's notes") << QByteArray("Running notes") << "1.0.6" << true << "1.0.5"
                                             << "Running notes";
    QTest::newRow("no notes here, newer release's notes") << QByteArray() << "1.0.6" << true << "1.0.6"
                                                          << "Newer notes";
    QTest::newRow("no notes here, newer release without notes") << QByteArray() << "1.0.6" << false << ""
                                                                << "";
    QTest::newRow("no notes here, up to date") << QByteArray() << "1.0.5" << true << ""
                                               << "";
    QTest::newRow("no notes here, check failed") << QByteArray() << "" << false << ""
                                                 << "";
}

void TestUpdateDialogs::releaseNotesOnRequest()
{
    QFETCH(QByteArray, runningNotes);
    QFETCH(QString, offered);
    QFETCH(bool, offeredHasNotes);
    QFETCH(QString, dialogVersion);
    QFETCH(QString, dialogText);
    if (Client::platformKey().isEmpty())
        QSKIP("no release is shipped for this system");

    serve(QStringLiteral("zimbrel/1.0.5/release-notes.md"), runningNotes);
    serve(QStringLiteral("zimbrel/1.0.6/release-notes.md"), QByteArray("Newer notes"));
    QJsonObject offeredArtifact = ManifestJson::artifact(offered);
    if (offeredHasNotes)
        offeredArtifact.insert(QStringLiteral("release_notes_url"),
                               m_folder.url(QStringLiteral("zimbrel/1.0.6/release-notes.md")).toString());
    serve(QStringLiteral("zimbrel/stable/latest.json"),
          offered.isEmpty() ? QByteArray()
                            : ManifestJson::manifest(QJsonObject{{Client::platformKey(), offeredArtifact}}));

    QWidget window;
    window.show();
    ProgressLog log;
    showReleaseNotes(configFor(m_folder.channelUrl()), appName, &window, log.callbacks());
    QCOMPARE(log.events.value(0), QStringLiteral("busy: Loading release notes…"));

    if (dialogVersion.isEmpty()) {
        QTRY_COMPARE(log.events.size(), 3);
        QCOMPARE(log.events.at(1), QStringLiteral("finished"));
        QCOMPARE(log.events.at(2),
                 QStringLiteral("message 5000: No release notes available for Corvantis Zimbrel 1.0.5"));
        QVERIFY(window.findChildren<WhatsNewDialog *>().isEmpty());
        return;
    }
    QTRY_COMPARE(window.findChildren<WhatsNewDialog *>().size(), 1);
    QCOMPARE(log.events,
             (QStringList{QStringLiteral("busy: Loading release notes…"), QStringLiteral("finished")}));
    WhatsNewDialog *dialog = window.findChildren<WhatsNewDialog *>().first();
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("What's New in Corvantis Zimbrel %1").arg(dialogVersion));
    QCOMPARE(dialog->notesBrowser()->toPlainText(), dialogText);
    QVERIFY(labelWithText(dialog, QStringLiteral("You are running version 1.0.5")));
    // Only a newer release can be downloaded from here.
    QCOMPARE(dialog->downloadButton() != nullptr, dialogVersion != QLatin1String("1.0.5"));
    QTRY_VERIFY(window.findChildren<ReleaseNotesFetcher *>().isEmpty());
    QVERIFY(window.findChildren<Client *>().isEmpty());
}

void TestUpdateDialogs::whatsNewAfterUpgrade_data()
{
    QTest::addColumn<QByteArray>("notes");
    QTest::newRow("notes shown") << QByteArray("## Zimbrel 1.0.5\n\nWelcome");
    QTest::newRow("no notes, nothing shown") << QByteArray();
}

void TestUpdateDialogs::whatsNewAfterUpgrade()
{
    QFETCH(QByteArray, notes);
    serve(QStringLiteral("zimbrel/1.0.5/release-notes.md"), notes);

    QWidget window;
    window.show();
    showWhatsNewAfterUpgrade(configFor(m_folder.channelUrl()), appName, &window);
    // The fetcher goes once it has its answer, whatever the answer was.
    QTRY_VERIFY(window.findChildren<ReleaseNotesFetcher *>().isEmpty());
    const QList<WhatsNewDialog *> dialogs = window.findChildren<WhatsNewDialog *>();
    QCOMPARE(dialogs.size(), notes.isNull() ? 0 : 1);
    if (!notes.isNull()) {
        QVERIFY(dialogs.first()->isVisible());
        QVERIFY(!dialogs.first()->isModal());
        QVERIFY(!dialogs.first()->downloadButton());
        QCOMPARE(dialogs.first()->windowTitle(), QStringLiteral("What's New in Corvantis Zimbrel 1.0.5"));
        QVERIFY(dialogs.first()->testAttribute(Qt::WA_DeleteOnClose));
    }
}

QTEST_MAIN(TestUpdateDialogs)
#include "tst_updatedialogs.moc"
