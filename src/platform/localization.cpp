#include "platform/localization.h"

#include <QLocale>
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

void useLanguage(const QString &language)
{
    installTranslation(language);
    const QLocale wanted(language);
    const QLocale desktop = QLocale::system();
    // Built from the name rather than the system locale itself, whose preferred-language list
    // comes from the environment and may start with another language.
    QLocale::setDefault(desktop.language() == wanted.language() ? QLocale(desktop.name()) : wanted);
}
