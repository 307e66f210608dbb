#include "platform/posixpath.h"

#include "platform/pathcodec.h"
#include "platform/statat.h"

#include <cerrno>
#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

static_assert(AT_FDCWD == -100);

PosixPath::PosixPath(const QByteArray &absolutePath)
    : m_relative(absolutePath)
{
    while (m_relative.size() >= PATH_MAX) {
        // Split at the last separator that leaves a prefix the kernel accepts in one piece.
        const qsizetype split = m_relative.lastIndexOf('/', PATH_MAX - 2);
        if (split < 0) {
            m_error = ENAMETOOLONG;
            return;
        }
        const QByteArray prefix = split == 0 ? QByteArrayLiteral("/") : m_relative.left(split);
        const int fd = ::openat(dirFd(), prefix.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            m_error = errno;
            return;
        }
        m_dir.reset(fd);
        m_relative = m_relative.mid(split + 1);
    }
}

UniqueFd openFolder(const QString &path)
{
    const PosixPath at(PathCodec::encode(path));
    if (at.error() != 0) {
        errno = at.error();
        return UniqueFd();
    }
    return UniqueFd(::openat(at.dirFd(), at.relative(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
}

bool entryExists(const QString &path)
{
    const PosixPath at(PathCodec::encode(path));
    struct stat st;
    return at.error() == 0 && statAt(at.dirFd(), at.relative(), &st, AT_SYMLINK_NOFOLLOW) == 0;
}

bool folderExists(const QString &path)
{
    const PosixPath at(PathCodec::encode(path));
    struct stat st;
    return at.error() == 0 && statAt(at.dirFd(), at.relative(), &st, 0) == 0 && S_ISDIR(st.st_mode);
}

qsizetype maximumNameBytes(const QString &folder)
{
    const PosixPath at(PathCodec::encode(folder));
    const UniqueFd fd(at.error() == 0
                          ? ::openat(at.dirFd(), at.relative(), O_PATH | O_DIRECTORY | O_CLOEXEC)
                          : -1);
    const long limit = fd.isValid() ? ::fpathconf(fd.get(), _PC_NAME_MAX) : -1;
    return limit > 0 ? qsizetype(limit) : NAME_MAX;
}
