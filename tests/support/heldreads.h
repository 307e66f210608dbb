#pragma once

#include "platform/filesystemexecutor.h"

#include <QString>
#include <condition_variable>
#include <memory>
#include <mutex>

// Lets the file system executor run on real workers and holds the work on paths inside one
// folder until release(), so that a test sees the program while that folder's read is pending.
// Work on other paths runs at once. Back to inline work when it goes.
class HeldReads
{
public:
    explicit HeldReads(const QString &folder)
        : m_gate(std::make_shared<Gate>())
    {
        m_gate->folder = folder;
        FileSystemExecutor &executor = FileSystemExecutor::instance();
        executor.setRunsInline(false);
        executor.setDelay([gate = m_gate](const QString &path) {
            std::unique_lock lock(gate->mutex);
            if (path == gate->folder || path.startsWith(gate->folder + QLatin1Char('/')))
                gate->opened.wait(lock, [&gate] { return !gate->held; });
        });
    }
    ~HeldReads()
    {
        release();
        FileSystemExecutor::instance().setDelay({});
        FileSystemExecutor::instance().setRunsInline(true);
    }
    HeldReads(const HeldReads &) = delete;
    HeldReads &operator=(const HeldReads &) = delete;

    // Lets the held work run, and all that comes later.
    void release()
    {
        {
            std::lock_guard lock(m_gate->mutex);
            m_gate->held = false;
        }
        m_gate->opened.notify_all();
    }
    // Holds the work inside the folder again.
    void hold()
    {
        std::lock_guard lock(m_gate->mutex);
        m_gate->held = true;
    }

private:
    struct Gate
    {
        std::mutex mutex;
        std::condition_variable opened;
        QString folder;
        bool held = true;
    };
    std::shared_ptr<Gate> m_gate;
};
