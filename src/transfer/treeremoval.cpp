#include "transfer/treeremoval.h"

#include "platform/posixpath.h"
#include "platform/statat.h"
#include "transfer/directoryreader.h"
#include "transfer/entryref.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

std::optional<FileError>
removeFolder(const EntryRef &at, mode_t mode, WriteProtection protection, qint64 *removed);

// An entry met while reading its folder: `type` comes from readdir and spares a stat for
// everything that is not a folder.
std::optional<FileError>
removeChild(const EntryRef &at, unsigned char type, WriteProtection protection, qint64 *removed)
{
    if (type != DT_DIR && type != DT_UNKNOWN) {
        if (::unlinkat(at.dirFd, at.name, 0) == 0) {
            if (removed)
                ++*removed;
            return std::nullopt;
        }
        if (errno != EISDIR) // else it became a folder since it was listed
            return at.error(errno);
    }
    return removeTree(at, protection, removed);
}

std::optional<FileError>
removeFolder(const EntryRef &at, mode_t mode, WriteProtection protection, qint64 *removed)
{
    if (protection == WriteProtection::override && (mode & S_IRWXU) != S_IRWXU)
        ::fchmodat(at.dirFd, at.name, (mode & 07777) | S_IRWXU, AT_SYMLINK_NOFOLLOW);
    const int fd = ::openat(at.dirFd, at.name, kFolderFlags);
    if (fd < 0)
        return at.error(errno);
    {
        DirectoryReader reader(fd);
        while (const dirent *entry = reader.next()) {
            const EntryRef child = at.child(reader.fd(), entry->d_name);
            if (auto failure = removeChild(child, entry->d_type, protection, removed))
                return failure;
        }
        if (reader.error() != 0)
            return at.error(reader.error());
    }
    if (::unlinkat(at.dirFd, at.name, AT_REMOVEDIR) != 0)
        return at.error(errno);
    if (removed)
        ++*removed;
    return std::nullopt;
}

// The sticky bit on a folder lets only the owners of the folder or of the entry remove it.
bool stickyForbids(const struct stat &folder, const struct stat &entry)
{
    const uid_t user = ::geteuid();
    return (folder.st_mode & S_ISVTX) && user != 0 && user != folder.st_uid && user != entry.st_uid;
}

// Checks the open folder `fd` (described by `st`) and everything below it. Listing needs read
// and search permission, and a folder that has entries to lose needs write permission.
std::optional<FileError> checkBelow(const EntryRef &at, int fd, const struct stat &st)
{
    if (::faccessat(fd, ".", R_OK | X_OK, AT_EACCESS) != 0) {
        ::close(fd);
        return at.error(errno);
    }
    DirectoryReader reader(fd);
    bool isEmpty = true;
    while (const dirent *entry = reader.next()) {
        if (std::exchange(isEmpty, false) && ::faccessat(fd, ".", W_OK, AT_EACCESS) != 0)
            return at.error(errno);
        const EntryRef child = at.child(reader.fd(), entry->d_name);
        struct stat childStat;
        const bool needsStat =
            entry->d_type == DT_DIR || entry->d_type == DT_UNKNOWN || (st.st_mode & S_ISVTX);
        if (!needsStat)
            continue;
        if (statAt(child.dirFd, child.name, &childStat, AT_SYMLINK_NOFOLLOW) != 0)
            return child.error(errno);
        if (stickyForbids(st, childStat))
            return child.error(EPERM);
        if (!S_ISDIR(childStat.st_mode))
            continue;
        const int childFd = ::openat(child.dirFd, child.name, kFolderFlags);
        if (childFd < 0)
            return child.error(errno);
        if (auto problem = checkBelow(child, childFd, childStat))
            return problem;
    }
    if (reader.error() != 0)
        return at.error(reader.error());
    return std::nullopt;
}

} // namespace

std::optional<FileError> removeTree(const EntryRef &at, WriteProtection protection, qint64 *removed)
{
    struct stat st;
    if (statAt(at.dirFd, at.name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return at.error(errno);
    if (S_ISDIR(st.st_mode))
        return removeFolder(at, st.st_mode, protection, removed);
    if (::unlinkat(at.dirFd, at.name, 0) != 0)
        return at.error(errno);
    if (removed)
        ++*removed;
    return std::nullopt;
}

std::optional<FileError> checkRemovable(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    const QByteArray parentPath = slash <= 0 ? QByteArrayLiteral("/") : path.left(slash);
    const PosixPath parentAt(parentPath);
    const EntryRef parentRef{parentAt.dirFd(), parentAt.relative(), parentPath};
    if (parentAt.error() != 0)
        return parentRef.error(parentAt.error());
    const UniqueFd parent(
        ::openat(parentAt.dirFd(), parentAt.relative(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    struct stat parentStat;
    if (!parent.isValid() || ::fstat(parent.get(), &parentStat) != 0)
        return parentRef.error(errno);
    if (::faccessat(parent.get(), ".", W_OK | X_OK, AT_EACCESS) != 0)
        return parentRef.error(errno);

    const QByteArray name = path.mid(slash + 1);
    const EntryRef item{parent.get(), name.constData(), path};
    struct stat st;
    if (statAt(parent.get(), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return item.error(errno);
    if (stickyForbids(parentStat, st))
        return item.error(EPERM);
    if (!S_ISDIR(st.st_mode))
        return std::nullopt;
    const int fd = ::openat(parent.get(), name.constData(), kFolderFlags);
    if (fd < 0)
        return item.error(errno);
    return checkBelow(item, fd, st);
}
