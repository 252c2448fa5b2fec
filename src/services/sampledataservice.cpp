#include "sampledataservice.h"

#include "data/database.h"
#include "data/datetext.h"
#include "data/enums.h"
#include "data/identifiers.h"
#include "data/money.h"
#include "data/sqltransaction.h"

#include <QCoreApplication>
#include <QDebug>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const QString checkingId = QStringLiteral("sample-acct-checking");
const QString savingsId = QStringLiteral("sample-acct-savings");
const QString visaId = QStringLiteral("sample-acct-visa");

struct SampleAccount
{
    const QString &id;
    const char *name;
    AccountType type;
    const char *institution;
    const char *last4;
    Money startingBalance;
    int sortOrder;
};

const SampleAccount sampleAccounts[] = {
    {checkingId, QT_TRANSLATE_NOOP("SampleDataService", "Main Checking"), AccountType::Checking,
     QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"), "4521", 250000, 0},
    {savingsId, QT_TRANSLATE_NOOP("SampleDataService", "Savings"), AccountType::Savings,
     QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"), "8834", 1000000, 1},
    {visaId, QT_TRANSLATE_NOOP("SampleDataService", "Visa Rewards"), AccountType::CreditCard,
     QT_TRANSLATE_NOOP("SampleDataService", "Summit Bank"), "7712", 0, 2},
};

// Status letters: R cleared and reconciled, C cleared, U neither.
struct SampleTransaction
{
    const QString &accountId;
    int dayOffset;
    const char *payee;
    const char *memo;
    Money amount;
    const char *parentCategory; // null when the category has no parent
    const char *category;       // null for no category
    const char *checkNumber;
    char status;
    int transferPair; // 0, or the pair (1 or 2) whose legs link each other
};

const SampleTransaction sampleTransactions[] = {
    {checkingId, -60, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), nullptr, 'R', 0},
    {checkingId, -59, QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments"),
     QT_TRANSLATE_NOOP("SampleDataService", "February rent"), -145000,
     QT_TRANSLATE_NOOP("CategoryService", "Housing"),
     QT_TRANSLATE_NOOP("CategoryService", "Rent/Mortgage Payment"), "1041", 'R', 0},
    {checkingId, -57, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -8745, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Groceries"), nullptr, 'R', 0},
    {checkingId, -55, QT_TRANSLATE_NOOP("SampleDataService", "Hilltop Gas"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fill up"), -4523,
     QT_TRANSLATE_NOOP("CategoryService", "Transportation"), QT_TRANSLATE_NOOP("CategoryService", "Gas/Fuel"),
     nullptr, 'R', 0},
    {checkingId, -53, QT_TRANSLATE_NOOP("SampleDataService", "Lakeside Utilities"),
     QT_TRANSLATE_NOOP("SampleDataService", "Electric bill"), -11280,
     QT_TRANSLATE_NOOP("CategoryService", "Utilities"), QT_TRANSLATE_NOOP("CategoryService", "Electric"),
     nullptr, 'R', 0},
    {checkingId, -51, QT_TRANSLATE_NOOP("SampleDataService", "Lakeside Utilities"),
     QT_TRANSLATE_NOOP("SampleDataService", "Water bill"), -4590,
     QT_TRANSLATE_NOOP("CategoryService", "Utilities"), QT_TRANSLATE_NOOP("CategoryService", "Water"),
     nullptr, 'R', 0},
    {checkingId, -49, QT_TRANSLATE_NOOP("SampleDataService", "Streamline TV"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly streaming"), -1599,
     QT_TRANSLATE_NOOP("CategoryService", "Entertainment"), QT_TRANSLATE_NOOP("CategoryService", "Streaming"),
     nullptr, 'R', 0},
    {checkingId, -47, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -9230, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Groceries"), nullptr, 'R', 0},
    {checkingId, -46, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), nullptr, 'R', 0},
    {checkingId, -44, QT_TRANSLATE_NOOP("SampleDataService", "Maplewood Diner"),
     QT_TRANSLATE_NOOP("SampleDataService", "Dinner out"), -4275, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), nullptr, 'R', 0},
    {checkingId, -42, QT_TRANSLATE_NOOP("SampleDataService", "Hilltop Gas"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fill up"), -3980,
     QT_TRANSLATE_NOOP("CategoryService", "Transportation"), QT_TRANSLATE_NOOP("CategoryService", "Gas/Fuel"),
     nullptr, 'R', 0},
    {checkingId, -40, QT_TRANSLATE_NOOP("SampleDataService", "Clearview Insurance"),
     QT_TRANSLATE_NOOP("SampleDataService", "Auto insurance"), -12500,
     QT_TRANSLATE_NOOP("CategoryService", "Insurance"), QT_TRANSLATE_NOOP("CategoryService", "Auto"), nullptr,
     'R', 0},
    {checkingId, -38, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -7650, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Groceries"), nullptr, 'R', 0},
    {checkingId, -35, QT_TRANSLATE_NOOP("SampleDataService", "Hope Community Church"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly donation"), -10000, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Charitable Donations"), "1042", 'R', 0},
    {checkingId, -33, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), nullptr, 'R', 0},
    {checkingId, -30, QT_TRANSLATE_NOOP("SampleDataService", "Transfer to Savings"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), -50000, nullptr, nullptr, nullptr, 'R', 1},
    {checkingId, -29, QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments"),
     QT_TRANSLATE_NOOP("SampleDataService", "March rent"), -145000,
     QT_TRANSLATE_NOOP("CategoryService", "Housing"),
     QT_TRANSLATE_NOOP("CategoryService", "Rent/Mortgage Payment"), "1043", 'C', 0},
    {checkingId, -27, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -10120, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Groceries"), nullptr, 'C', 0},
    {checkingId, -25, QT_TRANSLATE_NOOP("SampleDataService", "Hilltop Gas"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fill up"), -4100,
     QT_TRANSLATE_NOOP("CategoryService", "Transportation"), QT_TRANSLATE_NOOP("CategoryService", "Gas/Fuel"),
     nullptr, 'C', 0},
    {checkingId, -23, QT_TRANSLATE_NOOP("SampleDataService", "NetConnect ISP"),
     QT_TRANSLATE_NOOP("SampleDataService", "Internet service"), -7999,
     QT_TRANSLATE_NOOP("CategoryService", "Utilities"), QT_TRANSLATE_NOOP("CategoryService", "Internet"),
     nullptr, 'C', 0},
    {checkingId, -21, QT_TRANSLATE_NOOP("SampleDataService", "Lakeside Utilities"),
     QT_TRANSLATE_NOOP("SampleDataService", "Electric bill"), -10870,
     QT_TRANSLATE_NOOP("CategoryService", "Utilities"), QT_TRANSLATE_NOOP("CategoryService", "Electric"),
     nullptr, 'C', 0},
    {checkingId, -19, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), nullptr, 'C', 0},
    {checkingId, -17, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -8890, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Groceries"), nullptr, 'C', 0},
    {checkingId, -15, QT_TRANSLATE_NOOP("SampleDataService", "Streamline TV"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly streaming"), -1599,
     QT_TRANSLATE_NOOP("CategoryService", "Entertainment"), QT_TRANSLATE_NOOP("CategoryService", "Streaming"),
     nullptr, 'C', 0},
    {checkingId, -13, QT_TRANSLATE_NOOP("SampleDataService", "Maplewood Diner"),
     QT_TRANSLATE_NOOP("SampleDataService", "Lunch"), -2340, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), nullptr, 'C', 0},
    {checkingId, -11, QT_TRANSLATE_NOOP("SampleDataService", "Hilltop Gas"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fill up"), -4250,
     QT_TRANSLATE_NOOP("CategoryService", "Transportation"), QT_TRANSLATE_NOOP("CategoryService", "Gas/Fuel"),
     nullptr, 'C', 0},
    {checkingId, -8, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -11540, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Groceries"), nullptr, 'U', 0},
    {checkingId, -6, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), nullptr, 'U', 0},
    {checkingId, -5, QT_TRANSLATE_NOOP("SampleDataService", "Ridgeline Pharmacy"),
     QT_TRANSLATE_NOOP("SampleDataService", "Prescriptions"), -3520, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Medical Expenses"), nullptr, 'U', 0},
    {checkingId, -4, QT_TRANSLATE_NOOP("SampleDataService", "Hilltop Gas"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fill up"), -4680,
     QT_TRANSLATE_NOOP("CategoryService", "Transportation"), QT_TRANSLATE_NOOP("CategoryService", "Gas/Fuel"),
     nullptr, 'U', 0},
    {checkingId, -2, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -9475, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Groceries"), nullptr, 'U', 0},
    {checkingId, -1, QT_TRANSLATE_NOOP("SampleDataService", "Maplewood Diner"),
     QT_TRANSLATE_NOOP("SampleDataService", "Coffee & pastry"), -1285, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), nullptr, 'U', 0},
    {checkingId, 0, QT_TRANSLATE_NOOP("SampleDataService", "Transfer to Savings"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), -50000, nullptr, nullptr, nullptr, 'U', 2},

    {savingsId, -45, QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"),
     QT_TRANSLATE_NOOP("SampleDataService", "Interest payment"), 820, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Interest Income"), nullptr, 'C', 0},
    {savingsId, -30, QT_TRANSLATE_NOOP("SampleDataService", "Transfer from Checking"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), 50000, nullptr, nullptr, nullptr, 'C', 1},
    {savingsId, -15, QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"),
     QT_TRANSLATE_NOOP("SampleDataService", "Interest payment"), 875, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Interest Income"), nullptr, 'C', 0},
    {savingsId, 0, QT_TRANSLATE_NOOP("SampleDataService", "Transfer from Checking"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), 50000, nullptr, nullptr, nullptr, 'U', 2},

    {visaId, -55, QT_TRANSLATE_NOOP("SampleDataService", "Dash Delivery"),
     QT_TRANSLATE_NOOP("SampleDataService", "Food delivery"), -3275, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), nullptr, 'C', 0},
    {visaId, -50, QT_TRANSLATE_NOOP("SampleDataService", "Gadget World"),
     QT_TRANSLATE_NOOP("SampleDataService", "Phone case"), -2999,
     QT_TRANSLATE_NOOP("CategoryService", "Shopping"), QT_TRANSLATE_NOOP("CategoryService", "Electronics"),
     nullptr, 'C', 0},
    {visaId, -45, QT_TRANSLATE_NOOP("SampleDataService", "CloudWatch Plus"),
     QT_TRANSLATE_NOOP("SampleDataService", "Cloud storage plan"), -999, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Subscriptions"), nullptr, 'C', 0},
    {visaId, -40, QT_TRANSLATE_NOOP("SampleDataService", "Dash Delivery"),
     QT_TRANSLATE_NOOP("SampleDataService", "Food delivery"), -2850, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), nullptr, 'C', 0},
    {visaId, -35, QT_TRANSLATE_NOOP("SampleDataService", "Payment - Thank You"),
     QT_TRANSLATE_NOOP("SampleDataService", "Credit card payment"), 10123, nullptr, nullptr, nullptr, 'C', 0},
    {visaId, -30, QT_TRANSLATE_NOOP("SampleDataService", "Stellar Coffee"),
     QT_TRANSLATE_NOOP("SampleDataService", "Coffee beans"), -1895, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Groceries"), nullptr, 'C', 0},
    {visaId, -25, QT_TRANSLATE_NOOP("SampleDataService", "BookNest Online"),
     QT_TRANSLATE_NOOP("SampleDataService", "Programming books"), -4599, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Education Expenses"), nullptr, 'C', 0},
    {visaId, -20, QT_TRANSLATE_NOOP("SampleDataService", "Dash Delivery"),
     QT_TRANSLATE_NOOP("SampleDataService", "Food delivery"), -2650, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), nullptr, 'U', 0},
    {visaId, -15, QT_TRANSLATE_NOOP("SampleDataService", "Payment - Thank You"),
     QT_TRANSLATE_NOOP("SampleDataService", "Credit card payment"), 12993, nullptr, nullptr, nullptr, 'U', 0},
    {visaId, -10, QT_TRANSLATE_NOOP("SampleDataService", "TechVault"),
     QT_TRANSLATE_NOOP("SampleDataService", "USB hub"), -3499,
     QT_TRANSLATE_NOOP("CategoryService", "Shopping"), QT_TRANSLATE_NOOP("CategoryService", "Electronics"),
     nullptr, 'U', 0},
    {visaId, -5, QT_TRANSLATE_NOOP("SampleDataService", "Dash Delivery"),
     QT_TRANSLATE_NOOP("SampleDataService", "Food delivery"), -3190, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), nullptr, 'U', 0},
    {visaId, -2, QT_TRANSLATE_NOOP("SampleDataService", "CloudWatch Plus"),
     QT_TRANSLATE_NOOP("SampleDataService", "Cloud storage plan"), -999, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Subscriptions"), nullptr, 'U', 0},
};

struct SampleRecurring
{
    const char *payee;
    const char *memo;
    Money amount;
    const char *parentCategory;
    const char *category;
    Frequency frequency;
    int nextDueOffset;
};

const SampleRecurring sampleRecurring[] = {
    {QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly rent"), -145000,
     QT_TRANSLATE_NOOP("CategoryService", "Housing"),
     QT_TRANSLATE_NOOP("CategoryService", "Rent/Mortgage Payment"), Frequency::Monthly, 1},
    {QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000, nullptr,
     QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), Frequency::Biweekly, 8},
    {QT_TRANSLATE_NOOP("SampleDataService", "Transfer to Savings"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), -50000, nullptr, nullptr, Frequency::Monthly,
     1},
};

#undef TR

QString sampleId(const char *kind)
{
    return QStringLiteral("sample-%1-%2").arg(QLatin1String(kind), newId().left(8));
}

QVariant textOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(text);
}

// Keys are "parent/name" for a category with a parent and the bare name otherwise.
QHash<QString, QString> categoryLookup(const QSqlDatabase &database)
{
    QHash<QString, QString> ids;
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("SELECT c.id, c.name, p.name AS parent_name FROM categories c LEFT JOIN "
                                   "categories p ON c.parent_id = p.id WHERE c.deleted_at IS NULL")))
        return ids;
    while (query.next()) {
        const QString name = query.value(1).toString();
        const QString parent = query.value(2).toString();
        ids.insert(parent.isEmpty() ? name : QStringLiteral("%1/%2").arg(parent, name),
                   query.value(0).toString());
    }
    return ids;
}

bool fail(const char *operation, const QSqlQuery &query)
{
    qWarning().noquote() << QStringLiteral("SampleDataService::%1 failed:").arg(QLatin1String(operation))
                         << query.lastError().text();
    return false;
}

} // namespace

SampleDataService::SampleDataService(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{}

bool SampleDataService::hasSampleData() const
{
    QSqlQuery query(m_database->connection());
    return query.exec(QStringLiteral("SELECT 1 FROM accounts WHERE id LIKE 'sample-%' LIMIT 1")) &&
           query.next();
}

bool SampleDataService::loadSampleData()
{
    const QSqlDatabase database = m_database->connection();
    const QDate today = QDate::currentDate();
    const QString now = timestampToText(currentTimestamp());
    const QHash<QString, QString> categories = categoryLookup(database);
    const auto categoryId = [&](const char *parent, const char *name) {
        if (!name)
            return QString();
        // In the words the default categories were seeded with, whatever the language.
        const auto translated = [](const char *text) {
            return QCoreApplication::translate("CategoryService", text);
        };
        const QString key =
            parent ? QStringLiteral("%1/%2").arg(translated(parent), translated(name)) : translated(name);
        return categories.value(key);
    };

    SqlTransaction guard(database);
    if (!guard.isActive()) {
        qWarning().noquote() << "SampleDataService::loadSampleData failed:" << guard.lastError();
        return false;
    }

    QSqlQuery accountInsert(database);
    accountInsert.prepare(QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, "
                                         "institution, account_number_last4, starting_balance, "
                                         "sort_order, is_shared, version, sync_status, created_at, "
                                         "updated_at) VALUES (?, ?, ?, 'USD', ?, ?, ?, ?, 0, "
                                         "1, 'pending', ?, ?)"));
    for (const SampleAccount &row : sampleAccounts) {
        const QVariantList values{row.id,
                                  tr(row.name),
                                  accountTypeToString(row.type),
                                  tr(row.institution),
                                  QString::fromLatin1(row.last4),
                                  row.startingBalance,
                                  row.sortOrder,
                                  now,
                                  now};
        for (int i = 0; i < values.size(); ++i)
            accountInsert.bindValue(i, values.at(i));
        if (!accountInsert.exec())
            return fail("loadSampleData", accountInsert);
    }

    // Each leg of a transfer names the other leg, as every transfer does, so that deleting one
    // side finds and deletes the other.
    QString transferLegs[3][2];
    for (QString(&pair)[2] : transferLegs) {
        pair[0] = sampleId("txn");
        pair[1] = sampleId("txn");
    }
    int legsSeen[3] = {0, 0, 0};

    QSqlQuery transactionInsert(database);
    transactionInsert.prepare(QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, "
        "cleared, "
        "reconciled, transfer_link_id, transfer_dest_account_id, is_split, version, sync_status, created_at, "
        "updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, 'pending', ?, ?)"));
    for (const SampleTransaction &row : sampleTransactions) {
        QString id = sampleId("txn");
        QString linkId;
        QString destinationId;
        if (row.transferPair > 0) {
            const int leg = legsSeen[row.transferPair]++;
            id = transferLegs[row.transferPair][leg];
            linkId = transferLegs[row.transferPair][1 - leg];
            destinationId = row.accountId == checkingId ? savingsId : checkingId;
        }
        const QVariantList values{id,
                                  row.accountId,
                                  dateToText(today.addDays(row.dayOffset)),
                                  tr(row.payee),
                                  tr(row.memo),
                                  row.amount,
                                  textOrNull(categoryId(row.parentCategory, row.category)),
                                  textOrNull(QString::fromLatin1(row.checkNumber)),
                                  row.status != 'U' ? 1 : 0,
                                  row.status == 'R' ? 1 : 0,
                                  textOrNull(linkId),
                                  textOrNull(destinationId),
                                  0,
                                  now,
                                  now};
        for (int i = 0; i < values.size(); ++i)
            transactionInsert.bindValue(i, values.at(i));
        if (!transactionInsert.exec())
            return fail("loadSampleData", transactionInsert);
    }

    QSqlQuery recurringInsert(database);
    recurringInsert.prepare(QStringLiteral("INSERT INTO recurring_transactions (id, account_id, payee, memo, "
                                           "amount, category_id, frequency, start_date, "
                                           "next_due_date, auto_post, is_active, version, sync_status, "
                                           "created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, "
                                           "?, ?, ?, 0, 1, 1, 'pending', ?, ?)"));
    for (const SampleRecurring &row : sampleRecurring) {
        const QVariantList values{sampleId("rec"),
                                  checkingId,
                                  tr(row.payee),
                                  tr(row.memo),
                                  row.amount,
                                  textOrNull(categoryId(row.parentCategory, row.category)),
                                  frequencyToString(row.frequency),
                                  dateToText(today.addDays(-60)),
                                  dateToText(today.addDays(row.nextDueOffset)),
                                  now,
                                  now};
        for (int i = 0; i < values.size(); ++i)
            recurringInsert.bindValue(i, values.at(i));
        if (!recurringInsert.exec())
            return fail("loadSampleData", recurringInsert);
    }

    if (!guard.commit()) {
        qWarning().noquote() << "SampleDataService::loadSampleData failed:" << guard.lastError();
        return false;
    }
    return true;
}

bool SampleDataService::clearSampleData()
{
    const QSqlDatabase database = m_database->connection();
    SqlTransaction guard(database);
    if (!guard.isActive()) {
        qWarning().noquote() << "SampleDataService::clearSampleData failed:" << guard.lastError();
        return false;
    }
    // Split lines of a sample transaction go with it, whoever added them; a sample account goes
    // only when no row of the user's still belongs to it.
    const QString statements[] = {
        QStringLiteral("DELETE FROM split_lines WHERE id LIKE 'sample-%' OR transaction_id LIKE 'sample-%'"),
        QStringLiteral("DELETE FROM reconciliations WHERE id LIKE 'sample-%'"),
        QStringLiteral("DELETE FROM recurring_transactions WHERE id LIKE 'sample-%'"),
        QStringLiteral("DELETE FROM transactions WHERE id LIKE 'sample-%'"),
        QStringLiteral(
            "DELETE FROM accounts WHERE id LIKE 'sample-%' "
            "AND NOT EXISTS (SELECT 1 FROM transactions t WHERE t.account_id = accounts.id) "
            "AND NOT EXISTS (SELECT 1 FROM recurring_transactions r WHERE r.account_id = accounts.id) "
            "AND NOT EXISTS (SELECT 1 FROM reconciliations c WHERE c.account_id = accounts.id) "
            "AND NOT EXISTS (SELECT 1 FROM transaction_templates p WHERE p.account_id = accounts.id)"),
        QStringLiteral("DELETE FROM sync_queue WHERE entity_id LIKE 'sample-%'"),
    };
    QSqlQuery query(database);
    for (const QString &statement : statements) {
        if (!query.exec(statement))
            return fail("clearSampleData", query);
    }
    if (!guard.commit()) {
        qWarning().noquote() << "SampleDataService::clearSampleData failed:" << guard.lastError();
        return false;
    }
    return true;
}
