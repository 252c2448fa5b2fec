#include "thememanager.h"

#include "data/preferencesrepository.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleOptionSlider>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformtheme.h>

namespace {

struct PaletteColors
{
    const char16_t *window;
    const char16_t *windowText;
    const char16_t *base;
    const char16_t *alternateBase;
    const char16_t *text;
    const char16_t *button;
    const char16_t *buttonText;
    const char16_t *highlight;
    const char16_t *highlightedText;
    const char16_t *toolTipBase;
    const char16_t *toolTipText;
    const char16_t *placeholderText;
    const char16_t *mid;
    const char16_t *light;
    const char16_t *dark;
    const char16_t *disabledText;
    const char16_t *link;
};

// Light value, dark value; indexed by ThemeColor.
struct ColorPair
{
    const char16_t *light;
    const char16_t *dark;
};

const ColorPair themeColors[] = {
    {u"#2E7D32", u"#66BB6A"}, // Positive
    {u"#C62828", u"#FF8A80"}, // Negative
    {u"#E65100", u"#FFA726"}, // Warning
    {u"#008800", u"#66BB6A"}, // Income
    {u"#6E8A7E", u"#6E8A7E"}, // SecondaryText
    {u"#A0A0A4", u"#A0A0A4"}, // Inactive
    {u"#5A7A6E", u"#8FAF9F"}, // KeysHint
    {u"#2A3D33", u"#8FAF9F"}, // StatusText
    {u"#00897B", u"#00897B"}, // Accent
    {u"#00796B", u"#00796B"}, // AccentHover
    {u"#004D40", u"#004D40"}, // AccentPressed
    {u"#FFFFFF", u"#FFFFFF"}, // OnAccent
    {u"#00897B", u"#4DB6AC"}, // ChartPrimary
    {u"#90A4AE", u"#8FAF9F"}, // ChartMuted
    {u"#E8F5E9", u"#1A2E28"}, // PendingRow
    {u"#152420", u"#152420"}, // SidebarBackground
    {u"#8FAF9F", u"#8FAF9F"}, // SidebarText
    {u"#1E3530", u"#1E3530"}, // SidebarHover
    {u"#26574A", u"#26574A"}, // SidebarSelected
    {u"#FFFFFF", u"#FFFFFF"}, // SidebarSelectedText
    {u"#5A7A6E", u"#5A7A6E"}, // SidebarHeading
    {u"#4DB6AC", u"#4DB6AC"}, // SidebarIcon
    {u"#66BB6A", u"#66BB6A"}, // SidebarPositive
    {u"#FF8A80", u"#FF8A80"}, // SidebarNegative
    {u"#C8E6C9", u"#C8E6C9"}, // SidebarSelectedPositive
    {u"#FFDAD6", u"#FFDAD6"}, // SidebarSelectedNegative
    {u"#1E3028", u"#1E3028"}, // SidebarTotalBackground
    {u"#F0F4F2", u"#152420"}, // PageListBackground
    {u"#1B2D26", u"#D8E8DF"}, // PageListText
    {u"#E0EBE5", u"#1E3530"}, // PageListHover
    {u"#00897B", u"#26574A"}, // PageListSelected
    {u"#FFFFFF", u"#FFFFFF"}, // PageListSelectedText
    {u"#4A6358", u"#8FAF9F"}, // PageListIcon
};
static_assert(std::size(themeColors) == size_t(ThemeColor::PageListIcon) + 1, "one pair per ThemeColor");

const char16_t *const seriesColors[] = {u"#00897B", u"#EF6C00", u"#5C6BC0", u"#C62828", u"#7CB342",
                                        u"#8E24AA", u"#00ACC1", u"#F9A825", u"#6D4C41", u"#D81B60"};

double relativeLuminance(const QColor &color)
{
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
           0.0722 * channel(color.blueF());
}

// Fusion paints a scroll bar's handle in a near-white gradient over a grey groove on the light
// palette and barely apart from it on the dark one. Here the track is the palette's alternate
// base and the handle a solid bar that stands out from it: darker on light, lighter on dark.
class ThemedStyle : public QProxyStyle
{
public:
    ThemedStyle()
        : QProxyStyle(QApplication::style()->name())
    {
        setObjectName(QStringLiteral("zimbrelThemedStyle"));
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        const auto *slider = qstyleoption_cast<const QStyleOptionSlider *>(option);
        if (control != CC_ScrollBar || !slider)
            return;
        const QRect groove = subControlRect(control, option, SC_ScrollBarGroove, widget);
        const QRect handle = subControlRect(control, option, SC_ScrollBarSlider, widget);
        const QPalette &palette = option->palette;
        const bool dark = palette.color(QPalette::Window).lightness() < 128;
        painter->save();
        painter->fillRect(groove, palette.color(QPalette::AlternateBase));
        if (handle.isValid() && (option->state & State_Enabled)) {
            const bool active =
                (option->activeSubControls & SC_ScrollBarSlider) && (option->state & State_MouseOver);
            QColor color = dark ? palette.color(QPalette::Mid).lighter(active ? 150 : 125)
                                : palette.color(QPalette::Dark).darker(active ? 115 : 100);
            const bool vertical = slider->orientation == Qt::Vertical;
            const QRect bar = vertical ? handle.adjusted(2, 1, -2, -1) : handle.adjusted(1, 2, -1, -2);
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(Qt::NoPen);
            painter->setBrush(color);
            const qreal radius = (vertical ? bar.width() : bar.height()) / 2.0;
            painter->drawRoundedRect(QRectF(bar), radius, radius);
        }
        painter->restore();
    }

    // Fusion outlines check boxes and radio buttons in a shade of the window colour, which leaves
    // an unchecked one faint on the light palette and all but invisible on the dark one; they get
    // a ring in the placeholder colour.
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        if (element != PE_IndicatorCheckBox && element != PE_IndicatorRadioButton)
            return;
        const QPalette &palette = option->palette;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(palette.color(QPalette::PlaceholderText), 1));
        painter->setBrush(Qt::NoBrush);
        const QRectF ring = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
        if (element == PE_IndicatorRadioButton)
            painter->drawEllipse(ring);
        else
            painter->drawRoundedRect(ring, 2, 2);
        painter->restore();
    }

    // Fusion marks the default button, not the focused one, and a flat button not at all: with the
    // keyboard one could not tell which button Enter or Space presses. A ring in the selection
    // colour shows it on every push button.
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element != CE_PushButton || !(option->state & State_HasFocus))
            return;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(option->palette.color(QPalette::Highlight), 2));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(option->rect).adjusted(1.5, 1.5, -1.5, -1.5), 3, 3);
        painter->restore();
    }
};

QPalette buildPalette(const PaletteColors &colors)
{
    QPalette palette;
    const auto set = [&palette](QPalette::ColorRole role, const char16_t *color) {
        palette.setBrush(QPalette::All, role, QBrush(QColor(QStringView(color))));
    };
    set(QPalette::Window, colors.window);
    set(QPalette::WindowText, colors.windowText);
    set(QPalette::Base, colors.base);
    set(QPalette::AlternateBase, colors.alternateBase);
    set(QPalette::Text, colors.text);
    set(QPalette::Button, colors.button);
    set(QPalette::ButtonText, colors.buttonText);
    set(QPalette::Highlight, colors.highlight);
    set(QPalette::HighlightedText, colors.highlightedText);
    set(QPalette::ToolTipBase, colors.toolTipBase);
    set(QPalette::ToolTipText, colors.toolTipText);
    set(QPalette::PlaceholderText, colors.placeholderText);
    set(QPalette::Mid, colors.mid);
    set(QPalette::Light, colors.light);
    set(QPalette::Dark, colors.dark);
    // Links (the About box, release notes) in the theme's teal: the toolkit's blue cannot be read
    // on the dark base.
    set(QPalette::Link, colors.link);
    set(QPalette::LinkVisited, colors.link);
    const QBrush disabled{QColor(QStringView(colors.disabledText))};
    palette.setBrush(QPalette::Disabled, QPalette::WindowText, disabled);
    palette.setBrush(QPalette::Disabled, QPalette::Text, disabled);
    palette.setBrush(QPalette::Disabled, QPalette::ButtonText, disabled);
    return palette;
}

bool platformPrefersDark()
{
    const QPlatformTheme *theme = QGuiApplicationPrivate::platformTheme();
    return theme && theme->appearance() == QPlatformTheme::Appearance::Dark;
}

} // namespace

ThemeManager::ThemeManager(PreferencesRepository *preferences, QObject *parent,
                           std::function<bool()> systemIsDark)
    : QObject(parent)
    , m_preferences(preferences)
    , m_systemIsDark(systemIsDark ? std::move(systemIsDark) : platformPrefersDark)
{}

QString ThemeManager::themeToText(Theme theme)
{
    switch (theme) {
    case Theme::Light:
        return QStringLiteral("light");
    case Theme::Dark:
        return QStringLiteral("dark");
    case Theme::System:
        break;
    }
    return QStringLiteral("system");
}

QPalette ThemeManager::lightPalette()
{
    return buildPalette({u"#FAFBFA", u"#1B2D26", u"#FFFFFF", u"#F2F7F4", u"#1B2D26", u"#E0EBE5", u"#1B2D26",
                         u"#00897B", u"#FFFFFF", u"#FFFFFF", u"#1B2D26", u"#6E8A7E", u"#D8E0DB", u"#FFFFFF",
                         u"#9BB0A3", u"#A0B5A8", u"#00796B"});
}

QPalette ThemeManager::darkPalette()
{
    return buildPalette({u"#0F1E19", u"#D8E8DF", u"#152420", u"#1A2E28", u"#D8E8DF", u"#1E3530", u"#D8E8DF",
                         u"#4DB6AC", u"#0F1E19", u"#1E3530", u"#D8E8DF", u"#8FAF9F", u"#2A4038", u"#2A4038",
                         u"#0A1510", u"#3A5A4A", u"#80CBC4"});
}

QColor ThemeManager::color(ThemeColor which, bool dark)
{
    const ColorPair &pair = themeColors[size_t(which)];
    return QColor(QStringView(dark ? pair.dark : pair.light));
}

QColor ThemeManager::color(ThemeColor which)
{
    return color(which, QApplication::palette().color(QPalette::Window).lightness() < 128);
}

QColor ThemeManager::seriesColor(int index)
{
    const int count = int(std::size(seriesColors));
    return QColor(QStringView(seriesColors[((index % count) + count) % count]));
}

double ThemeManager::contrast(const QColor &a, const QColor &b)
{
    const double first = relativeLuminance(a);
    const double second = relativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

void ThemeManager::setTheme(const QString &name)
{
    if (name == u"light") {
        m_currentTheme = Theme::Light;
        applyPalette(lightPalette());
    } else if (name == u"dark") {
        m_currentTheme = Theme::Dark;
        applyPalette(darkPalette());
    } else {
        m_currentTheme = Theme::System;
        applyPalette(m_systemIsDark() ? darkPalette() : lightPalette());
    }
    m_preferences->setValue(QStringLiteral("theme"), themeToText(m_currentTheme));
    emit themeChanged(m_currentTheme);
}

void ThemeManager::applyPalette(const QPalette &palette)
{
    if (!QApplication::style() || QApplication::style()->objectName() != u"zimbrelThemedStyle")
        QApplication::setStyle(new ThemedStyle);
    QApplication::setPalette(palette);
    // Setting the font again makes every widget re-polish, so style sheets pick up the palette.
    QApplication::setFont(QApplication::font());
}
