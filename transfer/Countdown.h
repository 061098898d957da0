// A one-shot countdown for the transfer engine's time limits. The engine runs
// its limits on TimerCountdown; tests put in a countdown they expire by hand,
// so no test waits for a limit of ten seconds.
#pragma once

#include <QTimer>

#include <chrono>
#include <functional>

namespace vormante {

class Countdown {
public:
    virtual ~Countdown() = default;
    // Starts counting down from interval; a running countdown starts again.
    virtual void Start(std::chrono::milliseconds interval) = 0;
    virtual void Stop() = 0;
    virtual bool IsRunning() const = 0;

    // Called once when the countdown runs out.
    std::function<void()> expired;
};

class TimerCountdown : public Countdown {
public:
    TimerCountdown() {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (expired)
                expired();
        });
    }
    void Start(std::chrono::milliseconds interval) override { timer_.start(interval); }
    void Stop() override { timer_.stop(); }
    bool IsRunning() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

} // namespace vormante
