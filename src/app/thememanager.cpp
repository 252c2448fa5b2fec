#include "thememanager.h"

#include "data/preferencesrepository.h"

#include <QApplication>
#include <QFont>
#include <QPalette>
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
{
}

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
    return buildPalette({u"#FAFBFA", u"#1B2D26", u"#FFFFFF", u"#F2F7F4", u"#1B2D26", u"#E0EBE5",
                         u"#1B2D26", u"#00897B", u"#FFFFFF", u"#FFFFFF", u"#1B2D26", u"#6E8A7E",
                         u"#D8E0DB", u"#FFFFFF", u"#9BB0A3", u"#A0B5A8"});
}

QPalette ThemeManager::darkPalette()
{
    return buildPalette({u"#0F1E19", u"#D8E8DF", u"#152420", u"#1A2E28", u"#D8E8DF", u"#1E3530",
                         u"#D8E8DF", u"#4DB6AC", u"#0F1E19", u"#1E3530", u"#D8E8DF", u"#8FAF9F",
                         u"#2A4038", u"#2A4038", u"#0A1510", u"#3A5A4A"});
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
    QApplication::setPalette(palette);
    // Setting the font again makes every widget re-polish, so style sheets pick up the palette.
    QApplication::setFont(QApplication::font());
}
