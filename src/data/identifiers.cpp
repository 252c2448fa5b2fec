#include "identifiers.h"

#include "datetext.h"

#include <QUuid>

namespace {

const QUuid dnsNamespace(QStringLiteral("6ba7b810-9dad-11d1-80b4-00c04fd430c8"));
const QUuid recurringNamespace(QStringLiteral("a1b9f7f3-2f2a-4c6b-9e1a-8b7c6d5a3f2e"));

QString nameBased(const QUuid &ns, const QString &name)
{
    return QUuid::createUuidV5(ns, name.toUtf8()).toString(QUuid::WithoutBraces);
}

} // namespace

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

QString defaultCategoryId(CategoryType type, const QString &parentName, const QString &name)
{
    return nameBased(dnsNamespace,
                     QStringLiteral("%1:%2:%3").arg(categoryTypeToString(type), parentName, name));
}

QString recurringOccurrenceId(const QString &recurringId, const QDate &dueDate, bool destinationLeg)
{
    QString name = recurringId + QLatin1Char(':') + dateToText(dueDate);
    if (destinationLeg)
        name += QStringLiteral(":dest");
    return nameBased(recurringNamespace, name);
}
