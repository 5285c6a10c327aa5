#pragma once

#include <QtGlobal>

namespace lesson {

// Ticks of a fixed period counted against a monotonic clock (milliseconds),
// so that a countdown keeps real time whatever the spacing of the timer
// events that deliver them: an event that comes late (the event loop was
// held up) hands out every period that has passed since the last one, an
// event that comes a little early hands out none. While stopped, time does
// not count; the part of a period that had run before a stop counts on
// after the next start.
class TickSchedule {
public:
    explicit TickSchedule(qint64 periodMs = 100);

    void setPeriod(qint64 periodMs);
    qint64 period() const { return m_period; }

    // Starting a running schedule changes nothing.
    void start(qint64 nowMs);
    void stop(qint64 nowMs);
    bool isRunning() const { return m_running; }

    // The ticks that have fallen due by nowMs and were not handed out yet;
    // they count as handed out from now on. 0 while stopped, and 0 when the
    // clock reads earlier than at the last call.
    qint64 take(qint64 nowMs);

private:
    qint64 m_period;
    bool m_running = false;
    // Clock reading from which whole periods are counted (the start, moved
    // back by the part of a period carried over a stop).
    qint64 m_origin = 0;
    qint64 m_handedOut = 0;
    qint64 m_carry = 0;
};

} // namespace lesson
