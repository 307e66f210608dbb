#include "platform/filesystemexecutor.h"

#include "platform/mounttable.h"

#include <QCoreApplication>
#include <QHash>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace {

// Two workers per file system: a long listing does not hold up a small command on the same
// disk, and a hung mount ties up no more than two threads however much work waits for it.
constexpr int kWorkersPerQueue = 2;

} // namespace

// One file system's work, taken in order by its workers. Shared with them, so that it outlives
// whatever the main thread does.
class FileSystemExecutor::Queue
{
public:
    explicit Queue(std::shared_ptr<Shared> shared)
        : m_shared(std::move(shared))
    {}

    void add(const QString &path, std::function<void()> task, const std::shared_ptr<Queue> &self)
    {
        std::lock_guard lock(m_mutex);
        m_tasks.push_back({path, std::move(task)});
        // Each task waiting needs a worker of its own: a waking worker may not have taken
        // the task before it yet.
        if (qsizetype(m_tasks.size()) > m_idle && m_workers < kWorkersPerQueue) {
            ++m_workers;
            std::thread([self] { self->work(); }).detach();
        }
        m_wake.notify_one();
    }

private:
    void work();

    struct Task
    {
        QString path;
        std::function<void()> run;
    };

    const std::shared_ptr<Shared> m_shared;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Task> m_tasks;
    int m_workers = 0;
    qsizetype m_idle = 0; // workers waiting for a task
};

struct FileSystemExecutor::Shared
{
    std::mutex mutex;
    QStringList mountPoints;
    QHash<QString, std::shared_ptr<Queue>> queues;
    std::function<void(const QString &)> delay;
};

void FileSystemExecutor::Queue::work()
{
    for (;;) {
        Task task;
        {
            std::unique_lock lock(m_mutex);
            ++m_idle;
            m_wake.wait(lock, [this] { return !m_tasks.empty(); });
            --m_idle;
            task = std::move(m_tasks.front());
            m_tasks.pop_front();
        }
        std::function<void(const QString &)> delay;
        {
            std::lock_guard lock(m_shared->mutex);
            delay = m_shared->delay;
        }
        if (delay)
            delay(task.path);
        task.run();
    }
}

FileSystemExecutor &FileSystemExecutor::instance()
{
    // Never destroyed: a worker stuck on a dead mount must not hold up the end of the process.
    static FileSystemExecutor *executor = new FileSystemExecutor;
    return *executor;
}

FileSystemExecutor::FileSystemExecutor()
    : m_shared(std::make_shared<Shared>())
    , m_port(new QObject)
{
    if (QCoreApplication *application = QCoreApplication::instance())
        m_port->moveToThread(application->thread());
    m_shared->mountPoints = readMountPoints();
}

void FileSystemExecutor::refreshMounts()
{
    const std::shared_ptr<Shared> shared = m_shared;
    post(QStringLiteral("/proc"), [shared] {
        QStringList points = readMountPoints();
        std::lock_guard lock(shared->mutex);
        shared->mountPoints = std::move(points);
    });
}

QString FileSystemExecutor::queueOf(const QString &path) const
{
    std::lock_guard lock(m_shared->mutex);
    return mountPointHolding(path, m_shared->mountPoints);
}

void FileSystemExecutor::setDelay(std::function<void(const QString &path)> delay)
{
    std::lock_guard lock(m_shared->mutex);
    m_shared->delay = std::move(delay);
}

void FileSystemExecutor::post(const QString &path, std::function<void()> task)
{
    std::shared_ptr<Queue> queue;
    {
        std::lock_guard lock(m_shared->mutex);
        const QString point = mountPointHolding(path, m_shared->mountPoints);
        std::shared_ptr<Queue> &slot = m_shared->queues[point];
        if (!slot)
            slot = std::make_shared<Queue>(m_shared);
        queue = slot;
    }
    queue->add(path, std::move(task), queue);
}
