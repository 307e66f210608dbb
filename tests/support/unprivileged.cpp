#include "unprivileged.h"

#include <cstdio>
#include <cstdlib>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
constexpr uid_t kNobody = 65534;
}

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

// Only the effective ids change: the real and saved ones stay root, which lets the destructor
// take root back. glibc applies both changes to every thread of the process.
UnprivilegedScope::UnprivilegedScope()
{
    if (::geteuid() != 0)
        return;
    if (::setegid(kNobody) != 0 || ::seteuid(kNobody) != 0)
        std::abort();
    m_dropped = true;
}

UnprivilegedScope::~UnprivilegedScope()
{
    if (m_dropped && (::seteuid(0) != 0 || ::setegid(0) != 0))
        std::abort();
}
