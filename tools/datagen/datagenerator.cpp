#include "datagenerator.h"

#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/datetext.h"
#include "data/identifiers.h"
#include "services/categoryservice.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <algorithm>
#include <array>

namespace {

struct PayeeKind
{
    const char *pattern;  // %1 = place word
    const char *category; // "Parent:Child" or top-level; never contains "/" (QIF reads it as a class)
    Money minimum;        // cents, magnitude
    Money maximum;
    bool income;
    int weight;
};

constexpr std::array<PayeeKind, 30> payeeKinds{{
    {"%1 Market", "Groceries", 1200, 18000, false, 14},
    {"%1 Grocery", "Groceries", 800, 15000, false, 12},
    {"%1 Foods Co-op", "Groceries", 1500, 9000, false, 5},
    {"%1 Cafe", "Dining & Restaurants", 450, 2800, false, 9},
    {"%1 Diner", "Dining & Restaurants", 1100, 6500, false, 6},
    {"%1 Pizza", "Dining & Restaurants", 1600, 4800, false, 5},
    {"%1 Fuel Stop", "Transportation", 2500, 8500, false, 8},
    {"%1 Transit Authority", "Transportation:Public Transit", 250, 12000, false, 3},
    {"%1 Auto Care", "Transportation:Maintenance", 4500, 90000, false, 1},
    {"%1 Power & Light", "Utilities:Electric", 4500, 28000, false, 2},
    {"%1 Water District", "Utilities:Water", 2500, 9000, false, 2},
    {"%1 Broadband", "Utilities:Internet", 4999, 8999, false, 2},
    {"%1 Wireless", "Utilities:Phone", 3500, 12000, false, 2},
    {"%1 Cinema", "Entertainment:Movies", 1200, 4500, false, 2},
    {"%1 Streaming", "Entertainment:Streaming", 799, 2299, false, 3},
    {"%1 Arena Tickets", "Entertainment:Events", 3500, 25000, false, 1},
    {"%1 Outfitters", "Shopping:Clothing", 2000, 22000, false, 3},
    {"%1 Electronics", "Shopping:Electronics", 1500, 150000, false, 2},
    {"%1 Home Goods", "Shopping:Household", 900, 20000, false, 4},
    {"%1 Pharmacy", "Medical Expenses", 500, 9000, false, 3},
    {"%1 Family Clinic", "Medical Expenses", 2500, 40000, false, 1},
    {"%1 Salon", "Personal Care", 2500, 12000, false, 2},
    {"%1 Pet Supply", "Pets", 1500, 11000, false, 2},
    {"%1 Magazine", "Subscriptions", 499, 2999, false, 1},
    {"%1 Gift Shop", "Gifts", 1500, 15000, false, 1},
    {"%1 Community Fund", "Charitable Donations", 2000, 50000, false, 1},
    {"%1 Insurance", "Insurance:Home", 6000, 30000, false, 1},
    {"%1 Bank Fee", "Fees & Charges:Bank Fees", 300, 3500, false, 1},
    {"%1 Industries Payroll", "Salary", 150000, 320000, true, 2},
    {"%1 Refund Center", "Refunds", 500, 25000, true, 1},
}};

constexpr std::array<const char *, 40> places{{
    "Maple",     "Cedar",     "Harbor",   "Summit",     "Riverside", "Oak",       "Pine",     "Lakeview",
    "Sunset",    "Northgate", "Golden",   "Blue Ridge", "Silver",    "Evergreen", "Meadow",   "Granite",
    "Willow",    "Prairie",   "Coastal",  "Highland",   "Redwood",   "Aspen",     "Birch",    "Union",
    "Liberty",   "Heritage",  "Pioneer",  "Valley",     "Orchard",   "Bayside",   "Crescent", "Fairview",
    "Hillcrest", "Juniper",   "Kingston", "Lincoln",    "Madison",   "Newport",   "Oxford",   "Park Avenue",
}};

constexpr std::array<const char *, 8> memos{{
    "Weekly shop",
    "Ref 4821",
    "Invoice 2201",
    "Monthly",
    "Birthday",
    "Reimbursable",
    "Card ending 4417",
    "Paid in full",
}};

struct AccountTemplate
{
    const char *name;
    const char *type;
    const char *qifType;
    Money startingBalance;
    int share; // relative share of ordinary transactions
};

constexpr std::array<AccountTemplate, 6> accountTemplates{{
    {"Everyday Checking", "checking", "Bank", 250000, 50},
    {"Rainy Day Savings", "savings", "Bank", 1500000, 6},
    {"Rewards Visa", "credit_card", "CCard", 0, 30},
    {"Wallet Cash", "cash", "Cash", 12000, 7},
    {"Joint Checking", "checking", "Bank", 80000, 12},
    {"Travel Card", "credit_card", "CCard", 0, 5},
}};

QString qifAmount(Money cents)
{
    return formatAmount(cents, Currency::USD);
}

QString plainAmount(Money cents)
{
    const bool negative = cents < 0;
    const quint64 magnitude = negative ? 0ULL - quint64(cents) : quint64(cents);
    return QStringLiteral("%1%2.%3")
        .arg(negative ? QStringLiteral("-") : QString())
        .arg(magnitude / 100)
        .arg(uint(magnitude % 100), 2, 10, QLatin1Char('0'));
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString stableId(const QString &name)
{
    static const QUuid generatorNamespace(QStringLiteral("5c2b8f0e-7d1a-4e63-9f4b-2a6c1d8e3b70"));
    return QUuid::createUuidV5(generatorNamespace, name.toUtf8()).toString(QUuid::WithoutBraces);
}

} // namespace

DataGenerator::DataGenerator(quint64 seed)
    : m_state(seed)
{}

// splitmix64: tiny, fast and the same on every platform, unlike the standard distributions.
quint64 DataGenerator::next()
{
    quint64 z = (m_state += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

int DataGenerator::below(int bound)
{
    return bound <= 0 ? 0 : int(next() % quint64(bound));
}

bool DataGenerator::chance(int percent)
{
    return below(100) < percent;
}

GeneratedData DataGenerator::generate(int count, const QDate &lastDate)
{
    GeneratedData data;
    const int accountCount = 3 + below(4);
    // Checking, savings and a credit card always; then cash, a joint account, a travel card.
    for (int i = 0; i < accountCount; ++i) {
        const AccountTemplate &t = accountTemplates[size_t(i)];
        data.accounts.append({QString::fromLatin1(t.name), QString::fromLatin1(t.type),
                              QString::fromLatin1(t.qifType), t.startingBalance});
    }
    int shareTotal = 0;
    for (int i = 0; i < accountCount; ++i)
        shareTotal += accountTemplates[size_t(i)].share;

    // A pool of a few hundred payees, each a place word with a kind.
    struct Payee
    {
        QString name;
        int kind;
    };
    QList<Payee> payees;
    QHash<QString, bool> seen;
    int weightTotal = 0;
    for (const PayeeKind &kind : payeeKinds)
        weightTotal += kind.weight;
    while (payees.size() < 420) {
        int pick = below(weightTotal);
        int kind = 0;
        while (pick >= payeeKinds[size_t(kind)].weight) {
            pick -= payeeKinds[size_t(kind)].weight;
            ++kind;
        }
        const QString name = QString::fromLatin1(payeeKinds[size_t(kind)].pattern)
                                 .arg(QString::fromLatin1(places[size_t(below(int(places.size())))]));
        if (seen.contains(name))
            continue;
        seen.insert(name, true);
        payees.append({name, kind});
    }

    QHash<QString, bool> categoriesUsed;
    const int days = int(lastDate.addYears(-10).daysTo(lastDate));
    const QDate firstDate = lastDate.addDays(-days);
    int nextCheck = 1001;

    const auto markCleared = [&](GeneratedTransaction &t) {
        const qint64 age = t.date.daysTo(lastDate);
        t.cleared = age > 45 ? chance(97) : chance(40);
        t.reconciled = t.cleared && age > 365 && chance(92);
    };

    data.transactions.reserve(count + 1);
    while (data.transactions.size() < count) {
        const QDate date = firstDate.addDays(below(days + 1));
        // About 5% of rows are transfers (both legs).
        if (count - data.transactions.size() >= 2 && chance(3)) {
            const int from = below(10) < 7 ? 0 : (accountCount > 4 ? 4 : 0);
            int to = 1 + below(accountCount - 1);
            if (to == from)
                to = 1;
            const bool toCard = data.accounts[to].type == QLatin1String("credit_card");
            const Money amount = 1000 * (5 + below(toCard ? 600 : 120));
            GeneratedTransaction out;
            out.account = from;
            out.date = date;
            out.payee = toCard ? QStringLiteral("Card Payment") : QStringLiteral("Transfer");
            out.amount = -amount;
            out.transferAccount = to;
            markCleared(out);
            GeneratedTransaction in = out;
            in.account = to;
            in.amount = amount;
            in.transferAccount = from;
            const int outIndex = int(data.transactions.size());
            out.transferPartner = outIndex + 1;
            in.transferPartner = outIndex;
            data.transactions.append(out);
            data.transactions.append(in);
            continue;
        }

        int pick = below(shareTotal);
        int account = 0;
        while (pick >= accountTemplates[size_t(account)].share) {
            pick -= accountTemplates[size_t(account)].share;
            ++account;
        }
        const Payee &payee = payees[below(int(payees.size()))];
        const PayeeKind &kind = payeeKinds[size_t(payee.kind)];
        // Income lands in checking accounts.
        if (kind.income && data.accounts[account].type != QLatin1String("checking"))
            account = 0;

        GeneratedTransaction t;
        t.account = account;
        if (data.accounts[account].type == QLatin1String("savings")) {
            // Savings sees interest and the transfers above, not shopping.
            t.date = date;
            t.payee = QStringLiteral("Interest Paid");
            t.amount = 50 + Money(next() % 4000);
            t.category = QStringLiteral("Interest Income");
            categoriesUsed.insert(t.category, true);
            markCleared(t);
            data.transactions.append(t);
            continue;
        }
        t.date = date;
        t.payee = payee.name;
        const Money magnitude = kind.minimum + Money(next() % quint64(kind.maximum - kind.minimum + 1));
        t.amount = kind.income ? magnitude : -magnitude;
        t.category = QString::fromLatin1(kind.category);
        if (chance(18))
            t.memo = QString::fromLatin1(memos[size_t(below(int(memos.size())))]);
        if (!kind.income && data.accounts[account].type == QLatin1String("checking") && chance(8))
            t.checkNumber = QString::number(nextCheck++);
        // A few purchases are split between two or three categories.
        if (!kind.income && magnitude >= 3000 && chance(3)) {
            const int parts = 2 + below(2);
            Money remaining = t.amount;
            for (int p = 0; p < parts; ++p) {
                const PayeeKind &other =
                    payeeKinds[size_t(p == 0 ? payee.kind : below(int(payeeKinds.size()) - 2))];
                const Money share = p == parts - 1 ? remaining : t.amount / parts;
                remaining -= share;
                t.splits.append({QString::fromLatin1(other.category), share, QString()});
                categoriesUsed.insert(QString::fromLatin1(other.category), true);
            }
            t.category = t.splits.first().category;
        }
        if (!t.category.isEmpty())
            categoriesUsed.insert(t.category, true);
        markCleared(t);
        data.transactions.append(t);
    }

    // Registers are kept in date order per account; transfer partners follow their new positions.
    QList<int> order(data.transactions.size());
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const GeneratedTransaction &x = data.transactions[a];
        const GeneratedTransaction &y = data.transactions[b];
        if (x.account != y.account)
            return x.account < y.account;
        return x.date < y.date;
    });
    QList<int> position(order.size());
    for (int i = 0; i < order.size(); ++i)
        position[order[i]] = i;
    QList<GeneratedTransaction> sorted;
    sorted.reserve(order.size());
    for (int index : order) {
        GeneratedTransaction t = data.transactions[index];
        if (t.transferPartner >= 0)
            t.transferPartner = position[t.transferPartner];
        sorted.append(t);
    }
    data.transactions = std::move(sorted);
    data.categories = categoriesUsed.keys();
    std::sort(data.categories.begin(), data.categories.end());
    return data;
}

QByteArray DataGenerator::toQif(const GeneratedData &data)
{
    QString out;
    out.reserve(data.transactions.size() * 90);
    int current = -1;
    for (const GeneratedTransaction &t : data.transactions) {
        if (t.account != current) {
            current = t.account;
            const GeneratedAccount &account = data.accounts[current];
            out += QStringLiteral("!Account\nN%1\nT%2\n^\n!Type:%2\n").arg(account.name, account.qifType);
        }
        out += QStringLiteral("D%1\n").arg(t.date.toString(QStringLiteral("MM/dd/yyyy")));
        out += QStringLiteral("T%1\n").arg(qifAmount(t.amount));
        if (t.reconciled)
            out += QStringLiteral("CX\n");
        else if (t.cleared)
            out += QStringLiteral("C*\n");
        if (!t.checkNumber.isEmpty())
            out += QStringLiteral("N%1\n").arg(t.checkNumber);
        out += QStringLiteral("P%1\n").arg(t.payee);
        if (!t.memo.isEmpty())
            out += QStringLiteral("M%1\n").arg(t.memo);
        if (t.transferAccount >= 0)
            out += QStringLiteral("L[%1]\n").arg(data.accounts[t.transferAccount].name);
        else if (!t.category.isEmpty())
            out += QStringLiteral("L%1\n").arg(t.category);
        for (const GeneratedSplit &split : t.splits) {
            out += QStringLiteral("S%1\n").arg(split.category);
            if (!split.memo.isEmpty())
                out += QStringLiteral("E%1\n").arg(split.memo);
            out += QStringLiteral("$%1\n").arg(qifAmount(split.amount));
        }
        out += QStringLiteral("^\n");
    }
    return out.toUtf8();
}

QList<QByteArray> DataGenerator::toCsv(const GeneratedData &data)
{
    QList<QString> files(data.accounts.size(), QStringLiteral("Date,Payee,Amount,Memo,Category\n"));
    for (const GeneratedTransaction &t : data.transactions) {
        const QString category =
            t.transferAccount >= 0 ? QStringLiteral("Transfer: %1").arg(data.accounts[t.transferAccount].name)
                                   : t.category;
        files[t.account] += QStringLiteral("%1,%2,%3,%4,%5\n")
                                .arg(t.date.toString(QStringLiteral("MM/dd/yyyy")), csvField(t.payee),
                                     plainAmount(t.amount), csvField(t.memo), csvField(category));
    }
    QList<QByteArray> result;
    for (const QString &file : files)
        result.append(file.toUtf8());
    return result;
}

bool DataGenerator::toDatabase(const GeneratedData &data, Database &database, QString *error)
{
    QSqlDatabase db = database.connection();
    const QString now = timestampToText(QDateTime(QDate(2026, 12, 1), QTime(9, 0), Qt::UTC));
    const auto failWith = [&](const QSqlQuery &query) {
        if (error)
            *error = query.lastError().text();
        db.rollback();
        return false;
    };
    if (!db.transaction()) {
        if (error)
            *error = db.lastError().text();
        return false;
    }

    QSqlQuery query(db);
    QStringList accountIds;
    query.prepare(QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, starting_balance, "
                                 "sort_order, created_at, updated_at) VALUES (?, ?, ?, 'USD', ?, ?, ?, ?)"));
    for (int i = 0; i < data.accounts.size(); ++i) {
        const GeneratedAccount &account = data.accounts[i];
        accountIds.append(stableId(QStringLiteral("account:%1").arg(i)));
        query.addBindValue(accountIds.last());
        query.addBindValue(account.name);
        query.addBindValue(account.type);
        query.addBindValue(account.startingBalance);
        query.addBindValue(i);
        query.addBindValue(now);
        query.addBindValue(now);
        if (!query.exec())
            return failWith(query);
    }

    // The default categories as the app seeds them, then whatever the data uses beyond them.
    QHash<QString, QString> categoryIds; // "Parent:Child" or top-level name → id
    {
        CategoryRepository repository(&database);
        CategoryService(&repository).ensureDefaults();
        QHash<QString, Category> byId;
        const QList<Category> all = repository.all();
        for (const Category &category : all)
            byId.insert(category.id, category);
        for (const Category &category : all) {
            const QString parent = byId.value(category.parentId).name;
            categoryIds.insert(parent.isEmpty() ? category.name : parent + QLatin1Char(':') + category.name,
                               category.id);
        }
    }
    query.prepare(
        QStringLiteral("INSERT INTO categories (id, name, category_type, parent_id, created_at, updated_at) "
                       "VALUES (?, ?, ?, ?, ?, ?)"));
    const QStringList incomeNames{QStringLiteral("Salary"), QStringLiteral("Refunds"),
                                  QStringLiteral("Interest Income")};
    const auto ensureCategory = [&](const QString &path) -> bool {
        if (categoryIds.contains(path))
            return true;
        const QString parent = path.section(QLatin1Char(':'), 0, 0);
        const QString child = path.section(QLatin1Char(':'), 1);
        const CategoryType type = incomeNames.contains(parent) ? CategoryType::Income : CategoryType::Expense;
        QString parentId;
        if (!child.isEmpty()) {
            parentId = categoryIds.value(parent);
            if (parentId.isEmpty()) {
                parentId = defaultCategoryId(type, QString(), parent);
                query.addBindValue(parentId);
                query.addBindValue(parent);
                query.addBindValue(categoryTypeToString(type));
                query.addBindValue(QVariant(QMetaType::fromType<QString>()));
                query.addBindValue(now);
                query.addBindValue(now);
                if (!query.exec())
                    return false;
                categoryIds.insert(parent, parentId);
            }
        }
        const QString name = child.isEmpty() ? parent : child;
        const QString id = defaultCategoryId(type, child.isEmpty() ? QString() : parent, name);
        query.addBindValue(id);
        query.addBindValue(name);
        query.addBindValue(categoryTypeToString(type));
        query.addBindValue(parentId.isEmpty() ? QVariant(QMetaType::fromType<QString>())
                                              : QVariant(parentId));
        query.addBindValue(now);
        query.addBindValue(now);
        if (!query.exec())
            return false;
        categoryIds.insert(path, id);
        return true;
    };
    for (const QString &path : data.categories) {
        if (!ensureCategory(path))
            return failWith(query);
    }

    QSqlQuery split(db);
    split.prepare(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, "
                                 "created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    query.prepare(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, "
                                 "category_id, check_number, cleared, "
                                 "reconciled, transfer_link_id, transfer_dest_account_id, is_split, "
                                 "sync_status, created_at, updated_at) "
                                 "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 'synced', ?, ?)"));
    for (int i = 0; i < data.transactions.size(); ++i) {
        const GeneratedTransaction &t = data.transactions[i];
        const QString id = stableId(QStringLiteral("transaction:%1").arg(i));
        query.addBindValue(id);
        query.addBindValue(accountIds[t.account]);
        query.addBindValue(dateToText(t.date));
        query.addBindValue(t.payee);
        query.addBindValue(t.memo);
        query.addBindValue(t.amount);
        const QString categoryId = categoryIds.value(t.category);
        query.addBindValue(categoryId.isEmpty() ? QVariant(QMetaType::fromType<QString>())
                                                : QVariant(categoryId));
        query.addBindValue(t.checkNumber);
        query.addBindValue(t.cleared ? 1 : 0);
        query.addBindValue(t.reconciled ? 1 : 0);
        query.addBindValue(t.transferPartner >= 0
                               ? stableId(QStringLiteral("transaction:%1").arg(t.transferPartner))
                               : QString());
        query.addBindValue(t.transferAccount >= 0 ? accountIds[t.transferAccount] : QString());
        query.addBindValue(t.splits.isEmpty() ? 0 : 1);
        query.addBindValue(now);
        query.addBindValue(now);
        if (!query.exec())
            return failWith(query);
        for (int s = 0; s < t.splits.size(); ++s) {
            const GeneratedSplit &line = t.splits[s];
            split.addBindValue(stableId(QStringLiteral("split:%1:%2").arg(i).arg(s)));
            split.addBindValue(id);
            split.addBindValue(categoryIds.value(line.category));
            split.addBindValue(line.amount);
            split.addBindValue(line.memo);
            split.addBindValue(now);
            split.addBindValue(now);
            if (!split.exec())
                return failWith(split);
        }
    }
    if (!db.commit()) {
        if (error)
            *error = db.lastError().text();
        db.rollback();
        return false;
    }
    return true;
}
