#include "credentials.h"

#include <QCryptographicHash>
#include <QMessageAuthenticationCode>

#include <sodium.h>

namespace Credentials {

bool initialize()
{
    return sodium_init() >= 0;
}

QString hashPassword(const QString &password)
{
    const QByteArray bytes = password.toUtf8();
    char encoded[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(encoded, bytes.constData(), quint64(bytes.size()),
                              crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE,
                              crypto_pwhash_ALG_ARGON2ID13) != 0)
        return {};
    return QString::fromLatin1(encoded);
}

bool verifyPassword(const QString &password, const QString &encodedHash)
{
    const QByteArray bytes = password.toUtf8();
    const QByteArray hash = encodedHash.toLatin1();
    if (hash.isEmpty() || hash.size() >= crypto_pwhash_STRBYTES)
        return false;
    return crypto_pwhash_str_verify(hash.constData(), bytes.constData(), quint64(bytes.size())) == 0;
}

QByteArray randomBytes(int count)
{
    QByteArray bytes(count, Qt::Uninitialized);
    randombytes_buf(bytes.data(), size_t(bytes.size()));
    return bytes;
}

QString randomToken(int byteCount)
{
    return QString::fromLatin1(
        randomBytes(byteCount).toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

QString randomCode(int length)
{
    static constexpr char alphabet[] = "ABCDEFGHJKMNPQRSTUVWXYZ23456789";
    QString code;
    for (int i = 0; i < length; ++i)
        code += QLatin1Char(alphabet[randombytes_uniform(sizeof(alphabet) - 1)]);
    return code;
}

QString sha256Hex(const QByteArray &data)
{
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
}

QByteArray hmacSha256(const QByteArray &key, const QByteArray &message)
{
    return QMessageAuthenticationCode::hash(message, key, QCryptographicHash::Sha256);
}

bool equalInConstantTime(const QByteArray &a, const QByteArray &b)
{
    return a.size() == b.size() && sodium_memcmp(a.constData(), b.constData(), size_t(a.size())) == 0;
}

} // namespace Credentials
