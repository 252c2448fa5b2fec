#pragma once

#include "data/account.h"
#include "data/category.h"
#include "data/database.h"
#include "data/datetext.h"
#include "data/identifiers.h"
#include "data/recurringtransaction.h"
#include "data/transaction.h"

#include <QSqlQuery>
#include <QTemporaryDir>

#include <memory>

// A freshly migrated database in its own temporary directory, plus record builders that fill in
// only what a test does not care about.
class TestDatabase
{
public:
    TestDatabase()
    {
        if (m_dir.isValid() && m_database.open(m_dir.filePath(QStringLiteral("zimbrel.db"))))
            m_ready = m_database.runMigrations();
    }

    bool isReady() const { return m_ready; }
    Database *database() { return &m_database; }
    QString path() const { return m_dir.filePath(QStringLiteral("zimbrel.db")); }

    // Runs one statement directly, for arranging rows the repositories would refuse to write.
    bool exec(const QString &sql)
    {
        QSqlQuery query(m_database.connection());
        return query.exec(sql);
    }

    QVariant scalar(const QString &sql)
    {
        QSqlQuery query(m_database.connection());
        if (!query.exec(sql) || !query.next())
            return {};
        return query.value(0);
    }

    static Account account(const QString &name, Money startingBalance = 0, Currency currency = Currency::USD)
    {
        Account account;
        account.id = newId();
        account.name = name;
        account.currency = currency;
        account.startingBalance = startingBalance;
        account.createdAt = account.updatedAt = currentTimestamp();
        return account;
    }

    // createdAt is given explicitly where the order of rows on one date matters.
    static Transaction transaction(const QString &accountId, const QDate &date, Money amount,
                                   const QString &payee = QStringLiteral("Payee"),
                                   const QDateTime &createdAt = currentTimestamp())
    {
        Transaction transaction;
        transaction.id = newId();
        transaction.accountId = accountId;
        transaction.date = date;
        transaction.amount = amount;
        transaction.payee = payee;
        transaction.createdAt = transaction.updatedAt = createdAt;
        return transaction;
    }

    static Category category(const QString &name, const QString &parentId = {})
    {
        Category category;
        category.id = newId();
        category.name = name;
        category.parentId = parentId;
        category.createdAt = category.updatedAt = currentTimestamp();
        return category;
    }

    static RecurringTransaction recurring(const QString &accountId, const QDate &nextDue, Money amount,
                                          Frequency frequency = Frequency::Monthly)
    {
        RecurringTransaction recurring;
        recurring.id = newId();
        recurring.accountId = accountId;
        recurring.payee = QStringLiteral("Rent");
        recurring.amount = amount;
        recurring.frequency = frequency;
        recurring.startDate = nextDue;
        recurring.nextDueDate = nextDue;
        recurring.createdAt = recurring.updatedAt = currentTimestamp();
        return recurring;
    }

    // Marks a stored row synced as an accepted push of it as it is now would; false unless it was.
    template<typename Repository>
    static bool markStoredSynced(Repository *repository, const QString &id, const QString &serverId)
    {
        const auto stored = repository->findById(id);
        bool marked = false;
        return stored && repository->markSynced(id, serverId, stored->version, stored->updatedAt, &marked) &&
               marked;
    }

private:
    QTemporaryDir m_dir;
    Database m_database;
    bool m_ready = false;
};
