#pragma once

#include "platform/pathcodec.h"
#include "platform/uniquefd.h"

#include <QString>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <utility>

// A write lease on a file, as another program holds it: whoever opens the file waits until the
// lease is released (or the system breaks it after its lease break time), so a run that copies
// it holds still in the middle for as long as the test wants.
class FileLease
{
public:
    explicit FileLease(const QString &path)
        : m_path(PathCodec::encode(path))
        , m_fd(::open(PathCodec::encode(path).constData(), O_RDONLY | O_CLOEXEC))
    {
        ::signal(SIGIO, SIG_IGN); // the kernel's notice that someone waits
        m_held = ::fcntl(m_fd.get(), F_SETLEASE, F_WRLCK) == 0;
    }
    ~FileLease() { release(); }
    FileLease(const FileLease &) = delete;
    FileLease &operator=(const FileLease &) = delete;

    bool isHeld() const { return m_held; }
    // Whether an open for reading still has to wait: nobody has made the system break the lease
    // by waiting it out.
    bool keepsReadersWaiting() const
    {
        const UniqueFd reader(::open(m_path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
        return !reader.isValid() && errno == EWOULDBLOCK;
    }
    void release()
    {
        if (std::exchange(m_held, false))
            ::fcntl(m_fd.get(), F_SETLEASE, F_UNLCK);
    }

private:
    QByteArray m_path;
    UniqueFd m_fd;
    bool m_held = false;
};
