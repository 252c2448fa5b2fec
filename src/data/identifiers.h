#pragma once

#include "enums.h"

#include <QDate>
#include <QString>

// Every identifier is a lower-case UUID of 36 characters without braces.
QString newId();

// Name-based (version 5) ids, so that two devices seeding the same default category or posting
// the same recurring occurrence produce the same row instead of a duplicate.
QString defaultCategoryId(CategoryType type, const QString &parentName, const QString &name);
QString recurringOccurrenceId(const QString &recurringId, const QDate &dueDate, bool destinationLeg);
