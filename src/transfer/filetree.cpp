// Sizing and removing whole items, and telling real locations and volumes apart.
#include "platform/pathcodec.h"
#include "platform/posixpath.h"
#include "platform/statat.h"
#include "transfer/directoryreader.h"
#include "transfer/entryref.h"
#include "transfer/fileoperations.h"
#include "transfer/treeremoval.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// Sum of the regular files below the open folder `fd`; what cannot be read adds nothing. Asks
// before every entry whether to stop; when told to, sets `stopped` and leaves the sum unfinished.
qint64 sizeBelow(int fd, const StopCheck &shouldStop, bool &stopped)
{
    qint64 total = 0;
    DirectoryReader reader(fd);
    while (const dirent *entry = reader.next()) {
        if (shouldStop()) {
            stopped = true;
            return total;
        }
        unsigned char type = entry->d_type;
        struct stat st;
        if (type == DT_REG || type == DT_UNKNOWN) {
            if (statAt(reader.fd(), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            if (S_ISREG(st.st_mode))
                total += st.st_size;
            type = S_ISDIR(st.st_mode) ? DT_DIR : DT_REG;
        }
        if (type == DT_DIR) {
            const int child = ::openat(reader.fd(), entry->d_name, kFolderFlags);
            if (child >= 0)
                total += sizeBelow(child, shouldStop, stopped);
            if (stopped)
                return total;
        }
    }
    return total;
}

} // namespace

std::optional<qint64> itemSize(const QString &path, const StopCheck &shouldStop)
{
    if (shouldStop())
        return std::nullopt;
    const PosixPath at(PathCodec::encode(path));
    struct stat st;
    if (at.error() != 0 || statAt(at.dirFd(), at.relative(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return 0;
    if (S_ISREG(st.st_mode))
        return st.st_size;
    if (!S_ISDIR(st.st_mode))
        return 0;
    const int fd = ::openat(at.dirFd(), at.relative(), kFolderFlags);
    if (fd < 0)
        return 0;
    bool stopped = false;
    const qint64 total = sizeBelow(fd, shouldStop, stopped);
    return stopped ? std::nullopt : std::optional<qint64>(total);
}

bool isInsideItself(const QString &item, const QString &folder)
{
    const PosixPath itemAt(PathCodec::encode(item));
    const PosixPath folderAt(PathCodec::encode(folder));
    struct stat itemStat;
    if (itemAt.error() != 0 || folderAt.error() != 0 ||
        statAt(itemAt.dirFd(), itemAt.relative(), &itemStat, AT_SYMLINK_NOFOLLOW) != 0 ||
        !S_ISDIR(itemStat.st_mode))
        return false;
    // From the real folder up through its real parents to the root, whose parent is itself.
    UniqueFd at(::openat(folderAt.dirFd(), folderAt.relative(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    struct stat st;
    while (at.isValid() && ::fstat(at.get(), &st) == 0) {
        if (st.st_dev == itemStat.st_dev && st.st_ino == itemStat.st_ino)
            return true;
        UniqueFd parent(::openat(at.get(), "..", O_PATH | O_DIRECTORY | O_CLOEXEC));
        struct stat parentStat;
        if (!parent.isValid() || ::fstat(parent.get(), &parentStat) != 0 ||
            (parentStat.st_dev == st.st_dev && parentStat.st_ino == st.st_ino))
            break;
        at = std::move(parent);
    }
    return false;
}

bool isSameVolume(const QString &item, const QString &folder)
{
    const PosixPath itemAt(PathCodec::encode(item));
    const PosixPath folderAt(PathCodec::encode(folder));
    constexpr unsigned kMask = STATX_MNT_ID;
    struct statx a;
    struct statx b;
    if (itemAt.error() != 0 || folderAt.error() != 0 ||
        statxAt(itemAt.dirFd(), itemAt.relative(), AT_SYMLINK_NOFOLLOW, kMask, &a) != 0 ||
        statxAt(folderAt.dirFd(), folderAt.relative(), 0, kMask, &b) != 0)
        return false;
    if (a.stx_dev_major != b.stx_dev_major || a.stx_dev_minor != b.stx_dev_minor)
        return false;
    // One file system can be mounted in several places (bind mounts); a rename cannot cross them.
    return !(a.stx_mask & b.stx_mask & STATX_MNT_ID) || a.stx_mnt_id == b.stx_mnt_id;
}

std::optional<FileError> removeItem(const QString &path, WriteProtection protection)
{
    const QByteArray bytes = PathCodec::encode(path);
    const PosixPath at(bytes);
    const EntryRef item{at.dirFd(), at.relative(), bytes};
    if (at.error() != 0)
        return item.error(at.error());
    return removeTree(item, protection);
}
