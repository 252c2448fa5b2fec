#include "commands.h"

#include "clirecords.h"
#include "clistorage.h"

#include "data/database.h"
#include "data/datetext.h"
#include "data/identifiers.h"

#include <QJsonArray>
#include <QRegularExpression>

#include <optional>

// The register's changes from the command line: every command writes through the service the app
// uses, so a row changed here is the row the app would have stored.

namespace {

const QString dateHint = QStringLiteral("(expected yyyy-MM-dd)");

// What a command prints after a change, or the exit code when the change did not happen.
QString transactionOutcomeText(TransactionService::Outcome outcome)
{
    switch (outcome) {
    case TransactionService::Outcome::Saved:
        return {};
    case TransactionService::Outcome::NotFound:
        return QStringLiteral("the transaction is not stored");
    case TransactionService::Outcome::AccountNotFound:
        return QStringLiteral("an account of the transfer is not a live account");
    case TransactionService::Outcome::TransferToSameAccount:
        return QStringLiteral("a transfer needs two different accounts");
    case TransactionService::Outcome::CurrencyMismatch:
        return QStringLiteral("a transfer needs both accounts in one currency");
    case TransactionService::Outcome::TransferAccountChanged:
        return QStringLiteral("the transfer's other account cannot change");
    case TransactionService::Outcome::StorageFailed:
        return QStringLiteral("the database refused the change; nothing was written");
    }
    return {};
}

// The values a command was given, read strictly: the first problem becomes a usage error.
class ValueReader
{
public:
    ValueReader(CliContext &context, const CliArguments &arguments)
        : m_context(context)
        , m_arguments(arguments)
    {}

    bool failed() const { return m_exitCode != 0; }
    int exitCode() const { return m_exitCode; }

    std::optional<QDate> date(const QString &option)
    {
        if (!m_arguments.has(option) || failed())
            return std::nullopt;
        const QDate date = parseDate(m_arguments.value(option));
        if (!date.isValid())
            usage(QStringLiteral("malformed date %1 %2").arg(m_arguments.value(option), dateHint));
        return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
    }

    std::optional<Money> amount(const QString &option, Currency currency)
    {
        if (!m_arguments.has(option) || failed())
            return std::nullopt;
        const std::optional<Money> amount = readAmount(m_arguments.value(option), currency);
        if (!amount) {
            usage(
                QStringLiteral("malformed or out-of-range amount %1 (a decimal in %2, at most ten trillion)")
                    .arg(m_arguments.value(option), currencyCode(currency)));
        }
        return amount;
    }

    std::optional<QString> text(const QString &option, bool required = false)
    {
        if (failed())
            return std::nullopt;
        if (!m_arguments.has(option)) {
            if (required)
                usage(QStringLiteral("%1 is required").arg(option));
            return std::nullopt;
        }
        return m_arguments.value(option);
    }

    void usage(const QString &message)
    {
        if (!failed())
            m_exitCode = m_context.usageError(message);
    }

private:
    CliContext &m_context;
    const CliArguments &m_arguments;
    int m_exitCode = 0;
};

// Parses `arguments`, checks the number of positionals and opens the database for writing.
struct Command
{
    Command(CliContext &context, const QStringList &arguments, const QStringList &valueOptions,
            const QStringList &flags, qsizetype minPositionals, qsizetype maxPositionals,
            const QString &usage)
        : context(context)
        , parsed(arguments, valueOptions, flags)
    {
        if (!parsed.isValid()) {
            exitCode = context.usageError(parsed.error());
            return;
        }
        const qsizetype count = parsed.positionals().size();
        if (count < minPositionals || count > maxPositionals) {
            exitCode = context.usageError(usage);
            return;
        }
        database = context.database();
        if (!database) {
            exitCode = 1;
            return;
        }
        storage.emplace(database);
    }

    bool ready() const { return exitCode == 0; }
    QString positional(qsizetype index) const { return parsed.positionals().value(index); }
    // The live account the positional at `index` names; otherwise a usage error, its code kept.
    std::optional<Account> liveAccountAt(qsizetype index)
    {
        std::optional<Account> account = storage->liveAccount(positional(index));
        if (!account)
            exitCode = context.usageError(QStringLiteral("unknown account %1").arg(positional(index)));
        return account;
    }

    CliContext &context;
    CliArguments parsed;
    Database *database = nullptr;
    std::optional<CliStorage> storage;
    int exitCode = 0;
};

int printTransaction(Command &command, const QString &id)
{
    const std::optional<Transaction> stored = command.storage->transactions.findById(id);
    if (!stored)
        return command.context.fail(QStringLiteral("could not read the stored transaction back"));
    QJsonObject object = transactionJson(*stored);
    if (!stored->transferLinkId.isEmpty()) {
        if (const std::optional<Transaction> other =
                command.storage->transactions.findById(stored->transferLinkId))
            object.insert(QStringLiteral("other_leg"), transactionJson(*other));
    }
    command.context.printJson(object);
    return 0;
}

int printAccount(Command &command, const QString &id)
{
    const std::optional<Account> stored = command.storage->accounts.findById(id);
    if (!stored)
        return command.context.fail(QStringLiteral("could not read the stored account back"));
    bool ok = true;
    const Money balance = command.storage->transactions.balance(id, &ok);
    command.context.printJson(accountJson(*stored, ok ? balance : 0));
    return 0;
}

int transactionEdit(CliContext &context, const QStringList &arguments)
{
    Command command(context, arguments,
                    {QStringLiteral("--date"), QStringLiteral("--payee"), QStringLiteral("--amount"),
                     QStringLiteral("--memo"), QStringLiteral("--category"),
                     QStringLiteral("--check-number")},
                    {}, 1, 1, QStringLiteral("tx-edit needs exactly one transaction ID"));
    if (!command.ready())
        return command.exitCode;
    CliStorage &storage = *command.storage;
    const std::optional<Transaction> stored = storage.liveTransaction(command.positional(0));
    if (!stored)
        return context.usageError(QStringLiteral("unknown transaction %1").arg(command.positional(0)));
    const std::optional<Account> account = storage.liveAccount(stored->accountId);
    if (!account)
        return context.usageError(QStringLiteral("the transaction's account is deleted"));

    ValueReader values(context, command.parsed);
    TransactionEntry entry;
    entry.transaction = *stored;
    Transaction &edited = entry.transaction;
    edited.date = values.date(QStringLiteral("--date")).value_or(edited.date);
    edited.amount = values.amount(QStringLiteral("--amount"), account->currency).value_or(edited.amount);
    edited.payee = values.text(QStringLiteral("--payee")).value_or(edited.payee);
    edited.memo = values.text(QStringLiteral("--memo")).value_or(edited.memo);
    edited.checkNumber = values.text(QStringLiteral("--check-number")).value_or(edited.checkNumber);
    if (const std::optional<QString> name = values.text(QStringLiteral("--category"))) {
        if (name->isEmpty()) {
            edited.categoryId.clear();
        } else if (const std::optional<Category> category = storage.liveCategory(*name)) {
            edited.categoryId = category->id;
        } else {
            values.usage(QStringLiteral("unknown category %1").arg(*name));
        }
    }
    if (values.failed())
        return values.exitCode();
    if (edited.payee.trimmed().isEmpty())
        return context.usageError(QStringLiteral("the payee cannot be empty"));
    // A transfer leg keeps its link: the service moves the other leg's date and amount with it.
    const TransactionService::Outcome outcome = storage.transactionService.update(entry);
    if (outcome != TransactionService::Outcome::Saved)
        return context.fail(transactionOutcomeText(outcome));
    return printTransaction(command, stored->id);
}

int transactionDelete(CliContext &context, const QStringList &arguments)
{
    Command command(context, arguments, {}, {}, 1, 1,
                    QStringLiteral("tx-delete needs exactly one transaction ID"));
    if (!command.ready())
        return command.exitCode;
    const std::optional<Transaction> stored = command.storage->liveTransaction(command.positional(0));
    if (!stored)
        return context.usageError(QStringLiteral("unknown transaction %1").arg(command.positional(0)));
    const TransactionService::Outcome outcome = command.storage->transactionService.remove(stored->id);
    if (outcome != TransactionService::Outcome::Saved)
        return context.fail(transactionOutcomeText(outcome));
    QJsonArray deleted{stored->id};
    if (!stored->transferLinkId.isEmpty() && !command.storage->liveTransaction(stored->transferLinkId))
        deleted.append(stored->transferLinkId);
    context.printJson(QJsonObject{{QStringLiteral("deleted"), deleted}});
    return 0;
}

int transactionClear(CliContext &context, const QStringList &arguments)
{
    Command command(context, arguments, {}, {QStringLiteral("--reconciled"), QStringLiteral("--unclear")}, 1,
                    1, QStringLiteral("tx-clear needs exactly one transaction ID"));
    if (!command.ready())
        return command.exitCode;
    const bool reconciled = command.parsed.has(QStringLiteral("--reconciled"));
    const bool unclear = command.parsed.has(QStringLiteral("--unclear"));
    if (reconciled && unclear)
        return context.usageError(QStringLiteral("tx-clear takes --reconciled or --unclear, not both"));
    const std::optional<Transaction> stored = command.storage->liveTransaction(command.positional(0));
    if (!stored)
        return context.usageError(QStringLiteral("unknown transaction %1").arg(command.positional(0)));
    const TransactionService::Outcome outcome =
        command.storage->transactionService.setCleared(stored->id, !unclear, reconciled);
    if (outcome != TransactionService::Outcome::Saved)
        return context.fail(transactionOutcomeText(outcome));
    return printTransaction(command, stored->id);
}

int transfer(CliContext &context, const QStringList &arguments)
{
    Command command(context, arguments,
                    {QStringLiteral("--date"), QStringLiteral("--amount"), QStringLiteral("--memo")}, {}, 2,
                    2, QStringLiteral("transfer needs FROM_ID and TO_ID"));
    if (!command.ready())
        return command.exitCode;
    CliStorage &storage = *command.storage;
    const std::optional<Account> from = storage.liveAccount(command.positional(0));
    const std::optional<Account> to = storage.liveAccount(command.positional(1));
    if (!from || !to)
        return context.usageError(QStringLiteral("unknown account %1").arg(command.positional(from ? 1 : 0)));
    if (from->id == to->id)
        return context.usageError(QStringLiteral("a transfer needs two different accounts"));
    if (from->currency != to->currency)
        return context.usageError(QStringLiteral("a transfer needs both accounts in one currency"));
    ValueReader values(context, command.parsed);
    values.text(QStringLiteral("--date"), true);
    values.text(QStringLiteral("--amount"), true);
    const std::optional<QDate> date = values.date(QStringLiteral("--date"));
    const std::optional<Money> amount = values.amount(QStringLiteral("--amount"), from->currency);
    if (!values.failed() && *amount <= 0)
        values.usage(QStringLiteral("the amount moved must be positive"));
    if (values.failed())
        return values.exitCode();

    TransactionEntry entry;
    entry.transaction.id = newId();
    entry.transaction.accountId = from->id;
    entry.transaction.date = *date;
    entry.transaction.amount = -*amount;
    entry.transaction.memo = command.parsed.value(QStringLiteral("--memo"));
    entry.transferAccountId = to->id;
    const TransactionService::Outcome outcome = storage.transactionService.create(entry);
    if (outcome != TransactionService::Outcome::Saved)
        return context.fail(transactionOutcomeText(outcome));
    return printTransaction(command, entry.transaction.id);
}

int accountEdit(CliContext &context, const QStringList &arguments)
{
    Command command(context, arguments,
                    {QStringLiteral("--name"), QStringLiteral("--institution"), QStringLiteral("--last4"),
                     QStringLiteral("--type")},
                    {}, 1, 1, QStringLiteral("account-edit needs exactly one ACCOUNT_ID"));
    if (!command.ready())
        return command.exitCode;
    std::optional<Account> account = command.liveAccountAt(0);
    if (!account)
        return command.exitCode;
    ValueReader values(context, command.parsed);
    if (const std::optional<QString> name = values.text(QStringLiteral("--name"))) {
        if (name->trimmed().isEmpty())
            values.usage(QStringLiteral("the account name cannot be empty"));
        account->name = name->trimmed();
    }
    account->institution =
        values.text(QStringLiteral("--institution")).value_or(account->institution).trimmed();
    if (const std::optional<QString> last4 = values.text(QStringLiteral("--last4"))) {
        static const QRegularExpression digits(QStringLiteral("^\\d{0,4}$"));
        if (!digits.match(*last4).hasMatch())
            values.usage(QStringLiteral("--last4 takes up to four digits"));
        account->accountNumberLast4 = *last4;
    }
    if (const std::optional<QString> typeText = values.text(QStringLiteral("--type"))) {
        const std::optional<AccountType> type =
            enumFromText<AccountType>(*typeText, accountTypeToString,
                                      {AccountType::Checking, AccountType::Savings, AccountType::CreditCard,
                                       AccountType::Cash, AccountType::Investment, AccountType::Other});
        if (!type) {
            values.usage(
                QStringLiteral(
                    "unknown account type %1 (checking, savings, credit_card, cash, investment, other)")
                    .arg(*typeText));
        }
        account->type = type.value_or(account->type);
    }
    if (values.failed())
        return values.exitCode();
    if (command.storage->accountService.updateAccount(*account) != AccountService::Outcome::Done)
        return context.fail(QStringLiteral("the database refused the change; nothing was written"));
    return printAccount(command, account->id);
}

int accountDeleteOrRestore(CliContext &context, const QStringList &arguments, bool restore)
{
    const QString name = restore ? QStringLiteral("account-restore") : QStringLiteral("account-delete");
    Command command(context, arguments, {}, {}, 1, 1,
                    QStringLiteral("%1 needs exactly one ACCOUNT_ID").arg(name));
    if (!command.ready())
        return command.exitCode;
    const std::optional<Account> account = command.storage->accounts.findById(command.positional(0));
    if (!account || (!restore && account->deletedAt))
        return context.usageError(QStringLiteral("unknown account %1").arg(command.positional(0)));
    if (restore && !account->deletedAt)
        return context.usageError(QStringLiteral("account %1 is not deleted").arg(account->id));
    AccountService &service = command.storage->accountService;
    const AccountService::Outcome outcome =
        restore ? service.restoreAccount(account->id) : service.deleteAccount(account->id);
    if (outcome != AccountService::Outcome::Done)
        return context.fail(QStringLiteral("the database refused the change; nothing was written"));
    return printAccount(command, account->id);
}

int categoryAdd(CliContext &context, const QStringList &arguments)
{
    Command command(context, arguments, {QStringLiteral("--parent")}, {QStringLiteral("--income")}, 1, 1,
                    QStringLiteral("category-add needs exactly one NAME"));
    if (!command.ready())
        return command.exitCode;
    CliStorage &storage = *command.storage;
    const QString name = command.positional(0).trimmed();
    if (name.isEmpty())
        return context.usageError(QStringLiteral("the category name cannot be empty"));
    std::optional<Category> parent;
    if (command.parsed.has(QStringLiteral("--parent"))) {
        parent = storage.liveCategory(command.parsed.value(QStringLiteral("--parent")));
        if (!parent)
            return context.usageError(
                QStringLiteral("unknown category %1").arg(command.parsed.value(QStringLiteral("--parent"))));
        if (!parent->parentId.isEmpty())
            return context.usageError(
                QStringLiteral("categories have two levels: %1 is a subcategory").arg(parent->name));
    }
    // A subcategory is of its parent's kind unless told otherwise.
    const CategoryType type = command.parsed.has(QStringLiteral("--income")) ? CategoryType::Income
                              : parent                                       ? parent->type
                                                                             : CategoryType::Expense;
    const std::optional<Category> stored =
        storage.categoryService.addCategory(name, type, parent ? parent->id : QString());
    if (!stored)
        return context.fail(QStringLiteral("the database refused the category; nothing was written"));
    context.printJson(categoryJson(*stored));
    return 0;
}

int categoryRenameOrDelete(CliContext &context, const QStringList &arguments, bool rename)
{
    const QString usage = rename ? QStringLiteral("category-rename needs NAME and NEW_NAME")
                                 : QStringLiteral("category-delete needs exactly one NAME");
    Command command(context, arguments, {}, {}, rename ? 2 : 1, rename ? 2 : 1, usage);
    if (!command.ready())
        return command.exitCode;
    CliStorage &storage = *command.storage;
    const std::optional<Category> category = storage.liveCategory(command.positional(0));
    if (!category)
        return context.usageError(QStringLiteral("unknown category %1").arg(command.positional(0)));
    if (rename && command.positional(1).trimmed().isEmpty())
        return context.usageError(QStringLiteral("the category name cannot be empty"));
    const bool done = rename ? storage.categoryService.renameCategory(category->id, command.positional(1))
                             : storage.categoryService.deleteCategory(category->id);
    if (!done)
        return context.fail(QStringLiteral("the database refused the change; nothing was written"));
    context.printJson(categoryJson(storage.categories.findById(category->id).value_or(*category)));
    return 0;
}

int payeeRename(CliContext &context, const QStringList &arguments, bool merge)
{
    const QString usage = merge ? QStringLiteral("payee-merge needs one or more FROM payees and INTO")
                                : QStringLiteral("payee-rename needs OLD and NEW");
    Command command(context, arguments, {}, {}, 2, merge ? 100000 : 2, usage);
    if (!command.ready())
        return command.exitCode;
    QStringList from = command.parsed.positionals();
    const QString into = from.takeLast();
    if (into.trimmed().isEmpty())
        return context.usageError(QStringLiteral("the new payee cannot be empty"));
    const QStringList known = command.storage->transactions.payees();
    for (const QString &name : std::as_const(from)) {
        if (!known.contains(name))
            return context.usageError(QStringLiteral("unknown payee %1").arg(name));
    }
    const std::optional<int> changed = command.storage->payeeService.renamePayees(from, into);
    if (!changed)
        return context.fail(QStringLiteral("the database refused the change; nothing was written"));
    context.printJson(QJsonObject{{QStringLiteral("payee"), into}, {QStringLiteral("changed"), *changed}});
    return 0;
}

int recurringAdd(CliContext &context, const QStringList &arguments)
{
    Command command(context, arguments,
                    {QStringLiteral("--payee"), QStringLiteral("--amount"), QStringLiteral("--frequency"),
                     QStringLiteral("--start"), QStringLiteral("--end"), QStringLiteral("--memo"),
                     QStringLiteral("--category"), QStringLiteral("--transfer-to")},
                    {QStringLiteral("--auto-post")}, 1, 1,
                    QStringLiteral("recurring-add needs exactly one ACCOUNT_ID"));
    if (!command.ready())
        return command.exitCode;
    CliStorage &storage = *command.storage;
    const std::optional<Account> account = command.liveAccountAt(0);
    if (!account)
        return command.exitCode;
    ValueReader values(context, command.parsed);
    RecurringTransaction recurring;
    recurring.accountId = account->id;
    recurring.payee = values.text(QStringLiteral("--payee"), true).value_or(QString()).trimmed();
    values.text(QStringLiteral("--amount"), true);
    values.text(QStringLiteral("--start"), true);
    recurring.amount = values.amount(QStringLiteral("--amount"), account->currency).value_or(0);
    recurring.startDate = values.date(QStringLiteral("--start")).value_or(QDate());
    recurring.nextDueDate = recurring.startDate;
    if (const std::optional<QDate> end = values.date(QStringLiteral("--end")))
        recurring.endDate = *end;
    if (!values.failed() && recurring.endDate && *recurring.endDate < recurring.startDate)
        values.usage(QStringLiteral("--end comes before --start"));
    if (!values.failed() && recurring.payee.isEmpty())
        values.usage(QStringLiteral("the payee cannot be empty"));
    if (const std::optional<QString> text = values.text(QStringLiteral("--frequency"))) {
        const std::optional<Frequency> frequency = enumFromText<Frequency>(
            *text, frequencyToString,
            {Frequency::Daily, Frequency::Weekly, Frequency::Biweekly, Frequency::Monthly,
             Frequency::Quarterly, Frequency::SemiAnnual, Frequency::Annual});
        if (!frequency) {
            values.usage(QStringLiteral("unknown frequency %1 (daily, weekly, biweekly, monthly, quarterly, "
                                        "semi_annual, annual)")
                             .arg(*text));
        }
        recurring.frequency = frequency.value_or(recurring.frequency);
    }
    recurring.memo = values.text(QStringLiteral("--memo")).value_or(QString());
    if (const std::optional<QString> name = values.text(QStringLiteral("--category"))) {
        if (const std::optional<Category> category = storage.liveCategory(*name))
            recurring.categoryId = category->id;
        else
            values.usage(QStringLiteral("unknown category %1").arg(*name));
    }
    if (const std::optional<QString> to = values.text(QStringLiteral("--transfer-to"))) {
        const std::optional<Account> destination = storage.liveAccount(*to);
        if (!destination || destination->id == account->id || destination->currency != account->currency)
            values.usage(QStringLiteral("--transfer-to needs another live account in the same currency"));
        recurring.transferDestAccountId = *to;
    }
    recurring.autoPost = command.parsed.has(QStringLiteral("--auto-post"));
    if (values.failed())
        return values.exitCode();
    recurring.id = newId();
    if (!storage.recurringService.add(recurring))
        return context.fail(QStringLiteral("the database refused the schedule; nothing was written"));
    context.printJson(recurringJson(storage.recurring.findById(recurring.id).value_or(recurring)));
    return 0;
}

int recurringList(CliContext &context, const QStringList &arguments)
{
    if (!arguments.isEmpty())
        return context.usageError(QStringLiteral("recurring-list takes no arguments"));
    Database *database = context.databaseForReading();
    if (!database)
        return 1;
    CliStorage storage(database);
    QJsonArray array;
    for (const RecurringTransaction &recurring : storage.recurringService.all())
        array.append(recurringJson(recurring));
    context.printJson(array);
    return 0;
}

int recurringStep(CliContext &context, const QStringList &arguments, bool confirm)
{
    const QString name = confirm ? QStringLiteral("recurring-confirm") : QStringLiteral("recurring-skip");
    Command command(context, arguments, {}, {}, 1, 1,
                    QStringLiteral("%1 needs exactly one schedule ID").arg(name));
    if (!command.ready())
        return command.exitCode;
    CliStorage &storage = *command.storage;
    const std::optional<RecurringTransaction> recurring = storage.recurring.findById(command.positional(0));
    if (!recurring || recurring->deletedAt || !recurring->isActive)
        return context.usageError(
            QStringLiteral("unknown or inactive schedule %1").arg(command.positional(0)));
    const bool done = confirm ? storage.recurringService.confirm(recurring->id)
                              : storage.recurringService.skip(recurring->id);
    if (!done)
        return context.fail(QStringLiteral("%1 did not happen; see the log").arg(name));
    context.printJson(recurringJson(storage.recurring.findById(recurring->id).value_or(*recurring)));
    return 0;
}

int reconcile(CliContext &context, const QStringList &arguments)
{
    Command command(context, arguments,
                    {QStringLiteral("--statement-date"), QStringLiteral("--statement-balance"),
                     QStringLiteral("--clear")},
                    {}, 1, 100000, QStringLiteral("reconcile needs ACCOUNT_ID"));
    if (!command.ready())
        return command.exitCode;
    CliStorage &storage = *command.storage;
    const std::optional<Account> account = command.liveAccountAt(0);
    if (!account)
        return command.exitCode;
    ValueReader values(context, command.parsed);
    values.text(QStringLiteral("--statement-date"), true);
    values.text(QStringLiteral("--statement-balance"), true);
    const std::optional<QDate> date = values.date(QStringLiteral("--statement-date"));
    const std::optional<Money> balance =
        values.amount(QStringLiteral("--statement-balance"), account->currency);
    if (values.failed())
        return values.exitCode();
    // "--clear A B C" and "--clear A --clear B" both name the transactions cleared on the statement.
    const QStringList ids =
        command.parsed.values(QStringLiteral("--clear")) + command.parsed.positionals().mid(1);
    Money difference = 0;
    const ReconciliationService::Outcome outcome =
        storage.reconciliationService.finish(account->id, *date, *balance, ids, &difference);
    switch (outcome) {
    case ReconciliationService::Outcome::Finished:
        break;
    case ReconciliationService::Outcome::AccountNotFound:
        return context.usageError(QStringLiteral("unknown account %1").arg(account->id));
    case ReconciliationService::Outcome::TransactionNotFound:
        return context.usageError(
            QStringLiteral("every --clear ID must be an unreconciled transaction of account %1")
                .arg(account->id));
    case ReconciliationService::Outcome::NotBalanced:
        return context.fail(
            QStringLiteral("the statement does not balance: difference %1; nothing was written")
                .arg(formatAmount(difference, account->currency)));
    case ReconciliationService::Outcome::Overflow:
        return context.usageError(QStringLiteral("the balances do not fit the amount range"));
    case ReconciliationService::Outcome::StorageFailed:
        return context.fail(QStringLiteral("the database refused the reconciliation; nothing was written"));
    }
    const std::optional<Reconciliation> stored = storage.reconciliations.latestForAccount(account->id);
    context.printJson(QJsonObject{
        {QStringLiteral("account_id"), account->id},
        {QStringLiteral("statement_date"), dateToText(*date)},
        {QStringLiteral("statement_balance"), qint64(*balance)},
        {QStringLiteral("reconciliation_id"), stored ? QJsonValue(stored->id) : QJsonValue()},
        {QStringLiteral("reconciled"), QJsonArray::fromStringList(ids)},
    });
    return 0;
}

} // namespace

QList<CliCommand> editCommands()
{
    return {
        {QStringLiteral("tx-edit"),
         QStringLiteral(
             "ID [--date D] [--payee P] [--amount A] [--memo M] [--category NAME] [--check-number N]"),
         QStringLiteral("Change a transaction; a transfer's other leg follows its date and amount"),
         transactionEdit},
        {QStringLiteral("tx-delete"), QStringLiteral("ID"),
         QStringLiteral("Delete a transaction (both legs of a transfer)"), transactionDelete},
        {QStringLiteral("tx-clear"), QStringLiteral("ID [--reconciled | --unclear]"),
         QStringLiteral("Mark a transaction cleared, reconciled or not cleared"), transactionClear},
        {QStringLiteral("transfer"), QStringLiteral("FROM_ID TO_ID --date D --amount A [--memo M]"),
         QStringLiteral("Move a positive amount between two accounts: both legs, linked"), transfer},
        {QStringLiteral("account-edit"),
         QStringLiteral("ID [--name N] [--institution I] [--last4 DDDD] [--type T]"),
         QStringLiteral("Change an account"), accountEdit},
        {QStringLiteral("account-delete"), QStringLiteral("ID"),
         QStringLiteral("Delete an account with its transactions, schedules and reconciliations"),
         [](CliContext &context, const QStringList &arguments) {
             return accountDeleteOrRestore(context, arguments, false);
         }},
        {QStringLiteral("account-restore"), QStringLiteral("ID"),
         QStringLiteral("Bring back a deleted account and what its deletion took"),
         [](CliContext &context, const QStringList &arguments) {
             return accountDeleteOrRestore(context, arguments, true);
         }},
        {QStringLiteral("category-add"), QStringLiteral("NAME [--parent NAME] [--income]"),
         QStringLiteral("Add a category (an expense unless --income; a subcategory under --parent)"),
         categoryAdd},
        {QStringLiteral("category-rename"), QStringLiteral("NAME NEW_NAME"),
         QStringLiteral("Rename a category"),
         [](CliContext &context, const QStringList &arguments) {
             return categoryRenameOrDelete(context, arguments, true);
         }},
        {QStringLiteral("category-delete"), QStringLiteral("NAME"),
         QStringLiteral("Delete a category; its transactions read as uncategorized"),
         [](CliContext &context, const QStringList &arguments) {
             return categoryRenameOrDelete(context, arguments, false);
         }},
        {QStringLiteral("payee-rename"), QStringLiteral("OLD NEW"),
         QStringLiteral("Rename a payee in every account"),
         [](CliContext &context, const QStringList &arguments) {
             return payeeRename(context, arguments, false);
         }},
        {QStringLiteral("payee-merge"), QStringLiteral("FROM... INTO"),
         QStringLiteral("Merge payees into one"),
         [](CliContext &context, const QStringList &arguments) {
             return payeeRename(context, arguments, true);
         }},
        {QStringLiteral("recurring-add"),
         QStringLiteral("ACCOUNT_ID --payee P --amount A --start D [--frequency F] [--end D] [--memo M] "
                        "[--category NAME] [--transfer-to ACCOUNT_ID] [--auto-post]"),
         QStringLiteral("Add a recurring schedule (monthly unless --frequency)"), recurringAdd},
        {QStringLiteral("recurring-list"), QString(), QStringLiteral("List the recurring schedules"),
         recurringList},
        {QStringLiteral("recurring-skip"), QStringLiteral("ID"),
         QStringLiteral("Skip a schedule's next occurrence"),
         [](CliContext &context, const QStringList &arguments) {
             return recurringStep(context, arguments, false);
         }},
        {QStringLiteral("recurring-confirm"), QStringLiteral("ID"),
         QStringLiteral("Post a schedule's next occurrence now"),
         [](CliContext &context, const QStringList &arguments) {
             return recurringStep(context, arguments, true);
         }},
        {QStringLiteral("reconcile"),
         QStringLiteral("ACCOUNT_ID --statement-date D --statement-balance A --clear ID..."),
         QStringLiteral("Finish a statement as the reconciliation window does: refused unless it balances"),
         reconcile},
    };
}
