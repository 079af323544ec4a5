#pragma once

#include <Qt>

#include <functional>
#include <memory>

// The timer behind an arrow's automatic repetition. The arrows get theirs from
// a replaceable factory, so that tests can drive the expiries themselves.
class RepeatTimer {
public:
    virtual ~RepeatTimer() = default;

    // Arms (or re-arms) the timer to expire every intervalMs from now.
    virtual void start(int intervalMs) = 0;
    // A running timer restarts with the new interval.
    virtual void setInterval(int intervalMs) = 0;
    virtual void stop() = 0;
    virtual bool isActive() const = 0;
    virtual int interval() const = 0;
    // How closely the expiries keep to the interval.
    virtual Qt::TimerType timerType() const = 0;

    void setTimeoutHandler(std::function<void()> handler) { m_onTimeout = std::move(handler); }

protected:
    void fireTimeout() {
        if (m_onTimeout) m_onTimeout();
    }

private:
    std::function<void()> m_onTimeout;
};

using RepeatTimerFactory = std::function<std::unique_ptr<RepeatTimer>()>;

// A new timer from the installed factory (a QTimer when none is installed).
std::unique_ptr<RepeatTimer> makeRepeatTimer();

// Installs the factory and returns the previous one; an empty factory
// restores the QTimer-based timers.
RepeatTimerFactory setRepeatTimerFactory(RepeatTimerFactory factory);
