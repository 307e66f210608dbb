#include "applanguage.h"
#include "bivanestate.h"
#include "linuxdesktop.h"
#include "localization.h"
#include "mainwindow.h"
#include "preferences.h"
#include "shortcutstore.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

namespace {

// Prints the milliseconds from the start of main to the window's first paint, then quits: what
// the start-up benchmark measures.
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
            std::printf("first paint after %.1f ms\n", m_sinceStart.nsecsElapsed() / 1e6);
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QApplication::quit);
        }
        return false;
    }

private:
    const QElapsedTimer &m_sinceStart;
    bool m_reported = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Bivane"));

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
    options.addOption(configDir);
    options.addOption(quitAfterStart);
    options.addOption(reportFirstPaint);
    options.process(app);
    if (options.isSet(configDir))
        Preferences::setSharedDirectory(options.value(configDir));

    // The language override is read once: a changed choice applies from the next start on.
    installTranslation(startupLanguage(Preferences::shared()));

    LinuxDesktop desktop;
    BivaneState state(Preferences::shared(), ShortcutStore::shared(), desktop);
    MainWindow window(state);
    if (options.isSet(reportFirstPaint))
        new FirstPaintReporter(sinceStart, window);
    window.show();
    if (options.isSet(quitAfterStart))
        QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
