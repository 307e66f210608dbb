#pragma once

#include <QByteArrayList>
#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <functional>

class Preferences;

// The user-interface language. Stored under "appLanguageChoice" by its raw value; any other
// string means system. The choice reaches the program through the override "AppleLanguages",
// which is read once at start.
enum class AppLanguage { system, de, en, tr, fr };

const QList<AppLanguage> &allAppLanguages();
QString rawValue(AppLanguage language);
// The language with exactly this raw value, else system.
AppLanguage appLanguageFromRawValue(const QString &raw);
// "Systemsprache" (localised) for system; every other language in its own words.
QString label(AppLanguage language);

// Stores the override for `language`: removed for system, else the one language code.
void applyLanguage(Preferences &preferences, AppLanguage language);
// The first of the desktop's preferred languages this program is offered in: those of LANGUAGE
// (a colon-separated list) in order, then the locale of LC_ALL, LC_MESSAGES or LANG, the first
// of them set. German, the program's own language, when none is offered.
QString offeredDesktopLanguage(const QProcessEnvironment &environment);
// The language the program runs in from its start on: the code of the override, else the
// offered desktop language.
QString
startupLanguage(const Preferences &preferences,
                const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment());

// Starts a new instance of the running program with exactly the arguments this one was given
// (CommandLine::arguments(), Qt's own options included), and quits this one through the normal
// quit path; it quits also when the new instance cannot be started. `start` and `quit` stand in
// for starting a process and QCoreApplication::quit in tests.
using ProgramStarter =
    std::function<bool(const QByteArray &program, const QByteArrayList &arguments)>;
void relaunch(const ProgramStarter &start = {}, const std::function<void()> &quit = {});
