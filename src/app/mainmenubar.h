#pragma once

#include <QMenuBar>

class QAction;

// The main window's menu bar. Each item announces itself through a signal of its own, for the
// window to act on; only the about and keyboard-shortcut boxes are shown here.
class MainMenuBar : public QMenuBar
{
    Q_OBJECT

public:
    // `developerItems` adds the sample-data items to the Help menu.
    explicit MainMenuBar(bool developerItems, QWidget *parent = nullptr);

    // Signing in is offered while signed out, signing out while signed in.
    void setSignedIn(bool signedIn);

signals:
    void newTransactionRequested();
    void newAccountRequested();
    void importRequested();
    void cloudAccountRequested();
    void signInRequested();
    void signOutRequested();
    void quitRequested();
    void findRequested();
    void preferencesRequested();
    void editAccountRequested();
    void reconcileRequested();
    void reconciliationHistoryRequested();
    void payeesRequested();
    void shareAccountRequested();
    void deleteAccountRequested();
    void reportsRequested();
    void recurringRequested();
    void categoriesRequested();
    void whatsNewRequested();
    void checkForUpdatesRequested();
    void loadSampleDataRequested();
    void clearSampleDataRequested();

private:
    void showAboutBox();
    void showShortcutsBox();

    QAction *m_signInAction = nullptr;
    QAction *m_signOutAction = nullptr;
};
