#pragma once

#include <QTest>
#include <QtGlobal>

// Under CI (CI set) everything the tests need is in place: root, tmpfs mounts, file leases,
// dbus-daemon, user.* attributes. A check that cannot run fails there, where a skip would hide
// it; on a developer's machine it is skipped.
inline bool runsUnderCi()
{
    return qEnvironmentVariableIsSet("CI");
}

#define CANNOT_RUN_HERE(reason)                                                                    \
    do {                                                                                           \
        if (runsUnderCi())                                                                         \
            QFAIL("cannot run under CI: " reason);                                                 \
        QSKIP(reason);                                                                             \
    } while (false)
