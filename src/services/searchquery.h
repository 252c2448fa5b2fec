#pragma once

#include <QString>

// Turns the text of a search-as-you-type box into a full-text (FTS5) query. The last word, while
// it is still being typed (no blank after it), becomes a prefix ("green" finds "Greenleaf"); the
// user's own query syntax is kept: AND, OR, NOT, "phrases" (never made prefixes), an explicit *,
// parentheses and column filters ("payee:rent"). So that a half-typed query still finds
// something, an unclosed phrase or parenthesis is closed, an operator or column filter still
// waiting for its operand is left out, and a word the syntax cannot take bare ("o'brien", "AT&T")
// is quoted. Blank text gives an empty query.
QString searchAsYouTypeQuery(const QString &typed);
