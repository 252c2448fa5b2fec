#pragma once

#include <QDateTime>
#include <QObject>
#include <QStringList>

#include <functional>
#include <optional>

class Database;
class TransactionRepository;

// Renames and merges payees across every account, for the payee screen and the command line.
class PayeeService : public QObject
{
    Q_OBJECT

public:
    // `now` stamps updated times; the current UTC time by default.
    PayeeService(Database *database, TransactionRepository *transactions, QObject *parent = nullptr,
                 std::function<QDateTime()> now = {});

    // Gives every live transaction whose payee is one of `oldNames` the payee `newName` (merging is
    // renaming several into one), one version more each so that other devices take the change, in
    // one commit. The number of transactions changed; nothing when the database refused (then
    // nothing changed). A blank `newName` changes nothing.
    std::optional<int> renamePayees(const QStringList &oldNames, const QString &newName);

private:
    Database *m_database;
    TransactionRepository *m_transactions;
    std::function<QDateTime()> m_now;
};
