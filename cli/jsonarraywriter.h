#pragma once

#include "services/indentedjsonwriter.h"

#include <QByteArray>
#include <QJsonObject>

#include <cstdio>
#include <optional>

// Writes a JSON array of objects to a stream as the objects come, byte for byte as the indented
// form of the whole array would read, so that a million rows cost one row's memory.
class JsonArrayWriter
{
public:
    explicit JsonArrayWriter(std::FILE *stream = stdout);
    ~JsonArrayWriter();

    JsonArrayWriter(const JsonArrayWriter &) = delete;
    JsonArrayWriter &operator=(const JsonArrayWriter &) = delete;

    void append(const QJsonObject &object);
    // The next element, written member by member (in ascending key order) through the returned
    // writer until endObject(): no QJsonObject is built for it.
    IndentedJsonWriter &beginObject();
    void endObject();
    // Closes the array and flushes; also done on destruction.
    void finish();
    // Stops without closing the array, so that no reader takes what was printed for the whole.
    void abandon();

private:
    void beginElement();
    void flush();

    std::FILE *m_stream;
    QByteArray m_buffer;
    std::optional<IndentedJsonWriter> m_object;
    qsizetype m_count = 0;
    bool m_finished = false;
};
