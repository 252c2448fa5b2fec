#pragma once

#include "account/tokenstore.h"

#include <QHash>

// A TokenStore in memory, for tests that do not care where tokens are kept.
class MemoryTokenStore final : public CorvantisAccount::TokenStore
{
public:
    explicit MemoryTokenStore(QHash<QString, QString> *values)
        : m_values(values)
    {}

    std::optional<QString> load(const QString &key) override
    {
        if (!m_values->contains(key))
            return std::nullopt;
        return m_values->value(key);
    }
    bool save(const QString &key, const QString &value) override
    {
        m_values->insert(key, value);
        return true;
    }
    bool remove(const QString &key) override
    {
        m_values->remove(key);
        return true;
    }

private:
    QHash<QString, QString> *m_values; // owned by the test, so it outlives the store
};
