#include "cloudsession.h"

#include "sync/syncengine.h"

#include "data/account.h"

CloudSession::CloudSession(QObject *parent)
    : QObject(parent)
{}

bool CloudSession::isSignedIn() const
{
    return false;
}

void CloudSession::signIn()
{
    emit loginFailed(tr("the cloud service is not available in this version"));
}

void CloudSession::signOut() {}

QString CloudSession::syncStateText() const
{
    if (!m_syncEngine)
        return tr("Offline");
    return SyncEngine::statusText(m_syncEngine->state());
}

void CloudSession::shareAccount(const Account &account, QWidget *parent)
{
    Q_UNUSED(account);
    Q_UNUSED(parent);
}
