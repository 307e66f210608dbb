#pragma once

#include "platform/fileerror.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Whole small files (the preference file) read and replaced on decoded paths, byte-exact.

// Reads the file at `path`, following a symbolic link, into `content`.
std::optional<FileError> readWholeFile(const QString &path, QByteArray &content);

// Replaces the content of the file at `path` so that at every moment, a crash included, it holds
// either the old or the new content: the new content goes into a temporary file in the same
// folder, is synced to disk and renamed over the old file. A symbolic link at `path` is
// followed and stays a link; the file keeps its permissions, a new one is the user's alone;
// missing folders above it are made. On failure the old file stays as it was, no temporary
// file is left, and the error names `path`.
std::optional<FileError> replaceFileContent(const QString &path, const QByteArray &content);
