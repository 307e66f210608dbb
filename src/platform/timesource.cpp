#include "platform/timesource.h"

#include "platform/countdown.h"

namespace {
TimeSource *g_installed = nullptr;
}

TimeSource *TimeSource::installed()
{
    return g_installed;
}

TimeSource::Clock::time_point TimeSource::now()
{
    return g_installed ? g_installed->currentTime() : Clock::now();
}

void TimeSource::install(TimeSource *source)
{
    Q_ASSERT(!source || !g_installed);
    g_installed = source;
}

void TimeSource::runOut(Countdown &countdown)
{
    countdown.m_standIn = nullptr;
    emit countdown.timeout();
}

void TimeSource::release(Countdown &countdown)
{
    countdown.m_standIn = nullptr;
}
