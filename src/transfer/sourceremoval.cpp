#include "transfer/sourceremoval.h"

#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "platform/statat.h"
#include "platform/uniquefd.h"
#include "transfer/copylog.h"
#include "transfer/directoryreader.h"
#include "transfer/entryref.h"
#include "transfer/treeremoval.h"

#include <QSet>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

// Replays a copy's log on its source, removing what is unchanged.
class SourceRemoval
{
public:
    SourceRemoval(const EntryRef &top, LeftBehind &leftBehind)
        : m_top(top)
        , m_leftBehind(leftBehind)
    {}

    std::optional<FileError> run(const CopyLog &log);
    qint64 removed() const { return m_removed; }

private:
    // A source folder entered on the way down.
    struct Folder
    {
        UniqueFd fd;
        EntryRef ref;
        QSet<QByteArray> kept; // its entries that stay: changed ones, folders still holding some
    };

    std::optional<FileError> removeEntry(const EntryRef &at, const EntryIdentity &copied);
    // Enters the folder while it is the one that was copied; else its records are skipped.
    std::optional<FileError> enterFolder(const EntryRef &at, const EntryIdentity &copied);
    std::optional<FileError> leaveFolder();
    // Counts what stays in an emptied folder that the copy never saw.
    void countAdded(const Folder &folder);
    // The entry stays in the source and keeps its folder from going.
    void keep(const EntryRef &at);
    void count(const EntryRef &at);
    void leaveBehind(const EntryRef &at);

    const EntryRef &m_top;
    LeftBehind &m_leftBehind;
    std::vector<Folder> m_folders;
    int m_skipDepth = 0; // > 0 inside a folder that stays as a whole
    qint64 m_removed = 0;
};

std::optional<FileError> SourceRemoval::run(const CopyLog &log)
{
    for (const CopyLog::Record &record : log.records()) {
        if (m_skipDepth > 0) {
            if (record.kind == CopyLog::Kind::enterFolder)
                ++m_skipDepth;
            else if (record.kind == CopyLog::Kind::leaveFolder)
                --m_skipDepth;
            continue;
        }
        if (record.kind == CopyLog::Kind::leaveFolder) {
            if (auto failure = leaveFolder())
                return failure;
            continue;
        }
        const EntryRef at =
            m_folders.empty()
                ? m_top
                : m_folders.back().ref.child(m_folders.back().fd.get(), log.nameOf(record));
        const auto failure = record.kind == CopyLog::Kind::entry ? removeEntry(at, record.identity)
                                                                 : enterFolder(at, record.identity);
        if (failure)
            return failure;
    }
    return std::nullopt;
}

std::optional<FileError> SourceRemoval::removeEntry(const EntryRef &at, const EntryIdentity &copied)
{
    struct stat st;
    if (statAt(at.dirFd, at.name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? std::nullopt : std::optional(at.error(errno));
    if (S_ISDIR(st.st_mode) || EntryIdentity::of(st) != copied) {
        leaveBehind(at);
        return std::nullopt;
    }
    if (::unlinkat(at.dirFd, at.name, 0) != 0)
        return errno == ENOENT ? std::nullopt : std::optional(at.error(errno));
    ++m_removed;
    return std::nullopt;
}

std::optional<FileError> SourceRemoval::enterFolder(const EntryRef &at, const EntryIdentity &copied)
{
    m_skipDepth = 1; // until it turns out to be the folder that was copied
    UniqueFd fd(::openat(at.dirFd, at.name, kFolderFlags));
    struct stat st;
    if (!fd.isValid() || ::fstat(fd.get(), &st) != 0) {
        if (errno == ENOENT)
            return std::nullopt; // gone already: nothing to keep
        if (errno == ENOTDIR || errno == ELOOP) {
            leaveBehind(at); // something else took its place
            return std::nullopt;
        }
        return at.error(errno);
    }
    if (!EntryIdentity::of(st).isSameFile(copied)) {
        leaveBehind(at);
        return std::nullopt;
    }
    m_skipDepth = 0;
    m_folders.push_back({std::move(fd), at, {}});
    return std::nullopt;
}

std::optional<FileError> SourceRemoval::leaveFolder()
{
    Folder folder = std::move(m_folders.back());
    m_folders.pop_back();
    const EntryRef &at = folder.ref;
    if (::unlinkat(at.dirFd, at.name, AT_REMOVEDIR) == 0) {
        ++m_removed;
        return std::nullopt;
    }
    if (errno == ENOENT)
        return std::nullopt;
    if (errno != ENOTEMPTY && errno != EEXIST)
        return at.error(errno);
    countAdded(folder);
    keep(at); // what it holds is counted already
    return std::nullopt;
}

void SourceRemoval::countAdded(const Folder &folder)
{
    DirectoryReader reader(::dup(folder.fd.get()));
    while (const dirent *entry = reader.next()) {
        if (!folder.kept.contains(QByteArray(entry->d_name)))
            count(folder.ref.child(reader.fd(), entry->d_name));
    }
}

void SourceRemoval::keep(const EntryRef &at)
{
    if (!m_folders.empty())
        m_folders.back().kept.insert(at.path.mid(at.path.lastIndexOf('/') + 1));
}

void SourceRemoval::count(const EntryRef &at)
{
    if (m_leftBehind.count++ == 0)
        m_leftBehind.first = PathCodec::decode(at.path);
}

void SourceRemoval::leaveBehind(const EntryRef &at)
{
    keep(at);
    count(at);
}

} // namespace

std::optional<FileError> removeCopiedSource(const EntryRef &source,
                                            const CopyLog &log,
                                            const EntryRef &copy,
                                            LeftBehind &leftBehind)
{
    if (auto problem = checkRemovable(source.path)) {
        removeTree(copy, WriteProtection::override);
        return problem;
    }
    SourceRemoval removal(source, leftBehind);
    std::optional<FileError> failure = removal.run(log);
    if (failure && removal.removed() == 0)
        removeTree(copy, WriteProtection::override);
    return failure;
}

FileError LeftBehind::error() const
{
    const QString name = PathCodec::displayText(first);
    return FileError(ENOTEMPTY,
                     first,
                     count == 1 ? Bv::tr("„%1“ wurde während des Verschiebens geändert oder "
                                         "hinzugefügt und ist im Quellordner geblieben.")
                                      .arg(name)
                                : Bv::tr("%1 Objekte wurden während des Verschiebens geändert "
                                         "oder hinzugefügt und sind im Quellordner geblieben, "
                                         "darunter „%2“.")
                                      .arg(count)
                                      .arg(name));
}
