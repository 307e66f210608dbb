#pragma once

#include "pathcodec.h"

#include <QByteArray>
#include <QString>
#include <QTest>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

// Checks that need root (mounts, items of other users) run wherever the tests run as root, as
// they always do in CI; elsewhere they are skipped, never under CI.
#define REQUIRE_ROOT()                                                                             \
    do {                                                                                           \
        if (::geteuid() != 0) {                                                                    \
            if (qEnvironmentVariableIsSet("CI"))                                                   \
                QFAIL("this check runs as root in CI");                                            \
            QSKIP("needs root");                                                                   \
        }                                                                                          \
    } while (false)

// A small tmpfs mounted on a folder (made if missing) for one test, and lazily unmounted when
// it goes, also after a failed check.
class TmpfsMount
{
public:
    TmpfsMount(const QString &folder, const char *options = "size=4m")
        : m_path(PathCodec::encode(folder))
    {
        ::mkdir(m_path.constData(), 0755);
        m_mounted = ::mount("tmpfs", m_path.constData(), "tmpfs", 0, options) == 0;
    }
    ~TmpfsMount()
    {
        if (m_mounted)
            ::umount2(m_path.constData(), MNT_DETACH);
    }
    TmpfsMount(const TmpfsMount &) = delete;
    TmpfsMount &operator=(const TmpfsMount &) = delete;

    bool isMounted() const { return m_mounted; }
    // Mounts it again read-only, with what was written into it.
    bool makeReadOnly()
    {
        return m_mounted &&
               ::mount(nullptr, m_path.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QByteArray m_path;
    bool m_mounted = false;
};
