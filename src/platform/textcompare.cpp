#include "platform/textcompare.h"

#include <QLocale>
#include <algorithm>
#include <iterator>

QCollator naturalCollator()
{
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(true);
    collator.setIgnorePunctuation(false);
    return collator;
}

namespace {

struct FullFolding
{
    char16_t from;
    const char16_t *to;
};

// The full case foldings to more than one character of the characters that have no canonical
// decomposition (the others are reached through it), in code order: what
// QString::toCaseFolded() leaves alone. Looked up after it, so "ẞ" has already become "ß".
constexpr FullFolding kFullFoldings[] = {
    {u'\u00DF', u"ss"},
    {u'\u0149', u"\u02BCn"},
    {u'\u0587', u"\u0565\u0582"},
    {u'\u1E9A', u"a\u02BE"},
    {u'\uFB00', u"ff"},
    {u'\uFB01', u"fi"},
    {u'\uFB02', u"fl"},
    {u'\uFB03', u"ffi"},
    {u'\uFB04', u"ffl"},
    {u'\uFB05', u"st"},
    {u'\uFB06', u"st"},
    {u'\uFB13', u"\u0574\u0576"},
    {u'\uFB14', u"\u0574\u0565"},
    {u'\uFB15', u"\u0574\u056B"},
    {u'\uFB16', u"\u057E\u0576"},
    {u'\uFB17', u"\u0574\u056D"},
};

const char16_t *fullFolding(char16_t c)
{
    if (c < kFullFoldings[0].from)
        return nullptr;
    const auto *found =
        std::lower_bound(std::begin(kFullFoldings),
                         std::end(kFullFoldings),
                         c,
                         [](const FullFolding &entry, char16_t key) { return entry.from < key; });
    return found != std::end(kFullFoldings) && found->from == c ? found->to : nullptr;
}

// The Greek iota subscript is a letter to case folding ("ᾳ" folds to "αι"), not an accent.
constexpr char16_t kIotaSubscript = u'\u0345';

} // namespace

QString foldForSearch(const QString &text)
{
    const bool ascii =
        std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x80; });
    if (ascii)
        return text.toLower();

    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString stripped;
    stripped.reserve(decomposed.size());
    for (QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing || c.unicode() == kIotaSubscript)
            stripped.append(c);
    }
    QString folded = stripped.toCaseFolded();
    for (qsizetype i = folded.size(); i-- > 0;) {
        if (const char16_t *expansion = fullFolding(folded.at(i).unicode())) {
            const QStringView letters(expansion);
            folded.replace(i, 1, letters.data(), letters.size());
        }
    }
    return folded;
}
