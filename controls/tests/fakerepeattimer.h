#pragma once

#include "repeattimer.h"

#include <algorithm>
#include <QList>

// A clock the test moves by hand, and repeat timers that expire on it: no real
// waiting, so the timing tests cannot be flaky.
class FakeClock {
public:
    class Timer final : public RepeatTimer {
    public:
        explicit Timer(FakeClock& clock)
            : m_clock(clock) {
            m_clock.m_timers.append(this);
        }
        ~Timer() override { m_clock.m_timers.removeAll(this); }
        void start(int intervalMs) override {
            m_interval = intervalMs;
            m_active = true;
            m_deadline = m_clock.now() + intervalMs;
        }
        void setInterval(int intervalMs) override {
            m_interval = intervalMs;
            if (m_active) m_deadline = m_clock.now() + intervalMs;
        }
        void stop() override { m_active = false; }
        bool isActive() const override { return m_active; }
        int interval() const override { return m_interval; }
        Qt::TimerType timerType() const override { return Qt::PreciseTimer; }

    private:
        friend class FakeClock;
        FakeClock& m_clock;
        bool m_active = false;
        int m_interval = 0;
        qint64 m_deadline = 0;
    };

    qint64 now() const { return m_now; }

    // Moves the clock forward by ms, firing every expiry on the way in order.
    void advance(qint64 ms) {
        const qint64 target = m_now + ms;
        for (;;) {
            Timer* next = nullptr;
            for (Timer* t : m_timers)
                if (t->m_active && t->m_deadline <= target &&
                    (!next || t->m_deadline < next->m_deadline))
                    next = t;
            if (!next) break;
            m_now = next->m_deadline;
            next->m_deadline = m_now + next->m_interval;
            next->fireTimeout();
        }
        m_now = target;
    }

    RepeatTimerFactory factory() {
        return [this] { return std::make_unique<Timer>(*this); };
    }

private:
    qint64 m_now = 0;
    QList<Timer*> m_timers;
};
