#pragma once

#include "services/accountsummaryrow.h"
#include "services/categorytotal.h"
#include "services/monthlyflow.h"
#include "services/yearoveryearrow.h"

#include <QList>

class QChart;

// The pictures above the report tables. Each returns a new chart (the caller's chart view takes
// it over), coloured from the application palette as it is now, so callers build them again after
// a theme change. Amounts are drawn in major units; the tables stay the exact figures.
namespace ReportCharts {

// Spending only (negative totals), as a donut of the largest categories plus one "Other" slice.
QChart *categorySpendingChart(const QList<CategoryTotal> &rows);
// Monthly bars of money in and money out, with the net as a line across them. Every month from the
// first to the last of `rows` has its place on the axis; one without figures shows as zero.
QChart *monthlyFlowChart(const QList<MonthlyFlow> &rows, const QString &inLabel, const QString &outLabel);

// `rows` (months "yyyy-MM", ascending) with the months missing between them added as zero rows.
// Rows whose month does not read as a date are returned unchanged.
QList<MonthlyFlow> everyMonth(const QList<MonthlyFlow> &rows);
// How many months apart the labels of a month axis of `months` months are, so that at most
// `maximumLabels` are shown: 1, 2, 3, 6, 12, then whole multiples of 12 years... of months.
int monthLabelStep(int months, int maximumLabels = 12);
// Paired bars per category, the categories with the largest amounts first.
QChart *yearOverYearChart(const QList<YearOverYearRow> &rows);
QChart *accountSummaryChart(const QList<AccountSummaryRow> &rows);

} // namespace ReportCharts
