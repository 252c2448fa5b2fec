#include "accountsidebar.h"

#include "accountlistwidget.h"

#include "data/accountrepository.h"
#include "data/transactionrepository.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/widgets/registerstyle.h"
#include "ui/widgets/thememanager.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString accountListStyle()
{
    return QStringLiteral(
               "QListWidget {  background-color: %1;  border: none;  outline: none;  padding: 6px 0;  "
               "font-size: 10pt;}QListWidget::item {  color: %2;  padding: 7px 14px;  border: none;}"
               "QListWidget::item:hover {  background-color: %3;  color: %4;}"
               "QListWidget::item:selected {  background-color: %5;  color: %4;}"
               "QListWidget::item:disabled {  color: %6;  padding: 10px 14px 4px 14px;  "
               "background: transparent;}")
        .arg(ThemeManager::color(ThemeColor::SidebarBackground).name(),
             ThemeManager::color(ThemeColor::SidebarText).name(),
             ThemeManager::color(ThemeColor::SidebarHover).name(),
             ThemeManager::color(ThemeColor::SidebarSelectedText).name(),
             ThemeManager::color(ThemeColor::SidebarSelected).name(),
             ThemeManager::color(ThemeColor::SidebarHeading).name());
}

QString colorStyle(ThemeColor color)
{
    return QStringLiteral("color: %1;").arg(ThemeManager::color(color).name());
}

// The balance of a row in the sidebar: on the selected row in paler tints, which read on its
// teal where the usual green and red do not.
void styleBalanceLabel(QLabel *label, bool selected)
{
    const bool negative = label->property("negative").toBool();
    label->setStyleSheet(colorStyle(
        negative ? (selected ? ThemeColor::SidebarSelectedNegative : ThemeColor::SidebarNegative)
                 : (selected ? ThemeColor::SidebarSelectedPositive : ThemeColor::SidebarPositive)));
}

QChar accountGlyph(AccountType type)
{
    switch (type) {
    case AccountType::Checking:
        return QChar(0xE84F);
    case AccountType::Savings:
        return QChar(0xE2EB);
    case AccountType::CreditCard:
        return QChar(0xE870);
    case AccountType::Cash:
        return QChar(0xE57D);
    case AccountType::Investment:
        return QChar(0xE8E5);
    case AccountType::Other:
        break;
    }
    return QChar(0xE850);
}

QString accountTypeName(AccountType type)
{
    switch (type) {
    case AccountType::Checking:
        return AccountSidebar::tr("Checking");
    case AccountType::Savings:
        return AccountSidebar::tr("Savings");
    case AccountType::CreditCard:
        return AccountSidebar::tr("Credit Card");
    case AccountType::Cash:
        return AccountSidebar::tr("Cash");
    case AccountType::Investment:
        return AccountSidebar::tr("Investment");
    case AccountType::Other:
        break;
    }
    return AccountSidebar::tr("Other");
}

} // namespace

AccountSidebar::AccountSidebar(AccountRepository *accounts, TransactionRepository *transactions,
                               QWidget *parent)
    : QWidget(parent)
    , m_accounts(accounts)
    , m_transactions(transactions)
{
    setMinimumWidth(minimumSidebarWidth);
    setMaximumWidth(500);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_list = new AccountListWidget(this);
    m_list->setObjectName(QStringLiteral("accountList"));
    m_list->setMinimumWidth(minimumSidebarWidth);
    // The keyboard stays in the register; accounts are switched with Alt+digit.
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setStyleSheet(accountListStyle());
    connect(m_list, &QListWidget::itemClicked, this, &AccountSidebar::onItemClicked);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &AccountSidebar::onSelectionChanged);
    connect(m_list, &QWidget::customContextMenuRequested, this, &AccountSidebar::contextMenuRequested);
    connect(m_list, &AccountListWidget::rowsReordered, this, &AccountSidebar::onRowsReordered);
    layout->addWidget(m_list, 1);

    m_totalLabel = new QLabel(this);
    m_totalLabel->setObjectName(QStringLiteral("totalLabel"));
    QFont totalFont = m_totalLabel->font();
    totalFont.setWeight(QFont::Medium);
    m_totalLabel->setFont(totalFont);
    m_totalLabel->setAlignment(Qt::AlignCenter);
    m_totalLabel->setFixedHeight(32);
    m_totalLabel->setStyleSheet(
        QStringLiteral("background: %1; color: %2; border-top: 1px solid %3; padding: 4px;")
            .arg(ThemeManager::color(ThemeColor::SidebarTotalBackground).name(),
                 ThemeManager::color(ThemeColor::SidebarText).name(),
                 ThemeManager::color(ThemeColor::SidebarBackground).name()));
    layout->addWidget(m_totalLabel);

    // A burst of writes (a reconciliation, an import) rebuilds the list once, after the burst, and
    // never from inside the list's own drop handling.
    m_rebuildTimer = new QTimer(this);
    m_rebuildTimer->setSingleShot(true);
    m_rebuildTimer->setInterval(0);
    connect(m_rebuildTimer, &QTimer::timeout, this, &AccountSidebar::rebuild);
    connect(m_transactions, &TransactionRepository::transactionsChanged, this,
            &AccountSidebar::onTransactionsChanged);
    connect(m_accounts, &AccountRepository::accountsChanged, this, &AccountSidebar::onAccountRowsChanged);
}

int AccountSidebar::preferredWidth(int windowWidth)
{
    // 280 beside the register in a window of 1280 or more; a smaller window (a laptop, a scaled
    // display) gives the register the room its columns need.
    return std::clamp(windowWidth * 22 / 100, minimumSidebarWidth + 40, 280);
}

void AccountSidebar::installAccountShortcuts(QWidget *window)
{
    for (int i = 0; i < accountShortcutCount; ++i) {
        // Alt+1 ... Alt+9 for the first nine rows, Alt+0 for the tenth.
        auto *shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key(Qt::Key_0 + (i + 1) % 10)), window);
        shortcut->setEnabled(false);
        connect(shortcut, &QShortcut::activated, this, [this, i] {
            if (i < m_shortcutAccountIds.size())
                emit accountActivated(m_shortcutAccountIds.at(i));
        });
        m_accountShortcuts.append(shortcut);
    }
    updateAccountShortcuts();
}

QStringList AccountSidebar::accountIds() const
{
    return m_list->accountIds();
}

QString AccountSidebar::totalText() const
{
    return m_totalLabel->text();
}

QString AccountSidebar::accountIdAt(const QPoint &position) const
{
    const QListWidgetItem *item = m_list->itemAt(position);
    return item ? item->data(Qt::UserRole).toString() : QString();
}

QPoint AccountSidebar::listPositionToGlobal(const QPoint &position) const
{
    return m_list->viewport()->mapToGlobal(position);
}

void AccountSidebar::setCurrentAccount(const QString &accountId)
{
    m_currentAccountId = accountId;
    if (accountId.isEmpty())
        return;
    for (int row = 0; row < m_list->count(); ++row) {
        if (m_list->item(row)->data(Qt::UserRole).toString() == accountId) {
            m_list->setCurrentRow(row);
            break;
        }
    }
}

void AccountSidebar::reload()
{
    m_balances.clear();
    rebuild();
}

void AccountSidebar::rebuildIfPending()
{
    if (m_rebuildTimer->isActive())
        rebuild();
}

void AccountSidebar::rebuild()
{
    m_rebuildTimer->stop();
    m_list->clear();
    const QList<Account> accounts = m_accounts->all();
    std::optional<Money> total = 0;
    for (const Account &account : accounts) {
        auto cached = m_balances.constFind(account.id);
        if (cached == m_balances.cend()) {
            bool ok = false;
            const Money sum = m_transactions->balance(account.id, &ok);
            cached = m_balances.insert(account.id, ok ? std::optional<Money>(sum) : std::nullopt);
        }
        const std::optional<Money> balance = *cached;
        total = total && balance ? addAmounts(*total, *balance) : std::nullopt;
        auto *item = new QListWidgetItem(m_list);
        item->setData(Qt::UserRole, account.id);
        QWidget *row = buildAccountRow(account, balance);
        item->setSizeHint(m_list->rowSizeHint(row));
        m_list->setItemWidget(item, row);
    }
    emit accountsListed(int(accounts.size()));
    updateAccountShortcuts();
    m_totalLabel->setText(
        accounts.isEmpty()
            ? tr("No accounts")
            : tr("Total: %1").arg(total ? formatMoney(*total, Currency::USD) : tr("Out of range")));
    setCurrentAccount(m_currentAccountId);
}

void AccountSidebar::fitRowsToWidth()
{
    const int width = m_list->viewport()->width();
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem *item = m_list->item(row);
        item->setSizeHint(QSize(width, item->sizeHint().height()));
    }
}

QWidget *AccountSidebar::buildAccountRow(const Account &account, std::optional<Money> balance)
{
    auto *row = new QWidget;
    row->setAttribute(Qt::WA_TranslucentBackground);
    auto *layout = new QHBoxLayout(row);
    layout->setSpacing(8);
    layout->setContentsMargins(6, 8, 8, 8);

    auto *icon = new QLabel(QString(accountGlyph(account.type)), row);
    QFont glyphFont = iconFont();
    glyphFont.setPixelSize(22);
    icon->setFont(glyphFont);
    icon->setFixedSize(24, 24);
    icon->setAlignment(Qt::AlignCenter);
    icon->setStyleSheet(colorStyle(ThemeColor::SidebarIcon));
    layout->addWidget(icon);

    auto *block = new QVBoxLayout;
    block->setSpacing(3);
    auto *topLine = new QHBoxLayout;
    topLine->setSpacing(8);
    auto *name = new ElidedLabel(account.name, row);
    QFont nameFont = QApplication::font();
    nameFont.setWeight(QFont::Medium);
    name->setFont(nameFont);
    name->setStyleSheet(colorStyle(ThemeColor::SidebarSelectedText));
    name->setToolTip(account.name);
    topLine->addWidget(name, 1);

    // A balance past the amount range is shown as such, never as a wrapped or zero figure.
    auto *balanceLabel =
        new QLabel(balance ? formatMoney(*balance, account.currency) : tr("Out of range"), row);
    balanceLabel->setObjectName(QStringLiteral("balanceLabel"));
    balanceLabel->setFont(monospaceFont());
    balanceLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    balanceLabel->setProperty("negative", !balance || *balance < 0);
    styleBalanceLabel(balanceLabel, false);
    balanceLabel->setMinimumWidth(balanceLabel->fontMetrics().horizontalAdvance(balanceLabel->text()) + 4);
    topLine->addWidget(balanceLabel);
    block->addLayout(topLine);

    QString detail = account.institution.isEmpty() ? accountTypeName(account.type) : account.institution;
    if (!account.accountNumberLast4.isEmpty())
        detail += QStringLiteral("  ·  *%1").arg(account.accountNumberLast4);
    auto *second = new ElidedLabel(detail, row);
    second->setToolTip(detail);
    QFont secondFont = QApplication::font();
    secondFont.setPointSizeF(qMax<qreal>(7, QApplication::font().pointSizeF() - 2));
    second->setFont(secondFont);
    second->setStyleSheet(colorStyle(ThemeColor::SidebarText));
    block->addWidget(second);
    layout->addLayout(block, 1);
    return row;
}

void AccountSidebar::onItemClicked(QListWidgetItem *item)
{
    const QString id = item ? item->data(Qt::UserRole).toString() : QString();
    if (!id.isEmpty())
        emit accountActivated(id);
}

void AccountSidebar::onSelectionChanged()
{
    for (int row = 0; row < m_list->count(); ++row) {
        QListWidgetItem *item = m_list->item(row);
        if (QWidget *widget = m_list->itemWidget(item)) {
            if (auto *balance = widget->findChild<QLabel *>(QStringLiteral("balanceLabel")))
                styleBalanceLabel(balance, item->isSelected());
        }
    }
}

void AccountSidebar::onTransactionsChanged(const QString &accountId)
{
    // Only the changed account is summed again: on a large register that sum is the cost.
    if (accountId.isEmpty())
        m_balances.clear();
    else
        m_balances.remove(accountId);
    m_rebuildTimer->start();
}

void AccountSidebar::onAccountRowsChanged()
{
    // A starting balance may have changed.
    m_balances.clear();
    m_rebuildTimer->start();
}

void AccountSidebar::onRowsReordered()
{
    QList<QPair<QString, int>> entries;
    const QStringList ids = m_list->accountIds();
    for (int row = 0; row < ids.size(); ++row)
        entries.append({ids.at(row), row});
    m_accounts->updateSortOrders(entries);
}

void AccountSidebar::updateAccountShortcuts()
{
    m_shortcutAccountIds = m_list->accountIds().mid(0, accountShortcutCount);
    for (int i = 0; i < m_accountShortcuts.size(); ++i)
        m_accountShortcuts.at(i)->setEnabled(i < m_shortcutAccountIds.size());
}
