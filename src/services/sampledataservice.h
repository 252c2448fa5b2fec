#pragma once

#include <QObject>

class Database;

// The developer sample set: three accounts ("sample-acct-checking", "sample-acct-savings",
// "sample-acct-visa"), about two months of transactions dated relative to today, two transfers
// and three recurring schedules. Every row it writes has an id starting with "sample-", which is
// how it finds them again.
class SampleDataService : public QObject
{
    Q_OBJECT

public:
    explicit SampleDataService(Database *database, QObject *parent = nullptr);

    bool hasSampleData() const;

    // Writes the whole set in one transaction: false, with nothing written, when any row fails
    // (for example because a sample account is still there).
    bool loadSampleData();

    // Removes the sample rows. A row the user added never goes: a sample account that holds such
    // rows stays, with only its sample rows removed (and hasSampleData() stays true while it
    // does). Split lines of a sample transaction go with it. False when the database refused.
    bool clearSampleData();

private:
    Database *m_database;
};
