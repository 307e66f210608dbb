// bivane_bench_archive: times packing a tree of small files with the controller's built-in
// packer (from the call to the end of its background task, through a real controller and an
// event loop) side by side with "zip -r -y -q" run directly on the same tree, and unpacking a
// tar of that tree with the controller side by side with "tar -xf" into a new folder, in
// interleaved rounds after a warm-up, and prints the medians and their ratios. The exit code
// only tells whether the benchmark could run.
//
//     bivane_bench_archive [files] [rounds] [folder]
//
// Defaults: 5,000 files of 1 to 4 KiB in 50 folders, 5 rounds, in /var/tmp.
#include "benchtools.h"
#include "controller/bivanestate.h"
#include "model/panemodel.h"
#include "platform/linuxdesktop.h"
#include "platform/preferences.h"
#include "shortcuts/shortcutstore.h"
#include "transfertools.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

constexpr double kPackLimit = 1.05;  // ours / zip
constexpr double kUnpackLimit = 1.1; // ours / tar
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

// The controller's time for one pack or unpack that `start` begins, in milliseconds, until the
// pane's status line no longer names a running task.
template<typename Start>
double millisecondsOfTask(BivaneState &state, const Start &start)
{
    QEventLoop loop;
    PaneModel &pane = state.left();
    const QMetaObject::Connection ended =
        QObject::connect(&pane, &PaneModel::activityTextChanged, &loop, [&] {
            if (pane.activityText().isEmpty())
                loop.quit();
        });
    const double elapsed = millisecondsOf([&] {
        start(pane);
        loop.exec();
    });
    QObject::disconnect(ended);
    if (!state.errorMessage().isNull())
        std::fprintf(stderr, "warning: the task failed: %s\n", qPrintable(state.errorMessage()));
    state.setErrorMessage({});
    return elapsed;
}

// Runs `ours` and `theirs` once each as a warm-up, then `rounds` times each, alternating which
// goes first; prints the medians and their ratio against `limit`.
template<typename Ours, typename Theirs>
void compare(const char *what,
             const char *tool,
             double limit,
             int rounds,
             const Ours &ours,
             const Theirs &theirs)
{
    ours();
    theirs();
    QList<double> ourTimes;
    QList<double> toolTimes;
    for (int round = 0; round < rounds; ++round) {
        if (round % 2 == 0) {
            ourTimes << ours();
            toolTimes << theirs();
        } else {
            toolTimes << theirs();
            ourTimes << ours();
        }
    }
    const double ratio = median(ourTimes) / median(toolTimes);
    std::printf("%s: ours %.0f ms, %s %.0f ms -> ratio %.3f (aim at most %.2f)  %s\n"
                "  rounds in ms: ours %s, %s %s\n",
                what,
                median(ourTimes),
                tool,
                median(toolTimes),
                ratio,
                limit,
                verdict(ratio <= limit),
                qPrintable(joined(ourTimes)),
                tool,
                qPrintable(joined(toolTimes)));
    std::fflush(stdout);
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
    const QString tarArchive = root.path() + QStringLiteral("/daten.tar");
    // The controller unpacks into "daten 2" beside the tree "daten"; tar into a folder as new.
    const QString ourFolder = root.path() + QStringLiteral("/daten 2");
    const QString tarFolder = root.path() + QStringLiteral("/tar");
    // zip names the items relative to its working folder, as the controller's zip does.
    QDir::setCurrent(root.path());
    millisecondsOfTool({QStringLiteral("tar"), "-cf", tarArchive, "-C", root.path(), "daten"});

    // Each side once, after the disk has caught up with the round before; untimed clean-up.
    const auto once = [&](const auto &side, const QString &scratch) {
        return [&side, scratch] {
            flushToDisk();
            const double elapsed = side();
            removeScratch(scratch);
            return elapsed;
        };
    };
    const auto ourPack = [&] {
        return millisecondsOfTask(
            state, [&](PaneModel &pane) { state.archives().packBuiltIn({folder}, pane); });
    };
    const auto zipPack = [&] {
        return millisecondsOfTool(
            {QStringLiteral("/usr/bin/zip"), "-r", "-y", "-q", archive, QStringLiteral("./daten")});
    };
    const auto ourUnpack = [&] {
        return millisecondsOfTask(
            state, [&](PaneModel &pane) { state.archives().unpack({tarArchive}, pane); });
    };
    const auto tarUnpack = [&] {
        QDir().mkpath(tarFolder);
        return millisecondsOfTool({QStringLiteral("tar"), "-xf", tarArchive, "-C", tarFolder});
    };

    std::printf("bivane_bench_archive: %d files of 1 to 4 KiB in %s (%s), %d rounds after "
                "a warm-up (medians)\n",
                files,
                qPrintable(root.path()),
                qPrintable(fileSystemName(root.path())),
                rounds);
    std::fflush(stdout);
    compare(
        "pack", "zip -r -y", kPackLimit, rounds, once(ourPack, archive), once(zipPack, archive));
    compare("unpack",
            "tar -xf",
            kUnpackLimit,
            rounds,
            once(ourUnpack, ourFolder),
            once(tarUnpack, tarFolder));
    return 0;
}
