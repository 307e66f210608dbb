#pragma once

#include "controller/bivanestate.h"
#include "platform/preferences.h"
#include "recordingdesktop.h"
#include "scriptedwindow.h"
#include "shortcuts/shortcutstore.h"
#include "testtree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <memory>

// A path below the test's temporary home folder.
inline QString home(const QString &child = {})
{
    return child.isEmpty() ? QDir::homePath() : QDir::homePath() + QLatin1Char('/') + child;
}

// Paths below the home folder, as a pane's selection holds them.
inline QSet<QString> inHome(const QStringList &names)
{
    QSet<QString> paths;
    for (const QString &name : names)
        paths.insert(home(name));
    return paths;
}

// Writes a file, making its folders first.
inline void writeFile(const QString &path, const QByteArray &content = "x")
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qWarning("cannot write %s", qPrintable(path));
}

// The visible entries of a folder by name, ignoring case. Hidden ones are left out: the trash
// itself lives in the home folder's ".local".
inline QStringList namesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot,
                                  QDir::Name | QDir::IgnoreCase);
}

// A fresh, empty home folder with its Downloads folder, as a controller expects.
inline void resetHome()
{
    QDir(home()).removeRecursively();
    QDir().mkpath(home(QStringLiteral("Downloads")));
}

// A controller on the test's home folder with its own preference store, a recording desktop
// and a scripted main window. Made on first use, so a test can prepare files and preferences.
struct ControllerFixture
{
    ControllerFixture()
        : preferences(config.root())
        , shortcuts(preferences)
    {
        // The start screen would cover the window that UI tests look at and click into.
        preferences.setValue(Pref::showSplashScreen, false);
    }

    // Chooses a retro theme, or the desktop's, as the settings window does.
    void chooseRetroTheme(bool retro)
    {
        preferences.setValue(Pref::themePreset,
                             retro ? QStringLiteral("greenTerminal") : QStringLiteral("system"));
    }

    BivaneState &state()
    {
        if (!controller) {
            controller = std::make_unique<BivaneState>(preferences, shortcuts, desktop);
            controller->setWindowHooks(&window);
            window.state = controller.get();
        }
        return *controller;
    }

    TestTree config;
    Preferences preferences;
    ShortcutStore shortcuts;
    RecordingDesktop desktop;
    ScriptedWindow window;
    std::unique_ptr<BivaneState> controller;
};
