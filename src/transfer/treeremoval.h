#pragma once

#include "transfer/fileoperations.h"

#include <QByteArray>

struct EntryRef;

// Removes the entry and everything below it without following links; stops at the first
// failure. Counts every entry that went into `removed`.
std::optional<FileError>
removeTree(const EntryRef &at, WriteProtection protection, qint64 *removed = nullptr);

// Whether the current user could remove the item at `path` with everything below it: write and
// search permission on every folder that loses an entry (the item's own folder included), read
// permission on the folders to list, and the sticky-bit rule. Read-only file systems fail here
// too. Changes nothing.
std::optional<FileError> checkRemovable(const QByteArray &path);
