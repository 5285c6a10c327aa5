#include "core/system/tick_schedule.h"

#include <algorithm>

namespace lesson {

TickSchedule::TickSchedule(qint64 periodMs)
    : m_period(std::max<qint64>(1, periodMs))
{
}

void TickSchedule::setPeriod(qint64 periodMs)
{
    m_period = std::max<qint64>(1, periodMs);
    m_carry = std::min(m_carry, m_period - 1);
}

void TickSchedule::start(qint64 nowMs)
{
    if (m_running)
        return;
    m_running = true;
    m_origin = nowMs - m_carry;
    m_handedOut = 0;
}

void TickSchedule::stop(qint64 nowMs)
{
    if (!m_running)
        return;
    m_running = false;
    const qint64 elapsed = std::max<qint64>(0, nowMs - m_origin);
    // Whatever was due and not taken is dropped with the stop; only the
    // unfinished period carries over.
    m_carry = elapsed % m_period;
}

qint64 TickSchedule::take(qint64 nowMs)
{
    if (!m_running)
        return 0;
    const qint64 due = std::max<qint64>(0, nowMs - m_origin) / m_period;
    if (due <= m_handedOut)
        return 0;
    const qint64 ticks = due - m_handedOut;
    m_handedOut = due;
    return ticks;
}

} // namespace lesson
