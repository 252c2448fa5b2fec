#pragma once

#include "splitline.h"

#include <QObject>

class Database;

// Writes split lines. Split lines carry no sync metadata and announce nothing.
class SplitLineRepository : public QObject
{
    Q_OBJECT

public:
    explicit SplitLineRepository(Database *database, QObject *parent = nullptr);

    // False, with the warning "SplitLineRepository::insert failed:", on failure.
    bool insert(const SplitLine &line);

private:
    Database *m_database;
};
