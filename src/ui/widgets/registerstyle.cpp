#include "registerstyle.h"

#include "thememanager.h"

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
    return ThemeManager::color(ThemeColor::Positive);
}

QColor negativeColor()
{
    return ThemeManager::color(ThemeColor::Negative);
}

QColor warningColor()
{
    return ThemeManager::color(ThemeColor::Warning);
}

QColor incomeTextColor()
{
    return ThemeManager::color(ThemeColor::Income);
}

QColor secondaryTextColor()
{
    return ThemeManager::color(ThemeColor::SecondaryText);
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
    return ThemeManager::color(ThemeColor::PendingRow);
}
