#pragma once

#include <QByteArray>
#include <functional>

// Runs `work` in a child process that has given up root (as user and group "nobody"), so that
// permission checks apply even when the tests run as root, and returns what it produced.
// Without root the child keeps the current user, whose permissions apply anyway.
QByteArray runUnprivileged(const std::function<QByteArray()> &work);

// While it lives, the calling thread, and only it, reaches files as user and group "nobody",
// without root's power to pass over permission bits; other threads keep their own. Lets a test
// run a controller command on the main thread against real permission bits although the tests
// run as root, without forking a threaded process. Without root it changes nothing: the user's
// own permissions apply anyway.
class FileAccessAsNobody
{
public:
    FileAccessAsNobody();
    ~FileAccessAsNobody();
    FileAccessAsNobody(const FileAccessAsNobody &) = delete;
    FileAccessAsNobody &operator=(const FileAccessAsNobody &) = delete;

private:
    bool m_switched = false;
};
