#include "application.h"

#include "appstate.h"
#include "data/datadirectory.h"
#include "data/loghandler.h"
#include "mainwindow.h"
#include "services/updatestartup.h"
#include "update/updatedialog.h"
#include "update/updateflows.h"
#include "update/zimbrelupdateconfig.h"
#include "zimbrelversion.h"

#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QTranslator>

Application::Application(int &argc, char **argv)
    : QApplication(argc, argv)
{
    setOrganizationName(QStringLiteral("Corvantis"));
    setOrganizationDomain(QStringLiteral("corvantis.com"));
    setApplicationName(QStringLiteral("Zimbrel"));
    setApplicationVersion(QStringLiteral(ZIMBREL_VERSION));
    setApplicationDisplayName(QStringLiteral("Corvantis Zimbrel"));

    installLogHandler();

    loadTranslations();
    setWindowIcon(QIcon(QStringLiteral(":/icons/icons/app_icon.png")));
    if (QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf")) < 0)
        qWarning() << "Application: icon font could not be registered";
}

Application::~Application()
{
    // The window refers to the state's objects, so it goes first.
    m_mainWindow.reset();
}

QStringList Application::supportedLanguages()
{
    return {QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("de"), QStringLiteral("fr"),
            QStringLiteral("ja")};
}

QString Application::resolveLanguage(bool resolve)
{
    const QString value =
        QSettings().value(QStringLiteral("ui/language"), QStringLiteral("system")).toString();
    if (!resolve || value != QLatin1String("system"))
        return value;
    const QString language = QLocale::system().name().left(2);
    return supportedLanguages().contains(language) ? language : QStringLiteral("en");
}

void Application::setLanguage(const QString &code)
{
    QSettings().setValue(QStringLiteral("ui/language"), code);
}

QString Application::dataDirectory()
{
    return ::dataDirectory();
}

QString Application::databasePath()
{
    return ::databasePath(dataDirectory());
}

void Application::loadTranslations()
{
    const QString language = resolveLanguage(true);
    if (language != QLatin1String("en")) {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            translator->setParent(this);
            m_qtTranslator = translator.release();
            installTranslator(m_qtTranslator);
        }
    }
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(QStringLiteral(":/i18n/zimbrel_%1.qm").arg(language))) {
        translator->setParent(this);
        m_appTranslator = translator.release();
        installTranslator(m_appTranslator);
    }
}

int Application::run()
{
    m_appState = new AppState(dataDirectory(), this);
    if (!m_appState->initialize()) {
        QMessageBox box(QMessageBox::Critical, tr("Database Error"),
                        tr("Failed to initialize the database.\n\nData directory: %1\n\n"
                           "Please check file permissions and try again.")
                            .arg(dataDirectory()),
                        QMessageBox::Ok);
        box.exec();
        return 1;
    }

    auto window = std::make_unique<MainWindow>(m_appState);
    window->show();
    m_mainWindow = std::move(window);
    startUpdateChecks();

    return exec();
}

void Application::startUpdateChecks()
{
    // The self-hosted server the cloud client uses (the Server setting, or the endpoint variables
    // pointing at one) is the second source of the download address, after ZIMBREL_UPDATE_URL.
    // The window asks the same folder and follows a change of server.
    const CorvantisUpdate::UpdateConfig config =
        CorvantisUpdate::zimbrelUpdateConfig(m_appState->effectiveServerOrigin());
    m_updateStartup = new UpdateStartup(config, m_appState->preferencesRepository(), this);
    connect(m_updateStartup, &UpdateStartup::updateOffered, this, &Application::onUpdateAvailable);

    QSettings settings;
    if (m_updateStartup->takeWhatsNewDue(settings))
        CorvantisUpdate::showWhatsNewAfterUpgrade(config, applicationDisplayName(), m_mainWindow.get());
    m_updateStartup->scheduleCheck();
}

void Application::onUpdateAvailable(const CorvantisUpdate::Artifact &artifact)
{
    if (!m_mainWindow)
        return;
    auto *dialog = new CorvantisUpdate::UpdateDialog(artifact, applicationVersion(), applicationDisplayName(),
                                                     m_mainWindow.get());
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // Whatever the answer, this version is not offered again at start-up.
    connect(dialog, &QDialog::finished, m_updateStartup,
            [this, version = artifact.version] { m_updateStartup->markOffered(version); });
    dialog->show();
}
