#pragma once

#include "tokenstore.h"

#include <QJsonObject>

namespace CorvantisAccount {

// The tokens in a JSON file that only its owner may read or write: { scope: { key: value } }.
// Every write goes to a new file created with mode 0600 and renamed over the old one, so the
// tokens are never readable by others, not even while the file is written.
class FileTokenStore final : public TokenStore
{
public:
    FileTokenStore(const QString &scope, const QString &filePath);

    std::optional<QString> load(const QString &key) override;
    bool save(const QString &key, const QString &value) override;
    bool remove(const QString &key) override;

    QString filePath() const { return m_filePath; }

private:
    // The whole file; empty when it is missing or unreadable (with a warning for the latter).
    QJsonObject readAll() const;
    bool writeAll(const QJsonObject &all, const char *operation) const;
    bool change(const QString &key, const std::optional<QString> &value, const char *operation);

    QString m_scope;
    QString m_filePath;
};

} // namespace CorvantisAccount
