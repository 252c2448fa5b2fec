#include "searchscreen.h"

#include "data/account.h"
#include "data/accountrepository.h"
#include "data/category.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "data/transactionsearchfilter.h"
#include "searchresultsmodel.h"
#include "services/searchquery.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

SearchScreen::SearchScreen(const ScreenServices &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
    , m_queryEdit(new QLineEdit(this))
    , m_syntaxErrorLabel(new QLabel(this))
    , m_accountCombo(new QComboBox(this))
    , m_categoryCombo(new QComboBox(this))
    , m_dateRangeCheck(new QCheckBox(tr("Date range:"), this))
    , m_fromEdit(new QDateEdit(this))
    , m_toEdit(new QDateEdit(this))
    , m_clearedCheck(new QCheckBox(tr("Cleared only"), this))
    , m_model(new SearchResultsModel(this))
    , m_view(new QTableView(this))
    , m_countLabel(new QLabel(this))
    , m_debounce(new QTimer(this))
{
    m_queryEdit->setObjectName(QStringLiteral("queryEdit"));
    m_accountCombo->setObjectName(QStringLiteral("accountCombo"));
    m_categoryCombo->setObjectName(QStringLiteral("categoryCombo"));
    m_dateRangeCheck->setObjectName(QStringLiteral("dateRangeCheck"));
    m_fromEdit->setObjectName(QStringLiteral("fromEdit"));
    m_toEdit->setObjectName(QStringLiteral("toEdit"));
    m_clearedCheck->setObjectName(QStringLiteral("clearedCheck"));
    m_view->setObjectName(QStringLiteral("resultsView"));
    m_countLabel->setObjectName(QStringLiteral("resultCountLabel"));

    m_queryEdit->setPlaceholderText(tr("Search payee, memo, check number..."));
    m_queryEdit->setClearButtonEnabled(true);
    m_syntaxErrorLabel->setObjectName(QStringLiteral("syntaxErrorLabel"));
    m_syntaxErrorLabel->setForegroundRole(QPalette::PlaceholderText);
    m_syntaxErrorLabel->hide();

    // Long names must not make the window wider than its default.
    for (QComboBox *combo : {m_accountCombo, m_categoryCombo}) {
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumContentsLength(5);
    }
    for (QDateEdit *edit : {m_fromEdit, m_toEdit}) {
        edit->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
        edit->setCalendarPopup(true);
        edit->setEnabled(false);
    }
    m_fromEdit->setDate(QDate::currentDate().addMonths(-1));
    m_toEdit->setDate(QDate::currentDate());

    auto *filters = new QHBoxLayout;
    auto *accountLabel = new QLabel(tr("Account:"), this);
    accountLabel->setBuddy(m_accountCombo);
    filters->addWidget(accountLabel);
    filters->addWidget(m_accountCombo, 1);
    auto *categoryLabel = new QLabel(tr("Category:"), this);
    categoryLabel->setBuddy(m_categoryCombo);
    filters->addWidget(categoryLabel);
    filters->addWidget(m_categoryCombo, 1);
    filters->addWidget(m_dateRangeCheck);
    filters->addWidget(m_fromEdit);
    filters->addWidget(new QLabel(tr("to"), this));
    filters->addWidget(m_toEdit);
    filters->addWidget(m_clearedCheck);

    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setAlternatingRowColors(true);
    m_view->verticalHeader()->setVisible(false);
    m_view->setWordWrap(false);
    // Payee and category take what the narrow columns leave; left at their default widths, the
    // dates and amounts would squeeze them to a few letters in the default window.
    QHeaderView *columns = m_view->horizontalHeader();
    const struct
    {
        int column;
        int width;
    } widths[] = {{SearchResultsModel::DateColumn, 92},        {SearchResultsModel::AccountColumn, 110},
                  {SearchResultsModel::CheckNumberColumn, 52}, {SearchResultsModel::MemoColumn, 130},
                  {SearchResultsModel::PaymentColumn, 88},     {SearchResultsModel::DepositColumn, 88},
                  {SearchResultsModel::ClearedColumn, 36}};
    for (const auto &entry : widths)
        columns->resizeSection(entry.column, entry.width);
    columns->setSectionResizeMode(SearchResultsModel::PayeeColumn, QHeaderView::Stretch);
    columns->setSectionResizeMode(SearchResultsModel::CategoryColumn, QHeaderView::Stretch);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_queryEdit);
    layout->addWidget(m_syntaxErrorLabel);
    layout->addLayout(filters);
    layout->addWidget(m_view, 1);
    layout->addWidget(m_countLabel);

    m_debounce->setSingleShot(true);
    m_debounce->setInterval(300);
    connect(m_debounce, &QTimer::timeout, this, &SearchScreen::performSearch);
    connect(m_queryEdit, &QLineEdit::textChanged, m_debounce, qOverload<>(&QTimer::start));
    // Enter does not wait for the debounce; a search already due is not run twice.
    connect(m_queryEdit, &QLineEdit::returnPressed, this, &SearchScreen::performSearch);
    const auto filterChanged = [this] {
        if (!m_refilling)
            performSearch();
    };
    connect(m_accountCombo, &QComboBox::currentIndexChanged, this, filterChanged);
    connect(m_categoryCombo, &QComboBox::currentIndexChanged, this, filterChanged);
    connect(m_dateRangeCheck, &QCheckBox::toggled, m_fromEdit, &QWidget::setEnabled);
    connect(m_dateRangeCheck, &QCheckBox::toggled, m_toEdit, &QWidget::setEnabled);
    connect(m_dateRangeCheck, &QCheckBox::toggled, this, &SearchScreen::performSearch);
    connect(m_clearedCheck, &QCheckBox::toggled, this, &SearchScreen::performSearch);
    connect(m_fromEdit, &QDateEdit::dateChanged, this, &SearchScreen::onDateChanged);
    connect(m_toEdit, &QDateEdit::dateChanged, this, &SearchScreen::onDateChanged);
    connect(m_view, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        const RegisterRow *row = m_model->resultRow(index.row());
        if (row && !row->transaction.id.isEmpty())
            emit editTransactionRequested(row->transaction.id);
    });

    refresh();
}

SearchScreen::~SearchScreen() = default;

void SearchScreen::refresh()
{
    // Refilling is not a change of the user's choice: the selection is put back by id and no
    // search runs for the intermediate states.
    m_refilling = true;
    const QString accountId = m_accountCombo->currentData().toString();
    const QString categoryId = m_categoryCombo->currentData().toString();
    m_accountCombo->clear();
    m_accountCombo->addItem(tr("All Accounts"), QString());
    for (const Account &account : m_services.accountRepository->all())
        m_accountCombo->addItem(account.name, account.id);
    m_categoryCombo->clear();
    m_categoryCombo->addItem(tr("All Categories"), QString());
    for (const Category &category : m_services.categoryRepository->all())
        m_categoryCombo->addItem(category.name, category.id);
    m_accountCombo->setCurrentIndex(qMax(0, m_accountCombo->findData(accountId)));
    m_categoryCombo->setCurrentIndex(qMax(0, m_categoryCombo->findData(categoryId)));
    m_refilling = false;
}

void SearchScreen::focusQuery()
{
    m_queryEdit->setFocus();
    m_queryEdit->selectAll();
}

void SearchScreen::onDateChanged()
{
    if (m_dateRangeCheck->isChecked())
        performSearch();
}

void SearchScreen::performSearch()
{
    m_debounce->stop();
    TransactionSearchFilter filter;
    filter.accountId = m_accountCombo->currentData().toString();
    filter.categoryId = m_categoryCombo->currentData().toString();
    if (m_dateRangeCheck->isChecked()) {
        filter.fromDate = m_fromEdit->date();
        filter.toDate = m_toEdit->date();
    }
    if (m_clearedCheck->isChecked())
        filter.cleared = true;
    const QString query = searchAsYouTypeQuery(m_queryEdit->text());
    TransactionRepository *transactions = m_services.transactionRepository;
    // A query the full-text syntax cannot read finds nothing; saying why beats an empty list.
    const QString syntaxError = transactions->searchSyntaxError(query);
    m_syntaxErrorLabel->setText(tr("Search syntax error: %1").arg(syntaxError));
    m_syntaxErrorLabel->setVisible(!syntaxError.isEmpty());
    QList<RegisterRow> rows = transactions->search(query, filter);
    const int found = int(rows.size());
    // Counting every match costs a second query, so it is only run when the list was cut.
    const int total =
        found == TransactionRepository::searchLimit ? transactions->searchCount(query, filter) : found;
    m_countLabel->setText(total > found ? tr("%1 newest of %2").arg(found).arg(QLocale().toString(total))
                                        : tr("%n transaction(s)", nullptr, found));
    m_model->load(std::move(rows), m_services.accountRepository->all());
    emit searchFinished(found);
}

QString SearchScreen::resultCountText() const
{
    return m_countLabel->text();
}
