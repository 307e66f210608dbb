#include "applanguage.h"
#include "bivanestate.h"
#include "linuxdesktop.h"
#include "localization.h"
#include "mainwindow.h"
#include "preferences.h"
#include "shortcutstore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bivane"));

    QCommandLineParser options;
    options.addHelpOption();
    const QCommandLineOption configDir(QStringLiteral("config-dir"),
                                       QStringLiteral("Keep the settings in <folder>."),
                                       QStringLiteral("folder"));
    const QCommandLineOption quitAfterStart(QStringLiteral("quit-after-start"),
                                            QStringLiteral("Quit once the window is shown."));
    options.addOption(configDir);
    options.addOption(quitAfterStart);
    options.process(app);
    if (options.isSet(configDir))
        Preferences::setSharedDirectory(options.value(configDir));

    // The language override is read once: a changed choice applies from the next start on.
    installTranslation(startupLanguage(Preferences::shared()));

    LinuxDesktop desktop;
    BivaneState state(Preferences::shared(), ShortcutStore::shared(), desktop);
    MainWindow window(state);
    window.show();
    if (options.isSet(quitAfterStart))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
