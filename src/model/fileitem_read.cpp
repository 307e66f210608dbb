// Reading entries from the file system: one item, or all children of a folder.
#include "model/fileattributes.h"
#include "model/fileitem.h"
#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "platform/posixpath.h"
#include "platform/statat.h"

#include <QDir>
#include <QSet>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

constexpr unsigned kStatMask = STATX_TYPE | STATX_MODE | STATX_UID | STATX_GID | STATX_SIZE |
                               STATX_MTIME | STATX_ATIME | STATX_BTIME;

Timestamp timestampOf(const statx_timestamp &time, bool available)
{
    return available ? Timestamp::fromSeconds(time.tv_sec, time.tv_nsec) : Timestamp{};
}

// Builds the item for an entry whose attributes `st` were read without following a final link.
// `dirFd`/`relative` locate the entry again for the one extra look a symbolic link needs.
FileItem makeItem(FileItem item, const struct statx &st, int dirFd, const char *relative)
{
    const mode_t mode = st.stx_mode;
    if (S_ISLNK(mode)) {
        struct statx target;
        item.isDirectory =
            statxAt(dirFd, relative, 0, STATX_TYPE, &target) == 0 && S_ISDIR(target.stx_mode);
    } else {
        item.isDirectory = S_ISDIR(mode);
    }
    item.size = (st.stx_mask & STATX_SIZE) && !S_ISDIR(mode) ? qint64(st.stx_size) : 0;
    item.modified = timestampOf(st.stx_mtime, st.stx_mask & STATX_MTIME);
    item.created = timestampOf(st.stx_btime, st.stx_mask & STATX_BTIME);
    item.lastOpened = timestampOf(st.stx_atime, st.stx_mask & STATX_ATIME);
    item.setExamined(mode, st.stx_uid, st.stx_gid);
    return item;
}

// An entry that was listed but cannot be examined (a folder with read but no search
// permission): the name, and whether the listing calls it a folder, are all there is to show.
FileItem unexaminedItem(FileItem item, const dirent &entry)
{
    item.isDirectory = entry.d_type == DT_DIR;
    return item;
}

// Names listed in the folder's ".hidden" file, one per line (the freedesktop convention).
QSet<QByteArray> hiddenNames(int folderFd)
{
    QSet<QByteArray> names;
    UniqueFd file(::openat(folderFd, ".hidden", O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    if (!file.isValid())
        return names;
    struct stat st;
    if (::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return names;
    constexpr qsizetype kLimit = 1 << 20; // a list of names, not a place for large data
    QByteArray content(qMin<qsizetype>(st.st_size, kLimit), Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < content.size()) {
        const ssize_t n = ::read(file.get(), content.data() + filled, content.size() - filled);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        filled += n;
    }
    content.truncate(filled);
    for (const QByteArray &line : content.split('\n')) {
        if (!line.isEmpty())
            names.insert(line);
    }
    return names;
}

} // namespace

std::optional<FileItem> FileItem::read(const QString &url)
{
    const PosixPath path(PathCodec::encode(url));
    if (path.error() != 0)
        return std::nullopt;
    struct statx st;
    if (statxAt(path.dirFd(), path.relative(), AT_SYMLINK_NOFOLLOW, kStatMask, &st) != 0)
        return std::nullopt;
    FileItem item;
    item.setUrl(url);
    return makeItem(std::move(item), st, path.dirFd(), path.relative());
}

FolderListing FileItem::listFolder(const QString &folderUrl, bool showHidden)
{
    FolderListing listing;
    const PosixPath path(PathCodec::encode(folderUrl));
    if (path.error() != 0) {
        listing.error = FileError{path.error(), folderUrl};
        return listing;
    }
    const int fd = ::openat(path.dirFd(), path.relative(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        listing.error = FileError{errno, folderUrl};
        return listing;
    }
    DIR *dir = ::fdopendir(fd); // takes over fd
    if (!dir) {
        listing.error = FileError{errno, folderUrl};
        ::close(fd);
        return listing;
    }
    const QSet<QByteArray> hidden = showHidden ? QSet<QByteArray>() : hiddenNames(fd);

    const QString folder = PathNames::standardized(folderUrl);
    for (;;) {
        errno = 0;
        const dirent *entry = ::readdir(dir);
        if (!entry) {
            if (errno != 0) {
                listing.items.clear();
                listing.error = FileError{errno, folderUrl};
            }
            break;
        }
        const char *rawName = entry->d_name;
        if (rawName[0] == '.' && (rawName[1] == 0 || (rawName[1] == '.' && rawName[2] == 0)))
            continue;
        if (!showHidden &&
            (rawName[0] == '.' || (!hidden.isEmpty() && hidden.contains(QByteArray(rawName)))))
            continue;
        struct statx st;
        const bool examined = statxAt(fd, rawName, AT_SYMLINK_NOFOLLOW, kStatMask, &st) == 0;
        if (!examined && errno == ENOENT)
            continue; // vanished since it was listed
        FileItem item;
        item.name = PathCodec::decode(rawName, qstrlen(rawName));
        item.m_url = PathNames::joined(folder, item.name);
        listing.items.append(examined ? makeItem(std::move(item), st, fd, rawName)
                                      : unexaminedItem(std::move(item), *entry));
    }
    ::closedir(dir);
    return listing;
}
