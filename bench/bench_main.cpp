// bivane_bench: times reading, sorting and search-filtering a generated folder of 100,000
// entries (or the count given as the first argument) side by side with ls and find on the same
// folder, and the memory one pane needs for it. Prints a report; the exit code only tells
// whether the benchmark could run.
//
//     bivane_bench [entries]
//     bivane_bench memory <folder> <warm-up folder>   (started by the main run as a child)
#include "benchfolder.h"
#include "benchtools.h"
#include "model/fileitem.h"
#include "model/panemodel.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <malloc.h>
#include <optional>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

constexpr int kDefaultEntries = 100'000;
constexpr int kWarmUpEntries = 300;
constexpr int kListingRounds = 5;
constexpr int kSearchPasses = 21;
constexpr int kSortRuns = 11;

constexpr double kListingLimit = 1.0; // ours / ls -l
constexpr double kListingAim = 0.6;   // ours / find -printf
constexpr double kSearchLimitMs = 20;
constexpr double kSortLimitMs = 150;
constexpr double kMemoryLimitMb = 60;

// Our side of the listing comparison: read every entry, then sort folders first by name.
struct OurListing
{
    double read = 0;
    double sort = 0;
    double total() const { return read + sort; }
};

OurListing readAndSort(const QString &folder)
{
    OurListing times;
    FolderListing listing;
    QList<FileItem> sorted;
    times.read = millisecondsOf([&] { listing = FileItem::listFolder(folder, true); });
    times.sort = millisecondsOf(
        [&] { sorted = FileItem::sortFoldersFirst(listing.items, defaultSortOrder()); });
    return times;
}

// A pane reads, sorts and folds the names for searching; hidden entries are left out.
double paneConstruction(const QString &folder, qsizetype *itemCount)
{
    std::optional<PaneModel> pane;
    const double elapsed = millisecondsOf([&] {
        pane.emplace(folder);
        waitForRead(*pane);
    });
    *itemCount = pane->items().size();
    return elapsed;
}

void reportListing(const QString &folder, int entries)
{
    const QStringList lsLong{"ls", "-l", folder};
    const QStringList lsBare{"ls", "-f", folder};
    const QStringList find{"find", folder, "-maxdepth", "1", "-printf", "%M %u %s %T@ %p\n"};
    qsizetype paneItems = 0;

    // One untimed round fills the page cache and every lazily built table.
    readAndSort(folder);
    paneConstruction(folder, &paneItems);
    for (const QStringList &tool : {lsLong, lsBare, find})
        millisecondsOfTool(tool);

    QList<double> ours, read, sort, pane, ls, bare, found;
    for (int round = 0; round < kListingRounds; ++round) {
        const OurListing times = readAndSort(folder);
        ours << times.total();
        read << times.read;
        sort << times.sort;
        pane << paneConstruction(folder, &paneItems);
        ls << millisecondsOfTool(lsLong);
        found << millisecondsOfTool(find);
        bare << millisecondsOfTool(lsBare);
    }
    const double toLs = median(ours) / median(ls);
    const double toFind = median(ours) / median(found);
    std::printf("listing %d entries: ours %.0f ms, ls -l %.0f ms, find -printf %.0f ms"
                " -> ours/ls %.2f (limit %.2f), ours/find %.2f (aim %.1f)  %s, aim %s\n",
                entries,
                median(ours),
                median(ls),
                median(found),
                toLs,
                kListingLimit,
                toFind,
                kListingAim,
                verdict(toLs <= kListingLimit),
                toFind <= kListingAim ? "met" : "missed");
    std::printf("  ours = listFolder %.0f ms + sortFoldersFirst %.0f ms; bare readdir (ls -f) %.0f "
                "ms\n",
                median(read),
                median(sort),
                median(bare));
    std::printf("  PaneModel construction (hidden left out, %lld items shown): %.0f ms"
                " -> pane/ls %.2f\n",
                qlonglong(paneItems),
                median(pane),
                median(pane) / median(ls));
}

// Per needle: the filter pass a keystroke costs (the search text changes each round, typed
// alternately in lower and upper case, so the result is never the cached one) beside the
// repeated read of an unchanged filter.
void reportSearch(const QString &folder)
{
    PaneModel pane(folder);
    pane.setShowHidden(true); // every entry, as the other figures count them
    waitForRead(pane);
    QStringList parts;
    bool passed = true;
    for (const QString &needle : {QStringLiteral("ä"), QStringLiteral("report")}) {
        const QString texts[] = {needle, needle.toUpper()};
        qsizetype matches = 0;
        QList<double> keystroke, cached;
        for (int pass = 0; pass < kSearchPasses; ++pass) {
            keystroke << millisecondsOf([&] {
                pane.setSearchText(texts[pass % 2]);
                matches = pane.visibleItems().size();
            });
            cached << millisecondsOf([&] { pane.visibleItems(); });
        }
        passed = passed && median(keystroke) <= kSearchLimitMs;
        parts << QStringLiteral("\"%1\" %2 ms per keystroke, %3 ms unchanged (%4 matches)")
                     .arg(needle)
                     .arg(median(keystroke), 0, 'f', 1)
                     .arg(median(cached), 0, 'f', 1)
                     .arg(matches);
    }
    std::printf("search filter over %lld items: %s (limit %.0f ms per keystroke)  %s\n",
                qlonglong(pane.items().size()),
                qPrintable(parts.join(QStringLiteral(", "))),
                kSearchLimitMs,
                verdict(passed));
}

double sortMedian(const QList<FileItem> &items, const SortComparator &by)
{
    QList<double> times;
    for (int run = 0; run < kSortRuns; ++run)
        times << millisecondsOf([&] { FileItem::sortFoldersFirst(items, {by}); });
    return median(times);
}

void reportSorting(const QString &folder)
{
    const QList<FileItem> items = FileItem::listFolder(folder, true).items;
    const double ascending = sortMedian(items, {FileColumn::name, Qt::AscendingOrder});
    const double descending = sortMedian(items, {FileColumn::name, Qt::DescendingOrder});
    const double bySize = sortMedian(items, {FileColumn::size, Qt::AscendingOrder});
    std::printf("sorting %lld items by name: %.0f ms (limit %.0f ms)  %s;"
                " by name descending %.0f ms, by size %.0f ms\n",
                qlonglong(items.size()),
                ascending,
                kSortLimitMs,
                verdict(ascending <= kSortLimitMs),
                descending,
                bySize);
}

// Child mode: a fresh process, so the growth is the pane's and not leftovers of other work.
// A small pane first loads what every listing shares (MIME database, collator, ICU tables).
int measureMemory(const QString &folder, const QString &warmUpFolder)
{
    {
        PaneModel warmUp(warmUpFolder);
        waitForRead(warmUp);
        warmUp.setSearchText(QStringLiteral("ä"));
        warmUp.visibleItems();
    }
    malloc_trim(0);
    const qint64 before = residentKilobytes();
    std::optional<PaneModel> pane;
    const double elapsed = millisecondsOf([&] {
        pane.emplace(folder);
        waitForRead(*pane);
    });
    const qint64 grown = residentKilobytes() - before;
    malloc_trim(0);
    const qint64 retained = residentKilobytes() - before;
    std::printf("%lld %lld %lld %.1f\n",
                qlonglong(grown),
                qlonglong(retained),
                qlonglong(pane->items().size()),
                elapsed);
    return 0;
}

void reportMemory(const QString &folder, const QString &warmUpFolder)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("memory"), folder, warmUpFolder});
    child.waitForFinished(-1);
    const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0 ||
        figures.size() != 4) {
        std::printf("memory: the measuring child failed (exit code %d)  FAIL\n", child.exitCode());
        return;
    }
    const double grownMb = figures[0].toDouble() / 1024;
    const double retainedMb = figures[1].toDouble() / 1024;
    std::printf("memory of one pane holding %s items: %.1f MB resident growth (limit %.0f MB)  %s;"
                " %.1f MB once freed heap is returned\n",
                figures[2].constData(),
                grownMb,
                kMemoryLimitMb,
                verdict(grownMb <= kMemoryLimitMb),
                retainedMb);
    std::printf("  first pane on the folder in a fresh process (name caches cold): %s ms\n",
                figures[3].constData());
}

bool makeFolder(const QString &path, int entries)
{
    return QDir().mkdir(path) && fillFolder(path, entries);
}

int runAll(int entries)
{
    QTemporaryDir root(QStringLiteral("/tmp/bivane-bench-XXXXXX"));
    const QString folder = root.path() + QStringLiteral("/crowded");
    const QString warmUpFolder = root.path() + QStringLiteral("/warm-up");
    QElapsedTimer creation;
    creation.start();
    if (!root.isValid() || !makeFolder(folder, entries) ||
        !makeFolder(warmUpFolder, kWarmUpEntries)) {
        std::perror("could not create the benchmark folders");
        return 1;
    }
    std::printf("bivane_bench: %d entries in %s (made in %lld ms), LANG=%s LC_ALL=%s, %d cores\n",
                entries,
                qPrintable(folder),
                creation.elapsed(),
                qgetenv("LANG").constData(),
                qgetenv("LC_ALL").constData(),
                QThread::idealThreadCount());
    std::fflush(stdout);

    reportMemory(folder, warmUpFolder);
    reportListing(folder, entries);
    reportSearch(folder);
    reportSorting(folder);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if (arguments.size() == 3 && arguments[0] == QLatin1String("memory"))
        return measureMemory(arguments[1], arguments[2]);
    const std::optional<int> entries = countArgument(arguments, kDefaultEntries, "bivane_bench");
    return entries ? runAll(*entries) : 2;
}
