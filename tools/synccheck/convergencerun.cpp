#include "convergencerun.h"

#include "syncdevice.h"

#include "browsersession.h"
#include "cloudhttp.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/transactionrepository.h"
#include "services/accountservice.h"
#include "services/categoryservice.h"
#include "services/reconciliationservice.h"
#include "services/recurringservice.h"
#include "services/transactionservice.h"

#include "data/database.h"
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QSqlQuery>
#include <QUrlQuery>

#include <memory>
#include <random>

namespace {

class Dice
{
public:
    explicit Dice(quint64 seed)
        : m_engine(seed)
    {}
    int below(int bound)
    {
        return bound <= 1 ? 0 : int(std::uniform_int_distribution<int>(0, bound - 1)(m_engine));
    }
    bool chance(double probability)
    {
        return std::uniform_real_distribution<double>(0, 1)(m_engine) < probability;
    }
    template<typename T> const T &pick(const QList<T> &list) { return list.at(below(int(list.size()))); }

private:
    std::mt19937_64 m_engine;
};

const QStringList payees{QStringLiteral("Grocer"),   QStringLiteral("Landlord"), QStringLiteral("Cafe"),
                         QStringLiteral("Employer"), QStringLiteral("Utility"),  QStringLiteral("Bookshop")};

QList<Account> liveAccounts(SyncDevice &device)
{
    return device.accounts()->all();
}

QList<Transaction> liveTransactions(SyncDevice &device)
{
    QList<Transaction> all;
    for (const Account &account : liveAccounts(device))
        all += device.transactions()->byAccount(account.id);
    return all;
}

// One random change on an open device; a line for the log, empty when nothing could be done.
QString change(SyncDevice &device, Dice &dice)
{
    const QList<Account> accounts = liveAccounts(device);
    const QList<Category> categories = device.categories()->all();
    const int kind = accounts.isEmpty() ? 0 : dice.below(12);
    const QDate date = QDate(2026, 1, 1).addDays(dice.below(170));
    const auto categoryId = [&]() -> QString {
        if (categories.isEmpty() || dice.chance(0.3))
            return {};
        return dice.pick(categories).id;
    };
    switch (kind) {
    case 0: {
        Account account;
        account.name = QStringLiteral("Account %1").arg(dice.below(1000));
        account.type = dice.chance(0.5) ? AccountType::Checking : AccountType::Savings;
        account.currency = Currency::USD;
        account.startingBalance = dice.chance(0.5) ? 0 : Money(dice.below(500000));
        const std::optional<Account> stored =
            device.accountService()->createAccount(account, QDate(2026, 1, 1));
        return stored ? QStringLiteral("add account %1").arg(stored->id) : QString();
    }
    case 1: {
        Account account = dice.pick(accounts);
        account.name = QStringLiteral("Renamed %1").arg(dice.below(1000));
        return device.accountService()->updateAccount(account) == AccountService::Outcome::Done
                   ? QStringLiteral("rename account %1").arg(account.id)
                   : QString();
    }
    case 2: {
        if (accounts.size() < 3)
            return {};
        const Account account = dice.pick(accounts);
        return device.accountService()->deleteAccount(account.id) == AccountService::Outcome::Done
                   ? QStringLiteral("delete account %1").arg(account.id)
                   : QString();
    }
    case 3:
    case 4: {
        TransactionEntry entry;
        entry.transaction.accountId = dice.pick(accounts).id;
        entry.transaction.date = date;
        entry.transaction.payee = dice.pick(payees);
        entry.transaction.amount = Money(dice.below(200000)) - 100000;
        entry.transaction.categoryId = categoryId();
        const bool stored = device.transactionService()->create(entry) == TransactionService::Outcome::Saved;
        return stored ? QStringLiteral("add transaction in %1").arg(entry.transaction.accountId) : QString();
    }
    case 5: {
        if (accounts.size() < 2)
            return {};
        TransactionEntry entry;
        const Account from = dice.pick(accounts);
        Account to = dice.pick(accounts);
        if (to.id == from.id)
            return {};
        entry.transaction.accountId = from.id;
        entry.transaction.date = date;
        entry.transaction.amount = -Money(dice.below(100000) + 1);
        entry.transferAccountId = to.id;
        const bool stored = device.transactionService()->create(entry) == TransactionService::Outcome::Saved;
        return stored ? QStringLiteral("transfer %1 -> %2").arg(from.id, to.id) : QString();
    }
    case 6:
    case 7: {
        const QList<Transaction> transactions = liveTransactions(device);
        if (transactions.isEmpty())
            return {};
        const Transaction transaction = dice.pick(transactions);
        if (transaction.reconciled)
            return {};
        TransactionEntry entry;
        entry.transaction = transaction;
        entry.transaction.payee = dice.pick(payees) + QStringLiteral(" (edited)");
        entry.transaction.amount = Money(dice.below(200000)) - 100000;
        entry.transaction.memo = QStringLiteral("memo %1").arg(dice.below(100));
        if (!transaction.transferLinkId.isEmpty())
            entry.transferAccountId = transaction.transferDestAccountId;
        const TransactionService::Outcome outcome = device.transactionService()->update(entry);
        return outcome == TransactionService::Outcome::Saved
                   ? QStringLiteral("edit transaction %1").arg(transaction.id)
                   : QString();
    }
    case 8: {
        const QList<Transaction> transactions = liveTransactions(device);
        if (transactions.isEmpty())
            return {};
        const Transaction transaction = dice.pick(transactions);
        return device.transactionService()->remove(transaction.id) == TransactionService::Outcome::Saved
                   ? QStringLiteral("delete transaction %1").arg(transaction.id)
                   : QString();
    }
    case 9: {
        const int what = dice.below(3);
        if (what == 0 || categories.isEmpty()) {
            const std::optional<Category> added = device.categoryService()->addCategory(
                QStringLiteral("Category %1").arg(dice.below(10000)), CategoryType::Expense, QString());
            return added ? QStringLiteral("add category %1").arg(added->id) : QString();
        }
        const Category category = dice.pick(categories);
        if (what == 1)
            return device.categoryService()->renameCategory(category.id,
                                                            QStringLiteral("Named %1").arg(dice.below(10000)))
                       ? QStringLiteral("rename category %1").arg(category.id)
                       : QString();
        return device.categoryService()->deleteCategory(category.id)
                   ? QStringLiteral("delete category %1").arg(category.id)
                   : QString();
    }
    case 10: {
        RecurringTransaction recurring;
        recurring.accountId = dice.pick(accounts).id;
        recurring.payee = dice.pick(payees);
        recurring.amount = -Money(dice.below(50000) + 1);
        recurring.frequency = Frequency::Monthly;
        recurring.startDate = QDate(2026, 1 + dice.below(6), 1 + dice.below(28));
        recurring.autoPost = true;
        if (!device.recurringService()->add(recurring))
            return {};
        const int posted = device.recurringService()->processDue();
        return QStringLiteral("add schedule, %1 posted").arg(posted);
    }
    default: {
        const Account account = dice.pick(accounts);
        const std::optional<Money> previous = device.reconciliationService()->previousBalance(account.id);
        if (!previous)
            return {};
        QStringList ids;
        Money balance = *previous;
        for (const Transaction &transaction : device.transactions()->unreconciled(account.id)) {
            if (dice.chance(0.5)) {
                ids.append(transaction.id);
                balance += transaction.amount;
            }
        }
        const ReconciliationService::Outcome outcome =
            device.reconciliationService()->finish(account.id, QDate(2026, 6, 30), balance, ids);
        return outcome == ReconciliationService::Outcome::Finished
                   ? QStringLiteral("reconcile %1 (%2 rows)").arg(account.id).arg(ids.size())
                   : QString();
    }
    }
}

// The user's live rows on the server, keyed like SyncDevice::liveRows.
bool serverRows(CloudHttp *http, const QString &token, QMap<QString, QJsonObject> *rows, QString *error)
{
    static const QList<QPair<QString, QString>> arrays{
        {QStringLiteral("accounts"), QStringLiteral("account")},
        {QStringLiteral("categories"), QStringLiteral("category")},
        {QStringLiteral("recurring_transactions"), QStringLiteral("recurring")},
        {QStringLiteral("transactions"), QStringLiteral("transaction")},
        {QStringLiteral("reconciliations"), QStringLiteral("reconciliation")}};
    QMap<QString, QJsonObject> all;
    QString since;
    for (int page = 0; page < 10000; ++page) {
        QUrlQuery query;
        if (!since.isEmpty())
            query.addQueryItem(QStringLiteral("since"), since);
        query.addQueryItem(QStringLiteral("limit"), QStringLiteral("200"));
        const HttpResult answer =
            http->get(QStringLiteral("/zimbrel/v1/sync/pull?") + query.toString(QUrl::FullyEncoded), token);
        if (answer.status != 200) {
            *error = QStringLiteral("the server's rows could not be read (HTTP %1)").arg(answer.status);
            return false;
        }
        for (const auto &[array, type] : arrays) {
            for (const QJsonValue &value : answer.json.value(array).toArray()) {
                QJsonObject record = value.toObject();
                const QString key =
                    type + QLatin1Char('/') + record.value(QStringLiteral("client_id")).toString();
                if (all.contains(key) && all.value(key).value(QStringLiteral("version")).toInt() >
                                             record.value(QStringLiteral("version")).toInt())
                    continue;
                all.insert(key, record);
            }
        }
        since = answer.json.value(QStringLiteral("server_time")).toString();
        if (!answer.json.value(QStringLiteral("has_more")).toBool())
            break;
    }
    for (auto it = all.cbegin(); it != all.cend(); ++it) {
        QJsonObject record = it.value();
        if (!record.value(QStringLiteral("deleted_at")).toString().isEmpty())
            continue;
        record.remove(QStringLiteral("id"));
        record.remove(QStringLiteral("server_id"));
        record.remove(QStringLiteral("deleted_at"));
        record.remove(QStringLiteral("created_at"));
        rows->insert(it.key(), record);
    }
    return true;
}

QString compact(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

// The first difference between a device's rows and the server's, or empty.
QString difference(const QString &device, const QMap<QString, QJsonObject> &local,
                   const QMap<QString, QJsonObject> &server)
{
    for (auto it = server.cbegin(); it != server.cend(); ++it) {
        if (!local.contains(it.key()))
            return QStringLiteral("%1 lacks %2: %3").arg(device, it.key(), compact(it.value()));
        if (local.value(it.key()) != it.value())
            return QStringLiteral("%1 differs on %2: local %3, server %4")
                .arg(device, it.key(), compact(local.value(it.key())), compact(it.value()));
    }
    for (auto it = local.cbegin(); it != local.cend(); ++it) {
        if (!server.contains(it.key()))
            return QStringLiteral("%1 has %2 the server has not: %3")
                .arg(device, it.key(), compact(it.value()));
    }
    return {};
}

} // namespace

ConvergenceReport runConvergence(const ConvergenceOptions &options)
{
    ConvergenceReport report;
    Dice dice(options.seed);
    std::vector<std::unique_ptr<SyncDevice>> devices;
    for (int index = 0; index < options.devices; ++index) {
        const QString name = QStringLiteral("device%1").arg(index + 1);
        auto device = std::make_unique<SyncDevice>(name, QDir(options.workDirectory).filePath(name));
        // Each device signs in on its own, as separate computers do: one session each.
        const SignInResult signIn = BrowserSession::signIn(options.quietHttp, options.email);
        if (signIn.status != 303 || signIn.accessToken.isEmpty()) {
            report.failure = QStringLiteral("%1 could not sign in (HTTP %2)").arg(name).arg(signIn.status);
            return report;
        }
        device->setTokens(signIn.accessToken, signIn.refreshToken);
        devices.push_back(std::move(device));
    }

    for (int step = 0; step < options.steps; ++step) {
        SyncDevice &device = *devices.at(dice.below(int(devices.size())));
        const bool syncs = dice.chance(0.3);
        if (!device.open(options.faultyService)) {
            report.failure = device.lastError();
            return report;
        }
        if (syncs) {
            const SyncDevice::SyncOutcome outcome = device.sync();
            ++report.syncs;
            if (!outcome.ok)
                ++report.failedSyncs;
            report.log.append(
                QStringLiteral("%1 sync: pushed %2, rejected %3, pulled %4%5")
                    .arg(device.name())
                    .arg(outcome.totals.pushed)
                    .arg(outcome.totals.rejected)
                    .arg(outcome.totals.pulled)
                    .arg(outcome.ok ? QString() : QStringLiteral(", failed: ") + outcome.error));
        } else {
            const QString line = change(device, dice);
            if (!line.isEmpty()) {
                ++report.changes;
                report.log.append(device.name() + QLatin1Char(' ') + line);
            }
        }
        device.close();
    }

    // Quiet rounds: every device syncs in turn until a whole round sends nothing.
    for (int round = 0; round < 12; ++round) {
        ++report.quietRounds;
        bool quiet = true;
        for (const auto &device : devices) {
            if (!device->open(options.quietService)) {
                report.failure = device->lastError();
                return report;
            }
            const SyncDevice::SyncOutcome outcome = device->sync();
            // A deletion pulled from the server is sent back by the next push: not quiet yet.
            const int pending = device->pendingTotal();
            device->close();
            if (!outcome.ok) {
                report.failure =
                    QStringLiteral("%1: a sync without faults failed: %2").arg(device->name(), outcome.error);
                return report;
            }
            if (outcome.totals.pushed + outcome.totals.rejected > 0 || pending != 0)
                quiet = false;
        }
        if (quiet)
            break;
    }

    QMap<QString, QJsonObject> server;
    if (!serverRows(options.quietHttp, devices.front()->accessToken(), &server, &report.failure))
        return report;
    report.serverRows = int(server.size());
    for (const auto &device : devices) {
        if (!device->open(options.quietService)) {
            report.failure = device->lastError();
            return report;
        }
        const int pending = device->pendingTotal();
        QStringList pendingRows;
        for (const char *table :
             {"accounts", "categories", "recurring_transactions", "transactions", "reconciliations"}) {
            QSqlQuery query(device->database()->connection());
            query.exec(
                QStringLiteral("SELECT id, version, deleted_at FROM %1 WHERE sync_status = 'pending' LIMIT 3")
                    .arg(QLatin1String(table)));
            while (query.next())
                pendingRows.append(
                    QStringLiteral("%1/%2 v%3%4")
                        .arg(QLatin1String(table), query.value(0).toString(), query.value(1).toString(),
                             query.value(2).isNull() ? QString() : QStringLiteral(" deleted")));
        }
        const QString differs = difference(device->name(), device->liveRows(), server);
        device->close();
        if (pending != 0) {
            report.failure = QStringLiteral("%1 still has %2 rows pending: %3")
                                 .arg(device->name())
                                 .arg(pending)
                                 .arg(pendingRows.join(QStringLiteral(", ")));
            return report;
        }
        if (!differs.isEmpty()) {
            report.failure = differs;
            return report;
        }
    }
    report.converged = true;
    return report;
}
