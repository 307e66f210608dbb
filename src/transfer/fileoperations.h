#pragma once

#include "platform/fileerror.h"

#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

class CancelFlag;

// The file operations of the copy engine, on absolute decoded paths. Trees are walked relative
// to directory descriptors with the exact bytes of every name, and symbolic links are never
// followed below the paths given. Safe to call from any thread. Instant moves are
// renameNoReplace() (filesystem.h).

// Receives the size of every chunk as soon as it is written; may be empty.
using ByteCallback = std::function<void(qint64 bytes)>;

// Whether a removal may add the owner's permissions to folders so that it can empty them.
// Only for trees this program made itself: the copy it abandons.
enum class WriteProtection { respect, override };

// A failure that is the user's cancel request (code ECANCELED); it is never reported.
bool isCancellation(const FileError &error);

// The message that refuses to put the item at `path` into itself or a folder below it.
QString intoItselfMessage(const QString &path);

// What moves across file systems left in their sources because another program changed or
// added it while they ran.
struct LeftBehind
{
    QString first; // the path of the first such item
    qint64 count = 0;

    // The message that ends a run that left something behind: names the first and the count.
    FileError error() const;
    bool operator==(const LeftBehind &) const = default;
};

// Copies the item at `source` of any kind to `destination`, folders recursively: files with
// their data, dates, permission bits and extended attributes; symbolic links with their exact
// target text; folders with their content, then their own metadata; FIFOs, sockets and device
// nodes as new nodes of the same kind. The cancel flag is checked before each entry, before the
// first chunk of a file and after every chunk. Nothing is ever replaced: an existing
// destination fails with EEXIST and stays untouched. On failure whatever this call created is
// removed again; the error names the path that failed.
std::optional<FileError> copyItem(const QString &source,
                                  const QString &destination,
                                  const CancelFlag &cancel,
                                  const ByteCallback &copied);

// Moves the item at `source` to `destination` on another file system: copyItem, then the
// source is removed entry by entry, each only while it is the very file that was copied and
// unchanged (device, inode, size and modification time), folders with rmdir once empty.
// What changed or appeared meanwhile stays in the source and is added to `leftBehind`. When the
// source cannot be removed at all, the copy goes again and the failure is returned.
std::optional<FileError> moveItem(const QString &source,
                                  const QString &destination,
                                  const CancelFlag &cancel,
                                  const ByteCallback &copied,
                                  LeftBehind &leftBehind);

// copyItem for one regular file.
std::optional<FileError> copyFile(const QString &source,
                                  const QString &destination,
                                  const CancelFlag &cancel,
                                  const ByteCallback &copied);

// Gives `destination` the extended attributes, permission bits and access and modification
// dates of `source`, as far as the system lets it. Never fails; links carry nothing.
void copyMetadata(const QString &source, const QString &destination);

// Asked by a long walk before each entry whether to stop there (the cancel request, usually).
// Called on the walking thread.
using StopCheck = std::function<bool()>;

// Logical bytes of the item: a regular file's size, or the sum over all regular files below a
// folder (hidden ones included; links are not followed). What cannot be read counts as 0.
// `shouldStop` is asked before the item and before every entry below it; when it says so, the
// scan ends there and gives nothing.
std::optional<qint64> itemSize(const QString &path, const StopCheck &shouldStop);

// Whether putting `item` into `folder` would put it into itself: `folder` is the item or lies
// below it. Judged on real locations: links on the way to `folder` are followed and folders
// compared by device and inode, so no spelling of the path hides it. A final link at `item` is
// not followed (it is copied as a link).
bool isInsideItself(const QString &item, const QString &folder);

// Whether `item` (a final link not followed) lies on the same mounted file system as `folder`,
// so that a rename can move it there. Any failure gives false.
bool isSameVolume(const QString &item, const QString &folder);

// Removes the item and, for a folder, everything below it, without following links.
// Stops at the first failure.
std::optional<FileError> removeItem(const QString &path, WriteProtection protection);
