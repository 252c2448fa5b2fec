#include "reconciliationhistoryscreen.h"

#include "data/accountrepository.h"
#include "data/reconciliation.h"
#include "data/reconciliationrepository.h"
#include "ui/widgets/registerstyle.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column {
    StatementDateColumn,
    StatementBalanceColumn,
    ReconciledBalanceColumn,
    CompletedColumn,
    ColumnCount
};

} // namespace

ReconciliationHistoryScreen::ReconciliationHistoryScreen(const ScreenServices &services, QWidget *parent)
    : QWidget(parent)
    , m_services(services)
{
    auto *layout = new QVBoxLayout(this);

    m_header = new QLabel(tr("Reconciliation History"), this);
    m_header->setObjectName(QStringLiteral("headerLabel"));
    QFont headerFont = m_header->font();
    headerFont.setPointSizeF(QApplication::font().pointSizeF() + 8);
    headerFont.setWeight(QFont::DemiBold);
    m_header->setFont(headerFont);
    layout->addWidget(m_header);

    auto *subtitle = new QLabel(tr("Past reconciliations for this account."), this);
    subtitle->setStyleSheet(QStringLiteral("color: %1;").arg(secondaryTextColor().name()));
    layout->addWidget(subtitle);

    m_table = new QTableWidget(0, ColumnCount, this);
    m_table->setObjectName(QStringLiteral("historyTable"));
    m_table->setHorizontalHeaderLabels(
        {tr("Statement Date"), tr("Statement Balance"), tr("Reconciled Balance"), tr("Completed")});
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    m_table->verticalHeader()->hide();
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(StatementDateColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(StatementBalanceColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(ReconciledBalanceColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(CompletedColumn, QHeaderView::ResizeToContents);
    layout->addWidget(m_table, 1);

    m_emptyLabel = new QLabel(
        tr("No reconciliations yet. Reconcile your account from the register to see the history here."),
        this);
    m_emptyLabel->setObjectName(QStringLiteral("emptyLabel"));
    m_emptyLabel->setAlignment(Qt::AlignCenter);
    m_emptyLabel->setWordWrap(true);
    m_emptyLabel->setStyleSheet(QStringLiteral("color: %1; padding: 32px;").arg(secondaryTextColor().name()));
    layout->addWidget(m_emptyLabel, 1);
    m_table->hide();
}

void ReconciliationHistoryScreen::setAccount(const QString &accountId)
{
    m_accountId = accountId;
    reload();
}

void ReconciliationHistoryScreen::reload()
{
    const std::optional<Account> account = m_services.accountRepository->findById(m_accountId);
    const Currency currency = account ? account->currency : Currency::USD;
    if (account)
        m_header->setText(tr("Reconciliation History — %1").arg(account->name));

    const QList<Reconciliation> reconciliations = m_services.reconciliationRepository->byAccount(m_accountId);
    m_table->setRowCount(int(reconciliations.size()));
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (int row = 0; row < reconciliations.size(); ++row) {
        const Reconciliation &reconciliation = reconciliations.at(row);
        const auto addItem = [this, row](int column, const QString &text, Qt::Alignment alignment) {
            auto *item = new QTableWidgetItem(text);
            item->setTextAlignment(alignment | Qt::AlignVCenter);
            m_table->setItem(row, column, item);
            return item;
        };
        addItem(StatementDateColumn,
                english.toString(reconciliation.statementDate, QStringLiteral("MMM d, yyyy")), Qt::AlignLeft);
        const auto addMoney = [&](int column, Money amount) {
            QTableWidgetItem *item = addItem(column, formatMoney(amount, currency), Qt::AlignRight);
            if (amount < 0)
                item->setForeground(negativeColor());
        };
        addMoney(StatementBalanceColumn, reconciliation.statementBalance);
        addMoney(ReconciledBalanceColumn, reconciliation.reconciledBalance);
        addItem(
            CompletedColumn,
            english.toString(reconciliation.completedAt.toLocalTime(), QStringLiteral("MMM d, yyyy h:mm ap")),
            Qt::AlignLeft);
    }
    const bool empty = reconciliations.isEmpty();
    m_table->setVisible(!empty);
    m_emptyLabel->setVisible(empty);
}
