#include "localization.h"

#include <QTranslator>

bool installTranslation(const QString &language)
{
    static QTranslator *installed = nullptr;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    if (language == QLatin1String("de"))
        return true;
    auto *translator = new QTranslator;
    if (!translator->load(QStringLiteral(":/i18n/bivane_%1.qm").arg(language))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}
