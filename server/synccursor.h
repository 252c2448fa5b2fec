#pragma once

#include <QString>

#include <optional>

// The pull cursor handed to clients as "server_time": a position in the change sequence, not a
// clock. Rows are ordered by the sequence number of their last change (or of the share that
// brought them to this user) and then by row number, so rows changed in one transaction, which
// share a number, are still paged one after another. Clients keep it as opaque text.
struct SyncCursor
{
    qint64 sequence = 0;
    qint64 rowId = 0;

    // Nothing when `text` is not a cursor of this service.
    static std::optional<SyncCursor> parse(const QString &text);
    QString toText() const;

    bool operator==(const SyncCursor &) const = default;
};
