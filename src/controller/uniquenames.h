#pragma once

#include <QSet>
#include <QString>

// A free path for `baseName` in `folder`: "Name", "Name 2", "Name 3"… (before the suffix), none
// of them among `reservedNames`.
QString
uniqueUrl(const QString &baseName, const QString &folder, const QSet<QString> &reservedNames = {});

// A free path for a copy of `path` beside it: "Bericht Kopie.txt", "Bericht Kopie 2.txt"…
QString duplicateUrl(const QString &path);
