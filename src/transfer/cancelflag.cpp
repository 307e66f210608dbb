#include "transfer/cancelflag.h"

void CancelFlag::raise()
{
    const std::lock_guard guard(m_lock);
    m_cancelled = true;
}

bool CancelFlag::isRaised() const
{
    const std::lock_guard guard(m_lock);
    return m_cancelled;
}
