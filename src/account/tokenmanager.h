#pragma once

#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace CorvantisAccount {

class TokenStore;

// Holds the access and refresh tokens, keeps them in the TokenStore, says when the access token
// must be refreshed and runs one refresh at a time for everyone who needs it.
class TokenManager : public QObject
{
    Q_OBJECT

public:
    using RefreshCallback = std::function<void(bool ok)>;
    using RefreshSucceeded = std::function<void(const QString &accessToken, const QString &refreshToken)>;
    using RefreshFailed = std::function<void()>;
    // Trades the refresh token for a new pair and calls exactly one of the two continuations.
    using RefreshHandler = std::function<void(const QString &refreshToken, RefreshSucceeded, RefreshFailed)>;
    // Seconds since the epoch.
    using Clock = std::function<qint64()>;

    explicit TokenManager(std::unique_ptr<TokenStore> store, QObject *parent = nullptr);
    ~TokenManager() override;

    void loadTokens();
    void setTokens(const QString &accessToken, const QString &refreshToken);
    // The access token while it is valid for more than 30 seconds; otherwise empty.
    QString accessToken() const;
    QString refreshToken() const;
    bool needsRefresh() const;
    // Single flight: while a refresh runs, further callers wait for its outcome. Callbacks run
    // outside the lock, so one may start another refresh. A refresh that ends after clear() or
    // setTokens() keeps nothing and reports false: signing out is never undone by a late answer.
    void refresh(RefreshCallback callback);
    void clear();
    void setRefreshHandler(RefreshHandler handler);

    void setClock(Clock clock);
    TokenStore *store() const { return m_store.get(); }

private:
    void finishRefresh(quint64 generation, bool ok, const QString &accessToken, const QString &refreshToken);
    qint64 now() const;

    std::unique_ptr<TokenStore> m_store;
    QString m_accessToken;
    QString m_refreshToken;
    RefreshHandler m_refreshHandler;
    Clock m_clock;
    QMutex m_mutex;
    bool m_refreshing = false;
    QList<RefreshCallback> m_waiting;
    // Raised whenever the tokens are replaced or cleared from outside a refresh.
    quint64 m_generation = 0;
};

} // namespace CorvantisAccount
