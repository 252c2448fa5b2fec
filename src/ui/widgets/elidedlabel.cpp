#include "elidedlabel.h"

#include <QPainter>

ElidedLabel::ElidedLabel(QWidget *parent)
    : QLabel(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

ElidedLabel::ElidedLabel(const QString &text, QWidget *parent)
    : ElidedLabel(parent)
{
    setText(text);
}

void ElidedLabel::setText(const QString &text)
{
    m_fullText = text;
    QLabel::setText(text);
    update();
}

QSize ElidedLabel::sizeHint() const
{
    return {fontMetrics().horizontalAdvance(m_fullText), fontMetrics().height()};
}

QSize ElidedLabel::minimumSizeHint() const
{
    return {0, fontMetrics().height()};
}

void ElidedLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QString elided = fontMetrics().elidedText(m_fullText, Qt::ElideRight, width());
    painter.drawText(rect(), int(alignment()), elided);
}

void ElidedLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    update();
}
