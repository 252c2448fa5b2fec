#pragma once

#include "qifrecords.h"

#include <QJsonObject>

// The parse result as JSON with snake_case keys, dates as yyyy-MM-dd and amounts in cents: the
// form the command-line inspector prints and the golden parser fixtures hold.
QJsonObject qifParseResultToJson(const QifParseResult &result);
