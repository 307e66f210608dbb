#include "ui/settledwrite.h"

SettledWrite::SettledWrite(QObject *parent)
    : QObject(parent)
{
    connect(&m_timer, &Countdown::timeout, this, &SettledWrite::flush);
}

SettledWrite::~SettledWrite()
{
    flush();
}

void SettledWrite::schedule(std::function<void()> write)
{
    m_pending = std::move(write);
    m_timer.start();
}

void SettledWrite::flush()
{
    m_timer.stop();
    if (const std::function<void()> write = std::exchange(m_pending, {}))
        write();
}
