#pragma once

#include "transfer/archivetools.h"

// Finds the archive members whose set-user-id or set-group-id bits the unpacking tools drop
// without a word, so the user can be told. The device files, FIFOs and sockets tar makes are
// left to the check of the unpacked folder, which removes and counts them itself.
namespace SetIdMembers {

// The options that make "tar -x" list each member as it extracts it, in the form
// noteFromTarListing reads: numeric owners (no spaces) and names as C strings.
QList<QByteArray> tarListingOptions();

// Reads tar's listing from `fd` until its end and adds to `found` every member whose mode
// carries set-id bits. Reads steadily, so tar never waits on a full pipe.
void noteFromTarListing(int fd, ArchiveTools::LeftOut &found);

// Reads the central directory of the ZIP archive open at `fd` (without moving its offset) and
// adds to `found` every member stored with Unix set-id bits. Adds nothing when the archive is
// malformed, too large to check, or a ZIP64 archive.
void noteFromZipDirectory(int fd, ArchiveTools::LeftOut &found);

} // namespace SetIdMembers
