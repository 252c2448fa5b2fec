#include "accountcloudsession.h"

#include "account/authclient.h"
#include "account/client.h"
#include "account/sharingbackend.h"
#include "account/widgets/sharemembersdialog.h"
#include "data/account.h"

AccountCloudSession::AccountCloudSession(CorvantisAccount::Client *client,
                                         CorvantisAccount::SharingBackend *sharing, QObject *parent)
    : CloudSession(parent)
    , m_client(client)
    , m_sharing(sharing)
{
    connectClient();
}

void AccountCloudSession::setClient(CorvantisAccount::Client *client,
                                    CorvantisAccount::SharingBackend *sharing)
{
    m_sharing = sharing;
    if (client == m_client)
        return;
    // The old client may still finish a sign-out with its server; none of that concerns the
    // window any more.
    disconnect(m_client->authClient(), nullptr, this, nullptr);
    m_client = client;
    connectClient();
    emit stateChanged();
}

void AccountCloudSession::connectClient()
{
    CorvantisAccount::AuthClient *auth = m_client->authClient();
    connect(auth, &CorvantisAccount::AuthClient::stateChanged, this, &CloudSession::stateChanged);
    connect(auth, &CorvantisAccount::AuthClient::loginSucceeded, this, &CloudSession::loginSucceeded);
    connect(auth, &CorvantisAccount::AuthClient::loginFailed, this, &CloudSession::loginFailed);
}

bool AccountCloudSession::isSignedIn() const
{
    return m_client->authClient()->isAuthenticated();
}

void AccountCloudSession::signIn()
{
    m_client->authClient()->login();
}

void AccountCloudSession::signOut()
{
    m_client->authClient()->logout();
}

void AccountCloudSession::shareAccount(const Account &account, QWidget *parent)
{
    CorvantisAccount::ShareDialogTexts texts;
    texts.windowTitle = tr("Share Account");
    texts.heading = tr("Sharing: %1").arg(account.name);
    texts.description =
        tr("Share this account with members of your Corvantis family group. They'll see the same register, "
           "balances, and reconciliation history on their devices.");
    texts.listCaption = tr("Shared with");
    texts.emptyListText = tr("Not shared with anyone yet.");
    texts.noGroupNotice =
        tr("You're not in a family group yet. Invite someone, or join a group with an invite code, under "
           "File > Corvantis Account > Group.");
    texts.shareButton = tr("Share");
    texts.removeButton = tr("Remove Selected");
    texts.closeButton = tr("Close");
    texts.roleForNewShares = QStringLiteral("member");
    texts.shareFailureTitle = tr("Share Failed");
    texts.removeFailureTitle = tr("Remove Failed");
    texts.removeConfirmationTitle = tr("Remove Share");
    texts.removeConfirmationText = tr("Remove %1's access to this account?");
    CorvantisAccount::ShareMembersDialog dialog(m_client, m_sharing, account.id, texts, parent);
    connect(&dialog, &CorvantisAccount::ShareMembersDialog::sharingChanged, this,
            &CloudSession::sharingChanged);
    dialog.exec();
}
