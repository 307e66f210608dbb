#include "heldreads.h"
#include "manualtime.h"
#include "model/directorywatcher.h"
#include "platform/pathcodec.h"
#include "testmain.h"
#include "testtree.h"
#include "unprivileged.h"

#include <QFile>
#include <QSignalSpy>
#include <sys/stat.h>

using namespace std::chrono_literals;

namespace {

// Lets the quiet time of a pending call pass at once; true when no call is pending any more.
bool settled(ManualTime &time, const DirectoryWatcher &watcher)
{
    if (watcher.hasPendingCall())
        time.advance(DirectoryWatcher::kSettleTime);
    return !watcher.hasPendingCall();
}

// Whether a watcher watches the folder or stays idle.
UNPRIVILEGED_OPERATION(watchState, arguments)
{
    DirectoryWatcher watcher;
    watcher.watch(arguments.value(0), [] {});
    return watcher.isWatching() ? "watching" : "idle";
}

} // namespace

class DirectoryWatcherTest : public QObject
{
    Q_OBJECT

private slots:
    void burstGivesOneCallAfterItSettles();
    void everyKindOfChangeTriggers_data();
    void everyKindOfChangeTriggers();
    void repointingCancelsPendingCall();
    void folderMadeAgainIsWatchedAgain_data();
    void folderMadeAgainIsWatchedAgain();
    void folderThatCannotBeOpenedLeavesWatcherIdle();
    void watchIsPutInPlaceOnAWorker();
};

void DirectoryWatcherTest::burstGivesOneCallAfterItSettles()
{
    ManualTime time;
    TestTree tree;
    DirectoryWatcher watcher;
    int calls = 0;
    watcher.watch(tree.root(), [&] { ++calls; });
    QVERIFY(watcher.isWatching());

    // Every change of the burst, read when it arrives, starts the quiet time anew.
    for (int i = 0; i < 5; ++i) {
        tree.makeFile(QStringLiteral("file%1").arg(i));
        QTRY_COMPARE(time.untilNext(), std::optional(DirectoryWatcher::kSettleTime));
        time.advance(DirectoryWatcher::kSettleTime - 1ms);
    }
    QCOMPARE(calls, 0);
    time.advance(1ms);
    QCOMPARE(calls, 1);
    time.advance(1h);
    QCOMPARE(calls, 1);
    QVERIFY(!watcher.hasPendingCall());
}

void DirectoryWatcherTest::everyKindOfChangeTriggers_data()
{
    QTest::addColumn<QString>("change");
    for (const char *change : {"create", "remove", "rename", "chmod", "write", "remove folder"})
        QTest::newRow(change) << QString::fromLatin1(change);
}

void DirectoryWatcherTest::everyKindOfChangeTriggers()
{
    QFETCH(QString, change);
    TestTree tree;
    const QString folder = tree.makeFolder(QStringLiteral("watched"));
    const QString file = tree.makeFile(QStringLiteral("watched/existing"), "1");
    ManualTime time;
    DirectoryWatcher watcher;
    int calls = 0;
    watcher.watch(folder, [&] { ++calls; });

    if (change == QLatin1String("create"))
        tree.makeFile(QStringLiteral("watched/new"));
    else if (change == QLatin1String("remove"))
        QVERIFY(QFile::remove(file));
    else if (change == QLatin1String("rename"))
        QVERIFY(QFile::rename(file, file + QStringLiteral(".renamed")));
    else if (change == QLatin1String("chmod"))
        QVERIFY(::chmod(PathCodec::encode(file).constData(), 0600) == 0);
    else if (change == QLatin1String("write"))
        tree.makeFile(QStringLiteral("watched/existing"), "22");
    else
        QVERIFY(QDir(folder).removeRecursively());
    QTRY_VERIFY(watcher.hasPendingCall());
    QCOMPARE(calls, 0);
    time.advance(DirectoryWatcher::kSettleTime);
    QVERIFY(calls >= 1);
}

void DirectoryWatcherTest::repointingCancelsPendingCall()
{
    TestTree tree;
    const QString first = tree.makeFolder(QStringLiteral("first"));
    const QString second = tree.makeFolder(QStringLiteral("second"));
    ManualTime time;
    DirectoryWatcher watcher;
    QStringList calls;
    watcher.watch(first, [&] { calls.append(QStringLiteral("first")); });
    tree.makeFile(QStringLiteral("first/new"));
    QTRY_VERIFY(watcher.hasPendingCall());

    watcher.watch(second, [&] { calls.append(QStringLiteral("second")); });
    QVERIFY(!watcher.hasPendingCall());
    time.advance(1h);
    QCOMPARE(calls, QStringList());

    tree.makeFile(QStringLiteral("second/new"));
    QTRY_VERIFY(watcher.hasPendingCall());
    time.advance(DirectoryWatcher::kSettleTime);
    QCOMPARE(calls, QStringList({"second"}));

    tree.makeFile(QStringLiteral("second/another"));
    QTRY_VERIFY(watcher.hasPendingCall());
    watcher.stop();
    QVERIFY(!watcher.hasPendingCall());
    tree.makeFile(QStringLiteral("second/after the stop"));
    QCoreApplication::processEvents();
    time.advance(1h);
    QCOMPARE(calls, QStringList({"second"}));
}

void DirectoryWatcherTest::folderMadeAgainIsWatchedAgain_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("removed and made at once") << "rm -rf x && mkdir x";
    QTest::newRow("made after the call for the removal") << "later";
    QTest::newRow("moved away, another moved in") << "mv";
    QTest::newRow("missing with its parent at the start") << "missing";
}

void DirectoryWatcherTest::folderMadeAgainIsWatchedAgain()
{
    QFETCH(QString, how);
    TestTree tree;
    const QString folder = tree.path(QStringLiteral("parent/x"));
    if (how != QLatin1String("missing"))
        tree.makeFolder(QStringLiteral("parent/x"));
    ManualTime time;
    DirectoryWatcher watcher;
    int calls = 0;
    watcher.watch(folder, [&] { ++calls; });

    if (how == QLatin1String("rm -rf x && mkdir x")) {
        QVERIFY(QDir(folder).removeRecursively() && QDir().mkdir(folder));
    } else if (how == QLatin1String("later")) {
        QVERIFY(QDir(folder).removeRecursively());
        QTRY_VERIFY(settled(time, watcher) && calls == 1);
        QVERIFY(!watcher.isWatching());
        QVERIFY(QDir().mkdir(folder));
    } else if (how == QLatin1String("mv")) {
        tree.makeFolder(QStringLiteral("parent/y"));
        QVERIFY(QFile::rename(folder, tree.path(QStringLiteral("parent/old"))));
        QVERIFY(QFile::rename(tree.path(QStringLiteral("parent/y")), folder));
    } else {
        QVERIFY(!watcher.isWatching());
        tree.makeFolder(QStringLiteral("parent/x")); // parent and folder appear
    }
    // The folder at the path is watched and its appearance reported.
    QTRY_VERIFY(settled(time, watcher) && watcher.isWatching() && calls >= 1);
    const int before = calls;
    tree.makeFile(QStringLiteral("parent/x/new"));
    QTRY_VERIFY(watcher.hasPendingCall());
    time.advance(DirectoryWatcher::kSettleTime);
    QCOMPARE(calls, before + 1);
    // The old folder, moved elsewhere, is not watched any more: its change, readable at once,
    // starts no call.
    if (how == QLatin1String("mv")) {
        tree.makeFile(QStringLiteral("parent/old/ignored"));
        QCoreApplication::processEvents();
        QVERIFY(!watcher.hasPendingCall());
        time.advance(1h);
        QCOMPARE(calls, before + 1);
    }
}

void DirectoryWatcherTest::folderThatCannotBeOpenedLeavesWatcherIdle()
{
    TestTree tree;
    tree.openToEveryone();
    const QString locked = tree.makeFolder(QStringLiteral("locked"));
    QVERIFY(::chmod(PathCodec::encode(locked).constData(), 0700) == 0);
    QCOMPARE(runUnprivileged(watchState, {locked}), QByteArray("idle"));

    DirectoryWatcher watcher;
    watcher.watch(tree.path(QStringLiteral("missing")), [] {});
    QVERIFY(!watcher.isWatching());
}

// Putting the watch in place walks the folder's path, which can wait on a file system that does
// not answer: the watcher returns at once and watches once a worker has done it.
void DirectoryWatcherTest::watchIsPutInPlaceOnAWorker()
{
    TestTree tree;
    const QString folder = tree.makeFolder(QStringLiteral("slow"));
    ManualTime time;
    HeldReads held(folder);
    DirectoryWatcher watcher;
    int calls = 0;
    watcher.watch(folder, [&] { ++calls; });
    QVERIFY(!watcher.isWatching());

    held.release();
    QTRY_VERIFY(watcher.isWatching());
    tree.makeFile(QStringLiteral("slow/new"));
    QTRY_VERIFY(watcher.hasPendingCall());
    time.advance(DirectoryWatcher::kSettleTime);
    QCOMPARE(calls, 1);
}

BIVANE_TEST_MAIN(DirectoryWatcherTest)
#include "tst_directorywatcher.moc"
