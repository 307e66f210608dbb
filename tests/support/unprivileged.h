#pragma once

#include <QByteArray>
#include <functional>

// Runs `work` in a child process that has given up root (as user and group "nobody"), so that
// permission checks apply even when the tests run as root, and returns what it produced.
// Without root the child keeps the current user, whose permissions apply anyway.
QByteArray runUnprivileged(const std::function<QByteArray()> &work);

// While it lives, the whole process (every thread) acts as user and group "nobody" towards the
// file system, without forking: for permission checks in tests that run threads or widgets.
// Without root it changes nothing, as the current user's permissions apply anyway.
class UnprivilegedScope
{
public:
    UnprivilegedScope();
    ~UnprivilegedScope();
    UnprivilegedScope(const UnprivilegedScope &) = delete;
    UnprivilegedScope &operator=(const UnprivilegedScope &) = delete;

private:
    bool m_dropped = false;
};
