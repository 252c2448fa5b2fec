#pragma once

#include "sync/synccycleresult.h"

#include <QHash>
#include <QJsonObject>
#include <QMap>
#include <QString>
#include <QUrl>

#include <memory>

class AccountRepository;
class AccountService;
class CategoryRepository;
class CategoryService;
class Database;
class PreferencesRepository;
class ReconciliationRepository;
class ReconciliationService;
class RecurringRepository;
class RecurringService;
class SyncEngine;
class TransactionRepository;
class TransactionService;

namespace CorvantisAccount {
class Client;
}

// One computer of a sync check: its own data directory and its own sign-in, opened for one step at
// a time (the sync engine works on the default database connection, so only one device of a
// process may be open at once). While open it holds the app's repositories, services and engine.
class SyncDevice
{
public:
    SyncDevice(const QString &name, const QString &dataDirectory);
    ~SyncDevice();

    // The tokens this device's sign-in gave; kept across opens, updated by the engine's refreshes.
    void setTokens(const QString &accessToken, const QString &refreshToken);
    QString accessToken() const;

    // Opens the database (seeding the default categories like the app) and a cloud client for the
    // service at `origin`. False, with the reason in lastError(), when the database does not open.
    bool open(const QUrl &origin);
    void close();
    bool isOpen() const { return m_open != nullptr; }

    struct SyncOutcome
    {
        bool ok = false;
        int cycles = 0;
        SyncCycleResult totals;
        QString error;
    };
    // Runs cycles until one ends without more pages (or fails, or `maxCycles` ran).
    SyncOutcome sync(int maxCycles = 20);

    // The live synchronised rows as the server holds them: "table/id" → the pushed payload with the
    // change's version, without the device's server id.
    QMap<QString, QJsonObject> liveRows() const;
    int pendingTotal() const;

    QString name() const { return m_name; }
    QString lastError() const { return m_lastError; }

    Database *database() const;
    AccountRepository *accounts() const;
    TransactionRepository *transactions() const;
    CategoryRepository *categories() const;
    RecurringRepository *recurring() const;
    ReconciliationRepository *reconciliations() const;
    AccountService *accountService() const;
    TransactionService *transactionService() const;
    CategoryService *categoryService() const;
    RecurringService *recurringService() const;
    ReconciliationService *reconciliationService() const;
    SyncEngine *engine() const;

private:
    struct Open;

    QString m_name;
    QString m_directory;
    QHash<QString, QString> m_tokens;
    std::unique_ptr<Open> m_open;
    QString m_lastError;
};
