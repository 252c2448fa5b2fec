#include "synccursor.h"

#include <QStringList>

std::optional<SyncCursor> SyncCursor::parse(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 3 || parts.at(0) != QLatin1String("v1"))
        return std::nullopt;
    bool sequenceOk = false;
    bool rowOk = false;
    const SyncCursor cursor{parts.at(1).toLongLong(&sequenceOk), parts.at(2).toLongLong(&rowOk)};
    if (!sequenceOk || !rowOk || cursor.sequence < 0 || cursor.rowId < 0)
        return std::nullopt;
    return cursor;
}

QString SyncCursor::toText() const
{
    return QStringLiteral("v1.%1.%2").arg(sequence).arg(rowId);
}
