#pragma once

#include "update/artifact.h"

#include <QApplication>
#include <QPointer>
#include <QStringList>

#include <memory>

class AppState;
class MainWindow;
class QTranslator;
class UpdateStartup;

// Process identity, logging, translations and fonts; builds the composition root and the window.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int &argc, char **argv);
    ~Application() override;

    // Returns the process exit code: 1 when the database cannot be opened or migrated.
    int run();

    // The settings value "ui/language"; "system" resolves to the locale's language when
    // `resolve` is set, falling back to "en" for languages without a catalogue.
    static QString resolveLanguage(bool resolve);
    static void setLanguage(const QString &code);
    static QStringList supportedLanguages();

    static QString dataDirectory();
    static QString databasePath();

private:
    void loadTranslations();
    // After the window is shown: the release notes once after an upgrade, and the update check
    // shortly after, unless the user switched it off.
    void startUpdateChecks();
    // A newer release not offered before: the update dialog, once.
    void onUpdateAvailable(const CorvantisUpdate::Artifact &artifact);

    AppState *m_appState = nullptr;
    UpdateStartup *m_updateStartup = nullptr;
    std::unique_ptr<MainWindow> m_mainWindow;
    QPointer<QTranslator> m_qtTranslator;
    QPointer<QTranslator> m_appTranslator;
};
