#pragma once

#include <QString>

// Fills the empty folder `folder` with `count` entries shaped like a crowded real folder: regular
// files of several types and sizes, about 5% folders, 2% symbolic links (to files, to folders and
// some dangling) and 3% dot files, with German, Turkish, French and CJK names and digit runs.
// Returns false with errno set when an entry could not be made.
bool fillFolder(const QString &folder, int count);
