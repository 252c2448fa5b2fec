#include "platform.h"

#include <QCryptographicHash>
#include <QSettings>
#include <QSysInfo>

namespace CorvantisAccount {

namespace {

QString hashedHex(const QByteArray &bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(32));
}

} // namespace

QString detectedPlatform(const QString &configured, const QString &kernelType)
{
    if (!configured.isEmpty())
        return configured;
    const QString kernel = kernelType.toLower();
    if (kernel == QLatin1String("darwin"))
        return QStringLiteral("macos");
    if (kernel == QLatin1String("winnt"))
        return QStringLiteral("windows");
    return kernel;
}

QString machineId()
{
    QString registryValue;
#ifdef Q_OS_WIN
    // The 64-bit view: a 32-bit build would otherwise be redirected to WOW6432Node, which has no
    // MachineGuid.
    const QSettings registry(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Cryptography"),
                             QSettings::Registry64Format);
    registryValue = registry.value(QStringLiteral("MachineGuid")).toString();
#endif
    return machineIdFrom(registryValue, QSysInfo::machineUniqueId(), QSysInfo::machineHostName());
}

QString machineIdFrom(const QString &registryMachineGuid, const QByteArray &machineUniqueId,
                      const QString &hostName)
{
    if (!registryMachineGuid.isEmpty())
        return registryMachineGuid;
    // The operating system's identifier (/etc/machine-id and the like) is meant to stay on the
    // machine; what leaves it is a hash keyed to this application, stable all the same.
    if (!machineUniqueId.isEmpty())
        return hashedHex("com.corvantis.zimbrel/device/" + machineUniqueId);
    return hashedHex(hostName.toUtf8());
}

} // namespace CorvantisAccount
