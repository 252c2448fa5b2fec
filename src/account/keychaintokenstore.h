#pragma once

#include "tokenstore.h"

namespace QKeychain {
class Job;
}

namespace CorvantisAccount {

class FileTokenStore;

// The desktop keyring (Secret Service, KWallet) through QtKeychain, service "Corvantis/<scope>".
// Where no keyring answers (no D-Bus session, no secret service, a locked-out keyring), the
// tokens go to the private file instead, with a warning; from then on for the rest of the run.
// A value the keyring does not hold is looked up in the file, so tokens kept there on a run
// without a keyring are still found, and a value saved in the keyring is removed from the file.
class KeychainTokenStore final : public TokenStore
{
public:
    KeychainTokenStore(const QString &scope, std::unique_ptr<FileTokenStore> fallback);
    ~KeychainTokenStore() override;

    std::optional<QString> load(const QString &key) override;
    bool save(const QString &key, const QString &value) override;
    bool remove(const QString &key) override;

    bool isUsingFile() const { return m_usingFile; }

private:
    struct Outcome
    {
        int error = 0; // QKeychain::Error
        QString errorString;
        QString text; // what a read job found
    };
    // Starts the job and waits for its answer (the interface is synchronous; the keyring answers
    // over D-Bus). The job deletes itself when it finishes, even after a time-out.
    static Outcome run(QKeychain::Job *job);
    void switchToFile(const char *operation, const QString &reason);

    QString m_service;
    std::unique_ptr<FileTokenStore> m_file;
    bool m_usingFile = false;
};

} // namespace CorvantisAccount
