#include "ui/widgets/filedialogfolders.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestFileDialogFolders : public QObject
{
    Q_OBJECT

private slots:
    void startFolder_data();
    void startFolder();
    void remembersPerKind();
};

// A home with or without its Documents folder, with or without a remembered folder that may have
// gone since.
void TestFileDialogFolders::startFolder_data()
{
    QTest::addColumn<bool>("hasDocuments");
    QTest::addColumn<QString>("remembered"); // under home; "" for nothing remembered
    QTest::addColumn<bool>("rememberedExists");
    QTest::addColumn<QString>("expected"); // under home; "." for home itself

    QTest::newRow("first time, Documents") << true << QString() << false << QStringLiteral("Documents");
    QTest::newRow("first time, no Documents") << false << QString() << false << QStringLiteral(".");
    QTest::newRow("remembered") << true << QStringLiteral("bank/2026") << true << QStringLiteral("bank/2026");
    QTest::newRow("remembered folder gone")
        << true << QStringLiteral("bank/2026") << false << QStringLiteral("Documents");
    QTest::newRow("gone, no Documents") << false << QStringLiteral("old") << false << QStringLiteral(".");
}

void TestFileDialogFolders::startFolder()
{
    QFETCH(bool, hasDocuments);
    QFETCH(QString, remembered);
    QFETCH(bool, rememberedExists);
    QFETCH(QString, expected);

    QTemporaryDir home;
    const QDir homeDir(home.path());
    if (hasDocuments)
        QVERIFY(homeDir.mkpath(QStringLiteral("Documents")));
    if (rememberedExists)
        QVERIFY(homeDir.mkpath(remembered));
    QSettings settings(homeDir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    if (!remembered.isEmpty())
        settings.setValue(FileDialogFolders::settingsKey(QStringLiteral("csvImport")),
                          homeDir.filePath(remembered));

    const FileDialogFolders folders(&settings, home.path(), homeDir.filePath(QStringLiteral("Documents")));
    QCOMPARE(QDir(folders.folderFor(QStringLiteral("csvImport"))), QDir(homeDir.filePath(expected)));
    QCOMPARE(
        QDir(QFileInfo(folders.pathFor(QStringLiteral("csvImport"), QStringLiteral("a.csv"))).absolutePath()),
        QDir(homeDir.filePath(expected)));
}

void TestFileDialogFolders::remembersPerKind()
{
    QTemporaryDir home;
    const QDir homeDir(home.path());
    QVERIFY(homeDir.mkpath(QStringLiteral("Documents")));
    QVERIFY(homeDir.mkpath(QStringLiteral("statements")));
    QVERIFY(homeDir.mkpath(QStringLiteral("exports")));
    QSettings settings(homeDir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    FileDialogFolders folders(&settings, home.path(), homeDir.filePath(QStringLiteral("Documents")));

    folders.remember(QStringLiteral("csvImport"), homeDir.filePath(QStringLiteral("statements/june.csv")));
    folders.remember(QStringLiteral("reportExport"), homeDir.filePath(QStringLiteral("exports/out.csv")));
    // A cancelled dialog leaves the memory as it was.
    folders.remember(QStringLiteral("csvImport"), QString());

    QCOMPARE(folders.folderFor(QStringLiteral("csvImport")), homeDir.filePath(QStringLiteral("statements")));
    QCOMPARE(folders.folderFor(QStringLiteral("reportExport")), homeDir.filePath(QStringLiteral("exports")));
    QCOMPARE(folders.folderFor(QStringLiteral("qifImport")), homeDir.filePath(QStringLiteral("Documents")));
    // Kept in the settings: the next start opens there too.
    const FileDialogFolders again(&settings, home.path(), homeDir.filePath(QStringLiteral("Documents")));
    QCOMPARE(again.folderFor(QStringLiteral("csvImport")), homeDir.filePath(QStringLiteral("statements")));
}

QTEST_GUILESS_MAIN(TestFileDialogFolders)
#include "tst_filedialogfolders.moc"
