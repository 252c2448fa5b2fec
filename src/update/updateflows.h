#pragma once

#include "update/updateconfig.h"
#include "update/updateprogress.h"

class QWidget;

namespace CorvantisUpdate {

// The three ways the application shows updates. Each returns at once; the network work and its
// dialogs follow from the event loop. Their objects are children of `parent`, so nothing of a flow
// outlives the window it reports to. Network failures never show a dialog.

// Help › Check for Updates: a fresh check; a newer release opens the update dialog (a release the
// user put off is offered again here), anything else is a status message.
void checkForUpdatesInteractive(const UpdateConfig &config, const QString &appName, QWidget *parent,
                                const UpdateProgress &progress);

// Help › What's New: the running version's notes; without them, the notes of a newer release
// with its download button; else a status message.
void showReleaseNotes(const UpdateConfig &config, const QString &appName, QWidget *parent,
                      const UpdateProgress &progress);

// After an upgrade: the running version's notes, or nothing at all.
void showWhatsNewAfterUpgrade(const UpdateConfig &config, const QString &appName, QWidget *parent);

} // namespace CorvantisUpdate
