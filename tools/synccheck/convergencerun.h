#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

class CloudHttp;

// One seeded run of the convergence check: devices of one user make random changes of every kind
// (accounts, transactions, transfers, categories, schedules, reconciliations, deletions, the same
// row edited on two devices) and sync in random order with a service that misbehaves; then, with a
// well-behaved service on the same data, every device syncs until a round changes nothing. The run
// converged when every device then holds the server's live rows and nothing is pending.
struct ConvergenceOptions
{
    quint64 seed = 1;
    int devices = 3;
    int steps = 60;
    QString workDirectory; // each device gets a directory below it
    QUrl faultyService;    // the service the random phase syncs with
    QUrl quietService;     // the same data without faults
    CloudHttp *quietHttp = nullptr;
    QString email; // a user already signed up on the service
};

struct ConvergenceReport
{
    bool converged = false;
    QString failure;     // why not, for the first device or row that differs
    int changes = 0;     // changes made by the devices
    int syncs = 0;       // syncs in the random phase
    int failedSyncs = 0; // of which ended with an error (faults)
    int quietRounds = 0; // rounds until nothing changed
    int serverRows = 0;  // live rows the server holds at the end
    QStringList log;     // one line per step, for a failing seed
};

ConvergenceReport runConvergence(const ConvergenceOptions &options);
