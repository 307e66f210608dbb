#include "controller/accesshint.h"

#include "model/fileattributes.h"
#include "platform/localization.h"
#include "platform/pathcodec.h"
#include "platform/pathnames.h"
#include "platform/posixpath.h"
#include "platform/statat.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kLookFlags = AT_SYMLINK_NOFOLLOW;

struct Entry
{
    QString path;
    struct stat st;
};

std::optional<Entry> examine(const QString &path)
{
    const PosixPath at(PathCodec::encode(path));
    struct stat st;
    if (at.error() != 0 || statAt(at.dirFd(), at.relative(), &st, kLookFlags) != 0)
        return std::nullopt;
    return Entry{path, st};
}

// The entry at `path` or, when it cannot be examined (it does not exist, or a folder on the
// way is closed), the nearest folder above it that can.
std::optional<Entry> nearestExamined(const QString &path)
{
    if (!path.startsWith(QLatin1Char('/')))
        return std::nullopt;
    for (QString at = PathNames::standardized(path);; at = PathNames::parentFolder(at)) {
        if (std::optional<Entry> entry = examine(at))
            return entry;
        if (at == QLatin1String("/"))
            return std::nullopt;
    }
}

bool isInGroup(gid_t gid)
{
    if (gid == ::getegid())
        return true;
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(size_t(std::max(count, 0)));
    if (count <= 0 || ::getgroups(count, groups.data()) < 0)
        return false;
    return std::find(groups.cbegin(), groups.cend(), gid) != groups.cend();
}

// The read, write and search bits (4, 2, 1) that apply to this process: the owner's, the
// group's or everyone else's.
int applicableBits(const struct stat &st)
{
    if (st.st_uid == ::geteuid())
        return (st.st_mode >> 6) & 7;
    if (isInGroup(st.st_gid))
        return (st.st_mode >> 3) & 7;
    return st.st_mode & 7;
}

enum class Lacking { nothing, open, list, read, writeInto, change };

// The entry whose bits stand in the way of the failed access to `failedPath`, and the right
// they withhold. A path that does not exist was to be made in the folder above it.
std::pair<Entry, Lacking> obstacle(const Entry &found, const QString &failedPath)
{
    const auto lacks = [](const Entry &entry, int bit) {
        return !(applicableBits(entry.st) & bit);
    };
    const bool isFolder = S_ISDIR(found.st.st_mode);
    if (found.path != PathNames::standardized(failedPath)) {
        if (lacks(found, 1))
            return {found, Lacking::open};
        return {found, lacks(found, 2) ? Lacking::writeInto : Lacking::nothing};
    }
    if (isFolder && lacks(found, 1))
        return {found, Lacking::open};
    if (lacks(found, 4))
        return {found, isFolder ? Lacking::list : Lacking::read};
    // Renaming, removing or making an entry needs the folder that holds it.
    if (found.path != QLatin1String("/")) {
        if (const std::optional<Entry> folder = examine(PathNames::parentFolder(found.path))) {
            if (lacks(*folder, 1))
                return {*folder, Lacking::open};
            if (lacks(*folder, 2))
                return {*folder, Lacking::writeInto};
        }
    }
    if (lacks(found, 2))
        return {found, isFolder ? Lacking::writeInto : Lacking::change};
    return {found, Lacking::nothing};
}

QString ownershipText(const Entry &entry, Lacking lacking)
{
    const QString name = PathCodec::displayText(PathNames::lastComponent(entry.path));
    const QString owner = ownerName(entry.st.st_uid);
    const QString mode = permissionString(entry.st.st_mode);
    switch (lacking) {
    case Lacking::open:
        return Bv::tr("„%1“ gehört %2 (%3); du darfst ihn nicht öffnen.").arg(name, owner, mode);
    case Lacking::list:
        return Bv::tr("„%1“ gehört %2 (%3); du darfst seinen Inhalt nicht lesen.")
            .arg(name, owner, mode);
    case Lacking::read:
        return Bv::tr("„%1“ gehört %2 (%3); du darfst sie nicht lesen.").arg(name, owner, mode);
    case Lacking::writeInto:
        return Bv::tr("„%1“ gehört %2 (%3); du darfst darin nicht schreiben.")
            .arg(name, owner, mode);
    case Lacking::change:
        return Bv::tr("„%1“ gehört %2 (%3); du darfst sie nicht ändern.").arg(name, owner, mode);
    case Lacking::nothing:
        break;
    }
    return Bv::tr("„%1“ gehört %2 (%3).").arg(name, owner, mode);
}

// Who can change the bits of `entry`.
QString remedyText(const Entry &entry)
{
    if (entry.st.st_uid == ::geteuid())
        return Bv::tr("Als Eigentümer kannst du die Rechte ändern.");
    if (entry.st.st_uid == 0)
        return Bv::tr("Nur ein Administrator kann dir diese Rechte geben.");
    return Bv::tr("Nur %1 oder ein Administrator kann dir diese Rechte geben.")
        .arg(ownerName(entry.st.st_uid));
}

QString permissionHint(const QString &failedPath)
{
    const std::optional<Entry> found = nearestExamined(failedPath);
    if (!found)
        return {};
    const auto [entry, lacking] = obstacle(*found, failedPath);
    return ownershipText(entry, lacking) + QLatin1Char(' ') + remedyText(entry);
}

bool isOnReadOnlyMount(const QString &path)
{
    const PosixPath at(PathCodec::encode(path));
    // O_PATH reaches the entry itself (a link too) without opening it or mounting anything.
    const UniqueFd fd(::openat(at.dirFd(), at.relative(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    struct statvfs fs;
    return at.error() == 0 && fd.isValid() && ::fstatvfs(fd.get(), &fs) == 0 &&
           (fs.f_flag & ST_RDONLY);
}

// The mount an entry lies on: the mount id where the kernel tells it (bind mounts share a
// device), else the device.
std::optional<std::pair<quint64, dev_t>> mountOf(const QString &path)
{
    const PosixPath at(PathCodec::encode(path));
    struct statx sx;
    if (at.error() != 0 || statxAt(at.dirFd(), at.relative(), kLookFlags, STATX_MNT_ID, &sx) != 0)
        return std::nullopt;
    const quint64 id = (sx.stx_mask & STATX_MNT_ID) ? sx.stx_mnt_id : 0;
    return std::pair{id, makedev(sx.stx_dev_major, sx.stx_dev_minor)};
}

// The folder the file system holding `path` is mounted on.
QString mountPoint(const QString &path)
{
    const auto mount = mountOf(path);
    QString top = path;
    while (mount && top != QLatin1String("/")) {
        const QString parent = PathNames::parentFolder(top);
        if (mountOf(parent) != mount)
            break;
        top = parent;
    }
    return top;
}

// A refused access, or an operation the file system does not offer (the trash on a mount
// where none can be made), can come of a read-only mount too.
QString readOnlyHint(const FileError &error)
{
    if (error.code != EROFS && error.code != EACCES && error.code != EPERM &&
        error.code != EOPNOTSUPP)
        return {};
    const std::optional<Entry> found = nearestExamined(error.path);
    if (!found || (error.code != EROFS && !isOnReadOnlyMount(found->path)))
        return {};
    return Bv::tr("Das Dateisystem unter „%1“ ist schreibgeschützt eingehängt; dort lässt sich "
                  "nichts ändern.")
        .arg(PathCodec::displayText(PathNames::homeAbbreviated(mountPoint(found->path))));
}

} // namespace

QString accessHint(const FileError &error)
{
    const FileError *denial = error.accessDenial();
    if (!denial)
        return readOnlyHint(error);
    QStringList hints{permissionHint(denial->path), readOnlyHint(*denial)};
    hints.removeAll(QString());
    return hints.join(QStringLiteral("\n\n"));
}
