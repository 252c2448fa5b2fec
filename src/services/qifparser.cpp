#include "qifparser.h"

#include "data/decimaltext.h"
#include "data/money.h"

#include <QSet>

namespace {

// Calls `visit` with every line: "\r\n", "\r" and "\n" all end a line; empty lines are kept.
template<typename Visit> void forEachLine(QStringView text, Visit visit)
{
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        visit(text.sliced(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < size && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    visit(text.sliced(start));
}

QStringView preparedLine(QStringView line)
{
    qsizetype skip = 0;
    while (skip < line.size() && (line[skip] == QChar(0xFEFF) || line[skip] == QLatin1Char('\r')))
        ++skip;
    return line.sliced(skip).trimmed();
}

bool isAsciiDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// Date-parsing step 1: unify the separators, drop blanks, split into the non-empty parts.
QList<QStringView> dateParts(QStringView text, QString *buffer)
{
    buffer->clear();
    buffer->reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char('\''))
            buffer->append(QLatin1Char('/'));
        else if (c != QLatin1Char(' '))
            buffer->append(c);
    }
    QList<QStringView> parts;
    for (const QStringView part : QStringView(*buffer).split(QLatin1Char('/'), Qt::SkipEmptyParts))
        parts.append(part);
    return parts;
}

// A part of at most nine digits fits an int; longer ones are no date anyway.
int partValue(QStringView part)
{
    if (part.size() > 9)
        return -1;
    int value = 0;
    for (const QChar c : part)
        value = value * 10 + (c.unicode() - '0');
    return value;
}

bool isCurrencySign(QChar c)
{
    switch (c.unicode()) {
    case 0x0024: // dollar
    case 0x20AC: // euro
    case 0x00A3: // pound
    case 0x00A5: // yen
    case 0x00A2: // cent
        return true;
    default:
        return false;
    }
}

// Grouping is only accepted in the regular form: a first group of one to three digits, then
// groups of exactly three.
bool isRegularGrouping(QStringView text, QChar separator)
{
    const QList<QStringView> groups = text.split(separator);
    if (groups.first().isEmpty() || groups.first().size() > 3)
        return false;
    for (qsizetype i = 1; i < groups.size(); ++i) {
        if (groups[i].size() != 3)
            return false;
    }
    return true;
}

QifAccountType accountTypeFromHeader(const QString &typeText)
{
    if (typeText == QLatin1String("ccard"))
        return QifAccountType::CreditCard;
    if (typeText == QLatin1String("invst"))
        return QifAccountType::Investment;
    if (typeText == QLatin1String("cash"))
        return QifAccountType::Cash;
    if (typeText == QLatin1String("oth a"))
        return QifAccountType::OtherAsset;
    if (typeText == QLatin1String("oth l"))
        return QifAccountType::OtherLiability;
    return QifAccountType::Bank;
}

enum class Section { Transactions, Ignored, AccountBlock, CategoryList, Other };

struct Field
{
    QChar letter;
    QString value;
};

class QifReader
{
public:
    // Each complete transaction goes to `visit` at once; the reader keeps none of them.
    QifReader(QifDateOrder order, const QifParser::TransactionVisitor &visit)
        : m_visit(visit)
    {
        m_result.dateOrder = order;
    }

    // One copy of each text that many records repeat (payees, categories, memos): a million
    // records name a few thousand payees. Bounded, so that a file of unique texts costs no more
    // than one table of them.
    QString shared(QStringView value)
    {
        QString text = value.toString();
        if (text.isEmpty())
            return text;
        if (const auto found = m_sharedTexts.constFind(text); found != m_sharedTexts.cend())
            return *found;
        if (m_sharedTexts.size() < maxSharedTexts)
            m_sharedTexts.insert(text);
        return text;
    }

    void readLine(QStringView rawLine)
    {
        ++m_lineNumber;
        if (!m_result.error.isEmpty())
            return;
        if (rawLine.size() > QifParser::maxLineLength) {
            fail(QStringLiteral("longer than %1 characters").arg(QifParser::maxLineLength));
            return;
        }
        const QStringView line = preparedLine(rawLine);
        if (line.isEmpty())
            return;
        const QChar letter = line.front();
        if (letter == QLatin1Char('!')) {
            completeRecord();
            readHeader(line);
            return;
        }
        // Some exporters end records with "^^" or put text after the mark: the mark alone counts.
        if (letter == QLatin1Char('^')) {
            completeRecord();
            return;
        }
        const QStringView value = line.sliced(1).trimmed();
        switch (m_section) {
        case Section::Ignored:
            m_hasContent = true;
            break;
        case Section::AccountBlock:
            m_hasContent = true;
            m_blockFields.append({letter, value.toString()});
            break;
        case Section::CategoryList:
            m_hasContent = true;
            readCategoryField(letter, value);
            break;
        case Section::Transactions:
        case Section::Other:
            readTransactionField(letter, value);
            break;
        }
    }

    QifParseResult finish()
    {
        if (m_result.error.isEmpty())
            completeRecord();
        return std::move(m_result);
    }

private:
    void fail(const QString &reason)
    {
        QifParseResult failed;
        failed.dateOrder = m_result.dateOrder;
        failed.error = QStringLiteral("line %1: %2").arg(m_lineNumber).arg(reason);
        m_result = std::move(failed);
        resetRecord();
    }

    void readHeader(QStringView line)
    {
        if (line.startsWith(QLatin1String("!Type:"), Qt::CaseInsensitive)) {
            const QString typeText = line.sliced(6).trimmed().toString().toLower();
            if (typeText == QLatin1String("cat")) {
                m_section = Section::CategoryList;
            } else if (typeText == QLatin1String("class") || typeText == QLatin1String("memorized") ||
                       typeText == QLatin1String("tag") || typeText == QLatin1String("security") ||
                       typeText == QLatin1String("prices")) {
                m_section = Section::Ignored;
            } else {
                m_section = Section::Transactions;
                m_accountType = accountTypeFromHeader(typeText);
            }
        } else if (line.startsWith(QLatin1String("!Account"), Qt::CaseInsensitive)) {
            m_section = Section::AccountBlock;
        } else if (line.startsWith(QLatin1String("!Option"), Qt::CaseInsensitive) ||
                   line.startsWith(QLatin1String("!Clear"), Qt::CaseInsensitive)) {
            m_section = Section::Ignored;
        } else {
            m_section = Section::Other;
        }
    }

    void readCategoryField(QChar letter, QStringView value)
    {
        switch (letter.unicode()) {
        case 'N':
            m_category.name = value.toString();
            break;
        case 'D':
            m_category.description = value.toString();
            break;
        case 'I':
            m_category.isIncome = true;
            break;
        case 'E':
            m_category.isIncome = false;
            break;
        default:
            break;
        }
    }

    void readTransactionField(QChar letter, QStringView value)
    {
        switch (letter.unicode()) {
        case 'D': {
            const QDate date = QifParser::parseDate(value, m_result.dateOrder);
            if (date.isValid()) {
                m_transaction.date = date;
                m_hasDate = true;
            }
            break;
        }
        case 'T':
        case 'U':
            readAmount(value);
            break;
        case '$':
            if (m_splitOpen) {
                if (const std::optional<qint64> amount = QifParser::parseAmount(value))
                    m_split.amount = *amount;
            } else {
                readAmount(value);
            }
            break;
        case 'P':
            m_transaction.payee = shared(value);
            break;
        case 'M':
            m_transaction.memo = shared(value);
            break;
        case 'N':
            m_transaction.checkNumber = value.toString();
            break;
        case 'L':
            QifParser::splitCategoryField(value, &m_transaction.category, &m_transaction.transferAccount);
            m_transaction.category = shared(m_transaction.category);
            m_transaction.transferAccount = shared(m_transaction.transferAccount);
            break;
        case 'C': {
            const QChar flag = value.isEmpty() ? QChar() : value.front().toLower();
            if (flag == QLatin1Char('*') || flag == QLatin1Char('c') || flag == QLatin1Char('x')) {
                m_transaction.cleared = true;
            } else if (flag == QLatin1Char('r')) {
                m_transaction.cleared = true;
                m_transaction.reconciled = true;
            }
            break;
        }
        case 'S':
            if (++m_splitLines > QifParser::maxSplitsPerRecord) {
                fail(QStringLiteral("more than %1 split lines in one record")
                         .arg(QifParser::maxSplitsPerRecord));
                return;
            }
            completeSplit();
            m_splitOpen = true;
            QifParser::splitCategoryField(value, &m_split.category, &m_split.transferAccount);
            break;
        case 'E':
            if (m_splitOpen)
                m_split.memo = value.toString();
            break;
        case 'Y':
            m_transaction.security = value.toString();
            break;
        case 'A':
            break;
        default:
            return; // an unknown letter is no content
        }
        m_hasContent = true;
    }

    void readAmount(QStringView value)
    {
        if (const std::optional<qint64> amount = QifParser::parseAmount(value)) {
            m_transaction.amount = *amount;
            m_hasAmount = true;
        }
    }

    void completeSplit()
    {
        if (!m_splitOpen)
            return;
        // A bare "S" line with nothing after it says nothing; keeping it would let a file of them
        // cost memory and split lines out of all proportion to what it holds.
        if (m_split != QifSplit())
            m_transaction.splits.append(std::move(m_split));
        m_split = {};
        m_splitOpen = false;
    }

    void completeRecord()
    {
        completeSplit();
        switch (m_section) {
        case Section::AccountBlock:
            completeAccountBlockRecord();
            break;
        case Section::CategoryList:
            if (m_hasContent && !m_category.name.isEmpty())
                m_result.categories.append(std::move(m_category));
            break;
        case Section::Ignored:
            if (m_hasContent)
                ++m_result.skippedCount;
            break;
        case Section::Transactions:
        case Section::Other:
            completeTransaction(m_accountType);
            break;
        }
        resetRecord();
    }

    // Many exporters put the register straight after "!Account" without a "!Type:" line. A record
    // there with a real date and amount is a transaction of the current account, not an account
    // description; one that carries transaction fields but no date or amount is unreadable, and
    // neither may rename the current account.
    void completeAccountBlockRecord()
    {
        bool validDate = false;
        bool validAmount = false;
        bool transactionLetter = false;
        QString name;
        for (const Field &field : std::as_const(m_blockFields)) {
            switch (field.letter.unicode()) {
            case 'D':
                validDate = validDate || QifParser::parseDate(field.value, m_result.dateOrder).isValid();
                break;
            case 'T':
            case 'U':
                validAmount = validAmount || QifParser::parseAmount(field.value).has_value();
                break;
            case 'N':
                name = field.value;
                break;
            case 'P':
            case 'M':
            case 'C':
            case 'S':
            case 'E':
                transactionLetter = true;
                break;
            default:
                break;
            }
        }
        if (validDate && validAmount) {
            const QList<Field> fields = std::move(m_blockFields);
            for (const Field &field : fields)
                readTransactionField(field.letter, field.value);
            completeSplit();
            completeTransaction(QifAccountType::Bank);
        } else if (transactionLetter) {
            ++m_result.unparseableCount;
        } else if (!name.isEmpty()) {
            m_currentAccount = name;
        }
    }

    void completeTransaction(QifAccountType type)
    {
        if (!m_hasContent)
            return;
        if (!m_hasDate || !m_hasAmount) {
            ++m_result.unparseableCount;
            return;
        }
        m_transaction.accountName = m_currentAccount;
        m_visit(std::move(m_transaction));
        if (!m_currentAccount.isEmpty()) {
            const QString key = m_currentAccount.toLower();
            if (!m_seenAccounts.contains(key)) {
                m_seenAccounts.insert(key);
                m_result.accounts.append({m_currentAccount, type});
            }
        }
    }

    void resetRecord()
    {
        m_transaction = {};
        m_split = {};
        m_splitOpen = false;
        m_category = {};
        m_blockFields.clear();
        m_splitLines = 0;
        m_hasContent = false;
        m_hasDate = false;
        m_hasAmount = false;
    }

    static constexpr qsizetype maxSharedTexts = 65536;
    const QifParser::TransactionVisitor &m_visit;
    QSet<QString> m_sharedTexts;
    QifParseResult m_result;
    qsizetype m_lineNumber = 0;
    Section m_section = Section::Other;
    QifAccountType m_accountType = QifAccountType::Bank;
    QString m_currentAccount;
    QSet<QString> m_seenAccounts;

    QifTransaction m_transaction;
    QifSplit m_split;
    bool m_splitOpen = false;
    qsizetype m_splitLines = 0; // "S" lines of the pending record, empty ones included
    QifCategory m_category;
    QList<Field> m_blockFields;
    bool m_hasContent = false;
    bool m_hasDate = false;
    bool m_hasAmount = false;
};

// DayFirst as soon as a date line starts with a value above 12; MonthFirst unless one does.
class DateOrderDetector
{
public:
    // False once the order is decided: the lines after it change nothing.
    bool readLine(QStringView rawLine)
    {
        const QStringView line = preparedLine(rawLine);
        if (line.size() <= 1 || line.front() != QLatin1Char('D'))
            return true;
        const QList<QStringView> parts = dateParts(line.sliced(1).trimmed(), &m_buffer);
        if (parts.size() < 3 || !isAsciiDigits(parts[0]) || !isAsciiDigits(parts[2]) || parts[0].size() == 4)
            return true;
        if (partValue(parts[0]) > 12) {
            m_order = QifDateOrder::DayFirst;
            return false;
        }
        return true;
    }

    QifDateOrder order() const { return m_order; }

private:
    QifDateOrder m_order = QifDateOrder::MonthFirst;
    QString m_buffer;
};

} // namespace

QString qifAccountTypeText(QifAccountType type)
{
    switch (type) {
    case QifAccountType::CreditCard:
        return QStringLiteral("ccard");
    case QifAccountType::Investment:
        return QStringLiteral("invst");
    case QifAccountType::Cash:
        return QStringLiteral("cash");
    case QifAccountType::OtherAsset:
        return QStringLiteral("oth a");
    case QifAccountType::OtherLiability:
        return QStringLiteral("oth l");
    case QifAccountType::Bank:
        break;
    }
    return QStringLiteral("bank");
}

QifParseResult QifParser::parse(QStringView text, QifDateOrder dateOrder)
{
    QList<QifTransaction> transactions;
    // Every record ends with a "^" line; a caret inside a text only makes the room larger. Growing
    // a list of a million records step by step would hold two copies of it for a moment.
    transactions.reserve(text.count(QLatin1Char('^')));
    const TransactionVisitor collect = [&transactions](QifTransaction &&transaction) {
        transactions.append(std::move(transaction));
    };
    QifReader reader(dateOrder == QifDateOrder::Auto ? detectDateOrder(text) : dateOrder, collect);
    forEachLine(text, [&reader](QStringView line) { reader.readLine(line); });
    QifParseResult result = reader.finish();
    if (result.error.isEmpty())
        result.transactions = std::move(transactions);
    return result;
}

QifParseResult QifParser::read(const QifSource &source, const TransactionVisitor &visit,
                               QifDateOrder dateOrder)
{
    if (dateOrder == QifDateOrder::Auto) {
        DateOrderDetector detector;
        source.forEachLine([&detector](QStringView line) { return detector.readLine(line); });
        dateOrder = detector.order();
    }
    QifReader reader(dateOrder, visit);
    source.forEachLine([&reader](QStringView line) {
        reader.readLine(line);
        return true;
    });
    return reader.finish();
}

std::optional<qint64> QifParser::parseAmount(QStringView text, int decimals, bool *beyondRange)
{
    if (beyondRange)
        *beyondRange = false;
    text = text.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool negative = false;
    if (text.size() >= 2 && text.startsWith(QLatin1Char('(')) && text.endsWith(QLatin1Char(')'))) {
        negative = true;
        text = text.sliced(1, text.size() - 2).trimmed();
    }
    QString cleaned;
    cleaned.reserve(text.size());
    for (const QChar c : text) {
        if (!isCurrencySign(c) && !c.isSpace())
            cleaned.append(c);
    }
    if (cleaned.startsWith(QLatin1Char('+'))) {
        cleaned.remove(0, 1);
    } else if (cleaned.startsWith(QLatin1Char('-'))) {
        cleaned.remove(0, 1);
        negative = !negative;
    }
    if (cleaned.isEmpty())
        return std::nullopt;

    const qsizetype lastPoint = cleaned.lastIndexOf(QLatin1Char('.'));
    const qsizetype lastComma = cleaned.lastIndexOf(QLatin1Char(','));
    QChar decimalSeparator;
    QChar groupingSeparator;
    if (lastPoint >= 0 && lastComma >= 0) {
        decimalSeparator = lastPoint > lastComma ? QLatin1Char('.') : QLatin1Char(',');
        groupingSeparator = lastPoint > lastComma ? QLatin1Char(',') : QLatin1Char('.');
    } else if (lastPoint >= 0 || lastComma >= 0) {
        const QChar separator = lastPoint >= 0 ? QLatin1Char('.') : QLatin1Char(',');
        const qsizetype last = std::max(lastPoint, lastComma);
        const bool grouping = cleaned.count(separator) > 1 || (cleaned.size() - last - 1 == 3 && last != 0);
        if (grouping) {
            if (!isRegularGrouping(cleaned, separator))
                return std::nullopt;
            groupingSeparator = separator;
        } else {
            decimalSeparator = separator;
        }
    }

    QString number;
    number.reserve(cleaned.size());
    for (const QChar c : std::as_const(cleaned)) {
        if (c == groupingSeparator && !groupingSeparator.isNull())
            continue;
        if (c == decimalSeparator && !decimalSeparator.isNull())
            number.append(QLatin1Char('.'));
        else if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.'))
            number.append(c);
        else
            return std::nullopt;
    }
    if (number.isEmpty() || number == QLatin1String("."))
        return std::nullopt;
    // Read exactly rather than through a double: 0.285 is 29 cents, and a value beyond the largest
    // amount is refused instead of overflowing a balance later.
    const std::optional<qint64> value = amountFromDecimal(number, decimals);
    if (!value) {
        if (beyondRange)
            *beyondRange = decimalToMinorUnits(number, decimals).has_value() || number.size() > 18;
        return std::nullopt;
    }
    return negative ? -*value : *value;
}

QDate QifParser::parseDate(QStringView text, QifDateOrder order)
{
    text = text.trimmed();
    if (text.isEmpty())
        return {};
    QString buffer;
    const QList<QStringView> parts = dateParts(text, &buffer);
    if (parts.size() < 3)
        return {};
    for (int i = 0; i < 3; ++i) {
        if (!isAsciiDigits(parts[i]))
            return {};
    }
    const int first = partValue(parts[0]);
    const int second = partValue(parts[1]);
    const int third = partValue(parts[2]);
    if (first < 0 || second < 0 || third < 0)
        return {};
    int year = 0;
    int month = 0;
    int day = 0;
    if (parts[0].size() == 4) {
        year = first;
        month = second;
        day = third;
    } else {
        year = (parts[2].size() == 4 || third >= 32) ? third : 2000 + third;
        if (order == QifDateOrder::DayFirst) {
            day = first;
            month = second;
        } else {
            month = first;
            day = second;
        }
    }
    if (year < 100)
        year += year < 70 ? 2000 : 1900;
    return QDate(year, month, day);
}

QifDateOrder QifParser::detectDateOrder(QStringView text)
{
    DateOrderDetector detector;
    bool decided = false;
    forEachLine(text, [&](QStringView line) { decided = decided || !detector.readLine(line); });
    return detector.order();
}

void QifParser::splitCategoryField(QStringView text, QString *category, QString *transferAccount)
{
    text = text.trimmed();
    const qsizetype slash = text.indexOf(QLatin1Char('/'));
    if (slash >= 0)
        text = text.first(slash).trimmed();
    if (text.size() >= 2 && text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']'))) {
        *transferAccount = text.sliced(1, text.size() - 2).trimmed().toString();
        category->clear();
    } else {
        *category = text.toString();
        transferAccount->clear();
    }
}
