#include "unprivileged.h"

#include <cstdio>
#include <grp.h>
#include <sys/fsuid.h>
#include <sys/wait.h>
#include <unistd.h>

QByteArray runUnprivileged(const std::function<QByteArray()> &work)
{
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return "pipe failed";
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child < 0)
        return "fork failed";
    if (child == 0) {
        ::close(pipeFds[0]);
        constexpr uid_t kNobody = 65534;
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))
            ::_exit(3);
        const QByteArray result = work();
        qsizetype written = 0;
        while (written < result.size()) {
            const ssize_t n =
                ::write(pipeFds[1], result.constData() + written, result.size() - written);
            if (n <= 0)
                break;
            written += n;
        }
        ::_exit(0);
    }
    ::close(pipeFds[1]);
    QByteArray result;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0)
        result.append(buffer, n);
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return "child failed with status " + QByteArray::number(status);
    return result;
}

FileAccessAsNobody::FileAccessAsNobody()
{
    constexpr uid_t kNobody = 65534;
    if (::geteuid() != 0)
        return;
    // The file-system ids belong to the thread; leaving 0 also drops root's file powers.
    ::setfsgid(kNobody);
    ::setfsuid(kNobody);
    m_switched = true;
}

FileAccessAsNobody::~FileAccessAsNobody()
{
    if (!m_switched)
        return;
    ::setfsuid(0);
    ::setfsgid(0);
}
