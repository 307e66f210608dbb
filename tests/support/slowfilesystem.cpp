#include "slowfilesystem.h"

#include "platform/filesystemexecutor.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <condition_variable>
#include <mutex>

namespace {

// Whether `folder` is the mount point of a mounted file system, by the kernel's table.
bool isMountPoint(const QString &folder)
{
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    if (!table.open(QIODevice::ReadOnly))
        return false;
    const QByteArray point = QFile::encodeName(folder);
    for (const QByteArray &line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() > 4 && fields[4] == point)
            return true;
    }
    return false;
}

// Waits until the executor queues work below `folder` on a queue of its own, or on none.
void refreshExecutorMounts(const QString &folder, bool mounted)
{
    FileSystemExecutor &executor = FileSystemExecutor::instance();
    executor.refreshMounts();
    if (!QTest::qWaitFor([&] { return (executor.queueOf(folder) == folder) == mounted; }, 10000))
        qWarning("The file system executor did not take up the change of the mounts");
}

} // namespace

// The holds without a mount: the executor calls `hold` on its worker before each piece of work.
struct SlowFileSystem::Delay
{
    void hold(const QString &path)
    {
        std::unique_lock lock(mutex);
        if (word.isEmpty() || !path.contains(word))
            return;
        stalled.insert(path);
        changed.wait(lock, [&] { return word.isEmpty() || !path.contains(word); });
        stalled.remove(path);
        // Without a file system of its own to fail, the read fails on a folder moved away.
        if (failing && !failedPaths.contains(path)) {
            failedPaths.insert(path);
            QDir().rename(path, path + QStringLiteral(".failed"));
        }
    }

    std::mutex mutex;
    std::condition_variable changed;
    QString word;
    bool failing = false;
    QSet<QString> stalled;
    QSet<QString> failedPaths;
};

SlowFileSystem::SlowFileSystem(const QString &backing)
    : m_mountPoint(QDir::tempPath() + QStringLiteral("/bivane-slowfs-XXXXXX"))
{
    if (mount(backing))
        return;
    qInfo("No FUSE mount here: the file system executor's workers stall instead");
    m_root = backing;
    m_delay = std::make_shared<Delay>();
    FileSystemExecutor::instance().setDelay(
        [delay = m_delay](const QString &path) { delay->hold(path); });
}

SlowFileSystem::~SlowFileSystem()
{
    if (m_delay) {
        release();
        FileSystemExecutor::instance().setDelay(nullptr);
    }
    if (m_mounted)
        unmount();
}

bool SlowFileSystem::mount(const QString &backing)
{
    const QString program = QStringLiteral(BIVANE_SLOWFS);
    if (program.isEmpty() || !m_mountPoint.isValid() || !QFile::exists(QStringLiteral("/dev/fuse")))
        return false;
    QObject::connect(&m_process, &QProcess::readyReadStandardOutput, &m_process, [this] {
        while (m_process.canReadLine()) {
            const QByteArray line = m_process.readLine();
            if (line.startsWith("stalled "))
                ++m_stalls;
            else if (line.startsWith("unreleased "))
                m_unreleased.append(QString::fromUtf8(line.mid(11).trimmed()));
            else if (line == "ok\n")
                ++m_answers;
        }
    });
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(program,
                    {backing,
                     m_mountPoint.path(),
                     QStringLiteral("-f"),
                     QStringLiteral("-o"),
                     QStringLiteral("fsname=bivane-slowfs")});
    if (!m_process.waitForStarted())
        return false;
    const bool mounted = QTest::qWaitFor(
        [this] {
            return isMountPoint(m_mountPoint.path()) || m_process.state() != QProcess::Running;
        },
        10000);
    if (!mounted || !isMountPoint(m_mountPoint.path())) {
        m_process.kill();
        m_process.waitForFinished();
        return false;
    }
    m_mounted = true;
    m_root = m_mountPoint.path();
    refreshExecutorMounts(m_root, true);
    return true;
}

void SlowFileSystem::unmount()
{
    // The end of its input releases every waiting call, so the unmount finds none busy.
    m_process.closeWriteChannel();
    QProcess::execute(QStringLiteral("fusermount3"),
                      {QStringLiteral("-u"), QStringLiteral("-z"), m_mountPoint.path()});
    if (!m_process.waitForFinished(10000)) {
        m_process.kill();
        m_process.waitForFinished();
    }
    m_mounted = false;
    refreshExecutorMounts(m_mountPoint.path(), false);
}

// Sends a command and waits until the file system has taken it in, so that the calls that
// follow meet it.
void SlowFileSystem::command(const QByteArray &line)
{
    const int answers = m_answers + 1;
    m_process.write(line);
    while (m_answers < answers && m_process.waitForReadyRead(10000)) {
    }
}

void SlowFileSystem::block(const QString &word)
{
    m_stalls = 0;
    if (m_delay) {
        const std::lock_guard lock(m_delay->mutex);
        m_delay->word = word;
        m_delay->failing = false;
        return;
    }
    command("block " + word.toUtf8() + '\n');
}

bool SlowFileSystem::isStalled()
{
    if (m_delay) {
        const std::lock_guard lock(m_delay->mutex);
        return !m_delay->stalled.isEmpty();
    }
    return m_stalls > 0;
}

void SlowFileSystem::release()
{
    m_stalls = 0;
    if (m_delay) {
        const std::lock_guard lock(m_delay->mutex);
        m_delay->word.clear();
        m_delay->changed.notify_all();
        return;
    }
    command("release\n");
}

void SlowFileSystem::fail()
{
    m_stalls = 0;
    if (m_delay) {
        const std::lock_guard lock(m_delay->mutex);
        m_delay->failing = true;
        m_delay->word.clear();
        m_delay->changed.notify_all();
        return;
    }
    command("fail\n");
}
