#pragma once

#include <QApplication>
#include <QPointer>
#include <QStringList>

#include <memory>

class AppState;
class QMainWindow;
class QTranslator;

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

    AppState *m_appState = nullptr;
    std::unique_ptr<QMainWindow> m_mainWindow;
    QPointer<QTranslator> m_qtTranslator;
    QPointer<QTranslator> m_appTranslator;
};
