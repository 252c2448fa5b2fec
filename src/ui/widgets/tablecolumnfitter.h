#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>

class QTableView;
class QTimer;

// Sizes a table's columns to what they show, so that they read at every window size, font and
// display scale. A content column (dates, amounts, flags) is exactly as wide as the widest of its
// header, the texts of the sampled rows and the extra samples its owner gives, measured in the
// fonts the cells are drawn in. The text columns share what is left: each gets what nine in ten
// of its sampled texts need (capped), then, when the view fills its width, the rest by weight; when the room
// is short the columns of least weight give way first, down to their minimums, and only below those does a
// scroll bar appear.
//
// The fitter samples the first and last rows of the model, so a register of 100,000 rows costs
// what one of a few hundred does. It refits when the view is resized, its model reset, rows come
// or go, or the font or style changes; typing into a row never moves a column.
class TableColumnFitter : public QObject
{
    Q_OBJECT

public:
    // Owned by the view; starts with every column as a text column of weight 1.
    explicit TableColumnFitter(QTableView *view);

    // `allowance` pixels are added for what an editor draws beside its text (a calendar button).
    void setContentColumn(int column, int allowance = 0);
    // `minimumCharacters` and `maximumCharacters` count average characters of the view's font.
    void setTextColumn(int column, int weight, int minimumCharacters, int maximumCharacters = 40);
    // Texts the column must fit that the sampled rows may lack (the largest amount of the register).
    void setExtraSamples(int column, const QStringList &samples);
    // On: the text columns grow to fill the view. Off: they grow no wider than their maximum and
    // the rest of the row stays empty, so figures stay beside their names on a wide screen.
    void setFillsWidth(bool fills) { m_fillsWidth = fills; }

    // Measures the content again and sets the widths now (a refill that kept the row count, a
    // test that cannot wait for the event loop).
    void fit();
    // The width a column asks for: its header and, for a content column, its widest sampled text
    // or extra sample; for a text column, nine in ten of those.
    int neededWidth(int column);
    int minimumWidth(int column) const;

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct ColumnRule
    {
        bool content = false;
        int allowance = 0;
        int weight = 1;
        int minimumCharacters = 6;
        int maximumCharacters = 40;
        QStringList extraSamples;
    };

    void measure();
    // Sets the widths from the last measurement, measuring first when the content changed.
    void apply();
    void scheduleFit(bool remeasure);
    void watchModel();
    int padding() const;
    ColumnRule rule(int column) const { return m_rules.value(column); }

    QTableView *m_view;
    QHash<int, ColumnRule> m_rules;
    QList<int> m_needed; // per column, pixels; valid while m_measured
    bool m_measured = false;
    bool m_fillsWidth = true;
    bool m_fitting = false;
    QTimer *m_refit;
};
