#include "keychaintokenstore.h"

#include "filetokenstore.h"

#include <qt6keychain/keychain.h>

#include <QEventLoop>
#include <QTimer>

namespace CorvantisAccount {

namespace {

// Long enough for the user to unlock the keyring when it asks; a keyring that has not answered by
// then counts as absent.
constexpr int jobTimeLimitMs = 120000;

} // namespace

KeychainTokenStore::KeychainTokenStore(const QString &scope, std::unique_ptr<FileTokenStore> fallback)
    : m_service(QStringLiteral("Corvantis/") + scope)
    , m_file(std::move(fallback))
{}

KeychainTokenStore::~KeychainTokenStore() = default;

KeychainTokenStore::Outcome KeychainTokenStore::run(QKeychain::Job *job)
{
    job->setAutoDelete(true);
    Outcome outcome;
    bool finished = false;
    QEventLoop loop;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&](QKeychain::Job *done) {
        finished = true;
        outcome.error = done->error();
        outcome.errorString = done->errorString();
        if (const auto *read = qobject_cast<QKeychain::ReadPasswordJob *>(done))
            outcome.text = read->textData();
        loop.quit();
    });
    QTimer::singleShot(jobTimeLimitMs, &loop, &QEventLoop::quit);
    job->start();
    if (!finished)
        loop.exec();
    if (!finished)
        return {QKeychain::OtherError, QStringLiteral("the keyring did not answer"), {}};
    return outcome;
}

void KeychainTokenStore::switchToFile(const char *operation, const QString &reason)
{
    m_usingFile = true;
    qWarning().noquote() << operation << "failed:" << reason << "- keeping the cloud sign-in in"
                         << m_file->filePath() << "(readable only by you) instead of the keyring";
}

std::optional<QString> KeychainTokenStore::load(const QString &key)
{
    if (m_usingFile)
        return m_file->load(key);
    auto *job = new QKeychain::ReadPasswordJob(m_service);
    job->setKey(key);
    const Outcome outcome = run(job);
    if (outcome.error == QKeychain::NoError)
        return outcome.text;
    if (outcome.error != QKeychain::EntryNotFound)
        switchToFile("KeychainTokenStore::load", outcome.errorString);
    return m_file->load(key);
}

bool KeychainTokenStore::save(const QString &key, const QString &value)
{
    if (m_usingFile)
        return m_file->save(key, value);
    auto *job = new QKeychain::WritePasswordJob(m_service);
    job->setKey(key);
    job->setTextData(value);
    const Outcome outcome = run(job);
    if (outcome.error == QKeychain::NoError) {
        m_file->remove(key);
        return true;
    }
    switchToFile("KeychainTokenStore::save", outcome.errorString);
    return m_file->save(key, value);
}

bool KeychainTokenStore::remove(const QString &key)
{
    const bool fromFile = m_file->remove(key);
    if (m_usingFile)
        return fromFile;
    auto *job = new QKeychain::DeletePasswordJob(m_service);
    job->setKey(key);
    const Outcome outcome = run(job);
    if (outcome.error == QKeychain::NoError || outcome.error == QKeychain::EntryNotFound)
        return fromFile;
    qWarning().noquote() << "KeychainTokenStore::remove failed:" << outcome.errorString;
    return false;
}

} // namespace CorvantisAccount
