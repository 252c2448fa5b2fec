#include "smartamountfield.h"

#include <QKeyEvent>
#include <QLineEdit>

SmartAmountField::SmartAmountField(QWidget *parent)
    : QDoubleSpinBox(parent)
{
    setDecimals(2);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void SmartAmountField::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    if (!typed.isEmpty()) {
        QString decimalPoint = locale().decimalPoint();
        if (decimalPoint.isEmpty())
            decimalPoint = QStringLiteral(".");
        const QChar first = typed.front();
        const bool isSeparator = typed.startsWith(decimalPoint) || first == u'.' || first == u',';
        const int pointPosition = lineEdit()->text().indexOf(decimalPoint);
        if (isSeparator && pointPosition >= 0) {
            lineEdit()->deselect();
            lineEdit()->setCursorPosition(pointPosition + decimalPoint.size());
            event->accept();
            return;
        }
    }
    QDoubleSpinBox::keyPressEvent(event);
}
