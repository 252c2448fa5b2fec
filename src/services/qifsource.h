#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The text of one import file kept as its bytes and decoded one line at a time: a file of a
// million records then costs its size once, not its size plus twice that as UTF-16 text. The
// encoding is chosen as decodeImportText() chooses it, and the lines are those of its text.
class QifSource
{
public:
    explicit QifSource(QByteArray bytes);

    // Calls `visit` with every line of the text, as forEachLine of a text does: "\r\n", "\r" and
    // "\n" all end a line, empty lines are kept, and the piece after the last end is a line too.
    // The view is valid during the call only. `visit` returns false to stop.
    template<typename Visit> void forEachLine(Visit visit) const
    {
        if (m_encoding == Encoding::Text) {
            forEachPiece(QStringView(m_text), [&](QStringView line) { return visit(line); });
            return;
        }
        QString buffer;
        forEachPiece(QByteArrayView(m_bytes).sliced(m_start),
                     [&](QByteArrayView line) { return visit(decodeLine(line, &buffer)); });
    }

private:
    enum class Encoding { Utf8, Windows1252, Text };

    template<typename View, typename Visit> static void forEachPiece(View text, Visit visit)
    {
        qsizetype start = 0;
        const qsizetype size = text.size();
        for (qsizetype i = 0; i < size; ++i) {
            const auto c = text[i];
            if (c != '\n' && c != '\r')
                continue;
            if (!visit(text.sliced(start, i - start)))
                return;
            if (c == '\r' && i + 1 < size && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
        visit(text.sliced(start));
    }

    QStringView decodeLine(QByteArrayView line, QString *buffer) const;

    Encoding m_encoding = Encoding::Utf8;
    QByteArray m_bytes;
    qsizetype m_start = 0; // past a UTF-8 byte-order mark
    QString m_text;        // UTF-16 files only: decoded whole
};
