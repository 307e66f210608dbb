#include "platform/filereplace.h"

#include "platform/pathcodec.h"
#include "platform/statat.h"
#include "platform/uniquefd.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

constexpr int kMostLinksFollowed = 40; // as the kernel's own limit for a path

QByteArray parentOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

// The path that a chain of symbolic links at `path` ends at (itself when it is none); a link
// may point to where nothing is yet.
QByteArray followLinks(QByteArray path)
{
    for (int hop = 0; hop < kMostLinksFollowed; ++hop) {
        struct stat status;
        if (statAt(AT_FDCWD, path.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISLNK(status.st_mode))
            return path;
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t length = ::readlink(path.constData(), target.data(), target.size());
        if (length < 0 || length >= target.size())
            return path;
        target.truncate(length);
        path = target.startsWith('/') ? target : parentOf(path) + '/' + target;
    }
    return path;
}

// Makes `folder` and the folders above it that are missing, each for the user alone.
int makeFolders(const QByteArray &folder)
{
    struct stat status;
    if (statAt(AT_FDCWD, folder.constData(), &status, 0) == 0)
        return S_ISDIR(status.st_mode) ? 0 : ENOTDIR;
    if (errno != ENOENT)
        return errno;
    if (const int error = makeFolders(parentOf(folder)); error != 0)
        return error;
    return ::mkdir(folder.constData(), 0700) == 0 || errno == EEXIST ? 0 : errno;
}

int writeAll(int fd, const QByteArray &content)
{
    qsizetype written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.constData() + written, content.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        written += n;
    }
    return 0;
}

// Writes `content` into a new temporary file in `folder` and renames it to `name` there; errno
// of the first step that failed, 0 on success.
int replaceIn(int folder, const QByteArray &name, const QByteArray &content)
{
    struct stat old;
    const mode_t mode = statAt(folder, name.constData(), &old, 0) == 0 ? old.st_mode & 07777 : 0600;
    QByteArray temporary;
    UniqueFd fd;
    for (int attempt = 0; !fd.isValid(); ++attempt) {
        temporary = '.' + name + ".new-" + QByteArray::number(::getpid()) + '-' +
                    QByteArray::number(attempt);
        fd.reset(::openat(folder,
                          temporary.constData(),
                          O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW,
                          0600));
        if (!fd.isValid() && (errno != EEXIST || attempt > 100))
            return errno;
    }
    int error = 0;
    if (::fchmod(fd.get(), mode) != 0)
        error = errno;
    if (error == 0)
        error = writeAll(fd.get(), content);
    if (error == 0 && ::fsync(fd.get()) != 0)
        error = errno;
    fd.reset();
    if (error == 0 && ::renameat(folder, temporary.constData(), folder, name.constData()) != 0)
        error = errno;
    if (error != 0) {
        ::unlinkat(folder, temporary.constData(), 0);
        return error;
    }
    // The rename itself reaches the disk with the folder; a folder that cannot be synced still
    // holds the new file.
    ::fsync(folder);
    return 0;
}

} // namespace

std::optional<FileError> readWholeFile(const QString &path, QByteArray &content)
{
    content.clear();
    const UniqueFd fd(::open(PathCodec::encode(path).constData(), O_RDONLY | O_CLOEXEC));
    if (!fd.isValid())
        return FileError(errno, path);
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return FileError(errno, path);
        if (n == 0)
            return std::nullopt;
        content.append(buffer, n);
    }
}

std::optional<FileError> replaceFileContent(const QString &path, const QByteArray &content)
{
    const QByteArray target = followLinks(PathCodec::encode(path));
    const QByteArray folderPath = parentOf(target);
    if (const int error = makeFolders(folderPath); error != 0)
        return FileError(error, path);
    const UniqueFd folder(::open(folderPath.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.isValid())
        return FileError(errno, path);
    if (const int error = replaceIn(folder.get(), nameOf(target), content); error != 0)
        return FileError(error, path);
    return std::nullopt;
}
