// Wrappers of the C library's path calls: each calls the real function, found with
// dlsym(RTLD_NEXT) (under AddressSanitizer that is its interceptor, which calls the real one),
// and counts the call when the main thread makes it below the armed folder.

#include "pathcallcounter.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <mutex>
#include <string>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <sys/xattr.h>
#include <unistd.h>
#include <vector>

namespace {

std::atomic<bool> armed = false;
std::mutex mutex;
std::string folder;             // guarded by mutex, with its trailing '/'
std::string workingFolder;      // where relative paths start, with its trailing '/'
std::vector<std::string> found; // guarded by mutex

bool isBelow(const std::string &path)
{
    return path.starts_with(folder) || path + '/' == folder;
}

template<typename Function>
Function *real(const char *name)
{
    return reinterpret_cast<Function *>(dlsym(RTLD_NEXT, name));
}

// The path a descriptor stands for, as the kernel names it; empty when it cannot tell.
std::string pathOf(int descriptor)
{
    static auto *const readLink = real<ssize_t(const char *, char *, size_t)>("readlink");
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", descriptor);
    char target[4096];
    const ssize_t length = readLink(link, target, sizeof target);
    return length > 0 ? std::string(target, size_t(length)) : std::string();
}

// Counts a call on `path`, relative to `descriptor`, when it lies below the armed folder. A call
// relative to a descriptor whose path the kernel cannot tell counts too.
void note(const char *function, int descriptor, const char *path)
{
    if (!armed.load(std::memory_order_relaxed) || gettid() != getpid())
        return;
    const std::string name = path ? path : "";
    std::string start = workingFolder;
    if (descriptor != AT_FDCWD && !name.starts_with('/')) {
        start = pathOf(descriptor);
        if (start.empty()) {
            const std::lock_guard lock(mutex);
            found.push_back(std::string(function) + " (descriptor " + std::to_string(descriptor) +
                            ") " + name);
            return;
        }
        start += '/';
    }
    const std::string absolute = name.starts_with('/') ? name : start + name;
    const std::lock_guard lock(mutex);
    if (isBelow(absolute))
        found.push_back(std::string(function) + ' ' + absolute);
}

// The mode argument of open, present when the flags create a file.
mode_t modeOf(int flags, va_list arguments)
{
    return (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE ? mode_t(va_arg(arguments, int))
                                                                 : 0;
}

} // namespace

namespace PathCallCounter {

void arm(const QByteArray &armedFolder)
{
    const std::lock_guard lock(mutex);
    folder =
        armedFolder.endsWith('/') ? armedFolder.toStdString() : armedFolder.toStdString() + '/';
    char here[4096];
    workingFolder = getcwd(here, sizeof here) ? std::string(here) + '/' : std::string("/");
    found.clear();
    armed = true;
}

void disarm()
{
    armed = false;
}

QStringList calls()
{
    const std::lock_guard lock(mutex);
    QStringList list;
    for (const std::string &call : found)
        list.append(QString::fromStdString(call));
    return list;
}

} // namespace PathCallCounter

// The same wrapper for each function: count, then call the real one.
#define BIVANE_PATH_CALL(returns, name, parameters, descriptor, path, arguments, exceptions)       \
    extern "C" returns name parameters exceptions                                                  \
    {                                                                                              \
        static auto *const function = real<returns parameters>(#name);                             \
        note(#name, descriptor, path);                                                             \
        return function arguments;                                                                 \
    }

BIVANE_PATH_CALL(
    int, stat, (const char *path, struct stat *buffer), AT_FDCWD, path, (path, buffer), noexcept)
BIVANE_PATH_CALL(
    int, lstat, (const char *path, struct stat *buffer), AT_FDCWD, path, (path, buffer), noexcept)
BIVANE_PATH_CALL(int,
                 stat64,
                 (const char *path, struct stat64 *buffer),
                 AT_FDCWD,
                 path,
                 (path, buffer),
                 noexcept)
BIVANE_PATH_CALL(int,
                 lstat64,
                 (const char *path, struct stat64 *buffer),
                 AT_FDCWD,
                 path,
                 (path, buffer),
                 noexcept)
BIVANE_PATH_CALL(int,
                 fstatat,
                 (int at, const char *path, struct stat *buffer, int flags),
                 at,
                 path,
                 (at, path, buffer, flags),
                 noexcept)
BIVANE_PATH_CALL(int,
                 fstatat64,
                 (int at, const char *path, struct stat64 *buffer, int flags),
                 at,
                 path,
                 (at, path, buffer, flags),
                 noexcept)
BIVANE_PATH_CALL(int,
                 statx,
                 (int at, const char *path, int flags, unsigned int mask, struct statx *buffer),
                 at,
                 path,
                 (at, path, flags, mask, buffer),
                 noexcept)
BIVANE_PATH_CALL(int, access, (const char *path, int mode), AT_FDCWD, path, (path, mode), noexcept)
BIVANE_PATH_CALL(int,
                 faccessat,
                 (int at, const char *path, int mode, int flags),
                 at,
                 path,
                 (at, path, mode, flags),
                 noexcept)
BIVANE_PATH_CALL(DIR *, opendir, (const char *path), AT_FDCWD, path, (path), )
BIVANE_PATH_CALL(
    int, mkdir, (const char *path, mode_t mode), AT_FDCWD, path, (path, mode), noexcept)
BIVANE_PATH_CALL(
    int, mkdirat, (int at, const char *path, mode_t mode), at, path, (at, path, mode), noexcept)
BIVANE_PATH_CALL(
    int, rename, (const char *from, const char *to), AT_FDCWD, from, (from, to), noexcept)
BIVANE_PATH_CALL(int,
                 renameat,
                 (int fromAt, const char *from, int toAt, const char *to),
                 fromAt,
                 from,
                 (fromAt, from, toAt, to),
                 noexcept)
BIVANE_PATH_CALL(int,
                 renameat2,
                 (int fromAt, const char *from, int toAt, const char *to, unsigned int flags),
                 fromAt,
                 from,
                 (fromAt, from, toAt, to, flags),
                 noexcept)
BIVANE_PATH_CALL(int, unlink, (const char *path), AT_FDCWD, path, (path), noexcept)
BIVANE_PATH_CALL(
    int, unlinkat, (int at, const char *path, int flags), at, path, (at, path, flags), noexcept)
BIVANE_PATH_CALL(int, rmdir, (const char *path), AT_FDCWD, path, (path), noexcept)
BIVANE_PATH_CALL(ssize_t,
                 readlink,
                 (const char *path, char *target, size_t size),
                 AT_FDCWD,
                 path,
                 (path, target, size),
                 noexcept)
BIVANE_PATH_CALL(ssize_t,
                 readlinkat,
                 (int at, const char *path, char *target, size_t size),
                 at,
                 path,
                 (at, path, target, size),
                 noexcept)
BIVANE_PATH_CALL(int,
                 statfs,
                 (const char *path, struct statfs *buffer),
                 AT_FDCWD,
                 path,
                 (path, buffer),
                 noexcept)
BIVANE_PATH_CALL(int,
                 statfs64,
                 (const char *path, struct statfs64 *buffer),
                 AT_FDCWD,
                 path,
                 (path, buffer),
                 noexcept)
BIVANE_PATH_CALL(int,
                 statvfs,
                 (const char *path, struct statvfs *buffer),
                 AT_FDCWD,
                 path,
                 (path, buffer),
                 noexcept)
BIVANE_PATH_CALL(int,
                 statvfs64,
                 (const char *path, struct statvfs64 *buffer),
                 AT_FDCWD,
                 path,
                 (path, buffer),
                 noexcept)
BIVANE_PATH_CALL(int,
                 inotify_add_watch,
                 (int queue, const char *path, uint32_t mask),
                 AT_FDCWD,
                 path,
                 (queue, path, mask),
                 noexcept)
BIVANE_PATH_CALL(char *,
                 realpath,
                 (const char *path, char *resolved),
                 AT_FDCWD,
                 path,
                 (path, resolved),
                 noexcept)
BIVANE_PATH_CALL(ssize_t,
                 getxattr,
                 (const char *path, const char *name, void *value, size_t size),
                 AT_FDCWD,
                 path,
                 (path, name, value, size),
                 noexcept)
BIVANE_PATH_CALL(ssize_t,
                 lgetxattr,
                 (const char *path, const char *name, void *value, size_t size),
                 AT_FDCWD,
                 path,
                 (path, name, value, size),
                 noexcept)
BIVANE_PATH_CALL(ssize_t,
                 listxattr,
                 (const char *path, char *names, size_t size),
                 AT_FDCWD,
                 path,
                 (path, names, size),
                 noexcept)

// open and its kin take their mode only when they create.
#define BIVANE_OPEN_CALL(name)                                                                     \
    extern "C" int name(const char *path, int flags, ...)                                          \
    {                                                                                              \
        static auto *const function = real<int(const char *, int, ...)>(#name);                    \
        va_list arguments;                                                                         \
        va_start(arguments, flags);                                                                \
        const mode_t mode = modeOf(flags, arguments);                                              \
        va_end(arguments);                                                                         \
        note(#name, AT_FDCWD, path);                                                               \
        return function(path, flags, mode);                                                        \
    }
#define BIVANE_OPENAT_CALL(name)                                                                   \
    extern "C" int name(int at, const char *path, int flags, ...)                                  \
    {                                                                                              \
        static auto *const function = real<int(int, const char *, int, ...)>(#name);               \
        va_list arguments;                                                                         \
        va_start(arguments, flags);                                                                \
        const mode_t mode = modeOf(flags, arguments);                                              \
        va_end(arguments);                                                                         \
        note(#name, at, path);                                                                     \
        return function(at, path, flags, mode);                                                    \
    }

BIVANE_OPEN_CALL(open)
BIVANE_OPEN_CALL(open64)
BIVANE_OPENAT_CALL(openat)
BIVANE_OPENAT_CALL(openat64)
