#pragma once

#include <QByteArray>
#include <QJsonObject>

#include <cstdio>

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
    // Closes the array and flushes; also done on destruction.
    void finish();
    // Stops without closing the array, so that no reader takes what was printed for the whole.
    void abandon();

private:
    void flush();

    std::FILE *m_stream;
    QByteArray m_buffer;
    qsizetype m_count = 0;
    bool m_finished = false;
};
