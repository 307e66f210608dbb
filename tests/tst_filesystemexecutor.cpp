#include "platform/filesystemexecutor.h"
#include "platform/latestrequest.h"
#include "platform/mounttable.h"
#include "testmain.h"

#include <QSemaphore>
#include <latch>
#include <memory>

// The executor's queues on real worker threads: what a hung file system may hold up, and which
// results reach the main thread.
class FileSystemExecutorTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { executor().setRunsInline(false); }
    void cleanup()
    {
        executor().setDelay({});
        executor().setRunsInline(true);
    }

    void mountPointsHoldPathsByWholeNames_data();
    void mountPointsHoldPathsByWholeNames();
    void aHungFileSystemHoldsUpOnlyItsOwnQueue();
    void onlyTheLatestRequestIsDelivered();
    void twoTasksOfOneQueueRunSideBySide();

private:
    static FileSystemExecutor &executor() { return FileSystemExecutor::instance(); }
};

void FileSystemExecutorTest::mountPointsHoldPathsByWholeNames_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("queue");
    // The table's escapes ("\040" a space) are undone, and a longer mount point wins.
    const QByteArray table = "22 1 0:21 / / rw - ext4 /dev/sda1 rw\n"
                             "23 22 0:22 / /mnt/usb\\040stick rw - vfat /dev/sdb1 rw\n"
                             "24 22 0:23 / /mnt/a rw - nfs server:/a rw\n"
                             "25 24 0:24 / /mnt/a/b rw - nfs server:/b rw\n";
    const QStringList points = mountPoints(table);
    QCOMPARE(points.size(), 4);
    QTest::newRow("root") << mountPointHolding(QStringLiteral("/home/u"), points) << "/";
    QTest::newRow("escaped space")
        << mountPointHolding(QStringLiteral("/mnt/usb stick/x"), points) << "/mnt/usb stick";
    QTest::newRow("the mount point itself")
        << mountPointHolding(QStringLiteral("/mnt/a"), points) << "/mnt/a";
    QTest::newRow("nested mount") << mountPointHolding(QStringLiteral("/mnt/a/b/c"), points)
                                  << "/mnt/a/b";
    QTest::newRow("a longer name is not inside")
        << mountPointHolding(QStringLiteral("/mnt/ab"), points) << "/";
    QTest::newRow("written with dots")
        << mountPointHolding(QStringLiteral("/mnt/a/x/../b/./c"), points) << "/mnt/a/b";
}

void FileSystemExecutorTest::mountPointsHoldPathsByWholeNames()
{
    QFETCH(QString, path);
    QFETCH(QString, queue);
    QCOMPARE(path, queue);
}

void FileSystemExecutorTest::aHungFileSystemHoldsUpOnlyItsOwnQueue()
{
    // /proc is a file system of its own on every Linux machine; work on it hangs until released.
    QVERIFY(executor().queueOf(QStringLiteral("/proc/self")) !=
            executor().queueOf(QDir::tempPath()));
    auto release = std::make_shared<QSemaphore>();
    executor().setDelay([release](const QString &path) {
        if (path.startsWith(QLatin1String("/proc/")))
            release->acquire();
    });
    QObject receiver;
    QStringList done;
    const auto note = [&done](const QString &what) {
        done.append(what);
    };
    for (const QString &name :
         {QStringLiteral("hung 1"), QStringLiteral("hung 2"), QStringLiteral("hung 3")})
        executor().run(
            QStringLiteral("/proc/self/") + name, &receiver, [name] { return name; }, note);
    executor().run(
        QDir::tempPath(), &receiver, [] { return QStringLiteral("other"); }, note);
    QTRY_COMPARE(done, QStringList{"other"});

    release->release(3);
    QTRY_COMPARE(done.size(), 4);
    QVERIFY(done.contains("hung 3"));
}

void FileSystemExecutorTest::onlyTheLatestRequestIsDelivered()
{
    auto release = std::make_shared<QSemaphore>();
    executor().setDelay([release](const QString &) { release->acquire(); });
    QObject receiver;
    LatestRequest request;
    QStringList delivered;
    const auto deliver = [&delivered](const QString &result) {
        delivered.append(result);
    };
    for (const QString &name : {QStringLiteral("first"), QStringLiteral("second")}) {
        request.start(
            QDir::tempPath(), &receiver, [name] { return name; }, deliver);
    }
    QVERIFY(request.isPending());
    release->release(2);
    QTRY_COMPARE(delivered, QStringList{"second"});
    QVERIFY(!request.isPending());

    // A dropped request, and a receiver that is gone, get nothing.
    request.start(
        QDir::tempPath(), &receiver, [] { return QStringLiteral("dropped"); }, deliver);
    request.drop();
    auto gone = std::make_unique<QObject>();
    executor().run(
        QDir::tempPath(), gone.get(), [] { return QStringLiteral("gone"); }, deliver);
    gone.reset();
    bool marker = false;
    executor().run(
        QDir::tempPath(),
        &receiver,
        [] { return QStringLiteral("marker"); },
        [&](const QString &) { marker = true; });
    release->release(3);
    QTRY_VERIFY(marker);
    QCOMPARE(delivered, QStringList{"second"});
}

// A long task does not hold up the next one of its file system: each has a worker of its own,
// also when a worker already waits idle for work (here two tasks that wait for each other).
void FileSystemExecutorTest::twoTasksOfOneQueueRunSideBySide()
{
    QObject receiver;
    int done = 0;
    executor().run(
        QDir::tempPath(), &receiver, [] { return true; }, [&done](bool) { ++done; });
    QTRY_COMPARE(done, 1);
    const auto meeting = std::make_shared<std::latch>(2);
    for (int task = 0; task < 2; ++task)
        executor().run(
            QDir::tempPath(),
            &receiver,
            [meeting] {
                meeting->arrive_and_wait();
                return true;
            },
            [&done](bool) { ++done; });
    QTRY_COMPARE(done, 3);
}

BIVANE_TEST_MAIN(FileSystemExecutorTest)
#include "tst_filesystemexecutor.moc"
