#pragma once

#include "platform/countdown.h"

#include <QObject>
#include <functional>

// Runs the newest write of a burst once the burst has settled, and at the latest when it goes
// away: a sidebar drag or a window resize stores where it ended, not every step on the way, so
// the main thread does not wait for a synced settings file at every mouse move.
class SettledWrite : public QObject
{
public:
    // How long a burst must be quiet before its write runs.
    static constexpr std::chrono::milliseconds kSettleTime{300};

    explicit SettledWrite(QObject *parent);
    ~SettledWrite() override;

    // `write` replaces a write still waiting; it must not capture its scheduler, which may be
    // gone when the write runs at destruction.
    void schedule(std::function<void()> write);

private:
    void flush();

    Countdown m_timer{kSettleTime};
    std::function<void()> m_pending;
};
