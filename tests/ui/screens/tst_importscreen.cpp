#include "ui/screens/importscreen.h"

#include "app/guitesthelpers.h"
#include "support/recordbuilders.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>

class TestImportScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void qifTwoAccountsIntoNewAccounts();
    void qifWithoutAccountHeader();
    void switchingToCsvDropsTheQifChoice();
    void csvPreviewFollowsTheDelimiter();
    void newFileStartsAFreshMapping_data();
    void newFileStartsAFreshMapping();
    void qifChoicesStayAtTheTop();
    void browseStartsInDocumentsThenTheLastFolder();
    void importWaitsForDatePayeeAndAmount();
    void csvColumnsFollowTheHeader();
    void fileWithoutRowsIsNotAComplete();
    void tabSeparatedBankExportIsDetected();
    void csvImportCountsDuplicates();
    void noTargetAccountCancelledImportsNothing();
    void newTargetAccountKeepsItsBalanceAsAnOpeningTransaction();
};

namespace {

const char twoAccountsQif[] =
    "!Option:AutoSwitch\n!Account\nNChecking Main\nTBank\n^\nNVisa Card\nTCCard\n^\n"
    "!Clear:AutoSwitch\n!Account\nNChecking Main\nTBank\n^\n!Type:Bank\nD01/05/2026\n"
    "T-45.00\nPGrocer\n^\nD01/06/2026\nT1,000.00\nPEmployer\n^\n!Account\nNVisa Card\n"
    "TCCard\n^\n!Type:CCard\nD01/07/2026\nT-20.00\nPCafe\n^\n";

QString writeFile(const TestState &state, const QString &name, const QByteArray &content)
{
    const QString path = state.directory.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("fixture file not written");
    file.write(content);
    return path;
}

void press(QWidget *widget, Qt::Key key = Qt::Key_Space)
{
    widget->setFocus();
    QTest::keyClick(widget, key);
}

Account accountNamed(AppState *state, const QString &name)
{
    for (const Account &account : state->accountRepository()->all()) {
        if (account.name == name)
            return account;
    }
    return {};
}

} // namespace

void TestImportScreen::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestImportScreen::qifTwoAccountsIntoNewAccounts()
{
    TestState state;
    const QString path = writeFile(state, QStringLiteral("two.qif"), twoAccountsQif);
    ImportScreen screen(state.services());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    QSignalSpy completed(&screen, &ImportScreen::importCompleted);

    press(child<QRadioButton>(&screen, "qifButton"));
    QVERIFY(child<QWidget>(&screen, "csvGroup")->isHidden());
    QString dialogTitle;
    whenModalShown([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        dialogTitle = dialog->windowTitle();
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(path);
        static_cast<QDialog *>(dialog)->accept();
    });
    press(child<QPushButton>(&screen, "browseButton"));
    QCOMPARE(dialogTitle, QStringLiteral("Select QIF File(s)"));
    QCOMPARE(child<QLabel>(&screen, "fileLabel")->text(), QStringLiteral("two.qif"));
    QVERIFY(!child<QWidget>(&screen, "qifGroup")->isHidden());
    QCOMPARE(screen.mappingRowCount(), 2);

    auto *rows = screen.findChild<QFormLayout *>(QStringLiteral("qifMapRowsLayout"));
    QVERIFY(rows);
    QCOMPARE(rows->rowCount(), 2);
    auto *first = qobject_cast<QComboBox *>(rows->itemAt(0, QFormLayout::FieldRole)->widget());
    QCOMPARE(first->currentText(), QStringLiteral("— Create new account \"Checking Main\" —"));
    QCOMPARE(first->itemText(1), QStringLiteral("— Skip these transactions —"));

    press(child<QPushButton>(&screen, "importButton"));
    QCOMPARE(screen.currentPage(), int(ImportScreen::SummaryPage));
    QCOMPARE(screen.summaryText(), QStringLiteral("Import complete!\n\n3 transaction(s) imported"));
    const Account checking = accountNamed(state.get(), QStringLiteral("Checking Main"));
    const Account visa = accountNamed(state.get(), QStringLiteral("Visa Card"));
    QCOMPARE(checking.type, AccountType::Checking);
    QCOMPARE(visa.type, AccountType::CreditCard);
    QCOMPARE(state->transactionRepository()->balance(checking.id), Money(95500));
    QCOMPARE(state->transactionRepository()->balance(visa.id), Money(-2000));

    // Importing again maps the entries to the accounts of the same names and finds duplicates.
    screen.reset();
    press(child<QRadioButton>(&screen, "qifButton"));
    screen.chooseQifFiles({path});
    first = qobject_cast<QComboBox *>(rows->itemAt(0, QFormLayout::FieldRole)->widget());
    QCOMPARE(first->currentData().toString(), checking.id);
    press(child<QPushButton>(&screen, "importButton"));
    QCOMPARE(screen.summaryText(), QStringLiteral("No transactions were imported\n\n3 duplicate(s) skipped"));
    QCOMPARE(state->accountRepository()->all().size(), 2);

    press(child<QPushButton>(&screen, "doneButton"));
    QCOMPARE(completed.count(), 1);
    QCOMPARE(screen.currentPage(), int(ImportScreen::InputPage));
    QCOMPARE(child<QLabel>(&screen, "fileLabel")->text(), QStringLiteral("No file selected"));
    QVERIFY(child<QRadioButton>(&screen, "csvButton")->isChecked());
    QCOMPARE(screen.mappingRowCount(), 0);
}

void TestImportScreen::qifWithoutAccountHeader()
{
    TestState state;
    const QString path =
        writeFile(state, QStringLiteral("plain.file.qif"), "!Type:Bank\nD01/05/2026\nT-45.00\nPGrocer\n^\n");
    ImportScreen screen(state.services());
    press(child<QRadioButton>(&screen, "qifButton"));
    screen.chooseQifFiles({path});
    auto *rows = screen.findChild<QFormLayout *>(QStringLiteral("qifMapRowsLayout"));
    QCOMPARE(rows->rowCount(), 1);
    auto *label = qobject_cast<QLabel *>(rows->itemAt(0, QFormLayout::LabelRole)->widget());
    QCOMPARE(label->text(), QStringLiteral("plain.file.qif (no account header)"));
    auto *combo = qobject_cast<QComboBox *>(rows->itemAt(0, QFormLayout::FieldRole)->widget());
    // The item names the account it creates, without the file's extension.
    QCOMPARE(combo->currentText(), QStringLiteral("— Create new account \"plain\" —"));
    screen.runImport();
    QCOMPARE(screen.summaryText(), QStringLiteral("Import complete!\n\n1 transaction(s) imported"));
    const Account created = accountNamed(state.get(), QStringLiteral("plain"));
    QVERIFY(!created.id.isEmpty());
    QCOMPARE(state->transactionRepository()->balance(created.id), Money(-4500));
}

void TestImportScreen::switchingToCsvDropsTheQifChoice()
{
    TestState state;
    const QString first = writeFile(state, QStringLiteral("a.qif"), twoAccountsQif);
    const QString second =
        writeFile(state, QStringLiteral("b.qif"), "!Type:Bank\nD01/05/2026\nT-1.00\nPX\n^\n");
    const QString csv =
        writeFile(state, QStringLiteral("c.csv"), "Date,Payee,Amount\n01/02/2026,Cafe,-4.50\n");
    Records::account(QStringLiteral("Checking")).addTo(state.core());
    ImportScreen screen(state.services());
    press(child<QRadioButton>(&screen, "qifButton"));
    screen.chooseQifFiles({first, second});
    QCOMPARE(child<QLabel>(&screen, "fileLabel")->text(), QStringLiteral("2 file(s) selected"));
    QCOMPARE(screen.mappingRowCount(), 3);

    press(child<QRadioButton>(&screen, "csvButton"));
    QCOMPARE(screen.mappingRowCount(), 0);
    QVERIFY(child<QWidget>(&screen, "qifGroup")->isHidden());
    screen.chooseCsvFile(csv);
    screen.runImport();
    // Only the CSV row: the QIF files were forgotten.
    QCOMPARE(screen.summaryText(), QStringLiteral("Import complete!\n\n1 transaction(s) imported"));
}

void TestImportScreen::csvPreviewFollowsTheDelimiter()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Checking")).addTo(state.core());
    const QString csv =
        writeFile(state, QStringLiteral("semi.csv"),
                  "Date;Payee;Amount;Memo\n01/02/2026;Cafe;-4.50;latte\n01/03/2026;Shop;-10.00;\n");
    ImportScreen screen(state.services());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    screen.chooseCsvFile(csv);
    auto *delimiter = child<QComboBox>(&screen, "delimiterCombo");
    QCOMPARE(delimiter->currentText(), QStringLiteral("Auto (Semicolon)"));
    auto *preview = child<QTableWidget>(&screen, "previewTable");
    QCOMPARE(preview->columnCount(), 4);
    QCOMPARE(preview->rowCount(), 3);
    // Counted from 1 on screen.
    QCOMPARE(preview->horizontalHeaderItem(0)->text(), QStringLiteral("Col 1"));
    QCOMPARE(preview->horizontalHeaderItem(3)->text(), QStringLiteral("Col 4"));
    auto *memo = child<QComboBox>(&screen, "memoColumnCombo");
    QCOMPARE(memo->itemText(0), QStringLiteral("(none)"));
    QCOMPARE(memo->itemText(4), QStringLiteral("Col 4: Memo"));
    QCOMPARE(memo->itemData(4).toInt(), 3);
    QCOMPARE(child<QComboBox>(&screen, "amountColumnCombo")->currentData().toInt(), 2);

    // Forcing a comma makes one column of each line.
    press(delimiter, Qt::Key_Down);
    QCOMPARE(delimiter->currentText(), QStringLiteral("Comma"));
    QCOMPARE(preview->columnCount(), 1);
    press(delimiter, Qt::Key_Home);

    memo->setCurrentIndex(4);
    screen.runImport();
    QCOMPARE(screen.summaryText(), QStringLiteral("Import complete!\n\n2 transaction(s) imported"));
    const QList<Transaction> imported = state->transactionRepository()->byAccount(checking.id);
    QCOMPARE(imported.size(), 2);
    QCOMPARE(state->transactionRepository()->balance(checking.id), Money(-1450));
}

// Whatever was chosen for the previous file (a forced delimiter, its columns and preview) is gone
// once another file is chosen.
void TestImportScreen::newFileStartsAFreshMapping_data()
{
    QTest::addColumn<bool>("nextIsQif");
    QTest::newRow("another CSV file") << false;
    QTest::newRow("a QIF file") << true;
}

void TestImportScreen::newFileStartsAFreshMapping()
{
    QFETCH(bool, nextIsQif);
    TestState state;
    Records::account(QStringLiteral("Checking")).addTo(state.core());
    const QString first = writeFile(state, QStringLiteral("first.csv"),
                                    "Date;Payee;Amount;Memo;Category\n01/02/2026;Cafe;-4.50;latte;Food\n");
    const QString second = nextIsQif ? writeFile(state, QStringLiteral("second.qif"), twoAccountsQif)
                                     : writeFile(state, QStringLiteral("second.csv"),
                                                 "Date,Payee,Amount\n01/02/2026,Shop,-1.00\n");
    ImportScreen screen(state.services());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    screen.chooseCsvFile(first);
    auto *delimiter = child<QComboBox>(&screen, "delimiterCombo");
    auto *preview = child<QTableWidget>(&screen, "previewTable");
    auto *memo = child<QComboBox>(&screen, "memoColumnCombo");
    QCOMPARE(preview->columnCount(), 5);
    press(delimiter, Qt::Key_Down);
    press(delimiter, Qt::Key_Down);
    QCOMPARE(delimiter->currentText(), QStringLiteral("Semicolon"));

    if (nextIsQif) {
        press(child<QRadioButton>(&screen, "qifButton"));
        screen.chooseQifFiles({second});
        press(child<QRadioButton>(&screen, "csvButton"));
        QCOMPARE(preview->columnCount(), 0);
        QCOMPARE(memo->count(), 0);
        QCOMPARE(delimiter->currentText(), QStringLiteral("Auto"));
        QVERIFY(!child<QPushButton>(&screen, "importButton")->isEnabled());
    } else {
        screen.chooseCsvFile(second);
        QCOMPARE(delimiter->currentText(), QStringLiteral("Auto (Comma)"));
        QCOMPARE(preview->columnCount(), 3);
        QCOMPARE(memo->count(), 4);
        QCOMPARE(memo->currentText(), QStringLiteral("(none)"));
        QCOMPARE(preview->item(1, 1)->text(), QStringLiteral("Shop"));
    }
}

// In QIF mode, before and after the analysis, the choices sit under the title, not spread down
// a tall window.
void TestImportScreen::qifChoicesStayAtTheTop()
{
    TestState state;
    const QString path =
        writeFile(state, QStringLiteral("one.qif"), "!Type:Bank\nD01/05/2026\nT-45.00\nPGrocer\n^\n");
    ImportScreen screen(state.services());
    screen.resize(700, 1000);
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto *browse = child<QPushButton>(&screen, "browseButton");
    const int csvTop = browse->mapTo(&screen, QPoint()).y();
    press(child<QRadioButton>(&screen, "qifButton"));
    QCoreApplication::processEvents();
    // The account row is hidden, so the file row moves up a little, never down.
    QVERIFY2(browse->mapTo(&screen, QPoint()).y() <= csvTop,
             qPrintable(QStringLiteral("%1 > %2").arg(browse->mapTo(&screen, QPoint()).y()).arg(csvTop)));
    screen.chooseQifFiles({path});
    QCoreApplication::processEvents();
    auto *group = child<QWidget>(&screen, "qifGroup");
    QVERIFY(group->isVisible());
    const int gap =
        group->mapTo(&screen, QPoint()).y() - (browse->mapTo(&screen, QPoint()).y() + browse->height());
    QVERIFY2(gap < 60, qPrintable(QString::number(gap)));
}

// The first Browse opens in Documents; after a file was chosen elsewhere, the next opens there.
void TestImportScreen::browseStartsInDocumentsThenTheLastFolder()
{
    TestState state;
    Records::account(QStringLiteral("Checking")).addTo(state.core());
    const QDir home(state.directory.path());
    QVERIFY(home.mkpath(QStringLiteral("Documents")));
    QVERIFY(home.mkpath(QStringLiteral("statements")));
    const QString csv =
        writeFile(state, QStringLiteral("statements/june.csv"), "Date,Payee,Amount\n01/02/2026,Cafe,-4.50\n");
    QSettings settings(home.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    ImportScreen screen(state.services());
    screen.setFileDialogFolders(
        FileDialogFolders(&settings, home.path(), home.filePath(QStringLiteral("Documents"))));
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));

    QStringList opened;
    const auto chooseFile = [&opened](const QString &path) {
        whenModalShown([&opened, path](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            opened.append(dialog ? dialog->directory().absolutePath() : QString());
            if (!dialog) {
                modal->close();
                return;
            }
            // Put in the file name field and taken with Enter. Typed letter by letter, the
            // field's completion list would take the Enter instead.
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (name) {
                name->setText(path);
                QTest::keyClick(name, Qt::Key_Return);
            }
            // Never left open: a dialog that did not take the file fails the test instead of
            // blocking it.
            if (dialog->isVisible())
                dialog->reject();
        });
    };
    chooseFile(csv);
    press(child<QPushButton>(&screen, "browseButton"));
    QCOMPARE(child<QLabel>(&screen, "fileLabel")->text(), QStringLiteral("june.csv"));
    chooseFile(csv);
    press(child<QPushButton>(&screen, "browseButton"));
    QCOMPARE(opened, (QStringList{home.filePath(QStringLiteral("Documents")),
                                  home.filePath(QStringLiteral("statements"))}));
    // The QIF dialog has a memory of its own.
    QCOMPARE(settings.value(FileDialogFolders::settingsKey(QStringLiteral("qifImport"))), QVariant());
}

// A file whose header names no payee column leaves the payee unchosen, and Import waits for it.
void TestImportScreen::importWaitsForDatePayeeAndAmount()
{
    TestState state;
    Records::account(QStringLiteral("Checking")).addTo(state.core());
    const QString csv = writeFile(state, QStringLiteral("two.csv"), "Date,Amount\n01/02/2026,-4.50\n");
    ImportScreen screen(state.services());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    auto *import = child<QPushButton>(&screen, "importButton");
    QVERIFY(!import->isEnabled()); // no file yet

    screen.chooseCsvFile(csv);
    QCOMPARE(child<QComboBox>(&screen, "dateColumnCombo")->currentData().toInt(), 0);
    QCOMPARE(child<QComboBox>(&screen, "amountColumnCombo")->currentData().toInt(), 1);
    QCOMPARE(child<QComboBox>(&screen, "amountColumnCombo")->count(), 2);
    auto *payee = child<QComboBox>(&screen, "payeeColumnCombo");
    QCOMPARE(payee->currentIndex(), -1);
    QVERIFY(!import->isEnabled());
    screen.runImport();
    QCOMPARE(screen.currentPage(), int(ImportScreen::InputPage));

    press(payee, Qt::Key_Down);
    QCOMPARE(payee->currentData().toInt(), 0);
    QVERIFY(import->isEnabled());
    press(import);
    QCOMPARE(screen.summaryText(), QStringLiteral("Import complete!\n\n1 transaction(s) imported"));
}

// The header names the columns; their order in the file does not matter.
void TestImportScreen::csvColumnsFollowTheHeader()
{
    TestState state;
    const Account checking = Records::account(QStringLiteral("Girokonto")).addTo(state.core());
    const QString csv = writeFile(state, QStringLiteral("bank.csv"),
                                  "Betrag;Verwendungszweck;Buchungstag;Empfänger;Kategorie;Schecknummer\n"
                                  "-12,50;Rechnung 7;02/01/2026;Bäckerei;Lebensmittel;1001\n");
    ImportScreen screen(state.services());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    screen.chooseCsvFile(csv);
    QCOMPARE(child<QComboBox>(&screen, "dateColumnCombo")->currentData().toInt(), 2);
    QCOMPARE(child<QComboBox>(&screen, "payeeColumnCombo")->currentData().toInt(), 3);
    QCOMPARE(child<QComboBox>(&screen, "amountColumnCombo")->currentData().toInt(), 0);
    QCOMPARE(child<QComboBox>(&screen, "memoColumnCombo")->currentData().toInt(), 1);
    QCOMPARE(child<QComboBox>(&screen, "categoryColumnCombo")->currentData().toInt(), 4);
    QCOMPARE(child<QComboBox>(&screen, "checkNumberColumnCombo")->currentData().toInt(), 5);

    auto *format = child<QComboBox>(&screen, "dateFormatCombo");
    format->setCurrentIndex(format->findText(QStringLiteral("dd/MM/yyyy")));
    press(child<QPushButton>(&screen, "importButton"));
    QCOMPARE(screen.summaryText(), QStringLiteral("Import complete!\n\n1 transaction(s) imported"));
    const QList<Transaction> imported = state->transactionRepository()->byAccount(checking.id);
    QCOMPARE(imported.size(), 1);
    QCOMPARE(imported.first().payee, QStringLiteral("Bäckerei"));
    QCOMPARE(imported.first().amount, Money(-1250));
    QCOMPARE(imported.first().memo, QStringLiteral("Rechnung 7"));
    QCOMPARE(imported.first().checkNumber, QStringLiteral("1001"));
    QCOMPARE(imported.first().date, QDate(2026, 1, 2));
}

void TestImportScreen::fileWithoutRowsIsNotAComplete()
{
    TestState state;
    Records::account(QStringLiteral("Checking")).addTo(state.core());
    const QString csv = writeFile(state, QStringLiteral("empty.csv"), "Date,Payee,Amount\n");
    ImportScreen screen(state.services());
    screen.chooseCsvFile(csv);
    screen.runImport();
    QCOMPARE(screen.summaryText(),
             QStringLiteral("No transactions were imported\n\nThe file holds no transactions."));
}

void TestImportScreen::tabSeparatedBankExportIsDetected()
{
    const QString path =
        qEnvironmentVariable("ZIMBREL_CORPUS_DIR") + QStringLiteral("/csv/bank2ynab/test_delimiter_tab.csv");
    if (!QFile::exists(path))
        QSKIP("the import corpus is not available");
    TestState state;
    ImportScreen screen(state.services());
    screen.chooseCsvFile(path);
    QCOMPARE(child<QComboBox>(&screen, "delimiterCombo")->currentText(), QStringLiteral("Auto (Tab)"));
    QCOMPARE(screen.effectiveDelimiter(), QLatin1Char('\t'));
    auto *preview = child<QTableWidget>(&screen, "previewTable");
    QCOMPARE(preview->columnCount(), 5);
    QCOMPARE(preview->rowCount(), 5);
    QCOMPARE(preview->item(0, 0)->text(), QStringLiteral("18.09.2017"));
}

void TestImportScreen::csvImportCountsDuplicates()
{
    TestState state;
    Records::account(QStringLiteral("Checking")).addTo(state.core());
    const QString csv = writeFile(state, QStringLiteral("c.csv"),
                                  "Date,Payee,Amount\n01/02/2026,Cafe,-4.50\nnot a date,Shop,-1.00\n");
    ImportScreen screen(state.services());
    screen.chooseCsvFile(csv);
    screen.runImport();
    QCOMPARE(
        screen.summaryText(),
        QStringLiteral("Import complete!\n\n1 transaction(s) imported\n1 record(s) skipped (unparseable)"));
    screen.reset();
    screen.chooseCsvFile(csv);
    screen.runImport();
    // Nothing stored is not reported as a complete import.
    QCOMPARE(screen.summaryText(), QStringLiteral("No transactions were imported\n\n1 duplicate(s) skipped\n"
                                                  "1 record(s) skipped (unparseable)"));
}

void TestImportScreen::noTargetAccountCancelledImportsNothing()
{
    TestState state;
    const QString csv =
        writeFile(state, QStringLiteral("c.csv"), "Date,Payee,Amount\n01/02/2026,Cafe,-4.50\n");
    ImportScreen screen(state.services());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    screen.chooseCsvFile(csv);

    QString question;
    whenModalShown([&question](QWidget *modal) {
        question = static_cast<QMessageBox *>(modal)->text();
        static_cast<QMessageBox *>(modal)->button(QMessageBox::No)->click();
    });
    press(child<QPushButton>(&screen, "importButton"));
    QCOMPARE(question, QStringLiteral("Pick an account to import into, or create one now."));
    QCOMPARE(screen.currentPage(), int(ImportScreen::InputPage));

    // Yes opens the account form; cancelling it leaves everything as it was.
    QString formTitle;
    whenModalShown([&formTitle](QWidget *modal) {
        pressInModal(modal, Qt::Key_Return); // Yes is the default
        whenModalShown([&formTitle](QWidget *form) {
            formTitle = form->windowTitle();
            pressInModal(form, Qt::Key_Escape);
        });
    });
    press(child<QPushButton>(&screen, "importButton"));
    QVERIFY(!formTitle.isEmpty());
    QCOMPARE(screen.currentPage(), int(ImportScreen::InputPage));
    QCOMPARE(state->accountRepository()->all().size(), 0);
    QCOMPARE(child<QLabel>(&screen, "fileLabel")->text(), QStringLiteral("c.csv"));
}

// The account made for an import is made as everywhere else: its starting balance becomes an
// "Opening Balance" transaction in the same commit as the account.
void TestImportScreen::newTargetAccountKeepsItsBalanceAsAnOpeningTransaction()
{
    TestState state;
    const QString csv =
        writeFile(state, QStringLiteral("c.csv"), "Date,Payee,Amount\n01/02/2026,Cafe,-4.50\n");
    ImportScreen screen(state.services());
    screen.show();
    QVERIFY(QTest::qWaitForWindowExposed(&screen));
    screen.chooseCsvFile(csv);
    whenModalShown([](QWidget *modal) {
        pressInModal(modal, Qt::Key_Return);
        whenModalShown([](QWidget *form) {
            QTest::keyClicks(form->focusWidget(), QStringLiteral("Wallet"));
            auto *spin = form->findChild<QDoubleSpinBox *>(QStringLiteral("balanceSpin"));
            spin->setFocus();
            QTest::keyClick(spin, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(spin, QStringLiteral("100"));
            QTest::keyClick(spin, Qt::Key_Return);
        });
    });
    press(child<QPushButton>(&screen, "importButton"));
    const Account wallet = accountNamed(state.get(), QStringLiteral("Wallet"));
    QCOMPARE(wallet.startingBalance, Money(0));
    const QList<Transaction> rows = state->transactionRepository()->byAccount(wallet.id);
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows.last().payee, QStringLiteral("Cafe"));
    QCOMPARE(rows.first().payee, QStringLiteral("Opening Balance"));
    QCOMPARE(state->transactionRepository()->balance(wallet.id), Money(9550));
}

QTEST_MAIN(TestImportScreen)
#include "tst_importscreen.moc"
