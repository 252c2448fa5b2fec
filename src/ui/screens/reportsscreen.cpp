#include "reportsscreen.h"

#include "data/account.h"
#include "data/accountrepository.h"
#include "data/money.h"
#include "data/transactionrepository.h"
#include "reportcharts.h"
#include "services/payeetotal.h"
#include "services/reportservice.h"
#include "services/taxcategoryname.h"
#include "services/taxline.h"
#include "services/transactionlistrow.h"
#include "transactionlistmodel.h"
#include "ui/widgets/registerstyle.h"
#include "ui/widgets/tablecolumnfitter.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTabBar>
#include <QTableWidget>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

namespace {

QString shortDate(const QDate &date)
{
    return QLocale().toString(date, QLocale::ShortFormat);
}

QDate firstOfQuarter(const QDate &today)
{
    return QDate(today.year(), ((today.month() - 1) / 3) * 3 + 1, 1);
}

QTableWidgetItem *textItem(const QString &text)
{
    return new QTableWidgetItem(text);
}

QTableWidgetItem *amountItem(Money amount)
{
    auto *item = new QTableWidgetItem(formatMoney(amount, Currency::USD));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QTableWidgetItem *numberItem(int number)
{
    auto *item = new QTableWidgetItem(QString::number(number));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

void setRow(QTableWidget *table, int row, const QList<QTableWidgetItem *> &items)
{
    for (int column = 0; column < items.size(); ++column)
        table->setItem(row, column, items[column]);
}

QString accountTypeText(const QString &stored)
{
    if (stored == QLatin1String("checking"))
        return ReportsScreen::tr("Checking");
    if (stored == QLatin1String("savings"))
        return ReportsScreen::tr("Savings");
    if (stored == QLatin1String("credit_card"))
        return ReportsScreen::tr("Credit Card");
    if (stored == QLatin1String("cash"))
        return ReportsScreen::tr("Cash");
    if (stored == QLatin1String("investment"))
        return ReportsScreen::tr("Investment");
    return ReportsScreen::tr("Other");
}

void fillMonthlyFlows(QTableWidget *table, const QList<MonthlyFlow> &rows)
{
    table->setRowCount(rows.isEmpty() ? 0 : int(rows.size()) + 1);
    Money inflows = 0;
    Money outflows = 0;
    Money net = 0;
    for (int row = 0; row < rows.size(); ++row) {
        const MonthlyFlow &flow = rows[row];
        setRow(table, row,
               {textItem(flow.month), amountItem(flow.inflows), amountItem(flow.outflows),
                amountItem(flow.net)});
        inflows += flow.inflows;
        outflows += flow.outflows;
        net += flow.net;
    }
    if (rows.isEmpty())
        return;
    const int totalRow = int(rows.size());
    setRow(
        table, totalRow,
        {textItem(ReportsScreen::tr("Total")), amountItem(inflows), amountItem(outflows), amountItem(net)});
    for (int column = 0; column < table->columnCount(); ++column) {
        QFont font = table->item(totalRow, column)->font();
        font.setBold(true);
        table->item(totalRow, column)->setFont(font);
    }
}

void colourNegatives(QTableWidget *table)
{
    const QColor negative = negativeColor();
    const QColor normal = table->palette().color(QPalette::Text);
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 1; column < table->columnCount(); ++column) {
            QTableWidgetItem *item = table->item(row, column);
            if (item && item->text().startsWith(QLatin1Char('-')))
                item->setForeground(negative);
            else if (item)
                item->setForeground(normal);
        }
    }
}

} // namespace

ReportsScreen::ReportsScreen(const ScreenServices &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_accountCombo(new QComboBox(this))
    , m_periodCombo(new QComboBox(this))
    , m_fromEdit(newDateEdit())
    , m_toEdit(newDateEdit())
    , m_rangeLabel(new QLabel(this))
    , m_exportButton(new QPushButton(tr("Export CSV"), this))
    , m_tabs(new QTabWidget(this))
{
    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(tr("Reports"), this);
    QFont titleFont = title->font();
    titleFont.setPointSize(16);
    titleFont.setWeight(QFont::Bold);
    title->setFont(titleFont);
    layout->addWidget(title);

    m_accountCombo->setObjectName(QStringLiteral("accountCombo"));
    m_periodCombo->setObjectName(QStringLiteral("periodCombo"));
    m_periodCombo->setMinimumWidth(130);
    m_fromEdit->setObjectName(QStringLiteral("fromEdit"));
    m_toEdit->setObjectName(QStringLiteral("toEdit"));
    m_rangeLabel->setObjectName(QStringLiteral("rangeLabel"));
    m_rangeLabel->setStyleSheet(QStringLiteral("color: %1;").arg(secondaryTextColor().name()));
    m_exportButton->setObjectName(QStringLiteral("exportButton"));
    m_tabs->setObjectName(QStringLiteral("reportTabs"));

    auto *filters = new QHBoxLayout;
    auto *accountLabel = new QLabel(tr("&Account:"), this);
    accountLabel->setBuddy(m_accountCombo);
    filters->addWidget(accountLabel);
    filters->addWidget(m_accountCombo);
    auto *periodLabel = new QLabel(tr("&Period:"), this);
    periodLabel->setBuddy(m_periodCombo);
    filters->addWidget(periodLabel);
    filters->addWidget(m_periodCombo);
    filters->addWidget(m_fromEdit);
    filters->addWidget(m_toEdit);
    filters->addWidget(m_rangeLabel);
    filters->addStretch(1);
    filters->addWidget(m_exportButton);
    layout->addLayout(filters);
    m_errorLabel = new QLabel(this);
    m_errorLabel->setObjectName(QStringLiteral("reportErrorLabel"));
    m_errorLabel->setWordWrap(true);
    m_errorLabel->setStyleSheet(QStringLiteral("color: %1;").arg(negativeColor().name()));
    m_errorLabel->hide();
    layout->addWidget(m_errorLabel);
    layout->addWidget(m_tabs, 1);

    m_tables[CategorySpendingTab] = newTable({tr("Category"), tr("Total")});
    m_tables[PayeeSummaryTab] = newTable({tr("Payee"), tr("Total"), tr("Count")});
    m_tables[TaxReportTab] = newTable({tr("Category"), tr("Tax Code"), tr("Total")});
    m_tables[IncomeVsExpensesTab] = newTable({tr("Month"), tr("Income"), tr("Expenses"), tr("Net")});
    m_tables[CashFlowTab] = newTable({tr("Month"), tr("Inflows"), tr("Outflows"), tr("Net")});
    m_tables[YearOverYearTab] = newTable({tr("Category"), tr("Period 1"), tr("Period 2"), tr("Difference")});
    m_tables[AccountSummaryTab] =
        newTable({tr("Account"), tr("Type"), tr("Cleared"), tr("Uncleared"), tr("Total")});
    m_transactionModel = new TransactionListModel(this);
    auto *transactions = new QTableView(this);
    transactions->setModel(m_transactionModel);
    configureTable(transactions);
    m_tables[TransactionsTab] = transactions;
    fitColumns(CategorySpendingTab, {0});
    fitColumns(PayeeSummaryTab, {0});
    fitColumns(TaxReportTab, {0, 1});
    fitColumns(IncomeVsExpensesTab, {0});
    fitColumns(CashFlowTab, {0});
    fitColumns(YearOverYearTab, {0});
    fitColumns(AccountSummaryTab, {0, 1});
    // The transaction list reads as the register does: its texts fill the width.
    TableColumnFitter *list = new TableColumnFitter(transactions);
    list->setContentColumn(TransactionListModel::DateColumn);
    list->setContentColumn(TransactionListModel::AmountColumn);
    list->setTextColumn(TransactionListModel::AccountColumn, 2, 8);
    list->setTextColumn(TransactionListModel::PayeeColumn, 4, 12);
    list->setTextColumn(TransactionListModel::CategoryColumn, 3, 10);
    list->setTextColumn(TransactionListModel::MemoColumn, 2, 8);
    m_fitters[TransactionsTab] = list;
    for (Tab tab :
         {CategorySpendingTab, IncomeVsExpensesTab, CashFlowTab, YearOverYearTab, AccountSummaryTab}) {
        auto *view = new QChartView(this);
        view->setObjectName(QStringLiteral("chartView%1").arg(int(tab)));
        view->setRenderHint(QPainter::Antialiasing);
        view->setMinimumHeight(180);
        m_chartViews[tab] = view;
    }

    // The comparison controls of the year-over-year tab.
    auto *compare = new QWidget(this);
    auto *compareLayout = new QHBoxLayout(compare);
    compareLayout->setContentsMargins(0, 0, 0, 0);
    m_compareCombo = new QComboBox(compare);
    m_compareCombo->setObjectName(QStringLiteral("compareCombo"));
    m_compareCombo->addItems({tr("This Year vs Last Year"), tr("Last Year vs Year Before"),
                              tr("This Quarter vs Last Quarter"), tr("Custom")});
    auto *compareLabelText = new QLabel(tr("Compare:"), compare);
    compareLabelText->setBuddy(m_compareCombo);
    compareLayout->addWidget(compareLabelText);
    compareLayout->addWidget(m_compareCombo);
    m_compareLabel = new QLabel(compare);
    m_compareLabel->setObjectName(QStringLiteral("compareLabel"));
    compareLayout->addWidget(m_compareLabel);
    m_customCompare = new QWidget(compare);
    auto *customLayout = new QHBoxLayout(m_customCompare);
    customLayout->setContentsMargins(0, 0, 0, 0);
    m_p1FromEdit = newDateEdit();
    m_p1ToEdit = newDateEdit();
    m_p2FromEdit = newDateEdit();
    m_p2ToEdit = newDateEdit();
    customLayout->addWidget(new QLabel(tr("P1:"), m_customCompare));
    customLayout->addWidget(m_p1FromEdit);
    customLayout->addWidget(m_p1ToEdit);
    customLayout->addWidget(new QLabel(tr("P2:"), m_customCompare));
    customLayout->addWidget(m_p2FromEdit);
    customLayout->addWidget(m_p2ToEdit);
    compareLayout->addWidget(m_customCompare);
    compareLayout->addStretch(1);

    m_tabs->addTab(newTabPage(CategorySpendingTab), tr("Category Spending"));
    m_tabs->addTab(newTabPage(PayeeSummaryTab), tr("Payee Summary"));
    m_tabs->addTab(newTabPage(TaxReportTab), tr("Tax Report"));
    m_tabs->addTab(newTabPage(IncomeVsExpensesTab), tr("Income vs Expenses"));
    m_tabs->addTab(newTabPage(CashFlowTab), tr("Cash Flow"));
    m_tabs->addTab(newTabPage(YearOverYearTab, compare), tr("Year-over-Year"));
    m_tabs->addTab(newTabPage(AccountSummaryTab), tr("Account Summary"));
    m_tabs->addTab(newTabPage(TransactionsTab), tr("Transactions"));

    for (const PeriodPreset &preset : periodPresets(QDate::currentDate()))
        m_periodCombo->addItem(preset.label);

    m_periodSettle = new QTimer(this);
    m_periodSettle->setSingleShot(true);
    m_periodSettle->setInterval(400);
    connect(m_periodSettle, &QTimer::timeout, this, &ReportsScreen::runReport);
    m_periodCombo->installEventFilter(this);

    // From anywhere in the window, as between the tabs of a browser.
    const struct
    {
        QKeySequence keys;
        int delta;
    } tabKeys[] = {{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                   {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                   {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
                   {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}};
    for (const auto &tabKey : tabKeys) {
        auto *shortcut = new QShortcut(tabKey.keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        const int delta = tabKey.delta;
        connect(shortcut, &QShortcut::activated, this, [this, delta] { stepTab(delta); });
    }

    m_suppress = true;
    fillAccountCombo();
    onComparePresetChanged(0);
    m_periodCombo->setCurrentIndex(0);
    onDatePresetChanged(0);
    m_suppress = false;

    connect(m_accountCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::onFilterChanged);
    connect(m_periodCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::onDatePresetChanged);
    connect(m_compareCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::onComparePresetChanged);
    for (QDateEdit *edit : {m_fromEdit, m_toEdit, m_p1FromEdit, m_p1ToEdit, m_p2FromEdit, m_p2ToEdit}) {
        connect(edit, &QDateEdit::dateChanged, this, [this] {
            if (!m_suppress)
                runReport();
        });
    }
    connect(m_tabs, &QTabWidget::currentChanged, this, &ReportsScreen::onTabChanged);
    connect(m_exportButton, &QPushButton::clicked, this, &ReportsScreen::exportCurrentTab);
    connect(m_services.accountRepository, &AccountRepository::accountsChanged, this,
            &ReportsScreen::onDataChanged);
    connect(m_services.transactionRepository, &TransactionRepository::transactionsChanged, this,
            &ReportsScreen::onDataChanged);

    runReport();
}

ReportsScreen::~ReportsScreen() = default;

QList<PeriodPreset> ReportsScreen::periodPresets(const QDate &today)
{
    const QDate monthStart(today.year(), today.month(), 1);
    const QDate quarterStart = firstOfQuarter(today);
    return {
        {tr("This Month"), monthStart, today},
        {tr("Last Month"), monthStart.addMonths(-1), monthStart.addDays(-1)},
        {tr("This Quarter"), quarterStart, today},
        {tr("Last Quarter"), quarterStart.addMonths(-3), quarterStart.addDays(-1)},
        {tr("This Year"), QDate(today.year(), 1, 1), today},
        {tr("Last Year"), QDate(today.year() - 1, 1, 1), QDate(today.year() - 1, 12, 31)},
        {tr("Last 30 Days"), today.addDays(-30), today},
        {tr("Last 90 Days"), today.addDays(-90), today},
        {tr("Last 12 Months"), today.addYears(-1), today},
        {tr("All Time"), QDate(2000, 1, 1), today},
        {tr("Custom"), QDate(), QDate()},
    };
}

QList<ComparePeriods> ReportsScreen::comparePresets(const QDate &today)
{
    const int year = today.year();
    const QDate quarterStart = firstOfQuarter(today);
    return {
        {tr("This Year vs Last Year"), QDate(year - 1, 1, 1), QDate(year - 1, 12, 31), QDate(year, 1, 1),
         today},
        {tr("Last Year vs Year Before"), QDate(year - 2, 1, 1), QDate(year - 2, 12, 31),
         QDate(year - 1, 1, 1), QDate(year - 1, 12, 31)},
        {tr("This Quarter vs Last Quarter"), quarterStart.addMonths(-3), quarterStart.addDays(-1),
         quarterStart, today},
    };
}

QString ReportsScreen::defaultExportFileName(Tab tab)
{
    static const char *const names[TabCount] = {
        "category_spending.csv", "payee_summary.csv",  "tax_report.csv",      "income_vs_expenses.csv",
        "cash_flow.csv",         "year_over_year.csv", "account_summary.csv", "transactions.csv"};
    return QLatin1String(names[tab]);
}

QDateEdit *ReportsScreen::newDateEdit()
{
    auto *edit = new QDateEdit(this);
    edit->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    edit->setCalendarPopup(true);
    return edit;
}

QTableWidget *ReportsScreen::newTable(const QStringList &headers)
{
    auto *table = new QTableWidget(0, int(headers.size()), this);
    table->setHorizontalHeaderLabels(headers);
    configureTable(table);
    return table;
}

void ReportsScreen::configureTable(QTableView *table)
{
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setAlternatingRowColors(true);
    table->setShowGrid(false);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setDefaultSectionSize(36);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
}

void ReportsScreen::fitColumns(Tab tab, const QList<int> &textColumns)
{
    auto *fitter = new TableColumnFitter(m_tables[tab]);
    for (int column = 0; column < m_tables[tab]->model()->columnCount(); ++column) {
        if (textColumns.contains(column))
            fitter->setTextColumn(column, 1, 12, 36);
        else
            fitter->setContentColumn(column);
    }
    // On a wide screen a total stays within a glance of its name; the rest of the row is empty.
    fitter->setFillsWidth(false);
    m_fitters[tab] = fitter;
}

QSize ReportsScreen::sizeHint() const
{
    QSize hint = QWidget::sizeHint();
    // The tab widget's own margins and frame, and the window's layout margins.
    const int tabsWidth = m_tabs->tabBar()->sizeHint().width() +
                          2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth) +
                          layout()->contentsMargins().left() + layout()->contentsMargins().right() + 8;
    hint.setWidth(std::max(hint.width(), tabsWidth));
    if (const QScreen *where = screen())
        hint = hint.boundedTo(where->availableGeometry().size());
    return hint;
}

QWidget *ReportsScreen::newTabPage(Tab tab, QWidget *above)
{
    auto *page = new QWidget(m_tabs);
    auto *layout = new QVBoxLayout(page);
    if (above)
        layout->addWidget(above);
    m_tables[tab]->setObjectName(QStringLiteral("table%1").arg(int(tab)));
    if (!m_chartViews[tab]) {
        layout->addWidget(m_tables[tab]);
        return page;
    }
    // The chart gives the shape at a glance; the user can drag the table taller to read it.
    auto *splitter = new QSplitter(Qt::Vertical, page);
    splitter->addWidget(m_chartViews[tab]);
    splitter->addWidget(m_tables[tab]);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    // Three parts chart to two parts table from the first show on, whatever the table holds.
    splitter->setSizes({300, 200});
    splitter->setChildrenCollapsible(false);
    layout->addWidget(splitter);
    return page;
}

void ReportsScreen::fillAccountCombo()
{
    m_accountCombo->clear();
    m_accountCombo->addItem(tr("All Accounts"), QString());
    for (const Account &account : m_services.accountRepository->all())
        m_accountCombo->addItem(account.name, account.id);
}

void ReportsScreen::refresh()
{
    const bool wasSuppressed = m_suppress;
    m_suppress = true;
    fillAccountCombo();
    // Presets follow the calendar: a window left open overnight moves with the date.
    if (m_periodCombo->currentIndex() != m_periodCombo->count() - 1)
        onDatePresetChanged(m_periodCombo->currentIndex());
    if (m_compareCombo->currentIndex() != m_compareCombo->count() - 1)
        onComparePresetChanged(m_compareCombo->currentIndex());
    m_suppress = wasSuppressed;
    runReport();
}

void ReportsScreen::onDataChanged()
{
    if (!isVisible())
        return;
    const bool wasSuppressed = m_suppress;
    m_suppress = true;
    fillAccountCombo();
    m_suppress = wasSuppressed;
    runReport();
}

void ReportsScreen::onDatePresetChanged(int index)
{
    const QList<PeriodPreset> presets = periodPresets(QDate::currentDate());
    if (index < 0 || index >= presets.size())
        return;
    const PeriodPreset &preset = presets[index];
    const bool custom = !preset.from.isValid();
    m_fromEdit->setVisible(custom);
    m_toEdit->setVisible(custom);
    m_rangeLabel->setVisible(!custom);
    if (!custom) {
        const bool wasSuppressed = m_suppress;
        m_suppress = true;
        m_fromEdit->setDate(preset.from);
        m_toEdit->setDate(preset.to);
        m_suppress = wasSuppressed;
        m_rangeLabel->setText(QStringLiteral("%1 – %2").arg(shortDate(preset.from), shortDate(preset.to)));
    }
    if (m_suppress)
        return;
    // Stepping through the closed list (arrow keys, letters, wheel) passes every preset on the
    // way: the reports run once the choice has settled, not for each step. A choice from the open
    // list, or one made by the program, runs them at once.
    if (m_periodStepping)
        m_periodSettle->start();
    else
        runReport();
}

bool ReportsScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_periodCombo && !m_periodStepping &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::Wheel)) {
        // Whatever index change the closed list makes for this event is a step. The list handles
        // the event here, inside the flag; one it ignores still goes on to the window.
        m_periodStepping = true;
        static_cast<QObject *>(m_periodCombo)->event(event);
        m_periodStepping = false;
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void ReportsScreen::onComparePresetChanged(int index)
{
    const QList<ComparePeriods> presets = comparePresets(QDate::currentDate());
    const bool custom = index >= presets.size();
    const bool wasSuppressed = m_suppress;
    m_suppress = true;
    if (!custom && index >= 0) {
        const ComparePeriods &periods = presets[index];
        m_p1FromEdit->setDate(periods.from1);
        m_p1ToEdit->setDate(periods.to1);
        m_p2FromEdit->setDate(periods.from2);
        m_p2ToEdit->setDate(periods.to2);
    }
    m_suppress = wasSuppressed;
    m_customCompare->setVisible(custom);
    m_compareLabel->setVisible(!custom);
    updateCompareLabel();
    if (!m_suppress)
        runReport();
}

void ReportsScreen::updateCompareLabel()
{
    m_compareLabel->setText(tr("P1: %1 – %2    P2: %3 – %4")
                                .arg(shortDate(m_p1FromEdit->date()), shortDate(m_p1ToEdit->date()),
                                     shortDate(m_p2FromEdit->date()), shortDate(m_p2ToEdit->date())));
}

void ReportsScreen::onFilterChanged()
{
    if (!m_suppress)
        runReport();
}

void ReportsScreen::runReport()
{
    m_periodSettle->stop();
    updateCompareLabel();
    // Only the tab in view is computed now; the others when they are shown or read, so that a
    // change of period over years of data costs one report, not eight.
    for (bool &dirty : m_dirty)
        dirty = true;
    const int current = m_tabs->currentIndex();
    if (current >= 0 && current < TabCount)
        ensureFilled(Tab(current));
    emit reportsUpdated();
}

void ReportsScreen::stepTab(int delta)
{
    const int count = m_tabs->count();
    m_tabs->setCurrentIndex((m_tabs->currentIndex() + delta + count) % count);
}

void ReportsScreen::onTabChanged(int index)
{
    if (index >= 0 && index < TabCount)
        ensureFilled(Tab(index));
}

void ReportsScreen::ensureFilled(Tab tab)
{
    if (!m_dirty[tab])
        return;
    m_dirty[tab] = false;
    const ReportService *reports = m_services.reportService;
    const QString accountId = m_accountCombo->currentData().toString();
    const QDate from = m_fromEdit->date();
    const QDate to = m_toEdit->date();
    QTableWidget *table = widgetTable(tab);

    switch (tab) {
    case CategorySpendingTab:
        m_categorySpending = reports->categorySpending(from, to, accountId);
        table->setRowCount(int(m_categorySpending.size()));
        for (int row = 0; row < m_categorySpending.size(); ++row)
            setRow(table, row,
                   {textItem(m_categorySpending[row].name), amountItem(m_categorySpending[row].total)});
        break;
    case PayeeSummaryTab: {
        const QList<PayeeTotal> payees = reports->payeeSummary(from, to, accountId);
        table->setRowCount(int(payees.size()));
        for (int row = 0; row < payees.size(); ++row)
            setRow(
                table, row,
                {textItem(payees[row].payee), amountItem(payees[row].total), numberItem(payees[row].count)});
        break;
    }
    case TaxReportTab: {
        const QList<TaxLine> taxLines = reports->taxReport(from, to);
        table->setRowCount(int(taxLines.size()));
        for (int row = 0; row < taxLines.size(); ++row) {
            // The tax line by its name; the stored key stays at hand in the tooltip.
            QTableWidgetItem *taxItem = textItem(taxCategoryName(taxLines[row].taxCategory));
            taxItem->setToolTip(taxLines[row].taxCategory);
            setRow(table, row,
                   {textItem(taxLines[row].categoryName), taxItem, amountItem(taxLines[row].total)});
        }
        break;
    }
    case IncomeVsExpensesTab:
        m_incomeVsExpenses = reports->incomeVsExpenses(from, to, accountId);
        fillMonthlyFlows(table, m_incomeVsExpenses);
        break;
    case CashFlowTab:
        m_cashFlow = reports->cashFlow(from, to, accountId);
        fillMonthlyFlows(table, m_cashFlow);
        break;
    case YearOverYearTab:
        m_yearOverYear = reports->yearOverYear(m_p1FromEdit->date(), m_p1ToEdit->date(), m_p2FromEdit->date(),
                                               m_p2ToEdit->date(), accountId);
        table->setRowCount(int(m_yearOverYear.size()));
        for (int row = 0; row < m_yearOverYear.size(); ++row) {
            const YearOverYearRow &line = m_yearOverYear[row];
            setRow(table, row,
                   {textItem(line.category), amountItem(line.period1), amountItem(line.period2),
                    amountItem(line.change)});
        }
        break;
    case AccountSummaryTab:
        m_accountSummary = reports->accountSummary();
        table->setRowCount(int(m_accountSummary.size()));
        for (int row = 0; row < m_accountSummary.size(); ++row) {
            const AccountSummaryRow &line = m_accountSummary[row];
            setRow(table, row,
                   {textItem(line.name), textItem(accountTypeText(line.accountType)),
                    amountItem(line.clearedBalance), amountItem(line.unclearedTotal),
                    amountItem(line.balance)});
        }
        break;
    case TransactionsTab:
        m_transactionModel->load(reports->transactionList(from, to, accountId));
        m_fitters[TransactionsTab]->setExtraSamples(TransactionListModel::AmountColumn,
                                                    m_transactionModel->widestAmountTexts());
        break;
    case TabCount:
        break;
    }
    // An empty table must not read as "nothing happened" when the report could not be computed.
    const QString error = reports->lastError();
    m_errorLabel->setText(error.isEmpty() ? QString()
                                          : tr("This report could not be computed: %1").arg(error));
    m_errorLabel->setVisible(!error.isEmpty());
    if (table)
        colourNegatives(table);
    // Refilled cells of the same number of rows tell the fitter nothing; the bold Total row counts.
    m_fitters[tab]->fit();
    rebuildChart(tab);
}

void ReportsScreen::rebuildChart(Tab tab)
{
    if (!m_chartViews[tab])
        return;
    QChart *chart = nullptr;
    switch (tab) {
    case CategorySpendingTab:
        chart = ReportCharts::categorySpendingChart(m_categorySpending);
        break;
    case IncomeVsExpensesTab:
        chart = ReportCharts::monthlyFlowChart(m_incomeVsExpenses, tr("Income"), tr("Expenses"),
                                               m_fromEdit->date(), m_toEdit->date());
        break;
    case CashFlowTab:
        chart = ReportCharts::monthlyFlowChart(m_cashFlow, tr("Inflows"), tr("Outflows"), m_fromEdit->date(),
                                               m_toEdit->date());
        break;
    case YearOverYearTab:
        chart = ReportCharts::yearOverYearChart(m_yearOverYear);
        break;
    case AccountSummaryTab:
        chart = ReportCharts::accountSummaryChart(m_accountSummary);
        break;
    default:
        return;
    }
    // setChart hands the previous chart back to the caller.
    const std::unique_ptr<QChart> previous(m_chartViews[tab]->chart());
    m_chartViews[tab]->setChart(chart);
}

void ReportsScreen::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if ((event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange) &&
        !m_rebuildingCharts) {
        m_rebuildingCharts = true;
        for (int tab = 0; tab < TabCount; ++tab) {
            if (QTableWidget *widget = widgetTable(Tab(tab)))
                colourNegatives(widget);
            if (!m_dirty[tab])
                rebuildChart(Tab(tab));
        }
        m_rebuildingCharts = false;
    }
}

QTableWidget *ReportsScreen::widgetTable(Tab tab) const
{
    return qobject_cast<QTableWidget *>(m_tables[tab]);
}

QChartView *ReportsScreen::chartView(Tab tab)
{
    ensureFilled(tab);
    return m_chartViews[tab];
}

int ReportsScreen::rowCount(Tab tab)
{
    ensureFilled(tab);
    return m_tables[tab]->model()->rowCount();
}

QString ReportsScreen::cellText(Tab tab, int row, int column)
{
    ensureFilled(tab);
    const QAbstractItemModel *model = m_tables[tab]->model();
    return model->index(row, column).data(Qt::DisplayRole).toString();
}

bool ReportsScreen::exportTab(Tab tab, const QString &filePath)
{
    ensureFilled(tab);
    const QAbstractItemModel *model = m_tables[tab]->model();
    if (model->rowCount() == 0)
        return false;
    QStringList headers;
    for (int column = 0; column < model->columnCount(); ++column)
        headers.append(model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString());
    QList<QStringList> rows;
    rows.reserve(model->rowCount());
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells.append(cellText(tab, row, column));
        rows.append(cells);
    }
    QFile file(filePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    return file.write(ReportService::toCsv(headers, rows).toUtf8()) >= 0;
}

void ReportsScreen::exportCurrentTab()
{
    const auto tab = Tab(m_tabs->currentIndex());
    if (tab < 0 || tab >= TabCount || rowCount(tab) == 0)
        return;
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export CSV"), m_folders.pathFor(QStringLiteral("reportExport"), defaultExportFileName(tab)),
        tr("CSV Files (*.csv)"));
    if (path.isEmpty())
        return;
    m_folders.remember(QStringLiteral("reportExport"), path);
    exportTab(tab, path);
}
