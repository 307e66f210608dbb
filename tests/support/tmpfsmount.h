#pragma once

#include <QByteArray>
#include <QFile>
#include <QTest>
#include <cerrno>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

// A small tmpfs mounted over a folder for as long as it lives, to make a full or read-only
// file system. Mounting needs root; such tests run as root, under CI they must.
class TmpfsMount
{
public:
    explicit TmpfsMount(const QString &folder)
        : m_folder(QFile::encodeName(folder))
    {
        m_mounted = ::mount("tmpfs", m_folder.constData(), "tmpfs", 0, "size=64k,mode=0755") == 0;
    }
    ~TmpfsMount()
    {
        if (m_mounted)
            ::umount2(m_folder.constData(), MNT_DETACH);
    }
    TmpfsMount(const TmpfsMount &) = delete;
    TmpfsMount &operator=(const TmpfsMount &) = delete;

    bool isMounted() const { return m_mounted; }

    // Fills the file system up with one file named `name`; true when no byte fits any more.
    bool fill(const QByteArray &name = "filler") const
    {
        const int fd = ::open((m_folder + '/' + name).constData(), O_WRONLY | O_CREAT, 0600);
        const QByteArray block(4096, 'x');
        while (fd >= 0 && ::write(fd, block.constData(), block.size()) > 0) {
        }
        const bool full = errno == ENOSPC;
        if (fd >= 0)
            ::close(fd);
        return full;
    }
    bool makeReadOnly() const
    {
        return ::mount(nullptr, m_folder.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) ==
               0;
    }
    bool makeWritable() const
    {
        return ::mount(nullptr, m_folder.constData(), nullptr, MS_REMOUNT, "size=64k") == 0;
    }

private:
    QByteArray m_folder;
    bool m_mounted = false;
};

// Mounting needs root: without it the test is skipped, except under CI, where it fails.
#define REQUIRE_ROOT_FOR_MOUNTS()                                                                  \
    do {                                                                                           \
        if (::geteuid() != 0) {                                                                    \
            if (!qEnvironmentVariableIsEmpty("CI"))                                                \
                QFAIL("mount tests must run as root under CI");                                    \
            QSKIP("mounting a tmpfs needs root");                                                  \
        }                                                                                          \
    } while (false)
