#include "clistorage.h"

CliStorage::CliStorage(Database *database)
    : core(database)
    , accounts(*core.accountRepository())
    , transactions(*core.transactionRepository())
    , categories(*core.categoryRepository())
    , recurring(*core.recurringRepository())
    , reconciliations(*core.reconciliationRepository())
    , accountService(*core.accountService())
    , transactionService(*core.transactionService())
    , categoryService(*core.categoryService())
    , payeeService(*core.payeeService())
    , reconciliationService(*core.reconciliationService())
    , recurringService(*core.recurringService())
{}

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
