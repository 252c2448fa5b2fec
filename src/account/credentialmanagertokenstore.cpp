#include "credentialmanagertokenstore.h"

#include <QDebug>

#include <string>

// windows.h first: wincred.h relies on its types.
#include <windows.h>

#include <wincred.h>

namespace CorvantisAccount {

namespace {

QString lastError()
{
    return qt_error_string(int(GetLastError()));
}

} // namespace

CredentialManagerTokenStore::CredentialManagerTokenStore(const QString &appId)
    : m_appId(appId)
{}

std::wstring CredentialManagerTokenStore::targetName(const QString &key) const
{
    return QStringLiteral("Corvantis/%1/%2").arg(m_appId, key).toStdWString();
}

std::optional<QString> CredentialManagerTokenStore::load(const QString &key)
{
    const std::wstring target = targetName(key);
    PCREDENTIALW credential = nullptr;
    if (!CredReadW(target.c_str(), CRED_TYPE_GENERIC, 0, &credential))
        return std::nullopt;
    const QByteArray blob(reinterpret_cast<const char *>(credential->CredentialBlob),
                          qsizetype(credential->CredentialBlobSize));
    CredFree(credential);
    return QString::fromUtf8(blob);
}

bool CredentialManagerTokenStore::save(const QString &key, const QString &value)
{
    QByteArray blob = value.toUtf8();
    if (blob.size() > CRED_MAX_CREDENTIAL_BLOB_SIZE) {
        qWarning().noquote() << "CredentialManagerTokenStore::save failed: the value has" << blob.size()
                             << "bytes, more than a credential holds";
        return false;
    }
    std::wstring target = targetName(key);
    CREDENTIALW credential = {};
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = target.data();
    credential.CredentialBlobSize = DWORD(blob.size());
    credential.CredentialBlob = reinterpret_cast<LPBYTE>(blob.data());
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
    if (!CredWriteW(&credential, 0)) {
        qWarning().noquote() << "CredentialManagerTokenStore::save failed:" << lastError();
        return false;
    }
    return true;
}

bool CredentialManagerTokenStore::remove(const QString &key)
{
    const std::wstring target = targetName(key);
    if (!CredDeleteW(target.c_str(), CRED_TYPE_GENERIC, 0)) {
        // Nothing stored under the key is what removing it asks for.
        if (GetLastError() == ERROR_NOT_FOUND)
            return true;
        qWarning().noquote() << "CredentialManagerTokenStore::remove failed:" << lastError();
        return false;
    }
    return true;
}

} // namespace CorvantisAccount
