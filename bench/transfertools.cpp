#include "transfertools.h"

#include "platform/pathcodec.h"
#include "platform/uniquefd.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/magic.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/wait.h>
#include <vector>

extern char **environ;

namespace {

// Content that no file system can compress or share: a simple generator, seeded per file.
void fill(char *data, qint64 size, quint64 seed)
{
    quint64 state = seed * 0x9E3779B97F4A7C15ULL + 1;
    for (qint64 i = 0; i < size; i += 8) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        std::memcpy(data + i, &state, std::min<qint64>(8, size - i));
    }
}

bool writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size_t(size));
        if (n <= 0)
            return false;
        data += n;
        size -= n;
    }
    return true;
}

} // namespace

QString fileSystemName(const QString &path)
{
    struct statfs info;
    if (::statfs(PathCodec::encode(path).constData(), &info) != 0)
        return {};
    switch (info.f_type) {
    case EXT4_SUPER_MAGIC: // also ext2 and ext3
        return QStringLiteral("ext4");
    case TMPFS_MAGIC:
        return QStringLiteral("tmpfs");
    case XFS_SUPER_MAGIC:
        return QStringLiteral("xfs");
    case BTRFS_SUPER_MAGIC:
        return QStringLiteral("btrfs");
    case OVERLAYFS_SUPER_MAGIC:
        return QStringLiteral("overlay");
    default:
        return QStringLiteral("type 0x%1").arg(qulonglong(info.f_type), 0, 16);
    }
}

void flushToDisk()
{
    ::sync();
}

bool writeDataFile(const QString &path, qint64 bytes)
{
    constexpr qint64 kBlock = 4 * 1024 * 1024;
    const UniqueFd fd(::open(
        PathCodec::encode(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    std::vector<char> block(kBlock);
    for (qint64 done = 0; fd.isValid() && done < bytes; done += kBlock) {
        const qint64 size = std::min(kBlock, bytes - done);
        fill(block.data(), size, quint64(done / kBlock));
        if (!writeAll(fd.get(), block.data(), size))
            return false;
    }
    return fd.isValid();
}

bool writeSparseFile(const QString &path, qint64 bytes, qint64 dataBytes)
{
    const UniqueFd fd(::open(
        PathCodec::encode(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    std::vector<char> data(static_cast<size_t>(dataBytes));
    fill(data.data(), dataBytes, 1);
    return fd.isValid() && ::ftruncate(fd.get(), bytes) == 0 &&
           ::lseek(fd.get(), bytes / 2, SEEK_SET) == bytes / 2 &&
           writeAll(fd.get(), data.data(), dataBytes);
}

qint64 allocatedBytes(const QString &path)
{
    struct stat st;
    if (::stat(PathCodec::encode(path).constData(), &st) != 0)
        return -1;
    return qint64(st.st_blocks) * 512;
}

qint64 writeTree(const QString &root, int files, int folders)
{
    constexpr qint64 kLargest = 64 * 1024;
    std::vector<char> data(kLargest);
    if (!QDir().mkdir(root))
        return -1;
    qint64 total = 0;
    for (int folder = 0; folder < folders; ++folder) {
        const QString path = root + QStringLiteral("/folder %1").arg(folder);
        if (!QDir().mkdir(path))
            return -1;
        const int first = int(qint64(files) * folder / folders);
        const int last = int(qint64(files) * (folder + 1) / folders);
        for (int file = first; file < last; ++file) {
            const qint64 size = (qint64(file) * 2654435761ULL) % (kLargest + 1);
            fill(data.data(), size, quint64(file));
            const UniqueFd fd(::open(
                PathCodec::encode(path + QStringLiteral("/file %1.dat").arg(file)).constData(),
                O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                0644));
            if (!fd.isValid() || !writeAll(fd.get(), data.data(), size))
                return -1;
            total += size;
        }
    }
    return total;
}

void removeScratch(const QString &path)
{
    millisecondsOfTool({QStringLiteral("rm"), QStringLiteral("-rf"), QStringLiteral("--"), path});
}

ResidentSampler::ResidentSampler()
    : m_baseline(residentKilobytes())
    , m_peak(m_baseline)
{
    m_thread = std::thread([this] {
        while (!m_stop.load()) {
            const qint64 now = residentKilobytes();
            qint64 peak = m_peak.load();
            while (now > peak && !m_peak.compare_exchange_weak(peak, now)) {
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
}

ResidentSampler::~ResidentSampler()
{
    m_stop = true;
    m_thread.join();
}

ScratchTmpfs::ScratchTmpfs(const QString &path, const char *options)
    : m_path(PathCodec::encode(path))
{
    ::mkdir(m_path.constData(), 0755);
    m_mounted = ::mount("tmpfs", m_path.constData(), "tmpfs", 0, options) == 0;
    if (!m_mounted)
        m_error = QString::fromLocal8Bit(std::strerror(errno));
}

ScratchTmpfs::~ScratchTmpfs()
{
    if (m_mounted)
        ::umount2(m_path.constData(), MNT_DETACH);
    ::rmdir(m_path.constData());
}
