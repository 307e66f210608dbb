// Starts a program as user and group "nobody" when started by root, else as the caller: the
// tests' permission checks run in such a process, since a test process that has started threads
// must not fork and change its own ids.
#include <cstdio>
#include <grp.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    constexpr uid_t kNobody = 65534;
    if (argc < 2) {
        std::fputs("usage: bivane_as_nobody PROGRAM [ARGUMENT...]\n", stderr);
        return 127;
    }
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)) {
        std::perror("bivane_as_nobody");
        return 126;
    }
    ::execv(argv[1], argv + 1);
    std::perror("bivane_as_nobody");
    return 127;
}
