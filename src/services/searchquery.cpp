#include "searchquery.h"

#include <QList>

namespace {

struct Token
{
    enum Kind { Word, Phrase, Syntax };
    Kind kind = Word;
    QString text;
    bool closed = true; // phrases only
    bool spaceBefore = false;
};

bool isSyntax(QChar character)
{
    static const QString syntax = QStringLiteral("():*^+{},");
    return syntax.contains(character);
}

// What FTS5 reads as part of a bare word: non-ASCII, ASCII letters and digits, '_' and U+001A.
bool isBareWord(const QString &word)
{
    for (const QChar character : word) {
        const char16_t code = character.unicode();
        const bool bare = code > 127 || (code >= 'a' && code <= 'z') || (code >= 'A' && code <= 'Z') ||
                          (code >= '0' && code <= '9') || code == '_' || code == 0x1A;
        if (!bare)
            return false;
    }
    return true;
}

bool isOperator(const Token &token)
{
    return token.kind == Token::Word &&
           (token.text == QLatin1String("AND") || token.text == QLatin1String("OR") ||
            token.text == QLatin1String("NOT"));
}

QList<Token> tokenize(const QString &text)
{
    QList<Token> tokens;
    bool space = false;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar character = text[i];
        if (character.isSpace()) {
            space = true;
            ++i;
            continue;
        }
        Token token;
        token.spaceBefore = space;
        space = false;
        if (character == QLatin1Char('"')) {
            // Inside a phrase a doubled quote stands for one quote character.
            token.kind = Token::Phrase;
            token.closed = false;
            qsizetype end = i + 1;
            while (end < text.size()) {
                if (text[end] == QLatin1Char('"')) {
                    if (end + 1 < text.size() && text[end + 1] == QLatin1Char('"')) {
                        end += 2;
                        continue;
                    }
                    token.closed = true;
                    ++end;
                    break;
                }
                ++end;
            }
            token.text = text.mid(i, end - i);
            i = end;
        } else if (isSyntax(character)) {
            token.kind = Token::Syntax;
            token.text = character;
            ++i;
        } else {
            qsizetype end = i;
            while (end < text.size() && !text[end].isSpace() && text[end] != QLatin1Char('"') &&
                   !isSyntax(text[end]))
                ++end;
            token.text = text.mid(i, end - i);
            i = end;
        }
        tokens.append(token);
    }
    return tokens;
}

bool isSyntax(const Token &token, char character)
{
    return token.kind == Token::Syntax && token.text == QLatin1Char(character);
}

// Drops what still waits for its operand at the end: an operator, a column filter without its
// query ("payee:"), a "+", "^" or an empty "(".
void dropDanglingEnd(QList<Token> &tokens)
{
    while (!tokens.isEmpty()) {
        const Token &last = tokens.constLast();
        if (isOperator(last) || isSyntax(last, '+') || isSyntax(last, '^') || isSyntax(last, '(')) {
            tokens.removeLast();
        } else if (isSyntax(last, ':')) {
            tokens.removeLast();
            if (!tokens.isEmpty() && isSyntax(tokens.constLast(), '}')) {
                while (!tokens.isEmpty() && !isSyntax(tokens.constLast(), '{'))
                    tokens.removeLast();
            }
            if (!tokens.isEmpty())
                tokens.removeLast(); // the column name, or the "{"
            if (!tokens.isEmpty() && tokens.constLast().text == QLatin1String("-"))
                tokens.removeLast();
        } else {
            return;
        }
    }
}

} // namespace

QString searchAsYouTypeQuery(const QString &typed)
{
    QList<Token> tokens = tokenize(typed);
    const bool endsInWord = !typed.isEmpty() && !typed.back().isSpace() && !tokens.isEmpty() &&
                            tokens.constLast().kind == Token::Word;
    const qsizetype typedCount = tokens.size();
    dropDanglingEnd(tokens);
    const bool prefixLast = endsInWord && tokens.size() == typedCount && !isOperator(tokens.constLast());

    QString query;
    int openGroups = 0;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const Token &token = tokens[i];
        if (token.spaceBefore && !query.isEmpty())
            query += QLatin1Char(' ');
        switch (token.kind) {
        case Token::Phrase:
            query += token.text;
            if (!token.closed)
                query += QLatin1Char('"');
            break;
        case Token::Syntax:
            if (token.text == QLatin1String("("))
                ++openGroups;
            else if (token.text == QLatin1String(")"))
                --openGroups;
            query += token.text;
            break;
        case Token::Word: {
            // A column name before ":" and the operators are the user's syntax, kept as typed.
            const bool columnName = i + 1 < tokens.size() && isSyntax(tokens[i + 1], ':');
            if (columnName || isOperator(token) || isBareWord(token.text))
                query += token.text;
            else
                query += QLatin1Char('"') + token.text + QLatin1Char('"');
            break;
        }
        }
    }
    if (prefixLast)
        query += QLatin1Char('*');
    for (; openGroups > 0; --openGroups)
        query += QLatin1Char(')');
    return query;
}
