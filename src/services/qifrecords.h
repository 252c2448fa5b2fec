#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QtGlobal>

// The account type of the "!Type:" section a transaction was read in.
enum class QifAccountType {
    Bank = 0,
    CreditCard = 1,
    Investment = 2,
    Cash = 3,
    OtherAsset = 4,
    OtherLiability = 5
};

// Auto asks the parser to detect the order; a parse result never holds Auto.
enum class QifDateOrder { Auto = 0, MonthFirst = 1, DayFirst = 2 };

// At most one of category and transferAccount is non-empty.
struct QifSplit
{
    QString category;
    QString transferAccount;
    QString memo;
    qint64 amount = 0; // cents

    bool operator==(const QifSplit &) const = default;
};

struct QifTransaction
{
    QDate date;
    QString payee;
    qint64 amount = 0; // cents
    QString memo;
    QString category;
    QString transferAccount;
    QString checkNumber; // in investment sections the action ("Buy", "ShrsIn")
    QString security;
    bool cleared = false;
    bool reconciled = false;
    QList<QifSplit> splits;
    QString accountName; // the "!Account" block in force; empty when the file has none

    bool operator==(const QifTransaction &) const = default;
};

struct QifCategory
{
    QString name;
    QString description;
    bool isIncome = false;

    bool operator==(const QifCategory &) const = default;
};

struct QifAccountInfo
{
    QString name; // as first written in the file
    QifAccountType type = QifAccountType::Bank;

    bool operator==(const QifAccountInfo &) const = default;
};

struct QifParseResult
{
    QList<QifTransaction> transactions;
    QList<QifCategory> categories;
    int unparseableCount = 0; // records with content but without a valid date or amount
    int skippedCount = 0;     // records with content in ignored (metadata) sections
    QList<QifAccountInfo> accounts;
    QifDateOrder dateOrder = QifDateOrder::MonthFirst;
    // Set when the text broke one of the parser's bounds ("line 12: ..."); the records are then
    // dropped, since a file read only in part must not be imported in part.
    QString error;

    bool operator==(const QifParseResult &) const = default;
};

// The section header text of a type: "bank", "ccard", "invst", "cash", "oth a", "oth l".
QString qifAccountTypeText(QifAccountType type);
