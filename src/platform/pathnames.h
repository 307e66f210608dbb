#pragma once

#include <QString>

// Lexical work on decoded absolute paths: nothing here looks at the file system, and symbolic
// links are never resolved, so one folder written two ways ("a/./b", "a/b/") compares equal.
namespace PathNames {

// "." and ".." segments resolved, separators doubled or trailing removed.
QString standardized(const QString &path);
// The last component of the standardised path; "/" for the root.
QString lastComponent(const QString &path);
// The folder holding the item; the root is its own parent.
QString parentFolder(const QString &path);
// `name` inside `folder`.
QString joined(const QString &folder, const QString &name);

} // namespace PathNames
