#pragma once

#include "tokenstore.h"

#include <string>

namespace CorvantisAccount {

// Windows: each key is a generic credential "Corvantis/<appId>/<key>" of the Credential Manager,
// its blob the value's UTF-8 bytes, persisted for the local machine. A failed read counts as an
// absent key; failed writes and deletes return false.
class CredentialManagerTokenStore final : public TokenStore
{
public:
    explicit CredentialManagerTokenStore(const QString &appId);

    std::optional<QString> load(const QString &key) override;
    bool save(const QString &key, const QString &value) override;
    bool remove(const QString &key) override;

private:
    std::wstring targetName(const QString &key) const;

    QString m_appId;
};

} // namespace CorvantisAccount
