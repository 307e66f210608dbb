#include "appearance/applanguage.h"
#include "controller/bivanestate.h"
#include "platform/commandline.h"
#include "platform/linuxdesktop.h"
#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "platform/preferences.h"
#include "platform/startlocation.h"
#include "shortcuts/shortcutstore.h"
#include "ui/appiconpainter.h"
#include "ui/mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace {

// Prints the milliseconds from the start of main to the end of the window's first paint, its
// panes' rows included, then quits: what the start-up benchmark measures.
class FirstPaintReporter : public QObject
{
public:
    FirstPaintReporter(const QElapsedTimer &sinceStart, QWidget &window)
        : QObject(&window)
        , m_sinceStart(sinceStart)
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_reported) {
            m_reported = true;
            // The window paints first, its children right after it in the same pass.
            QTimer::singleShot(0, qApp, [this] {
                std::printf("first paint after %.1f ms\n", m_sinceStart.nsecsElapsed() / 1e6);
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return false;
    }

private:
    const QElapsedTimer &m_sinceStart;
    bool m_reported = false;
};

// Writes the default icon design as a PNG of `sizeText` pixels square to `file`: the icons the
// installation puts into the desktop's icon theme come from here.
int exportDefaultIcon(const QString &sizeText, const QString &file)
{
    constexpr int kLargestSize = 4096;
    bool isNumber = false;
    const int size = sizeText.toInt(&isNumber);
    if (!isNumber || size < 1 || size > kLargestSize || file.isEmpty()) {
        std::fprintf(
            stderr, "usage: bivane --export-icon SIZE FILE (SIZE 1 to %d)\n", kLargestSize);
        return 2;
    }
    const AppIconDesign design =
        appIconDesignFromRawValue(Pref::appIconDesign.defaultValue.toString());
    if (!renderAppIcon(design, size).save(file, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return 1;
    }
    return 0;
}

// The folder the program was started in, byte for byte; relative paths on the command line
// start there.
QByteArray workingFolder()
{
    char *const folder = ::getcwd(nullptr, 0);
    const QByteArray bytes(folder ? folder : "/");
    std::free(folder);
    return bytes;
}

// The folders and files named on the command line (`arguments` with Qt's options taken out),
// as the panes' start locations, left first.
QList<StartLocation> startLocations(const QByteArrayList &arguments)
{
    QList<StartLocation> locations;
    const QByteArrayList paths = StartLocations::positionalArguments(
        arguments, {QByteArrayLiteral("config-dir"), QByteArrayLiteral("export-icon")});
    for (const QByteArray &path : paths.mid(0, 2))
        locations.append(StartLocations::locate(path, workingFolder()));
    return locations;
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    CommandLine::remember(argc, argv); // before QApplication takes its own options out
    QApplication app(argc, argv);
    QByteArrayList argumentsWithoutQt; // Qt's options are gone from argv, the bytes are untouched
    for (int i = 1; i < argc; ++i)
        argumentsWithoutQt.append(QByteArray(argv[i]));
    QApplication::setApplicationName(QStringLiteral("Bivane"));
    QApplication::setApplicationVersion(QStringLiteral(BIVANE_VERSION));

    QCommandLineParser options;
    options.addHelpOption();
    const QCommandLineOption configDir(QStringLiteral("config-dir"),
                                       QStringLiteral("Keep the settings in <folder>."),
                                       QStringLiteral("folder"));
    const QCommandLineOption quitAfterStart(QStringLiteral("quit-after-start"),
                                            QStringLiteral("Quit once the window is shown."));
    const QCommandLineOption reportFirstPaint(
        QStringLiteral("report-first-paint"),
        QStringLiteral("Print the time from start to the window's first paint, then quit."));
    const QCommandLineOption exportIcon(
        QStringLiteral("export-icon"),
        QStringLiteral("Write the default icon as a PNG of <size> pixels square to the file named "
                       "after the options, then quit."),
        QStringLiteral("size"));
    options.addOption(configDir);
    options.addOption(quitAfterStart);
    options.addOption(reportFirstPaint);
    options.addOption(exportIcon);
    options.process(app);
    if (options.isSet(exportIcon))
        return exportDefaultIcon(options.value(exportIcon), options.positionalArguments().value(0));
    // The parser has the folder decoded as text; the store needs its exact bytes.
    if (const auto folder = CommandLine::optionValue(CommandLine::arguments(), "config-dir"))
        Preferences::setSharedDirectory(PathCodec::decode(*folder));

    // The language override is read once: a changed choice applies from the next start on.
    useLanguage(startupLanguage(Preferences::shared()));

    LinuxDesktop desktop;
    BivaneState state(Preferences::shared(),
                      ShortcutStore::shared(),
                      desktop,
                      startLocations(argumentsWithoutQt));
    QObject::connect(&state, &BivaneState::restartRequested, &app, [] { relaunch(); });
    MainWindow window(state);
    if (options.isSet(reportFirstPaint))
        new FirstPaintReporter(sinceStart, window);
    window.show();
    if (options.isSet(quitAfterStart))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
