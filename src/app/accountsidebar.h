#pragma once

#include "data/money.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <optional>

class AccountListWidget;
class AccountRepository;
class QLabel;
class QListWidgetItem;
class QShortcut;
class QTimer;
class TransactionRepository;
struct Account;

// The main window's left panel: one row per account with its balance, the total under them, and
// the Alt+digit shortcuts to the first ten. It follows the account and transaction repositories
// itself; choosing an account is left to whoever listens to accountActivated.
class AccountSidebar : public QWidget
{
    Q_OBJECT

public:
    static constexpr int accountShortcutCount = 10;
    // Narrow enough for a small or scaled screen; account names elide before balances do.
    static constexpr int minimumSidebarWidth = 160;

    AccountSidebar(AccountRepository *accounts, TransactionRepository *transactions,
                   QWidget *parent = nullptr);

    // The sidebar's width beside the register in a window `windowWidth` wide.
    static int preferredWidth(int windowWidth);

    // Alt+1 ... Alt+9, Alt+0 on `window`, so that they work wherever the keyboard is in it.
    void installAccountShortcuts(QWidget *window);
    // The account ids reachable through Alt+1 ... Alt+9, Alt+0, in that order.
    QStringList shortcutAccountIds() const { return m_shortcutAccountIds; }
    // The account ids in list order.
    QStringList accountIds() const;
    QString totalText() const;
    // `position` is in the list's viewport; empty where no account row is.
    QString accountIdAt(const QPoint &position) const;
    QPoint listPositionToGlobal(const QPoint &position) const;

    // Remembers the current account, whose row is made current now and after every rebuild.
    void setCurrentAccount(const QString &accountId);
    // Rebuilds with every balance read afresh, for writes that announce nothing (sample data).
    void reload();
    // Rebuilds with the balances known so far.
    void rebuild();
    // A rebuild still waiting for the event loop runs now.
    void rebuildIfPending();
    // Every row as wide as the list's viewport.
    void fitRowsToWidth();

signals:
    void accountActivated(const QString &accountId);
    // `position` is in the list's viewport, for accountIdAt and listPositionToGlobal.
    void contextMenuRequested(const QPoint &position);
    void accountsListed(int count);

private:
    // `balance` is empty when it does not fit the amount range.
    QWidget *buildAccountRow(const Account &account, std::optional<Money> balance);
    void onItemClicked(QListWidgetItem *item);
    void onSelectionChanged();
    void onTransactionsChanged(const QString &accountId);
    void onAccountRowsChanged();
    void onRowsReordered();
    void updateAccountShortcuts();

    AccountRepository *m_accounts;
    TransactionRepository *m_transactions;
    AccountListWidget *m_list = nullptr;
    QLabel *m_totalLabel = nullptr;
    QTimer *m_rebuildTimer = nullptr;
    QString m_currentAccountId;
    // Balances of the listed accounts, minor units; an entry goes when its account's rows change.
    QHash<QString, std::optional<Money>> m_balances;
    QList<QShortcut *> m_accountShortcuts;
    QStringList m_shortcutAccountIds;
};
