#pragma once

#include <QObject>
#include <QString>

#include <functional>

class PreferencesRepository;
class QPalette;

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

signals:
    void themeChanged(ThemeManager::Theme theme);

private:
    void applyPalette(const QPalette &palette);

    PreferencesRepository *m_preferences;
    std::function<bool()> m_systemIsDark;
    Theme m_currentTheme = Theme::System;
};
