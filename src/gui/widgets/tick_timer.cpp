#include "gui/widgets/tick_timer.h"

namespace lesson {

TickTimer::TickTimer(QObject *parent)
    : QObject(parent)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(100);
    m_schedule.setPeriod(100);
    m_clock.start();
    connect(&m_timer, &QTimer::timeout, this, &TickTimer::onTimeout);
}

void TickTimer::setInterval(int ms)
{
    m_timer.setInterval(ms);
    m_schedule.setPeriod(ms);
}

void TickTimer::start()
{
    // A timer started again while running keeps counting where it was.
    m_schedule.start(m_clock.elapsed());
    m_timer.start();
}

void TickTimer::stop()
{
    m_schedule.stop(m_clock.elapsed());
    m_timer.stop();
}

void TickTimer::onTimeout()
{
    // A handler may stop the timer (or open a box whose event loop delivers
    // later ticks itself): the remaining ticks of this event then go.
    for (qint64 due = m_schedule.take(m_clock.elapsed()); due > 0 && m_timer.isActive(); --due)
        Q_EMIT tick();
}

} // namespace lesson
