#pragma once

#include <QByteArray>
#include <functional>

// Runs `work` in a child process that has given up root (as user and group "nobody"), so that
// permission checks apply even when the tests run as root, and returns what it produced.
// Without root the child keeps the current user, whose permissions apply anyway.
QByteArray runUnprivileged(const std::function<QByteArray()> &work);
