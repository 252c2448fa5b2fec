#include "jsonarraywriter.h"

#include <QJsonDocument>

namespace {

// Flushed in pieces of about this size: few system calls, bounded memory.
constexpr qsizetype flushThreshold = 256 * 1024;

// One element of an indented array: the object's own indented text, each line four spaces in.
void appendElement(QByteArray &out, const QJsonObject &object)
{
    const QByteArray text = QJsonDocument(object).toJson(QJsonDocument::Indented);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        out.append("    ");
        out.append(text.constData() + start, end - start);
        start = end + 1;
        if (start < text.size())
            out.append('\n');
    }
}

} // namespace

JsonArrayWriter::JsonArrayWriter(std::FILE *stream)
    : m_stream(stream)
{
    m_buffer.reserve(flushThreshold + 4096);
    m_buffer.append("[\n");
}

JsonArrayWriter::~JsonArrayWriter()
{
    finish();
}

void JsonArrayWriter::beginElement()
{
    if (m_count++ > 0)
        m_buffer.append(",\n");
}

void JsonArrayWriter::append(const QJsonObject &object)
{
    beginElement();
    appendElement(m_buffer, object);
    if (m_buffer.size() >= flushThreshold)
        flush();
}

IndentedJsonWriter &JsonArrayWriter::beginObject()
{
    beginElement();
    return m_object.emplace(m_buffer, 1);
}

void JsonArrayWriter::endObject()
{
    if (!m_object)
        return;
    m_object->finish();
    m_object.reset();
    if (m_buffer.size() >= flushThreshold)
        flush();
}

void JsonArrayWriter::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    m_buffer.append(m_count > 0 ? "\n]\n" : "]\n");
    flush();
    std::fflush(m_stream);
}

void JsonArrayWriter::abandon()
{
    if (m_finished)
        return;
    m_finished = true;
    m_buffer.append('\n');
    flush();
    std::fflush(m_stream);
}

void JsonArrayWriter::flush()
{
    if (!m_buffer.isEmpty())
        std::fwrite(m_buffer.constData(), 1, static_cast<size_t>(m_buffer.size()), m_stream);
    m_buffer.clear();
}
