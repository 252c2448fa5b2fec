#include "downloadfolder.h"
#include "loopbackhttpserver.h"
#include "update/releasenotesfetcher.h"

#include <QSignalSpy>
#include <QtTest>

using namespace CorvantisUpdate;

namespace {

UpdateConfig configFor(const QUrl &base, const QString &currentVersion = QStringLiteral("1.0.5"))
{
    return {QStringLiteral("zimbrel"), QStringLiteral("stable"), base, currentVersion};
}

// "ready" with the notes, "unavailable", or "none" when nothing arrived in time.
QPair<QString, QString> runFetch(ReleaseNotesFetcher &fetcher)
{
    QSignalSpy ready(&fetcher, &ReleaseNotesFetcher::notesReady);
    QSignalSpy unavailable(&fetcher, &ReleaseNotesFetcher::notesUnavailable);
    fetcher.fetch();
    if (!QTest::qWaitFor([&] { return !ready.isEmpty() || !unavailable.isEmpty(); }, 20000))
        return {QStringLiteral("none"), {}};
    if (!ready.isEmpty())
        return {QStringLiteral("ready"), ready.first().first().toString()};
    return {QStringLiteral("unavailable"), {}};
}

} // namespace

class TestReleaseNotesFetcher : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void defaultNotesUrl_data();
    void defaultNotesUrl();
    void localizedNotesUrl_data();
    void localizedNotesUrl();
    void fetchServedNotes_data();
    void fetchServedNotes();
    void requestsInOrder_data();
    void requestsInOrder();

private:
    DownloadFolder m_folder;
};

void TestReleaseNotesFetcher::initTestCase()
{
    QString error;
    QVERIFY2(m_folder.start(&error), qPrintable(error));
}

void TestReleaseNotesFetcher::defaultNotesUrl_data()
{
    QTest::addColumn<QUrl>("base");
    QTest::addColumn<QUrl>("expected");
    const QUrl notes(QStringLiteral("https://downloads.corvantis.com/zimbrel/1.0.5/release-notes.md"));
    QTest::newRow("channel folder") << QUrl(QStringLiteral("https://downloads.corvantis.com/zimbrel/stable/"))
                                    << notes;
    QTest::newRow("channel folder without slash")
        << QUrl(QStringLiteral("https://downloads.corvantis.com/zimbrel/stable")) << notes;
    QTest::newRow("self-hosted server")
        << QUrl(QStringLiteral("http://127.0.0.1:8080/downloads/zimbrel/stable/"))
        << QUrl(QStringLiteral("http://127.0.0.1:8080/downloads/zimbrel/1.0.5/release-notes.md"));
}

void TestReleaseNotesFetcher::defaultNotesUrl()
{
    QFETCH(QUrl, base);
    QFETCH(QUrl, expected);
    QCOMPARE(ReleaseNotesFetcher::defaultNotesUrl(configFor(base)), expected);
    QCOMPARE(ReleaseNotesFetcher(configFor(base)).defaultUrl(), expected);
}

void TestReleaseNotesFetcher::localizedNotesUrl_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QUrl>("notes");
    QTest::addColumn<QUrl>("expected");
    const QUrl notes(QStringLiteral("https://example.com/zimbrel/1.0.5/release-notes.md"));
    QTest::newRow("german") << "de_DE" << notes
                            << QUrl(QStringLiteral("https://example.com/zimbrel/1.0.5/release-notes.de.md"));
    QTest::newRow("japanese") << "ja_JP" << notes
                              << QUrl(
                                     QStringLiteral("https://example.com/zimbrel/1.0.5/release-notes.ja.md"));
    QTest::newRow("english has none") << "en_GB" << notes << QUrl();
    QTest::newRow("no locale has none") << "" << notes << QUrl();
    QTest::newRow("C locale has none") << "C" << notes << QUrl();
    QTest::newRow("not markdown keeps its path")
        << "fr_FR" << QUrl(QStringLiteral("https://example.com/notes"))
        << QUrl(QStringLiteral("https://example.com/notes"));
}

void TestReleaseNotesFetcher::localizedNotesUrl()
{
    QFETCH(QString, locale);
    QFETCH(QUrl, notes);
    QFETCH(QUrl, expected);
    QCOMPARE(ReleaseNotesFetcher::localizedNotesUrl(notes, locale), expected);
}

void TestReleaseNotesFetcher::fetchServedNotes_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("english"); // null: no such file
    QTest::addColumn<QByteArray>("german");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    const QByteArray english("## Zimbrel 1.0.5\n\n- Faster register\n");
    const QByteArray german("## Zimbrel 1.0.5\n\n- Schnelleres Register\n");
    QTest::newRow("german first") << "de_DE" << english << german << "ready"
                                  << QString::fromUtf8(german).trimmed();
    QTest::newRow("german missing, english instead")
        << "de_DE" << english << QByteArray() << "ready" << QString::fromUtf8(english).trimmed();
    QTest::newRow("german blank, english instead")
        << "de_DE" << english << QByteArray(" \n\t\n") << "ready" << QString::fromUtf8(english).trimmed();
    QTest::newRow("english locale reads english")
        << "en_US" << english << german << "ready" << QString::fromUtf8(english).trimmed();
    QTest::newRow("blank notes are unavailable")
        << "en_US" << QByteArray("  \r\n \n") << QByteArray() << "unavailable"
        << "";
    QTest::newRow("no notes at all") << "de_DE" << QByteArray() << QByteArray() << "unavailable"
                                     << "";
    QTest::newRow("utf-8 text") << "de_DE" << english << QByteArray("Übersicht – neu") << "ready"
                                << QStringLiteral("Übersicht – neu");
}

void TestReleaseNotesFetcher::fetchServedNotes()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, english);
    QFETCH(QByteArray, german);
    QFETCH(QString, kind);
    QFETCH(QString, text);

    const auto place = [this](const QString &path, const QByteArray &content) {
        return content.isNull() ? (m_folder.remove(path), true) : m_folder.write(path, content);
    };
    QVERIFY(place(QStringLiteral("zimbrel/1.0.5/release-notes.md"), english));
    QVERIFY(place(QStringLiteral("zimbrel/1.0.5/release-notes.de.md"), german));

    ReleaseNotesFetcher fetcher(configFor(m_folder.channelUrl()));
    fetcher.setLocaleName(locale);
    const auto [outcome, notes] = runFetch(fetcher);
    QCOMPARE(outcome, kind);
    QCOMPARE(notes, text);
}

void TestReleaseNotesFetcher::requestsInOrder_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QList<QByteArray>>("paths");
    QTest::newRow("english asks once") << "en_US" << QList<QByteArray>{"/n/release-notes.md"};
    QTest::newRow("german asks german first")
        << "de_AT" << QList<QByteArray>{"/n/release-notes.de.md", "/n/release-notes.md"};
}

void TestReleaseNotesFetcher::requestsInOrder()
{
    QFETCH(QString, locale);
    QFETCH(QList<QByteArray>, paths);
    LoopbackHttpServer server([](const LoopbackRequest &request) {
        return request.path == "/n/release-notes.md" ? LoopbackResponse{200, "notes", {}}
                                                     : LoopbackResponse{404, {}, {}};
    });
    QVERIFY(server.listen());
    ReleaseNotesFetcher fetcher(server.url(QStringLiteral("/n/release-notes.md")),
                                QStringLiteral("update-dialog"));
    fetcher.setLocaleName(locale);
    QCOMPARE(runFetch(fetcher).first, QStringLiteral("ready"));

    QList<QByteArray> requested;
    for (const LoopbackRequest &request : server.requests()) {
        requested.append(request.path);
        QCOMPARE(request.header("User-Agent"), QByteArray("CorvantisUpdateQt/0.1 (update-dialog)"));
    }
    QCOMPARE(requested, paths);
}

QTEST_GUILESS_MAIN(TestReleaseNotesFetcher)
#include "tst_releasenotesfetcher.moc"
