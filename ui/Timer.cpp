#include "ui/Timer.h"

namespace ui {

Timer::Timer(QObject* parent) : QObject(parent)
{
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &Timer::tick);
}

void Timer::setInterval(int ms)
{
    if (ms <= 0) {
        interval_ = 0;
        timer_.stop();
        return;
    }
    // The same positive interval again keeps the running period; it does not restart it.
    if (ms == interval_ && timer_.isActive()) return;
    interval_ = ms;
    timer_.start(ms);
}

void Timer::tick()
{
    if (running_ || !handler_) return;
    running_ = true;
    handler_();
    running_ = false;
}

}  // namespace ui
