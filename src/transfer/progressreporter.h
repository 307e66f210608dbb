#pragma once

#include <QtGlobal>
#include <chrono>
#include <functional>
#include <mutex>

// Collects the byte counts the worker copies and forwards them at most once per 0.1 seconds,
// the first one at once. The sink is always called outside the lock.
class ProgressReporter
{
public:
    using Clock = std::chrono::steady_clock;
    using Sink = std::function<void(qint64 bytes)>;

    // `now` stands in for the steady clock in tests.
    explicit ProgressReporter(Sink sink, std::function<Clock::time_point()> now = Clock::now);

    // Called by the worker after each chunk.
    void add(qint64 bytes);
    // Forwards what is still pending; at the end of a run.
    void flush();

private:
    static constexpr Clock::duration kInterval = std::chrono::milliseconds(100);

    const Sink m_sink;
    const std::function<Clock::time_point()> m_now;
    std::mutex m_lock;
    qint64 m_pending = 0;
    Clock::time_point m_lastFlush = Clock::time_point::min(); // the distant past
};
