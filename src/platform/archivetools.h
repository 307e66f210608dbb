#pragma once

#include "fileerror.h"

#include <QString>
#include <QStringList>
#include <optional>

// The archive kinds the program knows, and packing and unpacking with the system's zip, unzip
// and tar. The tools run as child processes with exact argument bytes and no shell; the calls
// that run them block until the tool has ended, so they belong on a background thread.
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
// named exactly like the items. Fails when zip cannot start or exits with a status other than
// 0, when an item vanished or cannot be read, and when a folder below the items cannot be read
// (zip would leave its content out without saying so). A failure removes the archive.
std::optional<FileError>
createZip(const QStringList &names, const QString &folder, const QString &archive);

// Unpacks `archive` into the existing empty folder `destination` with "/usr/bin/unzip" (ZIP)
// or "/usr/bin/tar". Fails when the tool cannot start or exits with a status other than 0, and
// refuses archives that leave a symbolic link leading out of the folder; both remove the folder.
std::optional<FileError> extractArchive(const QString &archive, const QString &destination);

} // namespace ArchiveTools
