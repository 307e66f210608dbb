#include "ui/settledwrite.h"

namespace {
constexpr int kSettleMilliseconds = 300;
}

SettledWrite::SettledWrite(QObject *parent)
    : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kSettleMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &SettledWrite::flush);
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
