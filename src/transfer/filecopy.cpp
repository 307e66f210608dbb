// Copying one item of any kind, folders recursively, relative to folder descriptors.
#include "platform/pathcodec.h"
#include "platform/posixpath.h"
#include "platform/statat.h"
#include "transfer/cancelflag.h"
#include "transfer/chunkcopier.h"
#include "transfer/copylog.h"
#include "transfer/directoryreader.h"
#include "transfer/entryref.h"
#include "transfer/fileoperations.h"
#include "transfer/metadata.h"
#include "transfer/sourceremoval.h"
#include "transfer/treeremoval.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr int kReadFlags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
constexpr std::chrono::milliseconds kLeaseRetry(10);

// What one copy shares along its walk.
struct CopyWalk
{
    CopyWalk(const CancelFlag &cancel, const ByteCallback &copied, CopyLog *moveLog = nullptr)
        : copier(cancel, copied)
        , log(moveLog)
    {}

    ChunkCopier copier;
    // What a move removes afterwards; none for a plain copy.
    CopyLog *log;
    // The first folder this copy made: the walk never copies it into itself.
    std::optional<EntryIdentity> destinationRoot;
};

FileError creationError(const EntryRef &to)
{
    return errno == EEXIST ? to.existsError() : to.error(errno);
}

std::optional<FileError> copyEntry(const EntryRef &from, const EntryRef &to, CopyWalk &walk);

// Opens the regular file `from` for reading. While another program holds a lease on it, the
// open waits for it to let go (the system breaks the lease after a while), asking the cancel
// flag in between: a cancel request or quitting does not wait for the other program. A cancel
// request gives -1 with errno ECANCELED.
int openForReading(const EntryRef &from, const CancelFlag &cancel)
{
    for (;;) {
        const int fd = ::openat(from.dirFd, from.name, kReadFlags);
        if (fd >= 0 || errno != EWOULDBLOCK)
            return fd;
        if (cancel.isRaised()) {
            errno = ECANCELED;
            return -1;
        }
        std::this_thread::sleep_for(kLeaseRetry);
    }
}

// Each of the following creates the destination exclusively and, when it fails afterwards,
// removes what it created before returning the error.

std::optional<FileError> copyRegular(const EntryRef &from, const EntryRef &to, CopyWalk &walk)
{
    const UniqueFd in(openForReading(from, walk.copier.cancelFlag()));
    struct stat st;
    if (!in.isValid() || ::fstat(in.get(), &st) != 0)
        return from.error(errno);
    if (!S_ISREG(st.st_mode)) // replaced since it was looked at
        return from.error(S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
    // Private until the copy is complete; the source's bits follow with the metadata.
    const int out = ::openat(to.dirFd, to.name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (out < 0)
        return creationError(to);
    std::optional<FileError> failure = walk.copier.copy(in.get(), out, st, from, to);
    if (!failure)
        copyMetadata(in.get(), out, st);
    if (::close(out) != 0 && errno != EINTR && !failure)
        failure = to.error(errno); // delayed write errors (network and full file systems)
    if (failure)
        ::unlinkat(to.dirFd, to.name, 0);
    else if (walk.log)
        walk.log->entry(from.name, st); // as it was before its data was read
    return failure;
}

std::optional<FileError> copyLink(const EntryRef &from, const EntryRef &to)
{
    QByteArray target(256, Qt::Uninitialized);
    for (;;) {
        const ssize_t n = ::readlinkat(from.dirFd, from.name, target.data(), size_t(target.size()));
        if (n < 0)
            return from.error(errno);
        if (n < target.size()) {
            target.truncate(n);
            break;
        }
        target.resize(target.size() * 2);
    }
    if (::symlinkat(target.constData(), to.dirFd, to.name) != 0)
        return creationError(to);
    return std::nullopt;
}

std::optional<FileError>
copyFolderContent(DirectoryReader &source, const EntryRef &from, const EntryRef &to, CopyWalk &walk)
{
    const UniqueFd destination(::openat(to.dirFd, to.name, kFolderFlags));
    struct stat destinationStat;
    if (!destination.isValid() || ::fstat(destination.get(), &destinationStat) != 0)
        return to.error(errno);
    if (!walk.destinationRoot)
        walk.destinationRoot = EntryIdentity::of(destinationStat);
    while (const dirent *entry = source.next()) {
        const EntryRef child = from.child(source.fd(), entry->d_name);
        if (auto failure = copyEntry(child, to.child(destination.get(), entry->d_name), walk))
            return failure;
    }
    if (source.error() != 0)
        return from.error(source.error());
    struct stat st;
    if (::fstat(source.fd(), &st) == 0)
        copyMetadata(source.fd(), destination.get(), st); // dates last, after the content
    return std::nullopt;
}

std::optional<FileError> copyFolder(const EntryRef &from, const EntryRef &to, CopyWalk &walk)
{
    // Opened before anything is made, so an unreadable folder leaves no trace.
    const int fd = ::openat(from.dirFd, from.name, kFolderFlags);
    struct stat st;
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        const int code = errno;
        if (fd >= 0)
            ::close(fd);
        return from.error(code);
    }
    DirectoryReader source(fd);
    if (source.error() != 0)
        return from.error(source.error());
    // The copy lies inside its own source: going on would copy the copy, without end.
    if (walk.destinationRoot && walk.destinationRoot->isSameFile(EntryIdentity::of(st)))
        return from.intoItselfError();
    // The owner may write into it while it fills; the source's bits follow at the end.
    if (::mkdirat(to.dirFd, to.name, 0700) != 0)
        return creationError(to);
    if (walk.log)
        walk.log->enterFolder(from.name, st);
    std::optional<FileError> failure = copyFolderContent(source, from, to, walk);
    if (failure)
        removeTree(to, WriteProtection::override);
    else if (walk.log)
        walk.log->leaveFolder();
    return failure;
}

// FIFOs, sockets and device nodes are made anew; reading them could block or act on a device.
std::optional<FileError> copyNode(const struct stat &st, const EntryRef &to)
{
    if (::mknodat(to.dirFd, to.name, st.st_mode & (S_IFMT | 07777), st.st_rdev) != 0)
        return creationError(to);
    copyNodeMetadata(to.dirFd, to.name, st);
    return std::nullopt;
}

std::optional<FileError> copyEntry(const EntryRef &from, const EntryRef &to, CopyWalk &walk)
{
    if (walk.copier.cancelFlag().isRaised())
        return from.cancellation();
    struct stat st;
    if (statAt(from.dirFd, from.name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return from.error(errno);
    if (S_ISDIR(st.st_mode))
        return copyFolder(from, to, walk);
    if (S_ISREG(st.st_mode))
        return copyRegular(from, to, walk);
    std::optional<FileError> failure = S_ISLNK(st.st_mode) ? copyLink(from, to) : copyNode(st, to);
    if (!failure && walk.log)
        walk.log->entry(from.name, st);
    return failure;
}

// Runs `copy` on the two paths made ready for *at() calls.
template<typename Copy>
std::optional<FileError> withPaths(const QString &source, const QString &destination, Copy copy)
{
    const QByteArray sourceBytes = PathCodec::encode(source);
    const QByteArray destinationBytes = PathCodec::encode(destination);
    const PosixPath sourceAt(sourceBytes);
    const PosixPath destinationAt(destinationBytes);
    const EntryRef from{sourceAt.dirFd(), sourceAt.relative(), sourceBytes};
    const EntryRef to{destinationAt.dirFd(), destinationAt.relative(), destinationBytes};
    if (sourceAt.error() != 0)
        return from.error(sourceAt.error());
    if (destinationAt.error() != 0)
        return to.error(destinationAt.error());
    return copy(from, to);
}

} // namespace

bool isCancellation(const FileError &error)
{
    return error.code == ECANCELED;
}

std::optional<FileError> copyItem(const QString &source,
                                  const QString &destination,
                                  const CancelFlag &cancel,
                                  const ByteCallback &copied)
{
    CopyWalk walk(cancel, copied);
    return withPaths(source, destination, [&](const EntryRef &from, const EntryRef &to) {
        return copyEntry(from, to, walk);
    });
}

std::optional<FileError> copyFile(const QString &source,
                                  const QString &destination,
                                  const CancelFlag &cancel,
                                  const ByteCallback &copied)
{
    CopyWalk walk(cancel, copied);
    return withPaths(source, destination, [&](const EntryRef &from, const EntryRef &to) {
        return copyRegular(from, to, walk);
    });
}

std::optional<FileError> moveItem(const QString &source,
                                  const QString &destination,
                                  const CancelFlag &cancel,
                                  const ByteCallback &copied,
                                  LeftBehind &leftBehind)
{
    CopyLog log;
    CopyWalk walk(cancel, copied, &log);
    return withPaths(source, destination, [&](const EntryRef &from, const EntryRef &to) {
        if (auto failure = copyEntry(from, to, walk))
            return failure;
        return removeCopiedSource(from, log, to, leftBehind);
    });
}
