#pragma once

#include <QByteArray>
#include <QStringList>

// An operation a test runs as another user: a function of this test program that takes string
// arguments and returns the bytes the test checks.
using UnprivilegedOperation = QByteArray (*)(const QStringList &arguments);

// Makes an operation known by its name, so that the program started for it finds it there.
struct UnprivilegedOperationName
{
    UnprivilegedOperationName(const char *name, UnprivilegedOperation operation);
};

// Defines an operation for runUnprivileged, at namespace scope:
//     UNPRIVILEGED_OPERATION(listFolder, arguments) { ...; return bytes; }
#define UNPRIVILEGED_OPERATION(name, arguments)                                                    \
    QByteArray name(const QStringList &arguments);                                                 \
    const UnprivilegedOperationName name##Name(#name, name);                                       \
    QByteArray name(const QStringList &arguments)

// Runs `operation` with `arguments` in a new start of this test program that has given up root
// (as user and group "nobody"), so that permission checks apply even when the tests run as
// root, and returns what it produced. Without root the child keeps the current user, whose
// permissions apply anyway. No test code runs in a fork of this process, which may have started
// threads: the child is a program of its own.
QByteArray runUnprivileged(UnprivilegedOperation operation, const QStringList &arguments = {});

// Whether this start of the test program is one of runUnprivileged's, for one operation.
bool isStartedForOperation(int argc, char **argv);
// Runs the operation this start is for, writes what it returns to the standard output and
// gives the exit code.
int runRequestedOperation(int argc, char **argv);

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
