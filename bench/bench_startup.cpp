// bivane_bench_startup: the time from the start of the program to the first paint of its main
// window, with the default theme and with a retro theme, and with the left pane on a folder of
// 100,000 entries, median of 5 warm starts each. Needs a display (scripts/bench runs it under
// Xvfb).
//
//     bivane_bench_startup PATH_OF_BIVANE
#include "benchfolder.h"
#include "benchtools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr int kRounds = 5;
constexpr double kAimMs = 300;
constexpr int kCrowdedEntries = 100'000;
constexpr double kCrowdedAimMs = 400;

// One start with the settings in `configDir`, the left pane on `folder` when one is given; the
// time the program printed, or -1.
double firstPaintMs(const QString &program,
                    const QString &configDir,
                    const QString &home,
                    const QString &folder = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home);
    process.setProcessEnvironment(environment);
    QStringList arguments{
        QStringLiteral("--report-first-paint"), QStringLiteral("--config-dir"), configDir};
    if (!folder.isEmpty())
        arguments << folder;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return -1;
    static const QRegularExpression figure(QStringLiteral("first paint after ([0-9.]+) ms"));
    const QRegularExpressionMatch match =
        figure.match(QString::fromLocal8Bit(process.readAllStandardOutput()));
    return match.hasMatch() ? match.captured(1).toDouble() : -1;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: bivane_bench_startup PATH_OF_BIVANE\n");
        return 2;
    }
    QTemporaryDir home;
    QTemporaryDir plain;
    QTemporaryDir retro;
    if (!home.isValid() || !plain.isValid() || !retro.isValid())
        return 1;
    QDir(home.path()).mkpath(QStringLiteral("Downloads"));
    QFile settings(retro.filePath(QStringLiteral("bivane.json")));
    if (!settings.open(QIODevice::WriteOnly) || settings.write("{\"themePreset\": \"amber\"}") < 0)
        return 1;
    settings.close();

    const QString crowded = home.filePath(QStringLiteral("crowded"));
    if (!QDir().mkdir(crowded) || !fillFolder(crowded, kCrowdedEntries))
        return 1;

    std::printf("bivane_bench_startup: %d warm starts each, median\n", kRounds);
    struct Case
    {
        const char *name;
        QString config;
        QString folder;
        double aimMs;
    };
    for (const Case &start : {Case{"default theme", plain.path(), {}, kAimMs},
                              Case{"retro theme (amber)", retro.path(), {}, kAimMs},
                              Case{"default theme, left pane on 100,000 entries",
                                   plain.path(),
                                   crowded,
                                   kCrowdedAimMs}}) {
        firstPaintMs(arguments.first(), start.config, home.path(), start.folder); // warm-up
        QList<double> times;
        for (int round = 0; round < kRounds; ++round)
            times.append(firstPaintMs(arguments.first(), start.config, home.path(), start.folder));
        if (times.contains(-1)) {
            std::printf("%s: the program printed no time (no display?)  FAIL\n", start.name);
            continue;
        }
        const double ms = median(times);
        std::printf("start to first paint, %s: %.0f ms (aim under %.0f)  %s\n",
                    start.name,
                    ms,
                    start.aimMs,
                    verdict(ms < start.aimMs));
    }
    return 0;
}
