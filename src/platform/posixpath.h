#pragma once

#include "platform/uniquefd.h"

#include <QByteArray>

// An absolute path in the form the *at() system calls take: a directory descriptor and a path
// relative to it. Short paths use the working-directory handle directly; paths longer than the
// kernel's PATH_MAX are opened one stretch at a time, so deep folders stay reachable.
class PosixPath
{
public:
    explicit PosixPath(const QByteArray &absolutePath);

    int dirFd() const { return m_dir.isValid() ? m_dir.get() : kCurrentDirectory; }
    const char *relative() const { return m_relative.constData(); }
    // errno of a failed walk through a long path, 0 when the path is usable.
    int error() const { return m_error; }

private:
    static constexpr int kCurrentDirectory = -100; // AT_FDCWD, without pulling fcntl.h in here

    UniqueFd m_dir;
    QByteArray m_relative;
    int m_error = 0;
};

class QString;

// The folder at `path` (links followed) opened for reading; invalid, with errno set, when it
// cannot be opened.
UniqueFd openFolder(const QString &path);

// Whether an entry exists at `path` (a dangling symbolic link exists too).
bool entryExists(const QString &path);

// Whether `path` is a folder, or a symbolic link to one.
bool folderExists(const QString &path);

// The longest name, in bytes, that the file system holding `folder` takes for an entry
// (NAME_MAX, 255, where it cannot be told).
qsizetype maximumNameBytes(const QString &folder);
