// Register edits without end, for the kill check: each round, in one transaction as the register
// saves them, enters a transfer (both legs, each naming the other), changes the amount and memo of
// an earlier leg together with its partner, and deletes an older pair. Killed at any moment, the
// database must hold only whole pairs.
//   zimbrel-editloop DATA_DIR FROM_ACCOUNT_ID TO_ACCOUNT_ID
#include "data/database.h"
#include "data/datadirectory.h"
#include "data/datetext.h"
#include "data/identifiers.h"
#include "data/sqltransaction.h"
#include "data/transactionrepository.h"

#include <QCoreApplication>
#include <QRandomGenerator>

#include <cstdio>

namespace {

Transaction leg(const QString &accountId, const QString &otherAccountId, Money amount, int round)
{
    Transaction transaction;
    transaction.id = newId();
    transaction.accountId = accountId;
    transaction.transferDestAccountId = otherAccountId;
    transaction.date = QDate(2026, 1, 1).addDays(round % 365);
    transaction.payee = QStringLiteral("Edit %1").arg(round);
    transaction.memo = QStringLiteral("round %1").arg(round);
    transaction.amount = amount;
    transaction.createdAt = transaction.updatedAt = currentTimestamp();
    return transaction;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: zimbrel-editloop DATA_DIR FROM_ACCOUNT_ID TO_ACCOUNT_ID\n");
        return 2;
    }
    Database database;
    if (!database.open(databasePath(arguments.at(1))) || !database.runMigrations())
        return 1;
    TransactionRepository transactions(&database);
    const QString from = arguments.at(2);
    const QString to = arguments.at(3);
    QList<std::pair<Transaction, Transaction>> pairs;
    for (int round = 0;; ++round) {
        SqlTransaction guard(database.connection());
        Transaction out = leg(from, to, -(round + 1) * 100, round);
        Transaction in = leg(to, from, (round + 1) * 100, round);
        out.transferLinkId = in.id;
        in.transferLinkId = out.id;
        bool saved = guard.isActive() && transactions.insert(out) && transactions.insert(in);
        if (saved && !pairs.isEmpty()) {
            auto &[earlierOut, earlierIn] =
                pairs[int(QRandomGenerator::global()->bounded(qsizetype(pairs.size())))];
            earlierOut.amount -= 1;
            earlierIn.amount += 1;
            earlierOut.memo = earlierIn.memo = QStringLiteral("changed in round %1").arg(round);
            earlierOut.updatedAt = earlierIn.updatedAt = currentTimestamp();
            saved = transactions.update(earlierOut) && transactions.update(earlierIn);
        }
        if (saved && pairs.size() > 20) {
            const auto [oldOut, oldIn] = pairs.takeFirst();
            saved = transactions.softDelete(oldOut.id) && transactions.softDelete(oldIn.id);
        }
        if (!saved || !guard.commit())
            return 1;
        pairs.append({out, in});
        std::printf("%d\n", round);
        std::fflush(stdout);
    }
}
