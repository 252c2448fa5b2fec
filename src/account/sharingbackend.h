#pragma once

#include "accountrecords.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace CorvantisAccount {

// Who has access to an account, granting it to a group member and revoking it: a grant kept by
// the service, never stored locally.
class SharingBackend : public QObject
{
    Q_OBJECT

public:
    using MembersCallback = std::function<void(const QList<ShareMember> &members)>;
    using ShareCallback = std::function<void(bool ok, const QString &error)>;
    using RemoveCallback = std::function<void(bool ok)>;

    using QObject::QObject;

    // Everyone with access, the owner included, in the service's order; empty on failure.
    virtual void listMembers(const QString &accountId, const MembersCallback &callback) = 0;
    // `userIdOrEmail` names a member of the user's group; `role` empty means "member".
    virtual void shareWith(const QString &accountId, const QString &userIdOrEmail, const QString &role,
                           const ShareCallback &callback) = 0;
    virtual void removeShare(const QString &accountId, const QString &userId,
                             const RemoveCallback &callback) = 0;
};

} // namespace CorvantisAccount
