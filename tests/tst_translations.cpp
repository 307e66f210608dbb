// Every text the program shows has an English, a Turkish and a French translation.
#include "testmain.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

// The texts of one table that have a finished translation.
QSet<QString> translatedTexts(const QString &tsFile)
{
    QFile file(tsFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QSet<QString> translated;
    QXmlStreamReader xml(&file);
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            const QString text =
                xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
            if (finished && !text.isEmpty())
                translated.insert(source);
        }
    }
    return translated;
}

// The C++ string literal starting at `at` (after its opening quote), unescaped; `at` moves past
// its closing quote.
QString literal(const QString &code, qsizetype &at)
{
    QString text;
    for (; at < code.size() && code[at] != QLatin1Char('"'); ++at) {
        if (code[at] == QLatin1Char('\\') && at + 1 < code.size()) {
            const QChar escaped = code[++at];
            text += escaped == QLatin1Char('n') ? QChar(QLatin1Char('\n')) : escaped;
        } else {
            text += code[at];
        }
    }
    ++at;
    return text;
}

// Every literal text handed to the translation functions in the sources; adjacent literals
// ("a " "b") join as the compiler joins them.
QSet<QString> shownTexts()
{
    static const QRegularExpression call(
        QStringLiteral(R"((?:Bv::tr|QT_TRANSLATE_NOOP)\(\s*(?:"Bivane"\s*,\s*)?")"));
    static const QRegularExpression nextLiteral(QStringLiteral(R"(\G\s*")"));
    QSet<QString> texts;
    QDirIterator files(QStringLiteral(BIVANE_SOURCE_DIR "/src"),
                       {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                       QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString code = QString::fromUtf8(file.readAll());
        for (auto match = call.globalMatch(code); match.hasNext();) {
            qsizetype at = match.next().capturedEnd();
            QString text = literal(code, at);
            for (QRegularExpressionMatch more = nextLiteral.match(code, at); more.hasMatch();
                 more = nextLiteral.match(code, at)) {
                at = more.capturedEnd();
                text += literal(code, at);
            }
            texts.insert(text);
        }
    }
    return texts;
}

} // namespace

class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void everyShownTextIsTranslated_data();
    void everyShownTextIsTranslated();
};

void TranslationsTest::everyShownTextIsTranslated_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"en", "tr", "fr"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TranslationsTest::everyShownTextIsTranslated()
{
    QFETCH(QString, language);
    static const QSet<QString> shown = shownTexts();
    QVERIFY(shown.size() > 50); // the sources were found
    const QSet<QString> translated = translatedTexts(
        QStringLiteral(BIVANE_SOURCE_DIR "/translations/bivane_%1.ts").arg(language));
    QStringList missing;
    for (const QString &text : shown) {
        if (!translated.contains(text))
            missing.append(text);
    }
    missing.sort();
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
}

BIVANE_TEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
