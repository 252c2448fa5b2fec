#include "syncservice.h"

#include "clouddatabase.h"
#include "dbtransaction.h"
#include "faultplan.h"
#include "synccursor.h"
#include "validation.h"

#include <QDateTime>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QUuid>

#include <algorithm>

struct SyncService::StoredRow
{
    qint64 id = 0;
    QString serverId;
    QString ownerId;
    QString entityType;
    QString entityId;
    QString accountId;
    int version = 0;
    QString payload;
    QString updatedBy;
    qint64 effectiveSequence = 0;
};

namespace {

qint64 now()
{
    return QDateTime::currentSecsSinceEpoch();
}

enum class Value { Text, Number };

struct EntityRule
{
    const char *type;
    const char *pullArray;
    bool boundToAccount;
    QList<QPair<const char *, Value>> required;
};

// What a payload must hold to be stored, per entity type, and where pulled records go.
const QList<EntityRule> &entityRules()
{
    static const QList<EntityRule> rules = {
        {"account",
         "accounts",
         false,
         {{"name", Value::Text}, {"account_type", Value::Text}, {"currency", Value::Text}}},
        {"category", "categories", false, {{"name", Value::Text}, {"category_type", Value::Text}}},
        {"recurring",
         "recurring_transactions",
         true,
         {{"account_id", Value::Text},
          {"payee", Value::Text},
          {"amount", Value::Number},
          {"frequency", Value::Text},
          {"start_date", Value::Text},
          {"next_due_date", Value::Text}}},
        {"transaction",
         "transactions",
         true,
         {{"account_id", Value::Text},
          {"date", Value::Text},
          {"payee", Value::Text},
          {"amount", Value::Number}}},
        {"reconciliation",
         "reconciliations",
         true,
         {{"account_id", Value::Text},
          {"statement_date", Value::Text},
          {"statement_balance", Value::Number},
          {"reconciled_balance", Value::Number},
          {"completed_at", Value::Text}}},
    };
    return rules;
}

const EntityRule *ruleFor(const QString &type)
{
    for (const EntityRule &rule : entityRules()) {
        if (type == QLatin1String(rule.type))
            return &rule;
    }
    return nullptr;
}

const QString rowColumns =
    QStringLiteral("r.id, r.server_id, r.owner_id, r.entity_type, r.entity_id, r.account_id, r.version, "
                   "r.payload, r.updated_by");

QJsonObject result(const QString &type, const QString &id, const QString &status, const QString &serverId,
                   const QString &message = {})
{
    QJsonObject object{{QStringLiteral("entity_type"), type},
                       {QStringLiteral("entity_id"), id},
                       {QStringLiteral("status"), status},
                       {QStringLiteral("server_id"), serverId}};
    if (!message.isEmpty())
        object.insert(QStringLiteral("message"), message);
    return object;
}

} // namespace

SyncService::SyncService(CloudDatabase *database, FaultPlan *faults)
    : m_database(database)
    , m_faults(faults)
{}

HttpResponse SyncService::handle(const HttpRequest &request, const QStringList &path,
                                 const AccessClaims &claims)
{
    const QByteArray &method = request.method;
    const auto wrongMethod = [] {
        return HttpResponse::error(405, QStringLiteral("method not allowed"));
    };
    if (path == QStringList{QStringLiteral("sync"), QStringLiteral("push")})
        return method == "POST" ? push(request, claims) : wrongMethod();
    if (path == QStringList{QStringLiteral("sync"), QStringLiteral("pull")})
        return method == "GET" ? pull(request, claims) : wrongMethod();
    if (path.value(0) == QLatin1String("accounts") && path.size() >= 3 &&
        Validation::isIdentifier(path.at(1))) {
        if (path.size() == 3 && path.at(2) == QLatin1String("members"))
            return method == "GET" ? members(claims, path.at(1)) : wrongMethod();
        if (path.size() == 3 && path.at(2) == QLatin1String("share"))
            return method == "POST" ? share(request, claims, path.at(1)) : wrongMethod();
        if (path.size() == 4 && path.at(2) == QLatin1String("share"))
            return method == "DELETE" ? unshare(claims, path.at(1), path.at(3)) : wrongMethod();
    }
    return HttpResponse::error(404, QStringLiteral("not found"));
}

bool SyncService::accountAccess(const QString &userId, const QString &accountId, AccountAccess *access)
{
    *access = {};
    // The user's own account first, then one shared with the user; both lookups use an index.
    QSqlQuery *own = m_database->execCached(
        "SyncService::accountAccess",
        QStringLiteral(
            "SELECT 1 FROM sync_rows WHERE owner_id = ? AND entity_type = 'account' AND entity_id = ?"),
        {userId, accountId});
    if (!own)
        return false;
    const bool isOwn = own->next();
    own->finish();
    if (isOwn) {
        access->ownerId = userId;
        access->isOwn = true;
        return true;
    }
    QSqlQuery *shared = m_database->execCached(
        "SyncService::accountAccess",
        QStringLiteral("SELECT s.owner_id FROM account_shares s JOIN sync_rows r ON r.owner_id = s.owner_id "
                       "AND r.entity_type = 'account' AND r.entity_id = s.account_id "
                       "WHERE s.user_id = ? AND s.account_id = ? ORDER BY s.granted_seq LIMIT 1"),
        {userId, accountId});
    if (!shared)
        return false;
    if (shared->next())
        access->ownerId = shared->value(0).toString();
    shared->finish();
    return true;
}

SyncService::StoredRow SyncService::storedRow(const QSqlQuery &query)
{
    StoredRow row;
    row.id = query.value(0).toLongLong();
    row.serverId = query.value(1).toString();
    row.ownerId = query.value(2).toString();
    row.entityType = query.value(3).toString();
    row.entityId = query.value(4).toString();
    row.accountId = query.value(5).toString();
    row.version = query.value(6).toInt();
    row.payload = query.value(7).toString();
    row.updatedBy = query.value(8).toString();
    return row;
}

bool SyncService::findRow(const QString &sql, const QVariantList &values, StoredRow *row, bool *found)
{
    QSqlQuery *query = m_database->execCached("SyncService::findRow", sql, values);
    if (!query)
        return false;
    *found = query->next();
    if (*found)
        *row = storedRow(*query);
    // A statement left open would keep this connection reading an old snapshot.
    query->finish();
    return true;
}

bool SyncService::canWrite(const QString &userId, const StoredRow &row, bool *allowed)
{
    *allowed = row.ownerId == userId;
    if (*allowed || row.accountId.isEmpty())
        return true;
    QSqlQuery *query = m_database->execCached(
        "SyncService::canWrite",
        QStringLiteral("SELECT 1 FROM account_shares WHERE owner_id = ? AND account_id = ? AND user_id = ?"),
        {row.ownerId, row.accountId, userId});
    if (!query)
        return false;
    *allowed = query->next();
    query->finish();
    return true;
}

HttpResponse SyncService::push(const HttpRequest &request, const AccessClaims &claims)
{
    const auto body = Validation::jsonObjectBody(request.body);
    if (!body)
        return HttpResponse::error(400, QStringLiteral("request body must be a JSON object"));
    const QJsonValue changesValue = body->value(QStringLiteral("changes"));
    if (!changesValue.isArray())
        return HttpResponse::error(400, QStringLiteral("\"changes\" must be an array"));
    const QJsonArray changes = changesValue.toArray();
    if (changes.size() > maxChangesPerPush)
        return HttpResponse::error(413, QStringLiteral("at most %1 changes per push").arg(maxChangesPerPush));

    DbTransaction transaction(m_database);
    if (!transaction.isActive())
        return HttpResponse::storageFailure();
    const auto sequence = m_database->nextChangeSequence();
    if (!sequence)
        return HttpResponse::storageFailure();
    QJsonArray results;
    QHash<QString, AccountAccess> knownAccounts;
    for (const QJsonValue &change : changes) {
        bool storageFailed = false;
        const QJsonObject outcome = applyChange(change, claims, *sequence, &knownAccounts, &storageFailed);
        if (storageFailed)
            return HttpResponse::storageFailure();
        results.append(outcome);
    }
    if (!touchDevice(claims))
        return HttpResponse::storageFailure();
    if (m_faults->pushFails())
        return HttpResponse::error(500, QStringLiteral("injected fault: push rolled back"));
    if (!transaction.commit())
        return HttpResponse::storageFailure();
    HttpResponse response = HttpResponse::json(200, {{QStringLiteral("results"), results}});
    response.dropConnection = m_faults->dropAfterPush();
    return response;
}

QJsonObject SyncService::applyChange(const QJsonValue &changeValue, const AccessClaims &claims,
                                     qint64 sequence, QHash<QString, AccountAccess> *knownAccounts,
                                     bool *storageFailed)
{
    const QJsonObject change = changeValue.toObject();
    const QString type = change.value(QStringLiteral("entity_type")).toString();
    const QString entityId = change.value(QStringLiteral("entity_id")).toString();
    const auto refuse = [&](const QString &status, const QString &message, const QString &serverId = {}) {
        return result(type, entityId, status, serverId, message);
    };
    const EntityRule *rule = ruleFor(type);
    if (!changeValue.isObject() || !rule)
        return refuse(QStringLiteral("invalid"), QStringLiteral("unknown entity_type"));
    if (!Validation::isIdentifier(entityId))
        return refuse(QStringLiteral("invalid"),
                      QStringLiteral("entity_id must be 1 to 64 printable characters"));
    const QString action = change.value(QStringLiteral("action")).toString();
    if (action != QLatin1String("upsert") && action != QLatin1String("delete"))
        return refuse(QStringLiteral("invalid"), QStringLiteral("action must be upsert or delete"));
    const QJsonValue versionValue = change.value(QStringLiteral("version"));
    const double versionNumber = versionValue.toDouble(-1);
    if (!versionValue.isDouble() || versionNumber < 0 || versionNumber > 2147483646 ||
        versionNumber != qint64(versionNumber))
        return refuse(QStringLiteral("invalid"), QStringLiteral("version must be a whole number"));
    const int version = int(versionNumber);
    if (!change.value(QStringLiteral("payload")).isObject())
        return refuse(QStringLiteral("invalid"), QStringLiteral("payload must be an object"));
    const QJsonObject payload = change.value(QStringLiteral("payload")).toObject();
    const QByteArray stored = QJsonDocument(payload).toJson(QJsonDocument::Compact);
    if (stored.size() > maxPayloadBytes)
        return refuse(QStringLiteral("invalid"),
                      QStringLiteral("payload larger than %1 bytes").arg(maxPayloadBytes));
    if (payload.value(QStringLiteral("client_id")).toString() != entityId)
        return refuse(QStringLiteral("invalid"), QStringLiteral("payload client_id must equal entity_id"));
    for (const auto &[key, kind] : rule->required) {
        const QJsonValue value = payload.value(QLatin1String(key));
        if (kind == Value::Text ? !value.isString() : !value.isDouble())
            return refuse(QStringLiteral("invalid"),
                          QStringLiteral("payload needs \"%1\" as %2")
                              .arg(QLatin1String(key), kind == Value::Text ? QStringLiteral("text")
                                                                           : QStringLiteral("a number")));
    }
    for (const char *key : {"created_at", "updated_at"}) {
        if (!payload.value(QLatin1String(key)).isString())
            return refuse(QStringLiteral("invalid"),
                          QStringLiteral("payload needs \"%1\" as text").arg(QLatin1String(key)));
    }

    // Whose row this is: an account row and the rows of an account belong to the account's owner.
    QString ownerId = claims.userId;
    QString accountKey;
    if (type == QLatin1String("account") || rule->boundToAccount) {
        accountKey = type == QLatin1String("account")
                         ? entityId
                         : payload.value(QStringLiteral("account_id")).toString();
        if (!Validation::isIdentifier(accountKey))
            return refuse(QStringLiteral("invalid"),
                          QStringLiteral("account_id must be 1 to 64 printable characters"));
        // Only found accounts are remembered: an account pushed earlier in this batch exists now.
        AccountAccess access = knownAccounts->value(accountKey);
        if (access.ownerId.isEmpty()) {
            if (!accountAccess(claims.userId, accountKey, &access)) {
                *storageFailed = true;
                return {};
            }
            if (!access.ownerId.isEmpty())
                knownAccounts->insert(accountKey, access);
        }
        if (!access.ownerId.isEmpty())
            ownerId = access.ownerId;
        else if (rule->boundToAccount)
            return refuse(
                QStringLiteral("rejected"),
                QStringLiteral("account %1 is not one of yours or shared with you").arg(accountKey));
        if (type == QLatin1String("account") && !access.isOwn && !access.ownerId.isEmpty() &&
            action == QLatin1String("delete"))
            return refuse(QStringLiteral("forbidden"),
                          QStringLiteral("only the owner can delete a shared account"));
    }

    StoredRow existing;
    bool found = false;
    const QString serverId = payload.value(QStringLiteral("server_id")).toString();
    if (!serverId.isEmpty()) {
        if (!findRow(QStringLiteral("SELECT %1 FROM sync_rows r WHERE r.server_id = ?").arg(rowColumns),
                     {serverId}, &existing, &found)) {
            *storageFailed = true;
            return {};
        }
        if (found) {
            bool allowed = false;
            if (!canWrite(claims.userId, existing, &allowed)) {
                *storageFailed = true;
                return {};
            }
            if (!allowed)
                return refuse(QStringLiteral("forbidden"), QStringLiteral("the row belongs to another user"));
            if (existing.entityType != type)
                return refuse(QStringLiteral("invalid"),
                              QStringLiteral("server_id names a row of another type"));
        }
    }
    if (!found &&
        !findRow(
            QStringLiteral(
                "SELECT %1 FROM sync_rows r WHERE r.owner_id = ? AND r.entity_type = ? AND r.entity_id = ?")
                .arg(rowColumns),
            {ownerId, type, entityId}, &existing, &found)) {
        *storageFailed = true;
        return {};
    }
    if (found && version < existing.version)
        return refuse(
            QStringLiteral("conflict"),
            QStringLiteral("the server has a newer version (%1); pull to get it").arg(existing.version),
            existing.serverId);

    const QVariant accountColumn = accountKey.isEmpty() ? CloudDatabase::nullText() : QVariant(accountKey);
    const int deleted = action == QLatin1String("delete") ? 1 : 0;
    if (found) {
        // A row moved to an account of another owner moves with it, unless that owner has one
        // with its id already.
        if (existing.ownerId != ownerId) {
            StoredRow clash;
            bool clashes = false;
            if (!findRow(QStringLiteral("SELECT %1 FROM sync_rows r WHERE r.owner_id = ? AND r.entity_type = "
                                        "? AND r.entity_id = ?")
                             .arg(rowColumns),
                         {ownerId, type, existing.entityId}, &clash, &clashes)) {
                *storageFailed = true;
                return {};
            }
            if (clashes)
                return refuse(QStringLiteral("conflict"),
                              QStringLiteral("the target account holds a row with this id"),
                              existing.serverId);
        }
        if (m_database->execCountCached(
                "SyncService::applyChange",
                QStringLiteral("UPDATE sync_rows SET owner_id = ?, account_id = ?, version "
                               "= ?, deleted = ?, payload = ?, "
                               "seq = ?, updated_by = ?, updated_at = ? WHERE id = ?"),
                {ownerId, accountColumn, version + 1, deleted, QString::fromUtf8(stored), sequence,
                 claims.userId, now(), existing.id}) < 0) {
            *storageFailed = true;
            return {};
        }
        return result(type, entityId, QStringLiteral("ok"), existing.serverId);
    }
    const QString newServerId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (m_database->execCountCached(
            "SyncService::applyChange",
            QStringLiteral("INSERT INTO sync_rows (server_id, owner_id, entity_type, entity_id, account_id, "
                           "version, deleted, "
                           "payload, seq, updated_by, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {newServerId, ownerId, type, entityId, accountColumn, version + 1, deleted,
             QString::fromUtf8(stored), sequence, claims.userId, now()}) < 0) {
        *storageFailed = true;
        return {};
    }
    return result(type, entityId, QStringLiteral("ok"), newServerId);
}

bool SyncService::touchDevice(const AccessClaims &claims)
{
    return m_database->execCount("SyncService::touchDevice",
                                 QStringLiteral("UPDATE devices SET last_sync_at = ? WHERE session_id = ?"),
                                 {now(), claims.sessionId}) >= 0;
}

bool SyncService::readRows(const QString &sql, const QVariantList &values, std::optional<qint64> effective,
                           QList<StoredRow> *rows)
{
    auto query = m_database->exec("SyncService::pull", sql, values);
    if (!query)
        return false;
    while (query->next()) {
        StoredRow row = storedRow(*query);
        row.effectiveSequence = effective.value_or(query->value(9).toLongLong());
        rows->append(row);
    }
    query->finish();
    return true;
}

bool SyncService::readPageRows(const QString &userId, const SyncCursor &cursor, int count,
                               QList<StoredRow> *rows)
{
    // Own rows come by their change number; the rows of an account shared with the user by the
    // later of their change number and the share's, so that a new share brings the account's whole
    // past. Each stream is read in that order from an index, at most `count` rows of it, and the
    // streams are merged here: a page costs the same at the end of a large history as at its start.
    QList<StoredRow> candidates;
    if (!readRows(QStringLiteral("SELECT %1, r.seq FROM sync_rows r WHERE r.owner_id = ? AND (r.seq, r.id) > "
                                 "(?, ?) ORDER BY r.seq, r.id LIMIT ?")
                      .arg(rowColumns),
                  {userId, cursor.sequence, cursor.rowId, count}, std::nullopt, &candidates))
        return false;

    struct Share
    {
        QString ownerId;
        QString accountId;
        qint64 grantedSequence;
    };
    QList<Share> shares;
    auto shareQuery = m_database->exec(
        "SyncService::pull",
        QStringLiteral("SELECT owner_id, account_id, granted_seq FROM account_shares WHERE user_id = ?"),
        {userId});
    if (!shareQuery)
        return false;
    while (shareQuery->next())
        shares.append({shareQuery->value(0).toString(), shareQuery->value(1).toString(),
                       shareQuery->value(2).toLongLong()});
    shareQuery->finish();
    for (const Share &share : std::as_const(shares)) {
        // Rows changed before the share all carry the share's number, so they follow one another
        // by row number alone.
        if (share.grantedSequence >= cursor.sequence) {
            const qint64 after = share.grantedSequence == cursor.sequence ? cursor.rowId : qint64(-1);
            if (!readRows(
                    QStringLiteral("SELECT %1 FROM sync_rows r WHERE r.owner_id = ? AND r.account_id = ? "
                                   "AND r.seq <= ? AND r.id > ? ORDER BY r.id LIMIT ?")
                        .arg(rowColumns),
                    {share.ownerId, share.accountId, share.grantedSequence, after, count},
                    share.grantedSequence, &candidates))
                return false;
        }
        if (!readRows(
                QStringLiteral("SELECT %1, r.seq FROM sync_rows r WHERE r.owner_id = ? AND r.account_id = ? "
                               "AND r.seq > ? AND (r.seq, r.id) > (?, ?) ORDER BY r.seq, r.id LIMIT ?")
                    .arg(rowColumns),
                {share.ownerId, share.accountId, share.grantedSequence, cursor.sequence, cursor.rowId, count},
                std::nullopt, &candidates))
            return false;
    }
    std::sort(candidates.begin(), candidates.end(), [](const StoredRow &a, const StoredRow &b) {
        return std::pair(a.effectiveSequence, a.id) < std::pair(b.effectiveSequence, b.id);
    });
    if (candidates.size() > count)
        candidates.resize(count);
    *rows = std::move(candidates);
    return true;
}

QJsonObject SyncService::pullRecord(const StoredRow &row)
{
    QJsonObject record = QJsonDocument::fromJson(row.payload.toUtf8()).object();
    record.insert(QStringLiteral("id"), row.serverId);
    record.insert(QStringLiteral("client_id"), row.entityId);
    record.insert(QStringLiteral("server_id"), row.serverId);
    record.insert(QStringLiteral("version"), row.version);
    return record;
}

HttpResponse SyncService::pull(const HttpRequest &request, const AccessClaims &claims)
{
    const QString since = request.queryValue(QStringLiteral("since"));
    if (since.size() > 100)
        return HttpResponse::error(400, QStringLiteral("since is not a cursor of this service"));
    // A cursor this service did not issue (another server's, an old client's time stamp) starts
    // from the beginning: versions make a repeated row harmless, a skipped one would be lost.
    const SyncCursor cursor = SyncCursor::parse(since).value_or(SyncCursor{});
    int limit = defaultPageSize;
    if (request.query.contains(QStringLiteral("limit"))) {
        bool ok = false;
        limit = request.queryValue(QStringLiteral("limit")).toInt(&ok);
        if (!ok || limit < 1 || limit > maxPageSize)
            return HttpResponse::error(400, QStringLiteral("limit must be from 1 to %1").arg(maxPageSize));
    }

    QList<StoredRow> rows;
    if (!readPageRows(claims.userId, cursor, limit + 1, &rows))
        return HttpResponse::storageFailure();
    const bool hasMore = rows.size() > limit;
    if (hasMore)
        rows.removeLast();

    // A page carries the accounts and categories its rows refer to, even when those changed
    // later and so belong to a later page: the client stores a row only when its account and
    // category exist, and applies a page's accounts and categories first.
    QSet<qint64> delivered;
    for (const StoredRow &row : rows)
        delivered.insert(row.id);
    QList<StoredRow> parents;
    QList<StoredRow> pending = rows;
    QSet<QString> looked;
    for (int depth = 0; depth < 4 && !pending.isEmpty(); ++depth) {
        QList<StoredRow> next;
        for (const StoredRow &row : std::as_const(pending)) {
            const QJsonObject payload = QJsonDocument::fromJson(row.payload.toUtf8()).object();
            QList<QPair<QString, QPair<QString, QString>>> wanted; // owner, (type, id)
            if (!row.accountId.isEmpty() && row.entityType != QLatin1String("account"))
                wanted.append({row.ownerId, {QStringLiteral("account"), row.accountId}});
            const QString category =
                payload
                    .value(row.entityType == QLatin1String("category") ? QStringLiteral("parent_id")
                                                                       : QStringLiteral("category_id"))
                    .toString();
            if (!category.isEmpty() && row.entityType != QLatin1String("reconciliation")) {
                wanted.append({row.ownerId, {QStringLiteral("category"), category}});
                wanted.append({row.updatedBy, {QStringLiteral("category"), category}});
            }
            for (const auto &[owner, key] : wanted) {
                const QString lookupKey =
                    owner + QLatin1Char('/') + key.first + QLatin1Char('/') + key.second;
                if (looked.contains(lookupKey))
                    continue;
                looked.insert(lookupKey);
                StoredRow parent;
                bool found = false;
                if (!findRow(QStringLiteral("SELECT %1 FROM sync_rows r WHERE r.owner_id = ? AND "
                                            "r.entity_type = ? AND r.entity_id = ?")
                                 .arg(rowColumns),
                             {owner, key.first, key.second}, &parent, &found))
                    return HttpResponse::storageFailure();
                if (found && !delivered.contains(parent.id)) {
                    delivered.insert(parent.id);
                    parents.append(parent);
                    next.append(parent);
                }
            }
        }
        pending = next;
    }

    QHash<QString, QJsonArray> arrays;
    QSet<QString> sharedAccounts;
    auto shares = m_database->exec("SyncService::pull",
                                   QStringLiteral("SELECT DISTINCT owner_id, account_id FROM account_shares "
                                                  "WHERE owner_id = ? OR user_id = ?"),
                                   {claims.userId, claims.userId});
    if (!shares)
        return HttpResponse::storageFailure();
    while (shares->next())
        sharedAccounts.insert(shares->value(0).toString() + QLatin1Char('/') + shares->value(1).toString());
    shares->finish();
    for (const QList<StoredRow> *list : {&parents, &rows}) {
        for (const StoredRow &row : *list) {
            QJsonObject record = pullRecord(row);
            if (row.entityType == QLatin1String("account"))
                record.insert(QStringLiteral("is_shared"),
                              sharedAccounts.contains(row.ownerId + QLatin1Char('/') + row.entityId) ? 1 : 0);
            arrays[QString::fromLatin1(ruleFor(row.entityType)->pullArray)].append(record);
        }
    }

    QJsonObject answer;
    for (const EntityRule &rule : entityRules())
        answer.insert(QLatin1String(rule.pullArray), arrays.value(QLatin1String(rule.pullArray)));
    const SyncCursor end =
        rows.isEmpty() ? cursor : SyncCursor{rows.last().effectiveSequence, rows.last().id};
    if (m_faults->repeatsPage()) {
        // The same page again: the cursor stays where the client had it.
        answer.insert(QStringLiteral("server_time"), since);
        answer.insert(QStringLiteral("has_more"), true);
    } else {
        answer.insert(QStringLiteral("server_time"), end.toText());
        answer.insert(QStringLiteral("has_more"), hasMore);
    }
    if (!hasMore) {
        auto counts = m_database->exec(
            "SyncService::pull",
            QStringLiteral(
                "SELECT (SELECT COUNT(*) FROM sync_rows WHERE owner_id = ? AND entity_type = 'category' "
                "AND deleted = 0)"),
            {claims.userId});
        if (!counts || !counts->next())
            return HttpResponse::storageFailure();
        const int categoryCount = counts->value(0).toInt();
        counts->finish();
        auto perAccount = m_database->exec(
            "SyncService::pull",
            QStringLiteral(
                "SELECT r.account_id, COUNT(*) FROM sync_rows r WHERE r.entity_type = 'transaction' "
                "AND r.deleted = 0 AND (r.owner_id = ? OR EXISTS (SELECT 1 FROM account_shares s "
                "WHERE s.owner_id = r.owner_id AND s.account_id = r.account_id AND s.user_id = ?)) "
                "GROUP BY r.account_id"),
            {claims.userId, claims.userId});
        if (!perAccount)
            return HttpResponse::storageFailure();
        QJsonObject accounts;
        while (perAccount->next())
            accounts.insert(perAccount->value(0).toString(),
                            QJsonObject{{QStringLiteral("count"), perAccount->value(1).toLongLong()}});
        answer.insert(QStringLiteral("integrity"),
                      QJsonObject{{QStringLiteral("category_count"), categoryCount},
                                  {QStringLiteral("accounts"), accounts}});
    }
    if (!touchDevice(claims))
        return HttpResponse::storageFailure();
    return HttpResponse::json(200, answer);
}

HttpResponse SyncService::members(const AccessClaims &claims, const QString &accountId)
{
    AccountAccess access;
    if (!accountAccess(claims.userId, accountId, &access))
        return HttpResponse::storageFailure();
    if (access.ownerId.isEmpty())
        return HttpResponse::error(404, QStringLiteral("account not found"));
    auto query = m_database->exec(
        "SyncService::members",
        QStringLiteral("SELECT u.id, u.email, u.display_name, 'owner', r.updated_at, 0 FROM sync_rows r "
                       "JOIN users u ON u.id = r.owner_id "
                       "WHERE r.owner_id = ? AND r.entity_type = 'account' AND r.entity_id = ? "
                       "UNION ALL "
                       "SELECT u.id, u.email, u.display_name, s.role, s.created_at, 1 FROM account_shares s "
                       "JOIN users u ON u.id = s.user_id WHERE s.owner_id = ? AND s.account_id = ? "
                       "ORDER BY 6, 5, 1"),
        {access.ownerId, accountId, access.ownerId, accountId});
    if (!query)
        return HttpResponse::storageFailure();
    QJsonArray list;
    while (query->next()) {
        list.append(
            QJsonObject{{QStringLiteral("user_id"), query->value(0).toString()},
                        {QStringLiteral("email"), query->value(1).toString()},
                        {QStringLiteral("display_name"), query->value(2).toString()},
                        {QStringLiteral("role"), query->value(3).toString()},
                        {QStringLiteral("created_at"), Validation::isoTime(query->value(4).toLongLong())}});
    }
    return HttpResponse::json(200, {{QStringLiteral("members"), list}});
}

HttpResponse SyncService::share(const HttpRequest &request, const AccessClaims &claims,
                                const QString &accountId)
{
    const auto body = Validation::jsonObjectBody(request.body);
    if (!body)
        return HttpResponse::error(400, QStringLiteral("request body must be a JSON object"));
    const QString role = body->value(QStringLiteral("role")).toString(QStringLiteral("member"));
    if (role != QLatin1String("member"))
        return HttpResponse::error(400, QStringLiteral("role must be member"));
    QString identifier = body->value(QStringLiteral("user_id")).toString();
    if (identifier.isEmpty())
        identifier = body->value(QStringLiteral("email")).toString();
    if (identifier.isEmpty() || identifier.size() > 254)
        return HttpResponse::error(400, QStringLiteral("user_id or email is required"));

    DbTransaction transaction(m_database);
    if (!transaction.isActive())
        return HttpResponse::storageFailure();
    if (const auto refusal = refuseUnlessOwner(claims.userId, accountId, QStringLiteral("share it")))
        return *refusal;
    const bool byEmail = identifier.contains(QLatin1Char('@'));
    const QString email = byEmail ? Validation::email(identifier).value_or(QString()) : QString();
    auto target = m_database->exec(
        "SyncService::share",
        QStringLiteral("SELECT u.id FROM users u JOIN group_members theirs ON theirs.user_id = u.id "
                       "JOIN group_members mine ON mine.group_id = theirs.group_id AND mine.user_id = ? "
                       "WHERE %1 = ?")
            .arg(byEmail ? QStringLiteral("u.email") : QStringLiteral("u.id")),
        {claims.userId, byEmail ? email : identifier});
    if (!target)
        return HttpResponse::storageFailure();
    if (!target->next())
        return HttpResponse::error(403,
                                   QStringLiteral("accounts can be shared only with members of your group"));
    const QString userId = target->value(0).toString();
    target->finish();
    if (userId == claims.userId)
        return HttpResponse::error(400, QStringLiteral("the account is yours already"));
    const auto sequence = m_database->nextChangeSequence();
    if (!sequence ||
        m_database->execCount(
            "SyncService::share",
            QStringLiteral(
                "INSERT INTO account_shares (owner_id, account_id, user_id, role, granted_seq, created_at) "
                "VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (owner_id, account_id, user_id) DO NOTHING"),
            {claims.userId, accountId, userId, role, *sequence, now()}) < 0 ||
        !republishAccount(claims.userId, accountId) || !transaction.commit())
        return HttpResponse::storageFailure();
    return HttpResponse::json(201, {{QStringLiteral("user_id"), userId}, {QStringLiteral("role"), role}});
}

HttpResponse SyncService::unshare(const AccessClaims &claims, const QString &accountId, const QString &userId)
{
    DbTransaction transaction(m_database);
    if (!transaction.isActive())
        return HttpResponse::storageFailure();
    if (const auto refusal = refuseUnlessOwner(claims.userId, accountId, QStringLiteral("remove a share")))
        return *refusal;
    const int removed = m_database->execCount(
        "SyncService::unshare",
        QStringLiteral("DELETE FROM account_shares WHERE owner_id = ? AND account_id = ? AND user_id = ?"),
        {claims.userId, accountId, userId});
    if (removed < 0)
        return HttpResponse::storageFailure();
    if (removed == 0)
        return HttpResponse::error(404, QStringLiteral("the account is not shared with that user"));
    if (!republishAccount(claims.userId, accountId) || !transaction.commit())
        return HttpResponse::storageFailure();
    return HttpResponse::noContent();
}

std::optional<HttpResponse> SyncService::refuseUnlessOwner(const QString &userId, const QString &accountId,
                                                           const QString &action)
{
    AccountAccess access;
    if (!accountAccess(userId, accountId, &access))
        return HttpResponse::storageFailure();
    if (access.ownerId.isEmpty())
        return HttpResponse::error(404, QStringLiteral("account not found"));
    if (!access.isOwn)
        return HttpResponse::error(403, QStringLiteral("only the owner of the account can %1").arg(action));
    return std::nullopt;
}

bool SyncService::republishAccount(const QString &ownerId, const QString &accountId)
{
    const auto sequence = m_database->nextChangeSequence();
    return sequence &&
           m_database->execCount(
               "SyncService::republishAccount",
               QStringLiteral("UPDATE sync_rows SET seq = ? WHERE owner_id = ? AND entity_type = 'account' "
                              "AND entity_id = ?"),
               {*sequence, ownerId, accountId}) >= 0;
}

bool SyncService::endSharesOf(const QString &userId)
{
    const auto sequence = m_database->nextChangeSequence();
    return sequence &&
           m_database->execCount(
               "SyncService::endSharesOf",
               QStringLiteral(
                   "UPDATE sync_rows SET seq = ? WHERE entity_type = 'account' AND EXISTS (SELECT 1 "
                   "FROM account_shares s WHERE s.owner_id = sync_rows.owner_id "
                   "AND s.account_id = sync_rows.entity_id AND (s.user_id = ? OR s.owner_id = ?))"),
               {*sequence, userId, userId}) >= 0 &&
           m_database->execCount(
               "SyncService::endSharesOf",
               QStringLiteral("DELETE FROM account_shares WHERE user_id = ? OR owner_id = ?"),
               {userId, userId}) >= 0;
}
