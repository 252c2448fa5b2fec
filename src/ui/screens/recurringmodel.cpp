#include "recurringmodel.h"

#include "data/account.h"
#include "data/accountrepository.h"
#include "data/money.h"
#include "ui/widgets/registerstyle.h"
#include "ui/widgets/thememanager.h"

#include <QColor>
#include <QLocale>

RecurringModel::RecurringModel(AccountRepository *accounts, QObject *parent)
    : QAbstractTableModel(parent)
    , m_accounts(accounts)
{}

int RecurringModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

int RecurringModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

bool RecurringModel::isDue(const RecurringTransaction &item, const QDate &today)
{
    return item.isActive && item.nextDueDate.isValid() && item.nextDueDate <= today;
}

QString RecurringModel::frequencyText(Frequency frequency)
{
    switch (frequency) {
    case Frequency::Daily:
        return tr("Daily");
    case Frequency::Weekly:
        return tr("Weekly");
    case Frequency::Biweekly:
        return tr("Bi-weekly");
    case Frequency::Monthly:
        return tr("Monthly");
    case Frequency::Quarterly:
        return tr("Quarterly");
    case Frequency::SemiAnnual:
        return tr("Semi-annual");
    case Frequency::Annual:
        return tr("Annual");
    }
    return {};
}

QString RecurringModel::accountName(const QString &accountId) const
{
    if (accountId.isEmpty())
        return {};
    if (!m_accountNamesLoaded) {
        for (const Account &account : m_accounts->all())
            m_accountNames.insert(account.id, account.name);
        m_accountNamesLoaded = true;
    }
    return m_accountNames.value(accountId);
}

QVariant RecurringModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_items.size())
        return {};
    const RecurringTransaction &item = m_items[index.row()];
    if (role == Qt::DisplayRole) {
        switch (index.column()) {
        case AccountColumn:
            return accountName(item.accountId);
        case PayeeColumn:
            return item.payee;
        case AmountColumn:
            return formatMoney(item.amount, Currency::USD);
        case FrequencyColumn:
            return frequencyText(item.frequency);
        case NextDueColumn:
            return QLocale::system().toString(item.nextDueDate, QLocale::ShortFormat);
        case AutoColumn:
            return item.autoPost ? tr("Yes") : tr("No");
        case StatusColumn:
            return item.isActive ? tr("Active") : tr("Inactive");
        default:
            return {};
        }
    }
    if (role == Qt::TextAlignmentRole && index.column() == AmountColumn)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ForegroundRole) {
        if (index.column() == AmountColumn && item.amount < 0)
            return negativeColor();
        if (index.column() == StatusColumn && !item.isActive)
            return ThemeManager::color(ThemeColor::Inactive);
        if (index.column() == NextDueColumn && isDue(item))
            return incomeTextColor();
    }
    return {};
}

QVariant RecurringModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case AccountColumn:
        return tr("Account");
    case PayeeColumn:
        return tr("Payee");
    case AmountColumn:
        return tr("Amount");
    case FrequencyColumn:
        return tr("Frequency");
    case NextDueColumn:
        return tr("Next Due");
    case AutoColumn:
        return tr("Auto");
    case StatusColumn:
        return tr("Status");
    default:
        return {};
    }
}

void RecurringModel::load(const QList<RecurringTransaction> &items)
{
    beginResetModel();
    m_items = items;
    m_accountNames.clear();
    m_accountNamesLoaded = false;
    endResetModel();
}

const RecurringTransaction *RecurringModel::item(int row) const
{
    return row >= 0 && row < m_items.size() ? &m_items[row] : nullptr;
}
