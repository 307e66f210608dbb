// Runs on their worker thread as the controller starts them, and the progress they report.
#include "cannotrun.h"
#include "filelease.h"
#include "manualtime.h"
#include "platform/pathcodec.h"
#include "platform/preferences.h"
#include "testmain.h"
#include "testtree.h"
#include "transfer/cancelflag.h"
#include "transfer/fileoperations.h"
#include "transfer/progresstexts.h"
#include "transfer/transferrun.h"

#include <QSignalSpy>
#include <sys/stat.h>

using namespace std::chrono_literals;

namespace {

// What a failed operation reports, for the message of a failed check.
QByteArray failureText(const std::optional<FileError> &failure)
{
    return failure ? (failure->description() + QLatin1String(": ") + failure->path).toLocal8Bit()
                   : QByteArray();
}

using Clock = TransferProgress::Clock;

constexpr qint64 kMB = 1000 * 1000;

ino_t inodeOf(const QString &path)
{
    struct stat st = {};
    ::lstat(PathCodec::encode(path).constData(), &st);
    return st.st_ino;
}

QStringList valuesOf(const QList<ProgressFigure> &figures)
{
    QStringList values;
    for (const ProgressFigure &figure : figures)
        values.append(figure.value);
    return values;
}

// The run's end as its finished() signal reports it.
std::optional<FileError> waitForEnd(QSignalSpy &finished)
{
    if (finished.isEmpty() && !finished.wait(60'000))
        return FileError(ETIMEDOUT, QStringLiteral("the run did not end"));
    return finished.first().first().value<std::optional<FileError>>();
}

} // namespace

class TransferRunTest : public QObject
{
    Q_OBJECT

private slots:
    void formatDuration_data();
    void formatDuration();
    void speedAndTimeLeft();
    void instantMoveRenamesAtOnce();
    void shortRunNeverShows();
    void windowAppearsAfterADelayUnlessTurnedOff_data();
    void windowAppearsAfterADelayUnlessTurnedOff();
    void destroyingARunningRunCancelsIt();
    void cancelWhileScanningCreatesNothing_data();
    void cancelWhileScanningCreatesNothing();
};

void TransferRunTest::formatDuration_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("text");
    QTest::newRow("nothing") << 0.0 << "0:00";
    QTest::newRow("half rounds up") << 0.5 << "0:01";
    QTest::newRow("seconds") << 7.0 << "0:07";
    QTest::newRow("minutes") << 765.0 << "12:45";
    QTest::newRow("just below a minute") << 59.5 << "1:00";
    QTest::newRow("just below an hour") << 3599.4 << "59:59";
    QTest::newRow("an hour") << 3600.0 << "1:00:00";
    QTest::newRow("hours") << 3723.0 << "1:02:03";
    QTest::newRow("beyond a day") << 360'000.0 << "100:00:00";
}

void TransferRunTest::formatDuration()
{
    QFETCH(double, seconds);
    QFETCH(QString, text);
    QCOMPARE(::formatDuration(seconds), text);
}

void TransferRunTest::speedAndTimeLeft()
{
    TransferProgress progress(QStringLiteral("Kopieren"), 3);
    const Clock::time_point start = progress.startedAt();
    QCOMPARE(progress.fraction(), 0.0); // nothing to copy yet
    progress.setCopiedBytes(1024 * 1024);
    QCOMPARE(progress.bytesPerSecond(start + 400ms), std::nullopt); // too early to tell
    QCOMPARE(progress.secondsRemaining(start + 400ms), std::nullopt);
    QCOMPARE(
        valuesOf(progressFigures(progress, start + 400ms)),
        QStringList({"0:00", "wird berechnet …", "–", "1 MB von Null Byte · 0 von 3 Objekten"}));
    QCOMPARE(progress.bytesPerSecond(start - 2s), std::nullopt); // a clock behind the start

    progress.setTotalBytes(30 * kMB);
    progress.setCopiedBytes(10 * kMB);
    QCOMPARE(progress.fraction(), 1.0 / 3);
    QCOMPARE(progress.bytesPerSecond(start + 2s), std::optional<double>(5 * kMB));
    QCOMPARE(progress.secondsRemaining(start + 2s), std::optional<double>(4));
    progress.setItemsDone(1);
    QCOMPARE(valuesOf(progressFigures(progress, start + 2s)),
             QStringList({"0:02", "ca. 0:04", "5 MB/s", "10 MB von 30 MB · 1 von 3 Objekten"}));

    progress.setCopiedBytes(40 * kMB); // the files grew while they were copied
    QCOMPARE(progress.fraction(), 1.0);
    QCOMPARE(progress.secondsRemaining(start + 2s), std::nullopt);

    QSignalSpy cancelling(&progress, &TransferProgress::isCancellingChanged);
    QCOMPARE(cancelButtonTitle(progress), QStringLiteral("Abbrechen"));
    progress.cancel();
    progress.cancel();
    QCOMPARE(cancelButtonTitle(progress), QStringLiteral("Wird abgebrochen …"));
    QVERIFY(progress.isCancelling());
    QVERIFY(progress.cancelFlag()->isRaised());
    QCOMPARE(cancelling.size(), 1);
}

void TransferRunTest::instantMoveRenamesAtOnce()
{
    TestTree tree;
    Preferences preferences(tree.makeFolder(QStringLiteral("config")));
    const QString folder = tree.makeFolder(QStringLiteral("folder"));
    tree.makeFile(QStringLiteral("folder/data"), QByteArray(100'000, 'x'));
    const QString target = tree.makeFolder(QStringLiteral("target"));
    const ino_t inode = inodeOf(folder);

    TransferRun run(
        {TransferJob{folder, target + QStringLiteral("/folder"), 0, isSameVolume(folder, target)}},
        TransferKind::move,
        preferences);
    TransferProgress &progress = run.progress();
    QCOMPARE(progress.title(), QStringLiteral("Verschieben"));
    QSignalSpy finished(&run, &TransferRun::finished);
    QSignalSpy scanned(&progress, &TransferProgress::isScanningChanged);
    run.start();
    const std::optional<FileError> end = waitForEnd(finished);
    QVERIFY2(!end, failureText(end).constData());
    QCOMPARE(scanned.size(), 1);
    QCOMPARE(progress.totalBytes(), 0);
    QCOMPARE(progress.copiedBytes(), 0);
    QCOMPARE(progress.itemsDone(), 1);
    QCOMPARE(progress.currentName(), QStringLiteral("folder"));
    QVERIFY(progress.isFinished());
    QCOMPARE(inodeOf(target + QStringLiteral("/folder")), inode); // renamed, not copied
    QVERIFY(!exists(folder));
}

void TransferRunTest::shortRunNeverShows()
{
    TestTree tree;
    Preferences preferences(tree.makeFolder(QStringLiteral("config")));
    const QString file = tree.makeFile(QStringLiteral("small"), "a few bytes");
    ManualTime time;

    TransferRun run({TransferJob{file, tree.path(QStringLiteral("copy")), 0, false}},
                    TransferKind::copy,
                    preferences);
    TransferProgress &progress = run.progress();
    QSignalSpy visibility(&progress, &TransferProgress::isVisibleChanged);
    QSignalSpy finished(&run, &TransferRun::finished);
    run.start();
    const std::optional<FileError> end = waitForEnd(finished);
    QVERIFY2(!end, failureText(end).constData());
    QCOMPARE(progress.copiedBytes(), 11);
    QCOMPARE(progress.itemsDone(), 1);
    // The delay passes after the end: the window must not come up any more.
    time.advance(1h);
    QCOMPARE(visibility.size(), 0);
    QVERIFY(!progress.isVisible());
}

void TransferRunTest::windowAppearsAfterADelayUnlessTurnedOff_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<bool>("shows");
    QTest::newRow("absent") << QByteArray() << true;
    QTest::newRow("on") << QByteArray("true") << true;
    QTest::newRow("not a boolean") << QByteArray("\"no\"") << true;
    QTest::newRow("off") << QByteArray("false") << false;
}

void TransferRunTest::windowAppearsAfterADelayUnlessTurnedOff()
{
    QFETCH(QByteArray, stored);
    QFETCH(bool, shows);
    TestTree tree;
    if (!stored.isEmpty())
        tree.makeFile(QStringLiteral("config/bivane.json"),
                      "{\"showTransferProgress\": " + stored + "}");
    Preferences preferences(tree.makeFolder(QStringLiteral("config")));
    const QString source = tree.makeFile(QStringLiteral("held"), "content");
    const QString destination = tree.path(QStringLiteral("copy"));
    FileLease lease(source);
    if (!lease.isHeld())
        CANNOT_RUN_HERE("file leases are not available here");
    ManualTime time;

    TransferRun run({TransferJob{source, destination, 0, false}}, TransferKind::copy, preferences);
    TransferProgress &progress = run.progress();
    QSignalSpy visibility(&progress, &TransferProgress::isVisibleChanged);
    QSignalSpy finished(&run, &TransferRun::finished);
    run.start();
    // The worker waits for the lease at the first file; the values it reached are shown.
    QTRY_COMPARE(progress.currentName(), QStringLiteral("held"));
    QCOMPARE(progress.totalBytes(), 7);
    QVERIFY(!progress.isScanning());
    time.advance(TransferRun::kWindowDelay - 1ms);
    QVERIFY(!progress.isVisible());
    time.advance(1ms);
    QCOMPARE(progress.isVisible(), shows);
    time.advance(1h);
    QCOMPARE(visibility.size(), shows ? 1 : 0);
    lease.release();
    const std::optional<FileError> end = waitForEnd(finished);
    QVERIFY2(!end, failureText(end).constData());
    QCOMPARE(progress.copiedBytes(), 7);
    QCOMPARE(progress.itemsDone(), 1);
    QVERIFY(!progress.isVisible());
    QCOMPARE(visibility.size(), shows ? 2 : 0);
}

void TransferRunTest::destroyingARunningRunCancelsIt()
{
    TestTree tree;
    Preferences preferences(tree.makeFolder(QStringLiteral("config")));
    const QString first = tree.makeFile(QStringLiteral("first"), "copied");
    const QString held = tree.makeFile(QStringLiteral("held"), "never copied");
    const QString destination = tree.path(QStringLiteral("held copy"));
    FileLease lease(held);
    if (!lease.isHeld())
        CANNOT_RUN_HERE("no leases on this file system");
    bool ended = false;
    {
        TransferRun run({TransferJob{first, tree.path(QStringLiteral("first copy")), 0, false},
                         TransferJob{held, destination, 0, false}},
                        TransferKind::copy,
                        preferences);
        connect(&run, &TransferRun::finished, this, [&] { ended = true; });
        run.start();
        // The second job waits for the other program to let go of its file.
        QTRY_COMPARE(run.progress().currentName(), QStringLiteral("held"));
    }
    // The worker has ended without waiting for the lease.
    QVERIFY(lease.keepsReadersWaiting());
    QCoreApplication::processEvents();
    QVERIFY(!ended);
    QVERIFY(exists(tree.path(QStringLiteral("first copy"))));
    QVERIFY(!exists(destination));
}

void TransferRunTest::cancelWhileScanningCreatesNothing_data()
{
    QTest::addColumn<bool>("move");
    QTest::newRow("copy") << false;
    QTest::newRow("move to another volume") << true;
}

void TransferRunTest::cancelWhileScanningCreatesNothing()
{
    QFETCH(bool, move);
    TestTree tree;
    Preferences preferences(tree.makeFolder(QStringLiteral("config")));
    const QString source = tree.makeFolder(QStringLiteral("tree"));
    for (int file = 0; file < 100; ++file)
        tree.makeFile(QStringLiteral("tree/%1/%2").arg(file % 5).arg(file), "x");
    const QString destination = tree.path(QStringLiteral("copy"));

    TransferRun run({TransferJob{source, destination, 0, false}},
                    move ? TransferKind::move : TransferKind::copy,
                    preferences);
    TransferProgress &progress = run.progress();
    QSignalSpy scanned(&progress, &TransferProgress::isScanningChanged);
    QSignalSpy finished(&run, &TransferRun::finished);
    progress.cancel(); // pressed as the scan begins
    run.start();
    const std::optional<FileError> end = waitForEnd(finished);
    QVERIFY2(end && isCancellation(*end), failureText(end).constData());
    QCOMPARE(scanned.size(), 0); // the scan stopped before its end
    QVERIFY(progress.isFinished());
    QVERIFY(!exists(destination));
    QVERIFY(exists(source + QStringLiteral("/4/99")));
}

BIVANE_TEST_MAIN(TransferRunTest)
#include "tst_transferrun.moc"
