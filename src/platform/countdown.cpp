#include "platform/countdown.h"

#include "platform/timesource.h"

#include <utility>

Countdown::Countdown(std::chrono::milliseconds interval, QObject *parent)
    : QObject(parent)
    , m_interval(interval)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(interval);
    connect(&m_timer, &QTimer::timeout, this, &Countdown::timeout);
}

Countdown::~Countdown()
{
    stop();
}

void Countdown::start()
{
    stop();
    if (TimeSource *standIn = TimeSource::installed()) {
        m_standIn = standIn;
        standIn->countdownStarted(*this);
    } else {
        m_timer.start();
    }
}

void Countdown::stop()
{
    m_timer.stop();
    if (TimeSource *standIn = std::exchange(m_standIn, nullptr))
        standIn->countdownStopped(*this);
}
