#include "commands.h"

#include "clirecords.h"
#include "clistorage.h"
#include "jsonarraywriter.h"

#include "data/database.h"
#include "data/identifiers.h"

#include <QJsonArray>
#include <QJsonObject>

#include <optional>

namespace {

void appendRegisterRow(JsonArrayWriter &writer, const RegisterRow &row, bool withRunningBalance)
{
    writeRegisterRow(writer.beginObject(), row.transaction, row.categoryName,
                     withRunningBalance ? std::optional<Money>(row.runningBalance) : std::nullopt);
    writer.endObject();
}

int accounts(CliContext &context, const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return context.usageError(QStringLiteral("accounts takes no arguments"));
    Database *database = context.databaseForReading();
    if (!database)
        return 1;
    CliStorage storage(database);
    QJsonArray array;
    for (const Account &account : storage.accounts.all()) {
        bool ok = false;
        const Money balance = storage.transactions.balance(account.id, &ok);
        if (!ok)
            return context.fail(
                QStringLiteral("the balance of account %1 cannot be computed").arg(account.id));
        array.append(accountJson(account, balance));
    }
    context.printJson(array);
    return 0;
}

int accountAdd(CliContext &context, const QStringList &arguments)
{
    const CliArguments parsed(arguments, {QStringLiteral("--type"), QStringLiteral("--currency"),
                                          QStringLiteral("--starting-balance"), QStringLiteral("--as-of")});
    if (!parsed.isValid())
        return context.usageError(parsed.error());
    if (parsed.positionals().size() != 1 || parsed.positionals().first().trimmed().isEmpty())
        return context.usageError(QStringLiteral("account-add needs exactly one non-empty NAME"));

    Account account;
    account.name = parsed.positionals().first().trimmed();
    if (parsed.has(QStringLiteral("--type"))) {
        const std::optional<AccountType> type =
            enumFromText<AccountType>(parsed.value(QStringLiteral("--type")), accountTypeToString,
                                      {AccountType::Checking, AccountType::Savings, AccountType::CreditCard,
                                       AccountType::Cash, AccountType::Investment, AccountType::Other});
        if (!type) {
            return context.usageError(
                QStringLiteral("unknown account type %1 (checking, savings, credit_card, cash, "
                               "investment, other)")
                    .arg(parsed.value(QStringLiteral("--type"))));
        }
        account.type = *type;
    }
    if (parsed.has(QStringLiteral("--currency"))) {
        const std::optional<Currency> currency = enumFromText<Currency>(
            parsed.value(QStringLiteral("--currency")), currencyCode,
            {Currency::USD, Currency::EUR, Currency::GBP, Currency::CAD, Currency::AUD, Currency::JPY});
        if (!currency) {
            return context.usageError(QStringLiteral("unknown currency %1 (USD, EUR, GBP, CAD, AUD, JPY)")
                                          .arg(parsed.value(QStringLiteral("--currency"))));
        }
        account.currency = *currency;
    }
    if (parsed.has(QStringLiteral("--starting-balance"))) {
        const QString text = parsed.value(QStringLiteral("--starting-balance"));
        const std::optional<Money> balance = readAmount(text, account.currency);
        if (!balance)
            return context.usageError(QStringLiteral("malformed amount %1").arg(text));
        account.startingBalance = *balance;
    }
    // The app's account form dates the opening balance today unless told otherwise.
    QDate asOf = QDate::currentDate();
    if (parsed.has(QStringLiteral("--as-of"))) {
        asOf = parseDate(parsed.value(QStringLiteral("--as-of")));
        if (!asOf.isValid()) {
            return context.usageError(QStringLiteral("malformed date %1 (expected yyyy-MM-dd)")
                                          .arg(parsed.value(QStringLiteral("--as-of"))));
        }
    }

    Database *database = context.database();
    if (!database)
        return 1;
    CliStorage storage(database);
    const std::optional<Account> stored = storage.accountService.createAccount(account, asOf);
    if (!stored)
        return context.fail(QStringLiteral("could not store the account"));
    context.printJson(accountJson(*stored, storage.transactions.balance(stored->id)));
    return 0;
}

int transactionAdd(CliContext &context, const QStringList &arguments)
{
    const CliArguments parsed(arguments, {QStringLiteral("--date"), QStringLiteral("--payee"),
                                          QStringLiteral("--amount"), QStringLiteral("--memo"),
                                          QStringLiteral("--category")});
    if (!parsed.isValid())
        return context.usageError(parsed.error());
    if (parsed.positionals().size() != 1)
        return context.usageError(QStringLiteral("tx-add needs exactly one ACCOUNT_ID"));
    for (const QString &required :
         {QStringLiteral("--date"), QStringLiteral("--payee"), QStringLiteral("--amount")}) {
        if (!parsed.has(required))
            return context.usageError(QStringLiteral("tx-add needs %1").arg(required));
    }
    const QDate date = parseDate(parsed.value(QStringLiteral("--date")));
    if (!date.isValid()) {
        return context.usageError(QStringLiteral("malformed date %1 (expected yyyy-MM-dd)")
                                      .arg(parsed.value(QStringLiteral("--date"))));
    }

    Database *database = context.database();
    if (!database)
        return 1;
    CliStorage storage(database);
    const QString accountId = parsed.positionals().first();
    const std::optional<Account> account = storage.liveAccount(accountId);
    if (!account)
        return context.usageError(QStringLiteral("unknown account %1").arg(accountId));
    const QString amountText = parsed.value(QStringLiteral("--amount"));
    const std::optional<Money> amount = readAmount(amountText, account->currency);
    if (!amount)
        return context.usageError(QStringLiteral("malformed amount %1").arg(amountText));

    TransactionEntry entry;
    Transaction &transaction = entry.transaction;
    if (parsed.has(QStringLiteral("--category"))) {
        const QString name = parsed.value(QStringLiteral("--category"));
        const std::optional<Category> category = storage.categories.findByName(name);
        if (!category)
            return context.usageError(QStringLiteral("unknown category %1").arg(name));
        transaction.categoryId = category->id;
    }
    transaction.id = newId();
    transaction.accountId = account->id;
    transaction.date = date;
    transaction.payee = parsed.value(QStringLiteral("--payee"));
    transaction.memo = parsed.value(QStringLiteral("--memo"));
    transaction.amount = *amount;
    if (storage.transactionService.create(entry) != TransactionService::Outcome::Saved)
        return context.fail(QStringLiteral("could not store the transaction"));
    const std::optional<Transaction> stored = storage.transactions.findById(transaction.id);
    if (!stored)
        return context.fail(QStringLiteral("could not read the stored transaction back"));
    context.printJson(transactionJson(*stored));
    return 0;
}

int registerCommand(CliContext &context, const QStringList &arguments)
{
    if (arguments.size() != 1)
        return context.usageError(QStringLiteral("register needs exactly one ACCOUNT_ID"));
    Database *database = context.databaseForReading();
    if (!database)
        return 1;
    CliStorage storage(database);
    if (!storage.liveAccount(arguments.first()))
        return context.usageError(QStringLiteral("unknown account %1").arg(arguments.first()));
    // Printed as read: a large account costs one row's memory, not the whole register's.
    JsonArrayWriter writer;
    const bool complete =
        storage.transactions.forEachRegisterRow(arguments.first(), [&writer](const RegisterRow &row) {
            appendRegisterRow(writer, row, true);
            return true;
        });
    if (!complete) {
        writer.abandon();
        return context.fail(
            QStringLiteral("the register of account %1 could not be read whole (see the log); the "
                           "output is cut off")
                .arg(arguments.first()));
    }
    writer.finish();
    return 0;
}

int search(CliContext &context, const QStringList &arguments)
{
    const CliArguments parsed(arguments, {QStringLiteral("--account"), QStringLiteral("--category"),
                                          QStringLiteral("--from"), QStringLiteral("--to"),
                                          QStringLiteral("--cleared")});
    if (!parsed.isValid())
        return context.usageError(parsed.error());
    if (parsed.positionals().size() > 1)
        return context.usageError(QStringLiteral("search takes at most one QUERY (quote it)"));

    TransactionSearchFilter filter;
    filter.accountId = parsed.value(QStringLiteral("--account"));
    filter.categoryId = parsed.value(QStringLiteral("--category"));
    for (const auto &[option, target] : {std::pair{QStringLiteral("--from"), &filter.fromDate},
                                         std::pair{QStringLiteral("--to"), &filter.toDate}}) {
        if (!parsed.has(option))
            continue;
        *target = parseDate(parsed.value(option));
        if (!target->isValid())
            return context.usageError(
                QStringLiteral("malformed date %1 (expected yyyy-MM-dd)").arg(parsed.value(option)));
    }
    if (parsed.has(QStringLiteral("--cleared"))) {
        const QString cleared = parsed.value(QStringLiteral("--cleared"));
        if (cleared != QLatin1String("true") && cleared != QLatin1String("false"))
            return context.usageError(QStringLiteral("--cleared takes true or false"));
        filter.cleared = cleared == QLatin1String("true");
    }

    Database *database = context.databaseForReading();
    if (!database)
        return 1;
    CliStorage storage(database);
    if (!filter.accountId.isEmpty() && !storage.liveAccount(filter.accountId))
        return context.usageError(QStringLiteral("unknown account %1").arg(filter.accountId));
    const QString query = parsed.positionals().value(0).trimmed();
    if (const QString error = storage.transactions.searchSyntaxError(query); !error.isEmpty())
        return context.usageError(QStringLiteral("search syntax error in %1: %2").arg(query, error));
    JsonArrayWriter writer;
    for (const RegisterRow &row : storage.transactions.search(query, filter))
        appendRegisterRow(writer, row, false);
    return 0;
}

int categories(CliContext &context, const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return context.usageError(QStringLiteral("categories takes no arguments"));
    Database *database = context.databaseForReading();
    if (!database)
        return 1;
    CliStorage storage(database);
    QJsonArray array;
    for (const Category &category : storage.categories.all())
        array.append(categoryJson(category));
    context.printJson(array);
    return 0;
}

int recurringProcess(CliContext &context, const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return context.usageError(QStringLiteral("recurring-process takes no arguments"));
    Database *database = context.database();
    if (!database)
        return 1;
    CliStorage storage(database);
    context.printJson(QJsonObject{{QStringLiteral("posted"), storage.recurringService.processDue()}});
    return 0;
}

} // namespace

QList<CliCommand> storageCommands()
{
    return {
        {QStringLiteral("accounts"), QString(),
         QStringLiteral("List the accounts with their current balance"), accounts},
        {QStringLiteral("account-add"),
         QStringLiteral("NAME [--type T] [--currency C] [--starting-balance AMOUNT [--as-of yyyy-MM-dd]]"),
         QStringLiteral(
             "Create an account; AMOUNT is a decimal in the currency's unit, e.g. 1250.00, stored as an "
             "\"Opening Balance\" transaction dated --as-of (today by default)"),
         accountAdd},
        {QStringLiteral("tx-add"),
         QStringLiteral(
             "ACCOUNT_ID --date yyyy-MM-dd --payee P --amount AMOUNT [--memo M] [--category NAME]"),
         QStringLiteral("Add a transaction; a negative AMOUNT is a payment"), transactionAdd},
        {QStringLiteral("register"), QStringLiteral("ACCOUNT_ID"),
         QStringLiteral("Print an account's register, oldest first, with running balances"), registerCommand},
        {QStringLiteral("search"),
         QStringLiteral("[QUERY] [--account ID] [--category ID] [--from D] [--to D] [--cleared true|false]"),
         QStringLiteral("Full-text search over payee, memo and check number (newest 200)"), search},
        {QStringLiteral("categories"), QString(), QStringLiteral("List the live categories by name"),
         categories},
        {QStringLiteral("recurring-process"), QString(),
         QStringLiteral("Post every due auto-post recurring transaction and print how many"),
         recurringProcess},
    };
}
