#pragma once

#include "data/money.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class Database;

// A deterministic, realistic household data set: the same seed and size always give the same
// accounts, payees, amounts and dates, so benchmark figures compare like with like.
struct GeneratedSplit
{
    QString category; // "Parent:Child" or a top-level name
    Money amount = 0;
    QString memo;
};

struct GeneratedTransaction
{
    int account = 0; // index into GeneratedData::accounts
    QDate date;
    QString payee;
    QString memo;
    Money amount = 0;
    QString category;         // "Parent:Child", a top-level name, or empty
    int transferAccount = -1; // other leg's account, or -1
    int transferPartner = -1; // index of the other leg, or -1
    QString checkNumber;
    bool cleared = false;
    bool reconciled = false;
    QList<GeneratedSplit> splits;
};

struct GeneratedAccount
{
    QString name;
    QString type;    // stored account type text
    QString qifType; // "Bank", "CCard", "Cash"
    Money startingBalance = 0;
};

struct GeneratedData
{
    QList<GeneratedAccount> accounts;
    QList<GeneratedTransaction> transactions; // sorted by date within each account
    QStringList categories;                   // every category path used, "Parent:Child" or top-level
};

class DataGenerator
{
public:
    explicit DataGenerator(quint64 seed = 20261210);

    // About `count` transactions (transfers count both legs) over the ten years ending `lastDate`.
    GeneratedData generate(int count, const QDate &lastDate = QDate(2026, 11, 30));

    static QByteArray toQif(const GeneratedData &data);
    // One CSV file per account: Date,Payee,Amount,Memo,Category with dates as MM/dd/yyyy.
    static QList<QByteArray> toCsv(const GeneratedData &data);
    // Writes the data set into a migrated, empty database in one transaction. False on failure.
    static bool toDatabase(const GeneratedData &data, Database &database, QString *error = nullptr);

private:
    quint64 next();
    int below(int bound);
    bool chance(int percent);

    quint64 m_state;
};
