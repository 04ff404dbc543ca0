#pragma once
// A timer with Interval semantics: 0 stops it, a positive value starts it or
// keeps it ticking at that period. Ticks arrive on the UI thread.
#include <QObject>
#include <QTimer>
#include <functional>

namespace ui {

class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent);

    int interval() const { return interval_; }
    void setInterval(int ms);
    bool isTicking() const { return timer_.isActive(); }

    // The tick handler. A tick that arrives while the handler is still running
    // (inside a message box it opened) is dropped, so the handler is never re-entered.
    void onTick(std::function<void()> handler) { handler_ = std::move(handler); }
    // Delivers one tick now, as the timer would.
    void tick();

private:
    QTimer timer_;
    int interval_ = 0;
    bool running_ = false;
    std::function<void()> handler_;
};

}  // namespace ui
