#include "tablecolumnfitter.h"

#include <QAbstractItemModel>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>
#include <QTimer>

#include <algorithm>
#include <numeric>

namespace {

// Rows measured from each end of the model: the ends are what a table opens on.
constexpr int sampledRowsAtEachEnd = 200;

} // namespace

TableColumnFitter::TableColumnFitter(QTableView *view)
    : QObject(view)
    , m_view(view)
    , m_refit(new QTimer(this))
{
    m_refit->setSingleShot(true);
    m_refit->setInterval(0);
    connect(m_refit, &QTimer::timeout, this, &TableColumnFitter::apply);
    QHeaderView *header = m_view->horizontalHeader();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    m_view->viewport()->installEventFilter(this);
    m_view->installEventFilter(this);
    watchModel();
}

void TableColumnFitter::watchModel()
{
    QAbstractItemModel *model = m_view->model();
    if (!model)
        return;
    const auto remeasure = [this] {
        scheduleFit(true);
    };
    connect(model, &QAbstractItemModel::modelReset, this, remeasure);
    connect(model, &QAbstractItemModel::layoutChanged, this, remeasure);
    connect(model, &QAbstractItemModel::rowsInserted, this, remeasure);
    connect(model, &QAbstractItemModel::rowsRemoved, this, remeasure);
    connect(model, &QAbstractItemModel::columnsInserted, this, remeasure);
    connect(model, &QAbstractItemModel::headerDataChanged, this, remeasure);
}

void TableColumnFitter::setContentColumn(int column, int allowance)
{
    ColumnRule &columnRule = m_rules[column];
    columnRule.content = true;
    columnRule.allowance = allowance;
    m_measured = false;
}

void TableColumnFitter::setTextColumn(int column, int weight, int minimumCharacters, int maximumCharacters)
{
    ColumnRule &columnRule = m_rules[column];
    columnRule.content = false;
    columnRule.weight = std::max(0, weight);
    columnRule.minimumCharacters = std::max(1, minimumCharacters);
    columnRule.maximumCharacters = std::max(columnRule.minimumCharacters, maximumCharacters);
    m_measured = false;
}

void TableColumnFitter::setExtraSamples(int column, const QStringList &samples)
{
    ColumnRule &columnRule = m_rules[column];
    if (columnRule.extraSamples == samples)
        return;
    columnRule.extraSamples = samples;
    m_measured = false;
}

void TableColumnFitter::scheduleFit(bool remeasure)
{
    if (remeasure)
        m_measured = false;
    m_refit->start();
}

bool TableColumnFitter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view->viewport() && event->type() == QEvent::Resize) {
        scheduleFit(false);
    } else if (watched == m_view &&
               (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange ||
                event->type() == QEvent::ApplicationFontChange)) {
        scheduleFit(true);
    }
    return QObject::eventFilter(watched, event);
}

int TableColumnFitter::padding() const
{
    // The style's text margin on both sides of a cell, and at least the register's own inset of
    // four pixels a side, plus two for rounding of fractional advances.
    const int styleMargin = m_view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, m_view) + 1;
    return 2 * std::max(4, styleMargin) + 2;
}

int TableColumnFitter::minimumWidth(int column) const
{
    const ColumnRule columnRule = rule(column);
    if (columnRule.content)
        return 0;
    return columnRule.minimumCharacters * m_view->fontMetrics().averageCharWidth() + padding();
}

int TableColumnFitter::neededWidth(int column)
{
    if (!m_measured)
        measure();
    return column >= 0 && column < m_needed.size() ? m_needed.at(column) : 0;
}

void TableColumnFitter::measure()
{
    const QAbstractItemModel *model = m_view->model();
    const int columns = model ? model->columnCount() : 0;
    const int rows = model ? model->rowCount() : 0;
    QList<int> sampleRows;
    for (int row = 0; row < std::min(rows, sampledRowsAtEachEnd); ++row)
        sampleRows.append(row);
    for (int row = std::max(sampledRowsAtEachEnd, rows - sampledRowsAtEachEnd); row < rows; ++row)
        sampleRows.append(row);

    const int cellPadding = padding();
    const QFont viewFont = m_view->font();
    m_needed = QList<int>(columns, 0);
    for (int column = 0; column < columns; ++column) {
        if (m_view->isColumnHidden(column))
            continue;
        const ColumnRule columnRule = rule(column);
        const int headerWidth = m_view->horizontalHeader()->sectionSizeHint(column);
        QList<int> cellWidths;
        cellWidths.reserve(sampleRows.size());
        // Cells of one column mostly share a font; the metrics are built again only when it changes.
        QFont font = viewFont;
        QFontMetrics metrics(font);
        QFont columnFont = viewFont;
        for (int row : std::as_const(sampleRows)) {
            const QModelIndex index = model->index(row, column);
            const QVariant fontData = index.data(Qt::FontRole);
            const QFont cellFont = fontData.isValid() ? fontData.value<QFont>().resolve(viewFont) : viewFont;
            if (cellFont != font) {
                font = cellFont;
                metrics = QFontMetrics(font);
            }
            if (row == sampleRows.constFirst())
                columnFont = cellFont;
            const QString text = index.data(Qt::DisplayRole).toString();
            if (!text.isEmpty())
                cellWidths.append(metrics.horizontalAdvance(text) + cellPadding);
        }
        const QFontMetrics extraMetrics(columnFont);
        for (const QString &sample : columnRule.extraSamples)
            cellWidths.append(extraMetrics.horizontalAdvance(sample) + cellPadding);
        int needed = headerWidth;
        if (!cellWidths.isEmpty()) {
            // A content column fits every value; a text column fits nine in ten of its texts, so
            // one long payee does not take the room the common ones need.
            std::sort(cellWidths.begin(), cellWidths.end());
            const qsizetype pick =
                columnRule.content ? cellWidths.size() - 1 : (cellWidths.size() - 1) * 9 / 10;
            needed = std::max(needed, cellWidths.at(pick));
        }
        m_needed[column] = needed + (columnRule.content ? columnRule.allowance : 0);
    }
    m_measured = true;
}

void TableColumnFitter::fit()
{
    m_measured = false;
    apply();
}

void TableColumnFitter::apply()
{
    if (m_fitting)
        return;
    m_refit->stop();
    if (!m_measured)
        measure();
    const int available = m_view->viewport()->width();
    if (available <= 0)
        return;

    struct TextColumn
    {
        int column;
        int weight;
        int minimum;
        int maximum;
        int desired;
        int width = 0;
    };
    QList<TextColumn> texts;
    int contentTotal = 0;
    QHeaderView *header = m_view->horizontalHeader();
    const int average = m_view->fontMetrics().averageCharWidth();
    const int cellPadding = padding();
    QList<QPair<int, int>> widths;
    for (int column = 0; column < m_needed.size(); ++column) {
        if (m_view->isColumnHidden(column))
            continue;
        const ColumnRule columnRule = rule(column);
        if (columnRule.content) {
            contentTotal += m_needed.at(column);
            widths.append({column, m_needed.at(column)});
            continue;
        }
        const int minimum = minimumWidth(column);
        const int maximum = std::max(minimum, columnRule.maximumCharacters * average + cellPadding);
        texts.append(
            {column, columnRule.weight, minimum, maximum, std::clamp(m_needed.at(column), minimum, maximum)});
    }

    const int room = available - contentTotal;
    const int desiredTotal = std::accumulate(
        texts.cbegin(), texts.cend(), 0, [](int sum, const TextColumn &text) { return sum + text.desired; });
    const int minimumTotal = std::accumulate(
        texts.cbegin(), texts.cend(), 0, [](int sum, const TextColumn &text) { return sum + text.minimum; });
    const int weightTotal = std::accumulate(
        texts.cbegin(), texts.cend(), 0, [](int sum, const TextColumn &text) { return sum + text.weight; });
    if (room >= desiredTotal) {
        const int extra = room - desiredTotal;
        int given = 0;
        for (TextColumn &text : texts) {
            int share = weightTotal > 0 ? int(qint64(extra) * text.weight / weightTotal) : 0;
            // Not filling the view: a column grows no further than its maximum.
            if (!m_fillsWidth)
                share = std::min(share, text.maximum - text.desired);
            text.width = text.desired + share;
            given += share;
        }
        // Rounding leftovers go to the last growing column, so the row ends at the view's edge.
        if (m_fillsWidth && extra > given) {
            for (auto it = texts.rbegin(); it != texts.rend(); ++it) {
                if (it->weight > 0) {
                    it->width += extra - given;
                    break;
                }
            }
        }
    } else if (room > minimumTotal) {
        // Short of room: the columns of least weight give way first, each down to its minimum.
        for (TextColumn &text : texts)
            text.width = text.desired;
        QList<TextColumn *> yielding;
        for (TextColumn &text : texts)
            yielding.append(&text);
        std::stable_sort(yielding.begin(), yielding.end(),
                         [](const TextColumn *a, const TextColumn *b) { return a->weight < b->weight; });
        int deficit = desiredTotal - room;
        for (TextColumn *text : std::as_const(yielding)) {
            const int given = std::min(deficit, text->width - text->minimum);
            text->width -= given;
            deficit -= given;
        }
    } else {
        for (TextColumn &text : texts)
            text.width = text.minimum;
    }
    for (const TextColumn &text : std::as_const(texts))
        widths.append({text.column, text.width});

    m_fitting = true;
    for (const auto &[column, width] : std::as_const(widths)) {
        if (header->sectionSize(column) != width)
            header->resizeSection(column, width);
    }
    m_fitting = false;
}
