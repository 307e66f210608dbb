#pragma once

#include "platform/fileerror.h"

#include <QString>
#include <optional>

// Single file-system changes on decoded paths, byte-exact, each failing with a FileError.

// Creates one folder; its parent must exist, and nothing may stand at `path`.
std::optional<FileError> makeFolder(const QString &path);

// Renames or moves within one file system, never replacing what stands at `to`: an existing
// destination fails with EEXIST and a message naming it.
std::optional<FileError> renameNoReplace(const QString &from, const QString &to);
