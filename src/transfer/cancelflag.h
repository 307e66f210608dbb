#pragma once

#include <mutex>

// The cancel request of one run, raised on the main thread and read by the worker.
class CancelFlag
{
public:
    void raise();
    bool isRaised() const;

private:
    mutable std::mutex m_lock;
    bool m_cancelled = false;
};
