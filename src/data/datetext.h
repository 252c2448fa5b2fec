#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <optional>

// Dates are stored as yyyy-MM-dd; an unreadable text gives an invalid date.
QString dateToText(const QDate &date);
QDate dateFromText(const QString &text);

// Timestamps are UTC at second precision with a trailing Z (2026-03-31T14:05:09Z). That one
// fixed form is what lets SQL compare them as text.
QString timestampToText(const QDateTime &timestamp);
QDateTime timestampFromText(const QString &text);
std::optional<QDateTime> optionalTimestampFromText(const QString &text);
QDateTime currentTimestamp();
