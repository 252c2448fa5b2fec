#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Turns the bytes of an import file into text. A byte-order mark decides first (UTF-8, UTF-16 LE
// or BE, the mark itself dropped); otherwise the content is UTF-8 when every byte of it is
// well-formed UTF-8, and Windows-1252 when not. Never fails: any bytes give some text.
QString decodeImportText(const QByteArray &bytes);

// True when `bytes` is entirely well-formed UTF-8 (no overlong forms, no surrogates, nothing
// above U+10FFFF, no sequence cut off at the end).
bool isWellFormedUtf8(const QByteArray &bytes);

// Bytes read as Windows-1252, one character each; the five bytes the code page leaves undefined
// keep their own value.
QString decodeWindows1252(QByteArrayView bytes);
