#include "accountsharingservice.h"

#include "apiclient.h"

#include <QJsonArray>
#include <QTimer>

namespace CorvantisAccount {

AccountSharingService::AccountSharingService(ApiClient *syncApi, QObject *parent)
    : SharingBackend(parent)
    , m_api(syncApi)
{}

void AccountSharingService::listMembers(const QString &accountId, const MembersCallback &callback)
{
    if (!isPathSegmentSafe(accountId)) {
        QTimer::singleShot(0, this, [callback] {
            if (callback)
                callback({});
        });
        return;
    }
    m_api->get(QStringLiteral("/accounts/%1/members").arg(accountId),
               [callback](bool ok, int, const QJsonObject &body) {
                   QList<ShareMember> members;
                   if (ok) {
                       const QJsonArray array = body.value(QStringLiteral("members")).toArray();
                       for (const QJsonValue &value : array) {
                           if (value.isObject())
                               members.append(shareMemberFromJson(value.toObject()));
                       }
                   }
                   if (callback)
                       callback(members);
               });
}

void AccountSharingService::shareWith(const QString &accountId, const QString &userIdOrEmail,
                                      const QString &role, const ShareCallback &callback)
{
    if (!isPathSegmentSafe(accountId)) {
        QTimer::singleShot(0, this, [callback] {
            if (callback)
                callback(false, tr("Failed to share account (HTTP %1)").arg(0));
        });
        return;
    }
    QJsonObject body;
    // The service takes an address in either member; sending it in both lets it match however
    // it looks the person up.
    if (userIdOrEmail.contains(QLatin1Char('@')))
        body.insert(QStringLiteral("email"), userIdOrEmail);
    body.insert(QStringLiteral("user_id"), userIdOrEmail);
    body.insert(QStringLiteral("role"), role.isEmpty() ? QStringLiteral("member") : role);
    m_api->post(QStringLiteral("/accounts/%1/share").arg(accountId), body,
                [callback](bool ok, int status, const QJsonObject &answer) {
                    if (!callback)
                        return;
                    if (ok) {
                        callback(true, {});
                        return;
                    }
                    QString error = answer.value(QStringLiteral("error")).toString();
                    if (error.isEmpty())
                        error = tr("Failed to share account (HTTP %1)").arg(status);
                    callback(false, error);
                });
}

void AccountSharingService::removeShare(const QString &accountId, const QString &userId,
                                        const RemoveCallback &callback)
{
    if (!isPathSegmentSafe(accountId) || !isPathSegmentSafe(userId)) {
        QTimer::singleShot(0, this, [callback] {
            if (callback)
                callback(false);
        });
        return;
    }
    m_api->del(QStringLiteral("/accounts/%1/share/%2").arg(accountId, userId),
               [callback](bool ok, int, const QJsonObject &) {
                   if (callback)
                       callback(ok);
               });
}

} // namespace CorvantisAccount
