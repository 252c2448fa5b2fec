#pragma once

#include "sharingbackend.h"

namespace CorvantisAccount {

class ApiClient;

// Account sharing over the sync API.
class AccountSharingService : public SharingBackend
{
    Q_OBJECT

public:
    // `syncApi` is not owned.
    explicit AccountSharingService(ApiClient *syncApi, QObject *parent = nullptr);

    void listMembers(const QString &accountId, const MembersCallback &callback) override;
    void shareWith(const QString &accountId, const QString &userIdOrEmail, const QString &role,
                   const ShareCallback &callback) override;
    void removeShare(const QString &accountId, const QString &userId,
                     const RemoveCallback &callback) override;

private:
    ApiClient *m_api;
};

} // namespace CorvantisAccount
