// bivane_bench_archive: times packing a tree of small files with the controller's built-in
// packer (from the call to the end of its background task, through a real controller and an
// event loop) side by side with "zip -r -q" run directly on the same tree, in interleaved
// rounds after a warm-up, and prints the medians and their ratio. The exit code only tells
// whether the benchmark could run.
//
//     bivane_bench_archive [files] [rounds] [folder]
//
// Defaults: 5,000 files of 1 to 4 KiB in 50 folders, 5 rounds, in /var/tmp.
#include "benchtools.h"
#include "bivanestate.h"
#include "linuxdesktop.h"
#include "panemodel.h"
#include "preferences.h"
#include "shortcutstore.h"
#include "transfertools.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr double kLimit = 1.05; // ours / zip
constexpr int kFilesPerFolder = 100;

// `files` text files of 1 to 4 KiB in folders of a hundred below the new folder `root`.
bool writeSmallFiles(const QString &root, int files)
{
    for (int i = 0; i < files; ++i) {
        const QString folder = root + QStringLiteral("/ordner %1").arg(i / kFilesPerFolder);
        if (i % kFilesPerFolder == 0 && !QDir().mkpath(folder))
            return false;
        QFile file(folder + QStringLiteral("/datei %1.txt").arg(i));
        const QByteArray line = QByteArray::number(i) + " Zeile mit etwas Text\n";
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(line.repeated(1024 * (1 + i % 4) / line.size())) < 0)
            return false;
    }
    return true;
}

// The controller's time for one pack, in milliseconds.
double millisecondsOfPack(BivaneState &state, const QString &folder)
{
    QEventLoop loop;
    PaneModel &pane = state.left();
    const QMetaObject::Connection ended =
        QObject::connect(&pane, &PaneModel::activityTextChanged, &loop, [&] {
            if (pane.activityText().isEmpty())
                loop.quit();
        });
    const double elapsed = millisecondsOf([&] {
        state.packBuiltIn({folder}, pane);
        loop.exec();
    });
    QObject::disconnect(ended);
    if (!state.errorMessage().isNull())
        std::fprintf(stderr, "warning: packing failed: %s\n", qPrintable(state.errorMessage()));
    return elapsed;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    int files = 5'000;
    int rounds = 5;
    bool valid = arguments.size() <= 3;
    if (valid && arguments.size() > 0)
        files = arguments[0].toInt(&valid);
    if (valid && arguments.size() > 1)
        rounds = arguments[1].toInt(&valid);
    if (!valid || files <= 0 || rounds <= 0) {
        std::fprintf(stderr, "usage: bivane_bench_archive [files] [rounds] [folder]\n");
        return 2;
    }
    QTemporaryDir root(arguments.value(2, QStringLiteral("/var/tmp")) +
                       QStringLiteral("/bivane-bench-archive-XXXXXX"));
    QTemporaryDir config;
    const QString folder = root.path() + QStringLiteral("/daten");
    if (!root.isValid() || !config.isValid() || !writeSmallFiles(folder, files)) {
        std::fprintf(stderr, "cannot write the tree for the benchmark\n");
        return 1;
    }
    Preferences preferences(config.path());
    ShortcutStore shortcuts(preferences);
    LinuxDesktop desktop;
    BivaneState state(preferences, shortcuts, desktop);
    const QString archive = root.path() + QStringLiteral("/daten.zip");
    // zip names the items relative to its working folder, as the controller's zip does.
    QDir::setCurrent(root.path());
    const auto ours = [&] {
        return millisecondsOfPack(state, folder);
    };
    const auto theirs = [&] {
        return millisecondsOfTool(
            {QStringLiteral("/usr/bin/zip"), "-r", "-q", archive, QStringLiteral("./daten")});
    };
    const auto once = [&](const auto &side) {
        flushToDisk();
        const double elapsed = side();
        removeScratch(archive);
        return elapsed;
    };

    std::printf("bivane_bench_archive: packing %d files of 1 to 4 KiB in %s (%s), %d rounds after "
                "a warm-up (medians)\n",
                files,
                qPrintable(root.path()),
                qPrintable(fileSystemName(root.path())),
                rounds);
    std::fflush(stdout);
    once(ours);
    once(theirs);
    QList<double> ourTimes;
    QList<double> zipTimes;
    for (int round = 0; round < rounds; ++round) {
        if (round % 2 == 0) {
            ourTimes << once(ours);
            zipTimes << once(theirs);
        } else {
            zipTimes << once(theirs);
            ourTimes << once(ours);
        }
    }
    const double ratio = median(ourTimes) / median(zipTimes);
    std::printf("pack: ours %.0f ms, zip -r %.0f ms -> ours/zip %.3f (aim at most %.2f)  %s\n"
                "  rounds in ms: ours %s, zip %s\n",
                median(ourTimes),
                median(zipTimes),
                ratio,
                kLimit,
                verdict(ratio <= kLimit),
                qPrintable(joined(ourTimes)),
                qPrintable(joined(zipTimes)));
    return 0;
}
