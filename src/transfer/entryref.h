#pragma once

#include "platform/fileerror.h"

#include <QByteArray>

// One entry addressed for *at() calls: the descriptor of a folder and the entry's name in it
// (several components for the first entry of a walk), with its full path for messages.
struct EntryRef
{
    int dirFd;
    const char *name;
    QByteArray path; // exact bytes

    // The entry `childName` inside this folder, opened as `folderFd`.
    EntryRef child(int folderFd, const char *childName) const;

    FileError error(int code) const;
    // The destination is taken: names the item in the user's language.
    FileError existsError() const;
    FileError cancellation() const;
    // The copy would land inside this very folder.
    FileError intoItselfError() const;
};
