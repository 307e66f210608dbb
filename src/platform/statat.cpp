#include "platform/statat.h"

#include <fcntl.h>
#include <sys/stat.h>

int statAt(int dirFd, const char *path, struct stat *status, int flags)
{
    return ::fstatat(dirFd, path, status, flags | AT_NO_AUTOMOUNT);
}

int statxAt(int dirFd, const char *path, int flags, unsigned mask, struct statx *status)
{
    return ::statx(dirFd, path, flags | AT_NO_AUTOMOUNT, mask, status);
}
