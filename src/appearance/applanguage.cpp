#include "appearance/applanguage.h"

#include "platform/commandline.h"
#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "platform/preferences.h"
#include "platform/rawvalue.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTimer>
#include <climits>
#include <spawn.h>
#include <unistd.h>
#include <vector>

namespace {

// The running program's file, byte for byte.
QByteArray runningProgram()
{
    QByteArray path(PATH_MAX, Qt::Uninitialized);
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || length >= path.size())
        return PathCodec::encode(QCoreApplication::applicationFilePath());
    path.truncate(length);
    return path;
}

// Starts `program` with `arguments` as they are, not waiting for it; it keeps running when
// this instance quits.
bool startProgram(const QByteArray &program, const QByteArrayList &arguments)
{
    std::vector<char *> argv;
    argv.push_back(const_cast<char *>(program.constData()));
    for (const QByteArray &argument : arguments)
        argv.push_back(const_cast<char *>(argument.constData()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    pid_t pid = 0;
    const int started = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return started == 0;
}

} // namespace

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

QString offeredDesktopLanguage(const QProcessEnvironment &environment)
{
    QStringList wanted = environment.value(QStringLiteral("LANGUAGE")).split(QLatin1Char(':'));
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString locale = environment.value(QString::fromLatin1(variable));
        if (!locale.isEmpty()) {
            wanted.append(locale);
            break;
        }
    }
    for (const QString &locale : std::as_const(wanted)) {
        // "tr_TR.UTF-8", "fr_FR@euro" and "en" all name their language first.
        static const QRegularExpression ending(QStringLiteral("[_.@-].*$"));
        const QString code = QString(locale).remove(ending);
        const AppLanguage language = appLanguageFromRawValue(code);
        if (language != AppLanguage::system)
            return code;
    }
    return rawValue(AppLanguage::de);
}

QString startupLanguage(const Preferences &preferences, const QProcessEnvironment &environment)
{
    const QStringList override = preferences.stringListValue(Pref::appleLanguages);
    if (!override.isEmpty() && !override.first().isEmpty())
        return override.first().left(2);
    return offeredDesktopLanguage(environment);
}

void relaunch(const ProgramStarter &start, const std::function<void()> &quit)
{
    const QByteArray program = runningProgram();
    const QByteArrayList &arguments = CommandLine::arguments();
    if (start)
        start(program, arguments);
    else
        startProgram(program, arguments);
    if (quit)
        quit();
    else
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
}
