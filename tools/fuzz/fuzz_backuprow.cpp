// One backup row of any content, restored into every table: what is stored afterwards means what
// its column means (the validator's promise), and a refused row leaves nothing behind.
#include "fuzzsupport.h"

#include "services/backuprowvalidator.h"
#include "services/backupservice.h"

#include <QtGui/private/qzipwriter_p.h>

#include <QBuffer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzSupport::initializeApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray row = FuzzSupport::bytes(data, size);
    const QJsonObject object = QJsonDocument::fromJson(row).object();
    for (const char *table : {"accounts", "categories", "transactions", "split_lines",
                              "recurring_transactions", "reconciliations"})
        BackupRowValidator::check(QString::fromLatin1(table), object);

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QZipWriter writer(&buffer);
        writer.setCompressionPolicy(QZipWriter::NeverCompress);
        for (const char *folder :
             {"accounts", "categories", "transactions", "split_lines", "recurring", "reconciliations"})
            writer.addFile(QStringLiteral("%1/row.json").arg(QLatin1String(folder)), row);
        writer.addFile(QStringLiteral("manifest.json"), QByteArray(R"({"version": 1})"));
        writer.close();
    }
    Database *database = FuzzSupport::database();
    BackupService service(database);
    const BackupImportResult result = service.importBackup(buffer.data(), BackupImportMode::ReplaceExisting);
    FuzzSupport::check(!result.aborted || result.importedTotal() == 0);

    QSqlQuery query(database->connection());
    const char *checks[] = {
        "SELECT COUNT(*) FROM transactions WHERE typeof(amount) != 'integer' OR abs(amount) > "
        "1000000000000000 "
        "OR cleared NOT IN (0, 1) OR is_split NOT IN (0, 1) OR date(date) IS NOT date",
        "SELECT COUNT(*) FROM accounts WHERE currency NOT IN ('USD','EUR','GBP','CAD','AUD','JPY') "
        "OR account_type NOT IN ('checking','savings','credit_card','cash','investment','other')",
        "SELECT COUNT(*) FROM categories WHERE parent_id = id",
    };
    for (const char *sql : checks)
        FuzzSupport::check(query.exec(QString::fromLatin1(sql)) && query.next() &&
                           query.value(0).toInt() == 0);
    for (const char *table : {"split_lines", "transactions", "recurring_transactions", "reconciliations",
                              "categories", "accounts"})
        query.exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    return 0;
}
