// bivane_bench_transfer: times the copy engine (a real TransferRun on its worker thread, with
// an event loop and no window) side by side with cp and mv on the same data, in interleaved
// rounds after a warm-up, and samples the memory a large copy needs; a sparse file of the same
// size with 4 KiB of data shows whether its holes stay holes (time and blocks against cp).
// Prints a report; the exit code only tells whether the benchmark could run.
//
//     bivane_bench_transfer [large file MiB] [tree files] [rounds] [folder]
//
// Defaults: a 1024 MiB file, 20,000 files in 200 folders, 3 rounds, in the first of /var/tmp,
// the program's folder and /tmp that is not a tmpfs. Smaller figures make a smoke run.
#include "platform/preferences.h"
#include "transfer/fileoperations.h"
#include "transfer/transferrun.h"
#include "transfertools.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

namespace {

constexpr double kLargeFileLimit = 1.05; // ours / cp
constexpr double kTreeLimit = 1.2;       // ours / cp -r
constexpr double kMoveLimit = 1.2;       // ours / mv
constexpr double kMemoryLimitMb = 16;
constexpr int kFilesPerFolder = 100;

const QString kPreserve = QStringLiteral("--preserve=mode,timestamps,xattr");

struct Settings
{
    qint64 largeMiB = 1024;
    int files = 20'000;
    int rounds = 3;
    QString folder;
};

// The engine's time for one run, in milliseconds; the run's error goes to stderr.
double millisecondsOfEngine(const TransferJob &job, TransferKind kind, const Preferences &prefs)
{
    QEventLoop loop;
    TransferRun run({job}, kind, prefs);
    QObject::connect(&run, &TransferRun::finished, &loop, [&](const std::optional<FileError> &e) {
        if (e)
            std::fprintf(stderr,
                         "warning: the engine failed: %s (%s)\n",
                         qPrintable(e->description()),
                         qPrintable(e->path));
        loop.quit();
    });
    QElapsedTimer timer;
    timer.start();
    run.start();
    loop.exec();
    return timer.nsecsElapsed() / 1e6;
}

// One side of a comparison: prepares its round untimed, then runs timed.
struct Side
{
    std::function<void()> prepare;
    std::function<double()> run;
    std::function<void()> cleanUp;
};

// Our side of a copy comparison: the engine copies `source` to `copy`, which goes again after
// each round.
Side engineCopy(const QString &source, const QString &copy, const Preferences &prefs)
{
    const TransferJob job{source, copy, 0, false};
    return {[] {},
            [job, &prefs] { return millisecondsOfEngine(job, TransferKind::copy, prefs); },
            [copy] {
                removeScratch(copy);
            }};
}

// The timed rounds of both sides, in milliseconds.
struct Rounds
{
    QList<double> ours;
    QList<double> theirs;
};

// A warm-up of both sides, then `rounds` timed rounds, alternating which side goes first.
Rounds compare(const Side &ours, const Side &theirs, int rounds)
{
    auto once = [](const Side &side) {
        side.prepare();
        flushToDisk();
        const double elapsed = side.run();
        side.cleanUp();
        return elapsed;
    };
    once(ours);
    once(theirs);
    Rounds times;
    for (int round = 0; round < rounds; ++round) {
        if (round % 2 == 0) {
            times.ours << once(ours);
            times.theirs << once(theirs);
        } else {
            times.theirs << once(theirs);
            times.ours << once(ours);
        }
    }
    flushToDisk();
    return times;
}

void report(const char *what, const Rounds &times, const char *tool, double limit)
{
    const double ours = median(times.ours);
    const double theirs = median(times.theirs);
    const double ratio = ours / theirs;
    std::printf("%s: ours %.0f ms, %s %.0f ms -> ours/%s %.2f (limit %.2f)  %s\n"
                "  rounds in ms: ours %s, %s %s\n",
                what,
                ours,
                tool,
                theirs,
                tool,
                ratio,
                limit,
                verdict(ratio <= limit),
                qPrintable(joined(times.ours)),
                tool,
                qPrintable(joined(times.theirs)));
    std::fflush(stdout);
}

void largeFile(const Settings &settings, const QString &root, const Preferences &prefs)
{
    const QString source = root + QStringLiteral("/large.dat");
    const QString ourCopy = root + QStringLiteral("/large ours.dat");
    const QString theirCopy = root + QStringLiteral("/large cp.dat");
    if (!writeDataFile(source, settings.largeMiB * 1024 * 1024)) {
        std::printf("large file: cannot write %s  FAIL\n", qPrintable(source));
        return;
    }
    const Side ours = engineCopy(source, ourCopy, prefs);
    const Side cp{
        [] {},
        [&] {
            return millisecondsOfTool({QStringLiteral("cp"), kPreserve, source, theirCopy});
        },
        [&] {
            removeScratch(theirCopy);
        }};
    const QByteArray what =
        QStringLiteral("copy of one %1 MiB file").arg(settings.largeMiB).toUtf8();
    report(what.constData(), compare(ours, cp, settings.rounds), "cp", kLargeFileLimit);

    // Memory: the resident size while one more copy runs, against the size just before it.
    flushToDisk();
    qint64 grownKb = 0;
    {
        ResidentSampler sampler;
        ours.run();
        grownKb = sampler.peakKilobytes() - sampler.baselineKilobytes();
    }
    removeScratch(ourCopy);
    removeScratch(source);
    const double grownMb = grownKb / 1024.0;
    std::printf("memory during that copy: %.1f MB resident growth (limit %.0f MB)  %s\n",
                grownMb,
                kMemoryLimitMb,
                verdict(grownMb <= kMemoryLimitMb));
}

// A file of the same logical size with 4 KiB of data: the copy must stay as sparse as cp's.
void sparseFile(const Settings &settings, const QString &root, const Preferences &prefs)
{
    const QString source = root + QStringLiteral("/sparse.dat");
    const QString ourCopy = root + QStringLiteral("/sparse ours.dat");
    const QString theirCopy = root + QStringLiteral("/sparse cp.dat");
    if (!writeSparseFile(source, settings.largeMiB * 1024 * 1024, 4096)) {
        std::printf("sparse file: cannot write %s  FAIL\n", qPrintable(source));
        return;
    }
    qint64 ourBlocks = -1;
    qint64 theirBlocks = -1;
    const Side ours{
        [] {},
        [&] {
            return millisecondsOfEngine({source, ourCopy, 0, false}, TransferKind::copy, prefs);
        },
        [&] {
            ourBlocks = allocatedBytes(ourCopy);
            removeScratch(ourCopy);
        }};
    const Side cp{
        [] {},
        [&] {
            return millisecondsOfTool({QStringLiteral("cp"), kPreserve, source, theirCopy});
        },
        [&] {
            theirBlocks = allocatedBytes(theirCopy);
            removeScratch(theirCopy);
        }};
    const QByteArray what = QStringLiteral("copy of a sparse %1 MiB file with 4 KiB of data")
                                .arg(settings.largeMiB)
                                .toUtf8();
    report(what.constData(), compare(ours, cp, settings.rounds), "cp", kLargeFileLimit);
    const qint64 sourceBlocks = allocatedBytes(source);
    std::printf("  allocated: source %lld KiB, ours %lld KiB, cp %lld KiB  %s\n",
                sourceBlocks / 1024,
                ourBlocks / 1024,
                theirBlocks / 1024,
                verdict(ourBlocks <= std::max(sourceBlocks, theirBlocks)));
    std::fflush(stdout);
    removeScratch(source);
}

void tree(const Settings &settings, const QString &root, const Preferences &prefs)
{
    const QString source = root + QStringLiteral("/tree");
    const QString ourCopy = root + QStringLiteral("/tree ours");
    const QString theirCopy = root + QStringLiteral("/tree cp");
    const int folders = std::max(1, settings.files / kFilesPerFolder);
    const qint64 bytes = writeTree(source, settings.files, folders);
    if (bytes < 0) {
        std::printf("tree: cannot write %s  FAIL\n", qPrintable(source));
        return;
    }
    const QByteArray what = QStringLiteral("copy of %1 files (%2 MB) in %3 folders")
                                .arg(settings.files)
                                .arg(bytes / 1e6, 0, 'f', 0)
                                .arg(folders)
                                .toUtf8();
    const Side ours = engineCopy(source, ourCopy, prefs);
    const Side cp{
        [] {},
        [&] {
            return millisecondsOfTool(
                {QStringLiteral("cp"), QStringLiteral("-r"), kPreserve, source, theirCopy});
        },
        [&] {
            removeScratch(theirCopy);
        }};
    report(what.constData(), compare(ours, cp, settings.rounds), "cp -r", kTreeLimit);

    // Moving it onto another file system: copied there, then removed here.
    const QString mountPoint = root + QStringLiteral("/tmpfs");
    ScratchTmpfs other(mountPoint, "size=2g");
    if (!other.isMounted()) {
        std::printf("move across file systems: cannot mount a tmpfs (%s), skipped\n",
                    qPrintable(other.error()));
        removeScratch(source);
        return;
    }
    const QString moving = root + QStringLiteral("/moving");
    const QString target = root + QStringLiteral("/tmpfs/tree");
    // Each round moves a fresh copy of the tree, written (and flushed) before the clock starts.
    auto prepare = [&] {
        millisecondsOfTool({QStringLiteral("cp"), QStringLiteral("-r"), kPreserve, source, moving});
    };
    // Planned as the controller plans it: a rename only within one file system.
    const Side ourMove{
        prepare,
        [&] {
            const TransferJob move{moving, target, 0, isSameVolume(moving, mountPoint)};
            return millisecondsOfEngine(move, TransferKind::move, prefs);
        },
        [&] {
            removeScratch(target);
        }};
    const Side mv{prepare,
                  [&] {
                      return millisecondsOfTool({QStringLiteral("mv"), moving, target});
                  },
                  [&] {
                      removeScratch(target);
                  }};
    const QByteArray moveWhat =
        QStringLiteral("move of that tree from %1 to tmpfs").arg(fileSystemName(root)).toUtf8();
    report(moveWhat.constData(), compare(ourMove, mv, settings.rounds), "mv", kMoveLimit);
    removeScratch(source);
}

// The first candidate folder that is not in memory.
QString diskFolder(const QString &given)
{
    if (!given.isEmpty())
        return given;
    for (const QString &candidate : {QStringLiteral("/var/tmp"),
                                     QCoreApplication::applicationDirPath(),
                                     QStringLiteral("/tmp")}) {
        const QString type = fileSystemName(candidate);
        if (!type.isEmpty() && type != QLatin1String("tmpfs"))
            return candidate;
    }
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    Settings settings;
    bool valid = arguments.size() <= 4;
    if (valid && arguments.size() > 0)
        settings.largeMiB = arguments[0].toLongLong(&valid);
    if (valid && arguments.size() > 1)
        settings.files = arguments[1].toInt(&valid);
    if (valid && arguments.size() > 2)
        settings.rounds = arguments[2].toInt(&valid);
    settings.folder = diskFolder(arguments.value(3));
    if (!valid || settings.largeMiB <= 0 || settings.files <= 0 || settings.rounds <= 0) {
        std::fprintf(stderr,
                     "usage: bivane_bench_transfer [large file MiB] [tree files] "
                     "[rounds] [folder]\n");
        return 2;
    }
    QTemporaryDir root(settings.folder + QStringLiteral("/bivane-bench-transfer-XXXXXX"));
    QTemporaryDir config;
    if (settings.folder.isEmpty() || !root.isValid() || !config.isValid()) {
        std::fprintf(stderr, "no folder on a disk for the benchmark\n");
        return 1;
    }
    const Preferences prefs(config.path());
    std::printf("bivane_bench_transfer: in %s (%s), %d rounds after a warm-up (medians), sync "
                "before each timed run, %d cores\n",
                qPrintable(root.path()),
                qPrintable(fileSystemName(root.path())),
                settings.rounds,
                QThread::idealThreadCount());
    std::fflush(stdout);
    largeFile(settings, root.path(), prefs);
    sparseFile(settings, root.path(), prefs);
    tree(settings, root.path(), prefs);
    return 0;
}
