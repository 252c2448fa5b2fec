#pragma once

#include <QObject>
#include <QString>

class QWidget;
class SyncEngine;
struct Account;

// What the main window needs from the cloud account: the sign-in state, signing in and out, the
// synchronisation state text and the sharing dialog. This base is the signed-out session of a
// build without the cloud client: it is never signed in, and signing in reports that the service
// is unavailable. The cloud client subclasses it; the window does not change.
class CloudSession : public QObject
{
    Q_OBJECT

public:
    explicit CloudSession(QObject *parent = nullptr);

    virtual bool isSignedIn() const;
    // Starts the browser sign-in; the outcome arrives as loginSucceeded or loginFailed.
    virtual void signIn();
    virtual void signOut();
    // The status-bar text for the sync engine's state; only asked while signed in.
    virtual QString syncStateText() const;
    // The engine whose state syncStateText reports (none: "Offline").
    void setSyncEngine(SyncEngine *engine) { m_syncEngine = engine; }
    SyncEngine *syncEngine() const { return m_syncEngine; }
    // Runs the modal sharing dialog for the account; only called while signed in.
    virtual void shareAccount(const Account &account, QWidget *parent);

signals:
    void stateChanged();
    void loginSucceeded();
    void loginFailed(const QString &message);
    // Who may see an account changed: a sync should follow.
    void sharingChanged();

private:
    SyncEngine *m_syncEngine = nullptr;
};
