#pragma once

#include "platform/fileerror.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class ToolStopper;

// The archive kinds the program knows, and packing and unpacking with the system's zip, unzip
// and tar. The tools run as child processes with exact argument bytes and no shell, and take
// every name literally; the calls that run them block until the tool has ended, so they
// belong on a background thread, and a ToolStopper ends them early.
namespace ArchiveTools {

// Whether the path's lower-cased extension names an archive ("zip", "tar", "tgz", "gz", "bz2",
// "xz", "tbz", "tbz2", "txz", "7z", "rar").
bool isArchive(const QString &path);
// Whether extractArchive unpacks it: names ending in ".zip" or a tar suffix, in any case.
bool isBuiltInKind(const QString &path);
// The name of the folder an archive unpacks into: its name without the tar suffix or the
// extension ("Projekt.tar.gz" gives "Projekt", "Daten.TGZ" "Daten", "Bilder.zip" "Bilder").
QString archiveFolderName(const QString &archive);

// Creates an empty ZIP at `archive`, failing when anything stands there: the name is this
// run's from now on, and createZip fills it.
std::optional<FileError> reserveArchive(const QString &archive);

// Packs the items `names` of `folder` into the reserved `archive` with "/usr/bin/zip", members
// named exactly like the items and symbolic links stored as links. Fails when zip cannot start,
// exits with a status other than 0 or is stopped, when an item vanished or cannot be read, and
// when a folder below the items cannot be read (zip would leave its content out without saying
// so). A failure removes the archive and whatever zip had begun.
std::optional<FileError> createZip(const QStringList &names,
                                   const QString &folder,
                                   const QString &archive,
                                   ToolStopper &stopper);

// What an unpack found and left out: device files, FIFOs and sockets are not kept, and members
// stored with set-user-id or set-group-id bits are unpacked without them.
struct LeftOut
{
    int count = 0;
    QByteArray first; // its path inside the archive

    void add(const QByteArray &path)
    {
        if (count++ == 0)
            first = path;
    }

    bool operator==(const LeftOut &) const = default;
};

struct Unpacked
{
    std::optional<FileError> error;
    QString folder; // where the content went
    LeftOut leftOut;
};

// Unpacks `archive` with "/usr/bin/unzip" (ZIP) or "/usr/bin/tar" into a hidden staging folder
// beside it, as an ordinary user would (no owners, the umask applied). Only when the tool
// succeeded and nothing in the result leads out of it does the content move into place, at the
// free path `freeDestination` gives (asked again when the name was taken meanwhile). Fails when
// the tool cannot start, exits with a status other than 0 or is stopped, or a symbolic link
// leads out of the folder; nothing stays behind then.
Unpacked extractArchive(const QString &archive,
                        const std::function<QString()> &freeDestination,
                        ToolStopper &stopper);

} // namespace ArchiveTools
