#include "platform/filesystem.h"

#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "platform/posixpath.h"
#include "platform/statat.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

FileError existsError(const QString &path)
{
    return FileError(EEXIST,
                     path,
                     Bv::tr("„%1“ ist bereits vorhanden.")
                         .arg(PathCodec::displayText(PathNames::lastComponent(path))));
}

// A refused move names the side that refused it: the destination when the folder it was to go
// into takes no new entries from this user, else the item itself (also for a rename within
// one folder).
FileError renameError(int code, const QString &from, const QString &to)
{
    const QString targetFolder = PathNames::parentFolder(to);
    if ((code != EACCES && code != EPERM && code != EROFS) ||
        targetFolder == PathNames::parentFolder(from))
        return FileError(code, from);
    const PosixPath folder(PathCodec::encode(targetFolder));
    const bool targetRefuses =
        folder.error() == 0 &&
        ::faccessat(folder.dirFd(), folder.relative(), W_OK | X_OK, AT_EACCESS) != 0;
    return FileError(code, targetRefuses ? to : from);
}

} // namespace

std::optional<FileError> makeFolder(const QString &path)
{
    const PosixPath at(PathCodec::encode(path));
    if (at.error() != 0)
        return FileError(at.error(), path);
    if (::mkdirat(at.dirFd(), at.relative(), 0777) != 0)
        return errno == EEXIST ? existsError(path) : FileError(errno, path);
    return std::nullopt;
}

std::optional<FileError> renameNoReplace(const QString &from, const QString &to)
{
    const PosixPath source(PathCodec::encode(from));
    const PosixPath target(PathCodec::encode(to));
    if (source.error() != 0)
        return FileError(source.error(), from);
    if (target.error() != 0)
        return FileError(target.error(), to);
    if (::renameat2(source.dirFd(),
                    source.relative(),
                    target.dirFd(),
                    target.relative(),
                    RENAME_NOREPLACE) == 0)
        return std::nullopt;
    if (errno == EEXIST)
        return existsError(to);
    if (errno != EINVAL)
        return renameError(errno, from, to);

    // File systems without the no-replace flag (NFS, some FUSE mounts): look first, then
    // rename. Only a change between the look and the rename could still be replaced.
    struct stat st;
    if (statAt(target.dirFd(), target.relative(), &st, AT_SYMLINK_NOFOLLOW) == 0)
        return existsError(to);
    if (::renameat(source.dirFd(), source.relative(), target.dirFd(), target.relative()) != 0)
        return renameError(errno, from, to);
    return std::nullopt;
}
