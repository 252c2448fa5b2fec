#include "importscreen.h"

#include "data/account.h"
#include "data/accountrepository.h"
#include "data/datetext.h"
#include "data/identifiers.h"
#include "services/accountservice.h"
#include "services/csvcolumnguess.h"
#include "services/csvreader.h"
#include "services/importservice.h"
#include "services/importtext.h"
#include "ui/dialogs/accountformdialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString createValue = QStringLiteral("__create__");
const QString skipValue = QStringLiteral("__skip__");
// Enough of a file for five preview rows and the delimiter guess, however large the file is.
constexpr qint64 previewBytes = 256 * 1024;

enum DelimiterChoice { AutoDelimiter, CommaDelimiter, SemicolonDelimiter, TabDelimiter };

QString fileNameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

// The head of the file, decoded as the importer decodes the whole of it.
QString previewText(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray bytes = file.read(previewBytes);
    // Cut at a line end, so that the decoder does not see half a character.
    if (!file.atEnd()) {
        const qsizetype lineEnd = bytes.lastIndexOf('\n');
        if (lineEnd > 0)
            bytes.truncate(lineEnd + (bytes.startsWith("\xFF\xFE") ? 2 : 1));
    }
    return decodeImportText(bytes);
}

QString delimiterName(QChar delimiter)
{
    if (delimiter == QLatin1Char(';'))
        return ImportScreen::tr("Semicolon");
    if (delimiter == QLatin1Char('\t'))
        return ImportScreen::tr("Tab");
    return ImportScreen::tr("Comma");
}

// What the create item offers and creates: the same name in both places.
QString newAccountName(const QifSourceEntry &entry)
{
    return entry.accountName.isEmpty() ? entry.displayName : entry.accountName;
}

// The choice is made afterwards, from the header (applyColumnGuess). Columns are counted from 1
// on screen, as people count them; the item's value is the 0-based index the import uses.
void refillColumnCombo(QComboBox *combo, bool withNone, int columns, const QStringList &firstRow)
{
    const QSignalBlocker blocker(combo);
    combo->clear();
    if (withNone)
        combo->addItem(ImportScreen::tr("(none)"), -1);
    for (int column = 0; column < columns; ++column) {
        const QString text =
            column < firstRow.size()
                ? ImportScreen::tr("Col %1: %2").arg(column + 1).arg(firstRow[column].left(20))
                : ImportScreen::tr("Column %1").arg(column + 1);
        combo->addItem(text, column);
    }
}

} // namespace

ImportScreen::ImportScreen(const ScreenServices &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_pages(new QStackedWidget(this))
    , m_csvButton(new QRadioButton(tr("CSV"), this))
    , m_qifButton(new QRadioButton(tr("QIF"), this))
    , m_accountLabel(new QLabel(tr("&Account:"), this))
    , m_accountCombo(new QComboBox(this))
    , m_fileLabel(new QLabel(tr("No file selected"), this))
    , m_browseButton(new QPushButton(tr("Browse..."), this))
    , m_csvGroup(new QWidget(this))
    , m_dateColumnCombo(new QComboBox(this))
    , m_payeeColumnCombo(new QComboBox(this))
    , m_amountColumnCombo(new QComboBox(this))
    , m_memoColumnCombo(new QComboBox(this))
    , m_categoryColumnCombo(new QComboBox(this))
    , m_checkNumberColumnCombo(new QComboBox(this))
    , m_delimiterCombo(new QComboBox(this))
    , m_dateFormatCombo(new QComboBox(this))
    , m_headerCheck(new QCheckBox(tr("First row is header"), this))
    , m_previewTable(new QTableWidget(this))
    , m_qifGroup(new QWidget(this))
    , m_qifMapRowsLayout(new QFormLayout)
    , m_importButton(new QPushButton(tr("Import"), this))
    , m_summaryLabel(new QLabel(this))
    , m_doneButton(new QPushButton(tr("Done"), this))
{
    m_csvButton->setObjectName(QStringLiteral("csvButton"));
    m_qifButton->setObjectName(QStringLiteral("qifButton"));
    m_accountCombo->setObjectName(QStringLiteral("accountCombo"));
    m_fileLabel->setObjectName(QStringLiteral("fileLabel"));
    m_browseButton->setObjectName(QStringLiteral("browseButton"));
    m_csvGroup->setObjectName(QStringLiteral("csvGroup"));
    m_dateColumnCombo->setObjectName(QStringLiteral("dateColumnCombo"));
    m_payeeColumnCombo->setObjectName(QStringLiteral("payeeColumnCombo"));
    m_amountColumnCombo->setObjectName(QStringLiteral("amountColumnCombo"));
    m_memoColumnCombo->setObjectName(QStringLiteral("memoColumnCombo"));
    m_categoryColumnCombo->setObjectName(QStringLiteral("categoryColumnCombo"));
    m_checkNumberColumnCombo->setObjectName(QStringLiteral("checkNumberColumnCombo"));
    m_delimiterCombo->setObjectName(QStringLiteral("delimiterCombo"));
    m_dateFormatCombo->setObjectName(QStringLiteral("dateFormatCombo"));
    m_headerCheck->setObjectName(QStringLiteral("headerCheck"));
    m_previewTable->setObjectName(QStringLiteral("previewTable"));
    m_qifGroup->setObjectName(QStringLiteral("qifGroup"));
    m_qifMapRowsLayout->setObjectName(QStringLiteral("qifMapRowsLayout"));
    m_importButton->setObjectName(QStringLiteral("importButton"));
    m_summaryLabel->setObjectName(QStringLiteral("summaryLabel"));
    m_doneButton->setObjectName(QStringLiteral("doneButton"));

    // Page 1: the choices.
    auto *input = new QWidget(m_pages);
    auto *inputLayout = new QVBoxLayout(input);
    auto *title = new QLabel(tr("Import Transactions"), input);
    QFont titleFont = title->font();
    titleFont.setPointSize(16);
    titleFont.setWeight(QFont::Bold);
    title->setFont(titleFont);
    inputLayout->addWidget(title);

    auto *form = new QFormLayout;
    auto *formatGroup = new QButtonGroup(this);
    formatGroup->addButton(m_csvButton);
    formatGroup->addButton(m_qifButton);
    m_csvButton->setChecked(true);
    auto *formatRow = new QHBoxLayout;
    formatRow->addWidget(m_csvButton);
    formatRow->addWidget(m_qifButton);
    formatRow->addStretch(1);
    auto *formatLabel = new QLabel(tr("&Format:"), input);
    formatLabel->setBuddy(m_csvButton);
    form->addRow(formatLabel, formatRow);
    m_accountLabel->setBuddy(m_accountCombo);
    form->addRow(m_accountLabel, m_accountCombo);
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(m_fileLabel, 1);
    fileRow->addWidget(m_browseButton);
    form->addRow(tr("File:"), fileRow);
    inputLayout->addLayout(form);

    auto *csvLayout = new QVBoxLayout(m_csvGroup);
    csvLayout->setContentsMargins(0, 0, 0, 0);
    csvLayout->addWidget(new QLabel(tr("CSV Column Mapping:"), m_csvGroup));
    auto *columns = new QFormLayout;
    columns->addRow(tr("Date column:"), m_dateColumnCombo);
    columns->addRow(tr("Payee column:"), m_payeeColumnCombo);
    columns->addRow(tr("Amount column:"), m_amountColumnCombo);
    columns->addRow(tr("Memo column:"), m_memoColumnCombo);
    columns->addRow(tr("Category column:"), m_categoryColumnCombo);
    columns->addRow(tr("Check number column:"), m_checkNumberColumnCombo);
    m_delimiterCombo->addItem(tr("Auto"), AutoDelimiter);
    m_delimiterCombo->addItem(tr("Comma"), CommaDelimiter);
    m_delimiterCombo->addItem(tr("Semicolon"), SemicolonDelimiter);
    m_delimiterCombo->addItem(tr("Tab"), TabDelimiter);
    columns->addRow(tr("Delimiter:"), m_delimiterCombo);
    m_dateFormatCombo->addItems({QStringLiteral("MM/dd/yyyy"), QStringLiteral("dd/MM/yyyy"),
                                 QStringLiteral("yyyy-MM-dd"), QStringLiteral("MM/dd/yy"),
                                 QStringLiteral("M/d/yyyy")});
    columns->addRow(tr("Date format:"), m_dateFormatCombo);
    m_headerCheck->setChecked(true);
    columns->addRow(m_headerCheck);
    csvLayout->addLayout(columns);
    m_previewTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_previewTable->verticalHeader()->setVisible(false);
    m_previewTable->setMinimumHeight(120);
    csvLayout->addWidget(m_previewTable, 1);
    inputLayout->addWidget(m_csvGroup, 1);

    auto *qifLayout = new QVBoxLayout(m_qifGroup);
    qifLayout->setContentsMargins(0, 0, 0, 0);
    qifLayout->addWidget(new QLabel(tr("QIF source accounts:"), m_qifGroup));
    auto *note =
        new QLabel(tr("Choose where each Quicken account should be imported. Accounts mapped across the "
                      "selected files will have their transfers linked automatically."),
                   m_qifGroup);
    note->setWordWrap(true);
    qifLayout->addWidget(note);
    qifLayout->addLayout(m_qifMapRowsLayout);
    qifLayout->addStretch(1);
    m_qifGroup->hide();
    inputLayout->addWidget(m_qifGroup, 1);
    // Takes the spare height only while both groups are hidden (QIF before its analysis), so
    // the choices stay at the top instead of spreading down the window.
    inputLayout->addStretch(0);

    auto *importRow = new QHBoxLayout;
    importRow->addStretch(1);
    importRow->addWidget(m_importButton);
    inputLayout->addLayout(importRow);
    m_pages->addWidget(input);

    // Page 2: the summary.
    auto *summary = new QWidget(m_pages);
    auto *summaryLayout = new QVBoxLayout(summary);
    m_summaryLabel->setWordWrap(true);
    m_summaryLabel->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_summaryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summaryLayout->addWidget(m_summaryLabel, 1);
    auto *doneRow = new QHBoxLayout;
    doneRow->addStretch(1);
    doneRow->addWidget(m_doneButton);
    summaryLayout->addLayout(doneRow);
    m_pages->addWidget(summary);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_pages);

    connect(m_csvButton, &QRadioButton::toggled, this, &ImportScreen::onFormatChanged);
    connect(m_browseButton, &QPushButton::clicked, this, &ImportScreen::selectFile);
    connect(m_importButton, &QPushButton::clicked, this, &ImportScreen::runImport);
    connect(m_doneButton, &QPushButton::clicked, this, &ImportScreen::finish);
    connect(m_delimiterCombo, &QComboBox::currentIndexChanged, this, &ImportScreen::loadPreview);
    for (QComboBox *combo : {m_dateColumnCombo, m_payeeColumnCombo, m_amountColumnCombo})
        connect(combo, &QComboBox::currentIndexChanged, this, &ImportScreen::updateImportButton);

    refreshAccounts();
    updateImportButton();
}

ImportScreen::~ImportScreen() = default;

int ImportScreen::currentPage() const
{
    return m_pages->currentIndex();
}

QString ImportScreen::summaryText() const
{
    return m_summaryLabel->text();
}

void ImportScreen::refreshAccounts()
{
    const QString previous = m_accountCombo->currentData().toString();
    m_accountCombo->clear();
    for (const Account &account : m_services.accountRepository->all())
        m_accountCombo->addItem(account.name, account.id);
    const int index = m_accountCombo->findData(previous);
    if (index >= 0)
        m_accountCombo->setCurrentIndex(index);
}

void ImportScreen::onFormatChanged()
{
    const bool csv = m_csvButton->isChecked();
    m_csvGroup->setVisible(csv);
    m_accountLabel->setVisible(csv);
    m_accountCombo->setVisible(csv);
    if (csv) {
        m_qifGroup->hide();
        clearMappingRows();
    }
    updateImportButton();
}

bool ImportScreen::canImport() const
{
    if (m_qifButton->isChecked())
        return !m_qifPaths.isEmpty();
    // A combo without a choice has index -1: the file names no such column and the user has not
    // picked one yet.
    return !m_csvPath.isEmpty() && m_dateColumnCombo->currentIndex() >= 0 &&
           m_payeeColumnCombo->currentIndex() >= 0 && m_amountColumnCombo->currentIndex() >= 0;
}

void ImportScreen::updateImportButton()
{
    m_importButton->setEnabled(canImport());
}

void ImportScreen::clearMappingRows()
{
    while (m_qifMapRowsLayout->rowCount() > 0)
        m_qifMapRowsLayout->removeRow(0);
    m_mappingRows.clear();
}

void ImportScreen::clearCsvMapping()
{
    m_csvRows.clear();
    m_previewTable->clear();
    m_previewTable->setRowCount(0);
    m_previewTable->setColumnCount(0);
    {
        const QSignalBlocker blocker(m_delimiterCombo);
        m_delimiterCombo->setCurrentIndex(AutoDelimiter);
        m_delimiterCombo->setItemText(AutoDelimiter, tr("Auto"));
    }
    m_headerCheck->setChecked(true);
    for (QComboBox *combo : {m_dateColumnCombo, m_payeeColumnCombo, m_amountColumnCombo, m_memoColumnCombo,
                             m_categoryColumnCombo, m_checkNumberColumnCombo}) {
        const QSignalBlocker blocker(combo);
        combo->clear();
    }
    updateImportButton();
}

void ImportScreen::reset()
{
    m_csvPath.clear();
    m_qifPaths.clear();
    m_fileLabel->setText(tr("No file selected"));
    m_fileLabel->setToolTip(QString());
    m_csvButton->setChecked(true);
    onFormatChanged();
    clearCsvMapping();
    m_summaryLabel->clear();
    m_pages->setCurrentIndex(InputPage);
    refreshAccounts();
    updateImportButton();
}

void ImportScreen::selectFile()
{
    clearMappingRows();
    m_qifGroup->hide();
    if (m_qifButton->isChecked()) {
        const QStringList paths = QFileDialog::getOpenFileNames(
            this, tr("Select QIF File(s)"), m_folders.folderFor(QStringLiteral("qifImport")),
            tr("QIF Files (*.qif)"));
        if (!paths.isEmpty()) {
            m_folders.remember(QStringLiteral("qifImport"), paths.first());
            chooseQifFiles(paths);
        }
        return;
    }
    const QString path = QFileDialog::getOpenFileName(this, tr("Select File"),
                                                      m_folders.folderFor(QStringLiteral("csvImport")),
                                                      tr("CSV Files (*.csv);;All Files (*)"));
    if (!path.isEmpty()) {
        m_folders.remember(QStringLiteral("csvImport"), path);
        chooseCsvFile(path);
    }
}

void ImportScreen::chooseQifFiles(const QStringList &filePaths)
{
    clearMappingRows();
    m_qifGroup->hide();
    m_qifPaths = filePaths;
    m_csvPath.clear();
    clearCsvMapping();
    if (filePaths.size() == 1) {
        m_fileLabel->setText(fileNameOf(filePaths.first()));
        m_fileLabel->setToolTip(filePaths.first());
    } else {
        m_fileLabel->setText(tr("%n file(s) selected", nullptr, int(filePaths.size())));
        m_fileLabel->setToolTip(filePaths.join(QLatin1Char('\n')));
    }
    updateImportButton();
    QProgressDialog progress(tr("Analyzing QIF file(s)..."), QString(), 0, 0, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(200);
    progress.setCancelButton(nullptr);
    QApplication::processEvents();
    const QifAnalysis analysis = m_services.importService->analyzeQif(filePaths);
    progress.close();
    if (!analysis.error.isEmpty())
        m_fileLabel->setText(tr("Cannot import: %1").arg(analysis.error));
    if (!analysis.entries.isEmpty()) {
        buildMappingRows(analysis.entries);
        m_qifGroup->show();
    }
}

void ImportScreen::chooseCsvFile(const QString &filePath)
{
    // Nothing of the previous file's mapping carries over, the delimiter forced for it included.
    clearCsvMapping();
    m_csvPath = filePath;
    m_qifPaths.clear();
    m_fileLabel->setText(fileNameOf(filePath));
    m_fileLabel->setToolTip(filePath);

    m_detectedDelimiter = detectCsvDelimiter(previewText(filePath));
    m_delimiterCombo->setItemText(AutoDelimiter, tr("Auto (%1)").arg(delimiterName(m_detectedDelimiter)));
    loadPreview();
}

QChar ImportScreen::effectiveDelimiter() const
{
    switch (m_delimiterCombo->currentData().toInt()) {
    case CommaDelimiter:
        return QLatin1Char(',');
    case SemicolonDelimiter:
        return QLatin1Char(';');
    case TabDelimiter:
        return QLatin1Char('\t');
    default:
        return m_detectedDelimiter;
    }
}

void ImportScreen::loadPreview()
{
    if (m_csvPath.isEmpty())
        return;
    // The rows are split again with the delimiter now in force.
    m_csvRows = splitCsv(previewText(m_csvPath), effectiveDelimiter());

    const QStringList firstRow = m_csvRows.isEmpty() ? QStringList() : m_csvRows.first();
    const int columns = int(firstRow.size());
    refillColumnCombo(m_dateColumnCombo, false, columns, firstRow);
    refillColumnCombo(m_payeeColumnCombo, false, columns, firstRow);
    refillColumnCombo(m_amountColumnCombo, false, columns, firstRow);
    refillColumnCombo(m_memoColumnCombo, true, columns, firstRow);
    refillColumnCombo(m_categoryColumnCombo, true, columns, firstRow);
    refillColumnCombo(m_checkNumberColumnCombo, true, columns, firstRow);
    applyColumnGuess(columns, firstRow);

    const int rows = int(qMin<qsizetype>(5, m_csvRows.size()));
    m_previewTable->clear();
    m_previewTable->setColumnCount(columns);
    m_previewTable->setRowCount(rows);
    QStringList headers;
    for (int column = 0; column < columns; ++column)
        headers.append(tr("Col %1").arg(column + 1));
    m_previewTable->setHorizontalHeaderLabels(headers);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns && column < m_csvRows[row].size(); ++column)
            m_previewTable->setItem(row, column, new QTableWidgetItem(m_csvRows[row][column]));
    }
}

void ImportScreen::applyColumnGuess(int columns, const QStringList &firstRow)
{
    CsvColumnGuess guess = guessCsvColumns(firstRow);
    const bool named = guess.dateColumn >= 0 || guess.payeeColumn >= 0 || guess.amountColumn >= 0;
    if (named) {
        m_headerCheck->setChecked(true);
    } else if (columns > 2) {
        // No header that names anything: the usual order of date, payee and amount.
        guess = {0, 1, 2, -1, -1, -1};
    }
    const auto choose = [](QComboBox *combo, int column) {
        combo->setCurrentIndex(combo->findData(column));
    };
    choose(m_dateColumnCombo, guess.dateColumn);
    choose(m_payeeColumnCombo, guess.payeeColumn);
    choose(m_amountColumnCombo, guess.amountColumn);
    choose(m_memoColumnCombo, guess.memoColumn);
    choose(m_categoryColumnCombo, guess.categoryColumn);
    choose(m_checkNumberColumnCombo, guess.checkNumberColumn);
    updateImportButton();
}

void ImportScreen::buildMappingRows(const QList<QifSourceEntry> &entries)
{
    const QList<Account> accounts = m_services.accountRepository->all();
    for (const QifSourceEntry &entry : entries) {
        auto *combo = new QComboBox(m_qifGroup);
        combo->addItem(tr("— Create new account \"%1\" —").arg(newAccountName(entry)), createValue);
        combo->addItem(tr("— Skip these transactions —"), skipValue);
        int initial = 0;
        for (const Account &account : accounts) {
            combo->addItem(account.name, account.id);
            if (initial == 0 && !entry.noAccountHeader &&
                account.name.compare(entry.displayName, Qt::CaseInsensitive) == 0)
                initial = combo->count() - 1;
        }
        combo->setCurrentIndex(initial);
        m_qifMapRowsLayout->addRow(entry.displayName, combo);
        m_mappingRows.append({entry, combo});
    }
}

bool ImportScreen::ensureTargetAccount()
{
    if (!m_accountCombo->currentData().toString().isEmpty())
        return true;
    if (QMessageBox::question(this, tr("No target account"),
                              tr("Pick an account to import into, or create one now."),
                              QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) != QMessageBox::Yes)
        return false;
    AccountFormDialog form(this);
    if (form.exec() != QDialog::Accepted)
        return false;
    const Account entered = form.account();
    if (entered.name.isEmpty())
        return false;
    const std::optional<Account> account = m_services.accountService->createAccount(entered, form.asOfDate());
    if (!account)
        return false;
    refreshAccounts();
    m_accountCombo->setCurrentIndex(m_accountCombo->findData(account->id));
    return true;
}

QifMapping ImportScreen::buildQifMapping()
{
    QifMapping mapping;
    int nextSortOrder = 0;
    for (const Account &other : m_services.accountRepository->all())
        nextSortOrder = qMax(nextSortOrder, other.sortOrder + 1);
    for (const MappingRow &row : std::as_const(m_mappingRows)) {
        const QString value = row.combo->currentData().toString();
        if (value == skipValue) {
            mapping.insert(row.entry.key, QString());
        } else if (value == createValue) {
            Account account;
            account.id = newId();
            account.name = newAccountName(row.entry);
            account.type = row.entry.suggestedType;
            account.sortOrder = nextSortOrder++;
            account.createdAt = currentTimestamp();
            account.updatedAt = account.createdAt;
            mapping.insert(row.entry.key,
                           m_services.accountRepository->insert(account) ? account.id : QString());
        } else {
            mapping.insert(row.entry.key, value);
        }
    }
    return mapping;
}

void ImportScreen::runImport()
{
    if (!canImport())
        return;
    const bool qif = m_qifButton->isChecked();
    if (!qif && !ensureTargetAccount())
        return;

    QProgressDialog progress(tr("Importing..."), QString(), 0, 0, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setCancelButton(nullptr);
    ImportService *service = m_services.importService;
    connect(service, &ImportService::importStarted, &progress, [&progress](int total) {
        progress.setMaximum(total);
        progress.setValue(0);
    });
    connect(service, &ImportService::importProgress, &progress, [&progress](int current, int total) {
        progress.setMaximum(total);
        progress.setValue(current);
    });

    ImportResult result;
    if (qif) {
        result = service->importQif(m_qifPaths, buildQifMapping());
    } else {
        CsvImportOptions options;
        options.dateColumn = m_dateColumnCombo->currentData().toInt();
        options.payeeColumn = m_payeeColumnCombo->currentData().toInt();
        options.amountColumn = m_amountColumnCombo->currentData().toInt();
        options.memoColumn = m_memoColumnCombo->currentData().toInt();
        options.categoryColumn = m_categoryColumnCombo->currentData().toInt();
        options.checkNumberColumn = m_checkNumberColumnCombo->currentData().toInt();
        options.hasHeader = m_headerCheck->isChecked();
        options.dateFormat = m_dateFormatCombo->currentText();
        options.delimiter = effectiveDelimiter();
        result = service->importCsv(m_csvPath, m_accountCombo->currentData().toString(), options);
    }
    progress.close();
    showSummary(result);
}

void ImportScreen::showSummary(const ImportResult &result)
{
    QStringList lines;
    if (result.aborted) {
        lines << tr("Import failed.") << QString()
              << tr("A database error stopped the import and all changes were rolled back. No transactions "
                    "were added.");
        if (!result.failure.isEmpty())
            lines << result.failure;
    } else {
        // Nothing stored is no success: the user is told so, and why.
        if (result.imported > 0)
            lines << tr("Import complete!") << QString()
                  << tr("%n transaction(s) imported", nullptr, result.imported);
        else
            lines << tr("No transactions were imported") << QString();
        const qsizetype reasonsFrom = lines.size();
        if (result.transfersLinked > 0) {
            lines << tr("%n transfer(s) linked across accounts", nullptr, result.transfersLinked);
            if (result.retroactiveLinks > 0)
                lines << tr("  (including %n linked to previously imported row(s))", nullptr,
                            result.retroactiveLinks);
        }
        if (result.duplicates > 0)
            lines << tr("%n duplicate(s) skipped", nullptr, result.duplicates);
        if (result.unparseable > 0)
            lines << tr("%n record(s) skipped (unparseable)", nullptr, result.unparseable);
        if (result.metadataSkipped > 0)
            lines << tr("%n metadata record(s) skipped", nullptr, result.metadataSkipped);
        if (result.unmappedSkipped > 0)
            lines << tr("%n record(s) skipped (unmapped source account)", nullptr, result.unmappedSkipped);
        if (result.databaseErrors > 0)
            lines << tr("%n record(s) skipped (database error — see log)", nullptr, result.databaseErrors);
        if (result.imported == 0 && lines.size() == reasonsFrom)
            lines << tr("The file holds no transactions.");
    }
    m_summaryLabel->setText(lines.join(QLatin1Char('\n')));
    m_pages->setCurrentIndex(SummaryPage);
    m_doneButton->setFocus();
}

void ImportScreen::closeEvent(QCloseEvent *event)
{
    if (currentPage() == SummaryPage) {
        emit importCompleted();
        reset();
    }
    QWidget::closeEvent(event);
}

void ImportScreen::finish()
{
    emit importCompleted();
    reset();
    close();
}
