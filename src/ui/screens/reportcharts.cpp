#include "reportcharts.h"

#include "ui/widgets/registerstyle.h"
#include "ui/widgets/thememanager.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QDate>
#include <QHorizontalBarSeries>
#include <QHorizontalStackedBarSeries>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QLocale>
#include <QPalette>
#include <QPieLegendMarker>
#include <QPieSeries>
#include <QPieSlice>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// The palette's teal accent, also the selection colour of the light theme.
QColor accentColor()
{
    return ThemeManager::color(ThemeColor::ChartPrimary);
}

QColor mutedColor()
{
    return ThemeManager::color(ThemeColor::ChartMuted);
}

double majorUnits(Money amount)
{
    return double(amount) / 100.0;
}

QChart *newChart()
{
    const QPalette palette = QApplication::palette();
    auto *chart = new QChart;
    chart->setBackgroundBrush(palette.color(QPalette::Base));
    chart->setBackgroundRoundness(0);
    // Room on the right for the last axis label, which is centred on the plot edge.
    chart->setMargins(QMargins(4, 4, 24, 4));
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->legend()->setLabelColor(palette.color(QPalette::Text));
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

void styleAxis(QAbstractAxis *axis)
{
    const QPalette palette = QApplication::palette();
    axis->setLabelsColor(palette.color(QPalette::Text));
    QColor grid = palette.color(QPalette::Text);
    grid.setAlpha(40);
    axis->setGridLineColor(grid);
    axis->setLinePenColor(grid);
    // Category and account names are the point of the axis; elided to "..." they say nothing.
    axis->setTruncateLabels(false);
}

QString wholeDollars(double value)
{
    const qint64 dollars = qRound64(value);
    const QString digits =
        QLocale(QLocale::English, QLocale::UnitedStates).toString(dollars < 0 ? -dollars : dollars);
    return (dollars < 0 ? QStringLiteral("-$") : QStringLiteral("$")) + digits;
}

// A value axis with the money written as the tables write it ("-$2,000"), which a printf
// pattern cannot do: the ticks of a nice-numbered value axis, labelled one by one.
QCategoryAxis *moneyAxis(double low, double high)
{
    low = std::min(0.0, low);
    high = std::max(0.0, high);
    // An empty report still gets a scale: a zero-width range has no nice numbers.
    if (high - low < 1.0)
        high = low + 100.0;
    QValueAxis nice;
    nice.setRange(low, high);
    nice.applyNiceNumbers();
    auto *axis = new QCategoryAxis;
    axis->setRange(nice.min(), nice.max());
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const int ticks = std::max(2, nice.tickCount());
    const double step = (nice.max() - nice.min()) / (ticks - 1);
    for (int tick = 0; tick < ticks; ++tick) {
        const double value = nice.min() + tick * step;
        axis->append(wholeDollars(value), value);
    }
    styleAxis(axis);
    return axis;
}

// Labels along `labelEdge` and money along the other edge, attached to every series of the chart.
void addAxes(QChart *chart, const QStringList &labels, Qt::Alignment labelEdge, double low, double high)
{
    auto *labelAxis = new QBarCategoryAxis;
    labelAxis->append(labels);
    styleAxis(labelAxis);
    chart->addAxis(labelAxis, labelEdge);
    QCategoryAxis *valueAxis = moneyAxis(low, high);
    chart->addAxis(valueAxis, labelEdge == Qt::AlignBottom ? Qt::AlignLeft : Qt::AlignBottom);
    const QList<QAbstractSeries *> series = chart->series();
    for (QAbstractSeries *one : series) {
        one->attachAxis(labelAxis);
        one->attachAxis(valueAxis);
    }
}

QBarSet *barSet(const QString &label, const QColor &color)
{
    auto *set = new QBarSet(label);
    set->setColor(color);
    set->setBorderColor(color);
    return set;
}

// A palette of distinct hues that read on both backgrounds.
QColor sliceColor(int index)
{
    return ThemeManager::seriesColor(index);
}

} // namespace

namespace ReportCharts {

QChart *categorySpendingChart(const QList<CategoryTotal> &rows)
{
    constexpr int maximumSlices = 8;
    QList<CategoryTotal> spending;
    for (const CategoryTotal &row : rows) {
        if (row.total < 0)
            spending.append(row);
    }
    std::stable_sort(spending.begin(), spending.end(),
                     [](const CategoryTotal &a, const CategoryTotal &b) { return a.total < b.total; });

    QChart *chart = newChart();
    auto *series = new QPieSeries;
    series->setHoleSize(0.5);
    series->setPieSize(0.85);
    Money other = 0;
    for (int i = 0; i < spending.size(); ++i) {
        if (i < maximumSlices) {
            const QString name = spending[i].name.isEmpty()
                                     ? QCoreApplication::translate("ReportCharts", "Uncategorized")
                                     : spending[i].name;
            QPieSlice *slice = series->append(name, majorUnits(-spending[i].total));
            slice->setColor(sliceColor(i));
            slice->setBorderColor(QApplication::palette().color(QPalette::Base));
        } else {
            other += -spending[i].total;
        }
    }
    if (other > 0) {
        QPieSlice *slice =
            series->append(QCoreApplication::translate("ReportCharts", "Other"), majorUnits(other));
        slice->setColor(mutedColor());
        slice->setBorderColor(QApplication::palette().color(QPalette::Base));
    }
    chart->addSeries(series);
    chart->legend()->setAlignment(Qt::AlignRight);
    // Percentages in the legend, so that the ring needs no labels that could overlap.
    const QList<QLegendMarker *> markers = chart->legend()->markers(series);
    for (QLegendMarker *marker : markers) {
        const auto *slice = qobject_cast<QPieSlice *>(static_cast<QPieLegendMarker *>(marker)->slice());
        if (slice)
            marker->setLabel(
                QStringLiteral("%1  %2%").arg(slice->label()).arg(slice->percentage() * 100.0, 0, 'f', 1));
    }
    return chart;
}

QList<MonthlyFlow> everyMonth(const QList<MonthlyFlow> &rows, const QDate &from, const QDate &to)
{
    const auto monthOf = [](const MonthlyFlow &row) {
        return QDate::fromString(row.month + QStringLiteral("-01"), Qt::ISODate);
    };
    const auto monthText = [](const QDate &month) {
        return month.toString(QStringLiteral("yyyy-MM"));
    };
    QList<MonthlyFlow> filled;
    const bool period = from.isValid() && to.isValid() && from <= to;
    const QDate firstMonth(period ? from.year() : 1, period ? from.month() : 1, 1);
    const QDate lastMonth(period ? to.year() : 1, period ? to.month() : 1, 1);
    constexpr int longestFilledPeriod = 60;
    if (period && firstMonth.addMonths(longestFilledPeriod) >= lastMonth) {
        const QDate firstRow = rows.isEmpty() ? lastMonth.addMonths(1) : monthOf(rows.first());
        if (!firstRow.isValid())
            return rows;
        for (QDate month = firstMonth; month < firstRow && month <= lastMonth; month = month.addMonths(1))
            filled.append({monthText(month)});
    }
    for (const MonthlyFlow &row : rows) {
        const QDate month = monthOf(row);
        if (!month.isValid())
            return rows;
        if (!filled.isEmpty()) {
            const QDate previous = monthOf(filled.constLast());
            if (month <= previous)
                return rows;
            for (QDate gap = previous.addMonths(1); gap < month; gap = gap.addMonths(1))
                filled.append({monthText(gap)});
        }
        filled.append(row);
    }
    if (period && !filled.isEmpty()) {
        for (QDate month = monthOf(filled.constLast()).addMonths(1); month <= lastMonth;
             month = month.addMonths(1))
            filled.append({monthText(month)});
    }
    return filled;
}

int monthLabelStep(int months, int maximumLabels)
{
    maximumLabels = std::max(1, maximumLabels);
    for (int step : {1, 2, 3, 6, 12}) {
        if ((months + step - 1) / step <= maximumLabels)
            return step;
    }
    int years = 2;
    while ((months + 12 * years - 1) / (12 * years) > maximumLabels)
        ++years;
    return 12 * years;
}

QChart *monthlyFlowChart(const QList<MonthlyFlow> &given, const QString &inLabel, const QString &outLabel,
                         const QDate &from, const QDate &to)
{
    const QList<MonthlyFlow> rows = everyMonth(given, from, to);
    QChart *chart = newChart();
    QBarSet *inflows = barSet(inLabel, positiveColor());
    QBarSet *outflows = barSet(outLabel, negativeColor());
    auto *net = new QLineSeries;
    net->setName(QCoreApplication::translate("ReportCharts", "Net"));
    QPen pen(accentColor());
    pen.setWidth(3);
    net->setPen(pen);
    net->setPointsVisible(true);

    // Months on a value axis, labelled at calendar steps (quarters, years) so that ten years of
    // months stay readable; the bars of month i stand at x = i.
    auto *monthAxis = new QCategoryAxis;
    monthAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    monthAxis->setRange(-0.5, std::max<qsizetype>(1, rows.size()) - 0.5);
    const int step = monthLabelStep(int(rows.size()));
    double low = 0;
    double high = 0;
    for (int i = 0; i < rows.size(); ++i) {
        const MonthlyFlow &row = rows[i];
        const QDate month = QDate::fromString(row.month + QStringLiteral("-01"), Qt::ISODate);
        const bool labelled = month.isValid()
                                  ? ((month.year() * 12 + month.month() - 1) % step == 0 || rows.size() == 1)
                                  : i % step == 0;
        if (labelled) {
            QString label = row.month;
            if (month.isValid())
                label =
                    QLocale().toString(month, step >= 12 ? QStringLiteral("yyyy") : QStringLiteral("MMM yy"));
            monthAxis->append(label, i);
        }
        inflows->append(majorUnits(row.inflows));
        outflows->append(majorUnits(row.outflows));
        net->append(i, majorUnits(row.net));
        low = std::min({low, majorUnits(row.outflows), majorUnits(row.net)});
        high = std::max({high, majorUnits(row.inflows), majorUnits(row.net)});
    }
    auto *bars = new QBarSeries;
    bars->append(inflows);
    bars->append(outflows);
    bars->setBarWidth(0.7);
    chart->addSeries(bars);
    chart->addSeries(net);

    styleAxis(monthAxis);
    monthAxis->setGridLineVisible(false);
    chart->addAxis(monthAxis, Qt::AlignBottom);
    QCategoryAxis *valueAxis = moneyAxis(low, high);
    chart->addAxis(valueAxis, Qt::AlignLeft);
    for (QAbstractSeries *one : chart->series()) {
        one->attachAxis(monthAxis);
        one->attachAxis(valueAxis);
    }
    return chart;
}

QChart *yearOverYearChart(const QList<YearOverYearRow> &rows)
{
    constexpr int maximumCategories = 8;
    QList<YearOverYearRow> largest = rows;
    const auto size = [](const YearOverYearRow &row) {
        return std::max(std::abs(row.period1), std::abs(row.period2));
    };
    std::stable_sort(
        largest.begin(), largest.end(),
        [&size](const YearOverYearRow &a, const YearOverYearRow &b) { return size(a) > size(b); });
    if (largest.size() > maximumCategories)
        largest.resize(maximumCategories);
    // Horizontal bars list from the bottom up; reversing puts the largest at the top.
    std::reverse(largest.begin(), largest.end());

    QChart *chart = newChart();
    QBarSet *first = barSet(QCoreApplication::translate("ReportCharts", "Period 1"), mutedColor());
    QBarSet *second = barSet(QCoreApplication::translate("ReportCharts", "Period 2"), accentColor());
    QStringList categories;
    double low = 0;
    double high = 0;
    for (const YearOverYearRow &row : std::as_const(largest)) {
        categories.append(row.category.isEmpty()
                              ? QCoreApplication::translate("ReportCharts", "Uncategorized")
                              : row.category);
        first->append(majorUnits(row.period1));
        second->append(majorUnits(row.period2));
        low = std::min({low, majorUnits(row.period1), majorUnits(row.period2)});
        high = std::max({high, majorUnits(row.period1), majorUnits(row.period2)});
    }
    auto *bars = new QHorizontalBarSeries;
    bars->append(first);
    bars->append(second);
    chart->addSeries(bars);
    addAxes(chart, categories, Qt::AlignLeft, low, high);
    return chart;
}

QChart *accountSummaryChart(const QList<AccountSummaryRow> &rows)
{
    QChart *chart = newChart();
    QBarSet *cleared = barSet(QCoreApplication::translate("ReportCharts", "Cleared"), accentColor());
    QBarSet *uncleared = barSet(QCoreApplication::translate("ReportCharts", "Uncleared"), mutedColor());
    QStringList names;
    double low = 0;
    double high = 0;
    // Bottom-up, so the list order reads from the top.
    for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
        names.append(it->name);
        cleared->append(majorUnits(it->clearedBalance));
        uncleared->append(majorUnits(it->unclearedTotal));
        // Stacked: the bar ends where the balance is, whatever the signs of its two parts.
        const double positives =
            std::max(0.0, majorUnits(it->clearedBalance)) + std::max(0.0, majorUnits(it->unclearedTotal));
        const double negatives =
            std::min(0.0, majorUnits(it->clearedBalance)) + std::min(0.0, majorUnits(it->unclearedTotal));
        low = std::min(low, negatives);
        high = std::max(high, positives);
    }
    auto *bars = new QHorizontalStackedBarSeries;
    bars->append(cleared);
    bars->append(uncleared);
    chart->addSeries(bars);
    addAxes(chart, names, Qt::AlignLeft, low, high);
    return chart;
}

} // namespace ReportCharts
