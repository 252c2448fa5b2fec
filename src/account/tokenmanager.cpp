#include "tokenmanager.h"

#include "tokenfunctions.h"
#include "tokenstore.h"

#include <QDateTime>

#include <utility>

namespace CorvantisAccount {

namespace {

// An access token this close to its expiry counts as expired: it might lapse on the way.
constexpr qint64 expiryMarginSeconds = 30;

} // namespace

TokenManager::TokenManager(std::unique_ptr<TokenStore> store, QObject *parent)
    : QObject(parent)
    , m_store(std::move(store))
{}

TokenManager::~TokenManager() = default;

void TokenManager::setClock(Clock clock)
{
    m_clock = std::move(clock);
}

qint64 TokenManager::now() const
{
    return m_clock ? m_clock() : QDateTime::currentSecsSinceEpoch();
}

void TokenManager::loadTokens()
{
    m_accessToken = m_store->load(TokenStore::accessTokenKey).value_or(QString());
    m_refreshToken = m_store->load(TokenStore::refreshTokenKey).value_or(QString());
}

void TokenManager::setTokens(const QString &accessToken, const QString &refreshToken)
{
    {
        QMutexLocker locker(&m_mutex);
        ++m_generation;
    }
    m_accessToken = accessToken;
    m_refreshToken = refreshToken;
    m_store->save(TokenStore::accessTokenKey, accessToken);
    m_store->save(TokenStore::refreshTokenKey, refreshToken);
}

QString TokenManager::accessToken() const
{
    if (m_accessToken.isEmpty())
        return {};
    const qint64 expiry = tokenExpiry(m_accessToken);
    if (expiry == 0 || now() >= expiry - expiryMarginSeconds)
        return {};
    return m_accessToken;
}

QString TokenManager::refreshToken() const
{
    return m_refreshToken;
}

bool TokenManager::needsRefresh() const
{
    if (m_accessToken.isEmpty())
        return !m_refreshToken.isEmpty();
    const qint64 expiry = tokenExpiry(m_accessToken);
    if ((expiry != 0 && now() < expiry - expiryMarginSeconds) || m_refreshToken.isEmpty())
        return false;
    return true;
}

void TokenManager::refresh(RefreshCallback callback)
{
    QMutexLocker locker(&m_mutex);
    if (callback)
        m_waiting.append(std::move(callback));
    if (m_refreshing)
        return;
    if (!m_refreshToken.isEmpty() && m_refreshHandler) {
        m_refreshing = true;
        const QString token = m_refreshToken;
        const quint64 generation = m_generation;
        const RefreshHandler handler = m_refreshHandler;
        locker.unlock();
        handler(
            token,
            [this, generation](const QString &accessToken, const QString &refreshToken) {
                finishRefresh(generation, true, accessToken, refreshToken);
            },
            [this, generation] { finishRefresh(generation, false, {}, {}); });
        return;
    }
    const QList<RefreshCallback> waiting = std::exchange(m_waiting, {});
    locker.unlock();
    for (const RefreshCallback &waiter : waiting)
        waiter(false);
}

void TokenManager::finishRefresh(quint64 generation, bool ok, const QString &accessToken,
                                 const QString &refreshToken)
{
    QMutexLocker locker(&m_mutex);
    const bool current = generation == m_generation;
    locker.unlock();
    ok = ok && current;
    if (ok) {
        m_accessToken = accessToken;
        m_refreshToken = refreshToken;
        m_store->save(TokenStore::accessTokenKey, accessToken);
        m_store->save(TokenStore::refreshTokenKey, refreshToken);
    }
    locker.relock();
    m_refreshing = false;
    const QList<RefreshCallback> waiting = std::exchange(m_waiting, {});
    locker.unlock();
    for (const RefreshCallback &waiter : waiting)
        waiter(ok);
}

void TokenManager::clear()
{
    {
        QMutexLocker locker(&m_mutex);
        ++m_generation;
    }
    m_accessToken.clear();
    m_refreshToken.clear();
    m_store->clear();
}

void TokenManager::setRefreshHandler(RefreshHandler handler)
{
    m_refreshHandler = std::move(handler);
}

} // namespace CorvantisAccount
