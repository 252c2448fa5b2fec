#pragma once

#include "periodpreset.h"
#include "services/accountsummaryrow.h"
#include "services/categorytotal.h"
#include "services/monthlyflow.h"
#include "services/yearoveryearrow.h"
#include "ui/screens/screenservices.h"
#include "ui/widgets/filedialogfolders.h"

#include <QList>
#include <QSettings>
#include <QWidget>

class QChartView;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class QTableWidget;
class QTimer;
class TableColumnFitter;
class TransactionListModel;
class QWidget;

// The eight reports as tabs of one window, sharing an account filter and a period; the
// year-over-year tab has its own pair of periods. Figures with a natural picture get a chart
// above their table; the table stays the exact record and is what the CSV export writes.
class ReportsScreen : public QWidget
{
    Q_OBJECT

public:
    enum Tab {
        CategorySpendingTab,
        PayeeSummaryTab,
        TaxReportTab,
        IncomeVsExpensesTab,
        CashFlowTab,
        YearOverYearTab,
        AccountSummaryTab,
        TransactionsTab,
        TabCount
    };

    explicit ReportsScreen(const ScreenServices &services, QWidget *parent = nullptr);
    ~ReportsScreen() override;

    // Computed from `today` each time they are needed. The last preset is Custom, without dates.
    static QList<PeriodPreset> periodPresets(const QDate &today);
    // "This Year vs Last Year", "Last Year vs Year Before", "This Quarter vs Last Quarter"; Custom
    // is the fourth item of the compare combo and has no computed periods.
    static QList<ComparePeriods> comparePresets(const QDate &today);

    // Refills the account filter (back to "All Accounts") and runs the reports.
    void refresh();

    QTableView *table(Tab tab) const { return m_tables[tab]; }
    int rowCount(Tab tab);
    // The displayed text of a cell, as the export writes it.
    QString cellText(Tab tab, int row, int column);
    // The accessors below compute the tab's report first when it is out of date.
    QChartView *chartView(Tab tab);
    QTabWidget *tabs() const { return m_tabs; }
    // Wide enough for the whole tab bar (within the screen), so every report's name shows.
    QSize sizeHint() const override;
    // Writes the table of `tab` as CSV text; false when it has no rows or the file cannot be written.
    bool exportTab(Tab tab, const QString &filePath);
    static QString defaultExportFileName(Tab tab);
    // Where the export dialog opens and what it remembers (the user's settings unless replaced).
    void setFileDialogFolders(const FileDialogFolders &folders) { m_folders = folders; }

signals:
    // After every run of the reports (the tab in view is computed, the others marked out of
    // date); one per user change.
    void reportsUpdated();

public slots:
    void onDatePresetChanged(int index);
    void onComparePresetChanged(int index);
    void onFilterChanged();
    void runReport();
    void exportCurrentTab();

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QSettings m_settings;
    FileDialogFolders m_folders{&m_settings};

    QTableWidget *newTable(const QStringList &headers);
    void configureTable(QTableView *table);
    // Names and texts in `textColumns` take what they need; the figures sit beside them.
    void fitColumns(Tab tab, const QList<int> &textColumns);
    // Every tab but the transaction list is a table widget.
    QTableWidget *widgetTable(Tab tab) const;
    QWidget *newTabPage(Tab tab, QWidget *above = nullptr);
    QDateEdit *newDateEdit();
    void fillAccountCombo();
    void onDataChanged();
    void updateCompareLabel();
    void onTabChanged(int index);
    // Moves to the next (+1) or previous (-1) report, wrapping around at the ends.
    void stepTab(int delta);
    void ensureFilled(Tab tab);
    void rebuildChart(Tab tab);

    ScreenServices m_services;
    QComboBox *m_accountCombo;
    QComboBox *m_periodCombo;
    QDateEdit *m_fromEdit;
    QDateEdit *m_toEdit;
    QLabel *m_rangeLabel;
    // The reason the report in view is empty, when it failed.
    QLabel *m_errorLabel = nullptr;
    QPushButton *m_exportButton;
    QTabWidget *m_tabs;
    QComboBox *m_compareCombo = nullptr;
    QLabel *m_compareLabel = nullptr;
    QWidget *m_customCompare = nullptr;
    QDateEdit *m_p1FromEdit = nullptr;
    QDateEdit *m_p1ToEdit = nullptr;
    QDateEdit *m_p2FromEdit = nullptr;
    QDateEdit *m_p2ToEdit = nullptr;
    QTableView *m_tables[TabCount] = {};
    TableColumnFitter *m_fitters[TabCount] = {};
    TransactionListModel *m_transactionModel = nullptr;
    QChartView *m_chartViews[TabCount] = {};
    // Runs the reports once the period chosen by stepping through the list has settled.
    QTimer *m_periodSettle = nullptr;
    // Set while a key or the wheel steps through the closed period list.
    bool m_periodStepping = false;
    // Set while the screen moves its own date edits, so that one change runs the reports once.
    bool m_suppress = false;
    bool m_rebuildingCharts = false;
    bool m_dirty[TabCount] = {true, true, true, true, true, true, true, true};
    // The figures the charts were last drawn from, kept to redraw them after a theme change.
    QList<CategoryTotal> m_categorySpending;
    QList<MonthlyFlow> m_incomeVsExpenses;
    QList<MonthlyFlow> m_cashFlow;
    QList<YearOverYearRow> m_yearOverYear;
    QList<AccountSummaryRow> m_accountSummary;
};
