#pragma once

#include <QDate>
#include <QList>
#include <QString>

// A named reporting period, inclusive at both ends. Custom carries no dates: the user sets them.
struct PeriodPreset
{
    QString label;
    QDate from;
    QDate to;

    bool operator==(const PeriodPreset &) const = default;
};

// The two periods of a year-over-year comparison; the first is the earlier one.
struct ComparePeriods
{
    QString label;
    QDate from1;
    QDate to1;
    QDate from2;
    QDate to2;

    bool operator==(const ComparePeriods &) const = default;
};
