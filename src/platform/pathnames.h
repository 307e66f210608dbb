#pragma once

#include <QString>
#include <functional>

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
// The standardised path as the user reads it: the home folder and what lies below it start
// with "~" ("~", "~/Bilder"); other paths stay as they are.
QString homeAbbreviated(const QString &path);

// The name that `compose` makes of `stem`, the stem shortened at its end, one character at a
// time, until the name's bytes fit `maxBytes`; what `compose` adds stays whole. When even the
// empty stem gives too long a name, the name itself is shortened.
QString fittedName(const QString &stem,
                   const std::function<QString(const QString &stem)> &compose,
                   qsizetype maxBytes);

} // namespace PathNames
