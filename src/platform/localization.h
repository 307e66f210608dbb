#pragma once

#include <QCoreApplication>

// The one translation context of the program. German source texts are the keys; a key
// without a translation in the current table shows the German text itself.
//     Bv::tr("Größe")
class Bv
{
    Q_DECLARE_TR_FUNCTIONS(Bivane)
};

// Loads the compiled table for `language` ("de", "en", "tr", "fr") into the application;
// German needs none. Returns false when no table exists for the language.
bool installTranslation(const QString &language);

// Makes `language` the program's language: its translation table, and a default locale of that
// language for dates, numbers, sorting and the type descriptions of the MIME database. The
// desktop's own locale keeps its region when it speaks the same language ("en_GB" stays).
void useLanguage(const QString &language);
