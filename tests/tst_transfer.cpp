// The copy engine's file operations and the worker's run, called directly on the test thread.
#include "platform/filesystem.h"
#include "platform/pathcodec.h"
#include "platform/uniquefd.h"
#include "rootonly.h"
#include "testmain.h"
#include "testtree.h"
#include "transfer/cancelflag.h"
#include "transfer/fileoperations.h"
#include "transfer/progressreporter.h"
#include "transfer/runtransfer.h"
#include "transfer/transferprogress.h"
#include "unprivileged.h"

#include <QFileInfo>
#include <QScopeGuard>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <linux/fs.h>
#include <numeric>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/xattr.h>

namespace {

// What a failed operation reports, for the message of a failed check.
QByteArray failureText(const std::optional<FileError> &failure)
{
    return failure ? (failure->description() + QLatin1String(": ") + failure->path).toLocal8Bit()
                   : QByteArray();
}

constexpr qint64 kMiB = 1024 * 1024;

QByteArray bytesOf(const QString &path)
{
    return PathCodec::encode(path);
}

void writeFile(const QString &path, const QByteArray &content)
{
    const UniqueFd fd(::open(bytesOf(path).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644));
    QVERIFY2(fd.isValid() &&
                 ::write(fd.get(), content.constData(), content.size()) == content.size(),
             qPrintable(path));
}

QByteArray pattern(qint64 size)
{
    QByteArray data(size, Qt::Uninitialized);
    for (qint64 i = 0; i < size; ++i)
        data[i] = char(i * 7 + i / 4093);
    return data;
}

struct stat statOf(const QString &path)
{
    struct stat st = {};
    if (::lstat(bytesOf(path).constData(), &st) != 0)
        qWarning("cannot stat %s", qPrintable(path));
    return st;
}

void setTimes(const QString &path, time_t seconds, long nanoseconds)
{
    const struct timespec times[2] = {{seconds - 1000, nanoseconds / 2}, {seconds, nanoseconds}};
    QVERIFY(::utimensat(AT_FDCWD, bytesOf(path).constData(), times, AT_SYMLINK_NOFOLLOW) == 0);
}

QSet<QByteArray> rawNames(const QString &folder)
{
    QSet<QByteArray> names;
    DIR *dir = ::opendir(bytesOf(folder).constData());
    while (const dirent *entry = dir ? ::readdir(dir) : nullptr) {
        if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
            names.insert(entry->d_name);
    }
    if (dir)
        ::closedir(dir);
    return names;
}

// Every file below `folder` with its content, keyed by its relative path (raw bytes).
QMap<QByteArray, QByteArray> snapshot(const QString &folder, const QByteArray &prefix = {})
{
    QMap<QByteArray, QByteArray> files;
    for (const QByteArray &name : rawNames(folder)) {
        const QString path = folder + QLatin1Char('/') + PathCodec::decode(name);
        const struct stat st = statOf(path);
        if (S_ISDIR(st.st_mode))
            files.insert(snapshot(path, prefix + name + '/'));
        else
            files.insert(prefix + name, contentOf(path));
    }
    return files;
}

// What a run reports and how often its reporter forwarded, with every count forwarded at once.
struct RunRecord
{
    std::optional<FileError> result;
    QList<qint64> forwarded;
};

RunRecord
runJobs(QList<TransferJob> jobs,
        TransferKind kind,
        const std::function<void(TransferProgress &, const QList<qint64> &)> &onForward = {})
{
    TransferProgress progress(QStringLiteral("Kopieren"), jobs.size());
    RunRecord record;
    qint64 tick = 0; // every call a second later, so nothing is held back
    ProgressReporter reporter(
        [&](qint64 bytes) {
            record.forwarded.append(bytes);
            if (onForward)
                onForward(progress, record.forwarded);
        },
        [&tick] { return ProgressReporter::Clock::time_point(std::chrono::seconds(++tick)); });
    record.result = runTransfer(jobs, kind, progress, *progress.cancelFlag(), reporter);
    return record;
}

TransferJob job(const QString &source, const QString &destination, bool isInstantMove = false)
{
    return TransferJob{source, destination, 0, isInstantMove};
}

// Copies the folder `arguments[0]` to `arguments[1]`: the error's code and path, or "copied".
UNPRIVILEGED_OPERATION(copyFolder, arguments)
{
    CancelFlag cancel;
    const auto denied = copyItem(arguments.value(0), arguments.value(1), cancel, {});
    return denied ? QByteArray::number(denied->code) + ' ' + bytesOf(denied->path)
                  : QByteArray("copied");
}

// Makes "parent/item" with files in the folder `arguments[0]`, turns "parent" read-only and
// moves the item to "target/item": the error's code and path, or "moved".
UNPRIVILEGED_OPERATION(makeAndMoveOutOfReadOnlyFolder, arguments)
{
    const QString place = arguments.value(0);
    const QString parent = place + QStringLiteral("/parent");
    const QString item = parent + QStringLiteral("/item");
    const QString target = place + QStringLiteral("/target");
    for (const QString &folder : {parent, item, item + QStringLiteral("/sub"), target})
        ::mkdir(bytesOf(folder).constData(), 0755);
    for (const char *name : {"/a", "/sub/b"}) {
        const UniqueFd fd(
            ::open(bytesOf(item + QLatin1String(name)).constData(), O_WRONLY | O_CREAT, 0644));
        ::write(fd.get(), name, qstrlen(name));
    }
    ::chmod(bytesOf(parent).constData(), 0555);
    const RunRecord run =
        runJobs({job(item, target + QStringLiteral("/item"))}, TransferKind::move);
    return run.result ? QByteArray::number(run.result->code) + ' ' + bytesOf(run.result->path)
                      : QByteArray("moved");
}

} // namespace

class TransferTest : public QObject
{
    Q_OBJECT

private slots:
    void chunksOfFourMebibytes();
    void reporterForwardsAtMostTenTimesASecond();
    void metadataTravelsWithTheCopy();
    void existingDestinationsStayUntouched();
    void failuresLeaveNoPartialCopy();
    void cancellationRemovesOnlyTheCurrentJob();
    void sizeScanStopsAtOnceWhenAsked_data();
    void sizeScanStopsAtOnceWhenAsked();
    void setIdBitsNeedTheOwner();
    void sparseFilesStaySparse_data();
    void sparseFilesStaySparse();
    void moveAcrossFileSystems();
    void moveKeepsWhatChangesMeanwhile();
    void moveWhoseSourceCannotBeRemoved();
    void moveWhoseSourceIsRemovedOnlyInPart();
    void oddNamesStayExact();
};

void TransferTest::chunksOfFourMebibytes()
{
    TestTree tree;
    TmpfsMount other(tree.path(QStringLiteral("other")), "size=64m");
    const QByteArray data = pattern(10 * kMiB);
    const QString source = tree.path(QStringLiteral("ten"));
    writeFile(source, data);

    // Inside one file system the kernel copies; into a tmpfs read and write take over.
    QStringList destinations{tree.path(QStringLiteral("copy"))};
    QVERIFY2(other.isMounted() || !runsUnderCi(), "cannot mount a tmpfs under CI");
    if (other.isMounted())
        destinations << tree.path(QStringLiteral("other/copy"));
    for (const QString &destination : destinations) {
        QList<qint64> forwarded;
        ProgressReporter reporter([&](qint64 bytes) { forwarded.append(bytes); });
        QList<qint64> chunks;
        CancelFlag cancel;
        const auto failure = copyFile(source, destination, cancel, [&](qint64 bytes) {
            chunks.append(bytes);
            reporter.add(bytes);
        });
        QVERIFY2(!failure, failureText(failure).constData());
        QCOMPARE(chunks, QList<qint64>({4 * kMiB, 4 * kMiB, 2 * kMiB}));
        QCOMPARE(forwarded.value(0), 4 * kMiB); // the first chunk at once
        reporter.flush();
        QCOMPARE(std::accumulate(forwarded.cbegin(), forwarded.cend(), qint64(0)), 10 * kMiB);
        QVERIFY(contentOf(destination) == data);
    }
}

void TransferTest::reporterForwardsAtMostTenTimesASecond()
{
    using namespace std::chrono_literals;
    ProgressReporter::Clock::time_point now{};
    QList<qint64> forwarded;
    ProgressReporter reporter([&](qint64 bytes) { forwarded.append(bytes); }, [&] { return now; });
    reporter.add(1); // the first at once, whenever it comes
    now += 50ms;
    reporter.add(2);
    now += 50ms;
    reporter.add(3); // exactly 0.1 s later is not yet more than 0.1 s
    now += 1ms;
    reporter.add(4);
    reporter.flush(); // nothing pending: nothing forwarded
    now += 10ms;
    reporter.add(5);
    reporter.flush();
    QCOMPARE(forwarded, QList<qint64>({1, 9, 5}));
}

void TransferTest::metadataTravelsWithTheCopy()
{
    TestTree tree;
    CancelFlag cancel;

    // An empty file keeps its dates to the nanosecond and its permission bits.
    const QString empty = tree.makeFile(QStringLiteral("empty"));
    ::chmod(bytesOf(empty).constData(), 0640);
    setTimes(empty, 1'500'000'000, 123'456'789);
    QVERIFY(!copyItem(empty, tree.path(QStringLiteral("empty copy")), cancel, {}));
    const struct stat emptyCopy = statOf(tree.path(QStringLiteral("empty copy")));
    QCOMPARE(emptyCopy.st_size, 0);
    QCOMPARE(emptyCopy.st_mode & 07777, mode_t(0640));
    QCOMPARE(emptyCopy.st_mtim.tv_sec, time_t(1'500'000'000));
    QCOMPARE(emptyCopy.st_mtim.tv_nsec, 123'456'789L);
    QCOMPARE(emptyCopy.st_atim.tv_sec, time_t(1'500'000'000 - 1000));

    // A folder: its children's and its own dates, hidden files, a relative link, a FIFO (made
    // anew, never read) and extended attributes.
    const QString folder = tree.makeFolder(QStringLiteral("folder"));
    const QString child = tree.makeFile(QStringLiteral("folder/child.txt"), "child");
    const QString hidden = tree.makeFile(QStringLiteral("folder/.hidden file"), "dot");
    tree.makeFolder(QStringLiteral("folder/sub"));
    tree.makeLink(QStringLiteral("folder/sub/link"), QStringLiteral("../child.txt"));
    const QByteArray pipe = bytesOf(tree.path(QStringLiteral("folder/pipe")));
    QVERIFY(::mkfifo(pipe.constData(), 0600) == 0 && ::chmod(pipe.constData(), 0620) == 0);
    const bool userAttributes =
        ::setxattr(bytesOf(child).constData(), "user.note", "kept", 4, 0) == 0 &&
        ::setxattr(bytesOf(folder).constData(), "user.tag", "folder", 6, 0) == 0;
    setTimes(child, 1'400'000'000, 1);
    setTimes(hidden, 1'300'000'000, 2);
    setTimes(tree.path(QStringLiteral("folder/sub")), 1'200'000'000, 3);
    setTimes(folder, 1'100'000'000, 4);

    const QString copy = tree.path(QStringLiteral("folder copy"));
    const auto failure = copyItem(folder, copy, cancel, {});
    QVERIFY2(!failure, failureText(failure).constData());
    QCOMPARE(rawNames(copy), QSet<QByteArray>({"child.txt", ".hidden file", "sub", "pipe"}));
    QCOMPARE(contentOf(copy + QStringLiteral("/.hidden file")), QByteArray("dot"));
    char target[64] = {};
    QCOMPARE(::readlink(bytesOf(copy + QStringLiteral("/sub/link")).constData(), target, 63), 12);
    QCOMPARE(QByteArray(target), QByteArray("../child.txt"));
    QVERIFY(S_ISFIFO(statOf(copy + QStringLiteral("/pipe")).st_mode));
    QCOMPARE(statOf(copy + QStringLiteral("/pipe")).st_mode & 07777, mode_t(0620));
    QCOMPARE(statOf(copy + QStringLiteral("/child.txt")).st_mtim.tv_sec, time_t(1'400'000'000));
    QCOMPARE(statOf(copy + QStringLiteral("/.hidden file")).st_mtim.tv_nsec, 2L);
    QCOMPARE(statOf(copy + QStringLiteral("/sub")).st_mtim.tv_sec, time_t(1'200'000'000));
    QCOMPARE(statOf(copy).st_mtim.tv_sec, time_t(1'100'000'000));
    QCOMPARE(statOf(copy).st_mtim.tv_nsec, 4L);
    if (!userAttributes)
        CANNOT_RUN_HERE("the test folder's file system keeps no user.* attributes");
    char value[16] = {};
    QCOMPARE(::getxattr(bytesOf(copy + "/child.txt").constData(), "user.note", value, 16), 4);
    QCOMPARE(QByteArray(value), QByteArray("kept"));
    QCOMPARE(::getxattr(bytesOf(copy).constData(), "user.tag", value, 16), 6);
}

void TransferTest::existingDestinationsStayUntouched()
{
    TestTree tree;
    CancelFlag cancel;
    const QString file = tree.makeFile(QStringLiteral("a.txt"), "new");
    const QString folder = tree.makeFolder(QStringLiteral("box"));
    tree.makeFile(QStringLiteral("box/inner"), "new inner");
    const QString target = tree.makeFolder(QStringLiteral("target"));
    // Something appeared at each destination after the job list was made.
    const QString takenFile = tree.makeFile(QStringLiteral("target/a.txt"), "old");
    const QString takenFolder = tree.makeFolder(QStringLiteral("target/box"));
    tree.makeFile(QStringLiteral("target/box/kept"), "old inner");
    const QMap<QByteArray, QByteArray> before = snapshot(target);

    for (const auto &[source, destination] :
         {std::pair{file, takenFile}, std::pair{folder, takenFolder}}) {
        const auto copied = copyItem(source, destination, cancel, {});
        QVERIFY(copied);
        QCOMPARE(copied->code, EEXIST);
        QCOMPARE(copied->path, destination);
        QCOMPARE(copied->description(),
                 QStringLiteral("„%1“ ist im Zielordner bereits vorhanden.")
                     .arg(QFileInfo(destination).fileName()));
        const auto moved = renameNoReplace(source, destination);
        QVERIFY(moved);
        QCOMPARE(moved->code, EEXIST);
    }
    // In a run the job before stays, the existing item too.
    const RunRecord run = runJobs({job(tree.makeFile(QStringLiteral("first"), "1"),
                                       tree.path(QStringLiteral("target/first"))),
                                   job(file, takenFile)},
                                  TransferKind::move);
    QVERIFY(run.result);
    QCOMPARE(run.result->code, EEXIST);
    QCOMPARE(snapshot(target).take("first"), QByteArray("1"));
    QMap<QByteArray, QByteArray> after = snapshot(target);
    after.remove("first");
    QCOMPARE(after, before);
    QCOMPARE(contentOf(file), QByteArray("new"));
    QCOMPARE(contentOf(tree.path(QStringLiteral("box/inner"))), QByteArray("new inner"));
}

void TransferTest::failuresLeaveNoPartialCopy()
{
    TestTree tree;
    CancelFlag cancel;

    // The disk fills up in the middle of a folder.
    TmpfsMount tiny(tree.path(QStringLiteral("tiny")), "size=1m");
    const QString large = tree.makeFolder(QStringLiteral("large"));
    for (const char *name : {"one", "two", "three"})
        writeFile(large + QLatin1Char('/') + QLatin1String(name), pattern(kMiB));
    const QMap<QByteArray, QByteArray> largeBefore = snapshot(large);
    QVERIFY2(tiny.isMounted() || !runsUnderCi(), "cannot mount a tmpfs under CI");
    if (tiny.isMounted()) {
        const auto full = copyItem(large, tree.path(QStringLiteral("tiny/large")), cancel, {});
        QVERIFY(full);
        QCOMPARE(full->code, ENOSPC);
        QVERIFY(rawNames(tree.path(QStringLiteral("tiny"))).isEmpty());
        QCOMPARE(snapshot(large), largeBefore);
    }

    // A folder copied into a folder below itself (no check before) stops at its own copy.
    const QString nest = tree.makeFolder(QStringLiteral("nest"));
    tree.makeFile(QStringLiteral("nest/egg"), "egg");
    tree.makeFolder(QStringLiteral("nest/inner"));
    const QMap<QByteArray, QByteArray> nestBefore = snapshot(nest);
    const auto nested = copyItem(nest, nest + QStringLiteral("/inner/nest"), cancel, {});
    QVERIFY(nested);
    QCOMPARE(nested->description(),
             QStringLiteral("„nest“ kann nicht in sich selbst abgelegt werden."));
    QCOMPARE(snapshot(nest), nestBefore);
    QCOMPARE(rawNames(nest + QStringLiteral("/inner")), QSet<QByteArray>());

    // A child disappears after the folder was listed.
    const QString vanishing = tree.makeFolder(QStringLiteral("vanishing"));
    for (const char *name : {"a", "b", "c"})
        writeFile(vanishing + QLatin1Char('/') + QLatin1String(name), "x");
    const auto gone =
        copyItem(vanishing, tree.path(QStringLiteral("vanishing copy")), cancel, [&](qint64) {
            for (const char *name : {"a", "b", "c"})
                ::unlink(bytesOf(vanishing + '/' + name).constData());
        });
    QVERIFY(gone);
    QCOMPARE(gone->code, ENOENT);
    QVERIFY(gone->path.startsWith(vanishing + QLatin1Char('/')));
    QVERIFY(!exists(tree.path(QStringLiteral("vanishing copy"))));

    // A child cannot be read by the user who copies; a read-only folder copied before it must
    // not keep the clean-up from removing the copy.
    const QString locked = tree.makeFolder(QStringLiteral("locked"));
    for (const char *name : {"d1", "d2", "d3", "d4"})
        tree.makeFile(QStringLiteral("locked/%1/file").arg(QLatin1String(name)), "readable");
    tree.makeFolder(QStringLiteral("out"));
    const QList<QByteArray> order = [&] {
        QList<QByteArray> names;
        DIR *dir = ::opendir(bytesOf(locked).constData());
        while (const dirent *entry = ::readdir(dir))
            if (entry->d_name[0] != '.')
                names.append(entry->d_name);
        ::closedir(dir);
        return names;
    }();
    for (const QByteArray &name : order)
        ::chmod(bytesOf(locked + '/' + name).constData(), name == order.last() ? 0 : 0555);
    tree.openToEveryone();
    ::chmod(bytesOf(tree.path(QStringLiteral("out"))).constData(), 0777);
    const QByteArray result =
        runUnprivileged(copyFolder, {locked, tree.path(QStringLiteral("out/locked"))});
    QCOMPARE(result, QByteArray::number(EACCES) + ' ' + bytesOf(locked) + '/' + order.last());
    QVERIFY(rawNames(tree.path(QStringLiteral("out"))).isEmpty());
    QCOMPARE(statOf(locked + '/' + order.last()).st_mode & 07777, mode_t(0));

    // The source of the next job disappears while the run is going.
    const QString first = tree.makeFile(QStringLiteral("first"), "1");
    const QString second = tree.makeFile(QStringLiteral("second"), "2");
    const RunRecord run = runJobs(
        {job(first, tree.path(QStringLiteral("out/first"))),
         job(second, tree.path(QStringLiteral("out/second")))},
        TransferKind::copy,
        [&](TransferProgress &, const QList<qint64> &) { ::unlink(bytesOf(second).constData()); });
    QVERIFY(run.result);
    QCOMPARE(run.result->code, ENOENT);
    QCOMPARE(run.result->path, second);
    QCOMPARE(rawNames(tree.path(QStringLiteral("out"))), QSet<QByteArray>({"first"}));
}

void TransferTest::cancellationRemovesOnlyTheCurrentJob()
{
    TestTree tree;
    const QString done = tree.makeFile(QStringLiteral("done"), "finished before");
    const QString folder = tree.makeFolder(QStringLiteral("folder"));
    writeFile(folder + QStringLiteral("/one"), pattern(kMiB));
    writeFile(folder + QStringLiteral("/two"), pattern(kMiB));
    tree.makeFile(QStringLiteral("folder/sub/deeper"), "deeper");
    const QString later = tree.makeFile(QStringLiteral("later"), "never started");
    const QString target = tree.makeFolder(QStringLiteral("target"));
    const QMap<QByteArray, QByteArray> sources = snapshot(tree.root());

    // Forwarded counts: "done", the folder's first file, then its second one.
    int cancelledAt = 0;
    const RunRecord run = runJobs({job(done, target + QStringLiteral("/done")),
                                   job(folder, target + QStringLiteral("/folder")),
                                   job(later, target + QStringLiteral("/later"))},
                                  TransferKind::move,
                                  [&](TransferProgress &progress, const QList<qint64> &forwards) {
                                      if (forwards.size() == 3 && !cancelledAt) {
                                          cancelledAt = 3;
                                          progress.cancel();
                                      }
                                  });
    QVERIFY(run.result);
    QVERIFY(isCancellation(*run.result));
    QCOMPARE(cancelledAt, 3);
    QCOMPARE(run.forwarded.size(), 3); // nothing copied after the request
    QCOMPARE(rawNames(target), QSet<QByteArray>({"done"}));
    QMap<QByteArray, QByteArray> expected = sources;
    expected.remove("done"); // moved before the request
    expected.remove("target/done");
    QMap<QByteArray, QByteArray> now = snapshot(tree.root());
    QCOMPARE(now.take("target/done"), QByteArray("finished before"));
    QCOMPARE(now, expected);
}

void TransferTest::sizeScanStopsAtOnceWhenAsked_data()
{
    QTest::addColumn<int>("goOnFor"); // how many questions are answered "go on"
    QTest::newRow("before the item") << 0;
    QTest::newRow("at the first entry") << 1;
    QTest::newRow("deep in the tree") << 70;
    QTest::newRow("at the last entry") << 111;
    QTest::newRow("never") << 100'000;
}

void TransferTest::sizeScanStopsAtOnceWhenAsked()
{
    QFETCH(int, goOnFor);
    // 111 entries below the item: three folders of 30 one-byte files and a subfolder of five.
    TestTree tree;
    const QString item = tree.makeFolder(QStringLiteral("item"));
    for (int folder = 0; folder < 3; ++folder) {
        const QString path = QStringLiteral("item/%1/").arg(folder);
        for (int file = 0; file < 30; ++file)
            tree.makeFile(path + QString::number(file), "x");
        for (int file = 0; file < 5; ++file)
            tree.makeFile(path + QStringLiteral("sub/") + QString::number(file), "x");
    }
    constexpr int kQuestions = 1 + 111; // the item, then every entry below it

    int asked = 0;
    const std::optional<qint64> size = itemSize(item, [&] { return ++asked > goOnFor; });
    if (goOnFor >= kQuestions) {
        QCOMPARE(size, std::optional<qint64>(105));
        QCOMPARE(asked, kQuestions);
    } else {
        QCOMPARE(size, std::nullopt);
        QCOMPARE(asked, goOnFor + 1); // not one entry further
    }
}

void TransferTest::setIdBitsNeedTheOwner()
{
    TestTree tree;
    CancelFlag cancel;
    // The copy has the source's owner and group: the bits stay.
    const QString own = tree.makeFile(QStringLiteral("own"), "#!/bin/sh\n");
    QVERIFY(::chmod(bytesOf(own).constData(), 06755) == 0);
    QVERIFY(!copyItem(own, tree.path(QStringLiteral("own copy")), cancel, {}));
    QCOMPARE(statOf(tree.path(QStringLiteral("own copy"))).st_mode & 07777, mode_t(06755));

    // Root copying another user's set-id program must not make a set-id root program.
    REQUIRE_ROOT();
    const QString foreign = tree.makeFile(QStringLiteral("foreign"), "#!/bin/sh\n");
    const QString folder = tree.makeFolder(QStringLiteral("folder"));
    const QString node = tree.path(QStringLiteral("folder/node"));
    QVERIFY(::mkfifo(bytesOf(node).constData(), 0600) == 0);
    for (const QString &path : {foreign, folder, node}) {
        QVERIFY(::chown(bytesOf(path).constData(), 65534, 65534) == 0);
        QVERIFY(::chmod(bytesOf(path).constData(), 06755) == 0);
    }
    for (const QString &path : {foreign, folder}) {
        const QString copy = path + QStringLiteral(" copy");
        QVERIFY(!copyItem(path, copy, cancel, {}));
        QCOMPARE(statOf(copy).st_uid, uid_t(0));
        QCOMPARE(statOf(copy).st_mode & 07777, mode_t(0755));
    }
    QCOMPARE(statOf(tree.path(QStringLiteral("folder copy/node"))).st_mode & 07777, mode_t(0755));
}

void TransferTest::sparseFilesStaySparse_data()
{
    QTest::addColumn<QList<qint64>>("dataAt"); // offsets of 4 KiB of data each
    QTest::addColumn<qint64>("size");
    QTest::newRow("data in the middle") << QList<qint64>{24 * kMiB} << 64 * kMiB;
    QTest::newRow("data at both ends") << QList<qint64>{0, 64 * kMiB - 4096} << 64 * kMiB;
    QTest::newRow("extents across chunks") << QList<qint64>{kMiB, 9 * kMiB, 17 * kMiB} << 20 * kMiB;
    QTest::newRow("only a hole") << QList<qint64>{} << 64 * kMiB;
}

void TransferTest::sparseFilesStaySparse()
{
    QFETCH(QList<qint64>, dataAt);
    QFETCH(qint64, size);
    TestTree tree;
    const QString source = tree.path(QStringLiteral("sparse"));
    {
        const UniqueFd fd(::open(bytesOf(source).constData(), O_WRONLY | O_CREAT, 0644));
        QVERIFY(::ftruncate(fd.get(), size) == 0);
        for (qint64 offset : dataAt)
            QCOMPARE(::pwrite(fd.get(), pattern(4096).constData(), 4096, offset), ssize_t(4096));
    }
    if (statOf(source).st_blocks * 512 >= size)
        CANNOT_RUN_HERE("the test folder's file system keeps no holes");

    TmpfsMount other(tree.path(QStringLiteral("other")), "size=128m");
    QStringList destinations{tree.path(QStringLiteral("copy"))};
    QVERIFY2(other.isMounted() || !runsUnderCi(), "cannot mount a tmpfs under CI");
    if (other.isMounted())
        destinations << tree.path(QStringLiteral("other/copy"));
    for (const QString &destination : destinations) {
        qint64 reported = 0;
        CancelFlag cancel;
        const auto failure =
            copyFile(source, destination, cancel, [&](qint64 bytes) { reported += bytes; });
        QVERIFY2(!failure, failureText(failure).constData());
        QCOMPARE(reported, size); // holes count for the progress as copied
        QVERIFY(contentOf(destination) == contentOf(source));
        QVERIFY2(statOf(destination).st_blocks <= statOf(source).st_blocks,
                 qPrintable(QStringLiteral("%1 blocks for %2")
                                .arg(statOf(destination).st_blocks)
                                .arg(statOf(source).st_blocks)));
    }
}

void TransferTest::moveAcrossFileSystems()
{
    TestTree tree;
    TmpfsMount other(tree.path(QStringLiteral("other")), "size=64m");
    REQUIRE_MOUNTED(other);
    const QString folder = tree.makeFolder(QStringLiteral("folder"));
    tree.makeFile(QStringLiteral("folder/.hidden"), "hidden");
    tree.makeFile(QStringLiteral("folder/sub/data"), pattern(5 * kMiB));
    tree.makeLink(QStringLiteral("folder/sub/link"), QStringLiteral("data"));
    tree.makeRawFile("folder/caf\xe9\n-name");
    const QMap<QByteArray, QByteArray> before = snapshot(folder);
    const QString destination = tree.path(QStringLiteral("other/folder"));

    QVERIFY(isSameVolume(folder, tree.root()));
    QVERIFY(!isSameVolume(folder, tree.path(QStringLiteral("other"))));
    QVERIFY(!isSameVolume(tree.path(QStringLiteral("missing")), tree.root()));
    const RunRecord run = runJobs(
        {job(folder, destination, isSameVolume(folder, tree.path(QStringLiteral("other"))))},
        TransferKind::move);
    QVERIFY2(!run.result, failureText(run.result).constData());
    QVERIFY(!exists(folder));
    QCOMPARE(snapshot(destination), before);
    QVERIFY(S_ISLNK(statOf(destination + QStringLiteral("/sub/link")).st_mode));
}

void TransferTest::moveKeepsWhatChangesMeanwhile()
{
    // Another program writes into the source while the move copies it. Each file has a size of
    // its own, so the chunk the engine reports tells which file was just copied.
    TestTree tree;
    const QString folder = tree.makeFolder(QStringLiteral("folder"));
    writeFile(folder + QStringLiteral("/big"), pattern(5 * kMiB));
    writeFile(folder + QStringLiteral("/a"), QByteArray(10, 'a'));
    writeFile(folder + QStringLiteral("/b"), QByteArray(20, 'b'));
    tree.makeFolder(QStringLiteral("folder/sub"));
    writeFile(folder + QStringLiteral("/sub/c"), QByteArray(30, 'c'));
    const QMap<QByteArray, QByteArray> copied = snapshot(folder);
    const auto append = [](const QString &path) {
        const UniqueFd fd(::open(bytesOf(path).constData(), O_WRONLY | O_APPEND));
        QCOMPARE(::write(fd.get(), "+", 1), ssize_t(1));
    };

    const QString destination = tree.path(QStringLiteral("moved"));
    const RunRecord run = runJobs({job(folder, destination)},
                                  TransferKind::move,
                                  [&](TransferProgress &, const QList<qint64> &forwards) {
                                      switch (forwards.last()) {
                                      case 10: // "a" is copied: it changes afterwards
                                          append(folder + QStringLiteral("/a"));
                                          break;
                                      case 4 * kMiB: // "big" changes while it is copied
                                          append(folder + QStringLiteral("/big"));
                                          break;
                                      case 30: // "sub" is copied: a new file appears in it
                                          writeFile(folder + QStringLiteral("/sub/added"), "new");
                                          break;
                                      }
                                  });

    // The copy is complete as it was read; the source keeps exactly what changed or came.
    QVERIFY(run.result);
    QCOMPARE(run.result->code, ENOTEMPTY);
    QVERIFY2(run.result->description().startsWith(QStringLiteral("3 Objekte wurden während")),
             qPrintable(run.result->description()));
    const QStringList keptPaths{folder + QStringLiteral("/a"),
                                folder + QStringLiteral("/big"),
                                folder + QStringLiteral("/sub/added")};
    QVERIFY2(keptPaths.contains(run.result->path), qPrintable(run.result->path));
    QMap<QByteArray, QByteArray> inCopy = snapshot(destination);
    QVERIFY(inCopy.take("big").startsWith(copied.value("big")));
    QMap<QByteArray, QByteArray> expectedCopy = copied;
    expectedCopy.remove("big");
    QCOMPARE(inCopy, expectedCopy);
    QCOMPARE(snapshot(folder),
             (QMap<QByteArray, QByteArray>{{"a", copied.value("a") + '+'},
                                           {"big", copied.value("big") + '+'},
                                           {"sub/added", "new"}}));

    // Nothing changed: nothing stays behind, and a single file moves the same way.
    const QString file = tree.makeFile(QStringLiteral("single"), "single");
    const RunRecord quiet =
        runJobs({job(file, tree.path(QStringLiteral("single moved"))),
                 job(folder + QStringLiteral("/sub"), tree.path(QStringLiteral("sub moved")))},
                TransferKind::move);
    QVERIFY2(!quiet.result, failureText(quiet.result).constData());
    QVERIFY(!exists(file));
    QCOMPARE(contentOf(tree.path(QStringLiteral("single moved"))), QByteArray("single"));
    QCOMPARE(contentOf(tree.path(QStringLiteral("sub moved/added"))), QByteArray("new"));
    QVERIFY(!exists(folder + QStringLiteral("/sub/added")));
}

void TransferTest::moveWhoseSourceCannotBeRemoved()
{
    TestTree tree;
    tree.openToEveryone();
    const QString place = tree.makeFolder(QStringLiteral("place"));
    ::chmod(bytesOf(place).constData(), 0777);
    const QString parent = place + QStringLiteral("/parent");
    const QString item = parent + QStringLiteral("/item");
    const QString target = place + QStringLiteral("/target");

    // Made by the unprivileged user, whose folder then turns read-only.
    const QByteArray result = runUnprivileged(makeAndMoveOutOfReadOnlyFolder, {place});
    QCOMPARE(result, QByteArray::number(EACCES) + ' ' + bytesOf(parent));
    QVERIFY(rawNames(target).isEmpty());
    QCOMPARE(snapshot(item), (QMap<QByteArray, QByteArray>{{"a", "/a"}, {"sub/b", "/sub/b"}}));
}

void TransferTest::moveWhoseSourceIsRemovedOnlyInPart()
{
    // An immutable file stops even root half-way; then neither side may be thrown away.
    TestTree tree;
    const QString item = tree.makeFolder(QStringLiteral("item"));
    for (const char *name : {"f1", "f2", "f3", "f4"})
        tree.makeFile(QStringLiteral("item/") + QLatin1String(name), name);
    const QMap<QByteArray, QByteArray> before = snapshot(item);
    QByteArray last;
    DIR *dir = ::opendir(bytesOf(item).constData());
    while (const dirent *entry = ::readdir(dir))
        if (entry->d_name[0] != '.')
            last = entry->d_name; // removed after all the others
    ::closedir(dir);
    const QString stuck = item + QLatin1Char('/') + QString::fromLatin1(last);
    const UniqueFd fd(::open(bytesOf(stuck).constData(), O_RDONLY));
    int flags = 0;
    if (::ioctl(fd.get(), FS_IOC_GETFLAGS, &flags) != 0)
        CANNOT_RUN_HERE("no file flags here");
    const int original = flags;
    flags |= FS_IMMUTABLE_FL;
    if (::ioctl(fd.get(), FS_IOC_SETFLAGS, &flags) != 0)
        CANNOT_RUN_HERE("cannot make a file immutable here (needs root)");
    const auto restore = qScopeGuard([&] { ::ioctl(fd.get(), FS_IOC_SETFLAGS, &original); });

    const QString copy = tree.path(QStringLiteral("copy"));
    const RunRecord run = runJobs({job(item, copy)}, TransferKind::move);
    QVERIFY(run.result);
    QCOMPARE(run.result->code, EPERM);
    QCOMPARE(snapshot(copy), before);
    QCOMPARE(rawNames(item), QSet<QByteArray>({last}));
}

void TransferTest::oddNamesStayExact()
{
    TestTree tree;
    const QList<QByteArray> names{"caf\xe9", "new\nline", "-rf", "-", "\xff\xfe", "-sub\xe9"};
    const QString folder = tree.makeFolder(QStringLiteral("odd"));
    qint64 total = 0;
    for (const QByteArray &name : names) {
        writeFile(folder + QLatin1Char('/') + PathCodec::decode(name), name);
        total += name.size();
    }
    const QString deeper = folder + QLatin1Char('/') + PathCodec::decode("-dir\xe9\n");
    QVERIFY(::mkdir(bytesOf(deeper).constData(), 0755) == 0);
    writeFile(deeper + QLatin1Char('/') + PathCodec::decode("-\n\xfe"), "deep");
    total += 4;
    ::symlink("\xe9-target", bytesOf(folder + QStringLiteral("/link")).constData());
    const QMap<QByteArray, QByteArray> before = snapshot(folder);

    const StopCheck never = [] {
        return false;
    };
    QCOMPARE(itemSize(folder, never), std::optional<qint64>(total));
    QCOMPARE(itemSize(deeper + QLatin1Char('/') + PathCodec::decode("-\n\xfe"), never),
             std::optional<qint64>(4));
    QCOMPARE(itemSize(folder + QStringLiteral("/link"), never), std::optional<qint64>(0));

    const QString copy = tree.path(PathCodec::decode("-copy\xe9\n"));
    CancelFlag cancel;
    QVERIFY(!copyItem(folder, copy, cancel, {}));
    QCOMPARE(snapshot(copy), before);

    const QString single = folder + QLatin1Char('/') + PathCodec::decode(names.first());
    const QString moved = tree.path(PathCodec::decode("\n-moved\xff"));
    QVERIFY(!renameNoReplace(single, moved));
    QVERIFY(!exists(single));
    QCOMPARE(contentOf(moved), names.first());
    const QString copiedFile = tree.path(PathCodec::decode("-file\xfe"));
    QVERIFY(!copyFile(moved, copiedFile, cancel, {}));
    QCOMPARE(contentOf(copiedFile), names.first());

    for (const QString &path : {copy, moved, copiedFile}) {
        QVERIFY(!removeItem(path, WriteProtection::respect));
        QVERIFY(!exists(path));
    }
    QCOMPARE(rawNames(tree.root()), QSet<QByteArray>({"odd"}));
}

BIVANE_TEST_MAIN(TransferTest)
#include "tst_transfer.moc"
