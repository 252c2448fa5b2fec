#pragma once

#include "cloudsession.h"

namespace CorvantisAccount {
class Client;
class SharingBackend;
} // namespace CorvantisAccount

// The sign-in of the cloud account as the main window sees it: the cloud client's auth state,
// browser sign-in and sign-out, and the sharing dialog.
class AccountCloudSession : public CloudSession
{
    Q_OBJECT

public:
    // `client` and `sharing` (sharing through that client) are not owned; they outlive the
    // session or are replaced through setClient first.
    AccountCloudSession(CorvantisAccount::Client *client, CorvantisAccount::SharingBackend *sharing,
                        QObject *parent = nullptr);

    // Follows another client from now on (the server changed); emits stateChanged.
    void setClient(CorvantisAccount::Client *client, CorvantisAccount::SharingBackend *sharing);

    bool isSignedIn() const override;
    void signIn() override;
    void signOut() override;
    void shareAccount(const Account &account, QWidget *parent) override;

private:
    void connectClient();

    CorvantisAccount::Client *m_client;
    CorvantisAccount::SharingBackend *m_sharing;
};
