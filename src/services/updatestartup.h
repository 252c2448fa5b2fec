#pragma once

#include "update/artifact.h"
#include "update/updateconfig.h"

#include <QObject>
#include <QString>

#include <functional>

class PreferencesRepository;
class QSettings;

// The update side of start-up, without the window: whether the notes of the running version are
// due (once per upgrade), the one update check shortly after start when the user allows it, and
// the rule that offers each newer version once.
class UpdateStartup : public QObject
{
    Q_OBJECT

public:
    static constexpr int checkDelayMs = 1500;
    // Runs `task` after `delayMs` unless `context` is destroyed first.
    using Scheduler = std::function<void(int delayMs, QObject *context, std::function<void()> task)>;

    // `preferences` must outlive this object.
    UpdateStartup(const CorvantisUpdate::UpdateConfig &config, PreferencesRepository *preferences,
                  QObject *parent = nullptr);
    ~UpdateStartup() override;

    // QTimer::singleShot unless a test takes over the clock.
    void setScheduler(Scheduler scheduler);

    // True when the running version is newer than the one whose notes were shown last (a missing
    // or unreadable record counts as 0.0.0, so a first start shows them too); then the running
    // version is recorded as shown. Fetching the notes is a request at start too, so with the
    // start-up check switched off the answer is false (and the version is recorded all the same).
    bool takeWhatsNewDue(QSettings &settings);

    // Schedules the start-up check, checkDelayMs from now. False when the user switched it off.
    bool scheduleCheck();

    // A newer release is offered unless its dialog was shown for it or for a later version.
    bool shouldOffer(const QString &version) const;
    // The dialog for `version` was closed, whatever the user chose.
    void markOffered(const QString &version);

    // The "Check for updates at start-up" setting, on by default.
    static bool isCheckAtStartupEnabled(const PreferencesRepository *preferences);
    static bool setCheckAtStartupEnabled(PreferencesRepository *preferences, bool enabled);

signals:
    // A release the start-up check found that has not been offered yet.
    void updateOffered(const CorvantisUpdate::Artifact &artifact);

private:
    void runCheck();

    CorvantisUpdate::UpdateConfig m_config;
    PreferencesRepository *m_preferences;
    Scheduler m_scheduler;
};
