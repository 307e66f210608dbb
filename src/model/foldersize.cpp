#include "foldersize.h"

#include "directoryreader.h"
#include "pathcodec.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QPromise>
#include <QtConcurrent>
#include <fcntl.h>
#include <sys/stat.h>
#include <unordered_set>
#include <vector>

namespace {

// The worker hands its running total over at most this often, so the main thread stays idle.
constexpr qint64 kReportIntervalMs = 100;

struct FileId
{
    dev_t device;
    ino_t inode;
    bool operator==(const FileId &) const = default;
};

struct FileIdHash
{
    size_t operator()(const FileId &id) const
    {
        return std::hash<ino_t>()(id.inode) ^ (std::hash<dev_t>()(id.device) << 1);
    }
};

} // namespace

std::optional<FolderSize> measureFolder(const QString &path,
                                        const std::function<bool(const FolderSize &)> &keepGoing)
{
    // The start folder itself may be reached through a link: it is what was asked for.
    const QByteArray start = PathCodec::encode(path);
    const int startFd = ::open(start.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    struct stat startStat;
    if (startFd < 0 || ::fstat(startFd, &startStat) != 0) {
        if (startFd >= 0)
            ::close(startFd);
        return std::nullopt;
    }

    FolderSize total;
    std::unordered_set<FileId, FileIdHash> linkedFiles;
    // Folders still to read, as byte paths: one descriptor open at a time, however deep the tree.
    std::vector<QByteArray> pending;
    int fd = startFd;
    QByteArray folder = start;
    for (;;) {
        DirectoryReader reader(fd);
        while (const dirent *entry = reader.next()) {
            if (!keepGoing(total))
                return total;
            if (entry->d_type == DT_LNK)
                continue;
            struct stat st;
            if (::fstatat(reader.fd(), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 ||
                st.st_dev != startStat.st_dev)
                continue;
            if (S_ISDIR(st.st_mode)) {
                pending.push_back(folder + '/' + entry->d_name);
            } else if (S_ISREG(st.st_mode)) {
                if (st.st_nlink > 1 && !linkedFiles.insert({st.st_dev, st.st_ino}).second)
                    continue;
                total.allocated += qint64(st.st_blocks) * 512;
                total.logical += st.st_size;
                ++total.files;
            }
        }
        // A subfolder that cannot be opened is skipped; one on another device is not entered.
        fd = -1;
        while (fd < 0 && !pending.empty()) {
            folder = std::move(pending.back());
            pending.pop_back();
            fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        }
        if (fd < 0)
            return total;
    }
}

FolderSizeWalk::FolderSizeWalk(const QString &path, QObject *parent)
    : QObject(parent)
{
    m_future = QtConcurrent::run([path](QPromise<std::optional<FolderSize>> &promise) {
        QElapsedTimer sinceReport;
        sinceReport.start();
        const std::optional<FolderSize> total =
            measureFolder(path, [&promise, &sinceReport](const FolderSize &running) {
                if (promise.isCanceled())
                    return false;
                if (sinceReport.elapsed() >= kReportIntervalMs) {
                    promise.addResult(running);
                    sinceReport.restart();
                }
                return true;
            });
        if (!promise.isCanceled())
            promise.addResult(total);
    });
    // The watcher lives on this thread, so every result crosses over as a queued signal.
    auto *watcher = new QFutureWatcher<std::optional<FolderSize>>(this);
    connect(watcher, &QFutureWatcherBase::resultReadyAt, this, [this, watcher](int index) {
        const std::optional<FolderSize> running = watcher->resultAt(index);
        if (running && !m_future.isCanceled())
            emit totalChanged(*running);
    });
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        if (!m_future.isCanceled())
            emit finished(watcher->resultAt(watcher->future().resultCount() - 1));
    });
    watcher->setFuture(m_future);
}

FolderSizeWalk::~FolderSizeWalk()
{
    cancel();
}

void FolderSizeWalk::cancel()
{
    m_future.cancel();
}
