#pragma once

#include <QByteArray>
#include <QString>

namespace CorvantisAccount {

// The X-Platform text: `configured` when not empty, else the kernel type in lower case with
// "linux" -> "linux", "darwin" -> "macos", "winnt" -> "windows"; any other kernel type unchanged.
QString detectedPlatform(const QString &configured, const QString &kernelType);

// The device fingerprint sent at device registration, from this machine's identifiers.
QString machineId();
// The rule behind machineId: the registry's MachineGuid as it is; else a hash of the operating
// system's machine identifier; else the first 32 hexadecimal digits of the SHA-256 of the host
// name. The two hashes are always 32 lower-case hexadecimal characters.
QString machineIdFrom(const QString &registryMachineGuid, const QByteArray &machineUniqueId,
                      const QString &hostName);

} // namespace CorvantisAccount
