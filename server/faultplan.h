#pragma once

#include <QString>

#include <random>

// Misbehaviour on purpose, on a schedule fixed by a seed, so a client's recovery can be tested:
// the same SPEC and the same sequence of requests give the same faults. SPEC (the text of --faults) is a
// comma list:
//   seed=N           seed of the schedule (default 1)
//   push500=P        a push is rolled back and answered 500
//   dropafter=P      a push is committed, then the connection is dropped without an answer
//   delay=P:MS       any API answer is held back MS milliseconds
//   auth401=P        an authenticated request is answered 401, so the client refreshes its token
//   duplicate=P      a pull page is answered without moving the cursor, so it comes again
// where P is a probability from 0 to 1. Each kind draws from the schedule only for the requests
// it applies to.
class FaultPlan
{
public:
    // An empty plan when `schedule` is empty; `error` is set and the plan empty when it is malformed.
    static FaultPlan parse(const QString &schedule, QString *error);

    bool isEmpty() const;
    bool pushFails();
    bool dropAfterPush();
    int delayMilliseconds();
    bool refusesToken();
    bool repeatsPage();

private:
    bool draw(double probability);

    std::mt19937_64 m_random{1};
    double m_push500 = 0;
    double m_dropAfter = 0;
    double m_delay = 0;
    int m_delayMilliseconds = 0;
    double m_auth401 = 0;
    double m_duplicate = 0;
};
