#pragma once

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "services/categoryservice.h"
#include "services/core.h"
#include "services/payeeservice.h"
#include "services/reconciliationservice.h"
#include "services/recurringservice.h"
#include "services/transactionservice.h"

#include <optional>

class Database;

// The repositories and services of one command run, on the context's database: the same Core the
// app writes through, with names that keep the commands short.
struct CliStorage
{
    explicit CliStorage(Database *database);

    // The account with `id` when it is live.
    std::optional<Account> liveAccount(const QString &id) const;
    // The live transaction with `id`.
    std::optional<Transaction> liveTransaction(const QString &id) const;
    // The live category named `nameOrId` (its exact name, or its id).
    std::optional<Category> liveCategory(const QString &nameOrId) const;

    Core core;
    AccountRepository &accounts;
    TransactionRepository &transactions;
    CategoryRepository &categories;
    RecurringRepository &recurring;
    ReconciliationRepository &reconciliations;
    AccountService &accountService;
    TransactionService &transactionService;
    CategoryService &categoryService;
    PayeeService &payeeService;
    ReconciliationService &reconciliationService;
    RecurringService &recurringService;
};
