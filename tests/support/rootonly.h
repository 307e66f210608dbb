#pragma once

#include "cannotrun.h"
#include "platform/pathcodec.h"

#include <QByteArray>
#include <QString>
#include <QTest>
#include <cerrno>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

// Checks that need root (mounts, items of other users, device nodes) run wherever the tests run
// as root, as they always do in CI; elsewhere they are skipped, never under CI.
#define REQUIRE_ROOT()                                                                             \
    do {                                                                                           \
        if (::geteuid() != 0)                                                                      \
            CANNOT_RUN_HERE("needs root");                                                         \
    } while (false)

#define REQUIRE_MOUNTED(mount)                                                                     \
    do {                                                                                           \
        if (!(mount).isMounted())                                                                  \
            CANNOT_RUN_HERE("cannot mount a tmpfs here (needs root)");                             \
    } while (false)

// A small tmpfs mounted on a folder (made if missing) for one test, to make a full or read-only
// file system, and lazily unmounted when it goes, also after a failed check.
class TmpfsMount
{
public:
    explicit TmpfsMount(const QString &folder, QByteArray options = "size=4m")
        : m_path(PathCodec::encode(folder))
        , m_options(std::move(options))
    {
        ::mkdir(m_path.constData(), 0755);
        m_mounted = ::mount("tmpfs", m_path.constData(), "tmpfs", 0, m_options.constData()) == 0;
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
    bool makeReadOnly() const
    {
        return m_mounted &&
               ::mount(nullptr, m_path.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }
    bool makeWritable() const
    {
        return m_mounted &&
               ::mount(nullptr, m_path.constData(), nullptr, MS_REMOUNT, m_options.constData()) ==
                   0;
    }
    // Fills the file system up with one file named `name`; true when no byte fits any more.
    bool fill(const QByteArray &name = "filler") const
    {
        const int fd = ::open((m_path + '/' + name).constData(), O_WRONLY | O_CREAT, 0600);
        const QByteArray block(4096, 'x');
        while (fd >= 0 && ::write(fd, block.constData(), block.size()) > 0) {
        }
        const bool full = errno == ENOSPC;
        if (fd >= 0)
            ::close(fd);
        return full;
    }

private:
    QByteArray m_path;
    QByteArray m_options;
    bool m_mounted = false;
};
