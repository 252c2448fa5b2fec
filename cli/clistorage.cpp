#include "clistorage.h"

#include "data/database.h"

CliStorage::CliStorage(Database *database)
    : accounts(database)
    , transactions(database)
    , categories(database)
    , recurring(database)
    , reconciliations(database)
    , accountService(database, &accounts, &transactions, &recurring, &reconciliations)
    , transactionService(database, &transactions, &accounts, &categories)
    , categoryService(&categories)
    , payeeService(database, &transactions)
    , reconciliationService(database, &accounts, &transactions, &reconciliations)
    , recurringService(&recurring, &transactions, &accounts)
{
    if (!database->isReadOnly())
        categoryService.ensureDefaults();
}

std::optional<Account> CliStorage::liveAccount(const QString &id) const
{
    std::optional<Account> account = accounts.findById(id);
    if (!account || account->deletedAt)
        return std::nullopt;
    return account;
}

std::optional<Transaction> CliStorage::liveTransaction(const QString &id) const
{
    std::optional<Transaction> transaction = transactions.findById(id);
    if (!transaction || transaction->deletedAt)
        return std::nullopt;
    return transaction;
}

std::optional<Category> CliStorage::liveCategory(const QString &nameOrId) const
{
    if (std::optional<Category> byName = categories.findByName(nameOrId))
        return byName;
    std::optional<Category> byId = categories.findById(nameOrId);
    if (!byId || byId->deletedAt)
        return std::nullopt;
    return byId;
}
