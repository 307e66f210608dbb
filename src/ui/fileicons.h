#pragma once

#include <QIcon>

struct FileItem;

// Icons for list rows, looked up once per kind of entry and kept: folders, and each lower-cased
// file name extension. Never looks at the file itself, so painting rows cannot touch the file
// system.
namespace FileIcons {

QIcon forItem(const FileItem &item);
QIcon folder();

} // namespace FileIcons
