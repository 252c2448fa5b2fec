#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message
{
    QString context;
    QString source;
    QString comment;
    bool numerus = false;
    QString type; // of the translation: "", "unfinished", "vanished", "obsolete"
    QStringList forms;

    QString key() const { return context + QLatin1Char('\x1f') + source + QLatin1Char('\x1f') + comment; }
    QString name() const { return QStringLiteral("%1: \"%2\"").arg(context, source); }
};

// The messages of a Qt Linguist catalogue; an empty list with `error` set when it cannot be read.
QList<Message> readCatalogue(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return {};
    }
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message();
            message.context = context;
            message.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            message.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            if (message.numerus) {
                while (xml.readNextStartElement())
                    message.forms.append(xml.readElementText());
            } else {
                message.forms = {xml.readElementText()};
            }
            messages.append(message);
        }
    }
    if (xml.hasError())
        *error = xml.errorString();
    return messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%L?(\\d+|n)"));
    QStringList found;
    for (auto match = pattern.globalMatch(text); match.hasNext();)
        found.append(match.next().captured(0));
    found.sort();
    return found;
}

// Keyboard mnemonics: '&' before anything but another '&'. Rich text has entities, no mnemonics.
int mnemonics(const QString &text)
{
    if (text.startsWith(QLatin1Char('<')))
        return 0;
    int count = 0;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('&'))
            continue;
        if (text.at(i + 1) == QLatin1Char('&')) {
            ++i;
            continue;
        }
        if (!text.at(i + 1).isSpace())
            ++count;
    }
    return count;
}

QString catalogue(const QString &language)
{
    return QStringLiteral(ZIMBREL_SOURCE_DIR "/resources/i18n/zimbrel_%1.ts").arg(language);
}

} // namespace

// The translated catalogues are complete, true to their sources' placeholders and mnemonics, and
// hold exactly the texts the code has today.
class TestCatalogues : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyMessageIsTranslated_data();
    void everyMessageIsTranslated();

private:
    QSet<QString> m_codeMessages;
    QHash<QString, QString> m_codeNames;
};

void TestCatalogues::initTestCase()
{
    // What the code holds now, through the same tool that refreshes the catalogues.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString fresh = dir.filePath(QStringLiteral("fresh_de.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(ZIMBREL_LUPDATE_PATH),
                  {QStringLiteral("-silent"), QStringLiteral("-no-obsolete"), QStringLiteral("-extensions"),
                   QStringLiteral("cpp,h"), QStringLiteral(ZIMBREL_SOURCE_DIR "/src"), QStringLiteral("-ts"),
                   fresh});
    QVERIFY2(lupdate.waitForFinished(120000), "lupdate did not finish");
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAll().constData());
    QString error;
    const QList<Message> messages = readCatalogue(fresh, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(messages.size() > 100);
    for (const Message &message : messages) {
        m_codeMessages.insert(message.key());
        m_codeNames.insert(message.key(), message.name());
    }
}

void TestCatalogues::everyMessageIsTranslated_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("pluralForms");
    QTest::newRow("German") << QStringLiteral("de") << 2;
    QTest::newRow("Spanish") << QStringLiteral("es") << 2;
    QTest::newRow("French") << QStringLiteral("fr") << 2;
    QTest::newRow("Japanese") << QStringLiteral("ja") << 1;
}

void TestCatalogues::everyMessageIsTranslated()
{
    QFETCH(QString, language);
    QFETCH(int, pluralForms);
    QString error;
    const QList<Message> messages = readCatalogue(catalogue(language), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));

    QStringList faults;
    QSet<QString> inCatalogue;
    for (const Message &message : messages) {
        inCatalogue.insert(message.key());
        if (!m_codeMessages.contains(message.key())) {
            faults.append(QStringLiteral("no longer in the code: %1").arg(message.name()));
            continue;
        }
        if (!message.type.isEmpty()) {
            faults.append(QStringLiteral("%1: %2").arg(message.type, message.name()));
            continue;
        }
        if (message.numerus && message.forms.size() != pluralForms) {
            faults.append(QStringLiteral("%1 plural forms instead of %2: %3")
                              .arg(message.forms.size())
                              .arg(pluralForms)
                              .arg(message.name()));
            continue;
        }
        const QStringList expected = placeholders(message.source);
        for (qsizetype i = 0; i < message.forms.size(); ++i) {
            const QString &form = message.forms.at(i);
            if (form.trimmed().isEmpty() && !message.source.trimmed().isEmpty()) {
                faults.append(QStringLiteral("empty translation: %1").arg(message.name()));
                break;
            }
            QStringList got = placeholders(form);
            QStringList want = expected;
            // A singular form may say "one" in words instead of %n.
            if (message.numerus && i + 1 < message.forms.size() && !got.contains(QStringLiteral("%n")))
                want.removeAll(QStringLiteral("%n"));
            if (got != want) {
                faults.append(QStringLiteral("placeholders %1 instead of %2: %3")
                                  .arg(got.join(u' '), want.join(u' '), message.name()));
                break;
            }
            if ((mnemonics(message.source) > 0) != (mnemonics(form) == 1) || mnemonics(form) > 1) {
                faults.append(
                    QStringLiteral("mnemonic lost or doubled in \"%1\": %2").arg(form, message.name()));
                break;
            }
        }
    }
    for (const QString &key : std::as_const(m_codeMessages)) {
        if (!inCatalogue.contains(key))
            faults.append(QStringLiteral("missing (refresh with the update_translations target): %1")
                              .arg(m_codeNames.value(key)));
    }
    faults.sort();
    QVERIFY2(faults.isEmpty(),
             qPrintable(QStringLiteral("%1 fault(s) in zimbrel_%2.ts:\n  %3")
                            .arg(faults.size())
                            .arg(language, faults.mid(0, 60).join(QStringLiteral("\n  ")))));
}

QTEST_GUILESS_MAIN(TestCatalogues)
#include "tst_catalogues.moc"
