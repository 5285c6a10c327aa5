#pragma once

#include "core/system/tick_schedule.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace lesson {

// A timer of the lesson's countdowns: tick() is raised once for every
// period (100 ms unless set otherwise) of running time by the monotonic
// clock. When the event loop was held up, the next event raises every tick
// that fell due meanwhile, one after the other, so a count of ticks is a
// count of real time; time while the timer is stopped does not count.
class TickTimer : public QObject {
    Q_OBJECT
public:
    explicit TickTimer(QObject *parent = nullptr);

    void setInterval(int ms);
    int interval() const { return m_timer.interval(); }
    bool isActive() const { return m_timer.isActive(); }

    void start();
    void stop();

Q_SIGNALS:
    void tick();

private:
    void onTimeout();

    QTimer m_timer;
    QElapsedTimer m_clock;
    TickSchedule m_schedule;
};

} // namespace lesson
