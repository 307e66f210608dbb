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
