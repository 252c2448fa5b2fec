#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>

class QWidget;

// Colours and fonts shared by the register, the dialogs and the status bar. The colours follow the
// installed application palette, so callers ask again after a theme change instead of caching.

// True when the application palette's window colour is dark (lightness below 128).
bool isDarkPalette();

QColor positiveColor();
QColor negativeColor();
QColor warningColor();

// The type "Income" in the category tree.
QColor incomeTextColor();

// The grey of placeholders, memos and other secondary text; the same on both palettes.
QColor secondaryTextColor();

// Monospace at the application font's point size, so amounts line up in columns.
QFont monospaceFont();

// "Material Icons", registered from the resources at start-up.
QFont iconFont();

// The calendar_today glyph, 16 x 16, in the widget palette's placeholder colour.
QPixmap calendarIcon(const QWidget *widget);

// Background of the row being typed into, in the one-line layout.
QColor pendingRowBackground();
