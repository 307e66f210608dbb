// Reading entries from the file system: one item, or all children of a folder.
#include "model/fileattributes.h"
#include "model/fileitem.h"
#include "model/kindtexts.h"
#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "platform/posixpath.h"
#include "platform/statat.h"

#include <QSet>
#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

constexpr unsigned kStatMask = STATX_TYPE | STATX_MODE | STATX_UID | STATX_GID | STATX_SIZE |
                               STATX_MTIME | STATX_ATIME | STATX_BTIME;

Timestamp timestampOf(const statx_timestamp &time, bool available)
{
    return available ? Timestamp::fromSeconds(time.tv_sec, time.tv_nsec) : Timestamp{};
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

// The names a folder lists, all read before any entry is examined, so that the examining can be
// shared out.
struct ListedNames
{
    struct Entry // small: a folder may list a million names
    {
        quint32 offset;     // into `bytes`
        quint16 length;     // a name has at most 255 bytes
        unsigned char type; // as the listing reports it (DT_DIR ...)
    };
    QByteArray bytes; // each name followed by a zero byte
    std::vector<Entry> entries;

    const char *name(const Entry &entry) const { return bytes.constData() + entry.offset; }
};

// Reads the names of `dir`, without "." and "..", and without hidden names unless `showHidden`.
// Returns 0, or the error that ended the listing.
int readNames(DIR *dir, bool showHidden, const QSet<QByteArray> &hidden, ListedNames &names)
{
    for (;;) {
        errno = 0;
        const dirent *entry = ::readdir(dir);
        if (!entry)
            return errno;
        const char *rawName = entry->d_name;
        if (rawName[0] == '.' && (rawName[1] == 0 || (rawName[1] == '.' && rawName[2] == 0)))
            continue;
        const qsizetype length = qsizetype(qstrlen(rawName));
        if (!showHidden &&
            (rawName[0] == '.' ||
             (!hidden.isEmpty() && hidden.contains(QByteArray::fromRawData(rawName, length)))))
            continue;
        names.entries.push_back({quint32(names.bytes.size()), quint16(length), entry->d_type});
        names.bytes.append(rawName, length + 1);
    }
}

// Examining the entries (one statx each) is most of the time a large folder takes to list, and
// the calls wait on the file system, so a large folder is examined by a few threads at once.
unsigned examiningThreads(size_t entryCount)
{
    constexpr size_t kWorthMoreThreads = 2000;
    constexpr unsigned kMostThreads = 4;
    if (entryCount <= kWorthMoreThreads)
        return 1;
    return std::clamp(std::thread::hardware_concurrency(), 1u, kMostThreads);
}

} // namespace

void FileItem::examine(const struct statx &st, int dirFd, const char *relative)
{
    const mode_t mode = st.stx_mode;
    if (S_ISLNK(mode)) {
        struct statx target;
        isDirectory =
            statxAt(dirFd, relative, 0, STATX_TYPE, &target) == 0 && S_ISDIR(target.stx_mode);
    } else {
        isDirectory = S_ISDIR(mode);
    }
    size = (st.stx_mask & STATX_SIZE) && !S_ISDIR(mode) ? qint64(st.stx_size) : 0;
    modified = timestampOf(st.stx_mtime, st.stx_mask & STATX_MTIME);
    created = timestampOf(st.stx_btime, st.stx_mask & STATX_BTIME);
    lastOpened = timestampOf(st.stx_atime, st.stx_mask & STATX_ATIME);
    m_mode = mode;
    m_uid = st.stx_uid;
    m_gid = st.stx_gid;
    m_examined = true;
    // Looked up here, on the reading thread, so that drawing never reads a database.
    m_kind = KindTexts::indexOf(kindDescription(name, mode));
    ownerName(m_uid); // into the process's cache
}

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
    item.examine(st, path.dirFd(), path.relative());
    return item;
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
    const std::unique_ptr<DIR, int (*)(DIR *)> dir(::fdopendir(fd), ::closedir); // takes over fd
    if (!dir) {
        listing.error = FileError{errno, folderUrl};
        ::close(fd);
        return listing;
    }
    ListedNames names;
    if (const int error = readNames(
            dir.get(), showHidden, showHidden ? QSet<QByteArray>() : hiddenNames(fd), names)) {
        listing.error = FileError{error, folderUrl};
        return listing;
    }

    const QString standardized = PathNames::standardized(folderUrl);
    const SharedFolder folder(
        new Folder(standardized == QLatin1String("/") ? QString() : standardized));
    // One slot per listed name, filled by several threads at once for a large folder, each
    // examining one run of names; an entry that vanished leaves its slot without a name.
    const size_t count = names.entries.size();
    listing.items.resize(qsizetype(count));
    FileItem *const filled = listing.items.data();
    const auto examine = [&](size_t begin, size_t end) {
        for (size_t i = begin; i < end; ++i) {
            const ListedNames::Entry &entry = names.entries[i];
            const char *rawName = names.name(entry);
            struct statx st;
            const bool examined = statxAt(fd, rawName, AT_SYMLINK_NOFOLLOW, kStatMask, &st) == 0;
            if (!examined && errno == ENOENT)
                continue; // vanished since it was listed
            FileItem &item = filled[i];
            item.m_folder = folder;
            item.name = PathCodec::decode(rawName, entry.length);
            if (examined) {
                item.examine(st, fd, rawName);
            } else {
                // Listed but not examinable (a folder with read but no search permission): the
                // name, and whether the listing calls it a folder, are all there is to show.
                item.isDirectory = entry.type == DT_DIR;
            }
        }
    };
    const unsigned threadCount = examiningThreads(count);
    const auto runStart = [&](unsigned run) {
        return count * run / threadCount;
    };
    std::vector<std::thread> helpers;
    for (unsigned run = 1; run < threadCount; ++run)
        helpers.emplace_back([&, run] { examine(runStart(run), runStart(run + 1)); });
    examine(0, runStart(1));
    for (std::thread &helper : helpers)
        helper.join();
    listing.items.removeIf([](const FileItem &item) { return item.name.isEmpty(); });
    return listing;
}
