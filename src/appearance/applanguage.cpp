#include "applanguage.h"

#include "localization.h"
#include "preferences.h"
#include "rawvalue.h"

#include <QCoreApplication>
#include <QLocale>
#include <QProcess>
#include <QTimer>

const QList<AppLanguage> &allAppLanguages()
{
    static const QList<AppLanguage> languages{
        AppLanguage::system, AppLanguage::de, AppLanguage::en, AppLanguage::tr, AppLanguage::fr};
    return languages;
}

QString rawValue(AppLanguage language)
{
    switch (language) {
    case AppLanguage::system:
        return QStringLiteral("system");
    case AppLanguage::de:
        return QStringLiteral("de");
    case AppLanguage::en:
        return QStringLiteral("en");
    case AppLanguage::tr:
        return QStringLiteral("tr");
    case AppLanguage::fr:
        return QStringLiteral("fr");
    }
    return {};
}

AppLanguage appLanguageFromRawValue(const QString &raw)
{
    return caseWithRawValue(raw, allAppLanguages()).value_or(AppLanguage::system);
}

QString label(AppLanguage language)
{
    switch (language) {
    case AppLanguage::system:
        return Bv::tr("Systemsprache");
    case AppLanguage::de:
        return QStringLiteral("Deutsch");
    case AppLanguage::en:
        return QStringLiteral("English");
    case AppLanguage::tr:
        return QStringLiteral("Türkçe");
    case AppLanguage::fr:
        return QStringLiteral("Français");
    }
    return {};
}

void applyLanguage(Preferences &preferences, AppLanguage language)
{
    if (language == AppLanguage::system)
        preferences.remove(Pref::appleLanguages);
    else
        preferences.setValue(Pref::appleLanguages, QStringList{rawValue(language)});
}

QString startupLanguage(const Preferences &preferences)
{
    const QStringList override = preferences.stringListValue(Pref::appleLanguages);
    if (!override.isEmpty() && !override.first().isEmpty())
        return override.first().left(2);
    const QStringList system = QLocale().uiLanguages();
    return (system.isEmpty() ? QLocale().name() : system.first()).left(2);
}

void relaunch(const ProgramStarter &start, const std::function<void()> &quit)
{
    const QString program = QCoreApplication::applicationFilePath();
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (start)
        start(program, arguments);
    else
        QProcess::startDetached(program, arguments);
    if (quit)
        quit();
    else
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
}
