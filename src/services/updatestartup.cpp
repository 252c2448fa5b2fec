#include "services/updatestartup.h"

#include "data/preferencesrepository.h"
#include "update/client.h"

#include <QSettings>
#include <QTimer>

namespace {

const QString lastShownKey = QStringLiteral("whatsNew/lastShownVersion");
// Where versions before the settings key kept the same record; read once to fill the key.
const QString legacyLastShownKey = QStringLiteral("last_whats_new_version");
const QString dismissedKey = QStringLiteral("update_dismissed_version");
const QString checkAtStartupKey = QStringLiteral("update_check_at_startup");

} // namespace

UpdateStartup::UpdateStartup(const CorvantisUpdate::UpdateConfig &config, PreferencesRepository *preferences,
                             QObject *parent)
    : QObject(parent)
    , m_config(config)
    , m_preferences(preferences)
    , m_scheduler([](int delayMs, QObject *context, std::function<void()> task) {
        QTimer::singleShot(delayMs, context, std::move(task));
    })
{}

UpdateStartup::~UpdateStartup() = default;

void UpdateStartup::setScheduler(Scheduler scheduler)
{
    m_scheduler = std::move(scheduler);
}

bool UpdateStartup::takeWhatsNewDue(QSettings &settings)
{
    QString lastShown = settings.value(lastShownKey).toString();
    if (lastShown.isEmpty()) {
        lastShown = m_preferences->value(legacyLastShownKey, QString());
        if (!lastShown.isEmpty())
            settings.setValue(lastShownKey, lastShown);
    }
    using CorvantisUpdate::Client;
    if (!(Client::parseVersion(lastShown) < Client::parseVersion(m_config.currentVersion)))
        return false;
    settings.setValue(lastShownKey, m_config.currentVersion);
    settings.sync();
    return isCheckAtStartupEnabled(m_preferences);
}

bool UpdateStartup::scheduleCheck()
{
    if (!isCheckAtStartupEnabled(m_preferences))
        return false;
    m_scheduler(checkDelayMs, this, [this] { runCheck(); });
    return true;
}

void UpdateStartup::runCheck()
{
    using CorvantisUpdate::Client;
    auto *client = new Client(m_config, this);
    connect(client, &Client::updateAvailable, this, [this](const CorvantisUpdate::Artifact &artifact) {
        if (shouldOffer(artifact.version))
            emit updateOffered(artifact);
    });
    connect(client, &Client::checkFailed, this,
            [](const QString &message) { qWarning().noquote() << "update check failed:" << message; });
    client->check();
}

bool UpdateStartup::shouldOffer(const QString &version) const
{
    const QString dismissed = m_preferences->value(dismissedKey, QString());
    using CorvantisUpdate::Client;
    return dismissed.isEmpty() || Client::parseVersion(dismissed) < Client::parseVersion(version);
}

void UpdateStartup::markOffered(const QString &version)
{
    m_preferences->setValue(dismissedKey, version);
}

bool UpdateStartup::isCheckAtStartupEnabled(const PreferencesRepository *preferences)
{
    return preferences->boolValue(checkAtStartupKey, true);
}

bool UpdateStartup::setCheckAtStartupEnabled(PreferencesRepository *preferences, bool enabled)
{
    return preferences->setBool(checkAtStartupKey, enabled);
}
