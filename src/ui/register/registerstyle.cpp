#include "registerstyle.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QWidget>

bool isDarkPalette()
{
    return QApplication::palette().color(QPalette::Window).lightness() < 128;
}

QColor positiveColor()
{
    return isDarkPalette() ? QColor(u"#66BB6A") : QColor(u"#2E7D32");
}

QColor negativeColor()
{
    return isDarkPalette() ? QColor(u"#FF8A80") : QColor(u"#C62828");
}

QColor warningColor()
{
    return isDarkPalette() ? QColor(u"#FFA726") : QColor(u"#E65100");
}

QColor incomeTextColor()
{
    return isDarkPalette() ? QColor(u"#66BB6A") : QColor(u"#008800");
}

QColor secondaryTextColor()
{
    return QColor(u"#6E8A7E");
}

QFont monospaceFont()
{
    QFont font(QStringLiteral("monospace"));
    font.setPointSizeF(QApplication::font().pointSizeF());
    font.setStyleHint(QFont::Monospace);
    return font;
}

QFont iconFont()
{
    return QFont(QStringLiteral("Material Icons"));
}

QPixmap calendarIcon(const QWidget *widget)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font = iconFont();
    font.setPixelSize(16);
    painter.setFont(font);
    painter.setPen(widget->palette().color(QPalette::PlaceholderText));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(QChar(0xE935)));
    return pixmap;
}

QColor pendingRowBackground()
{
    return isDarkPalette() ? QColor(u"#1A2E28") : QColor(u"#E8F5E9");
}
