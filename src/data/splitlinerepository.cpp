#include "splitlinerepository.h"

#include "database.h"
#include "datetext.h"
#include "repositorysupport.h"

#include <QSqlQuery>

using namespace RepositorySupport;

SplitLineRepository::SplitLineRepository(Database *database, QObject *parent)
    : QObject(parent)
    , m_database(database)
{}

bool SplitLineRepository::insert(const SplitLine &line)
{
    QSqlQuery &query =
        prepareWrite(m_database, QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, "
                                                "amount, memo, created_at, updated_at) VALUES (?, ?, ?, ?, "
                                                "?, ?, ?)"));
    query.addBindValue(line.id);
    query.addBindValue(line.transactionId);
    query.addBindValue(line.categoryId);
    query.addBindValue(qint64(line.amount));
    query.addBindValue(line.memo);
    query.addBindValue(timestampToText(line.createdAt));
    query.addBindValue(timestampToText(line.updatedAt));
    if (!query.exec()) {
        logFailure("SplitLineRepository::insert", query);
        return false;
    }
    return true;
}
