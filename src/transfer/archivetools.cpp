#include "transfer/archivetools.h"

#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "platform/posixpath.h"
#include "platform/statat.h"
#include "platform/toolprocess.h"
#include "platform/uniquefd.h"
#include "transfer/directoryreader.h"
#include "transfer/fileoperations.h"
#include "transfer/setidmembers.h"
#include "transfer/stagingfolder.h"

#include <QList>
#include <array>
#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <linux/openat2.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

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

// Called for every entry but folders met in a walk: the folder holding it, its name, its path
// relative to where the walk began and its type (DT_LNK, DT_REG …).
using EntryVisitor = std::function<std::optional<FileError>(
    int dirFd, const char *name, const QByteArray &relativePath, unsigned char type)>;

// Walks the folder `name` in `dirFd` and everything below it without following links, and
// hands each entry that is no folder to `visit`. A folder that cannot be listed ends the walk
// with its error, and so does a stop.
std::optional<FileError> walkFolder(int dirFd,
                                    const char *name,
                                    const QByteArray &relativePath,
                                    const QByteArray &fullPath,
                                    const EntryVisitor &visit,
                                    const ToolStopper &stopper)
{
    if (stopper.isStopped())
        return FileError(ECANCELED, PathCodec::decode(fullPath));
    DirectoryReader reader(::openat(dirFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (reader.error() != 0)
        return FileError(reader.error(), PathCodec::decode(fullPath));
    while (const dirent *entry = reader.next()) {
        unsigned char type = entry->d_type;
        if (type == DT_UNKNOWN) {
            struct stat st;
            if (statAt(reader.fd(), entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
                continue; // gone meanwhile
            type = IFTODT(st.st_mode);
        }
        const QByteArray childPath =
            relativePath.isEmpty() ? QByteArray(entry->d_name) : relativePath + '/' + entry->d_name;
        std::optional<FileError> failure;
        if (type == DT_DIR)
            failure = walkFolder(reader.fd(),
                                 entry->d_name,
                                 childPath,
                                 fullPath + '/' + entry->d_name,
                                 visit,
                                 stopper);
        else if (visit)
            failure = visit(reader.fd(), entry->d_name, childPath, type);
        if (failure)
            return failure;
    }
    if (reader.error() != 0)
        return FileError(reader.error(), PathCodec::decode(fullPath));
    return std::nullopt;
}

// The first folder among or below the items that cannot be listed. Links are not followed.
std::optional<FileError>
unreadableFolder(const QStringList &names, const QString &folder, const ToolStopper &stopper)
{
    const QByteArray folderBytes = PathCodec::encode(folder);
    const UniqueFd folderFd = openFolder(folder);
    if (!folderFd.isValid())
        return FileError(errno, folder);
    for (const QString &name : names) {
        const QByteArray bytes = PathCodec::encode(name);
        struct stat st;
        if (statAt(folderFd.get(), bytes.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISDIR(st.st_mode))
            continue; // zip itself tells a missing item, and stores a link as a link
        if (auto failure = walkFolder(
                folderFd.get(), bytes.constData(), {}, folderBytes + '/' + bytes, {}, stopper))
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

// Makes the unpacked folder `rootFd` safe to hand over: device files, FIFOs and sockets go
// (noted in `leftOut`), and the first link that leads out of the folder fails the check.
// `shownFolder` is the folder's path as the user will know it.
std::optional<FileError>
checkUnpacked(int rootFd, const QString &shownFolder, LeftOut &leftOut, const ToolStopper &stopper)
{
    const QByteArray shownBytes = PathCodec::encode(shownFolder);
    const auto failure = [&](int code, const QByteArray &relativePath) {
        return FileError(code, PathCodec::decode(shownBytes + '/' + relativePath));
    };
    return walkFolder(
        rootFd,
        ".",
        {},
        shownBytes,
        [&](int dirFd, const char *name, const QByteArray &relativePath, unsigned char type)
            -> std::optional<FileError> {
            if (type == DT_REG)
                return std::nullopt;
            if (type == DT_LNK) {
                if (leadsOut(rootFd, dirFd, name, relativePath))
                    return failure(EXDEV, relativePath);
                return std::nullopt;
            }
            if (::unlinkat(dirFd, name, 0) != 0)
                return failure(errno, relativePath);
            leftOut.add(relativePath);
            return std::nullopt;
        },
        stopper);
}

// What an unpack holds open besides its folder: the archive for unzip, which would read "[",
// "*" and "?" in a name as a pattern, or the pipe on which tar lists what it extracts.
struct UnpackDescriptors
{
    UniqueFd archive;
    UniqueFd listing;
    UniqueFd listingWriteEnd; // tar's
};

// The tool that unpacks `archive` into its working folder `folderFd`, with the descriptors it
// needs opened in `fds`. The tools drop set-id bits themselves (tar with
// "--no-same-permissions", unzip without "-K").
std::optional<ToolCommand>
unpackCommand(const QString &archive, int folderFd, UnpackDescriptors &fds)
{
    const QByteArray bytes = PathCodec::encode(archive);
    if (!lowerName(archive).endsWith(kZipSuffix)) {
        int listing[2];
        if (::pipe2(listing, O_CLOEXEC) != 0)
            return std::nullopt;
        fds.listing.reset(listing[0]);
        fds.listingWriteEnd.reset(listing[1]);
        // "--force-local": a colon in the name names no other machine. The name is an option's
        // value and absolute, so nothing in it can become an option.
        ToolCommand tar{"/usr/bin/tar",
                        {"-x",
                         "--no-same-owner",
                         "--no-same-permissions",
                         "--no-wildcards",
                         "--force-local",
                         "--file=" + bytes},
                        folderFd};
        tar.arguments.append(SetIdMembers::tarListingOptions());
        tar.standardOutputFd = fds.listingWriteEnd.get();
        return tar;
    }
    const PosixPath at(bytes);
    // Without blocking on a FIFO; unzip then fails on it as on any file it cannot seek in.
    fds.archive.reset(
        at.error() == 0
            ? ::openat(at.dirFd(), at.relative(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)
            : -1);
    if (!fds.archive.isValid()) {
        errno = at.error() != 0 ? at.error() : errno;
        return std::nullopt;
    }
    ::fcntl(fds.archive.get(), F_SETFL, 0);
    return ToolCommand{"/usr/bin/unzip", {"-q", "/dev/fd/3"}, folderFd, fds.archive.get()};
}

Unpacked failedWith(const FileError &error)
{
    Unpacked result;
    result.error = error;
    return result;
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

std::optional<FileError> createZip(const QStringList &names,
                                   const QString &folder,
                                   const QString &archive,
                                   ToolStopper &stopper)
{
    // zip writes the new archive beside the old one and renames it; a private folder for it
    // keeps an interrupted run from leaving its temporary file behind.
    std::optional<FileError> failure;
    {
        const StagingFolder scratch(
            folder, PathNames::lastComponent(archive), QStringLiteral("pack"));
        failure = scratch.error();
        if (!failure) {
            // "-y" stores links as links, never what they lead to. "-MM": an item that vanished
            // or cannot be read fails the run instead of being left out. "-nw" takes every name
            // literally, and "./" keeps one starting with "-" from being read as an option; zip
            // stores the name without it.
            ToolCommand zip{"/usr/bin/zip",
                            {"-r",
                             "-q",
                             "-y",
                             "-MM",
                             "-nw",
                             "-b",
                             PathCodec::encode(scratch.path()),
                             PathCodec::encode(archive)}};
            for (const QString &name : names)
                zip.arguments.append("./" + PathCodec::encode(name));
            const UniqueFd folderFd = openFolder(folder);
            zip.workingFolderFd = folderFd.get();
            // The look for unreadable folders goes on while zip works, on the other core.
            failure = !folderFd.isValid() ? FileError(errno, folder)
                                          : runTool(zip, FileError(EIO, archive), stopper, [&] {
                                                return unreadableFolder(names, folder, stopper);
                                            });
        }
    }
    if (failure) {
        const PosixPath at(PathCodec::encode(archive));
        ::unlinkat(at.dirFd(), at.relative(), 0);
    }
    return failure;
}

Unpacked extractArchive(const QString &archive,
                        const std::function<QString()> &freeDestination,
                        ToolStopper &stopper)
{
    const QString folder = PathNames::parentFolder(archive);
    const QString folderName = archiveFolderName(archive);
    const StagingFolder stage(folder, folderName, QStringLiteral("unpack"));
    if (stage.error())
        return failedWith(*stage.error());
    // The tool works in a folder inside the staging folder: a member "./" may change that
    // folder's mode, never the one that keeps others out.
    constexpr const char *kContent = "content";
    if (::mkdirat(stage.fd(), kContent, 0777) != 0)
        return failedWith(FileError(errno, stage.path()));
    const UniqueFd content(
        ::openat(stage.fd(), kContent, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!content.isValid())
        return failedWith(FileError(errno, stage.path()));
    UnpackDescriptors fds;
    const std::optional<ToolCommand> command = unpackCommand(archive, content.get(), fds);
    if (!command)
        return failedWith(FileError(errno, archive));
    Unpacked result;
    // The members whose set-id bits the tool drops, found while it works.
    const auto noteSetIdMembers = [&]() -> std::optional<FileError> {
        if (fds.archive.isValid()) {
            SetIdMembers::noteFromZipDirectory(fds.archive.get(), result.leftOut);
        } else {
            // Only tar may hold the writing end now: the listing ends when tar ends or is
            // killed, never later.
            fds.listingWriteEnd.reset();
            SetIdMembers::noteFromTarListing(fds.listing.get(), result.leftOut);
        }
        return std::nullopt;
    };
    if (auto failure = runTool(*command, FileError(EBADMSG, archive), stopper, noteSetIdMembers))
        return failedWith(*failure);

    result.error = checkUnpacked(
        content.get(), PathNames::joined(folder, folderName), result.leftOut, stopper);
    if (result.error)
        return result;
    for (int attempt = 0;; ++attempt) {
        if (stopper.isStopped())
            return failedWith(FileError(ECANCELED, archive));
        const QString destination = freeDestination();
        const QByteArray name = PathCodec::encode(PathNames::lastComponent(destination));
        if (::renameat2(
                stage.fd(), kContent, stage.parentFd(), name.constData(), RENAME_NOREPLACE) == 0) {
            result.folder = destination;
            return result;
        }
        // Taken since the name was chosen: the next free one.
        if (errno != EEXIST || attempt == 100)
            return failedWith(FileError(errno, destination));
    }
}

} // namespace ArchiveTools
