#pragma once

#include "platform/timesource.h"

#include <QList>
#include <chrono>
#include <optional>

// Stands in for real time while it lives: every Countdown started meanwhile runs out only when
// the test moves the time past its end with advance(), never on its own. Main thread only.
class ManualTime : public TimeSource
{
public:
    ManualTime();
    ~ManualTime() override;
    ManualTime(const ManualTime &) = delete;
    ManualTime &operator=(const ManualTime &) = delete;

    Clock::time_point currentTime() const override { return m_now; }

    // Moves the time on by `step`, letting each countdown that ends on the way run out at its
    // end, in the order of their ends (of their starts for equal ends), with what they start.
    void advance(std::chrono::milliseconds step);
    // How long until the next countdown runs out; none while none runs.
    std::optional<std::chrono::milliseconds> untilNext() const;

    void countdownStarted(Countdown &countdown) override;
    void countdownStopped(Countdown &countdown) override;

private:
    struct Running
    {
        Countdown *countdown;
        Clock::time_point end;
    };

    // The running countdown that ends first, if it ends by `limit`.
    std::optional<qsizetype> firstEndingBy(Clock::time_point limit) const;

    Clock::time_point m_now;
    QList<Running> m_running; // in the order they were started
};
