// A file system for tests that mirrors a backing folder and stalls the calls the test names.
//
//   bivane_slowfs BACKING MOUNTPOINT -f [fuse options]
//
// Lines on standard input steer it:
//   "block WORD"  calls on paths that contain WORD wait until the next "release" or "fail";
//   "release"     waiting calls go on, and no path is blocked or failing any more;
//   "fail"        waiting calls, and every later one on a path with the blocked word, fail
//                 with EIO.
// A call that starts waiting prints "stalled PATH" on standard output, so that a test knows the
// call is held without guessing at times, "unreleased PATH" when nobody released it in time,
// and "ok" once it has taken a command in. The end of
// standard input releases everything.

#define FUSE_USE_VERSION 31

#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fuse.h>
#include <iostream>
#include <mutex>
#include <string>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <thread>
#include <unistd.h>

namespace {

std::string backing;
std::mutex mutex;
std::condition_variable changed;
std::string blockedWord;
std::string failingWord;

std::string real(const char *path)
{
    return backing + path;
}

// Holds a call on `path` while its word is blocked; -EIO once it fails, 0 to go on. A stall
// that nobody releases (the test's own thread is the one held) ends after ten seconds: the call
// fails and the word is no longer blocked, so that a broken test fails instead of hanging.
int gate(const char *path)
{
    std::unique_lock lock(mutex);
    const auto contains = [path](const std::string &word) {
        return !word.empty() && std::strstr(path, word.c_str());
    };
    if (contains(blockedWord)) {
        std::printf("stalled %s\n", path);
        std::fflush(stdout);
        if (!changed.wait_for(
                lock, std::chrono::seconds(10), [&] { return !contains(blockedWord); })) {
            std::printf("unreleased %s\n", path);
            std::fflush(stdout);
            blockedWord.clear();
            changed.notify_all();
            return -EIO;
        }
    }
    return contains(failingWord) ? -EIO : 0;
}

int result(int returned)
{
    return returned < 0 ? -errno : 0;
}

void readCommands()
{
    std::string line;
    while (std::getline(std::cin, line)) {
        const std::lock_guard lock(mutex);
        if (line.starts_with("block ")) {
            blockedWord = line.substr(6);
            failingWord.clear();
        } else if (line == "fail") {
            failingWord = blockedWord;
            blockedWord.clear();
        } else if (line == "release") {
            blockedWord.clear();
            failingWord.clear();
        }
        changed.notify_all();
        std::printf("ok\n");
        std::fflush(stdout);
    }
    const std::lock_guard lock(mutex);
    blockedWord.clear();
    failingWord.clear();
    changed.notify_all();
}

void *init(fuse_conn_info *, fuse_config *config)
{
    // Every call reaches this file system: nothing answers from the kernel's caches.
    config->entry_timeout = 0;
    config->attr_timeout = 0;
    config->negative_timeout = 0;
    config->use_ino = 1;
    std::thread(readCommands).detach();
    return nullptr;
}

int getattrOp(const char *path, struct stat *status, fuse_file_info *)
{
    if (const int held = gate(path))
        return held;
    return result(lstat(real(path).c_str(), status));
}

int accessOp(const char *path, int mask)
{
    if (const int held = gate(path))
        return held;
    return result(access(real(path).c_str(), mask));
}

int readlinkOp(const char *path, char *target, size_t size)
{
    if (const int held = gate(path))
        return held;
    const ssize_t length = readlink(real(path).c_str(), target, size - 1);
    if (length < 0)
        return -errno;
    target[length] = '\0';
    return 0;
}

int readdirOp(const char *path,
              void *buffer,
              fuse_fill_dir_t fill,
              off_t,
              fuse_file_info *,
              fuse_readdir_flags)
{
    if (const int held = gate(path))
        return held;
    DIR *folder = opendir(real(path).c_str());
    if (!folder)
        return -errno;
    while (const dirent *entry = readdir(folder)) {
        struct stat status = {};
        status.st_ino = entry->d_ino;
        status.st_mode = DTTOIF(entry->d_type);
        if (fill(buffer, entry->d_name, &status, 0, fuse_fill_dir_flags(0)))
            break;
    }
    closedir(folder);
    return 0;
}

int mkdirOp(const char *path, mode_t mode)
{
    if (const int held = gate(path))
        return held;
    return result(mkdir(real(path).c_str(), mode));
}

int unlinkOp(const char *path)
{
    if (const int held = gate(path))
        return held;
    return result(unlink(real(path).c_str()));
}

int rmdirOp(const char *path)
{
    if (const int held = gate(path))
        return held;
    return result(rmdir(real(path).c_str()));
}

int symlinkOp(const char *target, const char *path)
{
    if (const int held = gate(path))
        return held;
    return result(symlink(target, real(path).c_str()));
}

int renameOp(const char *from, const char *to, unsigned int flags)
{
    int held = gate(from);
    if (!held)
        held = gate(to);
    if (held)
        return held;
    return result(renameat2(AT_FDCWD, real(from).c_str(), AT_FDCWD, real(to).c_str(), flags));
}

int chmodOp(const char *path, mode_t mode, fuse_file_info *)
{
    if (const int held = gate(path))
        return held;
    return result(chmod(real(path).c_str(), mode));
}

int chownOp(const char *path, uid_t owner, gid_t group, fuse_file_info *)
{
    if (const int held = gate(path))
        return held;
    return result(lchown(real(path).c_str(), owner, group));
}

int truncateOp(const char *path, off_t size, fuse_file_info *file)
{
    if (const int held = gate(path))
        return held;
    return result(file ? ftruncate(int(file->fh), size) : truncate(real(path).c_str(), size));
}

int utimensOp(const char *path, const timespec times[2], fuse_file_info *)
{
    if (const int held = gate(path))
        return held;
    return result(utimensat(AT_FDCWD, real(path).c_str(), times, AT_SYMLINK_NOFOLLOW));
}

int openFile(const char *path, fuse_file_info *file, int flags, mode_t mode)
{
    if (const int held = gate(path))
        return held;
    const int descriptor = open(real(path).c_str(), flags, mode);
    if (descriptor < 0)
        return -errno;
    file->fh = uint64_t(descriptor);
    return 0;
}

int openOp(const char *path, fuse_file_info *file)
{
    return openFile(path, file, file->flags, 0);
}

int createOp(const char *path, mode_t mode, fuse_file_info *file)
{
    return openFile(path, file, file->flags | O_CREAT, mode);
}

int readOp(const char *, char *buffer, size_t size, off_t offset, fuse_file_info *file)
{
    const ssize_t count = pread(int(file->fh), buffer, size, offset);
    return count < 0 ? -errno : int(count);
}

int writeOp(const char *, const char *buffer, size_t size, off_t offset, fuse_file_info *file)
{
    const ssize_t count = pwrite(int(file->fh), buffer, size, offset);
    return count < 0 ? -errno : int(count);
}

int releaseOp(const char *, fuse_file_info *file)
{
    close(int(file->fh));
    return 0;
}

int fsyncOp(const char *, int, fuse_file_info *file)
{
    return result(fsync(int(file->fh)));
}

int statfsOp(const char *path, struct statvfs *status)
{
    return result(statvfs(real(path).c_str(), status));
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s BACKING MOUNTPOINT -f [fuse options]\n", argv[0]);
        return 2;
    }
    backing = argv[1];
    fuse_operations operations = {};
    operations.init = init;
    operations.getattr = getattrOp;
    operations.access = accessOp;
    operations.readlink = readlinkOp;
    operations.readdir = readdirOp;
    operations.mkdir = mkdirOp;
    operations.unlink = unlinkOp;
    operations.rmdir = rmdirOp;
    operations.symlink = symlinkOp;
    operations.rename = renameOp;
    operations.chmod = chmodOp;
    operations.chown = chownOp;
    operations.truncate = truncateOp;
    operations.utimens = utimensOp;
    operations.open = openOp;
    operations.create = createOp;
    operations.read = readOp;
    operations.write = writeOp;
    operations.release = releaseOp;
    operations.fsync = fsyncOp;
    operations.statfs = statfsOp;
    // The backing folder is this program's own argument, not one for FUSE.
    argv[1] = argv[0];
    return fuse_main(argc - 1, argv + 1, &operations, nullptr);
}
