// bivane_bench_listview: the list view on a generated folder of 100,000 entries (or the count
// given as the first argument): the time from setting a pane's folder to its first painted rows
// beside the bare read and sort of the same folder, one keystroke of the search filter to the
// repainted rows, what scrolling page by page reads, the resident size with both panes showing
// such a folder, and a step through that folder in the column browser. Needs a display
// (scripts/bench runs it under Xvfb).
//
//     bivane_bench_listview [entries]
#include "benchfolder.h"
#include "benchtools.h"
#include "controller/bivanestate.h"
#include "model/fileitem.h"
#include "model/panemodel.h"
#include "platform/linuxdesktop.h"
#include "platform/preferences.h"
#include "shortcuts/shortcutstore.h"
#include "ui/columnlist.h"
#include "ui/panelistview.h"
#include "ui/paneview.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

constexpr int kDefaultEntries = 100'000;
constexpr int kRounds = 5;
constexpr int kScrolledPages = 200;
constexpr int kColumnSteps = 20;
constexpr double kFirstPaintFactor = 1.5; // first paint / (read + sort)
constexpr double kKeystrokeLimitMs = 30;
constexpr double kMemoryLimitMb = 120;

// The read bytes and read calls of this process so far (/proc/self/io: rchar, syscr).
struct ReadCounters
{
    qint64 bytes = 0;
    qint64 calls = 0;
};

ReadCounters readCounters()
{
    QFile io(QStringLiteral("/proc/self/io"));
    ReadCounters counters;
    if (!io.open(QIODevice::ReadOnly))
        return counters;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:"))
            counters.bytes = line.mid(6).trimmed().toLongLong();
        else if (line.startsWith("syscr:"))
            counters.calls = line.mid(6).trimmed().toLongLong();
    }
    return counters;
}

double bareReadAndSort(const QString &folder)
{
    return millisecondsOf([&] {
        const FolderListing listing = FileItem::listFolder(folder, false);
        FileItem::sortFoldersFirst(listing.items, defaultSortOrder());
    });
}

// Navigates the pane to `folder` and paints the list at once; the time of both.
double firstPaint(PaneModel &pane, PaneListView &list, const QString &folder)
{
    return millisecondsOf([&] {
        pane.navigate(folder);
        waitForRead(pane);
        list.viewport()->repaint();
    });
}

int run(int entries)
{
    QTemporaryDir root(QStringLiteral("/tmp/bivane-bench-XXXXXX"));
    const QString folder = root.path() + QStringLiteral("/crowded");
    const QString home = root.path() + QStringLiteral("/home");
    if (!root.isValid() || !QDir().mkdir(folder) || !fillFolder(folder, entries) ||
        !QDir().mkpath(home + QStringLiteral("/Downloads"))) {
        std::perror("could not create the benchmark folders");
        return 1;
    }
    qputenv("HOME", QFile::encodeName(home));
    Preferences preferences(root.path());
    ShortcutStore shortcuts(preferences);
    LinuxDesktop desktop;
    BivaneState state(preferences, shortcuts, desktop);
    QSplitter window;
    auto *leftView = new PaneView(state, state.left());
    auto *rightView = new PaneView(state, state.right());
    window.addWidget(leftView);
    window.addWidget(rightView);
    window.resize(1600, 1000);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    PaneListView &list = *leftView->listView();
    PaneModel &pane = state.left();
    std::printf("bivane_bench_listview: %d entries, %d rounds, median\n", entries, kRounds);

    // One untimed round fills the page cache and the lazily built tables.
    bareReadAndSort(folder);
    firstPaint(pane, list, folder);
    QList<double> bare, painted;
    for (int round = 0; round < kRounds; ++round) {
        pane.navigate(home);
        waitForRead(pane);
        bare << bareReadAndSort(folder);
        painted << firstPaint(pane, list, folder);
    }
    const double factor = median(painted) / median(bare);
    std::printf("folder set to first painted rows: %.0f ms; bare read and sort %.0f ms"
                " -> %.2f x (aim %.1f x)  %s\n",
                median(painted),
                median(bare),
                factor,
                kFirstPaintFactor,
                verdict(factor <= kFirstPaintFactor));

    // Each keystroke: the filter pass over every item (the text is new each time), then the
    // repaint of the rows it leaves.
    QList<double> filterPasses, keystrokes;
    QString typed;
    for (const QChar key : QStringLiteral("report")) {
        typed += key;
        const double pass = millisecondsOf([&] {
            pane.setSearchText(typed);
            pane.visibleItems();
        });
        filterPasses << pass;
        keystrokes << pass + millisecondsOf([&] { list.viewport()->repaint(); });
    }
    pane.setSearchText({});
    std::printf("search filter keystroke: filter pass %.1f ms, to repainted rows %.1f ms median,"
                " %.1f ms first (limit %.0f ms)  %s\n",
                median(filterPasses),
                median(keystrokes),
                keystrokes.first(),
                kKeystrokeLimitMs,
                verdict(std::max(median(keystrokes), keystrokes.first()) <= kKeystrokeLimitMs));

    // Scrolling paints rows from the items in memory: the read counters hardly move (what moves
    // is the display connection), and nothing scales with the pages scrolled.
    QScrollBar *scroll = list.verticalScrollBar();
    const auto scrollPages = [&] {
        for (int page = 0; page < kScrolledPages; ++page) {
            scroll->setValue(scroll->value() + scroll->pageStep());
            list.viewport()->repaint();
        }
    };
    scrollPages(); // glyphs and icons of the first pages
    scroll->setValue(0);
    const ReadCounters before = readCounters();
    const double scrolled = millisecondsOf(scrollPages);
    const ReadCounters after = readCounters();
    const qint64 calls = after.calls - before.calls;
    std::printf("scrolling %d pages: %.0f ms, %lld read calls and %lld bytes read"
                " (the folder is never read)  %s\n",
                kScrolledPages,
                scrolled,
                qlonglong(calls),
                qlonglong(after.bytes - before.bytes),
                verdict(calls < kScrolledPages));

    state.right().navigate(folder);
    waitForRead(state.right());
    rightView->listView()->viewport()->repaint();
    QApplication::processEvents();
    const double residentMb = residentKilobytes() / 1024.0;
    std::printf("resident size with two panes of %lld items shown: %.0f MB (aim %.0f MB)  %s\n",
                qlonglong(state.right().items().size()),
                residentMb,
                kMemoryLimitMb,
                verdict(residentMb <= kMemoryLimitMb));

    // The column browser steps through the listing read when the column opened: a key press
    // in a large folder does not read it again.
    pane.navigate(root.path());
    waitForRead(pane);
    pane.setViewMode(ViewMode::columns);
    QApplication::processEvents();
    // Opened once the folder's column shows its rows.
    const auto shownRows = [&leftView] {
        int rows = 0;
        for (const ColumnList *column : leftView->findChildren<ColumnList *>())
            rows = std::max(rows, column->model()->rowCount());
        return rows > 2 ? rows : 0;
    };
    const double opened = millisecondsOf([&] {
        pane.selectInColumn(folder, 0);
        while (shownRows() == 0)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    });
    state.columns().right(pane);
    QList<double> steps;
    for (int step = 0; step < kColumnSteps; ++step) {
        steps << millisecondsOf([&] {
            state.columns().move(pane, +1);
            QApplication::processEvents();
        });
    }
    std::printf("column browser: opening the folder's column %.0f ms, each Down %.1f ms median"
                " (limit %.0f ms)  %s\n",
                opened,
                median(steps),
                kKeystrokeLimitMs,
                verdict(median(steps) <= kKeystrokeLimitMs));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    const std::optional<int> entries =
        countArgument(arguments, kDefaultEntries, "bivane_bench_listview");
    return entries ? run(*entries) : 2;
}
