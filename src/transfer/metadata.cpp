#include "transfer/metadata.h"

#include "platform/pathcodec.h"
#include "platform/posixpath.h"
#include "platform/statat.h"
#include "transfer/fileoperations.h"

#include <QByteArray>
#include <fcntl.h>
#include <sys/xattr.h>

namespace {

void copyExtendedAttributes(int source, int destination)
{
    ssize_t listSize = ::flistxattr(source, nullptr, 0);
    if (listSize <= 0)
        return;
    QByteArray names(listSize, Qt::Uninitialized);
    listSize = ::flistxattr(source, names.data(), size_t(names.size()));
    if (listSize <= 0)
        return; // changed in between; the attributes are a courtesy, not worth a retry
    QByteArray value;
    for (const char *name = names.constData(); name < names.constData() + listSize;
         name += qstrlen(name) + 1) {
        const ssize_t valueSize = ::fgetxattr(source, name, nullptr, 0);
        if (valueSize < 0)
            continue;
        value.resize(valueSize);
        const ssize_t got = ::fgetxattr(source, name, value.data(), size_t(value.size()));
        if (got >= 0)
            ::fsetxattr(destination, name, value.constData(), size_t(got), 0);
    }
}

// The source's permission bits for its copy. The set-user-id and set-group-id bits stay only
// when the copy has the source's owner and group: a set-user-id program copied by root would
// otherwise run as root for anyone.
mode_t copiedPermissions(const struct stat &source, const struct stat *copy)
{
    mode_t bits = source.st_mode & 07777;
    if (!copy || copy->st_uid != source.st_uid || copy->st_gid != source.st_gid)
        bits &= ~mode_t(S_ISUID | S_ISGID);
    return bits;
}

} // namespace

void copyMetadata(int source, int destination, const struct stat &sourceStat)
{
    // Attributes first: setting user.* ones needs write permission, which the bits may take.
    copyExtendedAttributes(source, destination);
    struct stat copy;
    const bool known = ::fstat(destination, &copy) == 0;
    ::fchmod(destination, copiedPermissions(sourceStat, known ? &copy : nullptr));
    const struct timespec times[2] = {sourceStat.st_atim, sourceStat.st_mtim};
    ::futimens(destination, times);
}

void copyNodeMetadata(int dirFd, const char *name, const struct stat &sourceStat)
{
    struct stat copy;
    const bool known = statAt(dirFd, name, &copy, AT_SYMLINK_NOFOLLOW) == 0;
    ::fchmodat(dirFd, name, copiedPermissions(sourceStat, known ? &copy : nullptr), 0);
    const struct timespec times[2] = {sourceStat.st_atim, sourceStat.st_mtim};
    ::utimensat(dirFd, name, times, AT_SYMLINK_NOFOLLOW);
}

void copyMetadata(const QString &source, const QString &destination)
{
    const PosixPath from(PathCodec::encode(source));
    const PosixPath to(PathCodec::encode(destination));
    struct stat st;
    if (from.error() != 0 || to.error() != 0 ||
        statAt(from.dirFd(), from.relative(), &st, AT_SYMLINK_NOFOLLOW) != 0 || S_ISLNK(st.st_mode))
        return;
    if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) {
        copyNodeMetadata(to.dirFd(), to.relative(), st); // opening a device could act on it
        return;
    }
    constexpr int kFlags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY;
    const UniqueFd in(::openat(from.dirFd(), from.relative(), kFlags));
    const UniqueFd out(::openat(to.dirFd(), to.relative(), kFlags));
    if (in.isValid() && out.isValid() && ::fstat(in.get(), &st) == 0)
        copyMetadata(in.get(), out.get(), st);
}
