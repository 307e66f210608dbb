#include "model/foldersize.h"

#include "platform/posixpath.h"
#include "platform/statat.h"
#include "transfer/directoryreader.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QPromise>
#include <QtConcurrent>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unordered_set>
#include <vector>

namespace {

// The worker hands its running total over at most this often, so the main thread stays idle.
constexpr qint64 kReportIntervalMs = 100;
// Folders kept open along the path being walked; those further up are reached again through
// "..", so a tree of any depth needs no more descriptors than this.
constexpr size_t kOpenLevels = 32;
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

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

// One folder on the path from the start down to the folder being read.
struct Level
{
    UniqueFd fd; // invalid while the folder is far above the current one
    FileId id;
    std::vector<QByteArray> subfolders; // names still to enter
};

class TreeWalk
{
public:
    TreeWalk(dev_t device, const std::function<bool(const FolderSize &)> &keepGoing)
        : m_device(device)
        , m_keepGoing(keepGoing)
    {}

    // Walks the tree below the open folder `fd`; false when told to stop.
    bool walk(UniqueFd fd, const FileId &id)
    {
        if (!enter(std::move(fd), id))
            return false;
        while (!m_levels.empty()) {
            Level &top = m_levels.back();
            if (top.subfolders.empty()) {
                leave();
                continue;
            }
            const QByteArray name = std::move(top.subfolders.back());
            top.subfolders.pop_back();
            UniqueFd child(::openat(top.fd.get(), name.constData(), kFolderFlags));
            struct stat st;
            if (!child.isValid() || ::fstat(child.get(), &st) != 0) {
                if (errno != ENOENT) // one that vanished meanwhile was not left out
                    ++m_total.unreadableFolders;
                continue;
            }
            if (st.st_dev == m_device && !enter(std::move(child), {st.st_dev, st.st_ino}))
                return false;
        }
        return true;
    }

    const FolderSize &total() const { return m_total; }

private:
    // Counts the files of the folder and notes its subfolders; false when told to stop.
    bool enter(UniqueFd fd, const FileId &id)
    {
        DirectoryReader reader(::dup(fd.get()));
        m_levels.push_back({std::move(fd), id, {}});
        if (m_levels.size() > kOpenLevels)
            m_levels[m_levels.size() - 1 - kOpenLevels].fd.reset();
        Level &level = m_levels.back();
        bool complete = true;
        while (const dirent *entry = reader.next()) {
            if (!m_keepGoing(m_total))
                return false;
            if (entry->d_type == DT_LNK)
                continue;
            // Examined before it is entered: opening a folder of another file system could
            // mount it, and is not wanted anyway.
            struct stat st;
            if (statAt(reader.fd(), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0) {
                complete = complete && errno == ENOENT;
                continue;
            }
            if (st.st_dev != m_device)
                continue;
            if (S_ISDIR(st.st_mode))
                level.subfolders.emplace_back(entry->d_name);
            else if (S_ISREG(st.st_mode))
                count(st);
        }
        if (reader.error() != 0 || !complete)
            ++m_total.unreadableFolders;
        return true;
    }

    void count(const struct stat &st)
    {
        if (st.st_nlink > 1 && !m_linkedFiles.insert({st.st_dev, st.st_ino}).second)
            return;
        m_total.allocated += qint64(st.st_blocks) * 512;
        m_total.logical += st.st_size;
        ++m_total.files;
    }

    // Back to the parent folder, opened again through ".." when it was closed; a parent that is
    // no longer the folder it was (moved away meanwhile) is given up with what it still held.
    void leave()
    {
        UniqueFd left = std::move(m_levels.back().fd);
        m_levels.pop_back();
        if (m_levels.empty() || m_levels.back().fd.isValid())
            return;
        Level &parent = m_levels.back();
        UniqueFd fd(::openat(left.get(), "..", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        struct stat st;
        if (fd.isValid() && ::fstat(fd.get(), &st) == 0 &&
            FileId{st.st_dev, st.st_ino} == parent.id) {
            parent.fd = std::move(fd);
            return;
        }
        if (!parent.subfolders.empty())
            ++m_total.unreadableFolders;
        parent.subfolders.clear();
    }

    const dev_t m_device;
    const std::function<bool(const FolderSize &)> &m_keepGoing;
    FolderSize m_total;
    std::unordered_set<FileId, FileIdHash> m_linkedFiles;
    std::vector<Level> m_levels;
};

} // namespace

std::optional<FolderSize> measureFolder(const QString &path,
                                        const std::function<bool(const FolderSize &)> &keepGoing)
{
    // The start folder itself may be reached through a link: it is what was asked for.
    UniqueFd start = openFolder(path);
    struct stat st;
    if (!start.isValid() || ::fstat(start.get(), &st) != 0)
        return std::nullopt;
    TreeWalk walk(st.st_dev, keepGoing);
    walk.walk(std::move(start), {st.st_dev, st.st_ino});
    return walk.total();
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
