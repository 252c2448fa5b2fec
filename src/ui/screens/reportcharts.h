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
// Monthly bars of money in and money out, with the net as a line across them.
QChart *monthlyFlowChart(const QList<MonthlyFlow> &rows, const QString &inLabel, const QString &outLabel);
// Paired bars per category, the categories with the largest amounts first.
QChart *yearOverYearChart(const QList<YearOverYearRow> &rows);
QChart *accountSummaryChart(const QList<AccountSummaryRow> &rows);

} // namespace ReportCharts
