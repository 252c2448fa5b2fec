#pragma once

#include <QByteArray>
#include <QLatin1String>
#include <QString>
#include <QStringView>
#include <QVariant>

// Writes one JSON object member by member into a byte buffer, byte for byte as QJsonDocument's
// indented form of the same object would read, without building the object first: large exports
// write a million rows, and a QJsonObject per row cost more than reading the row.
//
// QJsonObject keeps its members ordered by key, so the members must be written in ascending key
// order for the text to be the same. `depth` is how deeply the object is nested: 0 for a document
// of its own (closed with "}\n"), 1 for an element of a top-level array (closed with "    }", the
// array writes what follows).
class IndentedJsonWriter
{
public:
    IndentedJsonWriter(QByteArray &out, int depth);

    void text(QLatin1String key, QStringView value);
    // JSON null for an empty text: how the stored records print a missing id.
    void textOrNull(QLatin1String key, const QString &value);
    void integer(QLatin1String key, qint64 value);
    void boolean(QLatin1String key, bool value);
    void null(QLatin1String key);
    // A value as read from SQL: null, a number for integers and reals, text for everything else.
    void sqlValue(QStringView key, const QVariant &value);

    void finish();

    // `text` as a quoted JSON string, escaped as the toolkit's writer escapes it.
    static void appendString(QByteArray &out, QStringView text);
    static void appendDouble(QByteArray &out, double value);
    static void appendInteger(QByteArray &out, qint64 value);
    // Makes room for `count` more bytes at the end of `out` and returns where they start.
    static char *grow(QByteArray &out, qsizetype count);

private:
    void beginMember(QLatin1String key);
    void beginMember(QStringView key);

    QByteArray &m_out;
    int m_depth;
    bool m_empty = true;
};
