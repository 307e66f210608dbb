#include "manualtime.h"

#include "platform/countdown.h"

ManualTime::ManualTime()
    : m_now(Clock::now())
{
    install(this);
}

ManualTime::~ManualTime()
{
    for (const Running &running : std::as_const(m_running))
        release(*running.countdown);
    install(nullptr);
}

void ManualTime::advance(std::chrono::milliseconds step)
{
    const Clock::time_point target = m_now + step;
    while (const std::optional<qsizetype> first = firstEndingBy(target)) {
        const Running ending = m_running.takeAt(*first);
        m_now = ending.end;
        runOut(*ending.countdown);
    }
    m_now = target;
}

std::optional<std::chrono::milliseconds> ManualTime::untilNext() const
{
    const std::optional<qsizetype> first = firstEndingBy(Clock::time_point::max());
    if (!first)
        return std::nullopt;
    return std::chrono::duration_cast<std::chrono::milliseconds>(m_running[*first].end - m_now);
}

void ManualTime::countdownStarted(Countdown &countdown)
{
    countdownStopped(countdown);
    m_running.append({&countdown, m_now + countdown.interval()});
}

void ManualTime::countdownStopped(Countdown &countdown)
{
    m_running.removeIf([&](const Running &running) { return running.countdown == &countdown; });
}

std::optional<qsizetype> ManualTime::firstEndingBy(Clock::time_point limit) const
{
    std::optional<qsizetype> first;
    for (qsizetype i = 0; i < m_running.size(); ++i) {
        if (m_running[i].end <= limit && (!first || m_running[i].end < m_running[*first].end))
            first = i;
    }
    return first;
}
