#include "transfer/progressreporter.h"

#include <utility>

ProgressReporter::ProgressReporter(Sink sink, std::function<Clock::time_point()> now)
    : m_sink(std::move(sink))
    , m_now(std::move(now))
{}

void ProgressReporter::add(qint64 bytes)
{
    qint64 forwarded = 0;
    {
        const std::lock_guard guard(m_lock);
        m_pending += bytes;
        const Clock::time_point now = m_now();
        // The distant past is tested on its own: subtracting it from now would overflow.
        if (m_lastFlush == Clock::time_point::min() || now - m_lastFlush > kInterval) {
            forwarded = std::exchange(m_pending, 0);
            m_lastFlush = now;
        }
    }
    if (forwarded >= 1)
        m_sink(forwarded);
}

void ProgressReporter::flush()
{
    qint64 forwarded = 0;
    {
        const std::lock_guard guard(m_lock);
        forwarded = std::exchange(m_pending, 0);
    }
    if (forwarded >= 1)
        m_sink(forwarded);
}
