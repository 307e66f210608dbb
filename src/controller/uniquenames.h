#pragma once

#include "platform/fileerror.h"

#include <QSet>
#include <QString>
#include <functional>
#include <optional>

// A free path for `baseName` in `folder`: "Name", "Name 2", "Name 3"… (before the suffix), none
// of them among `reservedNames`.
QString
uniqueUrl(const QString &baseName, const QString &folder, const QSet<QString> &reservedNames = {});

// A free path for a copy of `path` beside it: "Bericht Kopie.txt", "Bericht Kopie 2.txt"…
QString duplicateUrl(const QString &path);

// What makeAtFreePath made: the path, and the failure when it could not.
struct MadeItem
{
    QString path;
    std::optional<FileError> error;

    bool operator==(const MadeItem &) const = default;
};

// Makes an item exclusively at the path `freePath` names. When another command took that name
// between the look and the making (commands on one file system run side by side), the next
// free path is tried.
MadeItem makeAtFreePath(const std::function<QString()> &freePath,
                        const std::function<std::optional<FileError>(const QString &)> &make);
