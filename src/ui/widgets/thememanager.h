#pragma once

#include <QColor>
#include <QObject>
#include <QString>

#include <functional>

class PreferencesRepository;
class QPalette;

// The colours beyond the palette roles, for widgets that paint or style themselves. Every colour
// the program shows comes from the palette or from here, so that both themes stay readable.
enum class ThemeColor {
    Positive, // amounts and balances above zero
    Negative, // below zero, errors
    Warning,
    Income,        // the type "Income" in the category tree, a due recurring item
    SecondaryText, // memos, hints, small print
    Inactive,      // a paused recurring item
    KeysHint,      // the keyboard line under the register
    StatusText,
    Accent, // buttons that call for action, icons of the welcome page
    AccentHover,
    AccentPressed,
    OnAccent,
    ChartPrimary,
    ChartMuted,
    PendingRow, // the row being typed into
    // The account sidebar stays dark in both themes.
    SidebarBackground,
    SidebarText,
    SidebarHover,
    SidebarSelected,
    SidebarSelectedText,
    SidebarHeading,
    SidebarIcon,
    SidebarPositive,
    SidebarNegative,
    SidebarSelectedPositive,
    SidebarSelectedNegative,
    SidebarTotalBackground,
    // The page list of the preferences window.
    PageListBackground,
    PageListText,
    PageListHover,
    PageListSelected,
    PageListSelectedText,
    PageListIcon,
};

// Applies the light or dark palette to the whole application, or the one matching the operating
// system's scheme for "system", and keeps the choice in the preference "theme". The system scheme
// is read when setTheme runs; later changes of the operating system are not followed.
class ThemeManager : public QObject
{
    Q_OBJECT

public:
    enum class Theme { System = 0, Light = 1, Dark = 2 };
    Q_ENUM(Theme)

    // `systemIsDark` reports the operating system's scheme; the platform theme's by default.
    explicit ThemeManager(PreferencesRepository *preferences, QObject *parent = nullptr,
                          std::function<bool()> systemIsDark = {});

    // "light" and "dark" (exactly) pick that palette; anything else means "system", and is stored
    // as "system".
    void setTheme(const QString &name);
    Theme currentTheme() const { return m_currentTheme; }

    static QString themeToText(Theme theme);
    static QPalette lightPalette();
    static QPalette darkPalette();
    // The value for the palette installed now: ask again after themeChanged.
    static QColor color(ThemeColor which);
    static QColor color(ThemeColor which, bool dark);
    // Hues for chart series, distinct on both backgrounds; they repeat after ten.
    static QColor seriesColor(int index);
    // The WCAG contrast ratio of two colours, 1 to 21.
    static double contrast(const QColor &a, const QColor &b);

signals:
    void themeChanged(ThemeManager::Theme theme);

private:
    void applyPalette(const QPalette &palette);

    PreferencesRepository *m_preferences;
    std::function<bool()> m_systemIsDark;
    Theme m_currentTheme = Theme::System;
};
