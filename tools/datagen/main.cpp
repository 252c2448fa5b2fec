#include "datagenerator.h"

#include "data/database.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "zimbrel-datagen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a deterministic household data set: a multi-account QIF file, one CSV file per account and a "
        "ready database (zimbrel.db) in OUT_DIR."));
    parser.addHelpOption();
    parser.addOption({QStringLiteral("transactions"), QStringLiteral("Number of transactions."),
                      QStringLiteral("N"), QStringLiteral("10000")});
    parser.addOption({QStringLiteral("seed"), QStringLiteral("Random seed."), QStringLiteral("SEED"),
                      QStringLiteral("20261210")});
    parser.addOption({QStringLiteral("no-db"), QStringLiteral("Skip the database.")});
    parser.addPositionalArgument(QStringLiteral("OUT_DIR"), QStringLiteral("Output directory."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    bool ok = false;
    const int count = parser.value(QStringLiteral("transactions")).toInt(&ok);
    const quint64 seed = parser.value(QStringLiteral("seed")).toULongLong();
    if (!ok || count < 1) {
        std::fprintf(stderr, "zimbrel-datagen: --transactions needs a positive number\n");
        return 2;
    }
    const QString outDir = parser.positionalArguments().first();
    QDir().mkpath(outDir);

    DataGenerator generator(seed);
    const GeneratedData data = generator.generate(count);
    if (!writeFile(outDir + QStringLiteral("/transactions.qif"), DataGenerator::toQif(data)))
        return 1;
    const QList<QByteArray> csvFiles = DataGenerator::toCsv(data);
    for (int i = 0; i < csvFiles.size(); ++i) {
        if (!writeFile(QStringLiteral("%1/account-%2.csv").arg(outDir).arg(i + 1), csvFiles[i]))
            return 1;
    }
    if (!parser.isSet(QStringLiteral("no-db"))) {
        const QString path = outDir + QStringLiteral("/zimbrel.db");
        QFile::remove(path);
        QFile::remove(path + QStringLiteral("-wal"));
        QFile::remove(path + QStringLiteral("-shm"));
        Database database;
        QString error;
        if (!database.open(path) || !database.runMigrations() ||
            !DataGenerator::toDatabase(data, database, &error)) {
            std::fprintf(stderr, "zimbrel-datagen: cannot write the database: %s\n", qPrintable(error));
            return 1;
        }
    }
    std::printf("{\"transactions\": %lld, \"accounts\": %lld, \"out_dir\": \"%s\"}\n",
                static_cast<long long>(data.transactions.size()),
                static_cast<long long>(data.accounts.size()), qPrintable(QDir(outDir).absolutePath()));
    return 0;
}
