#include "archivetools.h"

#include "directoryreader.h"
#include "fileoperations.h"
#include "pathcodec.h"
#include "pathnames.h"
#include "posixpath.h"
#include "uniquefd.h"

#include <QList>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <linux/openat2.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace ArchiveTools {
namespace {

const QStringList kArchiveExtensions = {QStringLiteral("zip"),
                                        QStringLiteral("tar"),
                                        QStringLiteral("tgz"),
                                        QStringLiteral("gz"),
                                        QStringLiteral("bz2"),
                                        QStringLiteral("xz"),
                                        QStringLiteral("tbz"),
                                        QStringLiteral("tbz2"),
                                        QStringLiteral("txz"),
                                        QStringLiteral("7z"),
                                        QStringLiteral("rar")};

// Tested in this order; the first one a name ends with is cut off for its folder.
const QStringList kTarSuffixes = {QStringLiteral(".tar"),
                                  QStringLiteral(".tar.gz"),
                                  QStringLiteral(".tgz"),
                                  QStringLiteral(".tar.bz2"),
                                  QStringLiteral(".tbz"),
                                  QStringLiteral(".tbz2"),
                                  QStringLiteral(".tar.xz"),
                                  QStringLiteral(".txz")};

const QString kZipSuffix = QStringLiteral(".zip");

// An empty ZIP: only the end-of-central-directory record. zip adds to it as to any archive.
constexpr std::array<char, 22> kEmptyZip = {'P', 'K', 5, 6};

QString lowerName(const QString &path)
{
    return PathNames::lastComponent(path).toLower();
}

// The extension of a name; a leading dot starts a name, not an extension.
QString extensionOf(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot <= 0 ? QString() : name.mid(dot + 1);
}

// One run of a tool: no shell, exact bytes.
struct Command
{
    QByteArray executable;
    QString workingFolder; // empty: this process's
    QList<QByteArray> arguments;
};

// Runs `command` with its input and output on /dev/null and waits for it to end. Nothing but
// the standard descriptors reaches the tool. The error when it cannot start or exits with a
// status other than 0 (`failure`), else the error of `meanwhile`, which runs beside the tool.
std::optional<FileError> run(const Command &command,
                             const FileError &failure,
                             const std::function<std::optional<FileError>()> &meanwhile = {})
{
    std::vector<QByteArray> words{command.executable};
    words.insert(words.end(), command.arguments.cbegin(), command.arguments.cend());
    std::vector<char *> argv;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    UniqueFd folder;
    if (!command.workingFolder.isEmpty()) {
        const PosixPath at(PathCodec::encode(command.workingFolder));
        folder.reset(at.error() == 0
                         ? ::openat(at.dirFd(), at.relative(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)
                         : -1);
        if (!folder.isValid())
            return FileError(at.error() != 0 ? at.error() : errno, command.workingFolder);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    if (folder.isValid())
        posix_spawn_file_actions_addfchdir_np(&actions, folder.get());
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    pid_t pid = 0;
    const int started = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0)
        return FileError(started, PathCodec::decode(command.executable));

    const std::optional<FileError> besides = meanwhile ? meanwhile() : std::nullopt;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return FileError(errno, PathCodec::decode(command.executable));
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return failure;
    return besides;
}

// Called for every symbolic link met: the folder holding it, its name, and its path relative
// to where the walk began.
using LinkVisitor = std::function<std::optional<FileError>(
    int dirFd, const char *name, const QByteArray &relativePath)>;

// Walks the folder `name` in `dirFd` and everything below it without following links, and
// hands each link to `onLink`. A folder that cannot be listed ends the walk with its error.
std::optional<FileError> walkFolder(int dirFd,
                                    const char *name,
                                    const QByteArray &relativePath,
                                    const QByteArray &fullPath,
                                    const LinkVisitor &onLink)
{
    DirectoryReader reader(::openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (reader.error() != 0)
        return FileError(reader.error(), PathCodec::decode(fullPath));
    while (const dirent *entry = reader.next()) {
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            struct stat st;
            if (::fstatat(reader.fd(), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // gone meanwhile
            type = S_ISDIR(st.st_mode) ? DT_DIR : S_ISLNK(st.st_mode) ? DT_LNK : DT_REG;
        }
        const QByteArray childPath =
            relativePath.isEmpty() ? QByteArray(entry->d_name) : relativePath + '/' + entry->d_name;
        std::optional<FileError> failure;
        if (type == DT_DIR)
            failure = walkFolder(
                reader.fd(), entry->d_name, childPath, fullPath + '/' + entry->d_name, onLink);
        else if (type == DT_LNK && onLink)
            failure = onLink(reader.fd(), entry->d_name, childPath);
        if (failure)
            return failure;
    }
    if (reader.error() != 0)
        return FileError(reader.error(), PathCodec::decode(fullPath));
    return std::nullopt;
}

// The first folder among or below the items that cannot be listed. Links are not followed.
std::optional<FileError> unreadableFolder(const QStringList &names, const QString &folder)
{
    const QByteArray folderBytes = PathCodec::encode(folder);
    const PosixPath at(folderBytes);
    const UniqueFd folderFd(
        at.error() == 0 ? ::openat(at.dirFd(), at.relative(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)
                        : -1);
    if (!folderFd.isValid())
        return FileError(at.error() != 0 ? at.error() : errno, folder);
    for (const QString &name : names) {
        const QByteArray bytes = PathCodec::encode(name);
        struct stat st;
        if (::fstatat(folderFd.get(), bytes.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISDIR(st.st_mode))
            continue; // zip itself tells a missing item
        if (auto failure =
                walkFolder(folderFd.get(), bytes.constData(), {}, folderBytes + '/' + bytes, {}))
            return failure;
    }
    return std::nullopt;
}

// Whether the link target `target`, read from a link at `linkPath` (relative to the unpacked
// folder), leads out of that folder by its spelling: absolute, or more ".." than depth.
bool climbsOut(const QByteArray &linkPath, const QByteArray &target)
{
    if (target.startsWith('/'))
        return true;
    qsizetype depth = linkPath.count('/');
    for (const QByteArray &part : target.split('/')) {
        if (part == "..")
            --depth;
        else if (!part.isEmpty() && part != ".")
            ++depth;
        if (depth < 0)
            return true;
    }
    return false;
}

// Whether the link leads out of the folder `rootFd` as the kernel resolves it, links on the
// way included. Links whose target does not exist are judged by their spelling alone.
bool leadsOut(int rootFd, int dirFd, const char *name, const QByteArray &linkPath)
{
    char target[PATH_MAX];
    const ssize_t length = ::readlinkat(dirFd, name, target, sizeof target);
    if (length < 0 || climbsOut(linkPath, QByteArray(target, length)))
        return true;
    open_how how{};
    how.flags = O_PATH | O_CLOEXEC;
    how.resolve = RESOLVE_BENEATH | RESOLVE_NO_MAGICLINKS;
    const int fd = int(::syscall(SYS_openat2, rootFd, linkPath.constData(), &how, sizeof how));
    if (fd >= 0)
        ::close(fd);
    return fd < 0 && errno == EXDEV;
}

// The first link in the unpacked folder that leads out of it.
std::optional<FileError> linkLeadingOut(const QString &destination)
{
    const QByteArray bytes = PathCodec::encode(destination);
    const PosixPath at(bytes);
    const UniqueFd root(
        at.error() == 0 ? ::openat(at.dirFd(), at.relative(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)
                        : -1);
    if (!root.isValid())
        return FileError(at.error() != 0 ? at.error() : errno, destination);
    return walkFolder(
        root.get(),
        ".",
        {},
        bytes,
        [&](int dirFd, const char *name, const QByteArray &linkPath) -> std::optional<FileError> {
            if (!leadsOut(root.get(), dirFd, name, linkPath))
                return std::nullopt;
            return FileError(EXDEV, PathCodec::decode(bytes + '/' + linkPath));
        });
}

} // namespace

bool isArchive(const QString &path)
{
    return kArchiveExtensions.contains(extensionOf(lowerName(path)));
}

bool isBuiltInKind(const QString &path)
{
    const QString name = lowerName(path);
    return name.endsWith(kZipSuffix) ||
           std::any_of(kTarSuffixes.cbegin(), kTarSuffixes.cend(), [&](const QString &suffix) {
               return name.endsWith(suffix);
           });
}

QString archiveFolderName(const QString &archive)
{
    const QString name = PathNames::lastComponent(archive);
    const QString lower = name.toLower();
    QString folder;
    const auto tarSuffix =
        std::find_if(kTarSuffixes.cbegin(), kTarSuffixes.cend(), [&](const QString &suffix) {
            return lower.endsWith(suffix);
        });
    if (tarSuffix != kTarSuffixes.cend())
        folder = name.chopped(tarSuffix->size());
    else if (const QString extension = extensionOf(name); !extension.isEmpty())
        folder = name.chopped(extension.size() + 1);
    // ".tar.gz" leaves nothing: the archive's own name, which the unique name then numbers.
    return folder.isEmpty() ? name : folder;
}

std::optional<FileError> reserveArchive(const QString &archive)
{
    const PosixPath at(PathCodec::encode(archive));
    if (at.error() != 0)
        return FileError(at.error(), archive);
    const UniqueFd fd(
        ::openat(at.dirFd(), at.relative(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!fd.isValid())
        return FileError(errno, archive);
    if (::write(fd.get(), kEmptyZip.data(), kEmptyZip.size()) != qsizetype(kEmptyZip.size())) {
        const int error = errno;
        ::unlinkat(at.dirFd(), at.relative(), 0);
        return FileError(error, archive);
    }
    return std::nullopt;
}

std::optional<FileError>
createZip(const QStringList &names, const QString &folder, const QString &archive)
{
    // "-MM": an item that vanished or cannot be read fails the run instead of being left out.
    Command zip{"/usr/bin/zip", folder, {"-r", "-q", "-MM", PathCodec::encode(archive)}};
    // "./" keeps a name starting with "-" from being read as an option; zip stores the name
    // without it.
    for (const QString &name : names)
        zip.arguments.append("./" + PathCodec::encode(name));
    // The look for unreadable folders goes on while zip works, on the other core.
    const std::optional<FileError> failure =
        run(zip, FileError(EIO, archive), [&] { return unreadableFolder(names, folder); });
    if (failure) {
        const PosixPath at(PathCodec::encode(archive));
        ::unlinkat(at.dirFd(), at.relative(), 0);
    }
    return failure;
}

std::optional<FileError> extractArchive(const QString &archive, const QString &destination)
{
    const QByteArray archiveBytes = PathCodec::encode(archive);
    const QByteArray destinationBytes = PathCodec::encode(destination);
    const Command command =
        lowerName(archive).endsWith(kZipSuffix)
            ? Command{"/usr/bin/unzip", {}, {"-q", archiveBytes, "-d", destinationBytes}}
            : Command{"/usr/bin/tar", {}, {"-xf", archiveBytes, "-C", destinationBytes}};
    std::optional<FileError> failure = run(command, FileError(EBADMSG, archive));
    if (!failure)
        failure = linkLeadingOut(destination);
    if (failure)
        removeItem(destination, WriteProtection::override);
    return failure;
}

} // namespace ArchiveTools
