#pragma once

#include <QDoubleSpinBox>

// An amount spin box with two decimals, right-aligned. Typing the decimal separator (or "." or ",")
// when the text already has one jumps to the cents instead of being inserted. Each user sets the
// range it needs.
class SmartAmountField : public QDoubleSpinBox
{
    Q_OBJECT

public:
    explicit SmartAmountField(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
