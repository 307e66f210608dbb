#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <type_traits>

// Runs work that can wait on a file system on worker threads, so that the main thread never
// does. Each mounted file system has a queue of its own with workers of its own: a mount that
// hangs (a network server gone, a disk spinning up) holds up only the work queued for it. Results
// come back to the main thread as queued calls; a receiver deleted meanwhile gets none.
class FileSystemExecutor
{
public:
    // The one executor of the process; made on first use, which must be on the main thread.
    static FileSystemExecutor &instance();

    // Runs `work` on the queue of the file system that holds `path` (an absolute, decoded path),
    // then `done` with its result on the main thread, when `receiver` still exists.
    template<typename Work, typename Done>
    void run(const QString &path, QObject *receiver, Work work, Done done)
    {
        using Result = std::invoke_result_t<Work &>;
        if (m_inline) {
            done(work());
            return;
        }
        post(path,
             [work = std::move(work),
              done = std::move(done),
              receiver = QPointer<QObject>(receiver),
              port = m_port]() mutable {
                 auto result = std::make_shared<Result>(work());
                 // The receiver is looked at on the main thread only, where it lives.
                 QMetaObject::invokeMethod(
                     port,
                     [done = std::move(done), receiver, result]() mutable {
                         if (receiver)
                             done(std::move(*result));
                     },
                     Qt::QueuedConnection);
             });
    }

    // Reads the mount table again, on a worker, so that new mounts get queues of their own.
    void refreshMounts();

    // The mount point whose queue takes work for `path`: the longest mounted folder that holds
    // it by name. Links are not followed (that could wait), so work on a path that leads through
    // a link onto another file system is queued where its name points.
    QString queueOf(const QString &path) const;

    // For tests: the work runs at once on the calling thread and `done` is called before `run`
    // returns, as if every file system answered instantly.
    void setRunsInline(bool runsInline) { m_inline = runsInline; }
    bool runsInline() const { return m_inline; }
    // For tests: called on the worker before each piece of work, with the work's path; a test
    // slows a file system down with it where it cannot mount one of its own.
    void setDelay(std::function<void(const QString &path)> delay);

private:
    struct Shared;
    class Queue;

    FileSystemExecutor();
    ~FileSystemExecutor() = delete; // lives until the process ends: workers may hang forever

    void post(const QString &path, std::function<void()> task);

    std::shared_ptr<Shared> m_shared;
    QObject *m_port; // a main-thread object that results are queued to
    bool m_inline = false;
};
