#pragma once

#include "services/importrecords.h"
#include "ui/screens/screenservices.h"
#include "ui/widgets/filedialogfolders.h"

#include <QList>
#include <QSettings>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTableWidget;

// Imports a CSV file into one account, or QIF files into mapped accounts: gathers the choices,
// creates the accounts asked for, runs the import service under a progress dialog and shows a
// summary.
class ImportScreen : public QWidget
{
    Q_OBJECT

public:
    enum Page { InputPage, SummaryPage };

    explicit ImportScreen(const ScreenServices &services, QWidget *parent = nullptr);
    ~ImportScreen() override;

    // Back to the first page with no file, CSV mode and the account list refreshed.
    void reset();
    void refreshAccounts();
    int currentPage() const;
    QString summaryText() const;
    int mappingRowCount() const { return int(m_mappingRows.size()); }

    // What selectFile does after its file dialog.
    void chooseCsvFile(const QString &filePath);
    void chooseQifFiles(const QStringList &filePaths);
    // The delimiter the preview and the import use: the chosen one, or the detected one on Auto.
    QChar effectiveDelimiter() const;
    // Where the file dialogs open and what they remember (the user's settings unless replaced).
    void setFileDialogFolders(const FileDialogFolders &folders) { m_folders = folders; }

signals:
    void importCompleted();

public slots:
    void selectFile();
    void runImport();

protected:
    // Closed on the summary page (Esc, Ctrl+W, the title bar) it finishes as Done does.
    void closeEvent(QCloseEvent *event) override;

private:
    QSettings m_settings;
    FileDialogFolders m_folders{&m_settings};

    struct MappingRow
    {
        QifSourceEntry entry;
        QComboBox *combo = nullptr;
    };

    void onFormatChanged();
    // Import needs files (QIF), or a file and its date, payee and amount columns (CSV).
    bool canImport() const;
    void updateImportButton();
    void applyColumnGuess(int columns, const QStringList &firstRow);
    void clearCsvMapping();
    void clearMappingRows();
    void loadPreview();
    void buildMappingRows(const QList<QifSourceEntry> &entries);
    bool ensureTargetAccount();
    QifMapping buildQifMapping();
    void showSummary(const ImportResult &result);
    void finish();

    ScreenServices m_services;
    QString m_csvPath;
    QStringList m_qifPaths;
    QList<QStringList> m_csvRows;
    QChar m_detectedDelimiter = QLatin1Char(',');
    QList<MappingRow> m_mappingRows;

    QStackedWidget *m_pages;
    QRadioButton *m_csvButton;
    QRadioButton *m_qifButton;
    QLabel *m_accountLabel;
    QComboBox *m_accountCombo;
    QLabel *m_fileLabel;
    QPushButton *m_browseButton;
    QWidget *m_csvGroup;
    QComboBox *m_dateColumnCombo;
    QComboBox *m_payeeColumnCombo;
    QComboBox *m_amountColumnCombo;
    QComboBox *m_memoColumnCombo;
    QComboBox *m_categoryColumnCombo;
    QComboBox *m_checkNumberColumnCombo;
    QComboBox *m_delimiterCombo;
    QComboBox *m_dateFormatCombo;
    QCheckBox *m_headerCheck;
    QTableWidget *m_previewTable;
    QWidget *m_qifGroup;
    QFormLayout *m_qifMapRowsLayout;
    QPushButton *m_importButton;
    QLabel *m_summaryLabel;
    QPushButton *m_doneButton;
};
