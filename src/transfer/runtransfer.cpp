#include "transfer/runtransfer.h"

#include "platform/filesystem.h"
#include "transfer/cancelflag.h"
#include "transfer/fileoperations.h"
#include "transfer/progressreporter.h"
#include "transfer/transferprogress.h"

#include <cerrno>

namespace {

// Runs `change` on the progress's own (main) thread.
template<typename Change>
void post(TransferProgress &progress, Change change)
{
    QMetaObject::invokeMethod(
        &progress, [&progress, change] { change(progress); }, Qt::QueuedConnection);
}

QString lastComponent(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

std::optional<FileError> transferOne(const TransferJob &job,
                                     TransferKind kind,
                                     const CancelFlag &cancel,
                                     const ByteCallback &copied,
                                     LeftBehind &leftBehind)
{
    // Instant moves do not look at the cancel flag: a rename is over at once.
    if (job.isInstantMove)
        return renameNoReplace(job.source, job.destination);
    if (kind == TransferKind::move)
        return moveItem(job.source, job.destination, cancel, copied, leftBehind);
    return copyItem(job.source, job.destination, cancel, copied);
}

} // namespace

std::optional<FileError> runTransfer(QList<TransferJob> &jobs,
                                     TransferKind kind,
                                     TransferProgress &progress,
                                     const CancelFlag &cancel,
                                     ProgressReporter &reporter)
{
    // A large tree takes long to size: a cancel request ends the run already here, before
    // anything is made.
    const StopCheck cancelled = [&cancel] {
        return cancel.isRaised();
    };
    qint64 total = 0;
    for (TransferJob &job : jobs) {
        if (job.isInstantMove)
            continue;
        const std::optional<qint64> size = itemSize(job.source, cancelled);
        if (!size)
            return FileError(ECANCELED, job.source);
        job.size = *size;
        total += job.size;
    }
    post(progress, [total](TransferProgress &p) {
        p.setTotalBytes(total);
        p.setIsScanning(false);
    });

    const ByteCallback copied = [&reporter](qint64 bytes) {
        reporter.add(bytes);
    };
    LeftBehind leftBehind;
    for (qsizetype i = 0; i < jobs.size(); ++i) {
        const TransferJob &job = jobs.at(i);
        post(progress,
             [name = lastComponent(job.source)](TransferProgress &p) { p.setCurrentName(name); });
        if (auto failure = transferOne(job, kind, cancel, copied, leftBehind))
            return failure;
        post(progress, [done = i + 1](TransferProgress &p) { p.setItemsDone(done); });
    }
    if (leftBehind.count > 0)
        return leftBehind.error();
    return std::nullopt;
}
