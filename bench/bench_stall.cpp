// bivane_bench_stall: the longest time the main thread does not answer (the longest gap between
// two turns of its event loop) while a pane reads a folder on a file system that holds the read
// for a second, and while a pane reads a generated folder of 100,000 entries (or the count given
// as the first argument), each from the navigation to the painted rows. Needs a display
// (scripts/bench runs it under Xvfb) and, for the slow file system, FUSE; without it the hold
// comes through the file system executor.
//
//     bivane_bench_stall [entries]
#include "benchfolder.h"
#include "benchtools.h"
#include "controller/bivanestate.h"
#include "model/panemodel.h"
#include "platform/linuxdesktop.h"
#include "platform/preferences.h"
#include "shortcuts/shortcutstore.h"
#include "slowfilesystem.h"
#include "ui/panelistview.h"
#include "ui/paneview.h"

#include <QApplication>
#include <QDir>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

constexpr int kDefaultEntries = 100'000;
constexpr int kHeldMs = 1000;
constexpr double kStallLimitMs = 50;

// Turns the event loop until `done`.
template<typename Condition>
void turnUntil(Condition done)
{
    while (!done())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
}

// The longest gap while `pane` reads `folder` and its list paints the rows; `meanwhile` runs on
// the main thread once the read is under way.
template<typename Meanwhile>
double longestStall(PaneModel &pane, PaneListView &list, const QString &folder, Meanwhile meanwhile)
{
    Heartbeat heartbeat;
    heartbeat.start();
    pane.navigate(folder);
    meanwhile();
    turnUntil([&pane] { return !pane.isReading(); });
    list.viewport()->update();
    QApplication::processEvents();
    return heartbeat.stop();
}

void report(const char *what, double stall)
{
    std::printf("%s: longest main-thread stall %.1f ms (aim %.0f ms)  %s\n",
                what,
                stall,
                kStallLimitMs,
                verdict(stall <= kStallLimitMs));
}

int run(int entries)
{
    QTemporaryDir root(QStringLiteral("/tmp/bivane-bench-XXXXXX"));
    const QString crowded = root.path() + QStringLiteral("/crowded");
    const QString backing = root.path() + QStringLiteral("/backing");
    const QString home = root.path() + QStringLiteral("/home");
    if (!root.isValid() || !QDir().mkpath(crowded) || !fillFolder(crowded, entries) ||
        !QDir().mkpath(backing + QStringLiteral("/held")) ||
        !fillFolder(backing + QStringLiteral("/held"), 1000) ||
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
    window.addWidget(leftView);
    window.addWidget(new PaneView(state, state.right()));
    window.resize(1600, 1000);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    PaneModel &pane = state.left();
    PaneListView &list = *leftView->listView();
    turnUntil([&] { return !pane.isReading() && !state.right().isReading(); });
    std::printf("bivane_bench_stall: %d entries\n", entries);

    SlowFileSystem slow(backing);
    pane.navigate(slow.root());
    turnUntil([&pane] { return !pane.isReading(); });
    slow.block(QStringLiteral("held"));
    const double held = longestStall(pane, list, slow.root() + QStringLiteral("/held"), [&] {
        turnUntil([&slow] { return slow.isStalled(); });
        QTest::qWait(kHeldMs);
        slow.release();
    });
    report(slow.isMounted() ? "folder held 1 s by a FUSE file system"
                            : "folder held 1 s by the executor (no FUSE here)",
           held);

    const double crowdedStall = longestStall(pane, list, crowded, [] {});
    report(qPrintable(QStringLiteral("folder of %1 entries").arg(entries)), crowdedStall);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    const std::optional<int> entries =
        countArgument(arguments, kDefaultEntries, "bivane_bench_stall");
    return entries ? run(*entries) : 2;
}
